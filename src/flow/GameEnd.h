#pragma once
// The end of a game: the winner, the game-over window, a good enough result into the hall of fame,
// and the way back to the title screen.

#include "model/Game.h"

#include <QString>

#include <string_view>

namespace quorim {

// The first participant with the highest score; 0 when every score is the same.
int FindWinner(const Game& game);

// Ends the running game. Called again while a chain of computer turns unwinds, or without a
// game, it only tidies up and returns to the title screen.
void EndGame(Game& game);

// A command or tick that may wait while the screen stays alive. A clock or an end request that
// ends the game meanwhile only sets GameOver: the board, racks and tiles the command is working on
// stay, and the outermost command ends the game when it returns.
class CommandScope {
 public:
  explicit CommandScope(Game& game) : game_(game) { ++game_.CommandsRunning; }
  ~CommandScope();
  CommandScope(const CommandScope&) = delete;
  CommandScope& operator=(const CommandScope&) = delete;

 private:
  Game& game_;
};

// The winner's result goes into the hall of fame table; the window shows where it went. The file
// is rewritten when the game knows its players.
void UpdateHallOfFame(Game& game, int winner);

// The avatar beside the hall of fame's leader: the computer's picture for the computer, the known
// player's of that name, else the person's default picture.
QString HallLeaderAvatar(const Game& game, std::string_view name);

}  // namespace quorim
