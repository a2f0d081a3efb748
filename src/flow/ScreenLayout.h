#pragma once
// Where the start menu stands on the main screen: pure geometry in pixels for the main window to
// apply.

#include "model/GameView.h"

namespace quorim {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The start menu, in the main window's client coordinates. A caption label sizes itself to its
// text, so only its corner is given.
struct StartMenuLayout {
  ScreenRect background;  // MenuBgr
  bool backgroundAutoSize = true;
  ScreenRect newGame, loadGame, exit, continueGame;  // MenuButton1, 2, 3, 6
  ScreenPoint newGameTitle, loadGameTitle, exitTitle, continueTitle;
  ScreenRect lastPlayerTitle;  // ScreenButtonTitleLastPlayer
  bool continueShown = false;  // MenuButton6 and its caption
};

StartMenuLayout LayOutStartMenu(ScreenSize client, ScreenSize menuPicture, ScreenSize buttonPicture,
                                bool continueShown);

}  // namespace quorim
