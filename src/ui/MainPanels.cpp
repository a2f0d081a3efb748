// The main window's in-game controls, the participant panels and the control panel that carry
// them during a game, and the information panel.
#include "ui/Main.h"

#include "flow/HintCommand.h"
#include "flow/SaveLoadCommands.h"
#include "flow/ScreenLayout.h"
#include "flow/TurnCommands.h"
#include "media/Avatars.h"
#include "media/CodePages.h"
#include "model/ControlNames.h"
#include "ui/Board.h"
#include "ui/FloatingMessages.h"
#include "ui/PLImages.h"
#include "ui/ScreenGeometry.h"
#include "ui/Widgets.h"
#include "ui/_about.h"
#include "ui/binfo.h"
#include "ui/playfrm.h"

#include <QMoveEvent>
#include <QScreen>

namespace quorim {

namespace {

constexpr int kInfoWidth = 406;
constexpr int kInfoTicks = 1000;

}  // namespace

void TMainScreen::BuildInGameControls() {
  struct Button {
    QString name;
    const char* picture;
    std::function<void()> click;
  };
  const std::vector<Button> buttons{
      {names::InGameButtongGo, "Go!_1", [this] { GoCommand(game_); }},
      {names::InGameButtongChangeLetters, "Cng!_1", [this] { ExchangeCommand(game_); }},
      {names::InGameButtongHint, "HintBut1", [this] { HintButtonClick(game_); }},
      {names::InGameButtongPreview, "PrevBut1", [this] { PreviewCommand(game_); }},
      {names::InGameButtongConfig, "o-button", [this] { OptionsCommand(); }},
      {names::InGameButtongSaveGame, "s-button", [this] { SaveCommand(game_); }},
      {names::InGameButtongLoadGame, "l-button", [this] { LoadCommand(game_); }},
      {names::InGameButtongInfo, "i-button", [this] { ToggleInfoPanel(); }},
      {names::MenuButton4, "menubutt", [this] { EndRequest(game_); }},
      {QStringLiteral("InGameTagSponsorLogo"), "logo_sh", [] { OpenGameSite(); }},
  };
  for (const Button& button : buttons) {
    auto* control = new TClickLabel(client_, button.name);
    control->setProperty("skinPicture", QString::fromLatin1(button.picture));
    if (button.click) {
      control->OnClick(button.click);
      control->setCursor(Qt::PointingHandCursor);
    } else {
      control->setEnabled(false);  // its window comes later
    }
    control->hide();
    inGameControls_.push_back(control);
  }
  auto* endLabel = new TClickLabel(client_, names::InGameLabel);
  endLabel->OnClick([this] { EndRequest(game_); });
  endLabel->setCursor(Qt::PointingHandCursor);
  endLabel->hide();
  inGameControls_.push_back(endLabel);

  for (const QString* name :
       {&names::Comment1, &names::Comment2, &names::Comment3, &names::Comment4}) {
    auto* comment = new TClickLabel(client_, *name);
    comment->OnClick([this] { CloseInfoPanel(); });
    comment->hide();
    comments_.push_back(comment);
  }
  infoTimer_.setObjectName(QStringLiteral("InfoTimer"));
  infoTimer_.setInterval(5);
  connect(&infoTimer_, &QTimer::timeout, this, [this] { InfoPanelTick(); });
}

void TMainScreen::ShowInGamePictures() {
  for (QLabel* control : inGameControls_) {
    const QString picture = control->property("skinPicture").toString();
    if (picture.isEmpty()) continue;
    QPixmap pixmap = skin_->Pixmap(picture);
    // the end button's face is the start menu's, narrowed to the panel
    if (control->objectName() == names::MenuButton4) pixmap = pixmap.scaled(150, pixmap.height());
    control->setPixmap(pixmap);
    control->resize(pixmap.size());
  }
  QLabel* endLabel = findChild<QLabel*>(names::InGameLabel);
  endLabel->setFont(skin_->Font(FontRole::kPlayer, 12));
  skin_->ColourText(*endLabel, names::InGameLabel);
}

void TMainScreen::BuildGameScreen() {
  ReleasePanels();
  const int count = game_.PlayerCount();
  const bool clock = game_.GameClockOn() || game_.MoveClockOn();
  const int height = PlayerPanelHeight(clock);
  const std::vector<Avatar>& avatars = imageScreen_->Avatars();
  const QImage backdrop = skin_->Picture(QStringLiteral("quorim"));
  for (int n = 1; n <= count; ++n) {
    PanelContent content;
    content.number = n;
    content.name = FromGameText(game_.Players[n].Name, game_.InterfaceCodePage());
    const Avatar* avatar =
        FindAvatar(avatars, QString::fromLatin1(game_.Players[n].Avatar.c_str()));
    if (avatar != nullptr) {
      content.avatarPath = avatar->path;
      content.animatedAvatar = avatar->animated;
    }
    content.score = game_.Players[n].Score;
    content.clock = clock;
    content.shadows = game_.Settings.ShowShadows;
    content.scoreHint = game_.InterfaceText(u"InGameTagPlayerScore") + u' ' + content.name;
    content.clockHint = game_.MoveClockOn()
                            ? game_.InterfaceText(u"InGameTagPlayerMoveTime") + u' ' + content.name
                            : game_.InterfaceText(u"InGameTagGameTime");
    auto panel = std::make_unique<TPlayForm>(*this, *skin_, backdrop, content, height);
    panel->SetButtonHints(game_.InterfaceText(u"UserWindowTagButtonMinimaze"),
                          game_.InterfaceText(u"UserWindowTagButtonMaximaze"),
                          game_.InterfaceText(u"UserWindowTagButtonLock"),
                          game_.InterfaceText(u"UserWindowTagButtonUnLock"));
    panel->foldClicked = [](TPlayForm& form) { form.SetCollapsed(!form.Collapsed()); };
    panel->keepInside = [this](const TPlayForm& form, QPoint to) {
      const ScreenPoint kept =
          KeepPanelInMainWindow({to.x(), to.y(), form.width(), form.height()},
                                ToScreenRect(frameGeometry()), mapToGlobal(QPoint(0, 0)).y());
      return ToQPoint(kept);
    };
    KeepTitleBarActive(*panel, *this);
    // the rack's slots lie on its picture, where drops are caught and tiles put
    if (const auto* rack = panel->findChild<QWidget*>(QStringLiteral("Slt%1Im").arg(n))) {
      for (int slot = 1; slot <= kRackSlots; ++slot) {
        const ScreenPoint at = RackSlotPlace({rack->x(), rack->y()}, slot);
        TRackSlot& place = game_.Racks[static_cast<std::size_t>(n)][slot];
        place.Left = static_cast<std::uint16_t>(at.left);
        place.Top = static_cast<std::uint16_t>(at.top);
      }
    }
    panels_.push_back(std::move(panel));
  }
  controlPanel_ = std::make_unique<TPlayForm>(*this, *skin_, backdrop);
  KeepTitleBarActive(*controlPanel_, *this);
  MoveInGameControlsOnto(controlPanel_.get());
  for (const auto& panel : panels_) registry_.ShowAll(*panel, Controls());
  registry_.ShowAll(*controlPanel_, Controls());
  registry_.ApplyWindowTexts(game_.Strings, names::MainScreen, Controls());
  PlacePanels();
  for (const auto& panel : panels_) panel->show();
  controlPanel_->show();
  // tiles on the racks of the panels just made
  for (std::size_t k = 0; k < board_->Pieces().size(); ++k) ShowTile(static_cast<int>(k));
  ShowStartMenu();
  if (game_.Settings.AlwaysShowDictionaryPanel && !ExplanationPanel())
    InGameLabelExplanationPanelClick();
}

void TMainScreen::PlacePanels() {
  if (panels_.empty()) return;
  const QScreen* screen = this->screen();
  PanelLayoutInput in;
  in.participants = static_cast<int>(panels_.size());
  in.timeLimit = game_.GameClockOn() || game_.MoveClockOn();
  in.autoSpread = game_.Settings.AutoSpreadPlayers;
  in.maximized = isMaximized() || isFullScreen();
  in.mainWindow = ToScreenRect(frameGeometry());
  in.playfield = BoardOnScreen();
  in.screen = {screen->geometry().width(), screen->geometry().height()};
  in.workArea = ToScreenRect(screen->availableGeometry());
  const PanelLayout layout = PlacePlayerPanels(in);
  // the window first: moving it carries the panels along, which then take their own places
  if (!in.maximized && ToQRect(layout.mainWindow) != frameGeometry()) {
    move(layout.mainWindow.left, layout.mainWindow.top);
    resize(size() + QSize(layout.mainWindow.width - frameGeometry().width(),
                          layout.mainWindow.height - frameGeometry().height()));
  }
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    TPlayForm& panel = *panels_[i];
    panel.SetCollapsed(layout.panels[i].collapsed);
    panel.move(layout.panels[i].place.left, layout.panels[i].place.top);
  }
  controlPanel_->move(layout.controlPanel.left, layout.controlPanel.top);
}

void TMainScreen::MoveInGameControlsOnto(QWidget* panel) {
  QWidget* parent = panel != nullptr ? panel : client_;
  for (QLabel* control : inGameControls_) control->setParent(parent);
  if (panel == nullptr) {
    for (QLabel* control : inGameControls_) control->hide();
    return;
  }
  ShowInGamePictures();
  const auto place = [this](const QString& name, int left, int top) {
    if (auto* control = controlPanel_->findChild<QLabel*>(name)) control->move(left, top);
  };
  QLabel* exchange = controlPanel_->findChild<QLabel*>(names::InGameButtongChangeLetters);
  place(names::InGameButtongChangeLetters, 23, 50);
  place(names::InGameButtongGo, 23 + exchange->width(), 50);
  place(names::InGameButtongHint, 45, 120);
  place(names::InGameButtongPreview, 95, 120);
  place(names::InGameButtongConfig, 15, 180);
  place(names::InGameButtongSaveGame, 52, 180);
  place(names::InGameButtongLoadGame, 90, 180);
  place(names::InGameButtongInfo, 126, 180);
  place(names::MenuButton4, 10, 225);
  place(names::InGameLabel, 10 + 11, 225 + 5);
  place(QStringLiteral("InGameTagSponsorLogo"), 15, 280);
  for (QLabel* control : inGameControls_) {
    control->adjustSize();
    if (Control(control->objectName()).visible) control->show();
  }
  PlaceExplanationSwitch();
}

void TMainScreen::ReleasePanels() {
  board_->RecallPieces();
  CloseInfoPanel();
  MoveInGameControlsOnto(nullptr);
  panels_.clear();
  controlPanel_.reset();
}

void TMainScreen::ReleaseGameScreen() {
  floatingMessages_->CloseAll();
  CloseExplanations();
  ReleasePanels();
  board_->ReleasePieces();
  ShowStartMenu();
}

void TMainScreen::ShowPanelOnTurn(int previous, int current, bool) {
  const int count = static_cast<int>(panels_.size());
  const auto panel = [this, count](int n) -> TPlayForm* {
    return n >= 1 && n <= count ? panels_[static_cast<std::size_t>(n - 1)].get() : nullptr;
  };
  if (TPlayForm* now = panel(current)) {
    if (FoldActs({.panel = current,
                  .participants = count,
                  .collapse = false,
                  .locked = now->Locked(),
                  .demo = game_.DemoRunning}))
      now->SetCollapsed(false);
    now->raise();
  }
  // Folding follows the panels' own rule (many participants, or a demonstration), with or without
  // the automatic arrangement: a column of eight unfolded panels would not fit any screen.
  TPlayForm* before = panel(previous);
  if (before != nullptr && previous != current &&
      FoldActs({.panel = previous,
                .participants = count,
                .collapse = true,
                .locked = before->Locked(),
                .demo = game_.DemoRunning}))
    before->SetCollapsed(true);
  if (count > 3 && !game_.DemoRunning) {
    RestackInput in;
    for (const auto& form : panels_) {
      in.panels.push_back(ToScreenRect(form->geometry()));
      in.locked.push_back(form->Locked());
    }
    in.currentPlayer = current;
    in.screenHeight = screen()->geometry().height();
    in.workArea = ToScreenRect(screen()->availableGeometry());
    in.mainWindow = ToScreenRect(frameGeometry());
    const std::vector<ScreenRect> places = RestackPlayerPanels(in);
    for (int i = 0; i < count; ++i)
      panels_[static_cast<std::size_t>(i)]->move(places[static_cast<std::size_t>(i)].left,
                                                 places[static_cast<std::size_t>(i)].top);
  }
}

WindowPlaces TMainScreen::CurrentWindowPlaces() const {
  WindowPlaces places;
  if (const QScreen* screen = this->screen()) {
    places.screenWidth = screen->geometry().width();
    places.screenHeight = screen->geometry().height();
  }
  if (!isMaximized() && !isFullScreen()) places.mainWindow = ScreenPoint{x(), y()};
  if (controlPanel_) places.playForm = ScreenPoint{controlPanel_->x(), controlPanel_->y()};
  for (const auto& panel : panels_) {
    places.panels.push_back(
        {{panel->x(), panel->y()}, panel->Collapsed(), panel->Locked() ? kPinnedPanel : 0});
  }
  return places;
}

void TMainScreen::RestoreWindowPlaces(const WindowPlaces& places) {
  const QRect screen = this->screen()->availableGeometry();
  const auto onScreen = [&screen](ScreenPoint at, QSize size) {
    QRect place(ToQPoint(at), size);
    // a place off every screen (another monitor, another resolution) is pulled back
    place.moveLeft(std::clamp(place.left(), screen.left(), screen.right() - size.width()));
    place.moveTop(std::clamp(place.top(), screen.top(), screen.bottom() - size.height()));
    return place.topLeft();
  };
  if (places.mainWindow && !isMaximized() && !isFullScreen())
    move(onScreen(*places.mainWindow, frameGeometry().size()));
  if (places.playForm && controlPanel_)
    controlPanel_->move(onScreen(*places.playForm, controlPanel_->size()));
  for (std::size_t i = 0; i < places.panels.size() && i < panels_.size(); ++i) {
    TPlayForm& panel = *panels_[i];
    panel.SetCollapsed(places.panels[i].folded);
    panel.SetLocked(places.panels[i].helpContext == kPinnedPanel);
    panel.move(onScreen(places.panels[i].at, panel.size()));
  }
}

void TMainScreen::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // the panels travel with the main window
  const QPoint by = event->pos() - event->oldPos();
  if (by.isNull() || event->oldPos() == QPoint(0, 0)) return;
  for (const auto& panel : panels_) panel->move(panel->pos() + by);
  if (controlPanel_) controlPanel_->move(controlPanel_->pos() + by);
  if (infoPanel_) infoPanel_->move(infoPanel_->pos() + by);
}

void TMainScreen::ToggleInfoPanel() {
  if (infoPanel_) {
    CloseInfoPanel();
    return;
  }
  infoPanel_ = std::make_unique<QWidget>(
      this, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  infoPanel_->setObjectName(QStringLiteral("Infoform"));
  KeepTitleBarActive(*infoPanel_, *this);
  infoPanel_->setStyleSheet(
      QStringLiteral("#Infoform { background: %1; border: 1px solid %2; }")
          .arg(skin_->Color(QStringLiteral("InGameInfoCommentBgr"), 8388608).name(),
               skin_->Color(QStringLiteral("InGameInfoCommentBord"), colors::Yellow).name()));
  const bool music = !Control(names::Comment4).caption.isEmpty();
  const std::array<int, 4> tops{5, 20, 35, 65};
  for (std::size_t i = 0; i < comments_.size(); ++i) {
    QLabel* comment = comments_[i];
    comment->setParent(infoPanel_.get());
    comment->setGeometry(0, tops[i], kInfoWidth, i == 3 ? 20 : 15);
    comment->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    comment->setVisible(i < 3 || music);
  }
  infoHeight_ = music ? 85 : 70;
  const ScreenRect board = BoardOnScreen();
  const int bottom = board.top + game_.PlayField.DimY() * 28 + 102;
  infoPanel_->setGeometry(board.left + (board.width - kInfoWidth) / 2, bottom - 1, kInfoWidth, 1);
  infoTicks_ = 0;
  infoPanel_->show();
  infoTimer_.start();
}

void TMainScreen::InfoPanelTick() {
  if (!infoPanel_) return;
  if (++infoTicks_ >= kInfoTicks) {
    CloseInfoPanel();
    return;
  }
  if (infoPanel_->height() < infoHeight_)
    infoPanel_->setGeometry(infoPanel_->x(), infoPanel_->y() - 1, kInfoWidth,
                            infoPanel_->height() + 1);
}

void TMainScreen::CloseInfoPanel() {
  infoTimer_.stop();
  if (!infoPanel_) return;
  for (QLabel* comment : comments_) {
    comment->setParent(client_);
    comment->hide();
  }
  infoPanel_.reset();
}

}  // namespace quorim
