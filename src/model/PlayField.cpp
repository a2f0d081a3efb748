#include "model/PlayField.h"

namespace quorim {

void TPlayField::Allocate(int dimX, int dimY) {
  dimX_ = dimX;
  dimY_ = dimY;
  const auto size = static_cast<std::size_t>((dimX + 2) * (dimY + 2));
  cells_.assign(size, TFieldCell{});
  marks_.assign(size, 0);
}

void InitPlayFieldCells(TPlayField& field, std::uint8_t kind) {
  for (int y = 0; y <= field.DimY() + 1; ++y) {
    for (int x = 0; x <= field.DimX() + 1; ++x) {
      field(x, y) = TFieldCell{};
      field(x, y).Kind = kind;
    }
  }
  field.ClearSelectionMarks();
}

std::string LayoutString(const TPlayField& field) {
  std::string layout;
  layout.reserve(static_cast<std::size_t>(field.CellCount()));
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) layout += static_cast<char>('0' + field(x, y).Kind);
  }
  return layout;
}

}  // namespace quorim
