#pragma once
// The avatar pictures: every picture of GRAFIX\PLAYERS and of its sub-folders, named by their place
// in the chooser ("Im0", "Im1", "Im12A" for an animation, "pc0" for the computer's picture).

#include "media/DataDir.h"

#include <QString>

#include <vector>

namespace quorim {

struct Avatar {
  QString name;  // what participant records store
  QString path;  // the file
  QString hint;  // the file name
  bool animated = false;
};

// The root folder first, then each sub-folder; files in name order. Three to a row, so entry k
// is named "Im" + (k mod 3 + 10 * (k div 3)).
std::vector<Avatar> AvatarCatalogue(const DataDir& data);

// The entry of that name, else the person's default "Im0", else nothing (no pictures at all).
const Avatar* FindAvatar(const std::vector<Avatar>& catalogue, const QString& name);

// The skin animation of a winner with this avatar in the game-over window: its file name up to
// the first dot, then "go" ("anna.bmp" gives "Animatio\annago").
QString WinnerAnimation(const Avatar& avatar);

}  // namespace quorim
