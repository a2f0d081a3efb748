#include "flow/TurnCommands.h"

#include "Routines/MoveCheck.h"
#include "VirtOpp/ComputerMove.h"
#include "flow/Clocks.h"
#include "flow/DemoGame.h"
#include "flow/GameEnd.h"
#include "flow/GameScreen.h"
#include "flow/HandCommands.h"
#include "flow/HintCommand.h"
#include "flow/SavedGames.h"
#include "flow/TurnController.h"
#include "flow/TurnDisplay.h"
#include "model/ControlNames.h"
#include "model/MoveLineFormat.h"
#include "model/Racks.h"
#include "persistence/SettingsFiles.h"

namespace quorim {

namespace {

constexpr int kPressedButtonPause = 300;
constexpr int kEndWithoutQuestionScore = 300;

// A command of the move during a hint only stops the hint; while nothing may be moved it is
// refused.
bool TakesMoveCommand(Game& game) {
  if (game.TurnPhase == TTurnPhase::HintPhase) {
    CancelHint(game);
    return false;
  }
  return !game.GameOver() && game.TurnPhase != TTurnPhase::DrawPhase && game.HandTile() < 0 &&
         !ScreenBusy(game) && !game.DemoRunning;
}

// Participant 1 sees his button pressed for a moment.
void PressButton(Game& game, const QString& button, const char* picture) {
  if (game.CurrentPlayer != 1) return;
  const QString up = QString::fromLatin1(picture);
  game.View().SetControlPicture(button, up + u'p');
  game.View().Pause(kPressedButtonPause);
  game.View().SetControlPicture(button, up);
}

void SetCheckCommandsEnabled(Game& game, bool enabled) {
  for (const QString& name : {names::MenuGameSave, names::MenuGameLoad, names::MenuGameEnd})
    game.View().SetControlEnabled(name, enabled);
}

// Go, from the button or from the move clock: the move is checked and, when accepted, scored.
void SubmitMove(Game& game) {
  GameView& view = game.View();
  view.SetControlEnabled(names::InGameButtongGo, false);
  PressButton(game, names::InGameButtongGo, "Go!_1");
  if (game.GameOver()) {  // the time ran out meanwhile
    view.SetControlEnabled(names::InGameButtongGo, true);
    return;
  }
  ClearExchangeMarks(game);
  ChargeHintForGo(game);

  SetScreenCursor(game, ControlCursor::Hourglass);
  SetSaveLoadButtonsCursor(game, ControlCursor::NoEntry);
  SetCheckCommandsEnabled(game, false);
  game.MoveAccepted = false;
  SetTimer(game, GameTimer::Elapsed, false);
  // the scoring's animations do not count as thinking time
  const bool moveClock = TimerRunning(game, GameTimer::Move);
  SetTimer(game, GameTimer::Move, false);
  CheckAndScoreMove(game, game.CurrentPlayer);
  SetSaveLoadButtonsCursor(game, ControlCursor::Hand);
  SetCheckCommandsEnabled(game, true);
  SetScreenCursor(game, ControlCursor::Default);
  view.SetControlEnabled(names::InGameButtongGo, true);

  if (game.GameOver()) {
    EndGame(game);
    return;
  }
  if (!game.MoveAccepted) {
    if (moveClock) SetTimer(game, GameTimer::Move, true);
    return;
  }
  game.ClearSelections();
  game.HintUsedThisMove = false;
  FinishTurn(game);
}

void PutHandTileBack(Game& game) {
  if (ReturnHandTile(game)) SetMoveButtonsCursor(game, ControlCursor::Hand);
}

bool LettersLaid(const Game& game) {
  return EmptySlotCount(game, game.CurrentPlayer) > 0 &&
         std::any_of(game.TileTable.begin(), game.TileTable.end(), [&game](const TTile& tile) {
           return tile.Owner == game.CurrentPlayer && tile.Spot.area == TileSpot::Area::Board;
         });
}

// The line of a turn lost on the clock goes, but stars taken back in it stay taken back, and a
// replay must trade them again.
void DropLostTurnsLine(Game& game) {
  auto& lines = game.MoveLog.Lines();
  if (lines.size() <= 2) return;
  const auto parsed = ParseMoveLine(lines.back());
  if (!parsed || parsed->Participant != game.CurrentPlayer || parsed->HasWords || parsed->HasSlot)
    return;  // not his turn's line
  if (parsed->HasTakeStar) {
    lines.back() = KeptMoveLine(*parsed, false);
    return;
  }
  lines.pop_back();
}

}  // namespace

void PassTurnWithoutLetters(Game& game) {
  game.ClearSelections();
  ResetFailedMove(game);
  ReturnLaidLetters(game);
  game.HintUsedThisMove = false;  // a hint of the lost turn is nobody's now
  game.CurrentPlayer = game.CurrentPlayer % game.PlayerCount() + 1;
  game.CurrentKind = game.Players[game.CurrentPlayer].Kind;
  ShowTurnChange(game);
  if (game.MoveClockOn()) StartMoveClock(game, game.CurrentPlayer);
  if (game.CurrentKind != kComputer) {
    BeginTurn(game);
    return;
  }
  SetGameMenusEnabled(game, false);
  SetSaveLoadButtonsCursor(game, ControlCursor::NoEntry);
  game.TurnPhase = TTurnPhase::MovePhase;
  ComputerTurn(game, game.CurrentPlayer);
  if (game.GameOver()) {
    EndGame(game);
    return;
  }
  game.TurnPhase = TTurnPhase::DrawPhase;
  TakeLetters(game, game.CurrentPlayer);
  NextTurn(game, true);
  if (game.GameOver()) {
    EndGame(game);
    return;
  }
  if (game.MoveClockOn()) StartMoveClock(game, game.CurrentPlayer);
  SetSaveLoadButtonsCursor(game, ControlCursor::Hand);
  SetGameMenusEnabled(game, true);
  game.TurnPhase = TTurnPhase::MovePhase;
  SetScreenCursor(game, ControlCursor::Default);
}

void FinishTurn(Game& game) {
  const bool passes = game.BagCount == 0;
  NextTurn(game, false);
  if (!passes) {
    if (!game.Settings.LettersAutoSelect) return;  // he clicks his letters first
    NextTurn(game, true);
  }
  if (!game.GameOver() && game.MoveClockOn()) StartMoveClock(game, game.CurrentPlayer);
}

void GoCommand(Game& game) {
  if (!TakesMoveCommand(game)) return;
  CommandScope scope(game);
  SubmitMove(game);
}

void ExchangeCommand(Game& game) {
  if (!TakesMoveCommand(game)) return;
  CommandScope scope(game);
  PressButton(game, names::InGameButtongChangeLetters, "Cng!_1");
  if (game.GameOver()) return;
  const int player = game.CurrentPlayer;
  bool anyMarked = false;
  for (int slot = 1; slot <= kRackSlots; ++slot)
    anyMarked = anyMarked || game.Racks[player][slot].ExchangeMark;
  if (!anyMarked) {
    PauseMoveClock(game);
    ExchangeMarkedLetters(game);  // says that nothing is marked
    ResumeMoveClock(game, true);
    return;
  }
  const bool hinted = game.HintUsedThisMove;
  SetTimer(game, GameTimer::Move, false);
  if (ExchangeMarkedLetters(game) == ExchangeOutcome::Declined) {
    EndGame(game);
    return;
  }
  if (hinted && game.HintLimit <= 10) RefreshHintDisplay(game);
  FinishTurn(game);
}

void PreviewCommand(Game& game) {
  if (!TakesMoveCommand(game)) return;
  CommandScope scope(game);
  game.PreviewMode = true;
  // the move clock stands while the star window waits for a letter, as it does for Go
  const bool moveClock = TimerRunning(game, GameTimer::Move);
  SetTimer(game, GameTimer::Move, false);
  CheckAndScoreMove(game, 1);
  if (moveClock && !game.GameOver()) SetTimer(game, GameTimer::Move, true);
  game.PreviewMode = false;
}

void BagTileClicked(Game& game, int x, int y) {
  if (game.GameOver() || game.DemoRunning || ScreenBusy(game)) return;
  CommandScope scope(game);
  if (TakeClickedBagTile(game, x, y) != ClickedTileResult::DrawingFinished) return;
  game.HintUsedThisMove = false;
  NextTurn(game, true);
  if (game.GameOver()) return;
  if (MayDrawMore(game, game.CurrentPlayer)) {
    NextTurn(game, false);
    return;
  }
  game.TurnPhase = TTurnPhase::MovePhase;
  if (game.MoveClockOn()) StartMoveClock(game, game.CurrentPlayer);
}

void EndRequest(Game& game) {
  if (game.HandTile() >= 0 || ScreenBusy(game) ||
      !game.View().Control(names::MenuGameEnd).enabled) {
    return;
  }
  GameView& view = game.View();
  if (game.DemoRunning) {
    if (view.AskInGameQuestion(u'\n' + game.InterfaceText(u"InDemoQuestionBreakDemoGame"), {}))
      game.SetGameOver(true);
    return;
  }
  if (game.TurnPhase == TTurnPhase::HintPhase) {
    CancelHint(game);
    return;
  }
  CommandScope scope(game);
  bool end = false;
  for (int player = 1; player <= std::min(4, game.PlayerCount()); ++player)
    end = end || game.Players[player].Score >= kEndWithoutQuestionScore;
  end = end || view.AskInGameQuestion(game.InterfaceText(u"InGameQuestionBreakGame"), {});
  if (end) {
    game.SetGameOver(true);  // ended as the scope closes, after any command it interrupted
    return;
  }
  SetScreenCursor(game, ControlCursor::Default);
}

void KeyPressed(Game& game, GameKey key) {
  const bool hint = game.TurnPhase == TTurnPhase::HintPhase;
  if (hint && key != GameKey::Escape) {
    CancelHint(game);
    return;
  }
  if (key != GameKey::Escape) return;
  if (game.Settings.MinimizeOnEsc) {
    game.View().Minimize();
  } else if (hint) {
    CancelHint(game);
  } else if (game.DemoRunning) {
    if (game.View().AskInGameQuestion(game.InterfaceText(u"InDemoQuestionBreakDemoGame"), {}))
      game.SetGameOver(true);
  } else {
    game.View().CloseMainWindow();
  }
}

bool ExitRequest(Game& game) {
  PauseMoveClock(game);
  if (!game.View().AskInGameQuestion(u'\n' + game.InterfaceText(u"InGameQuestionExitFromProgram"),
                                     {})) {
    ResumeMoveClock(game);
    return false;
  }
  for (GameTimer timer : {GameTimer::System, GameTimer::Flash, GameTimer::Elapsed, GameTimer::Move})
    SetTimer(game, timer, false);
  if (game.GameRunning && !game.DemoRunning) SaveGame(game, kLastGameSlot);
  if (game.DemoRunning) RestoreDemoKinds(game);
  WriteMainSettings(game);
  WritePlayerSettings(game, game.Players[1].Name);
  return true;
}

void IntellectCommand(Game& game, int intellect) {
  if (intellect < 1 || intellect > 3) return;
  game.Settings.LastIntellect = static_cast<std::uint8_t>(intellect);
  game.Intellect = game.Settings.LastIntellect;
  ShowIntellectChoice(game);
  if (game.GameRunning) FillInfoPanel(game);
}

void MoveTimeOut(Game& game) {
  if (game.GameOver()) return;
  // A hint is stopped and a running command finishes first; the clock stays at nought and the
  // next tick times the move out.
  if (game.CommandsRunning > 0) {
    CancelHint(game);
    return;
  }
  SetTimer(game, GameTimer::Move, false);
  if (game.View().MessageWindowOpen()) return;  // the move goes on without a clock
  CommandScope scope(game);
  game.PlaySound(QStringLiteral("CHMove"));
  ClearExchangeMarks(game);
  PutHandTileBack(game);
  if (LettersLaid(game)) {
    SubmitMove(game);
    if (game.GameOver() || game.MoveAccepted) return;
  }
  // the participant whose time ran out takes no letters
  DropLostTurnsLine(game);
  PassTurnWithoutLetters(game);
}

}  // namespace quorim
