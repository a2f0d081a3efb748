#pragma once
// What a person does with his tiles by mouse: picking a tile up, dropping it on a board cell or a
// rack slot (swapping with the tile there), taking a laid tile back, marking rack tiles for
// exchange, and which cell or slot lies under a point. The board widget only turns mouse events
// into these calls; every rule of the hand lives here.

#include "model/Game.h"

#include <optional>

namespace quorim {

// A person on turn may handle his tiles: in the move phase, with no hourglass, no tile flying, no
// demonstration, and a game still running.
bool MayHandleTiles(const Game& game);

// A left click on a tile of the participant on turn, on his rack or laid in this move: it goes to
// the hand, and the hint and score preview are unavailable until the drag ends. False when the
// tile may not be picked up (or a tile is in the hand already).
bool PickUpTile(Game& game, int tile);

enum class DropResult {
  Refused,        // nothing changed: the no-drop cursor
  Placed,         // the tile lies there and the drag has ended
  Swapped,        // the tile lies there and the one it displaced is in the hand
  StarTakenBack,  // a committed star came back: the tile in the hand is that star now
};

// The tile in the hand is dropped on board cell (x, y).
DropResult DropOnCell(Game& game, int x, int y);
// The tile in the hand is dropped on slot 1..7 of the rack of the participant on turn.
DropResult DropOnRack(Game& game, int slot);

// The tile in the hand goes to the first empty slot of the participant on turn, ending the drag.
// False when no tile was in the hand.
bool ReturnHandTile(Game& game);

enum class RightClickResult { Ignored, TakenBack, MarksChanged };
// A right click on a tile: a tile laid in this move goes back to the first empty rack slot; a rack
// tile gets its exchange mark toggled, or with Shift all seven are marked (or all cleared). While
// a tile is in the hand nothing happens.
RightClickResult RightClickTile(Game& game, int tile, bool shift);

// The board cell under a point of the main window, or none off the board.
std::optional<Game::CellPlace> CellUnderPoint(const Game& game, int X, int Y);
// The cell a drop at a point of the main window lands on: off the board, the nearest edge cell.
Game::CellPlace DropCellUnderPoint(const Game& game, int X, int Y);
// The slot 1..7 of a participant's rack under a point of his panel; 0 for none.
int RackSlotUnderPoint(const Game& game, int player, int X, int Y);

}  // namespace quorim
