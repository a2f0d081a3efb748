#pragma once
// The context menu of a word lying on the board: its meaning, and taking it out of the dictionary.
// Excluding a word the computer has just laid makes the computer take that move back and move
// again without the word.

#include "model/Game.h"

#include <QString>

#include <optional>
#include <vector>

namespace quorim {

enum class ContextItemKind { Explain, Separator, Exclude };

// One item of the menu; Player and Entry name the recorded word (entry 1..200 of his words).
struct TContextItem {
  ContextItemKind Kind = ContextItemKind::Explain;
  QString Name;
  QString Caption;
  int Player = 0;
  int Entry = 0;
};

// The cell whose menu a right click on the tile opens: a tile of an earlier move, while the person
// on turn may handle his tiles. Nothing for any other tile.
std::optional<Game::CellPlace> ContextMenuCell(const Game& game, int tile);

// The items of cell (x, y): the words of every participant through it, then, with the user lists
// on, a separator and an exclusion item per word, the latest entries first.
std::vector<TContextItem> ContextMenuItems(const Game& game, int x, int y);

// The recorded word of the participant's entry, in the screen's letters; empty for none.
QString RecordedWordText(const Game& game, int player, int entry);

// The exclusion item of the participant's entry was chosen on the menu of the tile: after the
// question (when asked for), the word goes to the excluded list. When it belongs to the move the
// computer has just made, that move is taken back and the computer moves again; otherwise a
// message says the word is excluded.
void ExcludeLaidWord(Game& game, int player, int entry, int tile);

}  // namespace quorim
