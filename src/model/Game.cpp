#include "model/Game.h"

#include "media/CodePages.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace quorim {

Game::Game(GameView& view, DataDir data) : Data(std::move(data)), view_(&view) {
  SetPlayerCount(Settings.LastPlayersNumber);
}

void Game::SetPlayerCount(int count) {
  const auto size = static_cast<std::size_t>(std::clamp(count, kMinPlayers, kMaxPlayers) + 1);
  Players.resize(size);
  Racks.resize(size);
  PlayedWords.resize(size);
  Settings.LastPlayersNumber = static_cast<std::uint8_t>(size - 1);
}

void Game::PlaySound(const QString& sample) {
  if (Settings.PlaySounds && ShowsEffects()) view_->PlaySoundEffect(sample);
}

namespace {

int CodePageOf(const LocaleTable& locales, const QString& lang) {
  const int codePage = LanguageCodePage(locales, lang);
  return codePage == 0 ? kBaseCodePage : codePage;
}

}  // namespace

int Game::InterfaceCodePage() const {
  return CodePageOf(Locales, Settings.InterfaceLang);
}

int Game::DictionaryCodePage() const {
  return CodePageOf(Locales, Settings.DictionaryLang);
}

int Game::ScoreLimit() const {
  constexpr std::string_view kScore = "Score-";
  if (!std::string_view(Limits).starts_with(kScore)) return 0;
  return std::atoi(Limits.c_str() + kScore.size());
}

bool Game::GameClockOn() const {
  return std::string_view(Limits).substr(0, Limits.find('-')) == "Time";
}

}  // namespace quorim
