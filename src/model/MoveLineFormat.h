#pragma once
// A move record line taken apart into its header and tokens. Only the record's keywords are
// compared without regard to case; words, names and rack letters are 8-bit text of the dictionary's
// code page and are kept byte for byte.

#include "model/Racks.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorim {

// "TAKESTAR:" a "/" b ",": the rack tile given for the board's star.
struct TStarTrade {
  int RackTile = -1;
  int BoardTile = -1;
};

// "ETIME:" / "MTIME:" m "/" s ",".
struct TRecordedClock {
  int Minutes = 0;
  int Seconds = 0;
};

// A "WORDS:" entry; the position is Start x 10000 + End x 100 + Line.
struct TRecordedWord {
  std::string Word;
  int Points = 0;
  int Start = 0;
  int End = 0;
  int Line = 0;
  std::uint8_t Direction = 0;  // kHorizontal or kVertical
  bool Hinted = false;         // "X": a hint was taken in the move
};

// A "SLOT:" entry: a space and -1 for an empty slot.
struct TRecordedSlot {
  char Letter = ' ';
  int TileIndex = -1;
};

// A "PLAYGROUND:" entry: x x 1000 + y "/" tile.
struct TRecordedPending {
  int X = 0;
  int Y = 0;
  int TileIndex = -1;
};

// A "HELPED:" entry: word "(" points ")" start x 100 + line direction.
struct TRecordedHint {
  std::string Word;
  int Points = 0;
  int Start = 0;
  int Line = 0;
  std::uint8_t Direction = 0;
};

struct TMoveLine {
  std::string Text;    // the line as read
  std::string Header;  // "(n)name", everything before the first "="
  int Participant = 0;
  std::string Name;

  bool HasTakeStar = false;
  std::vector<TStarTrade> StarTrades;
  std::string StarTradesText;  // the well-formed entries as the record writes them

  std::optional<TRecordedClock> GameClock;  // "ETIME:"
  std::optional<TRecordedClock> MoveClock;  // "MTIME:"
  bool FullSetBonus = false;

  bool HasUsed = false;
  std::vector<int> UsedSlots;  // 1..7, as written

  bool HasWords = false;
  std::vector<TRecordedWord> Words;

  bool HasSlot = false;
  std::array<TRecordedSlot, kRackSlots + 1> Rack{};  // slots 1..7
  std::size_t SlotAt = std::string::npos;            // where "SLOT:" begins in Text

  bool HasPlayground = false;
  std::vector<TRecordedPending> Pending;

  bool HasHelped = false;
  std::vector<TRecordedHint> Hints;
};

// Nothing when the line has no "=" or its header names no participant 1..8. A malformed entry of
// a token is left out; the rest of the line is still read.
std::optional<TMoveLine> ParseMoveLine(std::string_view line);

// What the game's record keeps of a replayed line, for the game to go on appending to it: a line
// with a rack or words as it stands, but cut before "SLOT:" while the rack has gaps (completing
// the drawing records it again); any other line is a move in progress, of which only the header
// and the stars taken back stay, since saving and the move check write the rest afresh.
std::string KeptMoveLine(const TMoveLine& line, bool rackComplete);

}  // namespace quorim
