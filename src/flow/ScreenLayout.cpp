#include "flow/ScreenLayout.h"

namespace quorim {

StartMenuLayout LayOutStartMenu(ScreenSize client, ScreenSize menuPicture, ScreenSize buttonPicture,
                                bool continueShown) {
  StartMenuLayout menu;
  menu.continueShown = continueShown;
  ScreenRect& background = menu.background;
  background = {(client.width - menuPicture.width) / 2 + 5,
                (client.height - menuPicture.height) / 2 - 5, menuPicture.width,
                menuPicture.height};

  const ScreenRect first{background.left + (background.width - buttonPicture.width) / 2 - 5,
                         background.top + 120, buttonPicture.width, buttonPicture.height};
  const auto below = [](ScreenRect face, int distance) {
    face.top += distance;
    return face;
  };
  const auto title = [](const ScreenRect& face) {
    return ScreenPoint{face.left + 11, face.top + 6};
  };
  menu.newGame = first;
  menu.loadGame = below(first, 35);
  menu.exit = below(first, 70);
  menu.continueGame = below(menu.exit, 59);
  menu.newGameTitle = title(menu.newGame);
  menu.loadGameTitle = title(menu.loadGame);
  menu.exitTitle = title(menu.exit);
  menu.continueTitle = title(menu.continueGame);
  menu.lastPlayerTitle = {background.left + 10, background.top + 73, background.width - 30, 50};

  if (!continueShown) {
    // Only the background changes: its picture, unscaled, loses its bottom 58 px and moves down 28.
    menu.backgroundAutoSize = false;
    background.height -= 58;
    background.top += 28;
  }
  return menu;
}

}  // namespace quorim
