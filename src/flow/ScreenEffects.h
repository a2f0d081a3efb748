#pragma once
// The effects of the screen whose shape the game decides: how a participant's score display counts
// to a new score, and where the two scanning markers of a hint stand beside the board.

#include "flow/ScreenLayout.h"
#include "media/Colors.h"
#include "model/GameView.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quorim {

inline constexpr int kScoreStepPause = 10;    // ms per point counted
inline constexpr int kScoreCountRest = 500;   // ms the new score stands before the game goes on
inline constexpr int kScoreLimitBlinks = 24;  // changes of the display reaching the score limit
inline constexpr int kScoreLimitBlinkPause = 50;
inline constexpr int kScoreLimitColor = colors::Yellow;
inline constexpr int kExplosionFramePause = 35;  // ms per frame of the explosion
// A count longer than this takes bigger steps, so a wrapped score cannot hold the game for minutes.
inline constexpr int kMaxScoreSteps = 400;

struct ScoreCount {
  QString countingPlate;  // the score plate while it counts
  QString finalPlate;
  int countingColor = colors::White;
  SkinColorUse finalColor{};
  QString sound;
  std::vector<int> steps;  // the numbers shown one after another, the new score last
  int limitStep = -1;      // the step that reaches the score limit, where the display blinks
};

// How participant's display counts from one score to the other; nothing for a participant number
// outside 1..9 or an unchanged score. A score limit of 0 is none.
std::optional<ScoreCount> CountingScore(int player, int from, int to, int scoreLimit);

inline constexpr int kMarkerWidth = 16;  // the skin's "Marker1", upright
inline constexpr int kMarkerHeight = 28;

// The two markers in the board picture's coordinates: across, in the left and right margins
// beside the row; down, lying in the top and bottom margins over the column.
struct ScanMarkerPlaces {
  ScreenRect first;
  ScreenRect second;
  bool lying = false;  // the picture turned a quarter
};
ScanMarkerPlaces PlaceScanMarkers(std::uint8_t direction, int line, ScreenSize board);

}  // namespace quorim
