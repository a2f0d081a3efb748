#pragma once
// The frames a person draws over the words of a move, held by the cells they cover; the board
// display turns the frame it draws into cells with FrameFromPixels.

#include <cstdint>

namespace quorim {

struct TSelectionFrame {
  std::uint8_t Direction = 1;  // kHorizontal or kVertical
  int Line = 0;                // row of a horizontal frame, column of a vertical one
  int Start = 0;
  int End = 0;
  bool Visible = true;
};

// A drawn frame's rectangle in pixels relative to the main window, right and bottom just outside
// it, and the board picture's top-left corner in the same coordinates.
struct FramePixels {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
TSelectionFrame FrameFromPixels(std::uint8_t direction, const FramePixels& frame, int boardLeft,
                                int boardTop);

// The rectangle the board display draws around a frame's cells, the reverse of FrameFromPixels.
FramePixels PixelsOfFrame(const TSelectionFrame& frame, int boardLeft, int boardTop);

}  // namespace quorim
