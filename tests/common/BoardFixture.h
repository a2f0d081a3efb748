#pragma once
// A game of two on a plain 15 x 15 board with the start in the middle, the letters A..Z worth
// their place in the alphabet (A 1, B 2, …), a dictionary the test names, and the shipped English
// interface texts. Positions are laid with Lay (this move) and Old (earlier moves).

#include "flow/HeadlessView.h"
#include "model/Game.h"

#include <gtest/gtest.h>

#include <string>

namespace quorim::test {

// The letters A..Z worth their place in the alphabet (A 1, B 2, …), and the star after them.
inline void UseLettersAToZ(Alphabet& alphabet) {
  alphabet.AlphabetSize = 26;
  alphabet.FirstLetterCode = 'A';
  for (int i = 0; i <= 26; ++i) {
    alphabet.LetterCode[i] = static_cast<std::uint16_t>('A' + i);
    alphabet.LetterValue[i] = static_cast<std::uint16_t>(i < 26 ? i + 1 : 0);
  }
}

class BoardFixture : public ::testing::Test {
 protected:
  static constexpr int kSide = 15;
  static constexpr int kMiddle = 8;

  BoardFixture() : game_(view_, DataDir(QStringLiteral("."))) {
    game_.Seed(20261209);
    UseLettersAToZ(game_.Alphabet);
    game_.Strings.LoadRaw(QStringLiteral(QUORIM_SHIPPED_DATA "/lang/eng/strings.txt"));
    game_.SetPlayerCount(2);
    game_.Players[1].Name = "Ann";
    game_.Players[2].Name = "Bob";
    game_.CurrentPlayer = 1;
    game_.Settings.PlaySounds = true;
    game_.Settings.UseCustomDictionary = false;  // an unknown word is simply refused
    game_.PlayField.Allocate(kSide, kSide);
    InitPlayFieldCells(game_.PlayField, kCellPlain);
    game_.PlayField(kMiddle, kMiddle).Kind = kCellStart;
    game_.MoveLog.Start();
    game_.MoveLog.Append("(1)Ann=");
    game_.SetGameOver(false);
    // a letter stays on the rack, so no move empties it unless a test says so
    game_.Racks[1][kRackSlots] = {'Z', 0, 0, false, static_cast<std::int16_t>(NewTile('Z', 1))};
  }

  void Words(std::initializer_list<const char*> words) {
    for (const char* word : words)
      game_.WordLists.Append(game_.Alphabet.LetterIndex(word[0]) + 1, word);
  }

  // Puts the word's letters, across or down from (x, y), as laid in this move by the participant
  // on turn, each on a tile of his; cells that already hold a letter are passed over.
  void Lay(int x, int y, const std::string& word, std::uint8_t direction = kHorizontal) {
    for (char letter : word) {
      TFieldCell& cell = game_.PlayField(x, y);
      if (cell.Letter == ' ' && cell.PendingLetter == ' ') {
        cell.PendingLetter = letter;
        cell.TileIndex = NewTile(letter, game_.CurrentPlayer);
      }
      (direction == kHorizontal ? x : y) += 1;
    }
  }

  // A word of an earlier move by the given participant, committed and recorded.
  void Old(int x, int y, const std::string& word, std::uint8_t direction = kHorizontal,
           int player = 2) {
    TPlayedWord played{word,      static_cast<std::uint8_t>(direction == kHorizontal ? x : y),
                       0,         static_cast<std::uint8_t>(direction == kHorizontal ? y : x),
                       direction, 0};
    for (char letter : word) {
      TFieldCell& cell = game_.PlayField(x, y);
      cell.Letter = cell.PendingLetter = letter;
      cell.DropAllowed = false;
      cell.TileIndex = NewTile(letter, kOwnerCommitted);
      game_.TileTable.back().Spot = TileSpot::Board(x, y);
      played.End = static_cast<std::uint8_t>(direction == kHorizontal ? x : y);
      (direction == kHorizontal ? x : y) += 1;
    }
    game_.PlayedWords[player].push_back(played);
  }

  int NewTile(char letter, int owner) {
    TTile tile;
    tile.SetLetter(letter, game_.Alphabet.StarCode());
    tile.Owner = owner;
    tile.FaceUp = true;
    game_.TileTable.push_back(tile);
    return static_cast<int>(game_.TileTable.size()) - 1;
  }

  // The star tile laid at (x, y) in this move.
  void LayStar(int x, int y) {
    const char star = game_.Alphabet.StarCode();
    TFieldCell& cell = game_.PlayField(x, y);
    cell.PendingLetter = star;
    cell.TileIndex = NewTile(star, game_.CurrentPlayer);
  }

  QString Text(QStringView key) const { return game_.InterfaceText(key); }
  QStringList Messages() const { return view_.FirstArgs(ViewCallName::ShowInGameMessage); }
  const std::string& MoveLine() const { return game_.MoveLog.Lines().back(); }

  HeadlessView view_;
  Game game_;
};

}  // namespace quorim::test
