#include "flow/ScreenEffects.h"

#include "model/Players.h"

#include <cstdlib>

namespace quorim {

namespace {

constexpr int kMaxScoreDisplay = 9;

}  // namespace

std::optional<ScoreCount> CountingScore(int player, int from, int to, int scoreLimit) {
  if (player < 1 || player > kMaxScoreDisplay || from == to) return std::nullopt;
  const bool odd = player % 2 == 1;
  ScoreCount count;
  count.countingPlate = odd ? QStringLiteral("ScrG2") : QStringLiteral("ScrM2");
  count.finalPlate = odd ? QStringLiteral("ScrG1") : QStringLiteral("ScrM1");
  count.countingColor = to > from ? colors::White : colors::Black;
  count.finalColor = odd ? skincolors::OddParticipant : skincolors::EvenParticipantClock;
  count.sound = odd ? QStringLiteral("score2") : QStringLiteral("score1");

  const int distance = std::abs(to - from);
  const int stride = (distance + kMaxScoreSteps - 1) / kMaxScoreSteps;
  const int direction = to > from ? 1 : -1;
  for (int shown = from + direction * stride;; shown += direction * stride) {
    const bool last = direction > 0 ? shown >= to : shown <= to;
    count.steps.push_back(last ? to : shown);
    if (last) break;
  }
  if (scoreLimit > 0) {
    for (std::size_t i = 0; i < count.steps.size(); ++i) {
      const int shown = count.steps[i];
      if (direction > 0 ? shown >= scoreLimit : shown <= scoreLimit) {
        // only a count that passes the limit on its way reaches it
        if ((from < scoreLimit) == (direction > 0)) count.limitStep = static_cast<int>(i);
        break;
      }
    }
  }
  return count;
}

ScanMarkerPlaces PlaceScanMarkers(std::uint8_t direction, int line, ScreenSize board) {
  // the cell's own 28 px, from the board's 18 px margin
  const int cell = 28 * line - 10;
  if (direction == kVertical) {
    return {{cell, 1, kMarkerHeight, kMarkerWidth},
            {cell, board.height - kMarkerWidth, kMarkerHeight, kMarkerWidth},
            true};
  }
  return {{1, cell, kMarkerWidth, kMarkerHeight},
          {board.width - kMarkerWidth, cell, kMarkerWidth, kMarkerHeight},
          false};
}

}  // namespace quorim
