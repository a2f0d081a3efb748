#pragma once
// The bonus information window, and the activation rule that every floating window of the main
// window shares: clicking one must not make the main window look inactive.

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace quorim {

class Skin;

// Lets the floating window (a player panel, the control panel, the information panel, a floating
// message) take clicks while the main window keeps its title bar drawn active. Call it before the
// floating window is first shown.
void KeepTitleBarActive(QWidget& floatingWindow, QWidget& mainWindow);

class TBonusInfo : public QWidget {
 public:
  // Centred on the main window whenever it is shown.
  TBonusInfo(const Skin& skin, QWidget& mainWindow);

 protected:
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  const Skin& skin_;
  QWidget& mainWindow_;
  QImage background_;  // only while the window is shown
};

}  // namespace quorim
