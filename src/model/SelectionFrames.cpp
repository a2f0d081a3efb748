#include "model/SelectionFrames.h"

#include "model/PlayField.h"
#include "model/Players.h"

namespace quorim {

namespace {

// A pixel offset from the board picture's corner to a cell number: a frame's edge, drawn between
// two cells, counts for the cell it opens.
int CellAt(int pixels) {
  return (pixels + 19) / kCellPixels;
}

}  // namespace

TSelectionFrame FrameFromPixels(std::uint8_t direction, const FramePixels& frame, int boardLeft,
                                int boardTop) {
  TSelectionFrame cells;
  cells.Direction = direction;
  if (direction == kVertical) {
    cells.Start = CellAt(frame.top - boardTop);
    cells.End = CellAt(frame.bottom - boardTop) - 1;
    cells.Line = CellAt(frame.left - boardLeft);
  } else {
    cells.Start = CellAt(frame.left - boardLeft);
    cells.End = CellAt(frame.right - boardLeft) - 1;
    cells.Line = CellAt(frame.top - boardTop);
  }
  return cells;
}

FramePixels PixelsOfFrame(const TSelectionFrame& frame, int boardLeft, int boardTop) {
  // A tile lies at 28 n - 9; a frame starts one pixel before its first tile and is a tile's
  // 26 pixels wide across, growing by a whole cell for every further tile.
  const int near = kCellPixels * frame.Start - 10;
  const int far = kCellPixels * frame.End + 16;
  const int side = kCellPixels * frame.Line - 10;
  const int across = side + kCellPixels - 2;
  if (frame.Direction == kVertical)
    return {boardLeft + side, boardTop + near, boardLeft + across, boardTop + far};
  return {boardLeft + near, boardTop + side, boardLeft + far, boardTop + across};
}

}  // namespace quorim
