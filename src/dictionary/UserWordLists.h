#pragma once
// The user's own lists of a dictionary language: added words, each with an optional comment that
// serves as its explanation, and excluded words with a note. This is the behaviour of the options
// window's user dictionary page; every change is saved at once and the working word list's user
// slots are reloaded.

#include "model/Game.h"

#include <QString>

#include <string>
#include <vector>

namespace quorim {

struct UserWordRow {
  std::string word;
  std::string
      comment;  // of an added word: "[lang]text[/lang]" sections; of an excluded one: a note
};

enum class UserList { Added, Excluded };

// A list file as rows: the text before the first "=" and the text after it; a line without a
// word gives none.
std::vector<UserWordRow> ReadUserWordRows(const QString& path, int codePage);

// The language whose section a comment typed now belongs to: the explanatory language, or the
// dictionary language when none is set.
QString CommentLanguage(const Game& game);

// The text of a comment's section of one language, or of the whole comment when it has none.
QString CommentSection(QStringView comment, QStringView lang);

enum class UserListChange {
  Ignored,         // nothing typed
  Added,           // the word is in the list now
  AlreadyListed,   // the list holds it: selected, or refused with a message
  Collision,       // the other list holds it: refused with a message
  ForeignLetters,  // an added word with a letter the alphabet lacks: refused with a message
};

class UserDictionaryPage {
 public:
  // Fills both lists from their files.
  explicit UserDictionaryPage(Game& game);

  const std::vector<UserWordRow>& Rows(UserList list) const;
  UserList ListInUse() const { return inUse_; }
  int SelectedRow() const { return selected_; }  // -1: none
  const QString& CommentBox() const { return commentBox_; }

  // Entering a list box makes it the list in use and clears the other one's selection.
  void EnterList(UserList list);
  // Selects a row of the list and shows its comment or note.
  void SelectRow(UserList list, int row);
  // openedByMoveQuestion: the page was opened to add a word of a move; a word already listed is
  // then selected instead of refused.
  UserListChange AddWord(const QString& typed, bool openedByMoveQuestion);
  UserListChange ExcludeWord(const QString& typed);
  // Removes rows of a list; the selection stays at the remembered row where one remains.
  void RemoveRows(UserList list, std::vector<int> rows);
  // Leaving the comment box: the typed text (line breaks become spaces) is saved with the selected
  // row.
  void EditComment(const QString& text);

 private:
  std::vector<UserWordRow>& RowsOf(UserList list);
  UserListChange Append(UserList list, const QString& typed, bool selectListed);
  void ShowSelectedComment();
  void SaveUserWordLists();
  void WriteList(UserList list);

  Game& game_;
  std::vector<UserWordRow> added_;
  std::vector<UserWordRow> excluded_;
  UserList inUse_ = UserList::Added;
  int selected_ = -1;
  QString commentBox_;
};

}  // namespace quorim
