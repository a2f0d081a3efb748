#include "Routines/MoveCheck.h"

#include "BoardFixture.h"

namespace quorim {
namespace {

class MoveCheck : public test::BoardFixture {
 protected:
  MoveCheckResult Go() { return CheckAndScoreMove(game_, 1); }

  // The move was refused with the message of the key, and nothing of it was committed.
  void ExpectRefused(QStringView key) {
    EXPECT_EQ(Go(), MoveCheckResult::Refused);
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_EQ(Messages().front(), Text(key));
    EXPECT_FALSE(Text(key).isEmpty());
    EXPECT_TRUE(game_.PlayedWords[1].empty());
    EXPECT_EQ(game_.Players[1].Score, 0);
    EXPECT_FALSE(game_.MoveAccepted);
  }

  std::vector<std::string> Accepted() const {
    std::vector<std::string> words;
    for (const TPlayedWord& word : game_.PlayedWords[1]) words.push_back(word.Word);
    return words;
  }
};

TEST_F(MoveCheck, ALoneLetterIsRefusedEvenOnTheFirstMove) {
  Words({"A"});
  Lay(kMiddle, kMiddle, "A");
  ExpectRefused(u"InGameMessageGoNolessOneLetter");
  EXPECT_EQ(view_.FirstArgs(ViewCallName::PlaySoundEffect), QStringList{"error"});
  // the letter stays where it was laid, and may be moved again
  EXPECT_EQ(game_.PlayField(kMiddle, kMiddle).PendingLetter, 'A');
  EXPECT_TRUE(game_.PlayField(kMiddle, kMiddle).DropAllowed);
}

TEST_F(MoveCheck, TheFirstMoveMustCoverAStartCellAndALaterOneMustTouchEarlierLetters) {
  Words({"CAT", "DOG"});
  Lay(2, 2, "CAT");
  ExpectRefused(u"InGameMessageGoNeedUseStartCell");

  view_.ClearCalls();
  Old(kMiddle, kMiddle, "DOG");
  ExpectRefused(u"InGameMessageGoNoCrossWord");
}

TEST_F(MoveCheck, AFirstMoveOfTwoCrossingWordsIsTakenInASecondRoundOfPasses) {
  // CAT across comes first in the scan, but only TOG down covers the start
  Words({"CAT", "TOG"});
  game_.PlayField(kMiddle, kMiddle).Kind = kCellPlain;
  game_.PlayField(5, 8).Kind = kCellStart;
  Lay(3, 6, "CAT");            // T at (5, 6)
  Lay(5, 7, "OG", kVertical);  // TOG from (5, 6) to (5, 8)
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
  EXPECT_EQ(Accepted(), (std::vector<std::string>{"TOG", "CAT"}));
}

TEST_F(MoveCheck, ARunLongerThanAWordIsJudgedByItsFirstFifteenLetters) {
  const std::string run = "ABCDEFGHIJKLMNOPQ";  // 17 letters on a wider board
  game_.PlayField.Allocate(20, 15);
  InitPlayFieldCells(game_.PlayField, kCellPlain);
  game_.PlayField(2, 8).Kind = kCellStart;
  Lay(2, 8, run);
  const WordRead read = ReadWordAt(game_, 5, 8, kHorizontal);
  EXPECT_EQ(read.Word, run.substr(0, 15));
  EXPECT_EQ(read.Start, 2);
  EXPECT_EQ(read.End, 18);
  Words({"ABCDEFGHIJKLMNO"});
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
  EXPECT_EQ(Accepted(), std::vector<std::string>{"ABCDEFGHIJKLMNO"});
}

TEST_F(MoveCheck, UnknownAndShortWordsAreRefusedBesideTheWord) {
  Words({"CAT"});
  Lay(kMiddle, kMiddle, "COT");
  ExpectRefused(u"InGameMessageGoUnknownWord");
  // across, in the right and lower half of the board: left of and above the cell found
  const ScreenRect board = view_.BoardPicture();
  EXPECT_EQ(
      view_.CallsNamed(ViewCallName::ShowInGameMessage)[0].args[1],
      QString("%1,%2").arg(board.left + 28 * kMiddle - 297).arg(board.top + 28 * kMiddle - 95));

  view_.ClearCalls();
  game_.PlayField(kMiddle + 1, kMiddle).PendingLetter = 'A';
  game_.Settings.LastWordLengthLimit = 3;
  ExpectRefused(u"InGameMessageGoShortWord");
  view_.ClearCalls();
  game_.Settings.LastWordLengthLimit = 2;
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
}

TEST_F(MoveCheck, AWordLaidEarlierIsRefusedUnlessRepeatingIsAllowed) {
  Words({"CAT", "AT"});
  Old(kMiddle, kMiddle, "CAT", kVertical);  // C (8,8), A (8,9), T (8,10)
  Lay(kMiddle + 1, kMiddle + 1, "T");       // A T across on row 9: "AT"
  game_.PlayedWords[2].push_back({"AT", 1, 2, 1, kHorizontal, 2});
  game_.Settings.AllowWordRepeat = false;
  ExpectRefused(u"InGameMessageGoRepeatWord");
  // two words blink, so the message goes to a corner of the board: found at (9, 9), lower right
  const ScreenRect board = view_.BoardPicture();
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ShowInGameMessage)[0].args[1],
            QString("%1,%2").arg(board.left + 28).arg(board.top + 75));
  view_.ClearCalls();
  game_.Settings.AllowWordRepeat = true;
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
}

TEST_F(MoveCheck, TwoCopiesOfOneNewWordAreAFaultOnlyWhenRepeatingIsAllowed) {
  Words({"AT", "CAT"});
  Old(kMiddle, kMiddle, "CAT", kVertical);  // A at (8,9)
  Old(kMiddle + 4, kMiddle, "CAT", kVertical, 1);
  game_.PlayedWords[1].clear();
  Lay(kMiddle + 1, kMiddle + 1, "T");  // AT on row 9 from column 8
  Lay(kMiddle + 5, kMiddle + 1, "T");  // AT on row 9 from column 12
  game_.Settings.AllowWordRepeat = true;
  ExpectRefused(u"InGameMessageGoTheSameWord");
  view_.ClearCalls();
  game_.Settings.AllowWordRepeat = false;
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
  EXPECT_EQ(Accepted(), (std::vector<std::string>{"AT", "AT"}));
}

TEST_F(MoveCheck, NothingToReadGivesItsOwnMessageForGoAndForThePreview) {
  ExpectRefused(u"InGameMessageGoNoWords");
  view_.ClearCalls();
  game_.PreviewMode = true;
  ExpectRefused(u"InGameMessageCalculateNoWords");
  EXPECT_FALSE(game_.PreviewMode);
}

TEST_F(MoveCheck, AStarTakesTheChosenLetterAndACancelLeavesItAStar) {
  Words({"CAT"});
  Lay(kMiddle, kMiddle, "C");
  LayStar(kMiddle + 1, kMiddle);
  Lay(kMiddle + 2, kMiddle, "T");
  const int starTile = game_.PlayField(kMiddle + 1, kMiddle).TileIndex;

  view_.ChooseStarLetters({0});
  EXPECT_EQ(Go(), MoveCheckResult::Cancelled);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(game_.PlayField(kMiddle + 1, kMiddle).PendingLetter, game_.Alphabet.StarCode());
  EXPECT_EQ(game_.TileTable[starTile].Letter(), game_.Alphabet.StarCode());

  view_.ChooseStarLetters({'A'});
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
  EXPECT_EQ(Accepted(), std::vector<std::string>{"CAT"});
  // the star window opens beside the star's cell, left of it and above its row in the lower
  // right, its 216 px ending 10 px over the cell's top edge
  const ScreenRect board = view_.BoardPicture();
  EXPECT_EQ(view_.CallsNamed(ViewCallName::AskStarLetter).back().args[0],
            QString("%1,%2").arg(board.left + 28 * 9 - 185).arg(board.top + 28 * 8 - 236));
  EXPECT_EQ(game_.PlayField(kMiddle + 1, kMiddle).Letter, 'A');
  EXPECT_TRUE(game_.TileTable[starTile].Star);
  // the star counts as the A it stands for
  EXPECT_EQ(game_.Players[1].Score, 3 + 1 + 20);
}

TEST_F(MoveCheck, EveryStarOfARefusedMoveWaitsForItsLetterAgain) {
  Words({"CAT"});
  for (int x = kMiddle; x < kMiddle + 5; ++x) LayStar(x, kMiddle);  // five stars in a row
  view_.ChooseStarLetters({'C', 'A', 'T', 'S', 'X'});
  ExpectRefused(u"InGameMessageGoUnknownWord");
  for (int x = kMiddle; x < kMiddle + 5; ++x)
    EXPECT_EQ(game_.PlayField(x, kMiddle).PendingLetter, game_.Alphabet.StarCode()) << x;
}

TEST_F(MoveCheck, FramesSayWhichWordsTheMoveMakes) {
  Words({"CAT"});
  Lay(kMiddle, kMiddle, "CAT");
  game_.SelectionFrames.push_back({kHorizontal, kMiddle, kMiddle, kMiddle + 2, true});
  for (int x = kMiddle; x <= kMiddle + 2; ++x)
    game_.PlayField.SelectionMark(x, kMiddle) = kMarkHorizontal;
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
  EXPECT_EQ(Accepted(), std::vector<std::string>{"CAT"});
}

TEST_F(MoveCheck, AFrameReachingOffTheBoardReadsOnlyItsCellsOnIt) {
  Words({"CAT"});
  game_.PlayField(kMiddle, kMiddle).Kind = kCellPlain;
  game_.PlayField(kSide - 2, kMiddle).Kind = kCellStart;
  Lay(kSide - 2, kMiddle, "CAT");
  game_.SelectionFrames.push_back({kHorizontal, kMiddle, kSide - 2, kSide + 3, true});
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
  EXPECT_EQ(Accepted(), std::vector<std::string>{"CAT"});
}

TEST_F(MoveCheck, WithTheUserListsOnAWordTheUserAddedCounts) {
  game_.Settings.UseCustomDictionary = true;
  game_.Settings.AddCustomWord = kAddWordNo;
  game_.WordLists.Append(kAddedWordsSlot, "COT");
  Lay(kMiddle, kMiddle, "COT");
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
}

TEST_F(MoveCheck, AFrameDrawnInPixelsCoversTheCellsItWasDrawnOver) {
  // the board picture at (100, 50); cell n starts 9 pixels before 28 n
  const TSelectionFrame across = FrameFromPixels(
      kHorizontal, {100 + 28 * 3 - 9, 50 + 28 * 5 - 9, 100 + 28 * 6 - 9, 0}, 100, 50);
  EXPECT_EQ(across.Start, 3);
  EXPECT_EQ(across.End, 5);
  EXPECT_EQ(across.Line, 5);
  const TSelectionFrame down =
      FrameFromPixels(kVertical, {100 + 28 * 2 - 9, 50 + 28 * 4 - 9, 0, 50 + 28 * 7 - 9}, 100, 50);
  EXPECT_EQ(down.Line, 2);
  EXPECT_EQ(down.Start, 4);
  EXPECT_EQ(down.End, 6);
}

TEST_F(MoveCheck, ThePreviewShowsTheScoresAndChangesNothing) {
  Words({"CAT"});
  game_.PlayField(kMiddle + 1, kMiddle).Kind = kCellWordX3;
  Lay(kMiddle, kMiddle, "CAT");
  game_.PreviewMode = true;
  const std::string line = MoveLine();
  EXPECT_EQ(Go(), MoveCheckResult::Accepted);
  const auto labels = view_.CallsNamed(ViewCallName::ShowPreviewLabel);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].args[0], "+72");  // (3 + 1 + 20) x 3
  EXPECT_EQ(game_.PlayField(kMiddle + 1, kMiddle).Kind, kCellWordX3);
  EXPECT_EQ(game_.PlayField(kMiddle, kMiddle).Kind, kCellStart);
  EXPECT_EQ(game_.PlayField(kMiddle, kMiddle).Letter, ' ');
  EXPECT_EQ(game_.Players[1].Score, 0);
  EXPECT_TRUE(game_.PlayedWords[1].empty());
  EXPECT_EQ(MoveLine(), line);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::ShowFloatingMessage).empty());
  EXPECT_TRUE(view_.FirstArgs(ViewCallName::PlaySoundEffect).isEmpty());
}

}  // namespace
}  // namespace quorim
