#pragma once
// A game on a data directory of its own, shown on the headless view, with a seeded chance.

#include "flow/HeadlessView.h"
#include "model/Game.h"
#include "model/Participants.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorim::test {

class GameFixture : public ::testing::Test {
 protected:
  GameFixture() : game_(view_, DataDir(dir_.path())) { game_.Seed(20261209); }

  // MAPS\<name>: the display name, then the rows.
  void WriteTemplate(const QString& name, std::initializer_list<std::string_view> lines) {
    WriteFile(dir_.path(), "MAPS/" + name, GameFile(lines));
  }

  // Letters with their quantities; the last quantity is the star's. Every letter is worth 1.
  void UseAlphabet(const std::string& letters, const std::vector<int>& quantities) {
    Alphabet& alphabet = game_.Alphabet;
    alphabet = Alphabet();
    alphabet.AlphabetSize = static_cast<std::uint8_t>(letters.size());
    alphabet.FirstLetterCode = static_cast<unsigned char>(letters.front());
    for (std::size_t i = 0; i <= letters.size(); ++i) {
      alphabet.LetterCode[i] = i < letters.size() ? static_cast<unsigned char>(letters[i])
                                                  : static_cast<unsigned char>(alphabet.StarCode());
      alphabet.LetterQuantity[i] = static_cast<std::uint16_t>(quantities.at(i));
    }
  }

  // A new game on the given template with participants of the given kinds.
  void SetUpGame(const QString& templateName,
                 std::vector<std::uint8_t> kinds = {kHuman, kComputer}) {
    game_.SetPlayerCount(static_cast<int>(kinds.size()));
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      std::string name = "P";
      name += std::to_string(i + 1);
      game_.Players[i + 1] = {.Name = name, .Kind = kinds[i]};
    }
    game_.Settings.LastTemplate = templateName;
    SetUpGameModel(game_);
    game_.SetGameOver(false);
  }

  // The letter at each bag place, for counting.
  int BagLetters(char letter) const {
    int count = 0;
    for (int y = 1; y <= game_.PlayField.DimY(); ++y) {
      for (int x = 1; x <= game_.PlayField.DimX(); ++x)
        count += game_.PlayField(x, y).BagLetter == letter;
    }
    return count;
  }

  std::string RackLetters(int player) const {
    std::string letters;
    for (int slot = 1; slot <= kRackSlots; ++slot) letters += game_.Racks[player][slot].Letter;
    return letters;
  }

  QTemporaryDir dir_;
  HeadlessView view_;
  Game game_;
};

}  // namespace quorim::test
