#include "flow/StartUp.h"

#include "dictionary/Themes.h"
#include "dictionary/WorkingWordList.h"
#include "flow/HallOfFameFile.h"
#include "media/CodePages.h"
#include "model/Layouts.h"
#include "model/Participants.h"
#include "persistence/SettingsFiles.h"

namespace quorim {

std::optional<DataFileError> LoadStartUpData(Game& game, const LanguageChoice& choice,
                                             int outputDevices, int outputVolume) {
  Settings& settings = game.Settings;
  settings = Settings();
  settings.SetSoundDefaults(outputDevices, outputVolume);
  settings.InterfaceLang = choice.interfaceLang;
  settings.DictionaryLang = choice.dictionaryLang;
  settings.ExplanatoryLang = choice.explanatoryLang;
  game.SetGameOver(true);
  const int codePage = game.InterfaceCodePage();
  SetDefaultParticipants(game, ToGameText(game.InterfaceText(u"DefaultNamePlayer"), codePage),
                         ToGameText(game.InterfaceText(u"DefaultNamePC"), codePage));

  const bool hadMainSettings = ReadMainSettings(game);
  // Settings copied from another installation may name languages this one lacks.
  if (!game.Data.Exists(StringsFile(settings.InterfaceLang)))
    settings.InterfaceLang = choice.interfaceLang;
  if (!game.Data.Exists(DictionaryFile(settings.DictionaryLang, u"dictionary.txt"))) {
    settings.DictionaryLang = choice.dictionaryLang;
    settings.ExplanatoryLang = choice.explanatoryLang;
  }

  game.HintsLeft = settings.HintCount;
  game.HallFame = ReadHallOfFame(game.Data.Resolve(kHallOfFameFile));

  LoadThemeMarkers(game);
  if (!hadMainSettings) SetDefaultDictionaryLimits(game);
  return LoadDictionaryLanguage(game);
}

std::optional<DataFileError> LoadDictionaryLanguage(Game& game) {
  LoadThemeMarkers(game);
  LoadThemeTitles(game);
  ApplyDictionaryLimits(game);
  const auto error = LoadAlphabet(
      game.Alphabet, {game.Data, game.Settings.DictionaryLang, game.DictionaryCodePage()});
  LoadWordLists(game, true);
  return error;
}

void ShowStartUpPlayField(Game& game) {
  const std::uint8_t dimX = game.Settings.PlayFieldDimX;
  const std::uint8_t dimY = game.Settings.PlayFieldDimY;
  BuildPlayField(game, game.Settings.LastTemplate);
  game.Settings.PlayFieldDimX = dimX;
  game.Settings.PlayFieldDimY = dimY;
}

}  // namespace quorim
