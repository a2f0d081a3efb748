#pragma once
// What the screen shows of the turn: the panel of the participant on turn lit up and the others
// dimmed, the status line, the arrow, the start of the turn's move line, the system tick that
// keeps this in step, and the information panel about the running game.

#include "model/Game.h"

namespace quorim {

// The turn has passed to CurrentPlayer: his panel is lit, the previous one dimmed, and his move
// line is started, so that every token of his turn lands in it.
void ShowTurnChange(Game& game);
// The same without the record: a loaded game whose participant on turn goes on in his own line.
void ShowParticipantOnTurn(Game& game);

// The 50 ms system tick.
void SystemTick(Game& game);

// Comment1 … Comment4: intellect, limits, dictionary and music title.
void FillInfoPanel(Game& game);
// Only the intellect menu item of the game's intellect carries the check mark.
void ShowIntellectChoice(Game& game);

}  // namespace quorim
