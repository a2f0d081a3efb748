#pragma once
// Setting up the model for a new game, and the two ways a participant's record grows: points and
// recorded words.

#include "model/Players.h"

#include <string>

namespace quorim {

class Game;

// The participants of a first start: a person and a computer opponent.
void SetDefaultParticipants(Game& game, const std::string& personName,
                            const std::string& computerName);

// Builds the playfield of LastTemplate and fills the bag (the move record starts with the layout
// and the bag), clears scores, racks and recorded words, and draws the first participant.
void SetUpGameModel(Game& game);

// Every participant starts without points, exchanges, letters or recorded words.
void ClearParticipantsForGame(Game& game);

// The only way a score changes; the score display counts up to the new score.
void AddScore(Game& game, int player, int points);

// Records an accepted word in the participant's first free entry, its points modulo 256. False
// once his 200 entries are used: the word still scores but is not listed.
bool AddPlayedWord(Game& game, int player, TPlayedWord word, int points);

}  // namespace quorim
