#include "flow/GameEnd.h"

#include "flow/Clocks.h"
#include "flow/GameScreen.h"
#include "flow/HallOfFameFile.h"
#include "flow/SavedGames.h"
#include "media/CodePages.h"
#include "model/ControlNames.h"
#include "model/Layouts.h"

namespace quorim {

namespace {

// "КОМПЬЮТЕР" in code page 1251.
constexpr std::string_view kComputerHallName = "\xCA\xCE\xCC\xCF\xDC\xDE\xD2\xC5\xD0";

void HideGameControls(Game& game) {
  for (const QString& name :
       {names::MenuButton4, names::InGameLabel, names::InGameButtongInfo,
        names::InGameButtongConfig, names::InGameButtongLoadGame, names::InGameButtongSaveGame,
        names::Comment1, names::Comment2, names::Comment3, names::Comment4, names::ChoiceFieldImage,
        names::InGameButtongGo, names::InGameButtongChangeLetters, names::InGameButtongHint,
        names::InGameButtongPreview, names::Marker1, names::Marker2, names::WordScoreLabels}) {
    game.View().SetControlVisible(name, false);
  }
}

void SetTitleMenus(Game& game) {
  GameView& view = game.View();
  for (const QString& name : {names::MenuGame, names::MenuHelp, names::MenuIntellect})
    view.SetControlVisible(name, true);
  for (const QString& name : {names::MenuGame, names::MenuHelp, names::MenuIntellect,
                              names::MenuGameNew, names::MenuGameDemo, names::MenuIntellectLow,
                              names::MenuIntellectNormal, names::MenuIntellectHigh}) {
    view.SetControlEnabled(name, true);
  }
  for (const QString& name :
       {names::MenuGameEnd, names::MenuGameSave, names::MenuHelpHInt, names::MenuHelpComputeScore})
    view.SetControlEnabled(name, false);
}

GameOverText ResultText(const Game& game, int winner) {
  if (winner > 0) {
    return {winner, PlayerName(game, winner) + u'\n' + QString::number(game.Players[winner].Score)};
  }
  return {0, game.InterfaceText(u"InGameMessageNoWinner") + u'\n' +
                 QString::number(game.Players[1].Score) + QStringLiteral(" - ") +
                 QString::number(game.Players[2].Score)};
}

// What is left of the game goes; the board is laid out again for the title screen.
void TidyUp(Game& game) {
  GameView& view = game.View();
  view.ReleaseGameScreen();
  view.SetControlVisible(names::FlashAnnounce, false);
  for (TRack& rack : game.Racks) rack = TRack{};
  game.MoveLog = MoveRecord();
  game.TileTable.clear();
  game.HighlightedPlayer = 0;
  BuildPlayField(game, game.Settings.LastTemplate);
  ShowTitleScreen(game, true);
}

}  // namespace

int FindWinner(const Game& game) {
  const int count = game.PlayerCount();
  int best = 1;
  int equal = 0;
  for (int i = 2; i <= count; ++i) {
    if (game.Players[i].Score > game.Players[best].Score) best = i;
    if (game.Players[i].Score == game.Players[i - 1].Score) ++equal;
  }
  return equal == count - 1 ? 0 : best;
}

void UpdateHallOfFame(Game& game, int winner) {
  if (!game.IsPlayer(winner) || game.Players[winner].Score < kHallMinScore) return;
  const TPlayer& player = game.Players[winner];
  const int place =
      game.HallFame.Record(player.Name, player.Score, game.Settings.ShowAdvancedHallFame);
  if (place > 0) game.View().ShowHallOfFame(place);
  if (!game.Settings.Members.empty())
    WriteHallOfFame(game.Data.Resolve(kHallOfFameFile), game.HallFame);
}

QString HallLeaderAvatar(const Game& game, std::string_view name) {
  // The computer's entries carry its Russian name in capitals, whatever the interface language,
  // or its default name of the interface language in whatever case.
  const QString computer = game.InterfaceText(u"DefaultNamePC");
  if (name == kComputerHallName ||
      (!computer.isEmpty() &&
       FromGameText(name, game.InterfaceCodePage()).compare(computer, Qt::CaseInsensitive) == 0))
    return QStringLiteral("pc0");
  for (const TPlayer& member : game.Settings.Members) {
    if (member.Name == name) return QString::fromLatin1(member.Avatar.c_str());
  }
  return QStringLiteral("Im0");
}

CommandScope::~CommandScope() {
  if (--game_.CommandsRunning == 0 && game_.GameOver() && game_.GameRunning) EndGame(game_);
}

void EndGame(Game& game) {
  if (!game.GameRunning) {
    TidyUp(game);
    return;
  }
  game.GameRunning = false;
  GameView& view = game.View();
  game.SetGameOver(true);
  view.BackgroundMusic(MusicCue::Stop);
  SetScreenCursor(game, ControlCursor::Default);
  SetTimer(game, GameTimer::Elapsed, false);
  SetTimer(game, GameTimer::Move, false);
  game.ClearSelections();

  const int winner = FindWinner(game);
  if (!game.GameOverShown) {
    game.GameOverShown = true;
    view.ShowGameOverWindow(ResultText(game, winner));
  }
  if (!game.DemoRunning) UpdateHallOfFame(game, winner);
  SetTimer(game, GameTimer::Flash, false);
  SetTimer(game, GameTimer::System, false);
  if (!game.DemoRunning) SaveGame(game, kLastGameSlot);
  HideGameControls(game);
  SetTitleMenus(game);
  game.HintsLeft = game.HintLimit;
  RefreshHintDisplay(game);
  TidyUp(game);
}

}  // namespace quorim
