#pragma once
// The star window: where a person chooses the letter a star stands for. It shows the letters of the
// alphabet with their values; a click chooses, the close button or Esc cancels.

#include "ui/SkinnedDialog.h"

#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <array>
#include <optional>
#include <string>

class QLabel;
class QMovie;

namespace quorim {

struct Alphabet;
class Skin;
class TShadowWindow;

class TStarWindow : public TSkinnedDialog {
 public:
  // Letters beyond this many are not offered.
  static constexpr int kPlaces = 32;

  TStarWindow(const Skin& skin, TShadowWindow& shadow);

  // Shows the letters of the alphabet, in the dictionary language's code page; at every game start.
  void LayOut(const Alphabet& alphabet, int codePage);

  // Modal at that screen place, with its shadow; the chosen letter's code, nothing when cancelled.
  std::optional<char> Ask(QPoint screenAt);
  // Closes an open window without a letter.
  void Cancel();

  // The letters chosen since the last clear, in order.
  const std::string& ChosenLetters() const { return chosen_; }
  void ClearChosenLetters() { chosen_.clear(); }

  // Label i (1-based) and its value label; nullptr for a value label not made yet.
  QLabel* LetterLabel(int i) const { return letters_[static_cast<std::size_t>(i - 1)]; }
  QLabel* ValueLabel(int i) const { return values_[static_cast<std::size_t>(i - 1)]; }
  // The label under the mouse, shown in the hover colour; nullptr when none.
  QLabel* Highlighted() const { return highlighted_; }

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void EscapePressed() override;
  void showEvent(QShowEvent* event) override;

 private:
  void Highlight(QLabel* label);
  void Choose(int index);
  void ShrinkStep();
  void Paint(QLabel& label, const QString& colorKey, int fallback) const;

  TShadowWindow& shadow_;
  std::array<QLabel*, kPlaces> letters_{};
  std::array<QLabel*, kPlaces> values_{};
  std::array<char, kPlaces> codes_{};
  QLabel* close_ = nullptr;
  QPointer<QMovie> closeMovie_;
  QLabel* highlighted_ = nullptr;
  int letterSize_ = 18;
  // The choice being animated: its place and the size its letter has shrunk to.
  int choosing_ = -1;
  int shrinkSize_ = 0;
  QTimer shrink_;
  std::optional<char> choice_;
  std::string chosen_;
};

}  // namespace quorim
