#pragma once
// The game's own modal windows: borderless, above the main window, of a fixed size and painted with
// one picture of the skin.

#include <QDialog>
#include <QString>

class QKeyEvent;
class QPaintEvent;

namespace quorim {

class Skin;

class TSkinnedDialog : public QDialog {
 public:
  TSkinnedDialog(const Skin& skin, const QString& name, QSize size, QString background);

 protected:
  // What Esc does; closing the window as cancelled unless the window says otherwise.
  virtual void EscapePressed() { reject(); }

  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

  const Skin& skin_;

 private:
  QString background_;
};

}  // namespace quorim
