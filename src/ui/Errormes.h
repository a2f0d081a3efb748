#pragma once
// The message window through which the game shows a message or asks a yes/no question, and the
// translucent shadow window that lies behind it and the other modal windows.

#include "model/GameView.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

class QEventLoop;
class QLabel;
class QMovie;

namespace quorim {

class Skin;

// Black, 100 of 255 opaque, 7 px right of and below the window it shadows. It never takes a click
// or the focus.
class TShadowWindow : public QWidget {
 public:
  TShadowWindow();
  // Takes the window's size and stands offset px right of and below it, then shows itself.
  void ShowBehind(const QWidget& window, QPoint offset = QPoint(7, 7));
  // The same without showing itself.
  void PlaceBehind(const QWidget& window, QPoint offset = QPoint(7, 7));
};

class TErrorWindow : public QDialog {
 public:
  // The window's modes: a message, a question, and a message that arrived while the program was
  // minimised, before and after it hid itself.
  enum Mode { kMessage = 1, kQuestion = 2, kMinimizedMessage = 666, kHiddenMessage = 667 };

  // mainWindow: centred on it when no place is given.
  TErrorWindow(const Skin& skin, TShadowWindow& shadow, QWidget& mainWindow);

  // Modal; returns when the window is closed. While the program is minimised the message is not
  // shown and counts as closed when the program is restored.
  void ShowMessage(const QString& text, ScreenPoint at, bool programMinimized);
  // Modal; true only for Yes.
  bool AskQuestion(const QString& text, ScreenPoint at);

  int Mode() const { return mode_; }
  // The label of the message being shown; none between messages.
  QLabel* MessageLabel() const { return label_; }
  // A message or question is waiting for its answer, shown or hidden.
  bool Waiting() const { return loop_ != nullptr; }
  // The program was restored: a hidden message closes now.
  void ProgramRestored();
  // Closes the open message or question with that answer; nothing when none is open.
  void Answer(bool yes);

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool Run(int mode, const QString& text, ScreenPoint at, bool showShadow);
  void PlaceWindow(ScreenPoint at);
  void SetButtonAnimation(QLabel& button, QPointer<QMovie>& movie, const QString& name);

  const Skin& skin_;
  TShadowWindow& shadow_;
  QWidget& mainWindow_;
  QLabel* yes_ = nullptr;
  QLabel* no_ = nullptr;
  QPointer<QMovie> yesMovie_;
  QPointer<QMovie> noMovie_;
  QLabel* label_ = nullptr;
  int mode_ = kMessage;
  QEventLoop* loop_ = nullptr;
  bool answer_ = false;
};

}  // namespace quorim
