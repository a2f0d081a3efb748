#include "model/Participants.h"

#include "GameFixture.h"

namespace quorim {
namespace {

class Participants : public test::GameFixture {};

TEST_F(Participants, ANewGameOfEightStartsFromScratch) {
  UseAlphabet("AB", {10, 10, 2});
  SetUpGame("", std::vector<std::uint8_t>(8, kComputer));
  game_.Players[3].Score = 40;
  game_.PlayedWords[5].push_back({.Word = "AB"});
  game_.Racks[2][4].Letter = 'A';
  SetUpGameModel(game_);
  EXPECT_EQ(game_.PlayerCount(), 8);
  EXPECT_TRUE(game_.FirstMove);
  EXPECT_GE(game_.CurrentPlayer, 1);
  EXPECT_LE(game_.CurrentPlayer, 8);
  for (int player = 1; player <= 8; ++player) {
    EXPECT_EQ(game_.Players[player].Score, 0);
    EXPECT_TRUE(game_.PlayedWords[player].empty());
    EXPECT_EQ(EmptySlotCount(game_, player), kRackSlots);
  }
  ASSERT_EQ(game_.MoveLog.Lines().size(), 2u);
  EXPECT_EQ(game_.MoveLog.Lines()[0].size(), 225u);
  EXPECT_EQ(game_.BagCount, 225);
}

TEST_F(Participants, TheFirstParticipantIsDrawnFromAll) {
  UseAlphabet("AB", {10, 10, 2});
  std::set<int> first;
  for (int game = 0; game < 60; ++game) {
    SetUpGame("", {kHuman, kHuman, kHuman});
    first.insert(game_.CurrentPlayer);
  }
  EXPECT_EQ(first, (std::set<int>{1, 2, 3}));
}

TEST_F(Participants, AScoreGrowsByTheFullPointsAndAWordKeepsThemModulo256) {
  SetUpGame("");
  AddScore(game_, 1, 300);
  ASSERT_TRUE(AddPlayedWord(game_, 1, {.Word = "ABCDEFGHIJKLMNOPQ", .Start = 1, .End = 15}, 300));
  EXPECT_EQ(game_.Players[1].Score, 300);
  EXPECT_EQ(game_.PlayedWords[1][0].Score, 44);
  EXPECT_EQ(game_.PlayedWords[1][0].Word, "ABCDEFGHIJKLMNO");
  const auto counts = view_.CallsNamed(ViewCallName::CountScore);
  ASSERT_EQ(counts.size(), 1u);
  EXPECT_EQ(counts[0].args, (QStringList{"1", "0", "300", "0"}));  // no score limit
  AddScore(game_, 9, 5);                                           // no such participant
  EXPECT_EQ(view_.CallsNamed(ViewCallName::CountScore).size(), 1u);
}

TEST_F(Participants, AfterTwoHundredWordsFurtherWordsScoreButAreNotRecorded) {
  SetUpGame("");
  for (int i = 0; i < kPlayedWordsPerPlayer; ++i) {
    ASSERT_TRUE(AddPlayedWord(game_, 2, {.Word = "AB"}, 1));
  }
  EXPECT_FALSE(AddPlayedWord(game_, 2, {.Word = "BA"}, 1));
  EXPECT_EQ(game_.PlayedWords[2].size(), 200u);
  EXPECT_TRUE(AddPlayedWord(game_, 1, {.Word = "BA"}, 1));  // the others' tables are their own
}

TEST_F(Participants, TheTablesFollowTheNumberOfParticipantsWithinTwoToEight) {
  SetDefaultParticipants(game_, "Anna", "Computer10");
  EXPECT_EQ(game_.Players[1].Avatar, "Im0");
  EXPECT_EQ(game_.Players[2].Name, "Computer1");  // nine characters at most
  EXPECT_TRUE(game_.Players[2].IsComputer());
  game_.SetPlayerCount(12);
  EXPECT_EQ(game_.PlayerCount(), 8);
  EXPECT_EQ(game_.Racks.size(), 9u);
  EXPECT_EQ(game_.Settings.LastPlayersNumber, 8);
  game_.SetPlayerCount(1);
  EXPECT_EQ(game_.PlayerCount(), 2);
  EXPECT_EQ(game_.Players[1].Name, "Anna");
}

}  // namespace
}  // namespace quorim
