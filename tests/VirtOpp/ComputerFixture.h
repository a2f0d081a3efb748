#pragma once
// The board game of BoardFixture with participant 1 a computer of normal intellect, racks set by
// their letters ("*" for a star), and placements written as "CAT H 7,8": the word, its direction
// and its first cell.

#include "BoardFixture.h"
#include "VirtOpp/CandidateSearch.h"

#include <algorithm>
#include <string>
#include <vector>

namespace quorim::test {

class ComputerFixture : public BoardFixture {
 protected:
  ComputerFixture() {
    game_.Players[1].Kind = kComputer;
    game_.Intellect = 2;
    game_.BagCount = 50;
  }

  char Star() const { return game_.Alphabet.StarCode(); }

  // Slots 1.. get tiles of the letters; the other slots are emptied.
  void Rack(const std::string& letters, int player = 1) {
    TRack& rack = game_.Racks[player];
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      rack[slot] = TRackSlot{};
      if (slot > static_cast<int>(letters.size())) continue;
      const char letter = letters[slot - 1] == '*' ? Star() : letters[slot - 1];
      rack[slot].Letter = letter;
      rack[slot].TileIndex = static_cast<std::int16_t>(NewTile(letter, player));
      game_.TileTable[rack[slot].TileIndex].Spot = TileSpot::Rack(player, slot);
    }
  }

  // The rack's letters, "*" for a star and "_" for an empty slot.
  std::string RackLetters(int player = 1) const {
    std::string letters;
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      const TRackSlot& s = game_.Racks[player][slot];
      letters += s.TileIndex < 0 ? '_' : s.Letter == Star() ? '*' : s.Letter;
    }
    return letters;
  }

  static std::string Describe(const TCandidate& c) {
    const bool across = c.Direction == kHorizontal;
    return c.Word + (across ? " H " : " V ") + std::to_string(across ? c.Start : c.Line) + ',' +
           std::to_string(across ? c.Line : c.Start);
  }

  static std::vector<std::string> Described(const std::vector<TCandidate>& candidates) {
    std::vector<std::string> described;
    for (const TCandidate& c : candidates) described.push_back(Describe(c));
    return described;
  }

  std::vector<std::string> Search(int player = 1) {
    SearchCandidates(game_, player, SearchPurpose::ComputerMove);
    return Described(game_.FoundCandidates);
  }

  std::vector<std::string> FoundWithWord(const std::string& word) const {
    std::vector<std::string> found;
    for (const TCandidate& c : game_.FoundCandidates) {
      if (c.Word == word) found.push_back(Describe(c));
    }
    return found;
  }

  // The committed letters of a row, "." for an empty cell.
  std::string Row(int y) const {
    std::string row;
    for (int x = 1; x <= kSide; ++x) {
      const char letter = game_.PlayField(x, y).Letter;
      row += letter == ' ' ? '.' : letter;
    }
    return row;
  }
  std::string Column(int x) const {
    std::string column;
    for (int y = 1; y <= kSide; ++y) {
      const char letter = game_.PlayField(x, y).Letter;
      column += letter == ' ' ? '.' : letter;
    }
    return column;
  }
};

}  // namespace quorim::test
