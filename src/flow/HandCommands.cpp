#include "flow/HandCommands.h"

#include "flow/GameScreen.h"
#include "model/Racks.h"

#include <algorithm>

namespace quorim {

namespace {

// A click names the top-left corner of the tile it carries; the cell under that tile is counted
// from a point this far right of and below the corner, relative to the board picture.
constexpr int kCellPointOffset = 19;
// A rack slot catches a drop whose carried tile mostly covers its square.
constexpr int kSlotSquare = 24;
constexpr int kSlotPointOffset = 12;

// Rounds toward minus infinity, so that a point left of or above the board counts as off it by
// as many cells as it lies off, whichever way the compiler's division would round.
int FloorDiv(int a, int positive) {
  return a >= 0 ? a / positive : -((positive - 1 - a) / positive);
}

// The cell counted from a point of the main window, before any check against the board's size.
Game::CellPlace CountedCell(const Game& game, int X, int Y) {
  const ScreenRect board = game.View().BoardPicture();
  return {FloorDiv(X + kCellPointOffset - board.left, kCellPixels),
          FloorDiv(Y + kCellPointOffset - board.top, kCellPixels)};
}

bool IsTile(const Game& game, int tile) {
  return tile >= 0 && tile < static_cast<int>(game.TileTable.size());
}

// The rack slot of the participant on turn that holds the tile, or 0.
int OwnRackSlotOf(const Game& game, int tile) {
  const TileSpot& spot = game.TileTable[static_cast<std::size_t>(tile)].Spot;
  const int player = game.CurrentPlayer;
  if (spot.area != TileSpot::Area::Rack || spot.a != player || spot.b < 1 || spot.b > kRackSlots)
    return 0;
  return game.Racks[player][spot.b].TileIndex == tile ? spot.b : 0;
}

// Whether the tile lies on the board, laid by the participant on turn in this move.
bool IsOwnLaidTile(const Game& game, int tile) {
  const TileSpot& spot = game.TileTable[static_cast<std::size_t>(tile)].Spot;
  return spot.area == TileSpot::Area::Board &&
         LaidTileAt(game, game.CurrentPlayer, spot.a, spot.b) == tile;
}

// Neither the hint nor the score preview may run while a tile hangs on the mouse.
void OfferHintAndPreview(Game& game, bool offered) {
  if (offered) {
    OfferHints(game);
  } else {
    game.View().SetControlEnabled(names::MenuHelpHInt, false);
  }
  game.View().SetControlEnabled(names::MenuHelpComputeScore, offered);
}

void TakeIntoHand(Game& game, int tile) {
  TTile& taken = game.TileTable[static_cast<std::size_t>(tile)];
  taken.Owner = kOwnerHand;
  taken.Spot = TileSpot::Hand();
  taken.FaceUp = true;
  game.View().ShowTile(tile);
}

void PutInSlot(Game& game, int tile, int slot) {
  const int player = game.CurrentPlayer;
  TRackSlot& rackSlot = game.Racks[player][slot];
  rackSlot.Letter = TileLetter(game, tile);
  rackSlot.ExchangeMark = false;
  rackSlot.TileIndex = static_cast<std::int16_t>(tile);
  TTile& put = game.TileTable[static_cast<std::size_t>(tile)];
  put.Owner = player;
  put.Spot = TileSpot::Rack(player, slot);
  game.View().ShowTile(tile);
}

// The tile in the hand lies down where it was dropped; the tile that lay there, if any, goes to
// the hand and the drag goes on, else the drag ends.
DropResult FinishDrop(Game& game, int displaced) {
  if (displaced >= 0) {
    TakeIntoHand(game, displaced);
    return DropResult::Swapped;
  }
  OfferHintAndPreview(game, true);
  return DropResult::Placed;
}

}  // namespace

bool MayHandleTiles(const Game& game) {
  return !game.GameOver() && !game.DemoRunning && game.TurnPhase == TTurnPhase::MovePhase &&
         game.IsPlayer(game.CurrentPlayer) && !game.Players[game.CurrentPlayer].IsComputer() &&
         !ScreenBusy(game) && !game.AnimationBusy;
}

bool PickUpTile(Game& game, int tile) {
  if (!MayHandleTiles(game) || game.HandTile() >= 0 || !IsTile(game, tile)) return false;
  if (const int slot = OwnRackSlotOf(game, tile); slot != 0) {
    EmptySlot(game.Racks[game.CurrentPlayer][slot]);
  } else if (IsOwnLaidTile(game, tile)) {
    const TileSpot& spot = game.TileTable[static_cast<std::size_t>(tile)].Spot;
    TFieldCell& cell = game.PlayField(spot.a, spot.b);
    cell.PendingLetter = ' ';
    cell.TileIndex = -1;
  } else {
    return false;
  }
  TakeIntoHand(game, tile);
  OfferHintAndPreview(game, false);
  return true;
}

DropResult DropOnCell(Game& game, int x, int y) {
  const int hand = game.HandTile();
  if (hand < 0 || !MayHandleTiles(game) || !game.PlayField.IsPlayable(x, y))
    return DropResult::Refused;
  TFieldCell& cell = game.PlayField(x, y);
  if (!cell.DropAllowed)
    return TakeBackStar(game, hand, x, y) ? DropResult::StarTakenBack : DropResult::Refused;
  const int displaced = cell.TileIndex;
  if (displaced >= 0 && LaidTileAt(game, game.CurrentPlayer, x, y) != displaced)
    return DropResult::Refused;

  cell.PendingLetter = TileLetter(game, hand);
  cell.TileIndex = static_cast<std::int16_t>(hand);
  TTile& dropped = game.TileTable[static_cast<std::size_t>(hand)];
  dropped.Owner = game.CurrentPlayer;
  dropped.Spot = TileSpot::Board(x, y);
  game.View().ShowTile(hand);
  return FinishDrop(game, displaced);
}

DropResult DropOnRack(Game& game, int slot) {
  const int hand = game.HandTile();
  if (hand < 0 || !MayHandleTiles(game) || slot < 1 || slot > kRackSlots)
    return DropResult::Refused;
  const int displaced = game.Racks[game.CurrentPlayer][slot].TileIndex;
  PutInSlot(game, hand, slot);
  return FinishDrop(game, displaced);
}

bool ReturnHandTile(Game& game) {
  const int hand = game.HandTile();
  if (hand < 0 || !game.IsPlayer(game.CurrentPlayer)) return false;
  // Picking the tile up emptied a slot, so one is free.
  const int slot = FirstEmptySlot(game.Racks[game.CurrentPlayer]);
  if (slot != 0) PutInSlot(game, hand, slot);
  OfferHintAndPreview(game, true);
  return true;
}

RightClickResult RightClickTile(Game& game, int tile, bool shift) {
  if (!MayHandleTiles(game) || game.HandTile() >= 0 || !IsTile(game, tile))
    return RightClickResult::Ignored;
  if (IsOwnLaidTile(game, tile)) {
    const TileSpot spot = game.TileTable[static_cast<std::size_t>(tile)].Spot;
    return TakeTileToRack(game, TakeFrom::Board, game.CurrentPlayer, spot.a, spot.b)
               ? RightClickResult::TakenBack
               : RightClickResult::Ignored;
  }
  const int slot = OwnRackSlotOf(game, tile);
  if (slot == 0) return RightClickResult::Ignored;
  if (shift) {
    ToggleAllExchangeMarks(game);
  } else {
    ToggleExchangeMark(game, slot);
  }
  return RightClickResult::MarksChanged;
}

std::optional<Game::CellPlace> CellUnderPoint(const Game& game, int X, int Y) {
  const Game::CellPlace cell = CountedCell(game, X, Y);
  if (!game.PlayField.IsPlayable(cell.x, cell.y)) return std::nullopt;
  return cell;
}

Game::CellPlace DropCellUnderPoint(const Game& game, int X, int Y) {
  const Game::CellPlace cell = CountedCell(game, X, Y);
  return {std::clamp(cell.x, 1, game.PlayField.DimX()),
          std::clamp(cell.y, 1, game.PlayField.DimY())};
}

int RackSlotUnderPoint(const Game& game, int player, int X, int Y) {
  if (!game.IsPlayer(player)) return 0;
  const int px = X + kSlotPointOffset;
  const int py = Y + kSlotPointOffset;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    const TRackSlot& s = game.Racks[player][slot];
    if (px >= s.Left && px < s.Left + kSlotSquare && py >= s.Top && py < s.Top + kSlotSquare)
      return slot;
  }
  return 0;
}

}  // namespace quorim
