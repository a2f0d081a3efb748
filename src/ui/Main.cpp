#include "ui/Main.h"

#include "flow/Clocks.h"
#include "flow/GameScreen.h"
#include "flow/SaveLoadCommands.h"
#include "flow/SavedGames.h"
#include "flow/ScreenLayout.h"
#include "flow/StartUp.h"
#include "flow/TurnCommands.h"
#include "flow/TurnController.h"
#include "flow/TurnDisplay.h"
#include "media/CodePages.h"
#include "media/Locales.h"
#include "media/Shadows.h"
#include "model/ControlNames.h"
#include "ui/Board.h"
#include "ui/Errormes.h"
#include "ui/ExplPanel.h"
#include "ui/Explform.h"
#include "ui/FloatingMessages.h"
#include "ui/HelpViewer.h"
#include "ui/Lens.h"
#include "ui/Optns.h"
#include "ui/PLImages.h"
#include "ui/ScreenGeometry.h"
#include "ui/Splash.h"
#include "ui/Strwnd.h"
#include "ui/Widgets.h"
#include "ui/binfo.h"
#include "ui/gameover.h"
#include "ui/hallfm.h"
#include "ui/newgame.h"
#include "ui/playfrm.h"
#include "ui/savegame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace quorim {

namespace {

constexpr int kBackgroundColor = 8404992;
constexpr char16_t kVersion[] = u" 1.6.1 beta";

// The client area paints the skin's background picture, and the start menu's shadow on it.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, const Skin& skin) : QWidget(parent), skin_(skin) {
    setObjectName(QStringLiteral("ClientArea"));
  }

  // The start menu's picture casts its shadow from there; nothing when it is hidden or shadows
  // are off.
  void SetMenuShadow(std::optional<QRect> menu) {
    menuShadow_ = menu;
    update();
  }

  // The user's picture in place of the skin's; a null picture gives the skin's back.
  void SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.drawPixmap(event->rect(), Backdrop(), event->rect());
    if (menuShadow_) PaintShadow(painter, *menuShadow_);
  }

 private:
  // The background as it fills the area, composed again only when the area's size or the skin's
  // picture changes: every tile that leaves the board repaints a piece of it, and stretching the
  // whole picture for each of them holds up the window.
  const QPixmap& Backdrop() {
    const QImage& background =
        picture_.isNull() ? skin_.Picture(QStringLiteral("background")) : picture_;
    if (backdrop_.size() == size() && backdropSource_ == background.cacheKey()) return backdrop_;
    backdrop_ = QPixmap(size());
    backdropSource_ = background.cacheKey();
    backdrop_.fill(ColorFromWindows(kBackgroundColor));
    if (!background.isNull()) {
      QPainter painter(&backdrop_);
      // unscaled from the top-left corner, stretched only when the picture is too small
      if (background.width() < width() || background.height() < height()) {
        painter.drawImage(rect(), background);
      } else {
        painter.drawImage(0, 0, background);
      }
    }
    return backdrop_;
  }

  // Each pass darkens what lies under the picture's opaque pixels by 100 / strength.
  void PaintShadow(QPainter& painter, const QRect& menu) {
    QImage shape = skin_.Picture(QStringLiteral("menu")).copy(0, 0, menu.width(), menu.height());
    if (shape.isNull()) return;
    shape = shape.convertToFormat(QImage::Format_ARGB32);
    QPainter fill(&shape);
    fill.setCompositionMode(QPainter::CompositionMode_SourceIn);
    fill.fillRect(shape.rect(), Qt::black);
    fill.end();
    for (const ShadowPass& pass : kStartMenuShadow) {
      painter.setOpacity(100.0 / pass.strength);
      painter.drawImage(menu.topLeft() + pass.offset, shape);
    }
    painter.setOpacity(1.0);
  }

  const Skin& skin_;
  std::optional<QRect> menuShadow_;
  QImage picture_;
  QPixmap backdrop_;
  qint64 backdropSource_ = 0;
};

}  // namespace

TMainScreen::TMainScreen(DataDir data)
    : game_(*this, data), skin_(std::make_unique<Skin>(data, QString::fromUtf16(kClassicSkin))) {
  setObjectName(names::MainScreen);
  client_ = new ClientArea(this, *skin_);
  setCentralWidget(client_);
  shadow_ = std::make_unique<TShadowWindow>();
  messageWindow_ = std::make_unique<TErrorWindow>(*skin_, *shadow_, *this);
  bonusInfo_ = std::make_unique<TBonusInfo>(*skin_, *this);
  starWindow_ = std::make_unique<TStarWindow>(*skin_, *shadow_);
  saveWindow_ = std::make_unique<TSaveGameWindow>(
      *skin_, *shadow_, [this] { game_.PlaySound(QStringLiteral("save")); });
  gameOverWindow_ = std::make_unique<TSplashWindow>(
      *skin_, *shadow_, [this](bool on) { SoundWhileOpen(QStringLiteral("GameOver"), on); });
  hallFame_ = std::make_unique<THallFame>(
      *skin_, *shadow_, [this](bool on) { SoundWhileOpen(QStringLiteral("HallFame"), on); });
  floatingMessages_ = std::make_unique<TFloatingMessages>(*skin_, *this);
  BuildNewGameWindow();
  BuildMenus();
  BuildBoard();
  BuildStartMenu();
  BuildInGameControls();
  BuildTimers();
  BuildEffects();
  BuildExplanationControls();
  lensDelay_.setSingleShot(true);
  lensDelay_.setInterval(200);
  connect(&lensDelay_, &QTimer::timeout, this, [this] { SwitchLens(); });
  qApp->installEventFilter(this);
}

TMainScreen::~TMainScreen() = default;

void TMainScreen::BuildTimers() {
  const std::array<std::pair<GameTimer, int>, 4> intervals{{{GameTimer::System, 50},
                                                            {GameTimer::Flash, 500},
                                                            {GameTimer::Elapsed, 1000},
                                                            {GameTimer::Move, 1000}}};
  const std::array<const char*, 4> timerNames{"SystemTimer", "FlashTimer", "ElaspedTimer",
                                              "MoveTimer"};
  for (const auto& [timer, interval] : intervals) {
    QTimer& qtimer = timers_[static_cast<std::size_t>(timer)];
    qtimer.setObjectName(QString::fromLatin1(timerNames[static_cast<std::size_t>(timer)]));
    qtimer.setInterval(interval);
  }
  connect(&timers_[static_cast<std::size_t>(GameTimer::System)], &QTimer::timeout, this, [this] {
    SystemTick(game_);
    if (music_) music_->Tick();
  });
  connect(&timers_[static_cast<std::size_t>(GameTimer::Elapsed)], &QTimer::timeout, this,
          [this] { GameClockTick(game_); });
  connect(&timers_[static_cast<std::size_t>(GameTimer::Move)], &QTimer::timeout, this,
          [this] { MoveClockTick(game_); });
}

bool TMainScreen::StartUp(TSplashScreen& splash) {
  game_.Seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));

  QStringList problems;
  game_.Locales = LocaleTable::Load(game_.Data, &problems);
  languages_ = ChooseLanguages(game_.Data, HostInterfaceLanguage(), game_.Strings);
  if (!languages_.CanStart()) {
    ShowFatalMessages(languages_.messages);
    return false;
  }
  ApplyInterfaceLanguage(game_.Data, languages_.interfaceLang, game_.Strings, registry_);
  interfaceLangShown_ = languages_.interfaceLang;

  splash.SetStatusText(game_.InterfaceText(u"LoadStatusFonts"));
  fonts_ = std::make_unique<PrivateFonts>(game_.Data);
  for (std::size_t i = 0; i < fonts_->Faces().size(); ++i) splash.ProgressStep();

  sound_ = std::make_unique<SoundLibrary>();
  effects_ = std::make_unique<SoundEffects>(*sound_);
  music_ = std::make_unique<MusicPlayer>(game_, *sound_);
  splash.ProgressStep();
  splash.ProgressStep();

  if (const auto error =
          LoadStartUpData(game_, languages_, sound_->OutputDevices(), sound_->OutputVolume())) {
    ShowFatalMessages({AlphabetErrorMessage(*error, game_.Strings)});
    return false;
  }
  ApplyPlayerSettings();

  splash.SetStatusText(game_.InterfaceText(u"LoadStatusGfx"));
  skin_->SetBaseFonts(fonts_->RoleFaces());
  skin_->Change(game_.Settings.Skin);
  ShowBackgroundPicture(game_.Settings.BackgroundPicture);
  for (const char* picture :
       {"HintBut1", "HintBut2", "PrevBut1", "PrevBut2", "spot-0",   "spot-wt",  "spot-gr",
        "spot-bl",  "spot-yl",  "spot-rd",  "spot-bk",  "Marker1",  "Go!_1",    "Cng!_1",
        "logo_hl",  "logo_sh",  "i-button", "o-button", "s-button", "l-button", "ErrorWin",
        "QuestWin", "savegame", "starwin",  "gameover", "HallFame", "epanbgr"}) {
    skin_->Picture(QString::fromLatin1(picture));
    splash.ProgressStep();
  }
  ApplyFonts();
  ShowStartUpPlayField(game_);
  ShowStartMenu();

  splash.SetStatusText(game_.InterfaceText(u"LoadStatusSound"));
  effects_->LoadSamples(game_.Data, [&splash] { splash.ProgressStep(); });
  effects_->SetVolume(game_.Settings.SoundVolume);
  music_->SetMusicVolume(game_.Settings.MusicVolume);
  music_->CreateSongListIfMissing();

  game_.HintsLeft = game_.Settings.HintCount;
  game_.Intellect = game_.Settings.LastIntellect;
  ShowIntellectChoice(game_);
  BuildLoadMenu();
  UpdateWindowTitle();
  ShowLensCaption();
  ShowTitleScreen(game_, true);
  splash.ProgressStep();

  if (game_.Settings.FullScreen) {
    setWindowFlag(Qt::FramelessWindowHint, true);
    showFullScreen();
  } else if (game_.Settings.StartMaximized) {
    showMaximized();
  } else {
    FitWindowToBoard();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      move(screen->availableGeometry().center() - rect().center());
    show();
  }
  splash.hide();
  return true;
}

void TMainScreen::ShowFatalMessages(const QStringList& messages) {
  for (const QString& message : messages) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorim"), message, QMessageBox::Ok);
    box.exec();
  }
}

void TMainScreen::ApplyFonts() {
  const QFont captions = skin_->Font(FontRole::kPlayer, 12);
  // the start menu's labels take the skin colours of their own names
  for (QLabel* caption : menuCaptions_) {
    caption->setFont(captions);
    skin_->ColourText(*caption, caption->objectName());
  }
  lastPlayer_->setFont(skin_->Font(FontRole::kPlayer, 10));
  skin_->ColourText(*lastPlayer_, lastPlayer_->objectName());
  for (QLabel* comment : comments_)
    skin_->ColourText(*comment, QStringLiteral("InGameInfoComment"));
}

void TMainScreen::BuildNewGameWindow() {
  imageScreen_ = std::make_unique<TImageScreen>(*skin_, game_.Data);
  TNewGameWindow::Hooks hooks;
  hooks.startMenuChanged = [this] {
    if (game_.GameRunning) return;
    ShowTitleScreen(game_, true);
    ShowStartMenu();
  };
  hooks.knownPlayersChanged = [this] { BuildLoadMenu(); };
  hooks.playerSettingsRead = [this] {
    ApplyPlayerSettings();
    UpdateWindowTitle();
    ShowBackgroundPicture(game_.Settings.BackgroundPicture);
  };
  hooks.openOptions = [this](int page) { OpenOptions(page); };
  newGameWindow_ =
      std::make_unique<TNewGameWindow>(game_, *skin_, *shadow_, *imageScreen_, std::move(hooks));
}

void TMainScreen::ShowBackgroundPicture(const QString& path) {
  // an unreadable picture leaves the skin's background
  static_cast<ClientArea*>(client_)->SetPicture(path.isEmpty() ? QImage() : QImage(path));
}

void TMainScreen::ApplyPlayerSettings() {
  if (game_.Settings.InterfaceLang == interfaceLangShown_) return;
  ApplyInterfaceLanguage(game_.Data, game_.Settings.InterfaceLang, game_.Strings, registry_);
  interfaceLangShown_ = game_.Settings.InterfaceLang;
}

void TMainScreen::UpdateWindowTitle() {
  QString title = game_.InterfaceText(u"Title") + QString::fromUtf16(kVersion);
  if (!game_.Settings.ExplanatoryLang.isEmpty())
    title += u' ' + game_.InterfaceText(u"TitleSuffixWithExplanatoryDictionary");
  setWindowTitle(title);
  QApplication::setApplicationDisplayName(QString());
}

void TMainScreen::BuildStartMenu() {
  menuBgr_ = new QLabel(client_);
  menuBgr_->setObjectName(names::MenuBgr);
  const std::array<const QString*, 4> faces{&names::MenuButton1, &names::MenuButton2,
                                            &names::MenuButton3, &names::MenuButton6};
  const std::array<const QString*, 4> captions{
      &names::ScreenButtonTitleNewGame, &names::ScreenButtonTitleLoadGame,
      &names::ScreenButtonTitleExit, &names::ScreenButtonTitleContinue};
  const std::array<std::function<void()>, 4> clicks{
      [this] { NewGameCommand(game_); }, [this] { LoadCommand(game_); }, [this] { close(); },
      [this] { ContinueCommand(game_); }};
  for (std::size_t i = 0; i < faces.size(); ++i) {
    auto* face = new TClickLabel(client_, *faces[i]);
    auto* caption = new TClickLabel(client_, *captions[i]);
    face->OnClick(clicks[i]);
    caption->OnClick(clicks[i]);
    face->setCursor(Qt::PointingHandCursor);
    caption->setCursor(Qt::PointingHandCursor);
    menuButtons_[i] = face;
    menuCaptions_[i] = caption;
  }
  lastPlayer_ = new QLabel(client_);
  lastPlayer_->setObjectName(names::ScreenButtonTitleLastPlayer);
  lastPlayer_->setWordWrap(true);
  lastPlayer_->setAlignment(Qt::AlignCenter);
}

void TMainScreen::ShowMenuPicture(bool shown) {
  menuBgr_->setVisible(shown);
  if (shown) {
    ShowStartMenu();
  } else {
    static_cast<ClientArea*>(client_)->SetMenuShadow(std::nullopt);
  }
}

void TMainScreen::closeEvent(QCloseEvent* event) {
  if (closing_) return;
  unsetCursor();
  game_.HintsLeft = game_.Settings.HintCount;
  if (!ExitRequest(game_)) {
    event->ignore();
    return;
  }
  closing_ = true;
  ShutLens();
  ReleaseGameScreen();
  messageWindow_->hide();
  shadow_->hide();
  bonusInfo_->close();
  if (helpViewer_) helpViewer_->close();
  hide();
  if (sound_) {
    music_.reset();
    effects_.reset();
    sound_.reset();
  }
  event->accept();
  QApplication::quit();
}

void TMainScreen::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      if (explanationWindow_->IsOpen()) {
        explanationWindow_->Shut();
        return;
      }
      KeyPressed(game_, GameKey::Escape);
      return;
    case Qt::Key_Control:
      if (!event->isAutoRepeat() && !(lens_ && lens_->IsOpen())) lensDelay_.start();
      return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      if (lens_ && lens_->IsOpen()) return lens_->Resize(1);
      break;
    case Qt::Key_Minus:
      if (lens_ && lens_->IsOpen()) return lens_->Resize(-1);
      break;
    default:
      break;
  }
  const QString text = event->text();
  if (!text.isEmpty() && music_ && music_->MusicKey(text.front())) return;
  KeyPressed(game_, GameKey::Other);
  QMainWindow::keyPressEvent(event);
}

void TMainScreen::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control && !event->isAutoRepeat()) ShutLens();
  QMainWindow::keyReleaseEvent(event);
}

void TMainScreen::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  PlaceBoard();
  if (!game_.GameRunning) ShowStartMenu();
}

void TMainScreen::HideAuxiliaryWindows() {
  ShutLens();
  floatingMessages_->CloseAll();
  // the message window and its shadow answer a minimised program themselves
  const std::array<const QWidget*, 3> ownRules{this, messageWindow_.get(), shadow_.get()};
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible() || std::ranges::find(ownRules, window) != ownRules.end()) continue;
    hiddenWhileMinimized_.emplace_back(window);
    window->hide();
  }
}

bool TMainScreen::eventFilter(QObject* watched, QEvent* event) {
  // a click or key anywhere in the game ends a wait for one
  if (waitingForInput_ != nullptr &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress))
    waitingForInput_->quit();
  if (BoardMouseEvent(watched, event)) return true;
  // Ctrl held alone opens the lens; Ctrl with a key is a shortcut
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
      static_cast<QKeyEvent*>(event)->key() != Qt::Key_Control)
    lensDelay_.stop();
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
    SwitchLens();
    return true;
  }
  // the lens closes itself on a click; the menu item follows
  if (lens_ && watched == lens_.get() && event->type() == QEvent::Hide)
    findChild<QAction*>(QStringLiteral("MenuLens"))->setChecked(false);
  return QMainWindow::eventFilter(watched, event);
}

void TMainScreen::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  if (isMinimized()) {
    HideAuxiliaryWindows();
    return;
  }
  for (const QPointer<QWidget>& window : hiddenWhileMinimized_)
    if (window) window->show();
  hiddenWhileMinimized_.clear();
  if (messageWindow_) messageWindow_->ProgramRestored();
  // maximised or restored: the panels follow the new size once it has been taken
  QTimer::singleShot(0, this, [this] {
    if (game_.GameRunning) PlacePanels();
  });
}

}  // namespace quorim

namespace quorim {

void TMainScreen::ShowStartMenu() {
  if (menuBgr_ == nullptr) return;
  const QImage& background = skin_->Picture(QStringLiteral("menu"));
  const QImage& face = skin_->Picture(QStringLiteral("menubutt"));
  const StartMenuLayout layout = LayOutStartMenu(
      {client_->width(), client_->height()}, {background.width(), background.height()},
      {face.width(), face.height()}, Control(names::MenuButton6).visible);
  menuBgr_->setPixmap(QPixmap::fromImage(background));
  menuBgr_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  menuBgr_->setGeometry(ToQRect(layout.background));
  const std::array<const ScreenRect*, 4> faces{&layout.newGame, &layout.loadGame, &layout.exit,
                                               &layout.continueGame};
  const std::array<const ScreenPoint*, 4> titles{&layout.newGameTitle, &layout.loadGameTitle,
                                                 &layout.exitTitle, &layout.continueTitle};
  for (std::size_t i = 0; i < faces.size(); ++i) {
    menuButtons_[i]->setPixmap(QPixmap::fromImage(face));
    menuButtons_[i]->setGeometry(ToQRect(*faces[i]));
    menuCaptions_[i]->adjustSize();
    menuCaptions_[i]->move(ToQPoint(*titles[i]));
  }
  lastPlayer_->setGeometry(ToQRect(layout.lastPlayerTitle));
  menuBgr_->lower();
  board_->lower();
  const bool menuShown = Control(names::MenuBgr).visible && !game_.GameRunning;
  static_cast<ClientArea*>(client_)->SetMenuShadow(menuShown && game_.Settings.ShowShadows
                                                       ? std::optional<QRect>(menuBgr_->geometry())
                                                       : std::nullopt);
}

}  // namespace quorim
