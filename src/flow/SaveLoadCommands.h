#pragma once
// The save command, the load command and the title screen's continue button: the save and load
// window around them, the move clock stopped while it is open, and a loaded game brought back to
// life with its clocks, menus, music and the turn that was in progress.

#include "model/Game.h"
#include "persistence/SavedGameText.h"

#include <optional>

namespace quorim {

void SaveCommand(Game& game);

// From the "Load" submenu, knownPlayer is the position of the known player whose slots are
// listed; he becomes participant 1.
void LoadCommand(Game& game, std::optional<int> knownPlayer = std::nullopt);

// Loads the last game at once, without the window.
void ContinueCommand(Game& game);

// The load without the window: the saved game replaces the running one and the game's clocks,
// menus and music are set as after a load; the turn in progress has not gone on yet.
void RestoreSavedGame(Game& game, const TSavedGame& saved);
// The turn in progress goes on as it would have: a computer moves or takes letters, a person
// takes letters or hears that it is his move. Then the clocks run again.
void ContinueLoadedTurn(Game& game);

}  // namespace quorim
