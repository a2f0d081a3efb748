#include "ui/Splash.h"

#include "media/InterfaceStrings.h"
#include "media/SkinPictures.h"
#include "media/WindowShape.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace quorim {

namespace {

constexpr QSize kSplashSize(300, 296);
constexpr QRect kBevel(72, 112, 137, 16);
constexpr QRect kTrack(74, 114, 134, 13);
constexpr QRect kStatus(76, 113, 130, 13);
constexpr int kStep = 3;
// The bar stops growing here; the last step leaves it one step further, at 135 px.
constexpr int kLastGrowth = 134;

QWidget* MakeShape(QWidget& parent, const char* name, QRect place, QColor color) {
  auto* shape = new QWidget(&parent);
  shape->setObjectName(QLatin1String(name));
  shape->setGeometry(place);
  QPalette fill = shape->palette();
  fill.setColor(QPalette::Window, color);
  shape->setPalette(fill);
  shape->setAutoFillBackground(true);
  return shape;
}

}  // namespace

TSplashScreen::TSplashScreen(const DataDir& data, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("SplashScreen"));
  setFixedSize(kSplashSize);

  QImage logo;
  SkinPictures(data, QString()).LoadClassicPicture(logo, u"Q-Logo.bmp");
  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setGeometry(rect());
  image->setPixmap(QPixmap::fromImage(logo));
  // Without its picture the splash keeps its square; an empty mask would hide it altogether.
  const QRegion shape = WindowShapeFromBitmap(logo);
  if (!shape.isEmpty()) setMask(shape);

  auto* bevel = new QFrame(this);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setGeometry(kBevel);
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  MakeShape(*this, "Shape2", kTrack, QColor(0, 0, 128));
  bar_ = MakeShape(*this, "Shape1", QRect(kTrack.topLeft(), QSize(0, kTrack.height())),
                   QColor(0, 0, 255));

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("LoadProgressLabel"));
  status_->setGeometry(kStatus);
  status_->setAlignment(Qt::AlignCenter);
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
  font.setPointSize(8);
  status_->setFont(font);
  QPalette white = status_->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  status_->setPalette(white);
  // The language is not loaded yet: the caption is the program's own.
  status_->setText(InterfaceStrings().FixedText(FixedTextKey::SplashLoading));

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
  show();
}

void TSplashScreen::ProgressStep() {
  if (bar_->width() >= kLastGrowth) return;
  bar_->resize(bar_->width() + kStep, bar_->height());
  bar_->repaint();
}

int TSplashScreen::ProgressWidth() const {
  return bar_->width();
}

void TSplashScreen::SetStatusText(const QString& text) {
  status_->setText(text);
  status_->repaint();
}

QString TSplashScreen::StatusText() const {
  return status_->text();
}

void TSplashScreen::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace quorim
