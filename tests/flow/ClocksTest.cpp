#include "FlowGameFixture.h"

#include "model/Racks.h"

#include <vector>

namespace quorim::test {
namespace {

constexpr int kGameClockColor = 16776960;
constexpr int kMoveClockColor = 65280;
constexpr int kIdleClockColor = 8421376;
constexpr int kRed = 255;

class Clocks : public FlowGameFixture {
 protected:
  // The person on turn clicks face-down letters until he may take no more.
  void ClickLetters() {
    const int player = OnTurn();
    for (int y = 1; y <= kSide && MayDrawMore(game_, player); ++y) {
      for (int x = 1; x <= kSide && MayDrawMore(game_, player); ++x) {
        if (game_.PlayField(x, y).BagLetter != ' ') BagTileClicked(game_, x, y);
      }
    }
  }

  std::vector<std::string> Record() const { return game_.MoveLog.Lines(); }
  int Score(int player) const { return game_.Players[player].Score; }
  int GameOverWindows() const {
    return static_cast<int>(view_.CallsNamed(ViewCallName::ShowGameOverWindow).size());
  }
  bool MoveTimer() const { return view_.TimerRunning(GameTimer::Move); }

  // The letters of a row not yet committed, "." for a cell without one.
  std::string PendingRow(int y) const {
    std::string row;
    for (int x = 1; x <= kSide; ++x) {
      const char letter = game_.PlayField(x, y).PendingLetter;
      row += letter == ' ' ? '.' : letter;
    }
    return row;
  }

  // The record after a lost turn: the line of the participant who lost it is gone, and the next
  // participant's turn begins a line of its own.
  void ExpectLineDropped(const std::vector<std::string>& before, int next) {
    const std::vector<std::string> after = Record();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(after.begin(), after.end() - 1, before.begin()));
    std::string header = "(";
    header.append(std::to_string(next)).append(")").append(game_.Players[next].Name).append("=");
    EXPECT_EQ(after.back(), header);
  }
};

// The game clock

TEST_F(Clocks, TheGameClockShowsTheWholeTimeThenCountsDownAndEndsTheGameAtTheSixHundredthTick) {
  Start("Time-10 ");
  for (int player : {1, 2}) {
    EXPECT_EQ(ClockText(player), "10.00");
    EXPECT_EQ(ClockColor(player), kGameClockColor);
  }
  EXPECT_TRUE(view_.TimerRunning(GameTimer::Elapsed));
  EXPECT_FALSE(MoveTimer());

  GameTicks(1);
  EXPECT_EQ(ClockText(1), "09 .59");
  EXPECT_EQ(ClockText(2), "09 .59");
  GameTicks(59);
  EXPECT_EQ(ClockText(1), "09 .00");
  GameTicks(1);
  EXPECT_EQ(ClockText(1), "08 .59");
  GameTicks(598 - 61);
  EXPECT_EQ(ClockText(1), "00 .02");
  GameTicks(1);
  EXPECT_EQ(ClockText(2), "00 .01");
  EXPECT_EQ(GameOverWindows(), 0);

  GameTicks(1);  // the 600th
  EXPECT_EQ(ClockText(1), "00 .00");
  EXPECT_EQ(ClockText(2), "00 .00");
  EXPECT_EQ(GameOverWindows(), 1);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::CloseModalWindows).size(), 1u);
  EXPECT_FALSE(view_.TimerRunning(GameTimer::Elapsed));
  GameTicks(5);  // a late tick of a stopped timer changes nothing
  EXPECT_EQ(GameOverWindows(), 1);
  EXPECT_EQ(ClockText(1), "00 .00");
}

TEST_F(Clocks, WhileLettersAreTakenTheGameClockStandsStill) {
  game_.Settings.LettersAutoSelect = false;
  Start("Time-10 ");
  const int first = OnTurn();
  GameTicks(30);
  EXPECT_EQ(ClockText(first), "10.00");
  ClickLetters();
  // the other person takes his letters now; still nobody moves
  EXPECT_EQ(OnTurn(), 3 - first);
  GameTicks(30);
  EXPECT_EQ(ClockText(first), "10.00");
  ClickLetters();
  EXPECT_EQ(OnTurn(), first);
  EXPECT_EQ(RackOf(1).find('_'), std::string::npos);
  EXPECT_EQ(RackOf(2).find('_'), std::string::npos);
  GameTicks(1);
  EXPECT_EQ(ClockText(1), "09 .59");
}

// The move clock

TEST_F(Clocks, TheMoveClockGivesTheParticipantOnTurnHisFullTimeAndTheOthersNone) {
  Start(" Move-3 ");
  EXPECT_EQ(ClockText(OnTurn()), "03.00");
  EXPECT_EQ(ClockColor(OnTurn()), kMoveClockColor);
  EXPECT_EQ(ClockText(NotOnTurn()), "00.00");
  EXPECT_EQ(ClockColor(NotOnTurn()), kIdleClockColor);
  EXPECT_TRUE(MoveTimer());
  EXPECT_FALSE(view_.TimerRunning(GameTimer::Elapsed));
  MoveTicks(1);
  EXPECT_EQ(ClockText(OnTurn()), "02 .59");
  EXPECT_EQ(ClockText(NotOnTurn()), "00.00");
}

TEST_F(Clocks, TheLastTwentySecondsAreRedAndTheLastTenTick) {
  Start(" Move-3 ");
  const int player = OnTurn();
  MoveTicks(159);
  EXPECT_EQ(ClockText(player), "00 .21");
  EXPECT_EQ(ClockColor(player), kMoveClockColor);
  MoveTicks(1);
  EXPECT_EQ(ClockText(player), "00 .20");
  EXPECT_EQ(ClockColor(player), kRed);
  MoveTicks(9);
  EXPECT_EQ(ClockText(player), "00 .11");
  EXPECT_EQ(SoundsPlayed(QStringLiteral("timeout")), 0);
  MoveTicks(1);
  EXPECT_EQ(ClockText(player), "00 .10");
  EXPECT_EQ(SoundsPlayed(QStringLiteral("timeout")), 1);
  MoveTicks(9);
  EXPECT_EQ(ClockText(player), "00 .01");
  EXPECT_EQ(ClockColor(player), kRed);
  EXPECT_EQ(SoundsPlayed(QStringLiteral("timeout")), 10);
  EXPECT_EQ(OnTurn(), player);
}

TEST_F(Clocks, WithSoundsOffTheLastSecondsAreSilent) {
  game_.Settings.PlaySounds = false;
  Start(" Move-1 ");
  MoveTicks(60);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::PlaySoundEffect).empty());
}

// The move clock's time-out

TEST_F(Clocks, ATimeOutSubmitsAnAcceptableMoveAndTheTurnGoesOnAsAfterGo) {
  Words({"CAT"});
  Start(" Move-3 ");
  const int player = OnTurn();
  const int next = NotOnTurn();
  SetRack(player, "CAT");
  LayFromRack(7, kMiddle, "CAT");
  MoveTicks(180);
  EXPECT_EQ(SoundsPlayed(QStringLiteral("CHMove")), 1);
  EXPECT_EQ(RowOf(kMiddle), "......CAT......");
  EXPECT_EQ(Score(player), 3 + 1 + 20);
  EXPECT_EQ(RackOf(player).find('_'), std::string::npos);  // he took letters as after Go
  const std::vector<std::string> record = Record();
  ASSERT_GE(record.size(), 2u);
  EXPECT_NE(record[record.size() - 2].find("WORDS:CAT(24)"), std::string::npos);
  EXPECT_EQ(OnTurn(), next);
  EXPECT_EQ(ClockText(next), "03.00");
  EXPECT_EQ(ClockText(player), "00.00");
  EXPECT_TRUE(MoveTimer());
}

TEST_F(Clocks, ATimeOutWithUnacceptableLettersReturnsThemAndTheNextMovesWithTheFullTime) {
  Words({"CAT"});
  Start(" Move-3 ");
  const int player = OnTurn();
  const int next = NotOnTurn();
  SetRack(player, "CXT");
  const std::string rack = RackOf(player);
  const int bag = game_.BagCount;
  LayFromRack(7, kMiddle, "CXT");
  const std::vector<std::string> before = Record();
  view_.ClearCalls();
  MoveTicks(180);

  EXPECT_EQ(Messages().value(0), Text(u"InGameMessageGoUnknownWord"));
  EXPECT_EQ(PendingRow(kMiddle), std::string(kSide, '.'));
  EXPECT_EQ(RackOf(player), rack);
  EXPECT_EQ(game_.BagCount, bag);  // he takes no letters
  EXPECT_EQ(TilesTaken(), 0);
  EXPECT_EQ(Score(player), 0);
  ExpectLineDropped(before, next);
  EXPECT_EQ(OnTurn(), next);
  EXPECT_EQ(ClockText(next), "03.00");
  EXPECT_EQ(ClockColor(next), kMoveClockColor);
  EXPECT_EQ(ClockText(player), "00.00");
  EXPECT_TRUE(MoveTimer());
  MoveTicks(1);
  EXPECT_EQ(ClockText(next), "02 .59");
}

TEST_F(Clocks, ATimeOutWithoutLettersLaidPassesTheTurnAndDropsTheLine) {
  Start(" Move-2 ");
  const int player = OnTurn();
  const int next = NotOnTurn();
  const std::string rack = RackOf(player);
  const std::vector<std::string> before = Record();
  view_.ClearCalls();
  MoveTicks(120);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(RackOf(player), rack);
  EXPECT_EQ(TilesTaken(), 0);
  ExpectLineDropped(before, next);
  EXPECT_EQ(ClockText(next), "02.00");
  // the next one loses his turn the same way, and the turn comes back with the full time
  MoveTicks(120);
  EXPECT_EQ(OnTurn(), player);
  EXPECT_EQ(ClockText(player), "02.00");
}

TEST_F(Clocks, ATimeOutWhileTheMessageWindowIsOpenOnlyStopsTheClock) {
  Words({"CAT"});
  Start(" Move-1 ");
  const int player = OnTurn();
  SetRack(player, "CAT");
  LayFromRack(7, kMiddle, "CAT");
  view_.SetMessageWindowOpen(true);
  MoveTicks(60);
  EXPECT_FALSE(MoveTimer());
  EXPECT_EQ(SoundsPlayed(QStringLiteral("CHMove")), 0);
  EXPECT_EQ(OnTurn(), player);
  EXPECT_EQ(PendingRow(kMiddle), "......CAT......");
  EXPECT_EQ(Score(player), 0);
  EXPECT_EQ(ClockText(player), "00 .00");
  // the move goes on without the clock and is played with Go
  view_.SetMessageWindowOpen(false);
  GoCommand(game_);
  EXPECT_EQ(Score(player), 24);
  EXPECT_EQ(OnTurn(), 3 - player);
  EXPECT_EQ(ClockText(3 - player), "01.00");
}

// Minimising

TEST_F(Clocks, MinimisingStopsBothClocksWhileAPersonIsOnTurn) {
  Start(" Move-3 ");
  const int player = OnTurn();
  view_.SetMinimized(true);
  MoveTicks(300);
  EXPECT_EQ(ClockText(player), "03.00");
  EXPECT_EQ(OnTurn(), player);
  view_.SetMinimized(false);
  MoveTicks(1);
  EXPECT_EQ(ClockText(player), "02 .59");
}

TEST_F(Clocks, MinimisingStopsTheGameClockWhileAPersonIsOnTurn) {
  Start("Time-10 ");
  view_.SetMinimized(true);
  GameTicks(700);
  EXPECT_EQ(ClockText(1), "10.00");
  EXPECT_EQ(GameOverWindows(), 0);
}

TEST_F(Clocks, WithoutPauseOnMinimisingTheClocksRunOn) {
  game_.PauseOnMinimazed = false;
  Start("Time-10 ");
  view_.SetMinimized(true);
  GameTicks(1);
  EXPECT_EQ(ClockText(1), "09 .59");
}

TEST_F(Clocks, WithoutPauseOnMinimisingTheMoveClockRunsOn) {
  game_.PauseOnMinimazed = false;
  Start(" Move-3 ");
  view_.SetMinimized(true);
  MoveTicks(1);
  EXPECT_EQ(ClockText(OnTurn()), "02 .59");
}

class ClocksWithComputer : public Clocks {
 protected:
  ClocksWithComputer() {
    game_.Players[2].Kind = kComputer;
    Words({"CAT", "AT", "TA"});
  }

  // The person exchanges a letter; the Qt timers tick while the computer searches.
  void ExchangeWhileMinimisedAndTicking(void (*tick)(Game&)) {
    ASSERT_EQ(OnTurn(), 1);
    view_.SetMinimized(true);
    view_.DuringWaits([this, tick](int) { tick(game_); });
    ToggleExchangeMark(game_, 1);
    ExchangeCommand(game_);
    view_.DuringWaits(nullptr);
    ASSERT_EQ(OnTurn(), 1);
  }

  bool CaptionShown(int player, const QString& text) const {
    for (const ViewCall& call : view_.CallsNamed(ViewCallName::SetControlCaption)) {
      if (call.args.value(0) == ClockLabel(player) && call.args.value(1) == text) return true;
    }
    return false;
  }
};

TEST_F(ClocksWithComputer, MinimisedTheGameClockStillCountsWhileTheComputerMoves) {
  Start("Time-10 ");
  view_.SetMinimized(true);
  GameTicks(5);
  EXPECT_EQ(ClockText(1), "10.00");
  ExchangeWhileMinimisedAndTicking(&GameClockTick);
  EXPECT_TRUE(CaptionShown(1, QStringLiteral("09 .59")));
  EXPECT_NE(ClockText(1), "10.00");
}

TEST_F(ClocksWithComputer, MinimisedTheMoveClockStillCountsWhileTheComputerMoves) {
  Start(" Move-3 ");
  view_.ClearCalls();
  ExchangeWhileMinimisedAndTicking(&MoveClockTick);
  EXPECT_TRUE(CaptionShown(2, QStringLiteral("02 .59")));
  EXPECT_EQ(ClockText(1), "03.00");
  EXPECT_EQ(ClockText(2), "00.00");
}

TEST_F(ClocksWithComputer, TheGameTimeRunningOutWhileTheComputerMovesEndsTheGameOnce) {
  Start("Time-10 ");
  bool over = false;
  view_.DuringWaits([this, &over](int) {
    if (over || OnTurn() != 2) return;
    over = true;
    GameTicks(600);
  });
  view_.ClearCalls();
  ToggleExchangeMark(game_, 1);
  ExchangeCommand(game_);
  view_.DuringWaits(nullptr);
  ASSERT_TRUE(over);
  // the computer's wait in progress was told to end
  EXPECT_FALSE(view_.CallsNamed(ViewCallName::InterruptWaits).empty());
  EXPECT_EQ(GameOverWindows(), 1);
  EXPECT_TRUE(game_.GameOver());
  EXPECT_TRUE(view_.Control(names::MenuGameNew).enabled);
}

TEST_F(ClocksWithComputer, TicksOfTheMoveClockDuringItsOwnTimeOutAreDropped) {
  Start(" Move-3 ");
  ASSERT_EQ(OnTurn(), 1);
  MoveTicks(179);
  // the timer goes on ticking while the time-out's computer turn waits on the screen
  int nestedTicks = 0;
  view_.DuringWaits([this, &nestedTicks](int) {
    ++nestedTicks;
    MoveClockTick(game_);
  });
  view_.ClearCalls();
  MoveTicks(1);
  view_.DuringWaits(nullptr);
  ASSERT_GT(nestedTicks, 0);
  EXPECT_EQ(SoundsPlayed(QStringLiteral("CHMove")), 1);
  EXPECT_FALSE(CaptionShown(2, QStringLiteral("02 .59")));
  EXPECT_EQ(OnTurn(), 1);
  EXPECT_EQ(ClockText(1), "03.00");
  // once the time-out is over the clock counts again
  MoveTicks(1);
  EXPECT_EQ(ClockText(1), "02 .59");
}

// Windows that stop the move clock

TEST_F(Clocks, TheExitQuestionStopsTheMoveClockAndHidesTheBoardUntilItIsAnswered) {
  Words({"CAT"});
  Start(" Move-3 ");
  const int player = OnTurn();
  SetRack(player, "CAT");
  LayFromRack(7, kMiddle, "CAT");
  MoveTicks(5);
  view_.ClearCalls();
  view_.AnswerQuestions({false});
  EXPECT_FALSE(ExitRequest(game_));

  std::vector<QStringList> seen;
  for (const ViewCall& call : view_.Calls()) {
    if (call.name == ViewCallName::SetBoardTilesVisible ||
        call.name == ViewCallName::AskInGameQuestion ||
        (call.name == ViewCallName::SetTimerRunning && call.args.value(0) == "move")) {
      seen.push_back(call.name == ViewCallName::AskInGameQuestion
                         ? QStringList{QStringLiteral("question")}
                         : call.args);
    }
  }
  const std::vector<QStringList> expected{
      {"move", "no"}, {"3", "no"}, {"question"}, {"3", "yes"}, {"move", "yes"}};
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(MoveTimer());
  EXPECT_EQ(ClockText(player), "02 .55");
  MoveTicks(1);
  EXPECT_EQ(ClockText(player), "02 .54");
}

TEST_F(Clocks, APausedMoveClockKeepsItsTime) {
  Start(" Move-3 ");
  const int player = OnTurn();
  MoveTicks(10);
  PauseMoveClock(game_);
  EXPECT_FALSE(MoveTimer());
  EXPECT_EQ(view_.CallsNamed(ViewCallName::SetBoardTilesVisible).back().args.value(1), "no");
  ResumeMoveClock(game_);
  EXPECT_TRUE(MoveTimer());
  EXPECT_EQ(view_.CallsNamed(ViewCallName::SetBoardTilesVisible).back().args.value(1), "yes");
  MoveTicks(1);
  EXPECT_EQ(ClockText(player), "02 .49");
}

TEST_F(Clocks, ExchangeWithNothingMarkedSaysSoWhileTheMoveClockStandsStill) {
  Start(" Move-3 ");
  const int player = OnTurn();
  const std::string rack = RackOf(player);
  MoveTicks(3);
  view_.ClearCalls();
  ExchangeCommand(game_);
  EXPECT_EQ(Messages(), QStringList{Text(u"InGameMessageChangeLettersNoOneSelected")});
  EXPECT_EQ(SoundsPlayed(QStringLiteral("error")), 1);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::SetTimerRunning), (QStringList{"move", "move"}));
  EXPECT_TRUE(MoveTimer());
  EXPECT_EQ(OnTurn(), player);
  EXPECT_EQ(RackOf(player), rack);
  MoveTicks(1);
  EXPECT_EQ(ClockText(player), "02 .56");
}

TEST_F(Clocks, ThePreviewStopsTheMoveClockWhileTheStarWindowAsksForTheLetter) {
  Words({"CAT"});
  Start(" Move-3 ");
  const int player = OnTurn();
  SetRack(player, "CT");
  LayFromRack(kMiddle - 1, kMiddle, "C");
  LayStar(kMiddle, kMiddle);
  LayFromRack(kMiddle + 1, kMiddle, "T");
  view_.ChooseStarLetters({'A'});
  view_.ClearCalls();
  PreviewCommand(game_);

  bool moveTimer = true;
  int asked = 0;
  for (const ViewCall& call : view_.Calls()) {
    if (call.name == ViewCallName::SetTimerRunning && call.args.value(0) == "move")
      moveTimer = call.args.value(1) == "yes";
    if (call.name == ViewCallName::AskStarLetter) {
      ++asked;
      EXPECT_FALSE(moveTimer);
    }
  }
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(MoveTimer());
  MoveTicks(1);
  EXPECT_EQ(ClockText(player), "02 .59");
}

// The score limit

class ScoreLimits : public Clocks {
 protected:
  // The participant on turn opens with ZZZZ: 104 points.
  void PlayZzzz(const std::string& limits) {
    Words({"ZZZZ"});
    Start(limits);
    player_ = OnTurn();
    SetRack(player_, "ZZZZ");
    LayFromRack(6, kMiddle, "ZZZZ");
    view_.ClearCalls();
    GoCommand(game_);
  }

  int player_ = 0;
};

TEST_F(ScoreLimits, TheMoveThatReachesTheLimitEndsTheGameBeforeLettersAreTaken) {
  PlayZzzz("Score-100 ");
  const std::vector<ViewCall> windows = view_.CallsNamed(ViewCallName::ShowGameOverWindow);
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0].args,
            (QStringList{QString::number(player_),
                         QString::fromStdString(game_.Players[player_].Name) + "\n104"}));
  EXPECT_EQ(TilesTaken(), 0);
  EXPECT_TRUE(game_.GameOver());
}

TEST_F(ScoreLimits, ALimitEqualToTheScoreIsReached) {
  PlayZzzz("Score-104 ");
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ShowGameOverWindow).size(), 1u);
}

TEST_F(ScoreLimits, BelowTheLimitTheGameGoesOn) {
  PlayZzzz("Score-105 ");
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::ShowGameOverWindow).empty());
  EXPECT_EQ(TilesTaken(), 4);
  EXPECT_EQ(OnTurn(), 3 - player_);
}

TEST_F(ScoreLimits, ALimitThatIsNoNumberEndsTheGameAfterTheFirstAcceptedMove) {
  PlayZzzz("Score-abc ");
  EXPECT_EQ(game_.ScoreLimit(), 0);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ShowGameOverWindow).size(), 1u);
}

TEST_F(ScoreLimits, OfAFiveDigitLimitOnlyTheFirstFourCount) {
  PlayZzzz("Score-12345 ");
  EXPECT_EQ(game_.ScoreLimit(), 1234);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::ShowGameOverWindow).empty());
}

}  // namespace
}  // namespace quorim::test
