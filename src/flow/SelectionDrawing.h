#pragma once
// Selection frames a person draws by mouse over the words of his move: where one may start, how it
// grows tile by tile while the button is held, what it leaves in the move's frames and the cells'
// marks when the button is released, and what a click on it takes away. The main window shows the
// frames; every rule of them lives here.

#include "model/Game.h"

#include <cstdint>
#include <optional>

namespace quorim {

// A frame over one tile has no direction yet; it takes one when it first grows.
constexpr std::uint8_t kFrameUndirected = 0;
// The pointer reaches the next tile from this close beyond a frame's edge (pixels).
constexpr int kFrameReach = 30;

// The cell a left press on the tile starts a frame over: selection frames are on, the person on
// turn may handle his tiles, and the tile is a committed one lying on a cell under no frame.
std::optional<Game::CellPlace> FrameStartCell(const Game& game, int tile);

// A frame over the one cell; the cell's mark counts it.
TSelectionFrame StartFrame(Game& game, Game::CellPlace cell);

enum class FrameGrowth { None, Left, Right, Up, Down };

// Where a frame being drawn grows with the pointer at (X, Y) of the main window: onto the tile
// next to it when the pointer is less than kFrameReach beyond that edge, along the frame's
// direction once it has one.
FrameGrowth FrameGrowthToward(const Game& game, const TSelectionFrame& frame, int X, int Y);
// The frame takes the next tile on that side and with it its direction; the new cell is marked.
void GrowFrame(Game& game, TSelectionFrame& frame, FrameGrowth growth);

// The button is released over a frame being drawn. One still over a single tile goes, and its
// cell's mark with it (false); a longer one joins the move's frames (true).
bool FinishFrame(Game& game, const TSelectionFrame& frame);

// A click takes frames away only from the person who may handle his tiles.
bool MayRemoveFrame(const Game& game);
// A frame clicked away: it leaves the move's frames, and each cell it covered loses the mark of
// its direction unless another frame of that direction still covers the cell.
void RemoveFrame(Game& game, const TSelectionFrame& frame);

// The rectangle a frame is drawn in, in pixels of the main window.
ScreenRect FrameRectangle(const Game& game, const TSelectionFrame& frame);

}  // namespace quorim
