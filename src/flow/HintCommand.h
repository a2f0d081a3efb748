#pragma once
// A person on turn asks for a hint: the computer searches his rack's placements at high intellect
// and shows each one on the board as it finds it, laying nothing. The placements shown are kept
// for the hint penalty; the allowance is charged when the move ends.

#include "model/Game.h"

namespace quorim {

// The menu item: starts a hint, or stops the running one.
void HintCommand(Game& game);
// The hint button: refused while busy, with no hints left, while taking letters or in a demo.
void HintButtonClick(Game& game);
// A running hint stops at its next step; what it showed so far is kept.
void CancelHint(Game& game);

}  // namespace quorim
