#pragma once
// A computer participant's move: it takes back stars from the board, searches for placements,
// tries them in an order that depends on its intellect, checks each against the whole board and
// the dictionary, lays and scores the accepted words with its rack's tiles and writes them to the
// move record. When nothing fits in the first pass it exchanges letters instead. While a saved game
// is replayed, the recorded words in Candidates are laid as they stand, with their recorded points.

#include "VirtOpp/CandidateSearch.h"
#include "model/Game.h"

namespace quorim {

// One pass (OpponentPass, set by the caller) of a computer's turn, or the search of a hint.
void ComputerMove(Game& game, int player, SearchPurpose purpose);

// A computer's whole turn: the first pass, and at high intellect a second one unless the first
// exchanged, emptied the rack or ended the game.
void ComputerTurn(Game& game, int player);

// Tries the Candidates for the participant and lays what is accepted: the first accepted one at
// low and normal intellect (low draws them at random), every one still accepted at high. True when
// at least one was laid.
bool ChooseAndLay(Game& game, int player);

// Every committed star that stands for a letter the participant holds goes back to his rack in
// exchange for that letter.
void TakeBackStars(Game& game, int player);

}  // namespace quorim
