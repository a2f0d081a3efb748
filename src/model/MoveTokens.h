#pragma once
// Writers of the move record's tokens. Each appends to the current turn's line; none writes while
// a saved game is replayed, since its lines are taken over as they were.

#include "model/Players.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorim {

class Game;

// The record has no escapes: a name or word holding one of its delimiters "=", ",", "/", "(" or
// ")" would be misread, so it must not be written.
bool FitsMoveRecord(std::string_view text);

// "ETIME:" minutes "/" seconds "," of the game clock, when the game has a time limit and the line
// holds none yet.
void AppendGameClock(Game& game);

// letter "/" tile "," for each of the seven slots, a space and -1 for an empty one.
std::string RackEntries(const Game& game, int player);
// "SLOT:" (once per line), then the rack's entries.
void AppendRackRecord(Game& game, int player);

// "TAKESTAR:" (once per line), then rack tile "/" board tile ",".
void AppendStarTakeBack(Game& game, int rackTile, int boardTile);
// An accepted word: the line loses a "PLAYGROUND:" tail, gets the game clock and "WORDS:" before
// its first word, then word "(" points ")" position direction ["X" when hinted] ",", the position
// being Start x 10000 + End x 100 + Line.
void AppendPlayedWord(Game& game, const TPlayedWord& word, int points, bool hinted);
// "FULLSETBONUS," for a move that emptied the rack.
void AppendFullRackBonus(Game& game);
// Saving puts the clock ("MTIME:" or "ETIME:") and the letters laid but not yet submitted
// ("PLAYGROUND:" then x x 1000 + y "/" tile ",", column by column) on the current line. Saving the
// same turn again replaces both with what holds now.
void RecordClockForSave(Game& game, std::string_view keyword);
void RecordPendingLettersForSave(Game& game);
// "HELPED:" and one entry per hint shown in this move: word "(" points ")" start x 100 + line
// direction ",".
std::string HelpedToken(const std::vector<TPlayedWord>& hints);

// "(USED:" and the rack slots (1..7, no separator) whose tiles the move laid, then "),".
void AppendUsedSlots(Game& game, const std::string& slotNumbers);

}  // namespace quorim
