#include "model/MoveTokens.h"

#include "model/Game.h"

#include <string>

namespace quorim {

namespace {

bool Records(const Game& game) {
  return !game.LoadingGame && game.MoveLog.Exists();
}

void AppendOnce(MoveRecord& log, std::string_view keyword) {
  if (!log.LastLineContains(keyword)) log.AppendToLastLine(keyword);
}

}  // namespace

bool FitsMoveRecord(std::string_view text) {
  return text.find_first_of("=,/()") == std::string_view::npos;
}

void AppendGameClock(Game& game) {
  if (!Records(game) || !game.GameClockOn() || game.MoveLog.LastLineContains("ETIME:")) return;
  game.MoveLog.AppendToLastLine("ETIME:" + std::to_string(game.ClockMinutes) + '/' +
                                std::to_string(game.ClockSeconds) + ',');
}

std::string RackEntries(const Game& game, int player) {
  std::string entries;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    const TRackSlot& rackSlot = game.Racks[player][slot];
    entries += rackSlot.Letter;
    entries += '/' + std::to_string(rackSlot.TileIndex) + ',';
  }
  return entries;
}

void AppendRackRecord(Game& game, int player) {
  if (!Records(game) || !game.IsPlayer(player)) return;
  AppendOnce(game.MoveLog, "SLOT:");
  game.MoveLog.AppendToLastLine(RackEntries(game, player));
}

void RecordClockForSave(Game& game, std::string_view keyword) {
  if (!game.MoveLog.Exists() || game.MoveLog.Lines().empty()) return;
  std::string& line = game.MoveLog.Lines().back();
  const std::string value =
      std::to_string(game.ClockMinutes) + '/' + std::to_string(game.ClockSeconds) + ',';
  const std::size_t at = line.find(keyword);
  if (at == std::string::npos) {
    line += std::string(keyword) + value;
    return;
  }
  // a later save of the same turn keeps the one token, with the clock as it is now
  const std::size_t from = at + keyword.size();
  const std::size_t comma = line.find(',', from);
  line.replace(from, comma == std::string::npos ? std::string::npos : comma + 1 - from, value);
}

void RecordPendingLettersForSave(Game& game) {
  if (!game.MoveLog.Exists() || game.MoveLog.Lines().empty()) return;
  std::string& line = game.MoveLog.Lines().back();
  // an earlier save of this turn listed the letters as they lay then
  if (const std::size_t saved = line.find("PLAYGROUND:"); saved != std::string::npos)
    line.erase(saved);
  const TPlayField& field = game.PlayField;
  for (int x = 1; x <= field.DimX(); ++x) {
    for (int y = 1; y <= field.DimY(); ++y) {
      const TFieldCell& cell = field(x, y);
      if (cell.PendingLetter == ' ' || cell.Letter != ' ') continue;
      if (line.find("PLAYGROUND:") == std::string::npos) line += "PLAYGROUND:";
      line += std::to_string(x * 1000 + y) + '/' + std::to_string(cell.TileIndex) + ',';
    }
  }
}

std::string HelpedToken(const std::vector<TPlayedWord>& hints) {
  std::string token = "HELPED:";
  for (const TPlayedWord& hint : hints) {
    token += hint.Word + '(';
    token += std::to_string(hint.Score);
    token += ')';
    token += std::to_string(hint.Start * 100 + hint.Line);
    token += hint.Direction == kVertical ? "V," : "H,";
  }
  return token;
}

void AppendStarTakeBack(Game& game, int rackTile, int boardTile) {
  if (!Records(game)) return;
  AppendOnce(game.MoveLog, "TAKESTAR:");
  game.MoveLog.AppendToLastLine(std::to_string(rackTile) + '/' + std::to_string(boardTile) + ',');
}

void AppendPlayedWord(Game& game, const TPlayedWord& word, int points, bool hinted) {
  if (!Records(game) || game.MoveLog.Lines().empty()) return;
  std::string& line = game.MoveLog.Lines().back();
  // what a save appended to the move in progress goes
  if (const std::size_t saved = line.find("PLAYGROUND:"); saved != std::string::npos)
    line.erase(saved);
  if (!game.MoveLog.LastLineContains("WORDS:")) {
    AppendGameClock(game);
    game.MoveLog.AppendToLastLine("WORDS:");
  }
  const int position = word.Start * 10000 + word.End * 100 + word.Line;
  game.MoveLog.AppendToLastLine(
      word.Word + '(' + std::to_string(points) + ')' + std::to_string(position) +
      (word.Direction == kVertical ? "V" : "H") + (hinted ? "X" : "") + ',');
}

void AppendFullRackBonus(Game& game) {
  if (Records(game)) game.MoveLog.AppendToLastLine("FULLSETBONUS,");
}

void AppendUsedSlots(Game& game, const std::string& slotNumbers) {
  if (Records(game)) game.MoveLog.AppendToLastLine("(USED:" + slotNumbers + "),");
}

}  // namespace quorim
