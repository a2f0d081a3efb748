#include "model/MoveLineFormat.h"

#include "model/MoveTokens.h"

#include <gtest/gtest.h>

namespace quorim {
namespace {

std::string Rack(const TMoveLine& line) {
  std::string rack;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    rack.append(1, line.Rack[slot].Letter).append(std::to_string(line.Rack[slot].TileIndex));
    rack += ' ';
  }
  return rack;
}

TMoveLine Parsed(std::string_view text) {
  const auto line = ParseMoveLine(text);
  EXPECT_TRUE(line.has_value()) << text;
  return line.value_or(TMoveLine{});
}

TEST(MoveRecordText, NamesAndWordsMustNotHoldTheRecordsDelimiters) {
  EXPECT_TRUE(FitsMoveRecord("Anna"));
  EXPECT_TRUE(FitsMoveRecord("\xC8\xE2\xE0\xED"));  // cp1251 bytes are letters, not delimiters
  EXPECT_TRUE(FitsMoveRecord(""));
  for (const char* bad : {"An=na", "A,", "/x", "(1", "x)"})
    EXPECT_FALSE(FitsMoveRecord(bad)) << bad;
}

TEST(MoveLineFormat, APersonsMoveGivesClockWordsUsedSlotsAndRack) {
  const std::string text =
      "(1)Anna=ETIME:9/41,WORDS:CAT(5)70902H,(USED:247),SLOT:D/12,A/33,E/5,Q/88,R/101,T/7,S/60,";
  const TMoveLine line = Parsed(text);
  EXPECT_EQ(line.Participant, 1);
  EXPECT_EQ(line.Header, "(1)Anna");
  EXPECT_EQ(line.Name, "Anna");
  ASSERT_TRUE(line.GameClock);
  EXPECT_EQ(line.GameClock->Minutes, 9);
  EXPECT_EQ(line.GameClock->Seconds, 41);
  EXPECT_FALSE(line.MoveClock);
  ASSERT_EQ(line.Words.size(), 1u);
  const TRecordedWord& cat = line.Words[0];
  EXPECT_EQ(cat.Word, "CAT");
  EXPECT_EQ(cat.Points, 5);
  EXPECT_EQ((std::array{cat.Start, cat.End, cat.Line}), (std::array{7, 9, 2}));
  EXPECT_EQ(cat.Direction, kHorizontal);
  EXPECT_FALSE(cat.Hinted);
  EXPECT_EQ(line.UsedSlots, (std::vector{2, 4, 7}));
  EXPECT_EQ(Rack(line), "D12 A33 E5 Q88 R101 T7 S60 ");
  EXPECT_EQ(line.SlotAt, text.find("SLOT:"));
  EXPECT_FALSE(line.HasPlayground || line.HasTakeStar || line.HasHelped || line.FullSetBonus);
  EXPECT_EQ(KeptMoveLine(line, true), text);
}

TEST(MoveLineFormat, HintMarksVerticalPlacesAndSeveralWordsAfterOneKeyword) {
  const TMoveLine hinted = Parsed("(2)Ivan=WORDS:CAB(7)20408VX,(USED:15),SLOT:L/3,");
  ASSERT_EQ(hinted.Words.size(), 1u);
  EXPECT_TRUE(hinted.Words[0].Hinted);
  EXPECT_EQ(hinted.Words[0].Direction, kVertical);
  EXPECT_EQ((std::array{hinted.Words[0].Start, hinted.Words[0].End, hinted.Words[0].Line}),
            (std::array{2, 4, 8}));

  const TMoveLine two = Parsed("(1)A=WORDS:SEAT(9)121503V,AT(2)30413H,FULLSETBONUS,");
  ASSERT_EQ(two.Words.size(), 2u);
  EXPECT_EQ((std::array{two.Words[0].Start, two.Words[0].End, two.Words[0].Line}),
            (std::array{12, 15, 3}));
  EXPECT_EQ(two.Words[1].Word, "AT");
  EXPECT_TRUE(two.FullSetBonus);
  EXPECT_FALSE(two.HasSlot);

  // a computer's second pass: its words follow the stars it took back
  const TMoveLine second = Parsed("(1)A=WORDS:CAT(5)81008H,TAKESTAR:3/9,AT(2)90909V,(USED:12),");
  ASSERT_EQ(second.Words.size(), 2u);
  EXPECT_EQ(second.Words[1].Word, "AT");
  EXPECT_EQ(second.StarTradesText, "3/9,");
}

TEST(MoveLineFormat, AMidMoveSaveKeepsOnlyTheHeaderAndTheStarsTakenBack) {
  const TMoveLine line =
      Parsed("(1)Anna=TAKESTAR:61/140,MTIME:1/12,PLAYGROUND:3004/61,4004/9,HELPED:CAT(5)708H,");
  ASSERT_EQ(line.StarTrades.size(), 1u);
  EXPECT_EQ(line.StarTrades[0].RackTile, 61);
  EXPECT_EQ(line.StarTrades[0].BoardTile, 140);
  ASSERT_TRUE(line.MoveClock);
  EXPECT_EQ(line.MoveClock->Minutes, 1);
  ASSERT_EQ(line.Pending.size(), 2u);
  EXPECT_EQ((std::array{line.Pending[1].X, line.Pending[1].Y, line.Pending[1].TileIndex}),
            (std::array{4, 4, 9}));
  ASSERT_EQ(line.Hints.size(), 1u);
  EXPECT_EQ((std::array{line.Hints[0].Start, line.Hints[0].Line}), (std::array{7, 8}));
  EXPECT_EQ(KeptMoveLine(line, true), "(1)Anna=TAKESTAR:61/140,");
  EXPECT_EQ(KeptMoveLine(Parsed("(2)Ivan="), true), "(2)Ivan=");
  EXPECT_EQ(KeptMoveLine(Parsed("(2)Ivan=MTIME:0/5,"), true), "(2)Ivan=");
}

TEST(MoveLineFormat, ARackWithAGapIsKeptWithoutItsSlotToken) {
  const TMoveLine line =
      Parsed("(2)Ivan=WORDS:AT(2)10101H,SLOT:E/17, /-1,O/44,H/9,M/66,I/70,G/95,");
  EXPECT_EQ(line.Rack[2].Letter, ' ');
  EXPECT_EQ(line.Rack[2].TileIndex, -1);
  EXPECT_EQ(KeptMoveLine(line, false), "(2)Ivan=WORDS:AT(2)10101H,");
  // a second drawing in the same turn wrote the rack again: the later one is the rack
  EXPECT_EQ(Rack(Parsed("(1)A=SLOT:A/1,B/2,C/3,D/4,E/5,F/6,G/7,A/1,B/2,C/3,D/4,E/5,F/6,H/8,")),
            "A1 B2 C3 D4 E5 F6 H8 ");
}

TEST(MoveLineFormat, KeywordsIgnoreCaseButWordsAndNamesAreKeptByteForByte) {
  const TMoveLine line =
      Parsed("(2)\xE8\xE2\xE0\xED=words:\xEA\xEE\xF2(5)70902hx,(used:3),slot:\xE0/4,");
  EXPECT_EQ(line.Name, "\xE8\xE2\xE0\xED");
  ASSERT_EQ(line.Words.size(), 1u);
  EXPECT_EQ(line.Words[0].Word, "\xEA\xEE\xF2");
  EXPECT_TRUE(line.Words[0].Hinted);
  EXPECT_EQ(line.UsedSlots, std::vector{3});
  EXPECT_EQ(line.Rack[1].Letter, '\xE0');
  // tokens are found wherever they stand
  const TMoveLine reordered = Parsed("(1)A=SLOT:B/2,ETIME:0/3,TAKESTAR:4/5,");
  EXPECT_EQ(reordered.Rack[1].TileIndex, 2);
  EXPECT_TRUE(reordered.GameClock);
  EXPECT_EQ(reordered.StarTrades.size(), 1u);
}

TEST(MoveLineFormat, LinesWithoutAParticipantAreNotMoveLines) {
  for (const char* text :
       {"", "[Selections]", "(1)Anna", "Anna=WORDS:", "(9)X=", "(0)X=", "(=", "(A)X=SLOT:A/1,"})
    EXPECT_FALSE(ParseMoveLine(text).has_value()) << text;
  EXPECT_EQ(Parsed("(3=").Participant, 3);
}

TEST(MoveLineFormat, MalformedEntriesAreLeftOutAndTheRestIsRead) {
  const TMoveLine line = Parsed(
      "(1)A=TAKESTAR:6x/1,99999999999/2,7/8,ETIME:9/,MTIME:-1/5,"
      "WORDS:CAT(5)7o902H,DOG(x)10101H,EGG(3)10101Q,ABCDEFGHIJKLMNOP(1)10101H,(4)10101H,"
      "BAD(-4)10101H,HAT(4)10101H,(USED:2x9,"
      "PLAYGROUND:-3004/1,5005/2,HELPED:CAT(1)7,SLOT:D/12,A/3");
  ASSERT_EQ(line.StarTrades.size(), 1u);
  EXPECT_EQ(line.StarTradesText, "7/8,");
  EXPECT_FALSE(line.GameClock || line.MoveClock);
  ASSERT_EQ(line.Words.size(), 1u);
  EXPECT_EQ(line.Words[0].Word, "HAT");
  EXPECT_TRUE(line.HasUsed);
  EXPECT_TRUE(line.UsedSlots.empty());  // its ")" is missing
  ASSERT_EQ(line.Pending.size(), 1u);
  EXPECT_EQ(line.Pending[0].X, 5);
  EXPECT_TRUE(line.HasHelped && line.Hints.empty());
  EXPECT_EQ(Rack(line), "D12  -1  -1  -1  -1  -1  -1 ");  // the cut-off entry is not read
  EXPECT_EQ(Rack(Parsed("(1)A=SLOT:AB/1,C/-1, /4,D/x,E/5,")), " -1  -1  -1  -1 E5  -1  -1 ");
}

}  // namespace
}  // namespace quorim
