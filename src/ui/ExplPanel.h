#pragma once
// The explanation panel above the board: a box to type or pick any word of the dictionary, buttons
// that add it to or exclude it from the user's lists, the explain button and one button per
// installed explanation language. The box's word list is collected in the background, one slot of
// the word lists per tick of the system timer.

#include "model/Game.h"

#include <QComboBox>
#include <QSet>
#include <QStringList>

#include <functional>
#include <vector>

class QLabel;
class QToolButton;

namespace quorim {

class Skin;
class TShape;

// ExplCBox: its drop-down closing and the focus leaving it are the panel's to answer.
class TExplanationBox : public QComboBox {
 public:
  explicit TExplanationBox(QWidget* parent);
  std::function<void()> closedUp;

  void hidePopup() override;

 protected:
  void focusOutEvent(QFocusEvent* event) override;
};

class TExplanationPanel {
 public:
  struct Hooks {
    std::function<void(const QString& word)> explain;
    std::function<void(UserListField field, const QString& word)> openUserList;
    // ExplanatoryLang has just been changed by a language button.
    std::function<void()> languageChanged;
  };

  TExplanationPanel(QWidget& parent, Game& game, const Skin& skin, Hooks hooks);
  ~TExplanationPanel();
  TExplanationPanel(const TExplanationPanel&) = delete;
  TExplanationPanel& operator=(const TExplanationPanel&) = delete;

  // The strip's height for a board of that width: the language buttons take a second row when the
  // first has no room for them.
  int Height(int boardWidth) const;
  // Lays the panel out in the strip above the board.
  void Place(const QRect& board);
  // The explain button or the note that the dictionary language has no explanations, and the
  // language buttons with a frame around the one in force.
  void ShowLanguages();

  // One step of collecting the box's words: the next slot of the word lists; after the last one
  // the box gets them all. False once the box is filled.
  bool FillStep();
  bool Filling() const { return nextSlot_ <= kExcludedWordsSlot; }

  TExplanationBox& Box() { return *box_; }
  void SetWord(const QString& word);

 private:
  struct Row {
    int width = 0;  // of the controls before the language buttons
    int languages = 0;
  };
  void ButtonClick(const QString& name);
  void Recolour(const QString& text);
  void TypedByKeyboard(const QString& text);
  bool Known(const QString& text) const { return words_.contains(text); }
  Row Measure(int boardWidth) const;

  QWidget& parent_;
  Game& game_;
  const Skin& skin_;
  Hooks hooks_;
  QLabel* image_ = nullptr;  // ExplImage
  TExplanationBox* box_ = nullptr;
  QToolButton* add_ = nullptr;
  QToolButton* del_ = nullptr;
  QToolButton* explain_ = nullptr;
  QLabel* noDictionary_ = nullptr;
  std::vector<QToolButton*> languageButtons_;
  std::vector<TShape*> bevels_;
  QRect board_;
  int nextSlot_ = kAddedWordsSlot;
  QStringList collected_;
  QSet<QString> words_;
};

}  // namespace quorim
