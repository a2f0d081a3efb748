// The flash timer's faces: what blinks, at which pace, and that nothing does outside a running
// game.

#include "flow/Blinking.h"

#include "BoardFixture.h"
#include "flow/GameScreen.h"

#include <vector>

namespace quorim::test {
namespace {

class BlinkingTest : public BoardFixture {
 protected:
  BlinkingTest() {
    game_.GameRunning = true;
    game_.Settings.AnimHighlightActivePlayer = false;
  }

  // A tile of the participant on his rack slot, marked for exchange or not.
  int RackTile(int player, int slot, bool marked) {
    const int tile = NewTile('K', player);
    game_.Racks[player][slot] = {'K', 0, 0, marked, static_cast<std::int16_t>(tile)};
    return tile;
  }

  FlashFace Odd() const { return FlashFaceAt(game_, 7); }
  FlashFace Even() const { return FlashFaceAt(game_, 8); }
};

TEST_F(BlinkingTest, MarkedTilesOfTheParticipantOnTurnGoOffOnOddTicksAtTheFastPace) {
  const int marked = RackTile(1, 2, true);
  RackTile(1, 3, false);
  RackTile(2, 2, true);  // not on turn

  EXPECT_EQ(Odd().hiddenTiles, std::vector<int>{marked});
  EXPECT_EQ(Odd().interval, kFastFlashInterval);
  EXPECT_TRUE(Even().hiddenTiles.empty());
  EXPECT_EQ(Even().interval, kFastFlashInterval);

  // the mark cleared: shown on every tick, and the pace is normal again
  game_.Racks[1][2].ExchangeMark = false;
  EXPECT_TRUE(Odd().hiddenTiles.empty());
  EXPECT_EQ(Odd().interval, kFlashInterval);
}

TEST_F(BlinkingTest, ARefusedWordBlinksAtTheNormalPaceAndAStarWaitingForItsLetterFast) {
  const int laid = NewTile('C', 1 + kOwnerBlinkMark);
  const int earlier = NewTile('A', kOwnerCommitted + kOwnerBlinkMark);  // a repeated word's twin
  NewTile('T', 1);
  NewTile('S', kOwnerCommitted);
  EXPECT_EQ(Odd().hiddenTiles, (std::vector<int>{laid, earlier}));
  EXPECT_TRUE(Even().hiddenTiles.empty());
  EXPECT_EQ(Odd().interval, kFlashInterval);

  const int star = NewTile(game_.Alphabet.StarCode(), kOwnerStarChoice);
  EXPECT_EQ(Odd().hiddenTiles, (std::vector<int>{laid, earlier, star}));
  EXPECT_EQ(Even().interval, kFastFlashInterval);
}

TEST_F(BlinkingTest, StarMarksTurnSilverOnOddTicksOnlyWhenBothStarSettingsAreOn) {
  const int star = NewTile(game_.Alphabet.StarCode(), kOwnerCommitted);
  game_.TileTable[star].StarMark = true;
  // a star taken back: its tile keeps a mark but is a letter now
  const int takenBack = NewTile('K', kOwnerCommitted);
  game_.TileTable[takenBack].StarTakenBack = true;

  game_.Settings.FlashStarMarkers = true;
  game_.Settings.ExchangeStars = false;
  EXPECT_TRUE(Odd().silverStarMarks.empty());

  game_.Settings.ExchangeStars = true;
  EXPECT_EQ(Odd().silverStarMarks, std::vector<int>{star});
  EXPECT_TRUE(Even().silverStarMarks.empty());
  EXPECT_TRUE(Odd().hiddenTiles.empty());
  EXPECT_EQ(Odd().interval, kFlashInterval);

  game_.Settings.FlashStarMarkers = false;
  EXPECT_TRUE(Odd().silverStarMarks.empty());
}

TEST_F(BlinkingTest, TheStatusLineFlashesAStatusTextAndTheNumberOnTurnFlashesWhenHighlighted) {
  ShowStatus(game_, QStringLiteral(" Ann takes letters "), 65280);
  EXPECT_TRUE(Odd().announceHidden);
  EXPECT_FALSE(Even().announceHidden);
  // a text that is no status stands still
  game_.View().SetControlTag(names::FlashAnnounce, 0);
  EXPECT_FALSE(Odd().announceHidden);
  ShowStatus(game_, QString(), 65280);
  EXPECT_FALSE(Odd().announceHidden);

  game_.CurrentPlayer = 2;
  EXPECT_EQ(Odd().hiddenNumberLabel, 0);
  game_.Settings.AnimHighlightActivePlayer = true;
  EXPECT_EQ(Odd().hiddenNumberLabel, 2);
  EXPECT_EQ(Even().hiddenNumberLabel, 0);
}

TEST_F(BlinkingTest, NothingBlinksWithoutARunningGameNorWhileASavedGameIsReplayed) {
  RackTile(1, 2, true);
  NewTile('C', 1 + kOwnerBlinkMark);
  NewTile(game_.Alphabet.StarCode(), kOwnerStarChoice);
  ShowStatus(game_, QStringLiteral(" Loading "), 65535);
  game_.Settings.AnimHighlightActivePlayer = true;
  const auto steady = [](const FlashFace& face) {
    return face.hiddenTiles.empty() && face.silverStarMarks.empty() && !face.announceHidden &&
           face.hiddenNumberLabel == 0 && face.interval == kFlashInterval;
  };
  ASSERT_FALSE(steady(Odd()));

  game_.LoadingGame = true;
  EXPECT_TRUE(steady(Odd()));
  game_.LoadingGame = false;
  game_.GameRunning = false;
  EXPECT_TRUE(steady(Odd()));
  EXPECT_TRUE(steady(FlashFace{}));
}

}  // namespace
}  // namespace quorim::test
