#pragma once
// The groups of named controls the turn controller switches together: the move buttons, the save
// and load buttons, the game menus, the title screen, and the status line.

#include "model/Game.h"

#include <QString>

namespace quorim {

// The tag of the status line while it holds a status text, which flashes.
inline constexpr int kStatusTextTag = 666;

// Go, Exchange, Hint and Preview show the hand (usable) or the no-entry cursor.
void SetMoveButtonsCursor(Game& game, ControlCursor cursor);
// The hint button and menu item are usable only while hints are left.
void OfferHints(Game& game);
void SetSaveLoadButtonsCursor(Game& game, ControlCursor cursor);
// MenuGame, MenuHelp and MenuIntellect.
void SetGameMenusEnabled(Game& game, bool enabled);
void SetScreenCursor(Game& game, ControlCursor cursor);
bool ScreenBusy(const Game& game);
// The title screen's background and buttons, with the current player and dictionary language.
void ShowTitleScreen(Game& game, bool visible);
// A status text in the status line (tag 666 makes it flash as a status); empty clears it.
void ShowStatus(Game& game, const QString& text, int color);

// The name of a participant as the screen shows it.
QString PlayerName(const Game& game, int player);

}  // namespace quorim
