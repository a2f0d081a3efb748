#include "ComputerFixture.h"
#include "VirtOpp/ComputerMove.h"

#include <gmock/gmock.h>

namespace quorim::test {
namespace {

class ComputerMoveTest : public ComputerFixture {
 protected:
  bool SearchAndLay() {
    SearchCandidates(game_, 1, SearchPurpose::ComputerMove);
    LoadCandidates(game_);
    return ChooseAndLay(game_, 1);
  }

  // CAT across the middle, and an E below and right of its T: an X under the T would form "XE".
  void CatAndLoneE() {
    Old(7, kMiddle, "CAT");
    Old(10, 10, "E");
    Words({"TAX", "AN"});
    Rack("AXN");
  }

  // CAT across the middle; the A is a star of participant 2.
  int CatWithStarA() {
    Old(7, kMiddle, "CAT");
    const int boardTile = game_.PlayField(8, kMiddle).TileIndex;
    TTile& star = game_.TileTable[boardTile];
    star.Star = true;
    star.Hint = std::string("A2") + Star();
    Rack("QA");
    game_.Settings.ExchangeStars = true;
    return boardTile;
  }
};

TEST_F(ComputerMoveTest, ACandidateFormingAnUnknownCrossWordGivesWayToTheNext) {
  CatAndLoneE();
  ASSERT_TRUE(SearchAndLay());
  EXPECT_EQ(Column(9), ".......T.......");  // TAX would have made XE
  EXPECT_EQ(Column(8), ".......AN......");
  EXPECT_EQ(game_.Players[1].Score, 1 + 14);
  EXPECT_EQ(RackLetters(), "AX_____");
  EXPECT_EQ(MoveLine(), "(1)Ann=WORDS:AN(15)80908V,");
}

TEST_F(ComputerMoveTest, AKnownCrossWordIsScoredWithTheCandidate) {
  CatAndLoneE();
  Words({"XE"});
  ASSERT_TRUE(SearchAndLay());
  EXPECT_EQ(Column(9), ".......TAX.....");
  EXPECT_EQ(game_.Players[1].Score, (20 + 1 + 24) + (24 + 5));
  EXPECT_EQ(MoveLine(), "(1)Ann=WORDS:TAX(45)81009V,XE(29)91010H,");
}

TEST_F(ComputerMoveTest, ACrossWordTheUserExcludedRefusesTheCandidate) {
  CatAndLoneE();
  Words({"XE"});
  game_.Settings.UseCustomDictionary = true;
  game_.WordLists.Append(kExcludedWordsSlot, "XE");
  ASSERT_TRUE(SearchAndLay());
  EXPECT_EQ(Column(8), ".......AN......");
  EXPECT_EQ(Column(9), ".......T.......");
}

TEST_F(ComputerMoveTest, WithSelectedWordsOnlyTheCandidatesOwnWordCounts) {
  CatAndLoneE();
  game_.Settings.SelectWordMode = true;
  game_.OpponentPass = 1;
  ComputerMove(game_, 1, SearchPurpose::ComputerMove);
  // TAX from the T of CAT: the letters before it are not read with it
  EXPECT_EQ(Row(kMiddle), "......CATAX....");
  EXPECT_EQ(game_.Players[1].Score, 20 + 1 + 24);
  EXPECT_TRUE(game_.SelectionFrames.empty());  // the frames go with the end of the move
}

TEST_F(ComputerMoveTest, HighIntellectLaysEveryCandidateTheRackStillSupplies) {
  Old(7, kMiddle, "CAT");
  Words({"TO", "CN", "NA"});  // rough scores 35, 17 and 15; CN and NA need the one N
  Rack("NOXQ");
  game_.Intellect = 3;
  ASSERT_TRUE(SearchAndLay());
  EXPECT_EQ(Column(9), ".......TO......");
  EXPECT_EQ(Column(7), ".......CN......");
  EXPECT_EQ(Column(8), ".......A.......");
  EXPECT_EQ(game_.Players[1].Score, 35 + 17);
  EXPECT_EQ(RackLetters(), "__XQ___");
}

TEST_F(ComputerMoveTest, NormalIntellectLaysTheFirstAcceptedCandidateOnly) {
  Old(7, kMiddle, "CAT");
  Words({"TO", "CN", "NA"});
  Rack("NOXQ");
  ASSERT_TRUE(SearchAndLay());
  EXPECT_EQ(Column(9), ".......TO......");
  EXPECT_EQ(Column(7), ".......C.......");
  EXPECT_EQ(game_.Players[1].Score, 35);
}

TEST_F(ComputerMoveTest, TheSecondPassBuildsOnTheFirstAndTheTurnReportsAllItsTiles) {
  Old(7, kMiddle, "CAT");
  Words({"TO", "CN", "NA", "OX"});
  Rack("NOXQ");
  game_.Intellect = 3;
  const std::uint16_t scoreBefore = game_.Players[1].Score;
  ComputerTurn(game_, 1);
  EXPECT_EQ(game_.OpponentPass, 2);
  EXPECT_EQ(Row(9), "......N.OX.....");
  EXPECT_EQ(MoveLine(), "(1)Ann=WORDS:TO(35)80909V,CN(17)80907V,OX(39)91009H,(USED:123),");
  // the undo record holds the board and score from before the turn, and the three words
  EXPECT_EQ(game_.ComputerUndo.Score, scoreBefore);
  EXPECT_EQ(game_.ComputerUndo.WordsLaid, 3);
  EXPECT_EQ(game_.ComputerUndo.Cells[(9 - 1) * kSide + (9 - 1)].PendingLetter, ' ');
}

TEST_F(ComputerMoveTest, EmptyingTheRackEarnsTheBonusAndEndsTheTurn) {
  Words({"CABBAGE"});
  Rack("CABBAGE");
  game_.Intellect = 3;
  ComputerTurn(game_, 1);
  EXPECT_EQ(game_.OpponentPass, 1);
  EXPECT_EQ(Row(kMiddle), ".......CABBAGE.");
  EXPECT_EQ(game_.Players[1].Score, 21 + 15);
  EXPECT_EQ(MoveLine(), "(1)Ann=WORDS:CABBAGE(21)81408H,FULLSETBONUS,(USED:1234567),");
}

TEST_F(ComputerMoveTest, StarsInTheRackStandForTheLettersTheyAreLaidAs) {
  Words({"CATS"});
  Rack("CA**Q");
  ASSERT_TRUE(SearchAndLay());
  EXPECT_EQ(Row(kMiddle), ".......CATS....");
  for (int x : {10, 11}) {
    const TTile& tile = game_.TileTable[game_.PlayField(x, kMiddle).TileIndex];
    EXPECT_TRUE(tile.Star);
    EXPECT_EQ(tile.Hint, std::string(1, game_.PlayField(x, kMiddle).Letter) + '1' + Star());
  }
  EXPECT_EQ(game_.Players[1].Score, 3 + 1 + 20 + 19);
}

TEST_F(ComputerMoveTest, NothingToLayExchangesInTheFirstPassOnly) {
  Rack("QZ");
  game_.OpponentPass = 2;
  ComputerMove(game_, 1, SearchPurpose::ComputerMove);
  EXPECT_EQ(RackLetters(), "QZ_____");
  game_.OpponentPass = 1;
  ComputerMove(game_, 1, SearchPurpose::ComputerMove);
  EXPECT_TRUE(game_.OpponentExchanged);
  EXPECT_EQ(RackLetters(), "_______");
  EXPECT_EQ(game_.Players[1].ExchangeRun, 1);
  EXPECT_EQ(MoveLine(), "(1)Ann=");  // an exchange notes no tiles
  EXPECT_THAT(view_.FirstArgs(ViewCallName::PlaySoundEffect),
              ::testing::Contains(QStringLiteral("change2")));
}

TEST_F(ComputerMoveTest, AnEmptyRackBeforeAnEmptyBagEndsTheGame) {
  Rack("");
  game_.BagCount = 0;
  ComputerMove(game_, 1, SearchPurpose::ComputerMove);
  EXPECT_TRUE(game_.GameOver());
}

TEST_F(ComputerMoveTest, ABoardStarIsTakenBackForItsLetterAboveLowIntellect) {
  const int boardTile = CatWithStarA();
  const int rackTile = game_.Racks[1][2].TileIndex;
  ComputerMove(game_, 1, SearchPurpose::ComputerMove);
  const TTile& onBoard = game_.TileTable[boardTile];
  EXPECT_FALSE(onBoard.Star);
  EXPECT_TRUE(onBoard.StarTakenBack);
  EXPECT_EQ(game_.PlayField(8, kMiddle).Letter, 'A');
  EXPECT_TRUE(game_.TileTable[rackTile].Star);
  EXPECT_EQ(RackLetters(), "_*_____");  // the Q went in the exchange that followed
  EXPECT_EQ(MoveLine(),
            "(1)Ann=TAKESTAR:" + std::to_string(rackTile) + '/' + std::to_string(boardTile) + ',');
  EXPECT_EQ(view_.CallsNamed(ViewCallName::FlyTile).size(), 2u);  // to the star and back
}

TEST_F(ComputerMoveTest, ALowIntellectTakesNoStarBack) {
  const int boardTile = CatWithStarA();
  game_.Intellect = 1;
  ComputerMove(game_, 1, SearchPurpose::ComputerMove);
  EXPECT_TRUE(game_.TileTable[boardTile].Star);
  EXPECT_EQ(MoveLine(), "(1)Ann=");
}

TEST_F(ComputerMoveTest, NoStarIsTakenBackWithoutExchangingStars) {
  const int boardTile = CatWithStarA();
  game_.Settings.ExchangeStars = false;
  game_.Intellect = 3;
  ComputerMove(game_, 1, SearchPurpose::ComputerMove);
  EXPECT_TRUE(game_.TileTable[boardTile].Star);
}

TEST_F(ComputerMoveTest, AReplayedMoveLaysTheRecordedWordWithTheMarkedTiles) {
  Rack("CCXAT");
  for (int slot : {2, 4, 5}) game_.Racks[1][slot].ExchangeMark = true;
  TCandidate recorded;
  recorded.Word = "CAT";
  recorded.Start = 8;
  recorded.Line = kMiddle;
  recorded.Direction = kHorizontal;
  recorded.RecordedPoints = 300;  // more than a rough score could hold
  game_.Candidates = {recorded};
  game_.LoadingGame = true;
  ASSERT_TRUE(ChooseAndLay(game_, 1));
  EXPECT_EQ(Row(kMiddle), ".......CAT.....");
  EXPECT_EQ(RackLetters(), "C_X____");
  EXPECT_EQ(game_.Players[1].Score, 300);
  EXPECT_EQ(game_.PlayField(8, kMiddle).Kind, kCellPlain);
  ASSERT_EQ(game_.PlayedWords[1].size(), 1u);
  EXPECT_EQ(game_.PlayedWords[1][0].Word, "CAT");
  EXPECT_EQ(MoveLine(), "(1)Ann=");
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::FlyTile).empty());
}

TEST_F(ComputerMoveTest, AHintThatFindsNothingSaysSoAndLaysNothing) {
  Words({"DOG"});
  Rack("CAT");
  game_.HintUsedThisMove = true;
  ComputerMove(game_, 1, SearchPurpose::Hint);
  EXPECT_EQ(Messages(), QStringList{Text(u"InGameMessageHintNoVariants")});
  EXPECT_THAT(view_.FirstArgs(ViewCallName::PlaySoundEffect),
              ::testing::Contains(QStringLiteral("error")));
  EXPECT_EQ(RackLetters(), "CAT____");
  EXPECT_FALSE(game_.ComputerMoveRunning);
  EXPECT_EQ(view_.Control(names::Screen).cursor, ControlCursor::Default);
}

TEST_F(ComputerMoveTest, ShownComputerWordsWaitTheHintDelayUnlessMovesAreTimed) {
  Words({"CAT"});
  Rack("CAT");
  game_.Settings.ShowPCWords = true;
  game_.Settings.HintDelay = 250;
  SearchCandidates(game_, 1, SearchPurpose::ComputerMove);
  EXPECT_EQ(view_.PausedMilliseconds(), 2 * 250);  // across and down
  game_.Limits = "Time-10  Move-2 ";
  view_.ClearCalls();
  SearchCandidates(game_, 1, SearchPurpose::ComputerMove);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::Pause).empty());
}

}  // namespace
}  // namespace quorim::test
