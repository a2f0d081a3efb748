#pragma once
// Replaying one line of a saved game's move record on the game being loaded: the same tiles go to
// the same racks and cells, the recorded words are laid with their recorded points, and the
// record of the game takes the line over so that play can go on appending to it.

#include "model/Game.h"

#include <string_view>

namespace quorim {

// What loading needs of a line to decide who is on turn once the record is read.
struct TMoveLineReplay {
  bool Read = false;  // false: no "=", or no participant 1..PlayerCount(); nothing changed
  int Participant = 0;
  bool HadWords = false;
  bool HadSlot = false;
  bool HadPlayground = false;
};

// The loader has built the board and the bag. The line is replayed as loading does (LoadingGame
// is set for the duration, whatever the caller left): no record writing, no effects, no waits.
// With restoreClocks the recorded clocks become the running ones. Entries naming tiles or cells
// that are not where the line says are passed over.
TMoveLineReplay ReplayMoveLine(Game& game, std::string_view line, bool restoreClocks);

}  // namespace quorim
