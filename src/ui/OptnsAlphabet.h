#pragma once
// The alphabet editor of the options window's languages page ("Panel4"): a button per letter and
// the star, the selected letter's points and quantity, and what its quantity gives in a bag of the
// chosen layout. Edits stay in the editor until the window's OK writes them.

#include "model/Alphabet.h"
#include "model/Game.h"

#include <QWidget>

#include <vector>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace quorim {

class TAlphabetEditor : public QWidget {
 public:
  static constexpr int kMaxValue = 20;
  static constexpr int kMaxQuantity = 100;

  TAlphabetEditor(Game& game, QWidget* parent);

  // The alphabet of the dictionary language as the game holds it; run when the window opens and
  // after the dictionary language changed. During a game it can be looked at, not changed.
  void Load(bool gameRunning);
  // The window's OK: an edited alphabet becomes the game's and is written to its file. False when
  // the file could not be written (the message was shown); the game's alphabet is then unchanged.
  bool Write();
  // The board the bag figures are computed for: the layout chosen on the layout page.
  void SetLayoutSize(int columns, int rows);
  // The hints and figures are made of interface texts: after the interface language changed.
  void Relabel();

 private:
  void BuildControls();
  void MakeLetterButtons();
  // A letter button clicked.
  void SelectLetter(int index);
  void ShowLetter(int index);
  // Typed figures the spin boxes have not taken yet belong to the letter selected now.
  void TakeTypedFigures();
  void ValueChanged(int value);
  void QuantityChanged(int quantity);
  void RestoreDefault();
  void ShowMark(int index);
  void ShowFigures();
  QString LetterText(int index) const;
  bool DefaultExists() const;

  Game& game_;
  Alphabet alphabet_;
  AlphabetSource source_;  // where the alphabet being edited was read from
  bool gameRunning_ = false;
  bool modified_ = false;
  int selected_ = 0;
  int columns_ = 15;
  int rows_ = 15;

  QGridLayout* letterGrid_ = nullptr;
  QButtonGroup* letterGroup_ = nullptr;
  std::vector<QToolButton*> letterButtons_;  // LetterButton1 ..
  QSpinBox* value_ = nullptr;                // AlphabetSpinEditScore
  QSpinBox* quantity_ = nullptr;             // AlphabetSpinEditQuantity
  QLabel* share_ = nullptr;                  // AlphabetLabelLetterShare
  QLabel* bag_ = nullptr;                    // AlphabetLabelBagShare
  QPushButton* default_ = nullptr;           // AlphabetButtonDefault
};

}  // namespace quorim
