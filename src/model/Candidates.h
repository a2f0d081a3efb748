#pragma once
// What the computer opponent's search finds and what a computer move leaves behind: candidate
// placements, the record that lets a move be taken back, and the vocabulary the opponent walks.

#include "model/WordLists.h"

#include <array>
#include <cstdint>
#include <string>
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

// The board and score before a computer move, and how many words it laid.
struct TComputerUndo {
  struct Cell {
    bool DropAllowed;
    std::uint8_t Kind;
    char PendingLetter;
  };
  std::vector<Cell> Cells;  // row by row, playable cells only
  std::uint16_t Score = 0;
  int WordsLaid = 0;
};

// A word the computer may use, with the set of its letters as bits of their alphabet entries
// (bit 63 for any other character), so that a line can pass over it without spelling it.
struct TVocabularyWord {
  std::string Word;
  std::uint64_t Letters = 0;
};

// The admitted words of each word list slot for one intellect, built from the lists and themes
// named by the key and rebuilt when any of them changes.
struct TComputerVocabulary {
  struct Key {
    std::uint64_t listsGeneration = ~0ULL;
    int intellect = 0;
    std::string sizeMarker;
    std::string excludedThemes;
    std::array<char, kThemeEntries> themeMarkers{};
    bool operator==(const Key&) const = default;
  };
  Key BuiltFor;
  std::vector<std::vector<TVocabularyWord>> Slots;
};

}  // namespace quorim
