#include "model/HallOfFame.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quorim {
namespace {

using Results = std::vector<std::pair<std::string, int>>;

HallOfFame Table(const Results& results) {
  HallOfFame hall;
  for (std::size_t i = 0; i < results.size(); ++i) {
    hall.Entries[i] = HallEntry(results[i].first, results[i].second);
  }
  return hall;
}

Results Listed(const HallOfFame& hall) {
  Results listed;
  for (const THallEntry& entry : hall.Shown()) listed.emplace_back(entry.Name, entry.Score());
  return listed;
}

TEST(HallOfFameRecord, AResultGoesBelowEqualScoresAndPushesTheSeventhToTheEighth) {
  const Results full = {{"Boris", 700}, {"Vera", 600}, {"Gleb", 500}, {"Dina", 400},
                        {"Egor", 300},  {"Zoya", 300}, {"Ivan", 100}};
  HallOfFame hall = Table(full);
  EXPECT_EQ(hall.Record("Anna", 300, true), 7);
  EXPECT_EQ(hall.Entries[7].Name, "Ivan");
  const std::string before = hall.ToBytes();
  EXPECT_EQ(hall.Record("Anna", 300, true), 0);  // nothing lower is left
  EXPECT_EQ(hall.ToBytes(), before);
}

TEST(HallOfFameRecord, OnlyTheOptionLetsANameHoldALowerSecondEntry) {
  HallOfFame hall = Table({{"Anna", 200}});
  const std::string before = hall.ToBytes();
  EXPECT_EQ(hall.Record("Anna", 150, false), 0);
  EXPECT_EQ(hall.Record("Anna", 200, false), 0);
  EXPECT_EQ(hall.ToBytes(), before);
  EXPECT_EQ(hall.Record("Anna", 150, true), 2);
  EXPECT_EQ(Listed(hall), (Results{{"Anna", 200}, {"Anna", 150}}));
}

TEST(HallOfFameRecord, WithoutTheOptionABetterResultReplacesTheNamesEntry) {
  const Results results = {{"Boris", 400}, {"Anna", 200}, {"Gleb", 180}, {"Dina", 170},
                           {"Egor", 160},  {"Zoya", 150}, {"Ivan", 120}};
  HallOfFame hall = Table(results);
  // The place found is the one after the name's own entry, which then goes away: the result
  // stands where the old one stood.
  EXPECT_EQ(hall.Record("Anna", 250, false), 2);
  Results expected = results;
  expected[1].second = 250;
  EXPECT_EQ(Listed(hall), expected);
  EXPECT_EQ(hall.Entries[7].Name, "Ivan");  // the eighth keeps its copy

  HallOfFame below = Table({{"Boris", 300}, {"Vera", 200}, {"Anna", 150}});
  EXPECT_EQ(below.Record("Anna", 250, false), 2);
  EXPECT_EQ(Listed(below), (Results{{"Boris", 300}, {"Anna", 250}, {"Vera", 200}}));
}

TEST(HallOfFameRecord, NamesCompareAsStoredAndFreePlacesHoldNoName) {
  HallOfFame hall = Table({{"anna", 300}, {"\xC0\xED\xED\xE0", 200}});
  EXPECT_EQ(hall.Record("\xC0\xED\xED\xE0", 100, false), 0);
  EXPECT_EQ(hall.Record("Anna", 250, false), 2);  // "anna" is someone else
  EXPECT_EQ(hall.Record("Konstantinopolsky", 400, false), 1);
  EXPECT_EQ(hall.Entries[0].Name, "Konstantinopols");
  EXPECT_EQ(hall.Record("Konstantinopolsky", 350, false), 0);

  HallOfFame manipulated = Table({{"Boris", 300}});
  manipulated.Entries[1] = {.Name = "Anna", .ScoreTail = "0"};
  EXPECT_EQ(manipulated.Record("Anna", 150, false), 2);
  EXPECT_EQ(manipulated.Record("Anna", 0, true), 0);  // would be written as a free place
}

TEST(HallOfFameScore, TheHeadHoldsTheFirstDigitFromAThousandUpTo9999) {
  const auto stored = [](int score) {
    const THallEntry entry = HallEntry("Anna", score);
    return entry.ScoreHead + '|' + entry.ScoreTail;
  };
  EXPECT_EQ(stored(150), "|150");
  EXPECT_EQ(stored(1234), "1|234");
  EXPECT_EQ(stored(1005), "1|005");
  EXPECT_EQ(HallEntry("Anna", 1005).Score(), 1005);
  EXPECT_EQ(HallEntry("Anna", 12345).Score(), 9999);

  HallOfFame hall = Table({{"Boris", 9999}});
  EXPECT_EQ(hall.Record("Anna", 10500, true), 2);
  hall.Record("Vera", 1234, true);
  EXPECT_EQ(HallOfFame::FromBytes(hall.ToBytes())->Entries[2].Score(), 1234);
}

TEST(HallOfFameScore, AScoreThatIsNoNumberIsAFreePlaceAndEndsTheList) {
  for (auto [tail, head] : {std::pair("0", ""), {"", ""}, {"", "1"}, {"1a", ""}, {"234", "x"}}) {
    EXPECT_TRUE((THallEntry{.Name = "Anna", .ScoreTail = tail, .ScoreHead = head}.Vacant()));
  }
  EXPECT_EQ((THallEntry{.ScoreTail = "000", .ScoreHead = "1"}.Score()), 1000);
  HallOfFame hall = Table({{"Boris", 300}, {"Vera", 0}, {"Gleb", 100}});
  EXPECT_EQ(Listed(hall), (Results{{"Boris", 300}}));
}

std::string Field(std::string_view text, int width) {
  std::string field(static_cast<std::size_t>(width) + 1, '\0');
  field[0] = static_cast<char>(text.size());
  return field.replace(1, text.size(), text);
}

TEST(HallOfFameBlock, EntriesSitAtTheirOffsetsAndComeBackByteForByte) {
  std::string block(kHallBlockSize, '\0');
  block.replace(0, 29, Field("Anna", 15) + Field("234", 3) + Field("1", 8));
  block.replace(29, 29, Field("\xCA\xEE\xEC", 15) + Field("150", 3) + Field("", 8));
  block.replace(7 * 29, 29, Field("Ivan", 15) + Field("100", 3) + Field("", 8));

  const auto hall = HallOfFame::FromBytes(block);
  ASSERT_TRUE(hall);
  EXPECT_EQ(Listed(*hall), (Results{{"Anna", 1234}, {"\xCA\xEE\xEC", 150}}));
  EXPECT_EQ(hall->Entries[7].Name, "Ivan");
  EXPECT_EQ(hall->ToBytes(), block);
}

TEST(HallOfFameBlock, ZerosAreAnEmptyTableAndAnotherSizeIsNone) {
  const auto zeros = HallOfFame::FromBytes(std::string(kHallBlockSize, '\0'));
  ASSERT_TRUE(zeros);
  for (const THallEntry& entry : zeros->Entries) EXPECT_TRUE(entry.Vacant());
  EXPECT_EQ(HallOfFame{}.ToBytes(), std::string(kHallBlockSize, '\0'));
  EXPECT_FALSE(HallOfFame::FromBytes(std::string(kHallBlockSize - 1, '\0')));
  EXPECT_FALSE(HallOfFame::FromBytes(std::string(kHallBlockSize + 1, '\0')));
}

TEST(HallOfFameBlock, LengthsAreCutToTheirFieldsAndLeftoversWrittenAsZeros) {
  std::string block(kHallBlockSize, 'x');
  block[0] = block[20] = '\xFF';
  block[16] = '\x09';
  block[7 * 29 + 20] = '\xFF';  // the last field of the block: no reading past its end
  const auto hall = HallOfFame::FromBytes(block);
  ASSERT_TRUE(hall);
  EXPECT_EQ(hall->Entries[0].Name, std::string(15, 'x'));
  EXPECT_EQ(hall->Entries[0].ScoreTail, "xxx");
  EXPECT_EQ(hall->Entries[7].ScoreHead, std::string(8, 'x'));
  EXPECT_EQ(hall->ToBytes().substr(0, 21),
            std::string("\x0F") + std::string(15, 'x') + "\3xxx\x08");

  block.replace(0, 29, Field("Anna", 15) + Field("150", 3) + Field("", 8));
  block[10] = block[25] = 'q';  // left over from longer texts
  const std::string written = HallOfFame::FromBytes(block)->ToBytes();
  EXPECT_EQ(written.substr(0, 29), Field("Anna", 15) + Field("150", 3) + Field("", 8));
}

}  // namespace
}  // namespace quorim
