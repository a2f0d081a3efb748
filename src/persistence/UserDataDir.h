#pragma once
// Where the game keeps what it writes: the working directory when it holds the game's data,
// otherwise a directory of the user's own, mirrored from the data that ships with the game.

#include <QString>

#include <optional>

namespace quorim {

// Whether dir is a data directory: it has lang\default.txt and a dict folder (any letter case).
bool HoldsGameData(const QString& dir);

// $XDG_DATA_HOME/quorim, or ~/.local/share/quorim when XDG_DATA_HOME is unset or not absolute.
QString DefaultUserDataDir();

// Makes user a data directory that follows shipped, and gives user, or nothing with the reason in
// error. Folders are real folders; the files the game only reads are links to the shipped ones
// (copies where no link can be made), so that updates reach the user; the settings files, the song
// list and the alphabets, which the game writes, are copied once when missing; saves, the hall of
// fame and the user's word lists are never taken from shipped. Links to shipped files that are
// gone are removed. The user's own files stay as they are, and nothing is written into shipped.
// When user is shipped itself, it is given as it is.
std::optional<QString> PrepareUserDataDir(const QString& shipped, const QString& user,
                                          QString& error);

// The data directory at start-up: workingDir when it holds the game's data (and is not user),
// otherwise user made ready by PrepareUserDataDir.
std::optional<QString> ChooseDataDir(const QString& workingDir, const QString& shipped,
                                     const QString& user, QString& error);

}  // namespace quorim
