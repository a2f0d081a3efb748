#pragma once
// The splash screen of start-up: the logo shaped by its magenta, a progress bar and a status text.
// The user cannot close it; start-up hides it when it is done.

#include "media/DataDir.h"

#include <QWidget>

class QLabel;

namespace quorim {

class TSplashScreen : public QWidget {
 public:
  // Centred on the screen and shown at once, with the bar empty and the caption "Загрузка".
  explicit TSplashScreen(const DataDir& data, QWidget* parent = nullptr);

  // The bar grows 3 px, up to 135 px however many steps start-up makes, and is painted at once.
  void ProgressStep();
  int ProgressWidth() const;
  // The loading caption ("LoadStatusFonts"'s text …), painted at once.
  void SetStatusText(const QString& text);
  QString StatusText() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* bar_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace quorim
