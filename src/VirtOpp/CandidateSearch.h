#pragma once
// The computer opponent's search for placements. Along every row and then every column it
// collects the letters it could use on that line, walks the word lists once for the words that can
// be spelt from them, and fits each such word through a letter of the line. From normal intellect
// on it also builds on runs of adjacent letters. A hint runs the same search for a person's rack
// and shows each placement as it is found.

#include "model/Game.h"

#include <cstdint>
#include <string_view>

namespace quorim {

enum class SearchPurpose { ComputerMove = 1, Hint = 2 };

// Fills FoundCandidates in the order found, at most one placement per word and line. When the game
// ends or the hint is cancelled meanwhile, the search stops and keeps what it found so far.
void SearchCandidates(Game& game, int player, SearchPurpose purpose);

// Whether the pool's letters spell the word; with starsAllowed a star of the pool stands for a
// letter it lacks.
bool IsFormableFromPool(std::string_view word, std::string_view pool, char starCode,
                        bool starsAllowed);

// The preliminary value of a letter on board cell (x, y), modulo 256; a word bonus cell adds its
// factor to the word's multiplier instead.
std::uint8_t RoughLetterScore(const Game& game, char letter, int x, int y,
                              std::uint8_t& wordMultiplier);

// The cells a candidate covers, as a word's place.
TPlayedWord CandidatePlace(const TCandidate& candidate);

// Candidates := FoundCandidates, highest rough score first, ties as the exchange sort leaves them.
void LoadCandidates(Game& game);

// The placement is shown with the participant's rack tiles for a while; then they go back.
void ShowCandidate(Game& game, int player, const TCandidate& candidate);

}  // namespace quorim
