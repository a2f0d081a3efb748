// The end of a game: who wins, what the game-over window says, the hall of fame and its file, and
// the way back to the title screen.

#include "flow/GameEnd.h"
#include "flow/HallOfFameFile.h"
#include "flow/HeadlessView.h"
#include "flow/TurnCommands.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace quorim {
namespace {

class GameEnd : public ::testing::Test {
 protected:
  GameEnd() : game_(view_, DataDir(dir_.path())) {
    game_.Strings.LoadRaw(QStringLiteral(QUORIM_SHIPPED_DATA "/lang/eng/strings.txt"));
  }

  // A running game of participants with these scores.
  void Scores(std::initializer_list<int> scores) {
    game_.SetPlayerCount(static_cast<int>(scores.size()));
    int player = 1;
    for (int score : scores) {
      game_.Players[player].Name = std::string(1, static_cast<char>('A' + player - 1)) + "nn";
      game_.Players[player].Score = static_cast<std::uint16_t>(score);
      ++player;
    }
    game_.GameRunning = true;
    game_.SetGameOver(false);
    game_.MoveLog.Start();
  }

  QStringList GameOverWindow() const {
    const auto shown = view_.CallsNamed(ViewCallName::ShowGameOverWindow);
    return shown.empty() ? QStringList() : shown.front().args;
  }

  QTemporaryDir dir_;
  HeadlessView view_;
  Game game_;
};

TEST_F(GameEnd, TheFirstOfTheLeadersWinsAndEqualScoresAllRoundHaveNoWinner) {
  Scores({50, 50, 30});
  EXPECT_EQ(FindWinner(game_), 1);
  Scores({30, 50, 50});
  EXPECT_EQ(FindWinner(game_), 2);
  Scores({40, 40, 40});
  EXPECT_EQ(FindWinner(game_), 0);
  Scores({10, 20, 10, 20});  // ties between neighbours are no draw
  EXPECT_EQ(FindWinner(game_), 2);
}

TEST_F(GameEnd, TheGameOverWindowNamesTheWinnerOrShowsTheFirstTwoScores) {
  Scores({75, 75});
  EndGame(game_);
  EXPECT_EQ(GameOverWindow(), (QStringList{"0", game_.InterfaceText(u"InGameMessageNoWinner") +
                                                    QStringLiteral("\n75 - 75")}));
  view_.ClearCalls();
  Scores({60, 60, 60});
  game_.GameOverShown = false;
  EndGame(game_);
  EXPECT_TRUE(GameOverWindow().value(1).endsWith(QStringLiteral("\n60 - 60")));
  view_.ClearCalls();
  Scores({20, 90, 10});
  game_.GameOverShown = false;
  EndGame(game_);
  EXPECT_EQ(GameOverWindow(), (QStringList{"2", QStringLiteral("Bnn\n90")}));
}

TEST_F(GameEnd, OnlyTheFirstCallEndsTheGameAndEveryCallReturnsToTheTitleScreen) {
  Scores({120, 80});
  game_.Settings.LastTemplate.clear();
  EndGame(game_);
  EndGame(game_);  // a chain of computer turns unwinding
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ShowGameOverWindow).size(), 1u);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ReleaseGameScreen).size(), 2u);
  EXPECT_FALSE(game_.MoveLog.Exists());
  EXPECT_TRUE(game_.TileTable.empty());
  EXPECT_EQ(game_.PlayField.DimX(), 15);  // laid out again for the title screen
  EXPECT_TRUE(view_.Control(names::ScreenButtonTitleNewGame).visible);
  // who plays and in which dictionary language, on two lines
  EXPECT_TRUE(view_.Control(names::ScreenButtonTitleLastPlayer)
                  .caption.startsWith(game_.InterfaceText(u"TitleCaptionCurrentPlayer") + " Ann\n" +
                                      game_.InterfaceText(u"TitleCaptionCurrentDictLanguage")));
  EXPECT_FALSE(view_.Control(names::InGameButtongGo).visible);
  EXPECT_FALSE(view_.Control(names::MenuGameSave).enabled);
  EXPECT_TRUE(view_.Control(names::MenuGameDemo).enabled);
  EXPECT_EQ(game_.Players[1].Score, 120);  // the hall of fame window still reads the result
}

TEST_F(GameEnd, AWinnerWithAHundredPointsEntersTheHallOfFameAndTheFileIsRewritten) {
  const QString file = game_.Data.Resolve(kHallOfFameFile);
  game_.Settings.Members.push_back({.Name = "Ann"});
  Scores({99, 50});
  EndGame(game_);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::ShowHallOfFame).empty());
  EXPECT_TRUE(game_.HallFame.Shown().empty());

  Scores({1234, 50});
  game_.GameOverShown = false;
  EndGame(game_);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::ShowHallOfFame), QStringList{"1"});
  const HallOfFame written = ReadHallOfFame(file);
  ASSERT_EQ(written.Shown().size(), 1u);
  EXPECT_EQ(written.Entries[0].Name, "Ann");
  EXPECT_EQ(written.Entries[0].Score(), 1234);

  Scores({50, 150});
  game_.GameOverShown = false;
  EndGame(game_);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::ShowHallOfFame), (QStringList{"1", "2"}));
  EXPECT_EQ(ReadHallOfFame(file).Entries[1].Name, "Bnn");
}

TEST_F(GameEnd, ADemonstrationLeavesTheHallOfFameAloneAndUnknownPlayersLeaveTheFile) {
  Scores({300, 50});
  game_.DemoRunning = true;
  EndGame(game_);
  EXPECT_FALSE(GameOverWindow().isEmpty());
  EXPECT_TRUE(game_.HallFame.Shown().empty());

  game_.DemoRunning = false;
  Scores({300, 50});
  EndGame(game_);
  EXPECT_EQ(game_.HallFame.Shown().size(), 1u);
  EXPECT_FALSE(QFile::exists(game_.Data.Resolve(kHallOfFameFile)));  // no known players yet
}

TEST_F(GameEnd, ClosingDuringADemonstrationGivesTheKindsBackAndWritesTheSettings) {
  Scores({10, 20});
  game_.DemoRunning = true;
  game_.DemoSavedKinds[1] = kHuman;
  game_.DemoSavedKinds[2] = kComputer;
  game_.Players[1].Kind = game_.Players[2].Kind = kComputer;
  view_.AnswerQuestions({false, true});
  EXPECT_FALSE(ExitRequest(game_));
  EXPECT_FALSE(QFile::exists(dir_.filePath("quorim.ini")));
  EXPECT_TRUE(ExitRequest(game_));
  EXPECT_EQ(game_.Players[1].Kind, kHuman);
  EXPECT_EQ(game_.Players[2].Kind, kComputer);
  EXPECT_TRUE(QFile::exists(dir_.filePath("quorim.ini")));
  EXPECT_FALSE(view_.TimerRunning(GameTimer::System));
}

TEST_F(GameEnd, TheHallsLeaderShowsTheComputersPictureAKnownPlayersAvatarOrTheDefault) {
  game_.Settings.Members = {{.Name = "Anna", .Avatar = "Im12A"}, {.Name = "Ivan", .Avatar = "Im2"}};
  EXPECT_EQ(HallLeaderAvatar(game_, "Ivan"), "Im2");
  EXPECT_EQ(HallLeaderAvatar(game_, "Anna"), "Im12A");
  // names are told apart byte for byte
  EXPECT_EQ(HallLeaderAvatar(game_, "ANNA"), "Im0");
  EXPECT_EQ(HallLeaderAvatar(game_, "Zed"), "Im0");
  // the computer: its Russian name in capitals in any interface language, or its default name in
  // the interface language (English here)
  EXPECT_EQ(HallLeaderAvatar(game_, "\xCA\xCE\xCC\xCF\xDC\xDE\xD2\xC5\xD0"), "pc0");
  EXPECT_EQ(HallLeaderAvatar(game_, "COMPUTER"), "pc0");
}

}  // namespace
}  // namespace quorim
