#include "model/Game.h"

#include <algorithm>

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

bool Game::GameClockOn() const {
  return std::string_view(Limits).substr(0, Limits.find('-')) == "Time";
}

}  // namespace quorim
