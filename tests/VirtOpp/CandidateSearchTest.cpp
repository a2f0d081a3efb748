#include "ComputerFixture.h"

#include <gmock/gmock.h>

namespace quorim::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

using CandidateSearchTest = ComputerFixture;

TEST_F(CandidateSearchTest, OnAnEmptyBoardEveryWordStartsOnTheStartCell) {
  Words({"CAT", "ACT", "DOG"});
  Rack("TAC");
  EXPECT_THAT(Search(), UnorderedElementsAre("ACT H 8,8", "CAT H 8,8", "ACT V 8,8", "CAT V 8,8"));
}

TEST_F(CandidateSearchTest, ASecondStartCellTakesAWordRightUpToTheEdge) {
  game_.PlayField(kMiddle, kMiddle).Kind = kCellPlain;
  game_.PlayField(12, kMiddle).Kind = kCellStart;
  Words({"BEAD"});
  Rack("DABE");
  EXPECT_THAT(Search(), ElementsAre("BEAD H 12,8", "BEAD V 12,8"));  // 12..15 of 15 cells
}

TEST_F(CandidateSearchTest, RunsOfLettersAreBuiltOnFromNormalIntellectOn) {
  Old(8, kMiddle, "AT");
  Words({"CAT"});
  Rack("C");
  game_.Intellect = 1;
  EXPECT_THAT(Search(), IsEmpty());  // neither A nor T is a single letter of the row
  for (int intellect : {2, 3}) {
    game_.Intellect = static_cast<std::uint8_t>(intellect);
    EXPECT_THAT(Search(), ElementsAre("CAT H 7,8")) << intellect;
  }
}

TEST_F(CandidateSearchTest, RunsInTheLastRowAndColumnAreFound) {
  Old(7, kSide, "AT");
  Old(kSide, 3, "AT", kVertical);
  Words({"CAT"});
  Rack("CC");
  EXPECT_THAT(Search(), UnorderedElementsAre("CAT H 6,15", "CAT V 15,2"));
}

TEST_F(CandidateSearchTest, TwoStarsStandForTwoMissingLetters) {
  Words({"CAT", "CATS", "SCATS"});
  Rack("CA**");
  Search();
  EXPECT_THAT(FoundWithWord("CAT"), ElementsAre("CAT H 8,8", "CAT V 8,8"));
  EXPECT_THAT(FoundWithWord("CATS"), ElementsAre("CATS H 8,8", "CATS V 8,8"));
  EXPECT_THAT(FoundWithWord("SCATS"), IsEmpty());  // three letters missing
}

TEST_F(CandidateSearchTest, ALowIntellectNeverSpendsAStar) {
  Words({"CAT"});
  Rack("CA*");
  game_.Intellect = 1;
  EXPECT_THAT(Search(), IsEmpty());
  game_.Intellect = 2;
  EXPECT_THAT(Search(), ElementsAre("CAT H 8,8", "CAT V 8,8"));

  // nor for a letter the line offers only at another of its anchors
  Old(4, 3, "A");
  Old(10, 3, "T");
  Rack("C*");
  game_.Intellect = 1;
  EXPECT_THAT(Search(), IsEmpty());
  game_.Intellect = 2;
  EXPECT_THAT(Search(), ElementsAre("CAT H 3,3", "CAT V 4,2", "CAT V 10,1"));
}

TEST_F(CandidateSearchTest, AWordIsPlacedOncePerLineAtTheFirstAnchorItFits) {
  Old(3, kMiddle, "A");
  Old(10, kMiddle, "A");
  Words({"AT"});
  Rack("T");
  EXPECT_THAT(Search(), ElementsAre("AT H 3,8", "AT V 3,8", "AT V 10,8"));
}

TEST_F(CandidateSearchTest, WordsNoLongerThanTheLengthLimitAreNeverFitted) {
  Words({"CAT", "CATS"});
  Rack("CATS");
  game_.Settings.LastWordLengthLimit = 3;
  EXPECT_THAT(Search(), ElementsAre("CATS H 8,8", "CATS V 8,8"));
}

TEST_F(CandidateSearchTest, AHintOffersNoLetterBesideALetterAcrossItsLine) {
  Old(7, kMiddle, "CAT");
  Old(8, 7, "B");
  Words({"AT", "BA"});
  Rack("A");
  Search();
  EXPECT_THAT(FoundWithWord("AT"), ElementsAre("AT V 9,7"));  // beside the B
  game_.HintUsedThisMove = true;
  SearchCandidates(game_, 1, SearchPurpose::Hint);
  EXPECT_THAT(Described(game_.FoundCandidates), IsEmpty());
}

TEST_F(CandidateSearchTest, AHintOffersNoWordPlayedBefore) {
  Old(7, kMiddle, "CAT");
  Words({"TO"});
  Rack("O");
  game_.HintUsedThisMove = true;
  SearchCandidates(game_, 1, SearchPurpose::Hint);
  EXPECT_THAT(Described(game_.FoundCandidates), ElementsAre("TO V 9,8"));
  Old(2, 2, "TO");
  SearchCandidates(game_, 1, SearchPurpose::Hint);
  EXPECT_THAT(Described(game_.FoundCandidates), IsEmpty());
}

TEST_F(CandidateSearchTest, AHintShowsEachPlacementWithTheRackTilesAndTakesThemBack) {
  Words({"AT"});
  Rack("TA*");
  game_.HintUsedThisMove = true;
  game_.Settings.HintPushButton = true;
  SearchCandidates(game_, 1, SearchPurpose::Hint);
  ASSERT_EQ(game_.FoundCandidates.size(), 2u);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::WaitForClickOrKey).size(), 2u);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::MoveScanMarkers).size(), 2u * kSide);
  for (int slot = 1; slot <= 3; ++slot) {
    const TTile& tile = game_.TileTable[game_.Racks[1][slot].TileIndex];
    EXPECT_EQ(tile.Spot, TileSpot::Rack(1, slot));
  }
  EXPECT_EQ(game_.TileTable[game_.Racks[1][3].TileIndex].Letter(), Star());
  // the A went to the board and back for each of the two placements
  EXPECT_EQ(
      view_.FirstArgs(ViewCallName::ShowTile).count(QString::number(game_.Racks[1][2].TileIndex)),
      4);
}

TEST_F(CandidateSearchTest, ACancelledHintKeepsWhatItFoundSoFar) {
  Old(3, 2, "A");
  Old(3, 6, "A");
  Words({"AT"});
  Rack("T");
  game_.HintUsedThisMove = true;
  game_.Settings.HintPushButton = false;
  // the person presses the hint command again while row 4 is scanned
  view_.DuringWaits([&](int) {
    if (view_.CallsNamed(ViewCallName::MoveScanMarkers).size() == 4) game_.SetHintCancel(true);
  });
  SearchCandidates(game_, 1, SearchPurpose::Hint);
  EXPECT_THAT(Described(game_.FoundCandidates), ElementsAre("AT H 3,2"));
}

TEST_F(CandidateSearchTest, RoughScoresCountBonusesModulo256) {
  game_.PlayField(8, kMiddle).Kind = kCellLetterX3;
  game_.PlayField(9, kMiddle).Kind = kCellWordX2;
  game_.PlayField(10, kMiddle).Kind = kCellWordX3;
  std::uint8_t multiplier = 0;
  EXPECT_EQ(RoughLetterScore(game_, 'C', 8, kMiddle, multiplier), 9);
  EXPECT_EQ(RoughLetterScore(game_, 'A', 9, kMiddle, multiplier), 1);
  EXPECT_EQ(RoughLetterScore(game_, 'T', 10, kMiddle, multiplier), 20);
  EXPECT_EQ(multiplier, 5);
  game_.Alphabet.LetterValue[25] = 0x164;  // Z: only the low byte counts
  EXPECT_EQ(RoughLetterScore(game_, 'Z', 1, 1, multiplier), 0x64);
  EXPECT_EQ(RoughLetterScore(game_, 'Z', 8, kMiddle, multiplier), 0x2C);  // 300 - 256

  game_.PlayField(8, kMiddle).Kind = kCellStart;
  Words({"CAT"});
  Rack("CAT");
  Search();
  ASSERT_FALSE(game_.FoundCandidates.empty());
  EXPECT_EQ(game_.FoundCandidates.front().RoughScore, (3 + 1 + 20) * 5);
}

TEST_F(CandidateSearchTest, CandidatesAreTriedInTheOrderOfTheExchangeSort) {
  for (const auto& [word, score] : {std::pair{"A", 5}, {"B", 5}, {"C", 9}, {"D", 7}, {"E", 9}}) {
    TCandidate candidate;
    candidate.Word = word;
    candidate.RoughScore = static_cast<std::uint8_t>(score);
    game_.FoundCandidates.push_back(candidate);
  }
  LoadCandidates(game_);
  std::string order;
  for (const TCandidate& c : game_.Candidates) order += c.Word;
  EXPECT_EQ(order, "CEDBA");  // not a stable sort: B has overtaken A
}

TEST_F(CandidateSearchTest, TheUsersAddedWordsAreUsedOnlyWithTheUserLists) {
  game_.WordLists.Append(kAddedWordsSlot, "tac");
  Rack("CAT");
  EXPECT_THAT(Search(), IsEmpty());
  game_.Settings.UseCustomDictionary = true;
  EXPECT_THAT(Search(), ElementsAre("TAC H 8,8", "TAC V 8,8"));
}

}  // namespace
}  // namespace quorim::test
