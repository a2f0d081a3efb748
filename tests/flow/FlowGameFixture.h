#pragma once
// A whole game of two persons on BoardFixture's board, started by the new game command with the
// limits and hints of the settings. The letters come from a real bag (A..Q nine times, R..Z eight,
// no stars); a test that needs certain letters swaps them into a rack, and a person's letters are
// picked up from his rack and dropped on the board.

#include "BoardFixture.h"
#include "flow/Clocks.h"
#include "flow/HandCommands.h"
#include "flow/TurnCommands.h"
#include "flow/TurnController.h"
#include "model/Layouts.h"

#include "TestFiles.h"

#include <string>

namespace quorim::test {

class FlowGameFixture : public BoardFixture {
 protected:
  static inline const QString kHintButton = names::InGameButtongHint;
  static inline const QString kHintMenu = names::MenuHelpHInt;

  FlowGameFixture() {
    Alphabet& alphabet = game_.Alphabet;
    alphabet.LetterQuantity.fill(1);
    alphabet.LetterQuantity[alphabet.AlphabetSize] = 0;  // no stars
    Settings& settings = game_.Settings;
    settings.LastTemplate = QString::fromLatin1(kSavedLayout);  // BoardFixture's board
    settings.LettersAutoSelect = true;
    settings.LastIntellect = 2;
    settings.HintCount = 5;
    settings.HintDelay = 1000;  // tells a shown hint apart from the 50 ms of the scan markers
    settings.HintPushButton = false;
    game_.Players[1].Kind = kHuman;
    game_.Players[2].Kind = kHuman;
    // the shipped English texts with a hint button and menu item of their own, which the count
    // follows
    QByteArray strings = ReadFile(QStringLiteral(QUORIM_SHIPPED_DATA "/lang/eng/strings.txt"));
    strings.insert(3, GameFile({"MainScreen.InGameButtongHint:\"\"/\"Hint#the best move\"",
                                "MainScreen.MenuHelpHInt:\"Hint (H)\"/\"\""})
                          .mid(3));
    WriteFile(stringsDir_.path(), QStringLiteral("strings.txt"), strings);
    game_.Strings.LoadRaw(stringsDir_.filePath(QStringLiteral("strings.txt")));
    game_.Strings.Prepare();
  }

  void Start(const std::string& limits) {
    game_.Settings.LastLimits = limits;
    RunNewGame(game_);
  }

  int OnTurn() const { return game_.CurrentPlayer; }
  int NotOnTurn() const { return game_.CurrentPlayer % 2 + 1; }

  static QString ClockLabel(int player) { return names::DpLabel(player); }
  QString ClockText(int player) const { return view_.Control(ClockLabel(player)).caption; }
  int ClockColor(int player) const { return view_.Control(ClockLabel(player)).color; }

  void MoveTicks(int n) {
    for (int i = 0; i < n; ++i) MoveClockTick(game_);
  }
  void GameTicks(int n) {
    for (int i = 0; i < n; ++i) GameClockTick(game_);
  }

  // The first slots of the rack get tiles of these letters out of the bag; the tiles they held
  // take the bag places of those.
  void SetRack(int player, const std::string& letters) {
    for (std::size_t i = 0; i < letters.size(); ++i) {
      const int slot = static_cast<int>(i) + 1;
      TRackSlot& rackSlot = game_.Racks[player][slot];
      const int bagTile = BagTileOf(letters[i]);
      ASSERT_GE(bagTile, 0) << "no " << letters[i] << " left in the bag";
      TTile& fromBag = game_.TileTable[bagTile];
      const TileSpot place = fromBag.Spot;
      if (rackSlot.TileIndex >= 0) {
        TTile& back = game_.TileTable[rackSlot.TileIndex];
        back.Owner = kOwnerBag;
        back.FaceUp = false;
        back.Spot = place;
        game_.PlayField(place.a, place.b).BagLetter = back.Letter();
      } else {
        game_.PlayField(place.a, place.b).BagLetter = ' ';
        --game_.BagCount;
      }
      fromBag.Owner = player;
      fromBag.FaceUp = true;
      fromBag.Spot = TileSpot::Rack(player, slot);
      rackSlot.Letter = letters[i];
      rackSlot.TileIndex = static_cast<std::int16_t>(bagTile);
      if (player == game_.CurrentPlayer) game_.RackSnapshot[slot] = {rackSlot.TileIndex, false};
    }
  }

  // The participant on turn drops rack tiles of the word's letters on its empty cells.
  void LayFromRack(int x, int y, const std::string& word, std::uint8_t direction = kHorizontal) {
    const int player = game_.CurrentPlayer;
    for (char letter : word) {
      TFieldCell& cell = game_.PlayField(x, y);
      if (cell.Letter == ' ' && cell.TileIndex < 0) {
        TRack& rack = game_.Racks[player];
        int slot = 1;
        while (slot <= kRackSlots && (rack[slot].TileIndex < 0 || rack[slot].Letter != letter))
          ++slot;
        ASSERT_LE(slot, kRackSlots) << "no " << letter << " on the rack";
        ASSERT_TRUE(PickUpTile(game_, rack[slot].TileIndex));
        ASSERT_EQ(DropOnCell(game_, x, y), DropResult::Placed);
      }
      (direction == kHorizontal ? x : y) += 1;
    }
  }

  std::string RackOf(int player) const {
    std::string letters;
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      const TRackSlot& s = game_.Racks[player][slot];
      letters += s.TileIndex < 0 ? '_' : s.Letter;
    }
    return letters;
  }

  std::string RowOf(int y) const {
    std::string row;
    for (int x = 1; x <= kSide; ++x) {
      const char letter = game_.PlayField(x, y).Letter;
      row += letter == ' ' ? '.' : letter;
    }
    return row;
  }

  int SoundsPlayed(const QString& sample) const {
    return static_cast<int>(view_.FirstArgs(ViewCallName::PlaySoundEffect).count(sample));
  }

  // Tiles that flew from the bag to a rack: letters taken.
  int TilesTaken() const {
    int taken = 0;
    for (const ViewCall& call : view_.CallsNamed(ViewCallName::FlyTile))
      taken += call.args.value(1).startsWith(QStringLiteral("bag"));
    return taken;
  }

 private:
  int BagTileOf(char letter) const {
    for (std::size_t k = 0; k < game_.TileTable.size(); ++k) {
      const TTile& tile = game_.TileTable[k];
      if (tile.Owner == kOwnerBag && tile.Letter() == letter &&
          game_.PlayField(tile.Spot.a, tile.Spot.b).BagLetter == letter)
        return static_cast<int>(k);
    }
    return -1;
  }

  QTemporaryDir stringsDir_;
};

}  // namespace quorim::test
