#include "model/Racks.h"

#include "model/MoveTokens.h"

#include "GameFixture.h"

namespace quorim {
namespace {

constexpr char kStar = 'C';  // after the letters A and B

class Racks : public test::GameFixture {
 protected:
  // A game of two on a 6 x 5 field; the turn line of participant 1 is open.
  void StartSmallGame(const std::vector<int>& quantities,
                      std::vector<std::uint8_t> kinds = {kHuman, kComputer}) {
    UseAlphabet("AB", quantities);
    WriteTemplate("small.map", {"Small", "111111", "111111", "116111", "111111", "111111"});
    SetUpGame("small.map", kinds);
    game_.CurrentPlayer = 1;
    game_.MoveLog.Append("(1)P1=");
  }
  // Takes a bag tile out of the game, as if it lay committed elsewhere; gives its index.
  int TakeOutOfBag(int x, int y) {
    for (std::size_t k = 0; k < game_.TileTable.size(); ++k) {
      TTile& tile = game_.TileTable[k];
      if (tile.Owner != kOwnerBag || tile.Spot != TileSpot::Bag(x, y)) continue;
      tile.Owner = kOwnerCommitted;
      game_.PlayField(x, y).BagLetter = ' ';
      --game_.BagCount;
      return static_cast<int>(k);
    }
    return -1;
  }
  // Only the given letters stay in the bag.
  void KeepInBag(std::string letters) {
    for (int y = 1; y <= game_.PlayField.DimY(); ++y) {
      for (int x = 1; x <= game_.PlayField.DimX(); ++x) {
        const char bag = game_.PlayField(x, y).BagLetter;
        const auto keep = letters.find(bag);
        if (bag == ' ') continue;
        if (keep == std::string::npos) {
          TakeOutOfBag(x, y);
        } else {
          letters.erase(keep, 1);
        }
      }
    }
    ASSERT_TRUE(letters.empty());
  }
  int Stars(int player) const {
    const std::string rack = RackLetters(player);
    return static_cast<int>(std::count(rack.begin(), rack.end(), kStar));
  }
  // Lays the tile of a rack slot on a board cell as a move in progress does.
  void Lay(int player, int slot, int x, int y) {
    TRackSlot& rackSlot = game_.Racks[player][slot];
    TTile& tile = game_.TileTable[rackSlot.TileIndex];
    tile.Spot = TileSpot::Board(x, y);
    game_.PlayField(x, y).PendingLetter = rackSlot.Letter;
    game_.PlayField(x, y).TileIndex = rackSlot.TileIndex;
    rackSlot = TRackSlot{};
  }
};

TEST_F(Racks, ARefillTakesSevenLettersFromTheBagAndRecordsTheRack) {
  StartSmallGame({20, 20, 0});
  game_.Limits = "Time-10 ";
  game_.ClockMinutes = 9;
  game_.ClockSeconds = 41;
  RefillRack(game_, 1);
  EXPECT_EQ(EmptySlotCount(game_, 1), 0);
  EXPECT_EQ(game_.BagCount, 30 - 7);
  std::string expected = "(1)P1=ETIME:9/41,SLOT:";
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    const TRackSlot& rackSlot = game_.Racks[1][slot];
    const TTile& tile = game_.TileTable[rackSlot.TileIndex];
    EXPECT_EQ(tile.Owner, 1);
    EXPECT_TRUE(tile.FaceUp);
    EXPECT_EQ(tile.Spot, TileSpot::Rack(1, slot));
    EXPECT_EQ(rackSlot.Letter, tile.Letter());
    EXPECT_EQ(game_.RackSnapshot[slot].TileIndex, rackSlot.TileIndex);
    expected += std::string{rackSlot.Letter, '/'} + std::to_string(rackSlot.TileIndex) + ',';
  }
  EXPECT_EQ(game_.MoveLog.Lines().back(), expected);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::FlyTile).size(), 7u);
  EXPECT_FALSE(game_.AnimationBusy);

  // A second recording in the same line repeats neither keyword.
  FinishDrawing(game_, 1);
  const std::string& line = game_.MoveLog.Lines().back();
  EXPECT_EQ(line.find("ETIME:", 10), std::string::npos);
  EXPECT_EQ(line.find("SLOT:", 25), std::string::npos);
}

TEST_F(Racks, AComputerOnLowIntellectNeverDrawsAStar) {
  StartSmallGame({2, 2, 26});
  game_.Intellect = 1;
  RefillRack(game_, 2);
  // Only the four letters could be taken; the rack stays partly filled.
  EXPECT_EQ(Stars(2), 0);
  EXPECT_EQ(EmptySlotCount(game_, 2), 3);
  EXPECT_EQ(game_.BagCount, 26);
  EXPECT_NE(game_.MoveLog.Lines().back().find(" /-1,"), std::string::npos);
}

TEST_F(Racks, WhileEightOrMoreAreLeftARefillDrawsAtMostOneStar) {
  StartSmallGame({2, 2, 26});
  RefillRack(game_, 1);
  EXPECT_EQ(Stars(1), 1);
  EXPECT_EQ(EmptySlotCount(game_, 1), 2);  // four letters and one star

  game_.Intellect = 2;
  RefillRack(game_, 2);  // a computer above low intellect: the same rule
  EXPECT_EQ(Stars(2), 1);
}

TEST_F(Racks, WithFewerThanEightLeftStarsMayFollowEachOther) {
  StartSmallGame({0, 0, 30});
  KeepInBag("CCCCCCC");
  RefillRack(game_, 1);
  EXPECT_EQ(Stars(1), 7);
  EXPECT_EQ(game_.BagCount, 0);
}

TEST_F(Racks, ExchangingPutsMarkedLettersBackFaceDownAtFreePlaces) {
  StartSmallGame({15, 15, 0});
  RefillRack(game_, 1);
  game_.Settings.PlaySounds = true;
  ToggleExchangeMark(game_, 2);
  ToggleExchangeMark(game_, 5);
  const int tile2 = game_.Racks[1][2].TileIndex;
  const int tile5 = game_.Racks[1][5].TileIndex;
  const char letter2 = game_.Racks[1][2].Letter;
  view_.ClearCalls();
  ExchangeLetters(game_, 1);
  EXPECT_EQ(game_.BagCount, 30 - 7 + 2);
  EXPECT_EQ(game_.Players[1].ExchangeRun, 1);
  EXPECT_EQ(EmptySlotCount(game_, 1), 2);
  EXPECT_FALSE(game_.Racks[1][2].ExchangeMark);
  const TTile& back = game_.TileTable[tile2];
  EXPECT_EQ(back.Owner, kOwnerBag);
  EXPECT_FALSE(back.FaceUp);
  ASSERT_EQ(back.Spot.area, TileSpot::Area::Bag);
  EXPECT_EQ(game_.PlayField(back.Spot.a, back.Spot.b).BagLetter, letter2);
  EXPECT_EQ(back.Letter(), letter2);  // with 8 or more left a letter goes back as itself
  EXPECT_EQ(view_.FirstArgs(ViewCallName::PlaySoundEffect), QStringList{"change1"});
  const auto explosion = view_.CallsNamed(ViewCallName::ShowExplosion);
  ASSERT_EQ(explosion.size(), 1u);
  EXPECT_EQ(explosion[0].args, (QStringList{QString::number(tile2), QString::number(tile5)}));

  // Another participant's exchange sounds different; none happens once the game is over.
  game_.CurrentPlayer = 2;
  RefillRack(game_, 2);
  ToggleExchangeMark(game_, 1);
  view_.ClearCalls();
  ExchangeLetters(game_, 2);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::PlaySoundEffect), QStringList{"change2"});
  ToggleExchangeMark(game_, 2);
  game_.SetGameOver(true);
  ExchangeLetters(game_, 2);
  EXPECT_EQ(game_.Players[2].ExchangeRun, 1);
  EXPECT_TRUE(game_.Racks[2][2].ExchangeMark);
}

TEST_F(Racks, WithSevenLeftAnExchangedLetterGoesBackAsARandomEntry) {
  // The bag holds only A; an exchanged A comes back as A, B or a star.
  std::string withSeven, withEight;
  for (std::uint32_t seed = 1; seed <= 10; ++seed) {
    for (const int left : {7, 8}) {
      game_.Seed(seed);
      StartSmallGame({30, 0, 0});
      RefillRack(game_, 1);
      KeepInBag(std::string(static_cast<std::size_t>(left), 'A'));
      ToggleExchangeMark(game_, 1);
      const int tile = game_.Racks[1][1].TileIndex;
      ExchangeLetters(game_, 1);
      const TTile& back = game_.TileTable[tile];
      ASSERT_EQ(back.Letter(), game_.PlayField(back.Spot.a, back.Spot.b).BagLetter);
      ASSERT_EQ(back.Star, back.Letter() == kStar);
      (left == 7 ? withSeven : withEight) += back.Letter();
    }
  }
  EXPECT_EQ(withEight, std::string(10, 'A'));
  EXPECT_NE(withSeven.find_first_not_of('A'), std::string::npos) << withSeven;
}

TEST_F(Racks, ShiftMarksReturnLaidLettersThenMarkAllAndThenClearAll) {
  StartSmallGame({15, 15, 0});
  RefillRack(game_, 1);
  const int laid = game_.Racks[1][3].TileIndex;
  Lay(1, 3, 2, 2);
  ToggleAllExchangeMarks(game_);
  EXPECT_EQ(EmptySlotCount(game_, 1), 0);
  EXPECT_EQ(game_.PlayField(2, 2).PendingLetter, ' ');
  EXPECT_EQ(game_.PlayField(2, 2).TileIndex, -1);
  EXPECT_EQ(game_.TileTable[laid].Spot, TileSpot::Rack(1, 3));  // the first empty slot
  for (int slot = 1; slot <= kRackSlots; ++slot) EXPECT_TRUE(game_.Racks[1][slot].ExchangeMark);

  ToggleAllExchangeMarks(game_);
  for (int slot = 1; slot <= kRackSlots; ++slot) EXPECT_FALSE(game_.Racks[1][slot].ExchangeMark);
}

TEST_F(Racks, TheExchangeCommandNeedsAMarkAndAsksFromTheSixthExchangeOn) {
  StartSmallGame({15, 15, 0});
  game_.Settings.PlaySounds = true;
  RefillRack(game_, 1);
  const std::string rack = RackLetters(1);
  EXPECT_EQ(ExchangeMarkedLetters(game_), ExchangeOutcome::NothingMarked);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::PlaySoundEffect), QStringList{"error"});
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ShowInGameMessage).size(), 1u);
  EXPECT_EQ(game_.Players[1].ExchangeRun, 0);
  EXPECT_EQ(RackLetters(1), rack);

  game_.Players[1].ExchangeRun = 5;
  ToggleExchangeMark(game_, 1);
  view_.AnswerQuestions({false, true});
  EXPECT_EQ(ExchangeMarkedLetters(game_), ExchangeOutcome::Declined);
  EXPECT_EQ(EmptySlotCount(game_, 1), 0);
  EXPECT_EQ(game_.Players[1].ExchangeRun, 5);

  // Yes: laid letters come back first, selections go, a hint of this move is spent.
  Lay(1, 2, 3, 3);
  game_.PlayField.SelectionMark(3, 3) = kMarkHorizontal;
  game_.HintUsedThisMove = true;
  game_.HintsLeft = 1;
  EXPECT_EQ(ExchangeMarkedLetters(game_), ExchangeOutcome::Exchanged);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::AskInGameQuestion).size(), 2u);
  EXPECT_EQ(game_.Players[1].ExchangeRun, 6);
  EXPECT_EQ(EmptySlotCount(game_, 1), 1);
  EXPECT_EQ(game_.PlayField(3, 3).TileIndex, -1);
  EXPECT_EQ(game_.PlayField.SelectionMark(3, 3), 0);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ClearSelectionFrames).size(), 1u);
  EXPECT_EQ(game_.HintsLeft, 0);
  EXPECT_FALSE(game_.HintUsedThisMove);
}

TEST_F(Racks, OnlyTheParticipantsOwnLaidTileComesBackFromTheBoard) {
  StartSmallGame({15, 15, 0});
  RefillRack(game_, 1);
  RefillRack(game_, 2);
  const int othersTile = game_.Racks[2][1].TileIndex;
  Lay(2, 1, 4, 4);
  EXPECT_FALSE(TakeTileToRack(game_, TakeFrom::Board, 1, 4, 4));
  ReturnLaidLetters(game_);  // participant 1 is on turn
  EXPECT_EQ(game_.PlayField(4, 4).TileIndex, othersTile);
  EXPECT_EQ(game_.TileTable[othersTile].Spot, TileSpot::Board(4, 4));
  EXPECT_FALSE(TakeTileToRack(game_, TakeFrom::Board, 2, 5, 5));  // nothing lies there
  EXPECT_FALSE(TakeTileToRack(game_, TakeFrom::Bag, 1, 6, 5));    // his rack is full
}

TEST_F(Racks, TakingLettersByHandEndsWithAFullRackAndItsRecord) {
  StartSmallGame({15, 15, 0});
  game_.TurnPhase = TTurnPhase::DrawPhase;
  EXPECT_EQ(TakeClickedBagTile(game_, 1, 1), ClickedTileResult::Taken);
  EXPECT_EQ(TakeClickedBagTile(game_, 1, 1), ClickedTileResult::Ignored);  // already taken
  for (int x = 2; x <= 6; ++x) EXPECT_EQ(TakeClickedBagTile(game_, x, 1), ClickedTileResult::Taken);
  EXPECT_EQ(game_.MoveLog.Lines().back(), "(1)P1=");
  EXPECT_EQ(TakeClickedBagTile(game_, 1, 2), ClickedTileResult::DrawingFinished);
  EXPECT_EQ(game_.BagCount, 23);
  EXPECT_EQ(game_.MoveLog.Lines().back().substr(0, 11), "(1)P1=SLOT:");

  game_.CurrentPlayer = 2;  // a computer does not click
  EXPECT_EQ(TakeClickedBagTile(game_, 2, 2), ClickedTileResult::Ignored);
}

TEST_F(Racks, AStarOnTheBoardIsTakenBackForTheLetterItStandsFor) {
  StartSmallGame({15, 15, 0});
  game_.Settings.ExchangeStars = true;
  RefillRack(game_, 1);
  int a = -1, b = -1;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    const TRackSlot& rackSlot = game_.Racks[1][slot];
    (rackSlot.Letter == 'A' ? a : b) = rackSlot.TileIndex;
  }
  ASSERT_GE(a, 0);
  ASSERT_GE(b, 0);
  // A star laid by participant 2 on cell (3, 3), standing for A.
  const int starTile = TakeOutOfBag(1, 5);
  TTile& star = game_.TileTable[starTile];
  star = {.Hint = "A2C",
          .Owner = kOwnerCommitted,
          .Star = true,
          .FaceUp = true,
          .Spot = TileSpot::Board(3, 3)};
  game_.PlayField(3, 3).Letter = 'A';
  game_.PlayField(3, 3).TileIndex = static_cast<std::int16_t>(starTile);

  EXPECT_FALSE(TakeBackStar(game_, b, 3, 3));  // a B does not fit
  game_.Settings.ExchangeStars = false;
  EXPECT_FALSE(TakeBackStar(game_, a, 3, 3));
  game_.Settings.ExchangeStars = true;
  ASSERT_TRUE(TakeBackStar(game_, a, 3, 3));
  EXPECT_TRUE(game_.TileTable[a].Star);
  EXPECT_EQ(game_.TileTable[a].Letter(), kStar);
  EXPECT_FALSE(star.Star);
  EXPECT_EQ(star.Hint, "A2");
  EXPECT_TRUE(star.StarTakenBack);
  EXPECT_FALSE(TakeBackStar(game_, b, 3, 3));  // no star lies there any more

  // A second take-back in the same turn adds to the same token.
  star.Star = true;
  game_.PlayField(3, 3).Letter = 'B';
  ASSERT_TRUE(TakeBackStar(game_, b, 3, 3));
  const std::string s = std::to_string(starTile);
  const std::string& line = game_.MoveLog.Lines().back();
  EXPECT_EQ(line.substr(line.find("TAKESTAR:")),
            "TAKESTAR:" + std::to_string(a) + "/" + s + "," + std::to_string(b) + "/" + s + ",");
}

TEST_F(Racks, NothingIsRecordedOrFlownWhileASavedGameIsReplayed) {
  StartSmallGame({15, 15, 0});
  game_.LoadingGame = true;
  view_.ClearCalls();
  RefillRack(game_, 1);
  EXPECT_EQ(EmptySlotCount(game_, 1), 0);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::FlyTile).empty());
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ShowTile).size(), 7u);
  EXPECT_EQ(game_.MoveLog.Lines().back(), "(1)P1=");
}

}  // namespace
}  // namespace quorim
