#pragma once
// The commands a person gives during a game — Go, Exchange, the score preview, a face-down tile
// clicked while taking letters, the end request, keys, closing the program, the intellect menu —
// and the move clock's time-out, which acts for the person whose time is up. Commands that do not
// fit the moment (a tile in the hand, the busy cursor, taking letters, a demonstration) do nothing.

#include "model/Game.h"

namespace quorim {

void GoCommand(Game& game);
void ExchangeCommand(Game& game);
void PreviewCommand(Game& game);
// A click on the face-down tile at bag place (x, y).
void BagTileClicked(Game& game, int x, int y);
void EndRequest(Game& game);

enum class GameKey { Escape, Other };
void KeyPressed(Game& game, GameKey key);

// The main window is about to close: the exit question, and on Yes the settings are written.
// True lets it close.
bool ExitRequest(Game& game);

void IntellectCommand(Game& game, int intellect);

// After an accepted move or an exchange (or a loaded game stopped there) the participant takes
// letters and the turn passes. With the bag empty there is nothing to take and taking letters
// passes the turn already, which must not pass it a second time.
void FinishTurn(Game& game);

// The turn passes from the participant on turn, who takes no letters, to the next one, who moves
// with his full move time: a computer at once, and the turns after it up to the next person.
void PassTurnWithoutLetters(Game& game);

// The move clock ran out for the participant on turn.
void MoveTimeOut(Game& game);

}  // namespace quorim
