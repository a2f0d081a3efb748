#pragma once
// The working word list of the dictionary language: 51 slots of 8-bit lines (the user's added
// words, one list per letter of the alphabet, the user's excluded words), each with an index of its
// lines' word parts so that a lookup need not walk the list. The theme rules that narrow the
// computer's vocabulary live beside it.

#include "media/LetterCase.h"
#include "media/TextFiles.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quorim {

constexpr int kWordListSlots = 51;
constexpr int kAddedWordsSlot = 0;
constexpr int kExcludedWordsSlot = 50;

// The word of a dictionary or user list line: the text before its first "=".
std::string_view WordPart(std::string_view line);

// One slot: its lines in order, duplicates kept.
class WordList {
 public:
  const TextLines& Lines() const { return lines_; }
  bool Empty() const { return lines_.empty(); }

 private:
  friend class WordLists;
  TextLines lines_;
  std::unordered_set<std::string> upperWords_;
};

class WordLists {
 public:
  WordLists();

  // The case rules of the dictionary language; set before lines are appended.
  void SetLetterCase(const LetterCase& letterCase) { case_ = &letterCase; }
  const LetterCase& Case() const { return *case_; }

  // The slot's list; nullptr when the slot holds none.
  const WordList* Slot(int slot) const;
  bool Exists(int slot) const { return Slot(slot) != nullptr; }
  // Gives the slot an empty list unless it holds one.
  void Create(int slot);
  void Discard(int slot);
  void DiscardAll();
  // Appends to the slot's list, creating it when absent.
  void Append(int slot, std::string line);

  // Whether some line's word part, or some whole line, equals the word, ignoring case.
  bool Holds(int slot, std::string_view word) const;

  // Grows with every change of any list, so that what is derived from the lists knows when to
  // be rebuilt.
  std::uint64_t Generation() const { return generation_; }

 private:
  const LetterCase* case_;
  std::uint64_t generation_ = 0;
  std::array<std::optional<WordList>, kWordListSlots> slots_;
};

// Theme letters by their keys in themes.txt.
enum ThemeEntry {
  kThemeCommon = 0,     // DCommom
  kThemeExtended1 = 1,  // DExtended1 .. DExtended5 are entries 1 .. 5
  kThemeChildren = 6,   // DChildren
  kThemeEntries = 7,
};

// One theme of the options window's list: its letter and title.
struct ThemeTitle {
  char letter = 0;
  QString title;
};

struct DictionaryThemes {
  std::array<char, kThemeEntries> ThemeMarkers{};  // 0 until themes.txt sets them
  std::string DictionarySizeMarker;  // at most 20 characters; empty: the whole dictionary
  std::string ExcludedThemes;        // at most 15 characters
  std::vector<ThemeTitle> Titles;
};

}  // namespace quorim
