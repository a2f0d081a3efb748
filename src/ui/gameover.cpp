#include "ui/gameover.h"

#include "media/Avatars.h"
#include "ui/Errormes.h"
#include "ui/Skin.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

namespace quorim {

namespace {

constexpr QSize kWindowSize(400, 260);
constexpr QRect kPicturePlace(20, 86, 119, 122);
constexpr QRect kRibbonPlace(80, 18, 240, 50);
constexpr QRect kLabelWinnerPlace(150, 90, 236, 28);
constexpr QRect kWinnerNamePlace(150, 118, 236, 84);
constexpr QRect kNoWinnerPlace(150, 90, 236, 112);
constexpr QPoint kShadowOffset(2, 2);
constexpr QRect kOkPlace(350, 214, 33, 33);
constexpr int kNamePixels = 24;
constexpr int kLabelPixels = 17;

constexpr QColor kTextColor(255, 255, 255);
constexpr QColor kNameColor(255, 255, 0);

QLabel* MakeLabel(QWidget& window, const char* name, QRect place) {
  auto* label = new QLabel(&window);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(place);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

TSplashWindow::TSplashWindow(const Skin& skin, TShadowWindow& shadow,
                             std::function<void(bool)> sound)
    : TSkinnedDialog(skin, QStringLiteral("SplashWindow"), kWindowSize, QStringLiteral("gameover")),
      shadow_(shadow),
      sound_(std::move(sound)) {
  picture_ = MakeLabel(*this, "WinnerImage", kPicturePlace);
  ribbon_ = MakeLabel(*this, "GameOverRibbon", kRibbonPlace);
  labelWinner_ = MakeLabel(*this, "LabelWinner", kLabelWinnerPlace);
  // the shadows lie under their labels
  winnerNameShadow_ =
      MakeLabel(*this, "WinnerNameShadow", kWinnerNamePlace.translated(kShadowOffset));
  winnerName_ = MakeLabel(*this, "WinnerName", kWinnerNamePlace);
  noWinnerShadow_ = MakeLabel(*this, "NoWinnerShadow", kNoWinnerPlace.translated(kShadowOffset));
  noWinner_ = MakeLabel(*this, "NoWinner", kNoWinnerPlace);

  ok_ = new QLabel(this);
  ok_->setObjectName(QStringLiteral("ButtonOK"));
  ok_->setGeometry(kOkPlace);
  ok_->setCursor(Qt::PointingHandCursor);
  ok_->installEventFilter(this);
}

void TSplashWindow::ShowResult(const GameOverText& result, const Avatar* winnerAvatar,
                               const QWidget& mainWindow) {
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  ApplySkin();
  hasWinner_ = result.winner > 0;
  QLabel* text = hasWinner_ ? winnerName_ : noWinner_;
  QLabel* textShadow = hasWinner_ ? winnerNameShadow_ : noWinnerShadow_;
  text->setText(result.text);
  textShadow->setText(result.text);
  for (QLabel* label : {winnerName_, winnerNameShadow_, labelWinner_})
    label->setVisible(hasWinner_);
  for (QLabel* label : {noWinner_, noWinnerShadow_}) label->setVisible(!hasWinner_);
  ShowWinnerPicture(hasWinner_ ? winnerAvatar : nullptr);

  const QRect around = mainWindow.frameGeometry();
  move(around.left() + (around.width() - width()) / 2,
       around.top() + (around.height() - height()) / 2);
  shadow_.ShowBehind(*this);
  exec();
  shadow_.hide();
}

void TSplashWindow::ApplySkin() {
  QFont name = skin_.Font(FontRole::kPlayer, 18);
  name.setPixelSize(kNamePixels);
  for (QLabel* label : {winnerName_, winnerNameShadow_, noWinner_, noWinnerShadow_})
    label->setFont(name);
  QFont message = skin_.Font(FontRole::kMessage, 12);
  message.setPixelSize(kLabelPixels);
  message.setBold(true);
  labelWinner_->setFont(message);
  skin_.ColourText(*labelWinner_, QStringLiteral("GameOverWindowText"), kTextColor);
  skin_.ColourText(*winnerName_, QStringLiteral("GameOverWinnerName"), kNameColor);
  skin_.ColourText(*noWinner_, QStringLiteral("GameOverWinnerName"), kNameColor);
  for (QLabel* shadow : {winnerNameShadow_, noWinnerShadow_}) {
    QPalette black = shadow->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    shadow->setPalette(black);
  }
  if (ok_->movie() == nullptr) {
    if (auto movie = skin_.Animation(QStringLiteral("ANIMATIO\\G_Button")))
      SetMovie(*ok_, movie.release());
  }
}

void TSplashWindow::ShowWinnerPicture(const Avatar* avatar) {
  SetMovie(*picture_, nullptr);
  picture_->clear();
  picture_->setVisible(avatar != nullptr);
  if (avatar == nullptr) return;
  // the winner's own animation of the skin, else the avatar as the panel shows it
  std::unique_ptr<QMovie> movie = skin_.Animation(WinnerAnimation(*avatar));
  if (!movie && avatar->animated) {
    movie = std::make_unique<QMovie>(avatar->path);
    if (!movie->isValid()) movie.reset();
  }
  if (movie) {
    SetMovie(*picture_, movie.release());
    return;
  }
  const QPixmap still(avatar->path);
  picture_->setPixmap(
      still.width() > kPicturePlace.width() || still.height() > kPicturePlace.height()
          ? still.scaled(kPicturePlace.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
          : still);
}

void TSplashWindow::SetMovie(QLabel& label, QMovie* movie) {
  if (QMovie* old = label.movie()) {
    label.setMovie(nullptr);
    old->deleteLater();
  }
  if (movie == nullptr) return;
  movie->setParent(&label);
  label.setMovie(movie);
  movie->start();
}

void TSplashWindow::StartRibbon() {
  const auto wave = [this] {
    SetMovie(*ribbon_, skin_.Animation(QStringLiteral("Animatio\\gowave")).release());
  };
  std::unique_ptr<QMovie> blur = skin_.Animation(QStringLiteral("Animatio\\goblur"));
  if (!blur) {
    wave();
    return;
  }
  connect(blur.get(), &QMovie::finished, this, wave);
  SetMovie(*ribbon_, blur.release());
}

void TSplashWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // above its shadow, which may hold the younger native window
  raise();
  StartRibbon();
  if (sound_) sound_(true);
}

void TSplashWindow::done(int result) {
  if (sound_) sound_(false);
  SetMovie(*ribbon_, nullptr);
  QDialog::done(result);
}

bool TSplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ok_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      ok_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TSplashWindow::EscapePressed() {
  accept();
}

}  // namespace quorim
