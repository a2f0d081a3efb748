#pragma once
// The content of the options window's user dictionary page: the user's added and excluded words of
// the dictionary language, and the comment of the selected word. The rules are the engine's
// UserDictionaryPage; this page shows its rows and passes on what the user does.

#include "dictionary/UserWordLists.h"
#include "model/Game.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quorim {

class TUserDictionaryPage : public QWidget {
 public:
  // The options window's tags of the word actions: a word of a move to add, a word to exclude.
  static constexpr int kTagAddWord = 22;
  static constexpr int kTagExcludeWord = 23;

  TUserDictionaryPage(Game& game, QWidget* parent);

  // Both lists of the dictionary language, read from their files; run whenever the window opens.
  void Load();
  // A word action of the window's tag: the word is added (kTagAddWord; a word already listed is
  // selected) or excluded (kTagExcludeWord) as if typed and its button pressed.
  void StartWordAction(int tag, const QString& word);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls();
  QListWidget& List(UserList list) const;
  void Add();
  void Exclude();
  void Remove(UserList list);
  void ShowResult(UserListChange change, QLineEdit& typed);
  // The rows of both lists and the engine's selection and comment.
  void ShowLists();
  void ShowSelection();
  // The user changed the selection of a list.
  void SelectionChanged(UserList list);
  // Leaving the comment box saves what was typed there.
  void SaveComment();
  void EnableButtons();

  Game& game_;
  std::optional<UserDictionaryPage> page_;
  bool openedByMoveQuestion_ = false;

  QLineEdit* addEdit_ = nullptr;       // Edit1
  QPushButton* add_ = nullptr;         // UserDictionaryButtonWordAdd
  QPushButton* unAdd_ = nullptr;       // UserDictionaryButtonWordUnAdd
  QListWidget* added_ = nullptr;       // ListBox1
  QLineEdit* excludeEdit_ = nullptr;   // Edit2
  QPushButton* exclude_ = nullptr;     // UserDictionaryButtonWordExclude
  QPushButton* unExclude_ = nullptr;   // UserDictionaryButtonWordUnExclude
  QListWidget* excluded_ = nullptr;    // ListBox2
  QPlainTextEdit* comment_ = nullptr;  // TextboxCustomWordComment
};

}  // namespace quorim
