#pragma once
// The main loop of a game: it sets a game up, deals the letters round the table, passes the turn
// from participant to participant, lets computers move as soon as the turn reaches them, refills
// racks from the bag and notices when the game has to end. Everything runs inside the commands
// and ticks that call it; a chain of computer turns runs until a person has to act.

#include "model/Game.h"

#include <QString>

#include <optional>

namespace quorim {

// The new game command: the new game window, then the game.
void NewGameCommand(Game& game);
// The new game without the window (also the demonstration's start): the title screen goes, the
// game starts and its clocks are armed.
void RunNewGame(Game& game);

// Sets up the game of the last set-up and runs turns until a person has to act. A participant
// name the move record cannot hold refuses the game with a message; that text is returned.
std::optional<QString> StartGame(Game& game);

// advance false: the participant on turn takes letters; true: the turn passes on, through every
// computer turn that follows, to the next person (or the game's end).
void NextTurn(Game& game, bool advance);

// Automatic drawing for the participant during the game, with the busy cursor.
void TakeLetters(Game& game, int player);
// The person on turn clicks his letters out of the face-down bag.
void OfferManualDrawing(Game& game);

// The deal: from the participant on turn, everyone whose rack is empty takes letters and passes,
// until the turn is back with someone who holds letters.
void DealRoundTheTable(Game& game);

// A computer's turn with the menus locked: it moves (both passes at high intellect) unless it is
// only being dealt letters, then takes letters. False when the game ended in its move.
bool RunComputerTurn(Game& game, int player, bool moves);

// One of the three "your move" sounds.
void PlayTurnSound(Game& game);

// The turn of the person now on turn begins: his move phase, or first taking letters, or the
// game's end when he holds no letters and the bag is empty.
void BeginTurn(Game& game);

}  // namespace quorim
