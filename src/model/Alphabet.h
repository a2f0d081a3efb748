#pragma once
// The letter set of the dictionary language: each letter's code, points and share of the bag, and
// the star (blank tile) as the entry after the last letter.

#include "media/DataDir.h"
#include "media/DataFileError.h"
#include "media/InterfaceStrings.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

namespace quorim {

struct Alphabet {
  // Tile pictures hold 50 entries per colour, so at most 49 letters and the star.
  static constexpr int kEntries = 51;
  static constexpr int kMaxLines = 50;

  std::array<std::uint16_t, kEntries> LetterCode{};
  std::array<std::uint16_t, kEntries> LetterValue;
  std::array<std::uint16_t, kEntries> LetterQuantity;
  std::uint8_t AlphabetSize = 0;
  std::uint16_t FirstLetterCode = 0;

  // Before any file is loaded every letter is worth one point and occurs once.
  Alphabet() {
    LetterValue.fill(1);
    LetterQuantity.fill(1);
  }

  // The character that stands for a star everywhere in the game.
  char StarCode() const { return static_cast<char>(FirstLetterCode + AlphabetSize); }
  // The entry of a character: AlphabetSize for the star, -1 for a character outside the alphabet.
  int LetterIndex(char ch) const;
  std::uint16_t AlphabetTotalQuantity() const;
  // About how often a letter occurs in a bag of the given number of cells (one more or less).
  int ExpectedCopies(int index, int cells) const;
};

// Where the alphabet of a dictionary language lies: dict\<lang>\alphabet.txt, and its factory copy
// alphabet.def beside it, both in the language's code page.
struct AlphabetSource {
  DataDir dataDir;
  QString dictionaryLang;
  int languageCodePage;

  QString TextPath() const;
  QString DefaultPath() const;
};

// Reads alphabet.txt; a missing or malformed file leaves the alphabet unchanged.
std::optional<DataFileError> LoadAlphabet(Alphabet& alphabet, const AlphabetSource& source);

// Writes alphabet.txt, first copying the unchanged file to alphabet.def when there is none yet.
// Gives false when a file could not be written.
bool SaveAlphabet(const Alphabet& alphabet, const AlphabetSource& source);

// Takes the letters, values and quantities of alphabet.def; the star stays at the current entry.
// A missing file changes nothing (FileNotFound, which needs no message); a malformed one, or one
// with another number of letters, is refused. Writes no file.
std::optional<DataFileError> RestoreDefaultAlphabet(Alphabet& alphabet,
                                                    const AlphabetSource& source);

// The message the user sees for an error, in the interface language.
QString AlphabetErrorMessage(const DataFileError& error, const InterfaceStrings& strings);

}  // namespace quorim
