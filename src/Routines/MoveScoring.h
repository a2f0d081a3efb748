#pragma once
// Applying an accepted move: its words are committed to the board, scored with the letter and word
// bonuses, the long-word bonus and the hint penalty, recorded for the participant and written to
// the move record; emptying the rack earns a bonus. The score preview computes the same scores and
// only shows them.

#include "Routines/WordPlaces.h"
#include "model/Game.h"

#include <string>
#include <vector>

namespace quorim {

constexpr int kFullRackBonus = 15;
constexpr int kLongWordLength = 8;  // from this length on a word earns its length in points

// The points a hinted word of the given score loses, by the game's hint limit.
int HintPenalty(int hintLimit, int score);

// A word of this move equals a word a hint suggested in it, at the same place or, on the game's
// first move, anywhere.
bool IsHintedWord(const Game& game, const TPlayedWord& word);

// The laid letters of the place become permanent.
void CommitWord(Game& game, const TPlayedWord& place);

// How a word of the board scores, part by part.
struct WordScore {
  struct LetterBonus {
    CellXY at;
    int factor = 2;  // 2 or 3
  };
  std::vector<LetterBonus> letterBonuses;  // in the word's order
  int letters = 0;                         // the letters' values, letter bonuses counted
  int wordFactor = 0;  // the word bonuses added up: two double words make 4; 0 without any
  bool doubleWordsOnly = false;  // word bonuses, none of them triple
  int longWordBonus = 0;
  int hintPenalty = 0;
  int total = 0;
};

// The score of the place as the board stands; changes nothing.
WordScore ScoreOfWord(const Game& game, const TPlayedWord& place, bool hinted);

// The bonus cells of the place are used up unless KeepBonuses; the start cell turns plain.
void UseWordBonuses(Game& game, const TPlayedWord& place);

// The place's points, with the scoring effects; its bonuses are used up. Outside the preview the
// points go to the participant.
int ScoreWord(Game& game, int player, const TPlayedWord& place, bool hinted);

// The participant's words as his avatar's hint lists them, under a line of dashes.
QString AvatarHint(const Game& game, int player);

// The word goes into the participant's list of words and onto his avatar's hint.
void RecordPlayedWord(Game& game, int player, const TPlayedWord& word, int points);

// A move that emptied the rack: the bonus points, announced in the colour (0x00BBGGRR), and its
// record token.
void AwardFullRackBonus(Game& game, int player, int messageColor);

// Commits, scores and records every word of MoveWords for the participant, with the full-rack
// bonus and the move record; sets MoveAccepted.
void ApplyAcceptedMove(Game& game, int player);

// The rack slots (as digits 1..7) whose tiles of the move's start have left the rack; their
// RackSnapshot entries are marked as used.
std::string UsedSlotNumbers(Game& game, int player);

// The preview: the scores of MoveWords shown on the board; bonuses, stars, scores and the record
// stay as they were.
void ShowPreviewScores(Game& game);

// Laid letters that no neighbour can ever reach again are dropped (without selection frames).
void DropUnreachablePendingLetters(Game& game);

}  // namespace quorim
