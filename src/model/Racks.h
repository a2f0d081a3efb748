#pragma once
// Racks, letter taking from the face-down bag, exchange marks, the exchange and taking a star back.

#include <array>
#include <cstdint>
#include <optional>

namespace quorim {

class Game;
struct TileSpot;

constexpr int kRackSlots = 7;

struct TRackSlot {
  char Letter = ' ';       // ' ' = empty
  std::uint16_t Left = 0;  // pixel position on the participant's panel
  std::uint16_t Top = 0;
  bool ExchangeMark = false;
  std::int16_t TileIndex = -1;
};

// Slots 1..7; entry 0 is unused so that slot numbers read as in the move record.
using TRack = std::array<TRackSlot, kRackSlots + 1>;

// The slot holds no tile any more; it keeps its place on the panel.
void EmptySlot(TRackSlot& slot);
// The first slot whose letter is " ", or 0 when the rack is full.
int FirstEmptySlot(const TRack& rack);
// The tile the participant laid on board cell (x, y) in this move, or -1.
int LaidTileAt(const Game& game, int player, int x, int y);
// What a tile puts into a slot or a cell: its letter, or the star character for a star.
char TileLetter(const Game& game, int tile);

// Shows a tile moving from one spot to another (without animation while a game is replayed),
// keeping commands out of the rack meanwhile.
void MoveTileOnScreen(Game& game, int tile, const TileSpot& from, const TileSpot& to);

// Empty slots of a participant's rack; 0 when there is no such rack.
int EmptySlotCount(const Game& game, int player);

enum class TakeFrom { Bag, Board };

// Moves the tile lying face down at bag place (x, y), or the participant's tile laid on board cell
// (x, y), into his first empty slot, with its flight shown. False when no slot is free or no such
// tile lies there. Taking from the bag leaves BagCount to the caller.
bool TakeTileToRack(Game& game, TakeFrom from, int player, int x, int y);

// The participant's rack has an empty slot and the bag a letter he may draw into it (a computer
// on low intellect draws no star).
bool MayDrawMore(const Game& game, int player);

// Automatic drawing until the rack is full or the bag is empty, then the rack is recorded. A
// computer on low intellect never draws a star; while 8 or more letters are left nobody draws more
// than one star per refill. When only such stars are left the rack stays partly filled.
void RefillRack(Game& game, int player);

// A person on turn clicks a face-down tile while taking letters by hand.
enum class ClickedTileResult { Ignored, Taken, DrawingFinished };
ClickedTileResult TakeClickedBagTile(Game& game, int x, int y);

// The record of the rack after letter taking and the snapshot the next move starts from.
void FinishDrawing(Game& game, int player);
// RackSnapshot := the participant's rack tiles, none used yet: what his move starts from.
void TakeRackSnapshot(Game& game, int player);

// A random bag place whose letter has been taken; none when every place is occupied.
struct BagPlace {
  int x;
  int y;
};
std::optional<BagPlace> RandomFreeBagPlace(Game& game);

// The marked letters of a participant go back to random free bag places, face down. With fewer
// than 8 letters left in the bag a random alphabet entry goes back instead of the letter. Nothing
// happens once the game is over. The sound tells participant 1 from the others and computers.
void ExchangeLetters(Game& game, int player);
// The same without sound, explosion or counting an exchange.
void ReturnMarkedLetters(Game& game, int player);

// The exchange command of the participant on turn. Without a marked letter it only says so. From
// the sixth exchange without a word on it asks first; No leaves the game to end. Otherwise laid
// letters come back, selections are cleared, a hint taken in this move is spent, and the marked
// letters go to the bag; taking new letters and passing the turn are the caller's.
enum class ExchangeOutcome { NothingMarked, Declined, Exchanged };
ExchangeOutcome ExchangeMarkedLetters(Game& game);

// Every tile the participant on turn laid in this move goes back to his rack.
void ReturnLaidLetters(Game& game);
void ClearExchangeMarks(Game& game);
// A rack tile of the participant on turn is marked for exchange, or unmarked.
void ToggleExchangeMark(Game& game, int slot);
// Shift: marks all seven slots, laid letters returned first; when all are marked, clears them.
void ToggleAllExchangeMarks(Game& game);

// With ExchangeStars on, a dragged tile dropped on a committed star that stands for its letter
// takes the star back: the dragged tile becomes a star in the hand, the board tile stays as the
// letter it stood for. False when the drop does not qualify.
bool TakeBackStar(Game& game, int draggedTile, int x, int y);
// Whether such a drop on cell (x, y) would take the star back.
bool StarMayBeTakenBack(const Game& game, int draggedTile, int x, int y);
// The letter tile becomes a star; the committed star tile keeps the letter it stood for and shows
// that it was a star.
void TradeLetterForStar(Game& game, int letterTile, int starTile);

}  // namespace quorim
