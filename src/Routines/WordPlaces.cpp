#include "Routines/WordPlaces.h"

namespace quorim {

std::vector<int> WordTiles(const Game& game, const TPlayedWord& place) {
  std::vector<int> tiles;
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    if (!game.PlayField.IsPlayable(at.x, at.y)) continue;
    const int tile = game.PlayField(at.x, at.y).TileIndex;
    if (tile >= 0 && tile < static_cast<int>(game.TileTable.size())) tiles.push_back(tile);
  }
  return tiles;
}

bool LiesOnBoard(const Game& game, const TPlayedWord& place) {
  if (place.Start < 1 || place.End < place.Start) return false;
  const CellXY first = WordCell(place, place.Start);
  const CellXY last = WordCell(place, place.End);
  return game.PlayField.IsPlayable(first.x, first.y) && game.PlayField.IsPlayable(last.x, last.y);
}

ScreenPoint PlaceBesideCell(const Game& game, int x, int y, const BesideCell& offsets) {
  const ScreenRect board = game.View().BoardPicture();
  const bool right = x > game.PlayField.DimX() / 2;
  const bool lower = y > game.PlayField.DimY() / 2;
  return game.View().ClientToScreen(
      {board.left + kCellPixels * x + (right ? offsets.farLeft : offsets.nearLeft),
       board.top + kCellPixels * y + (lower ? offsets.farTop : offsets.nearTop)});
}

}  // namespace quorim
