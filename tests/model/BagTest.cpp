#include "model/Bag.h"
#include "model/Layouts.h"

#include "GameFixture.h"

namespace quorim {
namespace {

class Bag : public test::GameFixture {};

TEST_F(Bag, WholeSetsComeFirstThenAPartialSetPassByPassInOrderOfQuantity) {
  // 126 letters per set: B 50, C 40, A 30 and 6 stars (D). 225 places hold one set and 99 more:
  // six passes over all four, then B, C, A until A runs out, then B, C, and the last place is B's.
  UseAlphabet("ABC", {30, 50, 40, 6});
  SetUpGame("");  // a random 15 x 15 layout
  EXPECT_EQ(game_.BagCount, 225);
  EXPECT_EQ(BagLetters('B'), 50 + 32);
  EXPECT_EQ(BagLetters('C'), 40 + 31);
  EXPECT_EQ(BagLetters('A'), 30 + 30);
  EXPECT_EQ(BagLetters('D'), 6 + 6);
}

TEST_F(Bag, EveryPlaceGetsAFaceDownTileAndTheRecordGetsTheBagString) {
  UseAlphabet("AB", {1, 1, 1});
  WriteTemplate("tiny.map", {"Tiny", "16", "11"});
  SetUpGame("tiny.map");
  ASSERT_EQ(game_.MoveLog.Lines().size(), 2u);
  const std::string& bag = game_.MoveLog.Lines()[1];
  ASSERT_EQ(bag.size(), 8u);
  ASSERT_EQ(game_.TileTable.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    const TTile& tile = game_.TileTable[k];
    const int x = k % 2 + 1, y = k / 2 + 1;
    EXPECT_EQ(tile.Spot, TileSpot::Bag(x, y));
    EXPECT_EQ(tile.Owner, kOwnerBag);
    EXPECT_FALSE(tile.FaceUp);
    EXPECT_EQ(tile.Letter(), game_.PlayField(x, y).BagLetter);
    EXPECT_EQ(tile.Star, tile.Letter() == 'C');
    EXPECT_EQ(bag.substr(2 * k, 2), (std::string{tile.Letter(), ','}));
  }
  // A full set and one more letter: the first entry, as all quantities are equal.
  EXPECT_EQ(BagLetters('A'), 2);
}

TEST_F(Bag, AReplayedGameKeepsItsBagLettersAndCountsThem) {
  UseAlphabet("AB", {1, 1, 1});
  WriteTemplate("tiny.map", {"Tiny", "11", "11"});
  BuildPlayField(game_, "tiny.map");
  const char letters[] = {'B', 'B', ' ', 'C'};
  for (int k = 0; k < 4; ++k) game_.PlayField(k % 2 + 1, k / 2 + 1).BagLetter = letters[k];
  game_.LoadingGame = true;
  game_.MoveLog.Start();
  FillBag(game_);
  EXPECT_EQ(game_.BagCount, 3);
  EXPECT_EQ(game_.MoveLog.Lines(), std::vector<std::string>{"B,B, ,C,"});
  EXPECT_TRUE(game_.TileTable[3].Star);
}

}  // namespace
}  // namespace quorim
