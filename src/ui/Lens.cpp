#include "ui/Lens.h"

#include "flow/ScreenLayout.h"
#include "ui/Skin.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QWheelEvent>

namespace quorim {

namespace {

constexpr int kMagnification = 3;
constexpr int kKeptBorder = 30;  // the frame picture's corners and edges keep this much
constexpr int kFollowInterval = 10;

// The rows of the frame from the first to the last opaque pixel: the lens's shape, its clear
// middle included.
QRegion ShapeOf(const QImage& frame) {
  QRegion shape;
  for (int y = 0; y < frame.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
    int first = 0;
    while (first < frame.width() && qAlpha(row[first]) == 0) ++first;
    int last = frame.width() - 1;
    while (last > first && qAlpha(row[last]) == 0) --last;
    if (first <= last) shape += QRect(first, y, last - first + 1, 1);
  }
  return shape;
}

}  // namespace

TLens::TLens(const Skin& skin, std::function<void(int)> resized)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      skin_(skin),
      resized_(std::move(resized)) {
  setObjectName(QStringLiteral("Lens"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setCursor(Qt::BlankCursor);
  follow_.setInterval(kFollowInterval);
  connect(&follow_, &QTimer::timeout, this, &TLens::Follow);
}

void TLens::Open(int size, const QString& hint) {
  if (IsOpen()) return;
  QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  desktop_ = screen != nullptr ? screen->grabWindow(0) : QPixmap();
  desktopOrigin_ = screen != nullptr ? screen->geometry().topLeft() : QPoint();
  setToolTip(hint);
  SetSide(std::clamp(size, kMinLensSize, kMaxLensSize));
  opacity_ = 0;
  setWindowOpacity(0.0);
  Follow();
  show();
  raise();
  follow_.start();
}

void TLens::Shut() {
  follow_.stop();
  hide();
  desktop_ = QPixmap();
}

void TLens::Resize(int steps) {
  if (!IsOpen()) return;
  const int side = ResizedLens(width(), steps);
  if (side == width()) return;
  SetSide(side);
  Follow();
  resized_(side);
}

void TLens::SetSide(int side) {
  setFixedSize(side, side);
  BuildFrame(side);
}

void TLens::BuildFrame(int side) {
  const QImage& picture = skin_.Picture(QStringLiteral("lens"));
  frame_ = StretchedFrame(picture, QSize(side, side), kKeptBorder);
  if (picture.isNull()) {
    clearMask();
    return;
  }
  setMask(ShapeOf(frame_));
}

void TLens::Follow() {
  const QPoint cursor = QCursor::pos();
  move(cursor - QPoint(width() / 2, height() / 2));
  if (opacity_ <= 254) {
    opacity_ = std::min(255, opacity_ + LensFadeStep(width()));
    setWindowOpacity(opacity_ / 255.0);
  }
  update();
}

void TLens::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (!desktop_.isNull()) {
    const int seen = width() / kMagnification;
    const QPoint centre = QCursor::pos() - desktopOrigin_;
    const qreal ratio = desktop_.devicePixelRatio();
    const QRectF source((centre.x() - seen / 2) * ratio, (centre.y() - seen / 2) * ratio,
                        seen * ratio, seen * ratio);
    painter.drawPixmap(QRectF(rect()), desktop_, source);
  }
  painter.drawImage(0, 0, frame_);
}

void TLens::mousePressEvent(QMouseEvent*) {
  Shut();
}

void TLens::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches != 0) Resize(notches);
  event->accept();
}

void TLens::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace quorim
