#include "model/Game.h"

#include "media/CodePages.h"

#include <algorithm>
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

int Game::InterfaceCodePage() const {
  return LanguageCodePage(Settings.InterfaceLang);
}

int Game::DictionaryCodePage() const {
  return LanguageCodePage(Settings.DictionaryLang);
}

int Game::LanguageCodePage(const QString& language) const {
  const int codePage = quorim::LanguageCodePage(Locales, language);
  return codePage == 0 ? kBaseCodePage : codePage;
}

namespace {

// The text of the limits before their first "-": "Score", "Time" or nothing.
std::string_view LimitKind(const std::string& limits) {
  const std::size_t dash = limits.find('-');
  return dash == std::string::npos ? std::string_view() : std::string_view(limits).substr(0, dash);
}

}  // namespace

bool Game::HasScoreLimit() const {
  return LimitKind(Limits) == "Score";
}

int Game::ScoreLimit() const {
  if (!HasScoreLimit()) return 0;
  std::string_view number = std::string_view(Limits).substr(Limits.find('-') + 1, 4);
  while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
  while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
  if (number.empty()) return 0;
  int limit = 0;
  for (char c : number) {
    if (c < '0' || c > '9') return 0;
    limit = limit * 10 + (c - '0');
  }
  return limit;
}

void Game::CheckScoreLimit() {
  if (!HasScoreLimit()) return;
  const int limit = ScoreLimit();
  for (int player = 1; player <= PlayerCount(); ++player) {
    if (Players[player].Score >= limit) SetGameOver(true);
  }
}

bool Game::GameClockOn() const {
  return LimitKind(Limits) == "Time";
}

int Game::MoveMinutes() const {
  const std::size_t move = Limits.find("Move");
  if (move == std::string::npos || move + 5 >= Limits.size()) return 0;
  const char digit = Limits[move + 5];
  return digit >= '1' && digit <= '9' ? digit - '0' : 0;
}

void Game::ClearSelections() {
  view_->ClearSelectionFrames();
  SelectionFrames.clear();
  PlayField.ClearSelectionMarks();
}

void Game::SetGameOver(bool over) {
  gameOver_ = over;
  if (over) view_->InterruptWaits();
}

void Game::SetHintCancel(bool cancel) {
  hintCancel_ = cancel;
  if (cancel) view_->InterruptWaits();
}

int Game::HandTile() const {
  for (std::size_t k = 0; k < TileTable.size(); ++k) {
    if (TileTable[k].Owner == kOwnerHand) return static_cast<int>(k);
  }
  return -1;
}

}  // namespace quorim
