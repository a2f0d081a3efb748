#pragma once
// Writers of the move record's tokens. Each appends to the current turn's line; none writes while
// a saved game is replayed, since its lines are taken over as they were.

namespace quorim {

class Game;

// "ETIME:" minutes "/" seconds "," of the game clock, when the game has a time limit and the line
// holds none yet.
void AppendGameClock(Game& game);

// "SLOT:" (once per line), then letter "/" tile "," for each of the seven slots.
void AppendRackRecord(Game& game, int player);

// "TAKESTAR:" (once per line), then rack tile "/" board tile ",".
void AppendStarTakeBack(Game& game, int rackTile, int boardTile);

}  // namespace quorim
