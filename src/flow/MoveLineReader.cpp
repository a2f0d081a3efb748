#include "flow/MoveLineReader.h"

#include "Routines/MoveScoring.h"
#include "Routines/WordPlaces.h"
#include "VirtOpp/ComputerMove.h"
#include "model/MoveLineFormat.h"
#include "model/Participants.h"
#include "model/Racks.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace quorim {

namespace {

bool IsTile(const Game& game, int tile) {
  return tile >= 0 && tile < static_cast<int>(game.TileTable.size());
}

TTile& TileOf(Game& game, int tile) {
  return game.TileTable[static_cast<std::size_t>(tile)];
}

int SlotHolding(const TRack& rack, int tile) {
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    if (rack[slot].TileIndex == tile) return slot;
  }
  return 0;
}

class LoadingScope {
 public:
  explicit LoadingScope(Game& game) : game_(game), was_(game.LoadingGame) {
    game.LoadingGame = true;
  }
  ~LoadingScope() { game_.LoadingGame = was_; }
  LoadingScope(const LoadingScope&) = delete;
  LoadingScope& operator=(const LoadingScope&) = delete;

 private:
  Game& game_;
  bool was_;
};

// The committed tile is looked for on the board itself: where it lies is what counts.
bool LiesCommitted(const Game& game, int tile) {
  const TPlayField& field = game.PlayField;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      if (field(x, y).TileIndex == tile && field(x, y).Letter != ' ')
        return game.TileTable[static_cast<std::size_t>(tile)].Owner == kOwnerCommitted;
    }
  }
  return false;
}

// The rack tile becomes a star; the star it is traded for stays on its cell as its letter.
void TakeStarsBack(Game& game, int player, const std::vector<TStarTrade>& trades) {
  TRack& rack = game.Racks[static_cast<std::size_t>(player)];
  for (const TStarTrade& trade : trades) {
    if (!IsTile(game, trade.RackTile) || !IsTile(game, trade.BoardTile)) continue;
    const int slot = SlotHolding(rack, trade.RackTile);
    if (slot == 0 || TileOf(game, trade.RackTile).Star || !TileOf(game, trade.BoardTile).Star ||
        !LiesCommitted(game, trade.BoardTile))
      continue;
    TradeLetterForStar(game, trade.RackTile, trade.BoardTile);
    rack[slot].Letter = game.Alphabet.StarCode();
  }
}

void MarkUsed(TRack& rack, const std::vector<int>& numbers) {
  for (int slot : numbers) rack[static_cast<std::size_t>(slot)].ExchangeMark = true;
}

// The recorded words go to the computer opponent's move routine, which lays them as they stand
// on the marked tiles while a game is loaded.
void LayRecordedWords(Game& game, int player, const std::vector<TRecordedWord>& words) {
  game.Candidates.clear();
  for (const TRecordedWord& word : words) {
    if (word.Start < 1 || word.Start > kMaxFieldDim || word.Line < 1 || word.Line > kMaxFieldDim)
      continue;
    TCandidate candidate;
    candidate.Word = word.Word;
    candidate.Start = static_cast<std::uint8_t>(word.Start);
    candidate.Line = static_cast<std::uint8_t>(word.Line);
    candidate.Direction = word.Direction;
    candidate.RecordedPoints = word.Points;
    game.Candidates.push_back(candidate);
  }
  if (!game.Candidates.empty()) ComputerMove(game, player, SearchPurpose::ComputerMove);
  game.Candidates.clear();
}

// A free bag place at random, chosen among the free places found, so that a bag count gone wrong
// cannot keep the search going forever.
std::optional<BagPlace> FreeBagPlace(Game& game) {
  const TPlayField& field = game.PlayField;
  std::vector<BagPlace> free;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      if (field(x, y).BagLetter == ' ') free.push_back({x, y});
    }
  }
  if (free.empty()) return std::nullopt;
  return free[static_cast<std::size_t>(game.Random(static_cast<int>(free.size())))];
}

bool LiesInBag(const Game& game, int tile) {
  const TTile& t = game.TileTable[static_cast<std::size_t>(tile)];
  return t.Owner == kOwnerBag && t.Spot.area == TileSpot::Area::Bag &&
         game.PlayField.IsPlayable(t.Spot.a, t.Spot.b) &&
         game.PlayField(t.Spot.a, t.Spot.b).BagLetter != ' ';
}

// The rack's tiles go back to the bag face down, and the recorded rack is taken out of it. A tile
// that does not lie in the bag (on the board, in another rack, named twice) leaves its slot
// empty. True when all seven slots hold a tile.
bool RestoreRack(Game& game, int player,
                 const std::array<TRecordedSlot, kRackSlots + 1>& recordedRack) {
  TRack& rack = game.Racks[static_cast<std::size_t>(player)];
  const char star = game.Alphabet.StarCode();
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    TRackSlot& rackSlot = rack[slot];
    if (!IsTile(game, rackSlot.TileIndex)) {
      EmptySlot(rackSlot);
      continue;
    }
    TTile& tile = TileOf(game, rackSlot.TileIndex);
    const char letter = rackSlot.Letter != ' ' ? rackSlot.Letter : tile.Letter();
    const auto place = FreeBagPlace(game);
    if (!place || letter == ' ') continue;  // the tile stays rather than being lost
    game.PlayField(place->x, place->y).BagLetter = letter;
    ++game.BagCount;
    tile.SetLetter(letter, star);
    tile.FaceUp = false;
    tile.Owner = kOwnerBag;
    tile.Spot = TileSpot::Bag(place->x, place->y);
    game.View().ShowTile(rackSlot.TileIndex);
    EmptySlot(rackSlot);
  }

  bool complete = true;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    TRackSlot& rackSlot = rack[slot];
    const TRecordedSlot& recorded = recordedRack[static_cast<std::size_t>(slot)];
    const bool takes = rackSlot.TileIndex < 0 && IsTile(game, recorded.TileIndex) &&
                       game.Alphabet.LetterIndex(recorded.Letter) >= 0 &&
                       LiesInBag(game, recorded.TileIndex);
    if (takes) {
      TTile& tile = TileOf(game, recorded.TileIndex);
      const TileSpot from = tile.Spot;
      game.PlayField(from.a, from.b).BagLetter = ' ';
      if (game.BagCount > 0) --game.BagCount;
      tile.SetLetter(recorded.Letter, star);
      tile.Owner = player;
      tile.FaceUp = true;
      tile.Spot = TileSpot::Rack(player, slot);
      rackSlot.Letter = recorded.Letter;
      rackSlot.TileIndex = static_cast<std::int16_t>(recorded.TileIndex);
      MoveTileOnScreen(game, recorded.TileIndex, from, tile.Spot);
    }
    complete = complete && rackSlot.TileIndex >= 0;
  }
  return complete;
}

void RestoreHints(Game& game, const std::vector<TRecordedHint>& hints) {
  game.HintList.clear();
  for (const TRecordedHint& hint : hints) {
    const int end = hint.Start + static_cast<int>(hint.Word.size()) - 1;
    if (hint.Start < 1 || hint.Line < 1 || end > kMaxFieldDim || hint.Line > kMaxFieldDim) continue;
    const TPlayedWord place{hint.Word,
                            static_cast<std::uint8_t>(hint.Start),
                            static_cast<std::uint8_t>(end),
                            static_cast<std::uint8_t>(hint.Line),
                            hint.Direction,
                            static_cast<std::uint8_t>(hint.Points % 256)};
    if (LiesOnBoard(game, place)) game.HintList.push_back(place);
  }
  game.HintUsedThisMove = true;
}

// Letters laid in the saved move lie on their cells again, not yet submitted.
void LayPendingLetters(Game& game, int player, const std::vector<TRecordedPending>& pending) {
  TRack& rack = game.Racks[static_cast<std::size_t>(player)];
  for (const TRecordedPending& entry : pending) {
    const int slot = entry.TileIndex < 0 ? 0 : SlotHolding(rack, entry.TileIndex);
    if (slot == 0 || !IsTile(game, entry.TileIndex) || !game.PlayField.IsPlayable(entry.X, entry.Y))
      continue;
    TFieldCell& cell = game.PlayField(entry.X, entry.Y);
    if (cell.Letter != ' ' || cell.PendingLetter != ' ' || !cell.DropAllowed) continue;
    TTile& tile = TileOf(game, entry.TileIndex);
    cell.PendingLetter = rack[slot].Letter;
    cell.TileIndex = static_cast<std::int16_t>(entry.TileIndex);
    tile.Spot = TileSpot::Board(entry.X, entry.Y);
    MoveTileOnScreen(game, entry.TileIndex, TileSpot::Rack(player, slot), tile.Spot);
    EmptySlot(rack[slot]);
  }
}

}  // namespace

TMoveLineReplay ReplayMoveLine(Game& game, std::string_view text, bool restoreClocks) {
  const std::optional<TMoveLine> parsed = ParseMoveLine(text);
  if (!parsed || !game.IsPlayer(parsed->Participant)) return {};
  const TMoveLine& line = *parsed;
  const int player = line.Participant;
  const LoadingScope loading(game);

  game.CurrentPlayer = player;
  game.CurrentKind = game.Players[static_cast<std::size_t>(player)].Kind;
  TRack& rack = game.Racks[static_cast<std::size_t>(player)];

  TakeStarsBack(game, player, line.StarTrades);
  for (const auto& clock : {line.GameClock, line.MoveClock}) {
    if (!restoreClocks || !clock) continue;
    game.ClockMinutes = static_cast<std::uint16_t>(clock->Minutes);
    game.ClockSeconds = static_cast<std::uint16_t>(clock->Seconds);
  }
  if (line.FullSetBonus) {
    AddScore(game, player, kFullRackBonus);
    MarkUsed(rack, {1, 2, 3, 4, 5, 6, 7});
  }
  MarkUsed(rack, line.UsedSlots);
  if (line.HasWords) {
    const bool hinted = std::any_of(line.Words.begin(), line.Words.end(),
                                    [](const TRecordedWord& w) { return w.Hinted; });
    if (hinted && game.HintsLeft > 0) --game.HintsLeft;
    LayRecordedWords(game, player, line.Words);
  }
  // the marks only said which tiles the words were laid with
  for (int slot = 1; slot <= kRackSlots; ++slot) rack[slot].ExchangeMark = false;

  bool rackComplete = true;
  if (line.HasSlot) rackComplete = RestoreRack(game, player, line.Rack);
  if (line.HasHelped) RestoreHints(game, line.Hints);
  if (line.HasPlayground) LayPendingLetters(game, player, line.Pending);

  // A header alone is a turn that had begun: it is kept like a move in progress, so that what the
  // participant now does is appended to his own line.
  game.MoveLog.Append(KeptMoveLine(line, rackComplete));

  return {true, player, line.HasWords, line.HasSlot, line.HasPlayground};
}

}  // namespace quorim
