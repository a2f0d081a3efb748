#pragma once
// Every option of the game in memory, with its default. The participants of the last set-up are
// the game's own Players table; the known players list of the new game window lives here.

#include "model/Players.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace quorim {

enum AddCustomWordRule : std::uint8_t { kAddWordNo = 0, kAddWordYes = 1, kAddWordAsk = 2 };

constexpr int kMaxKnownPlayers = 20;
constexpr int kHintsUnlimited = 11;

struct Settings {
  // Main settings file.
  bool ShowAdvancedHallFame = true;
  QString Skin = QStringLiteral("classic");  // at most 50 characters
  bool ShowShadows = true;
  bool FullScreen = false;       // no border, maximised
  bool StartMaximized = false;   // with a border
  std::vector<TPlayer> Members;  // the known players, at most kMaxKnownPlayers

  // The last game.
  std::uint8_t LastOpponent = kComputer;
  std::uint8_t LastIntellect = 2;  // 1 low, 2 normal, 3 high
  std::string LastLimits;          // at most 20 characters
  std::uint8_t LastWordLengthLimit = 0;
  std::uint8_t LastPlayersNumber = 2;

  // Common options.
  bool ShowPCWords = false;
  bool CrossWordMode = true;
  bool SelectWordMode = false;
  bool ExchangeStars = false;
  bool FlashStarMarkers = false;
  bool AllowWordRepeat = false;
  bool KeepBonuses = false;
  bool LettersAutoSelect = false;
  bool MinimizeOnEsc = false;
  bool AutoSpreadPlayers = true;

  // Appearance.
  bool ShowColorLetters = false;
  bool AnimActiveAvatarOnly = true;
  bool AnimHighlightActivePlayer = true;
  bool AlwaysShowDictionaryPanel = false;
  QString BackgroundPicture;  // a full path of the user's, never a game path
  std::uint16_t LensSize = 120;

  // Hints.
  std::uint16_t HintDelay = 200;
  std::uint8_t HintCount = 5;  // 3, 5, 7, 10 or kHintsUnlimited
  bool HintPushButton = true;

  // Sound: the defaults depend on the machine (SetSoundDefaults).
  bool PlaySounds = false;
  bool PlayBackgroundMusic = false;
  bool PlayShuffle = false;
  std::uint8_t SoundVolume = 0;
  std::uint8_t MusicVolume = 0;

  // Dictionary.
  std::vector<std::string> DictionaryLimits;  // "Lim<lang>=<size letters>", "<lang>=<themes>"
  bool UseCustomDictionary = true;
  std::uint8_t AddCustomWord = kAddWordAsk;
  bool WordRequiredAlways = true;
  bool AskToExcludeWord = true;
  bool AskToAddExplanation = true;
  bool UndoPCMove = true;

  // Layout.
  QString LastTemplate = QStringLiteral("classic.map");  // empty: a random layout
  std::uint8_t PlayFieldDimX = 15;
  std::uint8_t PlayFieldDimY = 15;
  std::uint16_t Green = 24;
  std::uint16_t Blue = 16;
  std::uint16_t Yellow = 8;
  std::uint16_t Red = 8;
  std::uint16_t Black = 1;

  // Languages: the defaults are those chosen at start-up.
  QString InterfaceLang;
  QString DictionaryLang;
  QString ExplanatoryLang;

  // Sound is on by default when the machine can play it; music at a third of the effects level.
  void SetSoundDefaults(int outputDevices, int outputVolume);
};

}  // namespace quorim
