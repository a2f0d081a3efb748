#pragma once
// "hallfame.dat": the hall of fame table as one block, read at start-up and replaced whole after a
// game.

#include "model/HallOfFame.h"

#include <QString>
#include <QStringView>

namespace quorim {

// The game path in the data directory.
constexpr QStringView kHallOfFameFile = u"hallfame.dat";

// A missing file, one that cannot be read or one of another size than the table gives an
// all-vacant table.
HallOfFame ReadHallOfFame(const QString& path);

// Replaces the file without ever leaving a half-written one. A file there that is no table is kept
// first as path + ".bad" (".bad2", ".bad3"… when that name is taken). False when the table or that
// copy could not be written; the old file is then untouched.
bool WriteHallOfFame(const QString& path, const HallOfFame& hall);

}  // namespace quorim
