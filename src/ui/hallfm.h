#pragma once
// The hall of fame window: the leader with his picture, the entries after him, the blinking bar
// over a result that has just come in, and flashing stars around the leader.

#include "ui/SkinnedDialog.h"

#include "model/HallOfFame.h"

#include <QTimer>

#include <functional>
#include <vector>

class QLabel;
class QMovie;

namespace quorim {

struct Avatar;
class Skin;
class TShadowWindow;
class TShape;

class THallFame : public TSkinnedDialog {
 public:
  static constexpr int kStars = 24;

  // sound(true) starts the sound of the hall, sound(false) stops it.
  THallFame(const Skin& skin, TShadowWindow& shadow, std::function<void(bool)> sound);

  // Modal, centred on the main window, with its shadow. highlighted: the entry that has just come
  // in (2..7 get the blinking bar), 0 for none. Names are 8-bit text of codePage; leaderAvatar: the
  // leader's picture, when there is one.
  void ShowTable(const HallOfFame& hall, int highlighted, int codePage, const Avatar* leaderAvatar,
                 const QWidget& mainWindow);

  QLabel* Text(const char* name) const;
  TShape* SelectBar() const { return selectBar_; }
  QLabel* Star(int i) const { return stars_[static_cast<std::size_t>(i - 1)]; }
  // The frame of the star flash each star shows now.
  int StarFrame(int i) const;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void EscapePressed() override { accept(); }
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ApplySkin();
  void ShowLeader(const THallEntry& leader, int codePage, const Avatar* avatar);
  void FlashStars();

  TShadowWindow& shadow_;
  std::function<void(bool)> sound_;
  QLabel* leaderImage_ = nullptr;
  QLabel* leaderName_ = nullptr;
  QLabel* noWinner_ = nullptr;
  QLabel* numbers_ = nullptr;
  QLabel* names_ = nullptr;
  QLabel* points_ = nullptr;
  TShape* selectBar_ = nullptr;
  QLabel* ok_ = nullptr;
  std::vector<QLabel*> stars_;
  std::vector<QPixmap> starFrames_;
  int starTick_ = 0;
  QTimer blink_;
  QTimer flash_;
};

}  // namespace quorim
