#pragma once
// The playfield: a grid of cells with a border ring around the playable area, each cell with its
// bonus kind, the letter committed to it, the letter laid in the current move and the face-down bag
// letter lying at the same place of the choice field.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace quorim {

// Cell kinds as templates, the layout string and the cell's Kind store them.
enum TCellKind : std::uint8_t {
  kCellEmptyPlace = 0,  // drawn as an empty choice-field place; plays as plain
  kCellPlain = 1,       // also a bonus cell whose bonus is used up
  kCellLetterX2 = 2,
  kCellWordX2 = 3,
  kCellLetterX3 = 4,
  kCellWordX3 = 5,
  kCellStart = 6,
};
constexpr int kMaxFieldDim = 30;
// A cell's side on the board picture, in pixels: frames, labels and windows beside a cell are
// placed from it.
constexpr int kCellPixels = 28;

struct TFieldCell {
  char Letter = ' ';  // committed in an earlier move
  bool DropAllowed = true;
  char PendingLetter = ' ';  // laid in the current move; keeps a copy once committed
  std::uint8_t Kind = kCellEmptyPlace;
  char BagLetter = ' ';  // face-down letter of the choice field here; ' ' once taken
  std::int16_t TileIndex = -1;
  bool NewLetter = false;
};

// SelectionMark bits: the cell lies under a horizontal or a vertical selection frame.
constexpr std::uint8_t kMarkHorizontal = 1;
constexpr std::uint8_t kMarkVertical = 2;

// Cells are addressed (x, y) with x = 0..DimX+1 and y = 0..DimY+1; index 0 and Dim+1 form the
// border, which never holds a letter, so a neighbour test may always read one cell further.
class TPlayField {
 public:
  TPlayField() { Allocate(0, 0); }

  // Reallocates for a new layout; every cell and mark starts in its default state.
  void Allocate(int dimX, int dimY);

  int DimX() const { return dimX_; }
  int DimY() const { return dimY_; }
  int CellCount() const { return dimX_ * dimY_; }
  bool IsPlayable(int x, int y) const { return x >= 1 && x <= dimX_ && y >= 1 && y <= dimY_; }

  TFieldCell& operator()(int x, int y) { return cells_[Index(x, y)]; }
  const TFieldCell& operator()(int x, int y) const { return cells_[Index(x, y)]; }
  std::uint8_t& SelectionMark(int x, int y) { return marks_[Index(x, y)]; }
  std::uint8_t SelectionMark(int x, int y) const { return marks_[Index(x, y)]; }
  void ClearSelectionMarks() { std::fill(marks_.begin(), marks_.end(), 0); }

 private:
  int Index(int x, int y) const { return y * (dimX_ + 2) + x; }

  int dimX_ = 0;
  int dimY_ = 0;
  std::vector<TFieldCell> cells_;
  std::vector<std::uint8_t> marks_;
};

// Sets every cell, border included, to the empty state with the given kind and clears the marks.
void InitPlayFieldCells(TPlayField& field, std::uint8_t kind);

// The Kind of every playable cell as one digit, row by row.
std::string LayoutString(const TPlayField& field);

}  // namespace quorim
