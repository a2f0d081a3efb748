// The demonstration: the computer plays the last set-up's participants through a whole game that
// nobody can disturb, which can be broken off and leaves no trace in the hall of fame.

#include "flow/DemoGame.h"
#include "flow/HintCommand.h"
#include "flow/TurnCommands.h"

#include "ShippedGame.h"
#include "WatchingView.h"

namespace quorim {
namespace {

class Demo : public test::ShippedGame<test::WatchingView> {
 protected:
  Demo() {
    game_.Settings.PlaySounds = false;
    game_.SetPlayerCount(2);
    game_.Players[1] = {.Name = "Ann", .Avatar = "Im0", .Kind = kHuman};
    game_.Players[2] = {.Name = "Bob", .Avatar = "Im1", .Kind = kHuman};
    view_.onGameOver = [this] { record_ = test::MoveLinesText(game_); };
  }

  // The record of an undisturbed demonstration from the seed.
  QString Undisturbed(std::uint32_t seed) {
    game_.Seed(seed);
    DemoCommand(game_);
    return record_;
  }

  QString record_;
};

TEST_F(Demo, TwoPersonsArePlayedByTheComputerAndArePersonsAgainAfterwards) {
  game_.Seed(4);
  DemoCommand(game_);
  EXPECT_EQ(view_.gamesOver, 1);
  EXPECT_GT(record_.count(QStringLiteral("WORDS:")), 5);
  EXPECT_EQ(game_.Players[1].Kind, kHuman);
  EXPECT_EQ(game_.Players[2].Kind, kHuman);
  EXPECT_FALSE(game_.DemoRunning);
  EXPECT_TRUE(game_.HallFame.Shown().empty());
  EXPECT_TRUE(view_.Control(names::FlashAnnounce).caption.isEmpty());
  EXPECT_TRUE(view_.Control(names::MenuGameLoad).enabled);
  EXPECT_EQ(view_.Control(names::InGameButtongGo).cursor, ControlCursor::Hand);
}

TEST_F(Demo, NothingAPersonDoesDuringTheDemonstrationChangesIt) {
  const QString undisturbed = Undisturbed(4);
  view_.DuringWaits([this](int) {
    GoCommand(game_);
    ExchangeCommand(game_);
    PreviewCommand(game_);
    HintButtonClick(game_);
    BagTileClicked(game_, 1, 1);
  });
  EXPECT_EQ(Undisturbed(4), undisturbed);
}

TEST_F(Demo, BreakingOffWithYesEndsItAndNoLetsItGoOn) {
  const QString whole = Undisturbed(4);
  view_.SetRecording(true);
  const auto pressEscape = [this](int wait) {
    if (wait == 40) KeyPressed(game_, GameKey::Escape);
  };
  view_.DuringWaits(pressEscape);
  view_.AnswerQuestions({false});
  EXPECT_EQ(Undisturbed(4), whole);
  view_.DuringWaits(pressEscape);
  view_.AnswerQuestions({true});
  const QString broken = Undisturbed(4);
  EXPECT_LT(broken.size(), whole.size());
  EXPECT_TRUE(whole.startsWith(broken.left(broken.lastIndexOf(u'\n', -2))));
  EXPECT_EQ(view_.gamesOver, 3);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::AskInGameQuestion).size(), 2);
  EXPECT_EQ(game_.Players[1].Kind, kHuman);
}

TEST_F(Demo, AScoreLimitOfTheSetUpEndsItAndTheIntellectMenuStillWorks) {
  game_.Settings.LastLimits = "Score-100 ";
  const QString untouched = Undisturbed(6);
  EXPECT_TRUE(game_.Players[1].Score >= 100 || game_.Players[2].Score >= 100);
  view_.DuringWaits([this](int wait) {
    if (wait == 3) IntellectCommand(game_, 3);
  });
  EXPECT_NE(Undisturbed(6), untouched);
  EXPECT_EQ(game_.Intellect, 3);
}

}  // namespace
}  // namespace quorim
