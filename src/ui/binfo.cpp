#include "ui/binfo.h"

#include "ui/Skin.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

namespace quorim {

namespace {

constexpr QSize kBonusInfoSize(205, 339);

// A window manager decides which window looks active: the one with the input focus. Floating
// windows therefore refuse the focus (their keys are the main window's anyway), and should a
// manager activate one all the same, the main window takes the activation back once the click
// that caused it has been delivered.
class TitleBarKeeper : public QObject {
 public:
  TitleBarKeeper(QWidget& floatingWindow, QWidget& mainWindow)
      : QObject(&floatingWindow), mainWindow_(&mainWindow) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) {
      QTimer::singleShot(0, mainWindow_, [main = mainWindow_] {
        if (main && main->isVisible()) main->activateWindow();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<QWidget> mainWindow_;
};

}  // namespace

void KeepTitleBarActive(QWidget& floatingWindow, QWidget& mainWindow) {
  floatingWindow.setAttribute(Qt::WA_ShowWithoutActivating);
  floatingWindow.setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  floatingWindow.installEventFilter(new TitleBarKeeper(floatingWindow, mainWindow));
}

TBonusInfo::TBonusInfo(const Skin& skin, QWidget& mainWindow)
    : QWidget(&mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                               Qt::WindowStaysOnTopHint),
      skin_(skin),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("BonusInfo"));
  setFixedSize(kBonusInfoSize);
  KeepTitleBarActive(*this, mainWindow);
}

void TBonusInfo::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  background_ = skin_.Picture(QStringLiteral("bonuswin"));
  const QRect main = mainWindow_.frameGeometry();
  const QRect frame = frameGeometry();
  move(main.left() + (main.width() - frame.width()) / 2,
       main.top() + (main.height() - frame.height()) / 2);
}

void TBonusInfo::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  background_ = QImage();
}

void TBonusInfo::paintEvent(QPaintEvent*) {
  if (background_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, background_);
}

}  // namespace quorim
