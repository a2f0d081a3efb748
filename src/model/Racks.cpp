#include "model/Racks.h"

#include "model/Game.h"
#include "model/MoveTokens.h"

namespace quorim {

namespace {

// The face-down tile lying at a bag place.
int BagTileAt(const Game& game, int x, int y) {
  for (std::size_t k = 0; k < game.TileTable.size(); ++k) {
    const TTile& tile = game.TileTable[k];
    if (tile.Owner == kOwnerBag && tile.Spot == TileSpot::Bag(x, y)) return static_cast<int>(k);
  }
  return -1;
}

// Whether the refill may take the letter lying at a place.
struct StarRule {
  char star;
  bool mayTakeStars;  // a person, or a computer above low intellect
  int starsTaken = 0;
  bool Accepts(char letter, int bagCount) const {
    if (letter == ' ') return false;
    if (letter != star) return true;
    return mayTakeStars && (starsTaken == 0 || bagCount < 8);
  }
};

bool AnyAcceptablePlace(const Game& game, const StarRule& rule) {
  const TPlayField& field = game.PlayField;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      if (rule.Accepts(field(x, y).BagLetter, game.BagCount)) return true;
    }
  }
  return false;
}

StarRule DrawingRule(const Game& game, int player) {
  return {game.Alphabet.StarCode(), !game.Players[player].IsComputer() || game.Intellect > 1};
}

}  // namespace

void EmptySlot(TRackSlot& slot) {
  slot = TRackSlot{' ', slot.Left, slot.Top, false, -1};
}

int FirstEmptySlot(const TRack& rack) {
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    if (rack[slot].Letter == ' ') return slot;
  }
  return 0;
}

int LaidTileAt(const Game& game, int player, int x, int y) {
  if (!game.PlayField.IsPlayable(x, y)) return -1;
  const int k = game.PlayField(x, y).TileIndex;
  const bool laid = k >= 0 && k < static_cast<int>(game.TileTable.size()) &&
                    game.TileTable[k].Owner == player && game.PlayField(x, y).Letter == ' ';
  return laid ? k : -1;
}

char TileLetter(const Game& game, int tile) {
  const TTile& t = game.TileTable[static_cast<std::size_t>(tile)];
  return t.Star ? game.Alphabet.StarCode() : t.Letter();
}

void MoveTileOnScreen(Game& game, int tile, const TileSpot& from, const TileSpot& to) {
  if (!game.ShowsEffects()) {
    game.View().ShowTile(tile);
    return;
  }
  game.AnimationBusy = true;
  game.View().FlyTile(tile, from, to);
  game.AnimationBusy = false;
}

int EmptySlotCount(const Game& game, int player) {
  if (!game.IsPlayer(player)) return 0;
  int empty = 0;
  for (int slot = 1; slot <= kRackSlots; ++slot) empty += game.Racks[player][slot].Letter == ' ';
  return empty;
}

bool TakeTileToRack(Game& game, TakeFrom from, int player, int x, int y) {
  if (!game.IsPlayer(player)) return false;
  TRack& rack = game.Racks[player];
  const int slot = FirstEmptySlot(rack);
  if (slot == 0) return false;
  const int k = from == TakeFrom::Bag ? BagTileAt(game, x, y) : LaidTileAt(game, player, x, y);
  if (k < 0) return false;

  TTile& tile = game.TileTable[k];
  const TileSpot source = tile.Spot;
  const TileSpot target = TileSpot::Rack(player, slot);
  tile.FaceUp = true;
  tile.Owner = player;
  tile.Spot = target;
  rack[slot].Letter = TileLetter(game, k);
  rack[slot].TileIndex = static_cast<std::int16_t>(k);
  TFieldCell& cell = game.PlayField(x, y);
  if (from == TakeFrom::Bag) {
    cell.BagLetter = ' ';
  } else {
    // The cell forgets the tile entirely, or later steps would find a rack tile on the board.
    cell.PendingLetter = ' ';
    cell.TileIndex = -1;
    cell.NewLetter = false;
  }
  MoveTileOnScreen(game, k, source, target);
  return true;
}

void FinishDrawing(Game& game, int player) {
  AppendGameClock(game);
  AppendRackRecord(game, player);
  TakeRackSnapshot(game, player);
}

void TakeRackSnapshot(Game& game, int player) {
  for (int slot = 1; slot <= kRackSlots; ++slot)
    game.RackSnapshot[slot] = {game.Racks[player][slot].TileIndex, false};
}

bool MayDrawMore(const Game& game, int player) {
  return game.IsPlayer(player) && EmptySlotCount(game, player) > 0 && game.BagCount > 0 &&
         AnyAcceptablePlace(game, DrawingRule(game, player));
}

void RefillRack(Game& game, int player) {
  if (!game.IsPlayer(player)) return;
  const TPlayField& field = game.PlayField;
  StarRule rule = DrawingRule(game, player);
  while (EmptySlotCount(game, player) > 0 && game.BagCount > 0 && AnyAcceptablePlace(game, rule)) {
    int x, y;
    do {
      x = game.Random(field.DimX()) + 1;
      y = game.Random(field.DimY()) + 1;
    } while (!rule.Accepts(field(x, y).BagLetter, game.BagCount));
    const bool star = field(x, y).BagLetter == rule.star;
    if (!TakeTileToRack(game, TakeFrom::Bag, player, x, y)) break;
    --game.BagCount;
    rule.starsTaken += star;
  }
  FinishDrawing(game, player);
}

ClickedTileResult TakeClickedBagTile(Game& game, int x, int y) {
  const int player = game.CurrentPlayer;
  if (game.TurnPhase != TTurnPhase::DrawPhase || game.AnimationBusy || !game.IsPlayer(player) ||
      game.Players[player].IsComputer() || !game.PlayField.IsPlayable(x, y)) {
    return ClickedTileResult::Ignored;
  }
  if (!TakeTileToRack(game, TakeFrom::Bag, player, x, y)) return ClickedTileResult::Ignored;
  --game.BagCount;
  if (EmptySlotCount(game, player) > 0 && game.BagCount > 0) return ClickedTileResult::Taken;
  FinishDrawing(game, player);
  return ClickedTileResult::DrawingFinished;
}

std::optional<BagPlace> RandomFreeBagPlace(Game& game) {
  const TPlayField& field = game.PlayField;
  if (game.BagCount >= field.CellCount()) return std::nullopt;
  for (;;) {
    const BagPlace place{game.Random(field.DimX()) + 1, game.Random(field.DimY()) + 1};
    if (field(place.x, place.y).BagLetter == ' ') return place;
  }
}

void ExchangeLetters(Game& game, int player) {
  if (game.GameOver() || !game.IsPlayer(player)) return;
  TRack& rack = game.Racks[player];
  std::vector<int> marked;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    if (rack[slot].ExchangeMark && rack[slot].TileIndex >= 0)
      marked.push_back(rack[slot].TileIndex);
  }
  if (game.ShowsEffects()) {
    const bool first = player == 1 && !game.Players[player].IsComputer();
    game.PlaySound(first ? QStringLiteral("change1") : QStringLiteral("change2"));
    game.View().ShowExplosion(marked);
  }
  ++game.Players[player].ExchangeRun;
  ReturnMarkedLetters(game, player);
}

void ReturnMarkedLetters(Game& game, int player) {
  if (!game.IsPlayer(player)) return;
  TRack& rack = game.Racks[player];
  const Alphabet& alphabet = game.Alphabet;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    TRackSlot& rackSlot = rack[slot];
    const bool exchange = rackSlot.ExchangeMark && rackSlot.TileIndex >= 0;
    rackSlot.ExchangeMark = false;
    if (!exchange) continue;
    const auto place = RandomFreeBagPlace(game);
    if (!place) break;
    // Near the end of the bag a letter must not come straight back as itself.
    const char letter =
        game.BagCount < 8
            ? static_cast<char>(alphabet.LetterCode[game.Random(alphabet.AlphabetSize + 1)])
            : rackSlot.Letter;
    game.PlayField(place->x, place->y).BagLetter = letter;
    ++game.BagCount;
    TTile& tile = game.TileTable[rackSlot.TileIndex];
    tile.SetLetter(letter, alphabet.StarCode());
    tile.FaceUp = false;
    tile.Owner = kOwnerBag;
    tile.Spot = TileSpot::Bag(place->x, place->y);
    game.View().ShowTile(rackSlot.TileIndex);
    rackSlot.Letter = ' ';
    rackSlot.TileIndex = -1;
  }
}

ExchangeOutcome ExchangeMarkedLetters(Game& game) {
  const int player = game.CurrentPlayer;
  if (!game.IsPlayer(player)) return ExchangeOutcome::NothingMarked;
  bool anyMarked = false;
  for (int slot = 1; slot <= kRackSlots; ++slot)
    anyMarked = anyMarked || game.Racks[player][slot].ExchangeMark;
  if (!anyMarked) {
    game.PlaySound(QStringLiteral("error"));
    game.View().ShowInGameMessage(game.InterfaceText(u"InGameMessageChangeLettersNoOneSelected"),
                                  {});
    return ExchangeOutcome::NothingMarked;
  }
  if (game.Players[player].ExchangeRun > 4 &&
      !game.View().AskInGameQuestion(game.InterfaceText(u"InGameQuestionTooMuchLettersExchange"),
                                     {})) {
    return ExchangeOutcome::Declined;
  }
  ReturnLaidLetters(game);
  game.ClearSelections();
  // An exchange spends a hint taken in this move even when hints are unlimited.
  if (game.HintUsedThisMove && game.HintsLeft > 0) --game.HintsLeft;
  game.HintUsedThisMove = false;
  ExchangeLetters(game, player);
  return ExchangeOutcome::Exchanged;
}

void ReturnLaidLetters(Game& game) {
  const int player = game.CurrentPlayer;
  const TPlayField& field = game.PlayField;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      if (LaidTileAt(game, player, x, y) >= 0) TakeTileToRack(game, TakeFrom::Board, player, x, y);
    }
  }
}

void ClearExchangeMarks(Game& game) {
  if (!game.IsPlayer(game.CurrentPlayer)) return;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    TRackSlot& rackSlot = game.Racks[game.CurrentPlayer][slot];
    if (!rackSlot.ExchangeMark) continue;
    rackSlot.ExchangeMark = false;
    // A blinking tile may have been left hidden.
    if (rackSlot.TileIndex >= 0) game.View().ShowTile(rackSlot.TileIndex);
  }
}

void ToggleExchangeMark(Game& game, int slot) {
  if (!game.IsPlayer(game.CurrentPlayer) || slot < 1 || slot > kRackSlots) return;
  TRackSlot& rackSlot = game.Racks[game.CurrentPlayer][slot];
  if (rackSlot.TileIndex < 0) return;
  rackSlot.ExchangeMark = !rackSlot.ExchangeMark;
  game.View().ShowTile(rackSlot.TileIndex);
}

void ToggleAllExchangeMarks(Game& game) {
  if (!game.IsPlayer(game.CurrentPlayer)) return;
  TRack& rack = game.Racks[game.CurrentPlayer];
  bool allMarked = true;
  for (int slot = 1; slot <= kRackSlots; ++slot) allMarked = allMarked && rack[slot].ExchangeMark;
  if (allMarked) {
    ClearExchangeMarks(game);
    return;
  }
  ReturnLaidLetters(game);
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    rack[slot].ExchangeMark = true;
    if (rack[slot].TileIndex >= 0) game.View().ShowTile(rack[slot].TileIndex);
  }
}

bool StarMayBeTakenBack(const Game& game, int draggedTile, int x, int y) {
  if (!game.Settings.ExchangeStars || !game.PlayField.IsPlayable(x, y) || draggedTile < 0 ||
      draggedTile >= static_cast<int>(game.TileTable.size())) {
    return false;
  }
  const TFieldCell& cell = game.PlayField(x, y);
  const int boardTile = cell.TileIndex;
  if (boardTile < 0 || boardTile >= static_cast<int>(game.TileTable.size())) return false;
  const TTile& dragged = game.TileTable[static_cast<std::size_t>(draggedTile)];
  const TTile& star = game.TileTable[static_cast<std::size_t>(boardTile)];
  return star.Star && star.Owner == kOwnerCommitted && !dragged.Star &&
         cell.Letter == dragged.Letter();
}

bool TakeBackStar(Game& game, int draggedTile, int x, int y) {
  if (!StarMayBeTakenBack(game, draggedTile, x, y)) return false;
  TradeLetterForStar(game, draggedTile, game.PlayField(x, y).TileIndex);
  return true;
}

void TradeLetterForStar(Game& game, int letterTile, int starTile) {
  TTile& star = game.TileTable[static_cast<std::size_t>(starTile)];
  game.TileTable[static_cast<std::size_t>(letterTile)].SetLetter(game.Alphabet.StarCode(),
                                                                 game.Alphabet.StarCode());
  star.Star = false;
  star.Hint = star.Hint.substr(0, 2);  // its letter and the number of who laid it
  star.StarTakenBack = true;
  AppendStarTakeBack(game, letterTile, starTile);
  game.View().ShowTile(letterTile);
  game.View().ShowTile(starTile);
}

}  // namespace quorim
