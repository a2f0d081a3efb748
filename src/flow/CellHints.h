#pragma once
// The hover texts of the board's cells: a bonus cell names its bonus while a game is played.

#include "model/Game.h"

#include <QString>

#include <optional>

namespace quorim {

// How long a hover text stays: a bonus cell's, and any other of the game's windows (ms).
constexpr int kBonusHintDuration = 50000;
constexpr int kHintDuration = 20000;

// The cell whose picture lies under point (X, Y) of the main window, or none off the board.
std::optional<Game::CellPlace> CellPictureUnderPoint(const Game& game, int X, int Y);
// The rectangle of a cell's picture in pixels of the main window.
ScreenRect CellPicture(const Game& game, Game::CellPlace cell);

// " " + the bonus's name + its factor over a cell of kind 2..6; none over other cells, and none
// while no game runs or letters are being taken.
std::optional<QString> BonusCellHint(const Game& game, Game::CellPlace cell);

}  // namespace quorim
