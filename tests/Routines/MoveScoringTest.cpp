#include "Routines/MoveScoring.h"

#include "Routines/MoveCheck.h"

#include "BoardFixture.h"

namespace quorim {
namespace {

class MoveScoring : public test::BoardFixture {
 protected:
  void Go() { ASSERT_EQ(CheckAndScoreMove(game_, 1), MoveCheckResult::Accepted); }
  int Points(std::size_t k) const { return game_.PlayedWords[1].at(k).Score; }
  std::uint8_t& Kind(int x, int y) { return game_.PlayField(x, y).Kind; }

  // CAT across from the start and BAD down through its A on a word x3 cell.
  void LayCatAndBad() {
    Words({"CAT", "BAD"});
    Kind(kMiddle + 1, kMiddle) = kCellWordX3;
    Lay(kMiddle, kMiddle, "CAT");
    Lay(kMiddle + 1, kMiddle - 1, "BAD", kVertical);
  }
};

TEST_F(MoveScoring, LetterBonusesMultiplyLettersAndWordBonusesTheSum) {
  Words({"ABC"});
  Kind(kMiddle + 1, kMiddle) = kCellLetterX3;
  Kind(kMiddle + 2, kMiddle) = kCellWordX2;
  Lay(kMiddle, kMiddle, "ABC");
  Go();
  EXPECT_EQ(Points(0), (1 + 2 * 3 + 3) * 2);
  EXPECT_EQ(game_.Players[1].Score, 20);
  // used up, the start cell too
  for (int x = kMiddle; x <= kMiddle + 2; ++x) EXPECT_EQ(Kind(x, kMiddle), kCellPlain) << x;
  // the word factor in red or cyan, the letter bonus at its cell
  const QStringList floats = view_.FirstArgs(ViewCallName::ShowFloatingMessage);
  EXPECT_EQ(floats, (QStringList{"x3", "+10x2"}));
}

TEST_F(MoveScoring, WordBonusesAddTheirFactorsAndTheScoreAloneChangesNothing) {
  Kind(kMiddle, kMiddle) = kCellWordX2;
  Kind(kMiddle + 1, kMiddle) = kCellLetterX2;
  Kind(kMiddle + 2, kMiddle) = kCellWordX3;
  Lay(kMiddle, kMiddle, "ABC");
  const TPlayedWord abc{.Word = "ABC",
                        .Start = kMiddle,
                        .End = kMiddle + 2,
                        .Line = kMiddle,
                        .Direction = kHorizontal};
  const WordScore score = ScoreOfWord(game_, abc, false);
  EXPECT_EQ(score.letters, 1 + 2 * 2 + 3);
  EXPECT_EQ(score.wordFactor, 5);  // double and triple add up, they do not multiply
  EXPECT_FALSE(score.doubleWordsOnly);
  ASSERT_EQ(score.letterBonuses.size(), 1u);
  EXPECT_EQ(score.letterBonuses[0].at.x, kMiddle + 1);
  EXPECT_EQ(score.total, 8 * 5);
  EXPECT_EQ(Kind(kMiddle, kMiddle), kCellWordX2);
  EXPECT_EQ(game_.Players[1].Score, 0);
  EXPECT_TRUE(view_.Calls().empty());
  // hinted under a limit of 5 hints: a fifth and one point off
  game_.HintLimit = 5;
  EXPECT_EQ(ScoreOfWord(game_, abc, true).total, 40 - (40 / 5 + 1));
}

TEST_F(MoveScoring, AWordBonusSharedByTwoWordsCountsOnceUnlessBonusesAreKept) {
  LayCatAndBad();
  Go();
  EXPECT_EQ(Points(0), (3 + 1 + 20) * 3);  // CAT first
  EXPECT_EQ(Points(1), 2 + 1 + 4);
  EXPECT_EQ(Kind(kMiddle + 1, kMiddle), kCellPlain);
}

TEST_F(MoveScoring, KeptBonusesCountForEveryWordAcrossThem) {
  LayCatAndBad();
  game_.Settings.KeepBonuses = true;
  Go();
  EXPECT_EQ(Points(0), (3 + 1 + 20) * 3);
  EXPECT_EQ(Points(1), (2 + 1 + 4) * 3);
  EXPECT_EQ(Kind(kMiddle + 1, kMiddle), kCellWordX3);
  // the bonus still shows under the committed tile
  EXPECT_EQ(game_.TileTable[game_.PlayField(kMiddle + 1, kMiddle).TileIndex].BonusKind,
            kCellWordX3);
}

TEST_F(MoveScoring, AKeptLetterBonusUnderAnOldLetterDoublesItAgain) {
  Words({"BAD"});
  Kind(kMiddle + 1, kMiddle) = kCellLetterX2;
  Old(kMiddle, kMiddle, "CAT");
  game_.Settings.KeepBonuses = true;
  Lay(kMiddle + 1, kMiddle - 1, "BAD", kVertical);
  Go();
  EXPECT_EQ(Points(0), 2 + 1 * 2 + 4);
}

TEST_F(MoveScoring, ALongWordEarnsItsLengthAndAnEmptiedRackFifteenMore) {
  Words({"AAAAAAAE"});
  game_.Racks[1][kRackSlots] = {};
  Lay(kMiddle, kMiddle, "AAAAAAAE");
  Go();
  EXPECT_EQ(Points(0), 12 + 8);
  EXPECT_EQ(game_.Players[1].Score, 20 + 15);
  EXPECT_NE(MoveLine().find("FULLSETBONUS,"), std::string::npos);
  EXPECT_EQ(MoveLine().find("(USED:"), std::string::npos);
}

TEST_F(MoveScoring, AHintedWordLosesAShareByTheHintLimitButNeverGoesBelowZero) {
  EXPECT_EQ(40 - HintPenalty(3, 40), 34);
  EXPECT_EQ(40 - HintPenalty(11, 40), 20);
  EXPECT_EQ(HintPenalty(0, 40), 0);
  EXPECT_EQ(HintPenalty(12, 40), 0);
  EXPECT_EQ(HintPenalty(5, 40), 9);
  EXPECT_EQ(HintPenalty(7, 40), 14);
  EXPECT_EQ(HintPenalty(10, 40), 21);

  Words({"TT"});
  Lay(kMiddle, kMiddle, "TT");
  game_.HintLimit = 3;
  game_.HintList.push_back({"TT", 1, 2, 1, kVertical, 0});  // elsewhere: the first move counts
  Go();
  EXPECT_EQ(Points(0), 34);
  EXPECT_NE(MoveLine().find("TT(34)80908HX,"), std::string::npos) << MoveLine();
}

TEST_F(MoveScoring, AHintedWordWorthNothingStaysAtNothing) {
  Words({"QQ"});
  game_.Alphabet.LetterValue[game_.Alphabet.LetterIndex('Q')] = 0;
  Lay(kMiddle, kMiddle, "QQ");
  game_.HintList.push_back({"QQ", kMiddle, kMiddle + 1, kMiddle, kHorizontal, 0});
  Go();
  EXPECT_EQ(Points(0), 0);
  EXPECT_EQ(game_.Players[1].Score, 0);
}

TEST_F(MoveScoring, TheMoveLineNamesTheWordsTheClockAndTheSlotsUsed) {
  Words({"CAT"});
  game_.Limits = "Time-10";
  game_.ClockMinutes = 9;
  game_.ClockSeconds = 41;
  game_.MoveLog.Lines().back() += "PLAYGROUND:12,";  // a save in the middle of the move
  Lay(kMiddle, kMiddle, "CAT");
  // the rack the move began with: C, A and T in slots 2, 4 and 7
  game_.RackSnapshot[2].TileIndex = game_.PlayField(kMiddle, kMiddle).TileIndex;
  game_.RackSnapshot[4].TileIndex = game_.PlayField(kMiddle + 1, kMiddle).TileIndex;
  game_.RackSnapshot[7].TileIndex = game_.PlayField(kMiddle + 2, kMiddle).TileIndex;
  game_.RackSnapshot[6].TileIndex = game_.Racks[1][kRackSlots].TileIndex;
  Go();
  EXPECT_EQ(MoveLine(), "(1)Ann=ETIME:9/41,WORDS:CAT(24)81008H,(USED:247),");
  EXPECT_EQ(game_.Players[1].ExchangeRun, 0);
  EXPECT_TRUE(game_.MoveAccepted);
}

TEST_F(MoveScoring, CommittedTilesTakeTheirOwnersMarksAndFrames) {
  Words({"CAT"});
  game_.CurrentPlayer = 2;
  game_.Settings.ShowColorLetters = true;
  game_.Settings.ExchangeStars = true;
  game_.Settings.SelectWordMode = true;
  Lay(kMiddle, kMiddle, "C");
  LayStar(kMiddle + 1, kMiddle);
  Lay(kMiddle + 2, kMiddle, "T");
  view_.ChooseStarLetters({'A'});
  ASSERT_EQ(CheckAndScoreMove(game_, 2), MoveCheckResult::Accepted);

  const TTile& first = game_.TileTable[game_.PlayField(kMiddle, kMiddle).TileIndex];
  EXPECT_EQ(first.Owner, kOwnerCommitted);
  EXPECT_EQ(first.Hint, "C2");
  EXPECT_EQ(first.HelpKeyword, "new");
  EXPECT_EQ(first.Face, TileFace::EvenPlayer);
  const TTile& star = game_.TileTable[game_.PlayField(kMiddle + 1, kMiddle).TileIndex];
  EXPECT_EQ(star.Hint, std::string("A2") + game_.Alphabet.StarCode());
  EXPECT_TRUE(star.StarMark);
  EXPECT_FALSE(game_.PlayField(kMiddle, kMiddle).DropAllowed);
  EXPECT_EQ(game_.MoveNewTiles.size(), 3u);
  ASSERT_EQ(game_.SelectionFrames.size(), 1u);
  EXPECT_EQ(game_.SelectionFrames[0].Start, kMiddle);
  EXPECT_EQ(game_.SelectionFrames[0].End, kMiddle + 2);
  // the avatar lists the participant's words
  EXPECT_EQ(view_.Control("Pl2Im").hint, QString(34, u'-') + "\nCAT  (+24)");
}

TEST_F(MoveScoring, CrosswordModeClosesTheCellsBesideANewWordThatTouchOldLetters) {
  Words({"CAT", "DOG"});
  game_.Settings.CrossWordMode = true;
  Old(kMiddle + 3, kMiddle + 1, "DOG", kVertical);  // D below and right of CAT's end
  Lay(kMiddle, kMiddle, "CAT");
  Go();
  // below T the cell's right neighbour holds D; below C nothing is near
  EXPECT_FALSE(game_.PlayField(kMiddle + 2, kMiddle + 1).DropAllowed);
  EXPECT_TRUE(game_.PlayField(kMiddle, kMiddle + 1).DropAllowed);
}

}  // namespace
}  // namespace quorim
