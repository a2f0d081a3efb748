#pragma once
// The demonstration: the computer plays every participant of the last set-up through a whole
// game, which nobody can interfere with and which leaves no hall of fame entry and no last game.

#include "model/Game.h"

namespace quorim {

// Runs the demonstration game from the title screen and returns when it has ended.
void DemoCommand(Game& game);

// The participants get back the kinds they had before the demonstration.
void RestoreDemoKinds(Game& game);

}  // namespace quorim
