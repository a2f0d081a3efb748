#pragma once
// A picture or caption that acts on a left click, as the skinned windows' buttons do.

#include <QLabel>
#include <QMouseEvent>

#include <functional>

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

}  // namespace quorim
