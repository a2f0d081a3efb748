#pragma once
// The game clock and the move clock of a limited game: their texts and colours on the participant
// panels, their one-second ticks, the windows that stop the move clock meanwhile, and the display
// of the hints a game still allows.

#include "model/Game.h"

#include <QString>

namespace quorim {

// A timer of the main window runs or stops; the game keeps the state its ticks test.
void SetTimer(Game& game, GameTimer timer, bool running);
bool TimerRunning(const Game& game, GameTimer timer);

// "09 .41": the running clock as the panels show it.
QString RunningClockText(int minutes, int seconds);

// At the game's start with a game time: every panel shows the whole time and the clock is set.
void ArmGameClock(Game& game);
// The participant's move clock starts with his full time; every other panel shows "00.00".
void StartMoveClock(Game& game, int player);

// The ticks of ElaspedTimer and MoveTimer. Time over ends the game; a move time-out submits the
// laid letters or passes the turn.
void GameClockTick(Game& game);
void MoveClockTick(Game& game);

// Both clocks stand still while a game is replayed, and while the program is minimised with a
// person on turn (unless the options say otherwise).
bool ClocksPaused(const Game& game);

// Windows opened during a move (save, load, options, the exit question, a message) stop the move
// clock and hide the board so that the time cannot be used to think; afterwards the clock runs on
// with the time it had, if a move is in progress (or always).
void PauseMoveClock(Game& game);
void ResumeMoveClock(Game& game, bool always = false);
void HideBoardTiles(Game& game);
void ShowBoardTiles(Game& game);

// The hint button's hint and the menu item's caption show the hints left, or only their first
// line and title; none left disables them.
void ShowHintCount(Game& game, bool counted);
// The same with the count unless hints are unlimited.
void RefreshHintDisplay(Game& game);
// After a game was loaded: unlimited hints leave the menu item usable only when the game allows
// them without limit.
void RefreshHintDisplayAfterLoading(Game& game);
// After a game was loaded the move clock of the participant on turn runs again in his colour
// (red in its last seconds); a game clock shows on every panel.
void ShowClocksAfterLoading(Game& game);

// Go after a hint in this move spends one of a limited allowance, accepted or not.
void ChargeHintForGo(Game& game);

}  // namespace quorim
