#include "model/Bag.h"

#include "model/Game.h"

#include <numeric>

namespace quorim {

namespace {

// Entries 0..N (the star included) by quantity, largest first. An exchange sort: equal quantities
// keep their alphabet order.
std::vector<int> EntriesByQuantity(const Alphabet& alphabet, std::vector<int>& quantity) {
  const int entries = alphabet.AlphabetSize + 1;
  std::vector<int> order(static_cast<std::size_t>(entries));
  std::iota(order.begin(), order.end(), 0);
  quantity.resize(order.size());
  for (int i = 0; i < entries; ++i) quantity[i] = alphabet.LetterQuantity[i] & 0xFF;
  for (int i = 0; i < entries; ++i) {
    for (int j = i + 1; j < entries; ++j) {
      if (quantity[order[j]] > quantity[order[i]]) std::swap(order[i], order[j]);
    }
  }
  return order;
}

void DealLetters(Game& game) {
  TPlayField& field = game.PlayField;
  const int cells = field.CellCount();
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) field(x, y).BagLetter = ' ';
  }
  game.BagCount = 0;
  if (game.Alphabet.AlphabetTotalQuantity() == 0) return;  // nothing could ever be dealt
  while (game.BagCount < cells) {
    std::vector<int> left;
    const std::vector<int> order = EntriesByQuantity(game.Alphabet, left);
    for (bool dealt = true; dealt;) {
      dealt = false;
      for (int entry : order) {
        if (left[entry] == 0) continue;
        TFieldCell* cell;
        do {
          cell = &field(game.Random(field.DimX()) + 1, game.Random(field.DimY()) + 1);
        } while (cell->BagLetter != ' ');
        cell->BagLetter = static_cast<char>(game.Alphabet.LetterCode[entry]);
        --left[entry];
        dealt = true;
        if (++game.BagCount == cells) return;
      }
    }
  }
}

}  // namespace

void CountBagLetters(Game& game) {
  const TPlayField& field = game.PlayField;
  game.BagCount = 0;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) game.BagCount += field(x, y).BagLetter != ' ';
  }
}

void FillBag(Game& game) {
  if (game.LoadingGame) {
    CountBagLetters(game);
  } else {
    DealLetters(game);
  }
  TPlayField& field = game.PlayField;
  const char star = game.Alphabet.StarCode();
  game.TileTable.assign(static_cast<std::size_t>(field.CellCount()), TTile{});
  for (int y = 1, k = 0; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x, ++k) {
      TTile& tile = game.TileTable[k];
      tile.SetLetter(field(x, y).BagLetter, star);
      tile.Spot = TileSpot::Bag(x, y);
    }
  }
  game.MoveLog.Append(BagString(game));
  for (int y = 0; y <= field.DimY() + 1; ++y) {
    for (int x = 0; x <= field.DimX() + 1; ++x) field(x, y).DropAllowed = true;
  }
  game.View().PlaceTiles();
}

std::string BagString(const Game& game) {
  const TPlayField& field = game.PlayField;
  std::string bag;
  bag.reserve(static_cast<std::size_t>(field.CellCount() * 2));
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      bag += field(x, y).BagLetter;
      bag += ',';
    }
  }
  return bag;
}

}  // namespace quorim
