#include "ui/newgame.h"

#include "flow/NewGameSetup.h"
#include "media/CodePages.h"
#include "ui/Errormes.h"
#include "ui/PLImages.h"
#include "ui/Skin.h"
#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMovie>
#include <QPainter>
#include <QRadioButton>
#include <QThread>
#include <QToolButton>
#include <QValidator>

#include <algorithm>

namespace quorim {

namespace {

constexpr QSize kWindowSize(335, 407);
constexpr int kDesignBackground = 7667712;
constexpr int kDesignYellow = 65535;
constexpr int kDesignWhite = 16777215;
constexpr int kDesignAqua = 16776960;
constexpr int kDesignTabFill = 8388608;
constexpr int kDesignTabSelected = 12285517;

// The columns of the summaries: caption, value, the picture button at the right.
constexpr int kCaptionLeft = 16;
constexpr int kCaptionWidth = 100;
constexpr int kValueLeft = 118;
constexpr int kValueWidth = 178;
constexpr int kButtonLeft = 299;
constexpr int kRowHeight = 18;

// The participant's page, inside the tab control.
constexpr QRect kTabControlPlace(12, 70, 311, 164);
constexpr QRect kPicturePlace(8, 47, 110, 110);
constexpr QRect kBoxPlace(128, 84, 172, 24);

// The chooser opens this far left of and below the window's corner.
constexpr QPoint kChooserOffset(-220, 180);
constexpr int kPressedMs = 300;

// Keys that would put a separator of the record files into a name do nothing.
class NameValidator : public QValidator {
 public:
  explicit NameValidator(QObject* parent) : QValidator(parent) {}
  State validate(QString& input, int&) const override {
    return NameTextAllowed(input) ? Acceptable : Invalid;
  }
};

QColor Design(int windowsColor) {
  return ColorFromWindows(windowsColor);
}

// A summary longer than its place is written smaller, down to 7 points.
void FitText(QLabel& label, const QFont& design) {
  QFont font = design;
  for (int size = design.pointSize(); size > 7; --size) {
    font.setPointSize(size);
    const QFontMetrics metrics(font);
    const QStringList lines = label.text().split(u'\n');
    if (std::ranges::all_of(lines, [&](const QString& line) {
          return metrics.horizontalAdvance(line) <= label.width();
        }))
      break;
  }
  label.setFont(font);
}

void PaintText(QWidget& widget, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, color);
  palette.setColor(QPalette::ButtonText, color);
  widget.setPalette(palette);
}

}  // namespace

TTabStrip::TTabStrip(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabControl1"));
  fill_ = Design(kDesignTabFill);
  selected_ = Design(kDesignTabSelected);
}

void TTabStrip::SetTabs(const QStringList& captions) {
  captions_ = captions;
  current_ = captions_.isEmpty() ? -1 : 0;
  update();
}

void TTabStrip::SetCaption(int index, const QString& caption) {
  if (index < 0 || index >= Count()) return;
  captions_[index] = caption;
  update();
}

void TTabStrip::AddTab(const QString& caption) {
  captions_.append(caption);
  update();
}

void TTabStrip::RemoveLastTab() {
  if (captions_.isEmpty()) return;
  captions_.removeLast();
  current_ = std::min(current_, Count() - 1);
  update();
}

void TTabStrip::SetCurrent(int index) {
  if (index < 0 || index >= Count()) return;
  current_ = index;
  update();
}

QRect TTabStrip::TabRect(int index) const {
  const int width = this->width() / kPerRow;
  return {index % kPerRow * width, index / kPerRow * (kTabHeight + 1), width - 1, kTabHeight};
}

void TTabStrip::SetColours(const QColor& caption, const QColor& fill, const QColor& selected) {
  caption_ = caption;
  fill_ = fill;
  selected_ = selected;
  update();
}

void TTabStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  for (int i = 0; i < Count(); ++i) {
    const QRect tab = TabRect(i);
    painter.setPen(Qt::black);
    painter.setBrush(i == current_ ? selected_ : fill_);
    painter.drawRect(tab.adjusted(0, 0, -1, -1));
    painter.setPen(caption_);
    painter.drawText(tab.adjusted(3, 1, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, captions_[i]);
  }
}

void TTabStrip::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  for (int i = 0; i < Count(); ++i) {
    if (!TabRect(i).contains(event->position().toPoint()) || i == current_) continue;
    if (!tabClicked || tabClicked(i)) SetCurrent(i);
    return;
  }
}

TNewGameWindow::TNewGameWindow(Game& game, const Skin& skin, TShadowWindow& shadow,
                               TImageScreen& chooser, Hooks hooks)
    : TSkinnedDialog(skin, QStringLiteral("NewGameWindow"), kWindowSize, QStringLiteral("newgame")),
      game_(game),
      shadow_(shadow),
      chooser_(chooser),
      hooks_(std::move(hooks)) {
  BuildControls();
  ApplyColours();
}

QLabel* TNewGameWindow::MakeLabel(const char* name, QRect place, QWidget* parent) {
  auto* label = new QLabel(parent != nullptr ? parent : this);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(place);
  return label;
}

TClickLabel* TNewGameWindow::MakePictureButton(const char* name, QPoint at,
                                               std::function<void()> action) {
  auto* button = new TClickLabel(this, QLatin1String(name));
  button->setGeometry(QRect(at, QSize(22, 22)));
  button->setCursor(Qt::PointingHandCursor);
  pictureButtons_.push_back(button);
  button->OnClick([this, button, action = std::move(action)] {
    PressPictureButton(*button);
    action();
  });
  return button;
}

void TNewGameWindow::BuildControls() {
  const auto caption = [this](const char* name, int top) {
    QLabel* label = MakeLabel(name, {kCaptionLeft, top, kCaptionWidth, kRowHeight});
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    captionLabels_.push_back(label);
    return label;
  };
  const auto value = [this](const char* name, int top, int height = kRowHeight) {
    QLabel* label = MakeLabel(name, {kValueLeft, top, kValueWidth, height});
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    valueLabels_.push_back(label);
    return label;
  };
  const auto divider = [this](const char* name, QRect place, QWidget* parent = nullptr) {
    auto* shape = new TShape(parent != nullptr ? parent : this, QLatin1String(name));
    shape->setGeometry(place);
    dividers_.push_back(shape);
    return shape;
  };

  // the layout
  caption("LabelLayout", 12);
  layout_ = value("RxLabel1", 12);
  optionButtons_.push_back(
      MakePictureButton("ButtonSelectLayout", {kButtonLeft, 10}, [this] { OpenOptions(5); }));
  divider("Shape1", {12, 34, 311, 1});

  // how many take part
  caption("LabelPlayersQty", 44);
  count_ = value("RxLabel5", 38, 28);
  count_->setGeometry(kValueLeft, 38, 30, 28);
  count_->setAlignment(Qt::AlignCenter);
  auto* upDown = new QWidget(this);
  upDown->setObjectName(QStringLiteral("UpDown1"));
  upDown->setGeometry(150, 38, 18, 28);
  up_ = new QToolButton(upDown);
  up_->setObjectName(QStringLiteral("UpDown1Up"));
  up_->setArrowType(Qt::UpArrow);
  up_->setGeometry(0, 0, 18, 14);
  down_ = new QToolButton(upDown);
  down_->setObjectName(QStringLiteral("UpDown1Down"));
  down_->setArrowType(Qt::DownArrow);
  down_->setGeometry(0, 14, 18, 14);
  connect(up_, &QToolButton::clicked, this, [this] { ChangeCount(1); });
  connect(down_, &QToolButton::clicked, this, [this] { ChangeCount(-1); });

  // one tab per participant
  tabs_ = new TTabStrip(this);
  tabs_->setGeometry(kTabControlPlace);
  tabs_->tabClicked = [this](int index) {
    // a known player's settings that came in have set everything up anew, on the first tab
    if (CommitName() != Commit::Done || index >= tabs_->Count()) return false;
    ShowTab(index);
    return true;
  };
  divider("Shape5",
          {0, TTabStrip::kPageTop, kTabControlPlace.width(),
           kTabControlPlace.height() - TTabStrip::kPageTop},
          tabs_);
  divider("Shape6", kPicturePlace.adjusted(-2, -2, 2, 2), tabs_);
  picture_ = MakeLabel("TagPlayerImage", kPicturePlace, tabs_);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setCursor(Qt::PointingHandCursor);
  picture_->installEventFilter(this);
  tabNumber_ = MakeLabel("RxLabel6", {128, 46, 40, 34}, tabs_);
  nameBox_ = new QComboBox(tabs_);
  nameBox_->setObjectName(QStringLiteral("LabelPlayerList"));
  nameBox_->setGeometry(kBoxPlace);
  nameBox_->setEditable(true);
  nameBox_->setInsertPolicy(QComboBox::NoInsert);
  nameBox_->setCompleter(nullptr);
  nameBox_->setMaxVisibleItems(kMaxKnownPlayers);
  nameBox_->lineEdit()->setMaxLength(kNameWidth);
  nameBox_->lineEdit()->setValidator(new NameValidator(nameBox_));
  nameBox_->installEventFilter(this);
  nameBox_->lineEdit()->installEventFilter(this);
  connect(nameBox_->lineEdit(), &QLineEdit::textEdited, this, [this] { NameChanged(true); });
  connect(nameBox_, &QComboBox::activated, this, [this] { NameChanged(false); });
  divider("Shape7", {128, 116, 172, 1}, tabs_);
  person_ = new QRadioButton(tabs_);
  person_->setObjectName(QStringLiteral("LabelPagePlayer"));
  person_->setGeometry(128, 122, 172, 18);
  computer_ = new QRadioButton(tabs_);
  computer_->setObjectName(QStringLiteral("LabelPagePC"));
  computer_->setGeometry(128, 141, 172, 18);
  network_ = new QRadioButton(tabs_);
  network_->setObjectName(QStringLiteral("LabelPageNetwork"));
  network_->setGeometry(128, 160, 172, 18);
  network_->hide();  // there is no network play
  connect(person_, &QRadioButton::clicked, this, [this] { MakePersonClicked(); });
  connect(computer_, &QRadioButton::clicked, this, [this] { MakeComputerClicked(); });
  divider("Shape2", {12, 240, 311, 1});

  // the options
  caption("LabelDifficulty", 246);
  intellect_ = value("RxLabel2", 246);
  MakePictureButton("ButtonSelectDifficulty", {kButtonLeft, 244}, [this] {
    CycleIntellect(game_);
    ShowSummary(*intellect_, IntellectSummary(game_));
  });
  caption("LabelDictionary", 270);
  dictionary_ = value("RxLabel3", 270);
  optionButtons_.push_back(
      MakePictureButton("ButtonSelectDictionary", {kButtonLeft, 268}, [this] { OpenOptions(1); }));
  caption("LabelLimits", 294);
  limits_ = value("RxLabel4", 294, 30);
  limits_->setWordWrap(true);
  optionButtons_.push_back(
      MakePictureButton("ButtonSelectLimits", {kButtonLeft, 292}, [this] { OpenOptions(3); }));
  languageCaption_ = caption("LabelLanguage", 326);
  language_ = value("RxLabel7", 326);
  optionButtons_.push_back(
      MakePictureButton("ButtonSelectLanguage", {kButtonLeft, 324}, [this] { OpenOptions(8); }));
  divider("Shape9", {12, 350, 311, 1});

  ok_ = MakeLabel("ButtonOK", {252, 358, 33, 33});
  close_ = MakeLabel("ButtonClose", {290, 358, 33, 33});
  for (QLabel* button : {ok_, close_}) {
    button->setCursor(Qt::PointingHandCursor);
    button->installEventFilter(this);
  }
}

void TNewGameWindow::ApplyColours() {
  const SkinColors& colors = skin_.Colors();
  // a key the skin's table lacks keeps the design colour, or the game's default where it has one
  const auto pick = [&colors](QStringView key, int design) {
    return ColorFromWindows(colors.Color(key).value_or(design));
  };
  QPalette window = palette();
  window.setColor(QPalette::Window, pick(u"NewGameBackground", kDesignBackground));
  setPalette(window);
  setAutoFillBackground(true);

  const QFont captionFont = skin_.Font(FontRole::kPlayer, 9);
  QFont valueFont = captionFont;
  valueFont.setBold(true);
  for (QLabel* label : captionLabels_) {
    label->setFont(captionFont);
    PaintText(*label, pick(u"NewGameWindowLabel", kDesignYellow));
  }
  captionFont_ = captionFont;
  valueFont_ = valueFont;
  for (QLabel* label : valueLabels_) {
    label->setFont(valueFont);
    PaintText(*label, pick(u"NewGameWindowString", kDesignWhite));
  }
  QFont numberFont = skin_.Font(FontRole::kDigital, 16);
  numberFont.setBold(true);
  count_->setFont(numberFont);
  tabNumber_->setFont(numberFont);
  PaintText(*tabNumber_, pick(u"NewGamePlayerNumber", kDesignYellow));
  // a line is filled, a frame outlined
  const QColor divider = pick(u"NewGameDivider", kDesignAqua);
  for (TShape* shape : dividers_) {
    if (shape->height() <= 1 || shape->width() <= 1) {
      shape->SetBrush(divider);
    } else {
      shape->SetPen(divider);
    }
  }
  for (QRadioButton* kind : {person_, computer_, network_}) {
    kind->setFont(captionFont);
    PaintText(*kind, pick(u"NewGamePlayerMode", kDesignWhite));
  }
  QPalette box = nameBox_->palette();
  box.setColor(QPalette::Text, pick(u"NewGamePlayerName", 0));
  box.setColor(QPalette::Base, pick(u"NewGamePlayerNameBgr", kDesignWhite));
  nameBox_->setPalette(box);
  nameBox_->lineEdit()->setPalette(box);
  QFont boxFont = captionFont;
  boxFont.setBold(true);
  boxFont.setPointSize(10);
  nameBox_->setFont(boxFont);
  tabs_->setFont(captionFont);
  tabs_->SetColours(pick(u"NewGameTabColor", kDesignWhite), pick(u"NewGameTabBgr", kDesignTabFill),
                    pick(u"NewGameTabBgrSelected", kDesignTabSelected));
}

bool TNewGameWindow::Run(const QWidget& over) {
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  const QRect around = over.frameGeometry();
  move(around.left() + (around.width() - width()) / 2,
       around.top() + (around.height() - height()) / 2);
  ApplyColours();
  for (const auto& [button, movieName, movie] :
       {std::tuple{ok_, "ANIMATIO\\V_Button", &okMovie_},
        std::tuple{close_, "ANIMATIO\\X_Button", &closeMovie_}}) {
    button->clear();
    delete movie->data();
    if (auto made = skin_.Animation(QLatin1String(movieName))) {
      *movie = made.release();
      (*movie)->setParent(button);
      button->setMovie(*movie);
      (*movie)->start();
    }
  }
  for (QLabel* button : optionButtons_) button->setEnabled(static_cast<bool>(hooks_.openOptions));
  for (QLabel* button : pictureButtons_)
    button->setPixmap(skin_.Pixmap(QStringLiteral("edit_opt")));
  Activate(true);
  const int result = exec();
  shadow_.hide();
  ClearPicture();
  return result == Accepted;
}

void TNewGameWindow::done(int result) {
  if (okMovie_) okMovie_->stop();
  if (closeMovie_) closeMovie_->stop();
  QDialog::done(result);
}

void TNewGameWindow::Activate(bool playSound) {
  if (nameBox_->count() == 0) {
    for (const std::string& name : KnownPlayerNames(game_))
      nameBox_->addItem(FromGameText(name, game_.InterfaceCodePage()));
  }
  settingsOwner_ = game_.Players[1].Name;
  // the first tab is always a person's
  MakePerson(game_, 1);
  QStringList captions;
  for (int player = 1; player <= game_.PlayerCount(); ++player)
    captions << FromGameText(game_.Players[player].Name, game_.InterfaceCodePage()).toLower();
  tabs_->SetTabs(captions);
  SetBoxText(FromGameText(game_.Players[1].Name, game_.InterfaceCodePage()));
  computer_->hide();
  person_->setChecked(true);
  nameBox_->setEnabled(true);
  tabNumber_->setText(QString::number(tabs_->Current() + 1));
  count_->setText(QString::number(game_.Settings.LastPlayersNumber));
  ShowAvatar(1);
  ShowSummaries();
  languageCaption_->setText(game_.InterfaceText(u"TitleCaptionCurrentDictLanguage"));
  // a language's caption longer than its place is written smaller rather than cut off
  for (QLabel* caption : captionLabels_) FitText(*caption, captionFont_);
  if (playSound && game_.Data.Exists(u"MEDIA\\NewGame.mp3"))
    game_.PlaySound(QStringLiteral("NewGame"));
  if (!shadow_.isVisible()) shadow_.ShowBehind(*this);
  if (hooks_.startMenuChanged) hooks_.startMenuChanged();
}

void TNewGameWindow::ShowSummaries() {
  ShowSummary(*layout_, LayoutSummary(game_));
  ShowSummary(*intellect_, IntellectSummary(game_));
  ShowSummary(*dictionary_, DictionarySummary(game_));
  ShowSummary(*limits_, LimitsSummary(game_));
  ShowSummary(*language_, LanguageSummary(game_));
}

void TNewGameWindow::ShowSummary(QLabel& label, const QString& text) {
  label.setText(text);
  FitText(label, valueFont_);
}

void TNewGameWindow::ShowTab(int index) {
  tabs_->SetCurrent(index);
  const int player = index + 1;
  TPlayer& participant = game_.Players[player];
  computer_->setVisible(index > 0);
  const bool isComputer = participant.Kind == kComputer;
  (isComputer ? computer_ : person_)->setChecked(true);
  nameBox_->setEnabled(!isComputer);
  SetBoxText(FromGameText(participant.Name, game_.InterfaceCodePage()));
  tabNumber_->setText(QString::number(player));
  // a known player's record may have changed since (his avatar chosen on another tab)
  if (!isComputer) {
    if (const auto known = KnownPlayerPosition(game_, participant.Name))
      TakeKnownPlayer(game_, player, *known, chooser_.Avatars());
  }
  ShowAvatar(player);
}

void TNewGameWindow::NameChanged(bool typed) {
  const QString text = nameBox_->currentText();
  if (!typed) {
    const std::string name = FitField(ToGameText(text, game_.InterfaceCodePage()), kNameWidth);
    if (const auto known = KnownPlayerPosition(game_, name)) {
      ChooseKnownPlayer(*known);
      return;
    }
  }
  TakeTypedName(game_, Player(), text);
  ShowAvatar(Player());
  tabs_->SetCaption(tabs_->Current(), text.toLower());
}

bool TNewGameWindow::ChooseKnownPlayer(int position) {
  const int player = Player();
  const std::string name = game_.Settings.Members[static_cast<std::size_t>(position)].Name;
  if (player == 1 && !SamePlayer(game_, name, settingsOwner_)) {
    const bool read = SwitchFirstParticipant(game_, settingsOwner_, position, chooser_.Avatars());
    settingsOwner_ = game_.Players[1].Name;
    if (read) {
      if (hooks_.playerSettingsRead) hooks_.playerSettingsRead();
      // a message about his dictionary may have taken the shadow away
      shadow_.ShowBehind(*this);
      Activate(false);
      return true;
    }
  } else {
    TakeKnownPlayer(game_, player, position, chooser_.Avatars());
  }
  SetBoxText(FromGameText(game_.Players[player].Name, game_.InterfaceCodePage()));
  ShowAvatar(player);
  tabs_->SetCaption(tabs_->Current(), nameBox_->currentText().toLower());
  return false;
}

TNewGameWindow::Commit TNewGameWindow::CommitName() {
  const QString text = nameBox_->currentText();
  if (text.trimmed().isEmpty()) return Commit::Refused;
  const int player = Player();
  const CommittedName committed =
      quorim::CommitName(game_, player, text, shownAvatar_.toStdString(), chooser_.Avatars());
  const QString name = FromGameText(committed.name, game_.InterfaceCodePage());
  SetBoxText(name);
  tabs_->SetCaption(tabs_->Current(), name.toLower());
  if (committed.remembered) {
    nameBox_->addItem(name);
    if (hooks_.knownPlayersChanged) hooks_.knownPlayersChanged();
  }
  if (player == 1) {
    if (committed.knownPlayer && !committed.remembered &&
        !SamePlayer(game_, committed.name, settingsOwner_)) {
      if (ChooseKnownPlayer(*committed.knownPlayer)) return Commit::SetUpReplaced;
    } else {
      // the settings in memory go on as the new name's
      settingsOwner_ = game_.Players[1].Name;
    }
  }
  ShowAvatar(player);
  return Commit::Done;
}

void TNewGameWindow::ShowAvatar(int player) {
  if (!game_.IsPlayer(player)) return;
  TPlayer& participant = game_.Players[player];
  const Avatar* avatar = chooser_.Entry(QString::fromLatin1(participant.Avatar));
  if (avatar == nullptr) {
    // shown and stored as the first picture
    participant.Avatar = "Im0";
    avatar = chooser_.Entry(QStringLiteral("Im0"));
  }
  shownAvatar_ = avatar != nullptr ? avatar->name : QStringLiteral("Im0");
  ClearPicture();
  if (avatar == nullptr) return;
  if (avatar->animated) {
    auto* movie = new QMovie(avatar->path, {}, picture_);
    picture_->setMovie(movie);
    movie->start();
  } else {
    QPixmap pixmap(avatar->path);
    if (pixmap.width() > picture_->width() || pixmap.height() > picture_->height())
      pixmap = pixmap.scaled(picture_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture_->setPixmap(pixmap);
  }
}

void TNewGameWindow::ClearPicture() {
  QMovie* movie = picture_->movie();
  picture_->clear();
  delete movie;
}

void TNewGameWindow::SetBoxText(const QString& text) {
  const QSignalBlocker quiet(nameBox_);
  nameBox_->setCurrentIndex(nameBox_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  nameBox_->setEditText(text);
}

void TNewGameWindow::ChangeCount(int step) {
  if (step > 0) {
    if (!AddParticipant(game_)) return;
    tabs_->AddTab(game_.InterfaceText(u"DefaultNamePlayer").toLower());
  } else {
    const int current = tabs_->Current();
    if (!RemoveParticipant(game_)) return;
    tabs_->RemoveLastTab();
    // the participant of the tab that went is gone: the tab before it opens
    if (current >= tabs_->Count()) ShowTab(tabs_->Count() - 1);
  }
  count_->setText(QString::number(game_.Settings.LastPlayersNumber));
}

void TNewGameWindow::MakeComputerClicked() {
  const int player = Player();
  if (player < 2) return;
  MakeComputer(game_, player);
  nameBox_->setEnabled(false);
  SetBoxText(FromGameText(game_.Players[player].Name, game_.InterfaceCodePage()));
  tabs_->SetCaption(tabs_->Current(), nameBox_->currentText().toLower());
  ShowAvatar(player);
}

void TNewGameWindow::MakePersonClicked() {
  const int player = Player();
  if (!MakePerson(game_, player)) return;
  nameBox_->setEnabled(true);
  SetBoxText(FromGameText(game_.Players[player].Name, game_.InterfaceCodePage()));
  tabs_->SetCaption(tabs_->Current(), nameBox_->currentText().toLower());
  ShowAvatar(player);
}

void TNewGameWindow::ChooseAvatar() {
  const std::optional<QString> chosen = chooser_.Choose(pos() + kChooserOffset);
  if (!chosen) return;
  const std::string boxName =
      FitField(ToGameText(nameBox_->currentText(), game_.InterfaceCodePage()), kNameWidth);
  quorim::ChooseAvatar(game_, Player(), chosen->toStdString(), KnownPlayerPosition(game_, boxName));
  ShowAvatar(Player());
}

void TNewGameWindow::ConfirmOk() {
  // a known player's own settings that came in are shown before a game starts with them
  if (CommitName() == Commit::Done) accept();
}

void TNewGameWindow::OpenOptions(int page) {
  if (!hooks_.openOptions) return;
  hooks_.openOptions(page);
  ShowSummaries();
}

void TNewGameWindow::PressPictureButton(QLabel& button) {
  // pressed for a moment, without handling anything else meanwhile
  button.setPixmap(skin_.Pixmap(QStringLiteral("edit_op2")));
  button.repaint();
  QThread::msleep(kPressedMs);
  button.setPixmap(skin_.Pixmap(QStringLiteral("edit_opt")));
}

bool TNewGameWindow::ClickTab(int index) {
  if (index == tabs_->Current()) return true;
  return index >= 0 && index < tabs_->Count() && tabs_->tabClicked(index);
}

bool TNewGameWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      (watched == nameBox_ || watched == nameBox_->lineEdit())) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !nameBox_->view()->isVisible()) {
      ConfirmOk();
      return true;
    }
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* label = qobject_cast<QLabel*>(watched);
    if (label != nullptr && mouse->button() == Qt::LeftButton &&
        label->rect().contains(mouse->position().toPoint())) {
      if (label == ok_) {
        ConfirmOk();
        return true;
      }
      if (label == close_) {
        reject();
        return true;
      }
      if (label == picture_) {
        ChooseAvatar();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TNewGameWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      ConfirmOk();
      return;
    default:
      TSkinnedDialog::keyPressEvent(event);
  }
}

}  // namespace quorim
