#include "flow/SelectionDrawing.h"

#include "flow/HandCommands.h"

#include <algorithm>

namespace quorim {

namespace {

// A frame still over one tile counts its cells across, as the first growth most often goes.
bool Vertical(const TSelectionFrame& frame) {
  return frame.Direction == kVertical;
}

Game::CellPlace CellOfFrame(const TSelectionFrame& frame, int i) {
  return Vertical(frame) ? Game::CellPlace{frame.Line, i} : Game::CellPlace{i, frame.Line};
}

std::uint8_t MarkOf(const TSelectionFrame& frame) {
  return Vertical(frame) ? kMarkVertical : kMarkHorizontal;
}

bool Covers(const TSelectionFrame& frame, Game::CellPlace cell) {
  if (!frame.Visible) return false;
  const int along = Vertical(frame) ? cell.y : cell.x;
  const int line = Vertical(frame) ? cell.x : cell.y;
  return line == frame.Line && along >= frame.Start && along <= frame.End;
}

bool SameFrame(const TSelectionFrame& a, const TSelectionFrame& b) {
  return a.Direction == b.Direction && a.Line == b.Line && a.Start == b.Start && a.End == b.End;
}

// A frame grows over laid tiles as over committed ones: a word of the move holds both.
bool HoldsTile(const Game& game, int x, int y) {
  if (!game.PlayField.IsPlayable(x, y)) return false;
  const TFieldCell& cell = game.PlayField(x, y);
  return cell.Letter != ' ' || cell.TileIndex >= 0;
}

// Marks live on the grid with its border ring; a frame loaded from a save may reach beyond it.
bool OnGrid(const Game& game, Game::CellPlace cell) {
  return cell.x >= 0 && cell.x <= game.PlayField.DimX() + 1 && cell.y >= 0 &&
         cell.y <= game.PlayField.DimY() + 1;
}

}  // namespace

std::optional<Game::CellPlace> FrameStartCell(const Game& game, int tile) {
  if (!game.Settings.SelectWordMode || !MayHandleTiles(game) || game.HandTile() >= 0 || tile < 0 ||
      tile >= static_cast<int>(game.TileTable.size()))
    return std::nullopt;
  const TTile& pressed = game.TileTable[static_cast<std::size_t>(tile)];
  const TileSpot& spot = pressed.Spot;
  if (pressed.Owner != kOwnerCommitted || spot.area != TileSpot::Area::Board ||
      !game.PlayField.IsPlayable(spot.a, spot.b) ||
      game.PlayField.SelectionMark(spot.a, spot.b) != 0)
    return std::nullopt;
  return Game::CellPlace{spot.a, spot.b};
}

TSelectionFrame StartFrame(Game& game, Game::CellPlace cell) {
  ++game.PlayField.SelectionMark(cell.x, cell.y);
  TSelectionFrame frame;
  frame.Direction = kFrameUndirected;
  frame.Line = cell.y;
  frame.Start = frame.End = cell.x;
  return frame;
}

FrameGrowth FrameGrowthToward(const Game& game, const TSelectionFrame& frame, int X, int Y) {
  const ScreenRect box = FrameRectangle(game, frame);
  const Game::CellPlace first = CellOfFrame(frame, frame.Start);
  const Game::CellPlace last = CellOfFrame(frame, frame.End);
  // the pointer has to stay in the frame's row (or column) of cells, not just near it
  if (frame.Direction != kVertical && Y >= box.top && Y < box.top + kCellPixels) {
    if (X >= box.Right() && X < box.Right() + kFrameReach && HoldsTile(game, last.x + 1, last.y))
      return FrameGrowth::Right;
    if (X < box.left && X >= box.left - kFrameReach && HoldsTile(game, first.x - 1, first.y))
      return FrameGrowth::Left;
  }
  if (frame.Direction != kHorizontal && X >= box.left && X < box.left + kCellPixels) {
    if (Y >= box.Bottom() && Y < box.Bottom() + kFrameReach && HoldsTile(game, last.x, last.y + 1))
      return FrameGrowth::Down;
    if (Y < box.top && Y >= box.top - kFrameReach && HoldsTile(game, first.x, first.y - 1))
      return FrameGrowth::Up;
  }
  return FrameGrowth::None;
}

void GrowFrame(Game& game, TSelectionFrame& frame, FrameGrowth growth) {
  if (growth == FrameGrowth::None) return;
  const bool across = growth == FrameGrowth::Left || growth == FrameGrowth::Right;
  if (frame.Direction == kFrameUndirected) {
    const Game::CellPlace first = CellOfFrame(frame, frame.Start);
    if (across) {
      frame.Direction = kHorizontal;
    } else {
      // The first tile was counted across; its mark turns with the frame, or the cell would
      // stay marked across after this frame is clicked away.
      std::uint8_t& mark = game.PlayField.SelectionMark(first.x, first.y);
      mark = static_cast<std::uint8_t>((mark & ~kMarkHorizontal) | kMarkVertical);
      frame.Direction = kVertical;
      frame.Line = first.x;
      frame.Start = frame.End = first.y;
    }
  } else if (across != (frame.Direction == kHorizontal)) {
    return;  // a frame keeps the direction it took
  }
  const bool before = growth == FrameGrowth::Left || growth == FrameGrowth::Up;
  const int at = before ? --frame.Start : ++frame.End;
  const Game::CellPlace cell = CellOfFrame(frame, at);
  game.PlayField.SelectionMark(cell.x, cell.y) |= MarkOf(frame);
}

bool FinishFrame(Game& game, const TSelectionFrame& frame) {
  if (frame.Direction == kFrameUndirected) {
    std::uint8_t& mark = game.PlayField.SelectionMark(frame.Start, frame.Line);
    if (mark > 0) --mark;
    return false;
  }
  TSelectionFrame kept = frame;
  kept.Visible = true;
  game.SelectionFrames.push_back(kept);
  return true;
}

bool MayRemoveFrame(const Game& game) {
  return MayHandleTiles(game) && game.HandTile() < 0;
}

void RemoveFrame(Game& game, const TSelectionFrame& frame) {
  auto& frames = game.SelectionFrames;
  const auto kept = std::find_if(frames.begin(), frames.end(), [&](const TSelectionFrame& f) {
    return f.Visible && SameFrame(f, frame);
  });
  if (kept != frames.end()) frames.erase(kept);
  for (int i = frame.Start; i <= frame.End; ++i) {
    const Game::CellPlace cell = CellOfFrame(frame, i);
    if (!OnGrid(game, cell)) continue;
    const bool stillCovered = std::any_of(frames.begin(), frames.end(), [&](const auto& other) {
      return Vertical(other) == Vertical(frame) && Covers(other, cell);
    });
    if (!stillCovered)
      game.PlayField.SelectionMark(cell.x, cell.y) &= static_cast<std::uint8_t>(~MarkOf(frame));
  }
}

ScreenRect FrameRectangle(const Game& game, const TSelectionFrame& frame) {
  TSelectionFrame drawn = frame;
  if (drawn.Direction != kVertical) drawn.Direction = kHorizontal;
  const ScreenRect board = game.View().BoardPicture();
  const FramePixels pixels = PixelsOfFrame(drawn, board.left, board.top);
  return {pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top};
}

}  // namespace quorim
