#pragma once
// Reading the letters a person laid in a move as words and judging them: every word must be in
// the dictionary, long enough, new to the game (unless repeating is allowed) and connected to the
// start cell or to earlier letters. The first fault stops the check with a message beside the
// word; an accepted move is scored and committed.

#include "model/Game.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorim {

constexpr int kMaxMoveWords = 15;
constexpr int kMaxReadsOfFrame = 20;

struct WordRead {
  std::string Word;  // empty: no word; at most kWordWidth letters
  int Start = 0;
  int End = 0;  // the run's real end, also past kWordWidth letters
};

// The run of filled cells through (x, y) in the direction; a letter with no filled neighbour at
// all is a word of one letter, any other run shorter than two letters is none.
WordRead ReadWordAt(const Game& game, int x, int y, std::uint8_t direction);

// The place touches a start cell, a committed letter or a word accepted earlier in this move.
bool IsConnected(const Game& game, const TPlayedWord& place);

// With repeating forbidden, the earlier word of any participant that equals the word.
std::optional<TPlayedWord> IsRepeatedWord(const Game& game, std::string_view word);

// Asks the letter of every star of the place still waiting for one; false when cancelled.
bool ChooseStarLetters(Game& game, const TPlayedWord& place);

// After a refused check: the stars of the move wait for their letter again and the laid letters
// may be moved on.
void ResetFailedMove(Game& game);

enum class MoveCheckResult { Accepted, Refused, Cancelled };

// Go (or, with PreviewMode set, the score preview) for the participant on turn. Accepted: the move
// is committed and scored, or its scores are previewed.
MoveCheckResult CheckAndScoreMove(Game& game, int player);

}  // namespace quorim
