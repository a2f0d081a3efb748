#include "flow/HintCommand.h"

#include "VirtOpp/CandidateSearch.h"
#include "VirtOpp/ComputerMove.h"
#include "flow/Clocks.h"
#include "flow/GameEnd.h"
#include "flow/GameScreen.h"
#include "media/Colors.h"
#include "model/ControlNames.h"
#include "model/Racks.h"

namespace quorim {

namespace {

void ShowHintRunning(Game& game, bool running) {
  GameView& view = game.View();
  view.SetControlPicture(names::InGameButtongHint,
                         running ? QStringLiteral("HintBut2") : QStringLiteral("HintBut1"));
  view.SetControlColor(names::RC_Caption, running ? colors::Red : colors::NoBrush);
  if (running) {
    ShowStatus(game, u' ' + game.InterfaceText(u"StatusHint") + u' ', colors::Red);
    view.SetControlCaption(names::RC_Label, game.InterfaceText(u"InGameMessageHintInProgress"));
    view.SetControlColor(names::RC_Label, colors::Yellow);
  } else {
    ShowStatus(game, QString(), 0);
  }
}

// Every placement the hint showed, with its rough score, for the hint penalty and the save.
void RememberShownPlacements(Game& game) {
  for (const TCandidate& candidate : game.FoundCandidates) {
    TPlayedWord shown = CandidatePlace(candidate);
    shown.Score = candidate.RoughScore;
    game.HintList.push_back(shown);
  }
}

}  // namespace

void CancelHint(Game& game) {
  if (game.TurnPhase == TTurnPhase::HintPhase) game.SetHintCancel(true);
}

void HintButtonClick(Game& game) {
  if (ScreenBusy(game) ||
      game.View().Control(names::InGameButtongHint).cursor == ControlCursor::NoEntry ||
      game.TurnPhase == TTurnPhase::DrawPhase || game.DemoRunning) {
    return;
  }
  HintCommand(game);
}

void HintCommand(Game& game) {
  if (game.HandTile() >= 0 || game.GameOver()) return;
  if (game.TurnPhase == TTurnPhase::HintPhase) {
    CancelHint(game);
    return;
  }
  if (game.TurnPhase == TTurnPhase::DrawPhase) return;
  CommandScope scope(game);
  GameView& view = game.View();
  ShowHintRunning(game, true);
  // the first hint of a move shows the count it will cost; the count is charged later
  if (!game.HintUsedThisMove) ShowHintCount(game, game.HintsLeft > 0 && game.HintLimit <= 10);
  view.ClearSelectionFrames();
  ReturnLaidLetters(game);
  ClearExchangeMarks(game);

  game.TurnPhase = TTurnPhase::HintPhase;
  game.SetHintCancel(false);
  const std::uint8_t intellect = game.Intellect;
  game.Intellect = 3;  // a hint uses everything the computer knows
  SetGameMenusEnabled(game, false);
  SetMoveButtonsCursor(game, ControlCursor::NoEntry);
  game.HintUsedThisMove = true;
  ComputerMove(game, game.CurrentPlayer, SearchPurpose::Hint);

  SetMoveButtonsCursor(game, ControlCursor::Hand);
  if (game.HintsLeft == 0) view.SetControlCursor(names::InGameButtongHint, ControlCursor::NoEntry);
  RememberShownPlacements(game);
  if (game.MoveClockOn() && !game.GameOver()) SetTimer(game, GameTimer::Move, true);
  if (game.HintCancel()) ReturnLaidLetters(game);
  view.SetControlVisible(names::Marker1, false);
  view.SetControlVisible(names::Marker2, false);
  game.Intellect = intellect;
  game.SetHintCancel(false);

  if (game.GameOver()) {
    EndGame(game);
    return;
  }
  SetGameMenusEnabled(game, true);
  ShowHintRunning(game, false);
  game.TurnPhase = TTurnPhase::MovePhase;
}

}  // namespace quorim
