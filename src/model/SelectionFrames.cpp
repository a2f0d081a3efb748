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
  // one pixel round the tiles of the first and the last cell
  const int near = kCellPixels * frame.Start - 1;
  const int far = kCellPixels * frame.End + kCellPixels - 2;
  const int side = kCellPixels * frame.Line - 1;
  if (frame.Direction == kVertical)
    return {boardLeft + side, boardTop + near, boardLeft + side + kCellPixels - 2, boardTop + far};
  return {boardLeft + near, boardTop + side, boardLeft + far, boardTop + side + kCellPixels - 2};
}

}  // namespace quorim
