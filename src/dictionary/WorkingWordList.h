#pragma once
// Building the working word list from the language folder's files, and looking words up in it.

#include "model/Alphabet.h"
#include "model/Game.h"
#include "model/GameView.h"

#include <QString>

#include <string_view>

namespace quorim {

// The list of words beginning with a letter is slot LetterIndex + 1; anything but a letter of the
// alphabet (the star too) gives 0, the added words' slot.
int LetterListSlot(const Alphabet& alphabet, char first);

// A file of the dictionary language's folder, dict\<lang>\<file>.
QString LanguageFilePath(const Game& game, QStringView file);
// Its word files.
QString DictionaryPath(const Game& game);
QString AddedWordsPath(const Game& game);
QString ExcludedWordsPath(const Game& game);

// The user list of slot kAddedWordsSlot or kExcludedWordsSlot is written to its file; false when
// it could not be.
bool SaveUserListSlot(const Game& game, int slot);

// Full: rebuilds the letter lists from dictionary.txt, then (full or not) reloads the user's added
// and excluded words into slots 0 and 50.
void LoadWordLists(Game& game, bool full);

// Whether the dictionary holds the word, ignoring case; the user lists are not consulted.
bool IsDictionaryWord(const Game& game, std::string_view word);

// Applies the user lists to a lookup: an exclusion clears found, an addition sets it. For a word
// still unknown while the user lists are on, AddCustomWord decides (adding it, asking at the given
// place, or refusing it with the error sound); true means the move may take it as known.
bool CheckUserWordLists(Game& game, std::string_view word, bool& found, ScreenPoint at);

}  // namespace quorim
