#include "dictionary/WorkingWordList.h"

#include "media/CodePages.h"
#include "media/TextFiles.h"

namespace quorim {

namespace {

// Every occurrence of the line's word, in any case, becomes upper case: "аб=аб" gives "АБ=АБ".
void UpperWordOccurrences(std::string& line, const LetterCase& letterCase) {
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos) {
    line = letterCase.Upper(line);
    return;
  }
  if (equals == 0) return;
  const std::string word = letterCase.Upper(std::string_view(line).substr(0, equals));
  const std::string upper = letterCase.Upper(line);
  for (std::size_t at = upper.find(word); at != std::string::npos;
       at = upper.find(word, at + word.size())) {
    line.replace(at, word.size(), word);
  }
}

void LoadUserList(Game& game, int slot, const QString& path) {
  WordLists& lists = game.WordLists;
  lists.Discard(slot);
  TextLines lines;
  if (!LoadTextFile(path, lines, game.DictionaryCodePage())) return;
  lists.Create(slot);
  for (std::string& line : lines) lists.Append(slot, std::move(line));
}

}  // namespace

QString LanguageFilePath(const Game& game, QStringView file) {
  return game.Data.Resolve(DictionaryFile(game.Settings.DictionaryLang, file));
}

int LetterListSlot(const Alphabet& alphabet, char first) {
  const int index = alphabet.LetterIndex(first);
  return index < 0 || index >= alphabet.AlphabetSize ? 0 : index + 1;
}

QString DictionaryPath(const Game& game) {
  return LanguageFilePath(game, u"dictionary.txt");
}
QString AddedWordsPath(const Game& game) {
  return LanguageFilePath(game, u"diction.user.add.txt");
}
QString ExcludedWordsPath(const Game& game) {
  return LanguageFilePath(game, u"diction.user.del.txt");
}

void LoadWordLists(Game& game, bool full) {
  WordLists& lists = game.WordLists;
  const int codePage = game.DictionaryCodePage();
  const LetterCase& letterCase = LetterCase::For(codePage);
  lists.SetLetterCase(letterCase);
  if (full) {
    lists.DiscardAll();
    TextLines lines;
    LoadTextFile(DictionaryPath(game), lines, codePage);
    // A run of one first letter fills that letter's list; a later run of the same letter (an
    // unsorted file) is added to it rather than replacing it.
    int remembered = -1;
    int slot = 0;
    for (std::string& line : lines) {
      if (line.empty()) continue;
      const char first = letterCase.Upper(line[0]);
      if (static_cast<unsigned char>(first) != remembered) {
        remembered = static_cast<unsigned char>(first);
        slot = LetterListSlot(game.Alphabet, first);
        if (slot != kAddedWordsSlot) lists.Create(slot);
      }
      if (slot == kAddedWordsSlot) continue;  // not a letter of the alphabet: the word is lost
      UpperWordOccurrences(line, letterCase);
      lists.Append(slot, std::move(line));
    }
  }
  LoadUserList(game, kAddedWordsSlot, AddedWordsPath(game));
  LoadUserList(game, kExcludedWordsSlot, ExcludedWordsPath(game));
}

bool IsDictionaryWord(const Game& game, std::string_view word) {
  if (word.empty()) return false;
  const WordLists& lists = game.WordLists;
  const int slot = LetterListSlot(game.Alphabet, lists.Case().Upper(word[0]));
  return slot != kAddedWordsSlot && lists.Holds(slot, word);
}

bool CheckUserWordLists(Game& game, std::string_view word, bool& found, ScreenPoint at) {
  WordLists& lists = game.WordLists;
  if (lists.Holds(kExcludedWordsSlot, word)) found = false;
  if (lists.Holds(kAddedWordsSlot, word)) found = true;
  const Settings& settings = game.Settings;
  if (!settings.UseCustomDictionary || found) return false;

  const int codePage = game.DictionaryCodePage();
  bool known = false;
  switch (settings.AddCustomWord) {
    case kAddWordYes:
      known = true;
      break;
    case kAddWordAsk:
      known = game.View().AskInGameQuestion(
          SubstituteWord(game.InterfaceText(u"InGameQuestionAddWordToDictionary"), word, codePage),
          at);
      break;
    default:
      break;
  }
  if (!known) {
    game.PlaySound(QStringLiteral("error"));
  } else if (settings.AddCustomWord == kAddWordYes) {
    lists.Append(kAddedWordsSlot, std::string(word));
    SaveUserListSlot(game, kAddedWordsSlot);
  } else {
    game.View().OpenUserDictionaryOptions(UserListField::Added, FromGameText(word, codePage));
  }
  return known;
}

bool SaveUserListSlot(const Game& game, int slot) {
  const WordList* list = game.WordLists.Slot(slot);
  if (list == nullptr) return false;
  return SaveTextFile(slot == kAddedWordsSlot ? AddedWordsPath(game) : ExcludedWordsPath(game),
                      list->Lines(), game.DictionaryCodePage());
}

}  // namespace quorim
