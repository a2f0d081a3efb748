#include "flow/SaveLoadCommands.h"

#include "flow/Clocks.h"
#include "flow/GameEnd.h"
#include "flow/GameScreen.h"
#include "flow/SavedGames.h"
#include "flow/TurnCommands.h"
#include "flow/TurnController.h"
#include "flow/TurnDisplay.h"
#include "media/Colors.h"
#include "model/ControlNames.h"
#include "persistence/SettingsFiles.h"

namespace quorim {

namespace {

// The window is not opened over a busy screen, a tile in the hand, a computer's move, or a
// command that waits meanwhile (a hint shows its letters on the board).
bool RefusesWindow(const Game& game, const QString& button) {
  return ScreenBusy(game) || game.HandTile() >= 0 || game.CommandsRunning > 0 ||
         game.View().Control(button).cursor == ControlCursor::NoEntry;
}

// No word of the replayed record counts as the latest move.
void ForgetLatestMove(Game& game) {
  const auto cells = static_cast<std::size_t>(game.PlayField.CellCount());
  for (std::size_t i = 0; i < cells && i < game.TileTable.size(); ++i) {
    if (game.TileTable[i].Owner == kOwnerCommitted && game.TileTable[i].HelpKeyword == "new")
      game.TileTable[i].HelpKeyword.clear();
  }
}

void ArmLoadedClocks(Game& game) {
  if (game.MoveClockOn()) {
    if (game.TurnPhase == TTurnPhase::MovePhase) {
      game.MoveClockPlayer = game.CurrentPlayer;
      SetTimer(game, GameTimer::Move, true);
    }
    SetTimer(game, GameTimer::Elapsed, false);
  } else {
    SetTimer(game, GameTimer::Move, false);
    SetTimer(game, GameTimer::Elapsed, true);
  }
  if (game.GameClockOn()) SystemTick(game);
}

void SetLoadedGameMenus(Game& game) {
  GameView& view = game.View();
  for (const QString& name : {names::MenuGameNew, names::MenuGameDemo})
    view.SetControlEnabled(name, false);
  for (const QString& name : {names::MenuGameEnd, names::MenuGameSave, names::MenuHelpComputeScore})
    view.SetControlEnabled(name, true);
  view.SetControlVisible(names::ChoiceFieldImage, true);
}

void ContinueComputerTurn(Game& game) {
  if (!RunComputerTurn(game, game.CurrentPlayer, game.TurnPhase == TTurnPhase::MovePhase)) return;
  NextTurn(game, true);
  if (game.Settings.LettersAutoSelect) DealRoundTheTable(game);
  if (game.GameOver()) return;
  // the participant now on turn gets his full time
  if (game.MoveClockOn()) StartMoveClock(game, game.CurrentPlayer);
  SetGameMenusEnabled(game, true);
  SetSaveLoadButtonsCursor(game, ControlCursor::Hand);
}

// A person still taking letters goes on as after his move: by hand, or they are taken for him
// and the turn passes.
void ContinuePersonTurn(Game& game) {
  if (game.TurnPhase == TTurnPhase::DrawPhase) {
    FinishTurn(game);
  } else {
    PlayTurnSound(game);
  }
}

// The participant on turn goes on with his own turn: the record's last line is his.
bool LastLineIsOwn(const Game& game) {
  const auto& lines = game.MoveLog.Lines();
  const std::string header = '(' + std::to_string(game.CurrentPlayer) + ')';
  return lines.size() > 2 && lines.back().starts_with(header);
}

// The end of both the load and the cancelled window, while a game runs.
void ResumeAfterWindow(Game& game) {
  ShowClocksAfterLoading(game);
  SetScreenCursor(game, ControlCursor::Default);
  game.LoadingGame = false;
}

// The window's slot, or the last game for the continue button; nothing when it was cancelled.
std::optional<int> ChooseSlotToLoad(Game& game, std::optional<int> knownPlayer, TPlayer& before) {
  if (game.ContinuePending) {
    game.ContinuePending = false;
    return kLastGameSlot;
  }
  WritePlayerSettings(game, game.Players[1].Name);
  before = game.Players[1];
  const auto& members = game.Settings.Members;
  if (knownPlayer && *knownPlayer >= 0 && *knownPlayer < static_cast<int>(members.size())) {
    const TPlayer& member = members[static_cast<std::size_t>(*knownPlayer)];
    TPlayer& first = game.Players[1];
    first.Name = member.Name;
    first.Avatar = member.Avatar;
    first.Kind = member.Kind;
    first.SaveNumber = member.SaveNumber;
  }
  SetScreenCursor(game, ControlCursor::Default);
  PauseMoveClock(game);
  return game.View().ShowSaveGameWindow(SaveWindowMode::Load, {});
}

}  // namespace

void SaveCommand(Game& game) {
  if (RefusesWindow(game, names::InGameButtongSaveGame) || !game.GameRunning) return;
  // the game's time may run out while the window is open: the game ends once it has closed
  CommandScope scope(game);
  SetScreenCursor(game, ControlCursor::Default);
  PauseMoveClock(game);
  game.View().ShowSaveGameWindow(SaveWindowMode::Save, [&game](int slot) {
    if (!game.GameOver()) SaveGame(game, slot);
  });
  ResumeMoveClock(game);
}

void LoadCommand(Game& game, std::optional<int> knownPlayer) {
  if (!game.ContinuePending &&
      (game.DemoRunning || RefusesWindow(game, names::InGameButtongLoadGame)))
    return;
  CommandScope scope(game);
  TPlayer before = game.Players[1];
  const std::optional<int> slot = ChooseSlotToLoad(game, knownPlayer, before);
  std::optional<TSavedGame> saved;
  if (slot) {
    QString refusal;
    saved = ReadSavedGame(game, SavedGamePath(game, *slot), refusal);
    if (!saved) game.View().ShowInGameMessage(game.InterfaceText(u"InGameMessageBadSavedGame"), {});
  }
  if (!saved) {
    game.Players[1] = before;
    if (game.GameRunning) ResumeAfterWindow(game);
    return;
  }
  RestoreSavedGame(game, *saved);
  ContinueLoadedTurn(game);
}

void ContinueCommand(Game& game) {
  game.ContinuePending = true;
  LoadCommand(game);
}

void RestoreSavedGame(Game& game, const TSavedGame& saved) {
  GameView& view = game.View();
  game.LoadingGame = true;
  ShowStatus(game, u' ' + game.InterfaceText(u"StatusLoading") + u' ', colors::Yellow);
  view.SetControlVisible(names::FlashAnnounce, true);
  for (GameTimer timer : {GameTimer::Flash, GameTimer::Elapsed, GameTimer::Move, GameTimer::System})
    SetTimer(game, timer, false);
  ReadPlayerSettings(game, game.Players[1].Name);
  LoadGame(game, saved);

  ForgetLatestMove(game);
  ArmLoadedClocks(game);
  IntellectCommand(game, game.Intellect);
  RefreshHintDisplayAfterLoading(game);
  game.DemoRunning = false;
  ShowTitleScreen(game, false);
  view.SetControlCaption(names::InGameLabel, game.InterfaceText(u"InGameTagButtonEndGame"));
  view.BackgroundMusic(MusicCue::Start);
  game.SetGameOver(false);
  game.GameOverShown = false;
  SetLoadedGameMenus(game);
  SetTimer(game, GameTimer::System, true);
}

void ContinueLoadedTurn(Game& game) {
  CommandScope scope(game);
  // the panel of the participant on turn lights up; a turn that passed on at the load gets its
  // own line before anything is written into it
  if (LastLineIsOwn(game)) {
    ShowParticipantOnTurn(game);
  } else {
    ShowTurnChange(game);
  }
  if (game.Players[game.CurrentPlayer].IsComputer()) {
    ContinueComputerTurn(game);
  } else {
    ContinuePersonTurn(game);
  }
  if (game.GameOver()) return;
  SetTimer(game, GameTimer::Flash, true);
  FillInfoPanel(game);
  ResumeAfterWindow(game);
}

}  // namespace quorim
