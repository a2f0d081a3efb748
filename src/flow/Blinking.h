#pragma once
// What the flash timer blinks on one tick: marked rack tiles, the tiles of a refused word, a star
// waiting for its letter, the marks of committed stars, the status line and the number of the
// participant on turn. Every tick toggles; the window shows the face and takes the interval.

#include "model/Game.h"

#include <vector>

namespace quorim {

inline constexpr int kFlashInterval = 500;
inline constexpr int kFastFlashInterval = 250;

// The tick after this one: the count runs from 0 to 1000 and starts again.
int NextFlashTick(int tick);

struct FlashFace {
  std::vector<int> hiddenTiles;      // ascending
  std::vector<int> silverStarMarks;  // committed stars whose "*" is silver, ascending
  bool announceHidden = false;       // the status line while it holds a status text
  int hiddenNumberLabel = 0;         // the participant whose number is off; 0: none
  int interval = kFlashInterval;
};

// The face of the tick. A default face, nothing hidden, is what the screen shows when the timer
// stops, while no game runs and while a saved game is replayed.
FlashFace FlashFaceAt(const Game& game, int tick);

}  // namespace quorim
