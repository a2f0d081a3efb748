#pragma once
// The magnifying lens: a square window that follows the cursor and shows the desktop under it
// three times larger, in the skin's frame.

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace quorim {

class Skin;

class TLens : public QWidget {
 public:
  // resized reports each new side so that it is kept for the next start.
  TLens(const Skin& skin, std::function<void(int)> resized);

  // Takes the desktop's picture and opens centred on the cursor, fading in.
  void Open(int size, const QString& hint);
  // Closes and gives the cursor back; nothing when not open.
  void Shut();
  bool IsOpen() const { return isVisible(); }
  // Grows (positive) or shrinks the open lens by 20 px a step, keeping its centre.
  void Resize(int steps);
  int Side() const { return width(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  // Only the lens's own commands close it.
  void closeEvent(QCloseEvent* event) override;

 private:
  void Follow();
  void SetSide(int side);
  // The skin's frame at this side: corners kept, edges stretched, and the window's shape from it.
  void BuildFrame(int side);

  const Skin& skin_;
  std::function<void(int)> resized_;
  QPixmap desktop_;
  QPoint desktopOrigin_;
  QImage frame_;
  QTimer follow_;
  int opacity_ = 0;
};

}  // namespace quorim
