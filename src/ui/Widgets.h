#pragma once
// Small widgets of the skinned windows: a picture or caption that acts on a click, and a filled
// or outlined shape.

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <optional>

namespace quorim {

class TClickLabel : public QLabel {
 public:
  explicit TClickLabel(QWidget* parent, const QString& name) : QLabel(parent) {
    setObjectName(name);
  }
  void OnClick(std::function<void()> action) { action_ = std::move(action); }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && action_ &&
        rect().contains(event->position().toPoint()))
      action_();
    QLabel::mouseReleaseEvent(event);
  }

 private:
  std::function<void()> action_;
};

// A rectangle, square-cornered or rounded, with an optional fill and outline; the engine sets its
// fill as the control's colour.
class TShape : public QWidget {
 public:
  TShape(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  void SetBrush(std::optional<QColor> brush) {
    brush_ = brush;
    update();
  }
  void SetPen(std::optional<QColor> pen, int width = 1) {
    pen_ = pen;
    penWidth_ = width;
    update();
  }
  void SetRounded(bool rounded) {
    rounded_ = rounded;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (brush_) painter.fillRect(rect(), *brush_);
    if (pen_) {
      painter.setPen(QPen(*pen_, penWidth_));
      if (rounded_) {
        // Smoothed corners of an eighth of the shorter side; the pen's middle line runs half a
        // pen inside, so the outline fills whole pixels along the edges.
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal half = penWidth_ / 2.0;
        const QRectF outline = QRectF(rect()).adjusted(half, half, -half, -half);
        const qreal radius = std::min(outline.width(), outline.height()) / 8.0;
        painter.drawRoundedRect(outline, radius, radius);
      } else {
        const int inset = penWidth_ / 2;
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
      }
    }
  }

 private:
  std::optional<QColor> brush_;
  std::optional<QColor> pen_;
  int penWidth_ = 1;
  bool rounded_ = false;
};

}  // namespace quorim
