#include "flow/DemoGame.h"

#include "flow/GameScreen.h"
#include "flow/TurnController.h"
#include "media/Colors.h"
#include "model/ControlNames.h"

namespace quorim {

namespace {

void SetPersonsCommandsCursor(Game& game, ControlCursor cursor) {
  SetMoveButtonsCursor(game, cursor);
  SetSaveLoadButtonsCursor(game, cursor);
}

}  // namespace

void RestoreDemoKinds(Game& game) {
  for (int player = 1; player <= game.PlayerCount(); ++player)
    game.Players[player].Kind = game.DemoSavedKinds[static_cast<std::size_t>(player)];
}

void DemoCommand(Game& game) {
  if (game.GameRunning || game.DemoRunning) return;
  GameView& view = game.View();
  game.DemoRunning = true;
  SetPersonsCommandsCursor(game, ControlCursor::NoEntry);
  view.SetControlEnabled(names::MenuHelpHInt, false);
  view.SetControlEnabled(names::MenuHelpComputeScore, false);
  for (int player = 1; player <= game.PlayerCount(); ++player) {
    game.DemoSavedKinds[static_cast<std::size_t>(player)] = game.Players[player].Kind;
    game.Players[player].Kind = kComputer;
  }
  game.CurrentKind = kComputer;
  view.SetControlCaption(names::InGameLabel, game.InterfaceText(u"InGameTagButtonEndDemo"));
  view.SetControlEnabled(names::MenuGameLoad, false);
  ShowStatus(game, u' ' + game.InterfaceText(u"StatusDemoMode") + u' ', colors::Yellow);

  RunNewGame(game);

  ShowStatus(game, QString(), 0);
  view.SetControlEnabled(names::MenuGameLoad, true);
  RestoreDemoKinds(game);
  game.DemoRunning = false;
  SetPersonsCommandsCursor(game, ControlCursor::Hand);
}

}  // namespace quorim
