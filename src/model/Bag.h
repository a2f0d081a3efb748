#pragma once
// The face-down bag: one letter per playfield cell, as many whole alphabet sets as fit and then a
// partial set in which the most frequent letters come first.

#include <string>

namespace quorim {

class Game;

// Fills every bag place (a replayed game keeps the bag letters its loader set), creates the tile
// table with one face-down tile per place and appends the bag string to the move record.
void FillBag(Game& game);

// BagCount := the places that still hold a letter.
void CountBagLetters(Game& game);
// Each place's letter followed by ",", row by row.
std::string BagString(const Game& game);

}  // namespace quorim
