#pragma once
// The save and load window: the three slots of participant 1's save number with the date and time
// of each stored game and its summary as the tooltip. A click chooses a slot; saving plays the
// slot's saving frames and the safe's animation before the window closes.

#include "ui/SkinnedDialog.h"

#include "flow/SavedGames.h"
#include "model/GameView.h"

#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class QEventLoop;
class QLabel;
class QMovie;

namespace quorim {

class Skin;
class TShadowWindow;

class TSaveGameWindow : public TSkinnedDialog {
 public:
  // saveSound: the sound of a game saved into a slot.
  TSaveGameWindow(const Skin& skin, TShadowWindow& shadow, std::function<void()> saveSound);

  // Modal, centred on the main window, with its shadow: the slot chosen, nothing when cancelled.
  // In save mode the chosen slot is saved into through saveInto before the animations.
  std::optional<int> Ask(SaveWindowMode mode, const QString& title,
                         const std::array<TSaveSlot, kSaveSlots>& saveSlots,
                         const QWidget& mainWindow, const std::function<void(int)>& saveInto);
  // Closes an open window as cancelled.
  void Cancel();

  // Slot k = 1..3: its label and its picture.
  QLabel* SlotLabel(int k) const { return labels_[static_cast<std::size_t>(k - 1)]; }
  QLabel* SlotPicture(int k) const { return pictures_[static_cast<std::size_t>(k - 1)]; }
  QLabel* Safe() const { return safe_; }
  // The slot the pointer was last over; 0 for the window's background.
  int Hovered() const { return hovered_; }

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void EscapePressed() override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void ApplySkin();
  void MakeAnimations();
  void FreeAnimations();
  void Hover(int slot);
  void Choose(int slot);
  void PlaySaving(int slot);
  // Waits while the screen stays alive; Cancel ends it early.
  void Wait(int milliseconds);
  int SlotOf(const QObject* control) const;

  TShadowWindow& shadow_;
  std::function<void()> saveSound_;
  QLabel* title_ = nullptr;
  QLabel* titleShadow_ = nullptr;
  std::array<QLabel*, kSaveSlots> labels_{};
  std::array<QLabel*, kSaveSlots> pictures_{};
  std::array<QPointer<QMovie>, kSaveSlots> slotMovies_{};
  QLabel* safe_ = nullptr;
  QPointer<QMovie> safeMovie_;
  QLabel* cancel_ = nullptr;
  QPointer<QMovie> cancelMovie_;

  SaveWindowMode mode_ = SaveWindowMode::Save;
  std::function<void(int)> saveInto_;
  std::optional<int> chosen_;
  int hovered_ = 0;
  bool open_ = false;
  bool saving_ = false;
  bool cancelled_ = false;
  QEventLoop* wait_ = nullptr;
};

}  // namespace quorim
