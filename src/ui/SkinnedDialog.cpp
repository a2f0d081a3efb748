#include "ui/SkinnedDialog.h"

#include "ui/Skin.h"

#include <QKeyEvent>
#include <QPainter>

namespace quorim {

TSkinnedDialog::TSkinnedDialog(const Skin& skin, const QString& name, QSize size,
                               QString background)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      skin_(skin),
      background_(std::move(background)) {
  setObjectName(name);
  setFixedSize(size);
  setWindowModality(Qt::ApplicationModal);
}

void TSkinnedDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    EscapePressed();
    return;
  }
  // Not QDialog's: Enter has no default button to press in these windows.
  QWidget::keyPressEvent(event);
}

void TSkinnedDialog::paintEvent(QPaintEvent*) {
  if (background_.isEmpty()) return;
  const QImage& background = skin_.Picture(background_);
  if (background.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, background);
}

}  // namespace quorim
