#include "model/Participants.h"

#include "model/Bag.h"
#include "model/Game.h"
#include "model/Layouts.h"

namespace quorim {

void SetDefaultParticipants(Game& game, const std::string& personName,
                            const std::string& computerName) {
  game.SetPlayerCount(2);
  game.Players[1] = {.Name = FitField(personName, kNameWidth), .Avatar = "Im0", .Kind = kHuman};
  game.Players[2] = {
      .Name = FitField(computerName, kNameWidth), .Avatar = "pc0", .Kind = kComputer};
}

void SetUpGameModel(Game& game) {
  game.MoveLog.Start();
  BuildPlayField(game, game.Settings.LastTemplate);
  ClearParticipantsForGame(game);
  FillBag(game);
  game.FirstMove = true;
  game.CurrentPlayer = game.Random(game.PlayerCount()) + 1;
}

void ClearParticipantsForGame(Game& game) {
  for (int player = 1; player <= game.PlayerCount(); ++player) {
    game.Players[player].Score = 0;
    game.Players[player].ExchangeRun = 0;
    for (TRackSlot& slot : game.Racks[player]) {
      slot.Letter = ' ';
      slot.ExchangeMark = false;
      slot.TileIndex = -1;
    }
    game.PlayedWords[player].clear();
  }
}

void AddScore(Game& game, int player, int points) {
  if (!game.IsPlayer(player)) return;
  TPlayer& participant = game.Players[player];
  const int before = participant.Score;
  participant.Score = static_cast<std::uint16_t>(before + points);
  if (game.ShowsEffects())
    game.View().CountScore(player, before, participant.Score, game.ScoreLimit());
}

bool AddPlayedWord(Game& game, int player, TPlayedWord word, int points) {
  if (!game.IsPlayer(player)) return false;
  auto& words = game.PlayedWords[player];
  if (static_cast<int>(words.size()) >= kPlayedWordsPerPlayer) return false;
  word.Word = FitField(word.Word, kWordWidth);
  word.Score = static_cast<std::uint8_t>(points);
  words.push_back(std::move(word));
  return true;
}

}  // namespace quorim
