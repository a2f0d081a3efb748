#pragma once
// The game-over window: the winner's picture, name and score, or the no-winner text with the
// scores; a ribbon that unrolls once and then waves, and the game-over sound while it is open.

#include "ui/SkinnedDialog.h"

#include "model/GameView.h"

#include <functional>

class QLabel;
class QMovie;

namespace quorim {

struct Avatar;
class Skin;
class TShadowWindow;

class TSplashWindow : public TSkinnedDialog {
 public:
  // sound(true) starts the game-over sound, sound(false) stops it.
  TSplashWindow(const Skin& skin, TShadowWindow& shadow, std::function<void(bool)> sound);

  // Modal, centred on the main window, with its shadow. winnerAvatar: the winner's avatar, when
  // there is a winner and a picture for him.
  void ShowResult(const GameOverText& result, const Avatar* winnerAvatar,
                  const QWidget& mainWindow);

  QLabel* WinnerPicture() const { return picture_; }
  QLabel* Ribbon() const { return ribbon_; }

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void EscapePressed() override;
  void showEvent(QShowEvent* event) override;

 private:
  void ApplySkin();
  void ShowWinnerPicture(const Avatar* avatar);
  // The ribbon unrolls once, then waves.
  void StartRibbon();
  void SetMovie(QLabel& label, QMovie* movie);

  TShadowWindow& shadow_;
  std::function<void(bool)> sound_;
  QLabel* picture_ = nullptr;
  QLabel* ribbon_ = nullptr;
  QLabel* labelWinner_ = nullptr;
  QLabel* winnerName_ = nullptr;
  QLabel* winnerNameShadow_ = nullptr;
  QLabel* noWinner_ = nullptr;
  QLabel* noWinnerShadow_ = nullptr;
  QLabel* ok_ = nullptr;
  bool hasWinner_ = false;
};

}  // namespace quorim
