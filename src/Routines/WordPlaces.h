#pragma once
// The cells of a word's place on the board, its tiles, and where windows beside a cell go.

#include "model/Game.h"

#include <vector>

namespace quorim {

struct CellXY {
  int x;
  int y;
};

// The i-th cell of the place's line: (i, Line) across, (Line, i) down.
inline CellXY WordCell(const TPlayedWord& place, int i) {
  return place.Direction == kVertical ? CellXY{place.Line, i} : CellXY{i, place.Line};
}

// The letter a cell shows: the one laid in this move, else the committed one.
inline char CellLetter(const TFieldCell& cell) {
  return cell.PendingLetter != ' ' ? cell.PendingLetter : cell.Letter;
}

// A letter of this move lies on a cell that had none.
inline bool IsLaidOnEmptyCell(const TFieldCell& cell) {
  return cell.PendingLetter != ' ' && cell.Letter == ' ';
}

// Every cell of the place lies on the playable board.
bool LiesOnBoard(const Game& game, const TPlayedWord& place);

// The tiles lying on the place's cells, in order.
std::vector<int> WordTiles(const Game& game, const TPlayedWord& place);

// The screen offsets of a window beside cell (x, y) from the cell's corner on the board picture:
// one pair for cells in the right or lower half, one for the others.
struct BesideCell {
  int farLeft;
  int nearLeft;
  int farTop;
  int nearTop;
};
ScreenPoint PlaceBesideCell(const Game& game, int x, int y, const BesideCell& offsets);

}  // namespace quorim
