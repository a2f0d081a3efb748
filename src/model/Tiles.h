#pragma once
// The tile table: one tile per bag place, created when a game starts. Tiles keep their identity
// for the whole game; the move record names them by their index.

#include <string>
#include <vector>

namespace quorim {

constexpr int kMaxTiles = 900;

// Owner tags of a tile.
constexpr int kOwnerCommitted = -2;  // committed to the board
constexpr int kOwnerBag = -1;        // face down in the choice field
constexpr int kOwnerHand = 0;        // being dragged
// 1..8: on that participant's rack, or laid by him in the current move.
// A blinking tile carries this mark on top of its owner: the board blinks the laid tiles of a
// refused word as owner + mark, and a star waiting for its letter as the mark alone.
constexpr int kOwnerBlinkMark = 666;
constexpr int kOwnerStarChoice = kOwnerBlinkMark;

// Where a tile lies, or where a flight starts and ends.
struct TileSpot {
  enum class Area { Bag, Board, Rack, Hand };
  Area area = Area::Bag;
  int a = 0;  // Bag, Board: column; Rack: participant
  int b = 0;  // Bag, Board: row; Rack: slot

  static TileSpot Bag(int x, int y) { return {Area::Bag, x, y}; }
  static TileSpot Board(int x, int y) { return {Area::Board, x, y}; }
  static TileSpot Rack(int player, int slot) { return {Area::Rack, player, slot}; }
  static TileSpot Hand() { return {Area::Hand, 0, 0}; }
  bool operator==(const TileSpot&) const = default;
};

// The picture of a committed tile: the colour of the participant who laid it (odd or even
// number) when ShowColorLetters is on, else the colour of used letters.
enum class TileFace : unsigned char { Rack, OddPlayer, EvenPlayer, Used };

struct TTile {
  // The letter first (the star character for a star); a committed tile adds the number of the
  // participant who laid it, and a committed star the star character after that.
  std::string Hint{};
  int Owner = kOwnerBag;
  bool Star = false;
  std::string HelpKeyword{};  // "new" while the tile belongs to the latest move
  bool FaceUp = false;
  bool StarTakenBack = false;  // shows a "*": the star it was went back to a rack
  TileSpot Spot;
  TileFace Face = TileFace::Rack;
  unsigned char BonusKind = 0;  // KeepBonuses: the bonus still active under a committed tile
  bool StarMark = false;        // a committed star shows a "*" (ExchangeStars)

  char Letter() const { return Hint.empty() ? ' ' : Hint.front(); }
  void SetLetter(char letter, char starCode) {
    Hint.assign(1, letter);
    Star = letter == starCode;
  }
};

using TTileTable = std::vector<TTile>;

}  // namespace quorim
