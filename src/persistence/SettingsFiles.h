#pragma once
// The settings files: "quorim.ini" (the last player, three program-wide options, the known
// players) and one file per player with every other option and the set-up of his last game.

#include "model/Game.h"
#include "model/Players.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace quorim {

// "Anna/Im0/Human/0": name, avatar, kind name and save number, cut to their widths on reading.
TPlayer ParseParticipantEntry(std::string_view value);
std::string ParticipantEntry(const TPlayer& player);

// DictionaryLimits in a file: each line followed by "/".
std::string PackDictionaryLimits(const std::vector<std::string>& limits);
std::vector<std::string> UnpackDictionaryLimits(std::string_view packed);

// The game path of a player's settings file: the name in lower case + ".ini", with the characters
// a file name cannot hold replaced.
QString PlayerSettingsPath(const Game& game, const std::string& playerName);

// Reads quorim.ini, asking the full-screen question when it names no window mode, then the
// settings of its Player1. Gives whether quorim.ini existed with any lines.
bool ReadMainSettings(Game& game);
// Reads the player's settings file; false, with nothing changed, when there is none.
bool ReadPlayerSettings(Game& game, const std::string& playerName);

// Replace the files whole, never leaving a half-written one; false when a file could not be
// written.
bool WriteMainSettings(const Game& game);
bool WritePlayerSettings(const Game& game, const std::string& playerName);

}  // namespace quorim
