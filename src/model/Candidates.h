#pragma once
// What the computer opponent's search finds and what a computer move leaves behind: candidate
// placements, the record that lets a move be taken back, and the vocabulary the opponent walks.

#include "model/Racks.h"
#include "model/WordLists.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace quorim {

// A word the opponent could lay: at most kWordWidth letters from Start along the line, with a
// preliminary score computed modulo 256.
struct TCandidate {
  std::string Word;
  std::uint8_t Start = 0;
  std::uint8_t Line = 0;
  std::uint8_t Direction = 0;
  std::uint8_t RoughScore = 0;
  // A word of a replayed move: the points its record gave it.
  int RecordedPoints = 0;
};

// The board and score before a computer move, how many words it laid, and which rack slots it
// left empty (the letters drawn into them go back to the bag when the move is taken back).
struct TComputerUndo {
  struct Cell {
    bool DropAllowed;
    std::uint8_t Kind;
    char PendingLetter;
  };
  std::vector<Cell> Cells;  // row by row, playable cells only
  std::uint16_t Score = 0;
  int WordsLaid = 0;
  std::array<bool, kRackSlots + 1> EmptySlots{};  // slots 1..7
};

// The words of one word list slot that the computer may use, with the set of each word's letters
// as bits of their alphabet entries (bit 63 for any other character), so that a line can pass over
// a word without spelling it. The words are views of the list's lines.
struct TVocabularySlot {
  std::vector<std::uint64_t> Letters;
  std::vector<std::string_view> Words;
};

// The admitted words of every slot for one intellect, built from the lists and themes named by
// the key and rebuilt when any of them changes.
struct TComputerVocabulary {
  struct Key {
    std::uint64_t listsGeneration = ~0ULL;
    std::string sizeMarker;
    std::string excludedThemes;
    std::array<char, kThemeEntries> themeMarkers{};
    bool operator==(const Key&) const = default;
  };
  Key BuiltFor;
  std::vector<TVocabularySlot> Slots;
  std::deque<std::string> Recased;  // user's words stored in another case than the game's
};

}  // namespace quorim
