#include "model/MoveTokens.h"

#include "model/Game.h"

#include <string>

namespace quorim {

namespace {

bool Records(const Game& game) { return !game.LoadingGame && game.MoveLog.Exists(); }

void AppendOnce(MoveRecord& log, std::string_view keyword) {
  if (!log.LastLineContains(keyword)) log.AppendToLastLine(keyword);
}

}  // namespace

void AppendGameClock(Game& game) {
  if (!Records(game) || !game.GameClockOn() || game.MoveLog.LastLineContains("ETIME:")) return;
  game.MoveLog.AppendToLastLine("ETIME:" + std::to_string(game.ClockMinutes) + '/' +
                                std::to_string(game.ClockSeconds) + ',');
}

void AppendRackRecord(Game& game, int player) {
  if (!Records(game) || !game.IsPlayer(player)) return;
  AppendOnce(game.MoveLog, "SLOT:");
  std::string entries;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    const TRackSlot& rackSlot = game.Racks[player][slot];
    entries += rackSlot.Letter;
    entries += '/' + std::to_string(rackSlot.TileIndex) + ',';
  }
  game.MoveLog.AppendToLastLine(entries);
}

void AppendStarTakeBack(Game& game, int rackTile, int boardTile) {
  if (!Records(game)) return;
  AppendOnce(game.MoveLog, "TAKESTAR:");
  game.MoveLog.AppendToLastLine(std::to_string(rackTile) + '/' + std::to_string(boardTile) + ',');
}

}  // namespace quorim
