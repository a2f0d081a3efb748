#pragma once
// The rising score texts: small click-through windows over the board that climb, fade and close
// by themselves, at most ten at a time.

#include "model/GameView.h"

#include <QTimer>

#include <array>
#include <memory>
#include <vector>

class QWidget;

namespace quorim {

class Skin;
class TFloatingWindow;

class TFloatingMessages {
 public:
  static constexpr int kMaxWindows = 10;
  static constexpr int kTickInterval = 20;  // ms
  static constexpr int kFadeAge = 140;      // ticks; from here on the window fades
  static constexpr int kCloseAge = 200;     // ticks

  TFloatingMessages(const Skin& skin, QWidget& mainWindow);
  ~TFloatingMessages();
  TFloatingMessages(const TFloatingMessages&) = delete;
  TFloatingMessages& operator=(const TFloatingMessages&) = delete;

  // Opens a window with the text, centred on the main window when text.at is 0, 0, else with its
  // top-left corner there on the screen. Nothing when ten are open already.
  void Show(const FloatingText& text);
  int Count() const;
  // The end of a game and the program's exit take every window away at once.
  void CloseAll();

  // One beat of the message timer; the timer calls it every 20 ms while a window is open.
  void Tick();
  bool TimerRunning() const { return timer_.isActive(); }
  // The open windows, in the order of their places.
  std::vector<QWidget*> Windows() const;

 private:
  void KeepFocusOnMainWindow();

  const Skin& skin_;
  QWidget& mainWindow_;
  std::array<std::unique_ptr<TFloatingWindow>, kMaxWindows> places_;
  QTimer timer_;
};

}  // namespace quorim
