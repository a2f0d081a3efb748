// How a score display counts to a new score, where it blinks at the score limit, and where the
// scanning markers stand beside the board.

#include "flow/ScreenEffects.h"

#include "model/Players.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorim {
namespace {

// "plate while counting, plate after, colour key and fallback, sound"
std::string Look(int player) {
  const auto count = CountingScore(player, 10, 12, 0);
  if (!count) return "none";
  return (count->countingPlate + u' ' + count->finalPlate + u' ' +
          QString::fromUtf16(count->finalColor.key) + u' ' +
          QString::number(count->finalColor.fallback) + u' ' + count->sound)
      .toStdString();
}

TEST(CountingScore, OddAndEvenParticipantsCountOnTheirOwnPlatesInTheirOwnColours) {
  EXPECT_EQ(Look(3), "ScrG2 ScrG1 InGamePlayerColor1 65280 score2");
  EXPECT_EQ(Look(2), "ScrM2 ScrM1 InGamePlayerColor2 16711935 score1");
}

TEST(CountingScore, EveryPointIsShownOnTheWayInWhiteUpAndInBlackDown) {
  const auto up = CountingScore(1, 10, 14, 0);
  ASSERT_TRUE(up);
  EXPECT_EQ(up->steps, (std::vector<int>{11, 12, 13, 14}));
  EXPECT_EQ(up->countingColor, colors::White);
  EXPECT_EQ(up->limitStep, -1);

  const auto down = CountingScore(1, 14, 11, 0);  // a hint's penalty
  ASSERT_TRUE(down);
  EXPECT_EQ(down->steps, (std::vector<int>{13, 12, 11}));
  EXPECT_EQ(down->countingColor, colors::Black);
}

TEST(CountingScore, NothingCountsOutsideTheNineDisplaysOrWithoutAChange) {
  EXPECT_FALSE(CountingScore(0, 1, 5, 0));
  EXPECT_FALSE(CountingScore(10, 1, 5, 0));
  EXPECT_FALSE(CountingScore(2, 5, 5, 0));
  EXPECT_TRUE(CountingScore(9, 1, 5, 0));
}

TEST(CountingScore, TheDisplayBlinksWhereTheCountReachesTheScoreLimit) {
  const auto passing = CountingScore(1, 95, 103, 100);
  ASSERT_TRUE(passing);
  ASSERT_GE(passing->limitStep, 0);
  EXPECT_EQ(passing->steps[static_cast<std::size_t>(passing->limitStep)], 100);

  const auto landing = CountingScore(1, 90, 100, 100);
  EXPECT_EQ(landing->limitStep, static_cast<int>(landing->steps.size()) - 1);
  // already there, short of it, or no limit at all
  EXPECT_EQ(CountingScore(1, 100, 110, 100)->limitStep, -1);
  EXPECT_EQ(CountingScore(1, 50, 99, 100)->limitStep, -1);
  EXPECT_EQ(CountingScore(1, 95, 103, 0)->limitStep, -1);
}

TEST(CountingScore, AHugeCountTakesBiggerStepsAndStillEndsOnTheNewScore) {
  const auto count = CountingScore(1, 3, 65000, 1000);
  ASSERT_TRUE(count);
  EXPECT_LE(count->steps.size(), static_cast<std::size_t>(kMaxScoreSteps));
  EXPECT_EQ(count->steps.back(), 65000);
  EXPECT_TRUE(std::ranges::is_sorted(count->steps));
  ASSERT_GE(count->limitStep, 1);
  // the first number at or past the limit
  EXPECT_GE(count->steps[static_cast<std::size_t>(count->limitStep)], 1000);
  EXPECT_LT(count->steps[static_cast<std::size_t>(count->limitStep) - 1], 1000);
}

// The centre of cell column or row n in the board picture, as the tiles lie there.
int CellCentre(int n) {
  return 28 * n - 9 + 13;
}

TEST(ScanMarkers, StandInTheSideMarginsBesideARowAndLieInTheTopAndBottomMarginsOverAColumn) {
  const ScreenSize board = BoardPictureSize(15, 15);
  for (int line : {1, 8, 15}) {
    const ScanMarkerPlaces across = PlaceScanMarkers(kHorizontal, line, board);
    EXPECT_FALSE(across.lying);
    for (const ScreenRect& marker : {across.first, across.second}) {
      EXPECT_EQ(marker.width, kMarkerWidth);
      EXPECT_EQ(marker.top + marker.height / 2, CellCentre(line));
    }
    // in the margins beside the cells, inside the picture
    EXPECT_GE(across.first.left, 0);
    EXPECT_LE(across.first.Right(), 18);
    EXPECT_GE(across.second.left, 28 * 15 + 16);
    EXPECT_EQ(across.second.Right(), board.width);

    const ScanMarkerPlaces down = PlaceScanMarkers(kVertical, line, board);
    EXPECT_TRUE(down.lying);
    for (const ScreenRect& marker : {down.first, down.second}) {
      EXPECT_EQ(marker.height, kMarkerWidth);
      EXPECT_EQ(marker.left + marker.width / 2, CellCentre(line));
    }
    EXPECT_LE(down.first.Bottom(), 18);
    EXPECT_EQ(down.second.Bottom(), board.height);
  }
}

}  // namespace
}  // namespace quorim
