#include "flow/Blinking.h"

#include "flow/GameScreen.h"
#include "model/ControlNames.h"

namespace quorim {

namespace {

constexpr int kLastFlashTick = 1000;
// Owners above this carry the blink mark: a refused word's tiles and a star waiting for its letter.
constexpr int kBlinkingOwner = 600;

}  // namespace

int NextFlashTick(int tick) {
  return tick >= kLastFlashTick ? 0 : tick + 1;
}

FlashFace FlashFaceAt(const Game& game, int tick) {
  FlashFace face;
  if (!game.GameRunning || game.LoadingGame) return face;
  const bool off = tick % 2 == 1;
  bool fast = false;

  std::vector<bool> marked(game.TileTable.size(), false);
  if (game.IsPlayer(game.CurrentPlayer)) {
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      const TRackSlot& rackSlot = game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][slot];
      if (!rackSlot.ExchangeMark || rackSlot.TileIndex < 0 ||
          rackSlot.TileIndex >= static_cast<int>(marked.size()))
        continue;
      marked[static_cast<std::size_t>(rackSlot.TileIndex)] = true;
      fast = true;
    }
  }

  const bool starMarksBlink = game.Settings.FlashStarMarkers && game.Settings.ExchangeStars;
  for (std::size_t k = 0; k < game.TileTable.size(); ++k) {
    const TTile& tile = game.TileTable[k];
    const int index = static_cast<int>(k);
    if (tile.Owner == kOwnerStarChoice) fast = true;
    if (off && (marked[k] || tile.Owner > kBlinkingOwner)) face.hiddenTiles.push_back(index);
    if (off && starMarksBlink && tile.Owner == kOwnerCommitted && tile.Star && tile.StarMark)
      face.silverStarMarks.push_back(index);
  }

  const ControlState& announce = game.View().Control(names::FlashAnnounce);
  face.announceHidden = off && announce.tag == kStatusTextTag && !announce.caption.isEmpty();
  if (off && game.Settings.AnimHighlightActivePlayer && game.IsPlayer(game.CurrentPlayer))
    face.hiddenNumberLabel = game.CurrentPlayer;
  face.interval = fast ? kFastFlashInterval : kFlashInterval;
  return face;
}

}  // namespace quorim
