#include "flow/TurnController.h"

#include "VirtOpp/ComputerMove.h"
#include "flow/Clocks.h"
#include "flow/GameEnd.h"
#include "flow/GameScreen.h"
#include "flow/TurnDisplay.h"
#include "media/Colors.h"
#include "model/ControlNames.h"
#include "model/MoveTokens.h"
#include "model/Participants.h"
#include "model/Racks.h"
#include "model/SoundVariants.h"

namespace quorim {

namespace {

bool RackEmpty(const Game& game, int player) {
  return EmptySlotCount(game, player) == kRackSlots;
}

bool AutoDrawing(const Game& game) {
  return game.Settings.LettersAutoSelect || game.DemoRunning;
}

void EnterMoveClock(Game& game) {
  if (game.MoveClockOn()) StartMoveClock(game, game.CurrentPlayer);
}

std::optional<QString> UnrecordableName(Game& game) {
  for (int player = 1; player <= game.PlayerCount(); ++player) {
    if (FitsMoveRecord(game.Players[player].Name)) continue;
    QString text = game.InterfaceText(u"InGameMessageBadPlayerName");
    text.replace(QStringLiteral("%s"), PlayerName(game, player));
    return text;
  }
  return std::nullopt;
}

// Step one of every NextTurn: nothing may be pressed while the turn changes.
void LockMoveCommands(Game& game) {
  SetMoveButtonsCursor(game, ControlCursor::NoEntry);
  game.View().SetControlEnabled(names::MenuHelpHInt, false);
  game.View().SetControlEnabled(names::MenuHelpComputeScore, false);
}

void UnlockMoveCommands(Game& game) {
  SetMoveButtonsCursor(game, ControlCursor::Hand);
  OfferHints(game);
  game.View().SetControlEnabled(names::MenuHelpComputeScore, true);
}

// A tile still flying lands first: the turn must not pass from under a rack that is changing.
void WaitForLanding(Game& game) {
  if (game.AnimationBusy && !game.GameOver()) game.View().WaitForTileFlight();
}

}  // namespace

// The deal: from the participant on turn, everyone whose rack is empty takes letters and passes,
// until the turn is back with someone who holds letters.
void DealRoundTheTable(Game& game) {
  while (!game.GameOver() && RackEmpty(game, game.CurrentPlayer) && game.BagCount > 0) {
    game.TurnPhase = TTurnPhase::DrawPhase;
    TakeLetters(game, game.CurrentPlayer);
    if (game.GameOver()) break;
    NextTurn(game, true);
  }
}

bool RunComputerTurn(Game& game, int player, bool moves) {
  if (!game.DemoRunning) SetGameMenusEnabled(game, false);
  SetSaveLoadButtonsCursor(game, ControlCursor::NoEntry);
  if (moves) {
    game.TurnPhase = TTurnPhase::MovePhase;
    ComputerTurn(game, player);
    if (game.GameOver()) {
      EndGame(game);
      return false;
    }
  }
  game.TurnPhase = TTurnPhase::DrawPhase;
  TakeLetters(game, player);
  return true;
}

void PlayTurnSound(Game& game) {
  const QString sound =
      OneOfThreeSounds([&game](int n) { return game.Random(n); }, u"Yourmov", false);
  game.PlaySound(sound);
}

void OfferManualDrawing(Game& game) {
  game.View().SetControlVisible(names::ChoicePanel, true);
  game.TurnPhase = TTurnPhase::DrawPhase;
  ShowStatus(
      game,
      game.InterfaceText(u"StatusTakeLetters") + u' ' + PlayerName(game, game.CurrentPlayer) + u' ',
      game.View().SkinColor(skincolors::OddParticipant));
}

void BeginTurn(Game& game) {
  const int player = game.CurrentPlayer;
  if (RackEmpty(game, player) && game.BagCount == 0) {
    game.SetGameOver(true);
    EndGame(game);
    return;
  }
  if (MayDrawMore(game, player)) {
    if (!AutoDrawing(game)) OfferManualDrawing(game);
    return;
  }
  game.TurnPhase = TTurnPhase::MovePhase;
  TakeRackSnapshot(game, player);
  PlayTurnSound(game);
}

void TakeLetters(Game& game, int player) {
  if (!game.DemoRunning) SetScreenCursor(game, ControlCursor::Hourglass);
  if (!game.Settings.LettersAutoSelect && game.TurnPhase == TTurnPhase::DrawPhase)
    game.View().SetControlVisible(names::ChoicePanel, true);
  RefillRack(game, player);
  game.TurnPhase = TTurnPhase::DrawPhase;
  SetScreenCursor(game, ControlCursor::Default);
}

void NewGameCommand(Game& game) {
  game.View().SetControlCaption(names::InGameLabel, game.InterfaceText(u"InGameTagButtonEndGame"));
  game.View().SetControlHint(names::Options, QStringLiteral("FinishGame"));
  RunNewGame(game);
}

void RunNewGame(Game& game) {
  CommandScope scope(game);
  GameView& view = game.View();
  if (!game.DemoRunning) {
    const bool accepted = view.ShowNewGameWindow();
    ShowIntellectChoice(game);
    if (!accepted) {
      view.SetControlVisible(names::MenuIntellect, true);
      return;
    }
    SetScreenCursor(game, ControlCursor::Hourglass);
  }
  ShowTitleScreen(game, false);
  view.SetControlEnabled(names::MenuGameNew, false);
  view.SetControlEnabled(names::MenuGameSave, !game.DemoRunning);
  view.SetControlEnabled(names::MenuGameEnd, true);
  view.SetControlEnabled(names::MenuGameDemo, false);
  game.SetGameOver(false);

  view.BackgroundMusic(MusicCue::Start);
  game.HintList.clear();
  game.ClearSelections();
  view.KeepScreenAlive();

  if (const auto refused = StartGame(game)) {
    view.ShowInGameMessage(*refused, {});
    game.SetGameOver(true);
    EndGame(game);
    return;
  }
  if (game.GameOver()) return;
  // the hourglass of the set-up would refuse a person's first clicks on the bag
  SetScreenCursor(game, ControlCursor::Default);
  if (!game.MoveClockOn()) SetTimer(game, GameTimer::Elapsed, true);
}

std::optional<QString> StartGame(Game& game) {
  if (auto refused = UnrecordableName(game)) return refused;
  GameView& view = game.View();
  game.GameRunning = true;
  game.SetGameOver(false);
  game.GameOverShown = false;
  game.LoadedClockText.clear();
  game.Limits = game.Settings.LastLimits.substr(0, 20);
  game.Intellect = game.Settings.LastIntellect;
  game.HintLimit = game.Settings.HintCount;
  game.HintsLeft = game.HintLimit;
  RefreshHintDisplay(game);
  game.HintUsedThisMove = false;
  game.ClockMinutes = 0;
  game.ClockSeconds = 0;
  game.MoveClockPlayer = 0;
  game.HighlightedPlayer = 0;
  game.MoveWords.clear();
  game.ComputerUndo = {};

  SetUpGameModel(game);
  view.BuildGameScreen();
  FillInfoPanel(game);
  ArmGameClock(game);
  if (!game.Settings.LettersAutoSelect) view.SetControlVisible(names::ChoiceFieldImage, true);
  SetTimer(game, GameTimer::Flash, true);
  SetTimer(game, GameTimer::System, true);
  game.CurrentKind = game.Players[game.CurrentPlayer].Kind;
  ShowTurnChange(game);

  game.TurnPhase = TTurnPhase::DrawPhase;
  if (game.CurrentKind == kNetwork) return std::nullopt;  // no network play exists
  if (game.CurrentKind == kHuman && !game.DemoRunning) {
    NextTurn(game, false);
    if (!game.Settings.LettersAutoSelect) return std::nullopt;  // he clicks his letters
    NextTurn(game, true);
    DealRoundTheTable(game);
    if (!game.GameOver()) EnterMoveClock(game);
    return std::nullopt;
  }
  TakeLetters(game, game.CurrentPlayer);
  if (game.GameOver()) {
    EndGame(game);
    return std::nullopt;
  }
  NextTurn(game, true);
  if (AutoDrawing(game)) {
    DealRoundTheTable(game);
    if (!game.GameOver()) EnterMoveClock(game);
  }
  return std::nullopt;
}

void NextTurn(Game& game, bool advance) {
  LockMoveCommands(game);
  if (game.BagCount == 0) advance = true;
  if (game.GameOver()) return;
  game.LoadingGame = false;
  if (!advance) {
    if (AutoDrawing(game)) {
      TakeLetters(game, game.CurrentPlayer);
      return;
    }
    OfferManualDrawing(game);
    return;
  }

  // Consecutive computer turns run one after the other here, each as the turn reaches it.
  bool computerTurns = false;
  for (;;) {
    WaitForLanding(game);
    UnlockMoveCommands(game);
    const int next = game.CurrentPlayer % game.PlayerCount() + 1;
    if (EmptySlotCount(game, next) == 0 || game.BagCount == 0)
      game.View().SetControlVisible(names::ChoicePanel, false);
    game.CurrentPlayer = next;
    game.CurrentKind = game.Players[next].Kind;
    ShowTurnChange(game);
    if (game.CurrentKind != kComputer && !game.DemoRunning) break;

    computerTurns = true;
    const bool moves = !MayDrawMore(game, next);
    if (moves) EnterMoveClock(game);
    if (!RunComputerTurn(game, next, moves)) return;
    LockMoveCommands(game);
    if (game.GameOver()) {
      EndGame(game);
      return;
    }
  }
  if (computerTurns) {
    SetGameMenusEnabled(game, true);
    SetSaveLoadButtonsCursor(game, ControlCursor::Hand);
    SetScreenCursor(game, ControlCursor::Default);
  }
  BeginTurn(game);
}

}  // namespace quorim
