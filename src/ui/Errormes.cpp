#include "ui/Errormes.h"

#include "media/Colors.h"
#include "ui/ScreenGeometry.h"
#include "ui/Skin.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QScreen>

namespace quorim {

namespace {

constexpr QSize kWindowSize(317, 128);
constexpr QRect kYesPlace(238, 85, 33, 33);
constexpr QRect kNoPlace(275, 85, 33, 33);
constexpr QRect kLabelPlace(10, 18, 300, 88);
constexpr double kShadowOpacity = 100.0 / 255.0;

QLabel* MakeButton(QWidget& window, const char* name, QRect place) {
  auto* button = new QLabel(&window);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(place);
  button->setCursor(Qt::PointingHandCursor);
  button->installEventFilter(&window);
  return button;
}

QColor LabelColor(const Skin& skin, QStringView key) {
  return ColorFromWindows(skin.Colors().Color(key).value_or(colors::White));
}

}  // namespace

TShadowWindow::TShadowWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("ShadowWindow"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  setWindowOpacity(kShadowOpacity);
}

void TShadowWindow::PlaceBehind(const QWidget& window, QPoint offset) {
  setGeometry(window.geometry().translated(offset));
}

void TShadowWindow::ShowBehind(const QWidget& window, QPoint offset) {
  PlaceBehind(window, offset);
  show();
}

TErrorWindow::TErrorWindow(const Skin& skin, TShadowWindow& shadow, QWidget& mainWindow)
    // No transient of the main window: a question must show while the main window is minimised.
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      skin_(skin),
      shadow_(shadow),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("ErrorWindow"));
  setFixedSize(kWindowSize);
  setWindowModality(Qt::ApplicationModal);
  yes_ = MakeButton(*this, "ButtonYes", kYesPlace);
  no_ = MakeButton(*this, "ButtonNo", kNoPlace);
}

void TErrorWindow::ShowMessage(const QString& text, ScreenPoint at, bool programMinimized) {
  Run(programMinimized ? kMinimizedMessage : kMessage, text, at, !programMinimized);
}

bool TErrorWindow::AskQuestion(const QString& text, ScreenPoint at) {
  return Run(kQuestion, text, at, true);
}

bool TErrorWindow::Run(int mode, const QString& text, ScreenPoint at, bool showShadow) {
  // The game may still show the hourglass; the window needs the buttons' hand cursor.
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  PlaceWindow(at);

  // A fresh label each time, so no earlier text can show through.
  delete label_;
  label_ = new QLabel(text, this);
  label_->setObjectName(QStringLiteral("MessageLabel"));
  label_->setGeometry(kLabelPlace);
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignCenter);
  QFont font = skin_.Font(FontRole::kMessage, 11);
  font.setBold(true);
  label_->setFont(font);
  QPalette colors = label_->palette();
  colors.setColor(QPalette::WindowText,
                  LabelColor(skin_, mode == kQuestion ? u"InGameQuestion" : u"InGameMessage"));
  label_->setPalette(colors);
  label_->lower();

  mode_ = mode;
  yes_->setVisible(mode == kQuestion);
  shadow_.PlaceBehind(*this);
  if (showShadow) shadow_.show();

  QEventLoop loop;
  loop_ = &loop;
  answer_ = false;
  // Shown while the program is minimised, the window would stand alone on the desktop until the
  // window manager activated it, which it may never do. So it hides at once and waits unseen.
  if (mode == kMinimizedMessage) {
    mode_ = kHiddenMessage;
  } else {
    show();
  }
  loop.exec(QEventLoop::DialogExec);
  loop_ = nullptr;

  shadow_.hide();
  delete label_;
  label_ = nullptr;
  return answer_;
}

void TErrorWindow::PlaceWindow(ScreenPoint at) {
  if (at.left != 0 || at.top != 0) {
    move(ToQPoint(at));
    return;
  }
  // Start-up failures can come before the main window is on the screen.
  QRect around = mainWindow_.frameGeometry();
  if (!mainWindow_.isVisible()) {
    const QScreen* screen =
        mainWindow_.screen() ? mainWindow_.screen() : QGuiApplication::primaryScreen();
    if (screen) around = screen->availableGeometry();
  }
  move(around.left() + (around.width() - width()) / 2,
       around.top() + (around.height() - height()) / 2);
}

void TErrorWindow::ProgramRestored() {
  if (mode_ == kHiddenMessage) Answer(false);
}

void TErrorWindow::Answer(bool yes) {
  if (loop_) done(yes ? Accepted : Rejected);
}

void TErrorWindow::done(int result) {
  answer_ = result == Accepted;
  QDialog::done(result);
  if (loop_) loop_->quit();
}

bool TErrorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == yes_) {
      Answer(true);
      return true;
    }
    if (watched == no_) {
      Answer(false);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TErrorWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      Answer(false);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A message is closed on purpose only, never by a key pressed for the game.
      if (mode_ == kQuestion) Answer(true);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TErrorWindow::paintEvent(QPaintEvent*) {
  const QImage& background =
      skin_.Picture(mode_ == kQuestion ? QStringLiteral("QuestWin") : QStringLiteral("ErrorWin"));
  if (background.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, background);
}

void TErrorWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (mode_ == kQuestion) {
    SetButtonAnimation(*yes_, yesMovie_, QStringLiteral("V_Button"));
    SetButtonAnimation(*no_, noMovie_, QStringLiteral("X_Button"));
  } else {
    SetButtonAnimation(*yes_, yesMovie_, QString());
    SetButtonAnimation(*no_, noMovie_, QStringLiteral("E_Button"));
  }
}

void TErrorWindow::SetButtonAnimation(QLabel& button, QPointer<QMovie>& movie,
                                      const QString& name) {
  button.clear();
  delete movie;
  if (name.isEmpty()) return;
  movie = skin_.Animation(name).release();
  if (!movie) return;
  movie->setParent(&button);
  button.setMovie(movie);
  movie->start();
}

}  // namespace quorim
