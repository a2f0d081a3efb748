#include "VirtOpp/ComputerExchange.h"

#include "dictionary/WorkingWordList.h"
#include "media/TextFiles.h"
#include "model/Racks.h"

namespace quorim {

namespace {

constexpr int kNoWordsPause = 700;
constexpr int kLongestQuietRun = 4;  // exchanges in a row before the question
constexpr int kCarefulRuns = 1;      // exchanges in a row that still keep the good letters

}  // namespace

std::string KeptLetters(const Game& game) {
  TextLines lines;
  std::string kept;
  if (LoadTextFile(LanguageFilePath(game, u"nochange.txt"), lines, game.DictionaryCodePage()) &&
      !lines.empty())
    kept = lines.front();
  return kept + game.Alphabet.StarCode();
}

void ComputerExchange(Game& game, int player) {
  if (game.GameOver() || !game.IsPlayer(player)) return;
  game.PlaySound(QStringLiteral("nowords"));
  if (game.ShowsEffects()) game.View().Pause(kNoWordsPause);
  const std::string kept = KeptLetters(game);
  const int run = game.Players[player].ExchangeRun;
  if (run > kLongestQuietRun) {
    if (game.DemoRunning ||
        !game.View().AskInGameQuestion(game.InterfaceText(u"2MuchChangesQuest"), {}))
      game.SetGameOver(true);
    if (game.GameOver()) return;
  }
  const bool everything = game.Intellect == 1 || run > kCarefulRuns;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    TRackSlot& rackSlot = game.Racks[player][slot];
    rackSlot.ExchangeMark =
        rackSlot.Letter != ' ' && (everything || kept.find(rackSlot.Letter) == std::string::npos);
  }
  ExchangeLetters(game, player);
}

}  // namespace quorim
