#include "dictionary/UserWordLists.h"

#include "dictionary/WorkingWordList.h"
#include "media/CodePages.h"
#include "media/LetterCase.h"
#include "media/TextFiles.h"

#include <QFile>

#include <algorithm>
#include <utility>

namespace quorim {

namespace {

bool HasSections(QStringView comment) {
  return comment.contains(u"[/");
}

QString Opening(QStringView lang) {
  return QStringLiteral("[") + lang.toString() + u']';
}
QString Closing(QStringView lang) {
  return QStringLiteral("[/") + lang.toString() + u']';
}
QString Section(QStringView lang, const QString& text) {
  return Opening(lang) + text + Closing(lang);
}

// Where a language's section lies, marks included; start -1 when the comment has none.
std::pair<qsizetype, qsizetype> FindSection(QStringView comment, QStringView lang) {
  const QString opening = Opening(lang);
  const qsizetype start = comment.indexOf(opening, 0, Qt::CaseInsensitive);
  if (start < 0) return {-1, 0};
  const QString closing = Closing(lang);
  const qsizetype end = comment.indexOf(closing, start + opening.size(), Qt::CaseInsensitive);
  if (end < 0) return {-1, 0};
  return {start, end + closing.size() - start};
}

bool SameLanguage(QStringView a, QStringView b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Whether every character is a letter of the alphabet in either case; the star is none.
bool SpelledInAlphabet(const Game& game, std::string_view word) {
  const LetterCase& letterCase = LetterCase::For(game.DictionaryCodePage());
  return std::ranges::all_of(word, [&](char ch) {
    const int index = game.Alphabet.LetterIndex(letterCase.Upper(ch));
    return index >= 0 && index < game.Alphabet.AlphabetSize;
  });
}

}  // namespace

std::vector<UserWordRow> ReadUserWordRows(const QString& path, int codePage) {
  TextLines lines;
  LoadTextFile(path, lines, codePage);
  std::vector<UserWordRow> rows;
  for (const std::string& line : lines) {
    const std::size_t equals = line.find('=');
    if (equals == 0 || line.empty()) continue;  // no word to list
    if (equals == std::string::npos) {
      rows.push_back({line, {}});
    } else {
      rows.push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
  }
  return rows;
}

QString CommentLanguage(const Game& game) {
  return game.Settings.ExplanatoryLang.isEmpty() ? game.Settings.DictionaryLang
                                                 : game.Settings.ExplanatoryLang;
}

QString CommentSection(QStringView comment, QStringView lang) {
  if (!HasSections(comment)) return comment.toString();
  const auto [start, length] = FindSection(comment, lang);
  if (start < 0) return {};
  const qsizetype opening = Opening(lang).size();
  return comment.mid(start + opening, length - opening - Closing(lang).size()).toString();
}

UserDictionaryPage::UserDictionaryPage(Game& game)
    : game_(game),
      added_(ReadUserWordRows(AddedWordsPath(game), game.DictionaryCodePage())),
      excluded_(ReadUserWordRows(ExcludedWordsPath(game), game.DictionaryCodePage())) {}

const std::vector<UserWordRow>& UserDictionaryPage::Rows(UserList list) const {
  return list == UserList::Added ? added_ : excluded_;
}

std::vector<UserWordRow>& UserDictionaryPage::RowsOf(UserList list) {
  return list == UserList::Added ? added_ : excluded_;
}

void UserDictionaryPage::EnterList(UserList list) {
  if (list != inUse_) selected_ = -1;
  inUse_ = list;
}

void UserDictionaryPage::SelectRow(UserList list, int row) {
  EnterList(list);
  selected_ = row >= 0 && row < static_cast<int>(Rows(list).size()) ? row : -1;
  ShowSelectedComment();
}

void UserDictionaryPage::ShowSelectedComment() {
  commentBox_.clear();
  if (selected_ < 0) return;
  const QString comment = FromGameText(Rows(inUse_)[static_cast<std::size_t>(selected_)].comment,
                                       game_.DictionaryCodePage());
  if (inUse_ == UserList::Excluded) {
    commentBox_ = comment;
  } else if (HasSections(comment)) {
    commentBox_ = CommentSection(comment, CommentLanguage(game_));
  } else if (SameLanguage(CommentLanguage(game_), game_.Settings.DictionaryLang)) {
    commentBox_ = comment;  // a plain comment is written in the dictionary language
  }
}

UserListChange UserDictionaryPage::AddWord(const QString& typed, bool openedByMoveQuestion) {
  return Append(UserList::Added, typed, openedByMoveQuestion);
}

UserListChange UserDictionaryPage::ExcludeWord(const QString& typed) {
  return Append(UserList::Excluded, typed, false);
}

UserListChange UserDictionaryPage::Append(UserList list, const QString& typed, bool selectListed) {
  if (typed.isEmpty()) return UserListChange::Ignored;
  const std::string word = ToGameText(typed, game_.DictionaryCodePage());
  const auto holds = [&](UserList which) {
    const auto& rows = Rows(which);
    return std::find_if(rows.begin(), rows.end(),
                        [&](const UserWordRow& row) { return row.word == word; }) -
           rows.begin();
  };
  const auto listed = holds(list);
  if (listed < static_cast<std::ptrdiff_t>(Rows(list).size())) {
    if (selectListed) {
      SelectRow(list, static_cast<int>(listed));
    } else {
      game_.View().ShowMessageBox(
          game_.InterfaceText(u"OptionsUserDictionaryErrorWordAlreadyInList"));
    }
    return UserListChange::AlreadyListed;
  }
  const UserList other = list == UserList::Added ? UserList::Excluded : UserList::Added;
  // Such a word could never be laid; an excluded one does no harm and stays allowed.
  if (list == UserList::Added && !SpelledInAlphabet(game_, word)) {
    game_.View().ShowMessageBox(
        game_.InterfaceText(u"OptionsUserDictionaryErrorWordNotInAlphabet"));
    return UserListChange::ForeignLetters;
  }
  if (holds(other) < static_cast<std::ptrdiff_t>(Rows(other).size())) {
    game_.View().ShowMessageBox(game_.InterfaceText(
        list == UserList::Added ? u"OptionsUserDictionaryCollisionAddingWordAlreadyExcluded"
                                : u"OptionsUserDictionaryCollisionExcludingWordAlreadyAdded"));
    return UserListChange::Collision;
  }
  RowsOf(list).push_back({word, {}});
  commentBox_.clear();
  inUse_ = list;
  selected_ = static_cast<int>(Rows(list).size()) - 1;
  SaveUserWordLists();
  LoadWordLists(game_, false);
  return UserListChange::Added;
}

void UserDictionaryPage::RemoveRows(UserList list, std::vector<int> rows) {
  auto& own = RowsOf(list);
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (const int row : rows) {
    if (row >= 0 && row < static_cast<int>(own.size())) own.erase(own.begin() + row);
  }
  inUse_ = list;
  if (own.empty()) {
    selected_ = -1;
    commentBox_.clear();
    WriteList(list);
  } else {
    if (selected_ < 0 || selected_ >= static_cast<int>(own.size()))
      selected_ = static_cast<int>(own.size()) - 1;
    ShowSelectedComment();
    SaveUserWordLists();
  }
  LoadWordLists(game_, false);
}

void UserDictionaryPage::EditComment(const QString& text) {
  commentBox_ = text;
  commentBox_.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  commentBox_.replace(u'\r', u' ').replace(u'\n', u' ');
  SaveUserWordLists();
  LoadWordLists(game_, false);
}

void UserDictionaryPage::SaveUserWordLists() {
  const int codePage = game_.DictionaryCodePage();
  auto& rows = RowsOf(inUse_);
  if (selected_ >= 0 && selected_ < static_cast<int>(rows.size())) {
    std::string& stored = rows[static_cast<std::size_t>(selected_)].comment;
    if (inUse_ == UserList::Excluded) {
      stored = ToGameText(commentBox_, codePage);
    } else {
      const QString lang = CommentLanguage(game_);
      const QString& dictionaryLang = game_.Settings.DictionaryLang;
      QString comment = FromGameText(stored, codePage);
      if (!HasSections(comment)) {
        // A plain comment is in the dictionary language; typing another language's text must not
        // lose it, so it becomes that language's section.
        comment = comment.isEmpty() || SameLanguage(lang, dictionaryLang)
                      ? QString()
                      : Section(dictionaryLang, comment);
      } else if (const auto [start, length] = FindSection(comment, lang); start >= 0) {
        comment.remove(start, length);
      }
      if (!commentBox_.isEmpty()) comment += Section(lang, commentBox_);
      stored = ToGameText(comment, codePage);
    }
  }
  WriteList(inUse_);
}

void UserDictionaryPage::WriteList(UserList list) {
  const QString path = list == UserList::Added ? AddedWordsPath(game_) : ExcludedWordsPath(game_);
  const auto& rows = Rows(list);
  if (rows.empty()) {
    QFile::remove(path);
    if (list == UserList::Excluded) {
      QFile::remove(LanguageFilePath(game_, u"diction.xx"));
    }
    return;
  }
  TextLines lines;
  lines.reserve(rows.size());
  for (const UserWordRow& row : rows) {
    lines.push_back(row.comment.empty() ? row.word : row.word + "=" + row.comment);
  }
  SaveTextFile(path, lines, game_.DictionaryCodePage());
}

}  // namespace quorim
