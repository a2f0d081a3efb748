#include "flow/HintCommand.h"

#include "FlowGameFixture.h"
#include "model/Racks.h"

namespace quorim::test {
namespace {

class HintCommandTest : public FlowGameFixture {
 protected:
  // The person on turn holds C, A and T; the dictionary knows CAT and ACT.
  void StartWithCat(int hints, const std::string& limits = "") {
    Words({"CAT", "ACT"});
    game_.Settings.HintCount = static_cast<std::uint8_t>(hints);
    Start(limits);
    player_ = OnTurn();
    SetRack(player_, "CAT");
  }

  // A move the check refuses: the letters do not form a word.
  void GoRefused() {
    LayFromRack(kMiddle, kMiddle, "TCA");
    GoCommand(game_);
    ASSERT_EQ(OnTurn(), player_);
  }

  void ExchangeFirstLetter() {
    ToggleExchangeMark(game_, 1);
    ExchangeCommand(game_);
  }

  int HintsLeft() const { return game_.HintsLeft; }
  QString ButtonHint() const { return view_.Control(kHintButton).hint; }
  QString MenuCaption() const { return view_.Control(kHintMenu).caption; }
  QString HintsLeftHint(int left) const {
    return QStringLiteral("Hint\n") + Text(u"InGameTagHintsLeft") + QString::number(left) + u' ';
  }

  int CallsOn(ViewCallName function, const QString& control) const {
    int n = 0;
    for (const ViewCall& call : view_.CallsNamed(function)) n += call.args.value(0) == control;
    return n;
  }

  // The placements shown on the board, each with the wait that lets the person read it.
  int PlacementsShown() const {
    int shown = 0;
    for (const ViewCall& call : view_.CallsNamed(ViewCallName::Pause))
      shown += call.args.value(0).toInt() >= game_.Settings.HintDelay;
    return shown;
  }

  int player_ = 0;
};

TEST_F(HintCommandTest, AHintShowsPlacementsLaysNothingAndKeepsWhatItShowed) {
  StartWithCat(5);
  const std::string rack = RackOf(player_);
  view_.ClearCalls();
  HintCommand(game_);
  EXPECT_EQ(PlacementsShown(), 4);  // CAT and ACT from the start, across and down
  EXPECT_EQ(game_.HintList.size(), static_cast<std::size_t>(PlacementsShown()));
  EXPECT_EQ(RackOf(player_), rack);
  EXPECT_EQ(RowOf(kMiddle), std::string(kSide, '.'));
  EXPECT_EQ(game_.Players[player_].Score, 0);
  EXPECT_EQ(OnTurn(), player_);
  EXPECT_EQ(view_.Control(kHintButton).picture, "HintBut1");
  EXPECT_TRUE(view_.FirstArgs(ViewCallName::ShowInGameMessage).isEmpty());
  // the move goes on: the person may still play
  LayFromRack(kMiddle, kMiddle, "CAT");
  GoCommand(game_);
  EXPECT_EQ(OnTurn(), 3 - player_);
}

TEST_F(HintCommandTest, PressingTheCommandAgainStopsTheHintAndKeepsThePlacementsShownSoFar) {
  StartWithCat(5);
  const std::string rack = RackOf(player_);
  bool pressed = false;
  std::size_t callsBeforePress = 0;
  view_.DuringWaits([this, &pressed, &callsBeforePress](int) {
    if (!pressed && PlacementsShown() == 1) {
      pressed = true;
      callsBeforePress = view_.Calls().size();
      HintCommand(game_);
    }
  });
  view_.ClearCalls();
  HintCommand(game_);
  view_.DuringWaits(nullptr);
  ASSERT_TRUE(pressed);
  // the wait the press came in is told to end at once, not after its full time
  ASSERT_GT(view_.Calls().size(), callsBeforePress);
  EXPECT_EQ(view_.Calls()[callsBeforePress].name, ViewCallName::InterruptWaits);
  // the search ends with the row it was in: the words of that row, and no further line
  const std::vector<ViewCall> scanned = view_.CallsNamed(ViewCallName::MoveScanMarkers);
  EXPECT_EQ(scanned.size(), static_cast<std::size_t>(kMiddle));
  EXPECT_EQ(scanned.back().args.value(1), QString::number(kMiddle));
  EXPECT_EQ(PlacementsShown(), 2);
  EXPECT_EQ(game_.HintList.size(), 2u);
  EXPECT_EQ(RackOf(player_), rack);
  EXPECT_EQ(view_.Control(kHintButton).picture, "HintBut1");
  // the hint has ended: Go plays a move again instead of stopping a hint
  LayFromRack(kMiddle, kMiddle, "CAT");
  GoCommand(game_);
  EXPECT_EQ(OnTurn(), 3 - player_);
}

TEST_F(HintCommandTest, GoAndExchangeDuringAHintOnlyStopIt) {
  StartWithCat(5);
  for (void (*command)(Game&) : {&GoCommand, &ExchangeCommand}) {
    ToggleExchangeMark(game_, 1);
    bool pressed = false;
    view_.DuringWaits([this, &pressed, command](int) {
      if (!pressed && PlacementsShown() == 1) {
        pressed = true;
        command(game_);
      }
    });
    view_.ClearCalls();
    HintCommand(game_);
    view_.DuringWaits(nullptr);
    EXPECT_EQ(PlacementsShown(), 2);
    EXPECT_EQ(OnTurn(), player_);
    EXPECT_EQ(TilesTaken(), 0);
    EXPECT_EQ(HintsLeft(), 5);
    game_.HintList.clear();
  }
}

TEST_F(HintCommandTest, ARackThatFitsNowhereGetsTheNoVariantsMessageAndIsStillCharged) {
  Words({"CAT"});
  Start("");
  player_ = OnTurn();
  SetRack(player_, "QQQQQQQ");
  view_.ClearCalls();
  HintCommand(game_);
  EXPECT_EQ(Messages(), QStringList{Text(u"InGameMessageHintNoVariants")});
  EXPECT_EQ(SoundsPlayed(QStringLiteral("error")), 1);
  EXPECT_TRUE(game_.HintList.empty());
  ExchangeFirstLetter();
  EXPECT_EQ(HintsLeft(), 4);
}

TEST_F(HintCommandTest, UnlimitedHintsAreNotChargedByGoButByAnExchange) {
  StartWithCat(kHintsUnlimited);
  HintCommand(game_);
  GoRefused();
  EXPECT_EQ(HintsLeft(), kHintsUnlimited);
  HintCommand(game_);
  LayFromRack(kMiddle, kMiddle, "CAT");
  GoCommand(game_);
  ASSERT_EQ(OnTurn(), 3 - player_);
  EXPECT_EQ(HintsLeft(), kHintsUnlimited);
  // the other person takes a hint and exchanges
  HintCommand(game_);
  ExchangeFirstLetter();
  EXPECT_EQ(OnTurn(), player_);
  EXPECT_EQ(HintsLeft(), kHintsUnlimited - 1);
  EXPECT_EQ(ButtonHint(), "Hint");
  EXPECT_EQ(MenuCaption(), "Hint");
}

TEST_F(HintCommandTest, EveryGoAfterAHintIsChargedAndAnAcceptedMoveEndsTheCharging) {
  StartWithCat(5);
  HintCommand(game_);
  GoRefused();
  EXPECT_EQ(HintsLeft(), 4);
  GoRefused();
  EXPECT_EQ(HintsLeft(), 3);
  ReturnLaidLetters(game_);
  LayFromRack(kMiddle, kMiddle, "CAT");
  GoCommand(game_);
  ASSERT_EQ(OnTurn(), 3 - player_);
  EXPECT_EQ(HintsLeft(), 2);
  EXPECT_EQ(ButtonHint(), HintsLeftHint(2));
  EXPECT_EQ(MenuCaption(), "Hint (2)");
  // the next person's Go without a hint costs nothing
  ExchangeFirstLetter();
  EXPECT_EQ(HintsLeft(), 2);
}

TEST_F(HintCommandTest, WithOneHintLeftAHintARefusedGoAndAnExchangeLeaveNone) {
  StartWithCat(5);
  game_.HintsLeft = 1;
  HintCommand(game_);
  GoRefused();
  EXPECT_EQ(HintsLeft(), 0);
  EXPECT_EQ(view_.Control(kHintButton).cursor, ControlCursor::NoEntry);
  EXPECT_FALSE(view_.Control(kHintMenu).enabled);
  EXPECT_EQ(ButtonHint(), HintsLeftHint(0));
  EXPECT_EQ(MenuCaption(), "Hint (0)");
  ReturnLaidLetters(game_);
  ExchangeFirstLetter();
  EXPECT_EQ(OnTurn(), 3 - player_);
  EXPECT_EQ(HintsLeft(), 0);
  // nobody gets a hint any more
  EXPECT_EQ(view_.Control(kHintButton).cursor, ControlCursor::NoEntry);
  view_.ClearCalls();
  HintButtonClick(game_);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::MoveScanMarkers).empty());
}

TEST_F(HintCommandTest, TheHintsLeftAreShownAtTheFirstHintOfAMoveOnly) {
  StartWithCat(5);
  EXPECT_EQ(ButtonHint(), HintsLeftHint(5));
  view_.ClearCalls();
  HintCommand(game_);
  EXPECT_EQ(CallsOn(ViewCallName::SetControlHint, kHintButton), 1);
  EXPECT_EQ(CallsOn(ViewCallName::SetControlCaption, kHintMenu), 1);
  EXPECT_EQ(ButtonHint(), HintsLeftHint(5));
  EXPECT_EQ(MenuCaption(), "Hint (5)");
  GoRefused();
  EXPECT_EQ(ButtonHint(), HintsLeftHint(4));
  view_.ClearCalls();
  HintCommand(game_);
  EXPECT_EQ(CallsOn(ViewCallName::SetControlHint, kHintButton), 0);
  EXPECT_EQ(CallsOn(ViewCallName::SetControlCaption, kHintMenu), 0);
  EXPECT_EQ(ButtonHint(), HintsLeftHint(4));
}

TEST_F(HintCommandTest, TheCountFollowsTheLanguageTextsWhateverTheScreenShows) {
  StartWithCat(5);
  // still the texts of the language the player just left
  view_.SetControlHint(kHintButton, QStringLiteral("Подсказка\nОсталось подсказок: 5 "));
  view_.SetControlCaption(kHintMenu, QStringLiteral("Подсказка (5)"));
  RefreshHintDisplay(game_);
  EXPECT_EQ(ButtonHint(), HintsLeftHint(5));
  EXPECT_EQ(MenuCaption(), "Hint (5)");
  game_.HintLimit = kHintsUnlimited;
  game_.HintsLeft = kHintsUnlimited;
  RefreshHintDisplay(game_);
  EXPECT_EQ(ButtonHint(), "Hint");
  EXPECT_EQ(MenuCaption(), "Hint");
}

TEST_F(HintCommandTest, AHintReturnsTheLettersLaidAndRunsAtHighIntellectOnlyForItself) {
  game_.Settings.LastIntellect = 1;
  StartWithCat(5);
  const std::string rack = RackOf(player_);
  LayFromRack(kMiddle, kMiddle, "CA");
  int intellectDuring = 0;
  view_.DuringWaits([this, &intellectDuring](int) { intellectDuring = game_.Intellect; });
  HintCommand(game_);
  view_.DuringWaits(nullptr);
  EXPECT_EQ(intellectDuring, 3);
  EXPECT_EQ(game_.Intellect, 1);
  EXPECT_EQ(RackOf(player_), rack);
  EXPECT_EQ(game_.PlayField(kMiddle, kMiddle).TileIndex, -1);
}

TEST_F(HintCommandTest, TheHintButtonIsRefusedWhileLettersAreTaken) {
  game_.Settings.LettersAutoSelect = false;
  Words({"CAT"});
  Start("");
  view_.ClearCalls();
  HintButtonClick(game_);
  HintCommand(game_);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::MoveScanMarkers).empty());
  EXPECT_TRUE(game_.HintList.empty());
}

TEST_F(HintCommandTest, TheMoveClockRunsOnAfterAHint) {
  StartWithCat(5, " Move-3 ");
  MoveTicks(10);
  HintCommand(game_);
  EXPECT_TRUE(view_.TimerRunning(GameTimer::Move));
  MoveTicks(1);
  EXPECT_EQ(ClockText(player_), "02 .49");
}

TEST_F(HintCommandTest, TheGameTimeRunningOutDuringAHintEndsTheGameOnce) {
  StartWithCat(5, "Time-10 ");
  bool over = false;
  view_.DuringWaits([this, &over](int) {
    if (over || PlacementsShown() != 1) return;
    over = true;
    GameTicks(600);
  });
  view_.ClearCalls();
  HintCommand(game_);
  view_.DuringWaits(nullptr);
  ASSERT_TRUE(over);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ShowGameOverWindow).size(), 1u);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::MoveScanMarkers).size(),
            static_cast<std::size_t>(kMiddle));
  EXPECT_TRUE(game_.GameOver());
  EXPECT_TRUE(view_.Control(names::MenuGameNew).enabled);
}

}  // namespace
}  // namespace quorim::test
