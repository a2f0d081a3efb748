#pragma once
// The game's data at start-up, after the languages are chosen: every setting from its default and
// the settings files, the theme letters and dictionary size, the alphabet and the word list.

#include "media/DataFileError.h"
#include "media/LanguageChoice.h"
#include "model/Game.h"

#include <optional>

namespace quorim {

// outputDevices and outputVolume are the sound library's, for the sound defaults. A language the
// settings name that is not installed gives way to the one chosen at start-up. Gives the error of
// an alphabet that could not be loaded.
std::optional<DataFileError> LoadStartUpData(Game& game, const LanguageChoice& choice,
                                             int outputDevices, int outputVolume);

// Everything that follows from Settings.DictionaryLang: its theme letters and titles, its size and
// excluded themes, its alphabet and word list. Gives the error of an alphabet that could not be
// loaded.
std::optional<DataFileError> LoadDictionaryLanguage(Game& game);

// The last layout's playfield behind the start menu. The dimensions the options set for a random
// layout stay as they were.
void ShowStartUpPlayField(Game& game);

}  // namespace quorim
