#pragma once
// When a computer participant can lay no word, it returns letters to the bag instead. Which ones
// depends on its intellect and on how many times in a row it has exchanged; the language's
// nochange.txt names the letters a careful opponent keeps. A long run of exchanges asks the person
// whether to go on.

#include "model/Game.h"

#include <string>

namespace quorim {

// The letters a careful opponent keeps: the first line of nochange.txt and the star. Without the
// file only the star.
std::string KeptLetters(const Game& game);

// May end the game (too many exchanges in a row).
void ComputerExchange(Game& game, int player);

}  // namespace quorim
