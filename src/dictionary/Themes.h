#pragma once
// Themes and dictionary sizes: the letters of themes.txt, the titles the options window lists, the
// per-language size and excluded themes kept in DictionaryLimits, and the rule by which they narrow
// the computer's vocabulary. A person's word is always checked against the whole dictionary.

#include "model/Game.h"
#include "model/WordLists.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorim {

// Reads the seven theme keys of themes.txt; an absent key or empty value keeps its letter.
void LoadThemeMarkers(Game& game);
// Reads the "[DictionaryThemes]" section into the titles; without themes.txt they stay as they are.
void LoadThemeTitles(Game& game);

struct ComputerAdmission {
  bool allowed = false;
  std::string word;
  std::string themes;  // from the "=" on; empty when the entry has none
};

// Whether the computer at intellect 1 (low), 2 (normal) or 3 (high) may use an entry of a slot.
ComputerAdmission IsComputerWordAllowed(const DictionaryThemes& themes, std::string_view entry,
                                        int slot, int intellect);

// Whether the computer may lay the word at all: some entry of its letter list (or, with the user
// lists on, of the added words) is admitted, and the user has not excluded it.
bool ComputerMayUseWord(const Game& game, std::string_view word, int intellect);

// The sizes of the dictionary tab's radio buttons.
enum class DictionarySize { Maximum, Normal, Extended, Children };

// The value of a "name=value" entry of DictionaryLimits (names compared ignoring case).
std::string DictionaryLimitValue(const std::vector<std::string>& limits, std::string_view name);
// Replaces the entry; an empty value removes it.
void SetDictionaryLimitValue(std::vector<std::string>& limits, std::string_view name,
                             std::string_view value);

// What the options window keeps for a language: the size and the letters of the unchecked themes.
void StoreDictionaryLimits(Game& game, const QString& lang, DictionarySize size,
                           std::string_view excludedThemes);
DictionarySize StoredDictionarySize(const Game& game, const QString& lang);

// The list a first start begins with: the common dictionary of the current language.
void SetDefaultDictionaryLimits(Game& game);
// Copies the current language's entries into the dictionary's working fields.
void ApplyDictionaryLimits(Game& game);

}  // namespace quorim
