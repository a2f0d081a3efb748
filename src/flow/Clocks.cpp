#include "flow/Clocks.h"

#include "flow/GameEnd.h"
#include "flow/TurnCommands.h"
#include "media/Colors.h"
#include "model/ControlNames.h"

#include <QScopedValueRollback>

#include <cstdlib>
#include <vector>

namespace quorim {

namespace {

constexpr int kWarningSeconds = 20;
constexpr int kTickingSeconds = 10;

QString TwoDigits(int n) {
  return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

void ShowClock(Game& game, int player, const QString& text, int color) {
  game.View().SetControlCaption(names::DpLabel(player), text);
  game.View().SetControlColor(names::DpLabel(player), color);
}

std::vector<int> BoardTiles(const Game& game) {
  std::vector<int> tiles;
  const TPlayField& field = game.PlayField;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      if (field(x, y).TileIndex >= 0) tiles.push_back(field(x, y).TileIndex);
    }
  }
  return tiles;
}

// The text before the end character, or all of it.
QString Before(const QString& text, QStringView end) {
  const qsizetype cut = text.indexOf(end);
  return cut >= 0 ? text.left(cut) : text;
}

}  // namespace

void SetTimer(Game& game, GameTimer timer, bool running) {
  game.TimersRunning[static_cast<std::size_t>(timer)] = running;
  game.View().SetTimerRunning(timer, running);
}

bool TimerRunning(const Game& game, GameTimer timer) {
  return game.TimersRunning[static_cast<std::size_t>(timer)];
}

QString RunningClockText(int minutes, int seconds) {
  return TwoDigits(minutes) + QStringLiteral(" .") + TwoDigits(seconds);
}

void ArmGameClock(Game& game) {
  if (!game.GameClockOn()) return;
  const std::size_t dash = game.Limits.find('-');
  const std::string minutes = game.Limits.substr(dash + 1, 2);
  const QString text = QString::fromLatin1(minutes.c_str()) + QStringLiteral(".00");
  for (int player = 1; player <= game.PlayerCount(); ++player) {
    ShowClock(game, player, text, game.View().SkinColor(skincolors::GameClock));
  }
  const int whole = std::atoi(minutes.c_str());
  game.ClockMinutes = static_cast<std::uint16_t>(whole > 0 ? whole - 1 : 0);
  game.ClockSeconds = 60;
}

void StartMoveClock(Game& game, int player) {
  if (!game.IsPlayer(player)) return;
  SetTimer(game, GameTimer::Move, true);
  game.MoveClockPlayer = player;
  const int idle = game.View().SkinColor(skincolors::ClockIdle);
  for (int other = 1; other <= game.PlayerCount(); ++other) {
    if (other != player) ShowClock(game, other, QStringLiteral("00.00"), idle);
  }
  const int minutes = game.MoveMinutes();
  game.ClockMinutes = static_cast<std::uint16_t>(minutes > 0 ? minutes - 1 : 0);
  game.ClockSeconds = 60;
  ShowClock(game, player, TwoDigits(minutes) + QStringLiteral(".00"),
            game.View().SkinColor(skincolors::MoveClockOnTurn));
}

bool ClocksPaused(const Game& game) {
  return game.LoadingGame ||
         (game.PauseOnMinimazed && game.View().Minimized() && game.CurrentKind == kHuman);
}

void GameClockTick(Game& game) {
  if (game.TurnPhase == TTurnPhase::DrawPhase || !game.GameClockOn() || game.GameOver() ||
      ClocksPaused(game)) {
    return;
  }
  if (game.ClockSeconds > 0) --game.ClockSeconds;
  const QString text = RunningClockText(game.ClockMinutes, game.ClockSeconds);
  const int color = game.View().SkinColor(skincolors::GameClock);
  for (int player = 1; player <= game.PlayerCount(); ++player) ShowClock(game, player, text, color);
  if (game.ClockSeconds > 0) return;
  if (game.ClockMinutes > 0) {
    game.ClockSeconds = 60;
    --game.ClockMinutes;
    return;
  }
  SetTimer(game, GameTimer::Elapsed, false);
  game.View().CloseModalWindows();
  game.SetGameOver(true);
  // a command waiting on the stack still works on the game's tiles: it ends the game itself
  if (game.CommandsRunning == 0) EndGame(game);
}

void MoveClockTick(Game& game) {
  // A time-out waits for the screen, where this timer may tick again: that tick is dropped.
  if (game.MoveClockTickRunning) return;
  const QScopedValueRollback running(game.MoveClockTickRunning, true);
  game.View().BackgroundMusic(MusicCue::NextIfFinished);
  if (ClocksPaused(game) || !game.IsPlayer(game.MoveClockPlayer)) return;
  if (game.ClockSeconds > 0) --game.ClockSeconds;
  const int player = game.MoveClockPlayer;
  game.View().SetControlCaption(names::DpLabel(player),
                                RunningClockText(game.ClockMinutes, game.ClockSeconds));
  if (game.ClockMinutes == 0) {
    if (game.ClockSeconds >= 1 && game.ClockSeconds <= kTickingSeconds)
      game.PlaySound(QStringLiteral("timeout"));
    if (game.ClockSeconds == kWarningSeconds)
      game.View().SetControlColor(names::DpLabel(player), colors::Red);
  }
  if (game.ClockSeconds > 0) return;
  if (game.ClockMinutes > 0) {
    game.ClockSeconds = 60;
    --game.ClockMinutes;
    return;
  }
  MoveTimeOut(game);
}

void PauseMoveClock(Game& game) {
  if (!game.MoveClockOn()) return;
  SetTimer(game, GameTimer::Move, false);
  HideBoardTiles(game);
}

void ResumeMoveClock(Game& game, bool always) {
  if (!game.MoveClockOn()) return;
  ShowBoardTiles(game);
  if (always || game.TurnPhase == TTurnPhase::MovePhase) SetTimer(game, GameTimer::Move, true);
}

void HideBoardTiles(Game& game) {
  if (game.TurnPhase != TTurnPhase::DrawPhase)
    game.View().SetBoardTilesVisible(BoardTiles(game), false);
}

void ShowBoardTiles(Game& game) {
  if (game.TurnPhase != TTurnPhase::DrawPhase)
    game.View().SetBoardTilesVisible(BoardTiles(game), true);
}

void ShowHintCount(Game& game, bool counted) {
  GameView& view = game.View();
  // The count goes after the language file's own texts, never after what the screen shows now.
  const auto button = game.Strings.ControlTextOf(names::MainScreen, names::InGameButtongHint);
  const auto menu = game.Strings.ControlTextOf(names::MainScreen, names::MenuHelpHInt);
  const QString hint = button ? Before(button->hint, u"\n") : QString();
  const QString caption = menu ? Before(menu->caption, u" (") : QString();
  if (counted) {
    const QString left = QString::number(game.HintsLeft);
    view.SetControlHint(names::InGameButtongHint,
                        hint + u'\n' + game.InterfaceText(u"InGameTagHintsLeft") + left + u' ');
    view.SetControlCaption(names::MenuHelpHInt, caption + QStringLiteral(" (") + left + u')');
  } else {
    view.SetControlHint(names::InGameButtongHint, hint);
    view.SetControlCaption(names::MenuHelpHInt, caption);
  }
  if (game.HintsLeft == 0) {
    view.SetControlCursor(names::InGameButtongHint, ControlCursor::NoEntry);
    view.SetControlEnabled(names::MenuHelpHInt, false);
  }
}

void RefreshHintDisplay(Game& game) {
  ShowHintCount(game, game.HintsLeft <= 10);
}

void RefreshHintDisplayAfterLoading(Game& game) {
  RefreshHintDisplay(game);
  if (game.HintsLeft > 10)
    game.View().SetControlEnabled(names::MenuHelpHInt, game.HintLimit == kHintsUnlimited);
}

void ShowClocksAfterLoading(Game& game) {
  GameView& view = game.View();
  if (game.MoveClockOn()) {
    if (game.TurnPhase == TTurnPhase::MovePhase) SetTimer(game, GameTimer::Move, true);
    const int player = game.CurrentPlayer;
    const bool warning = game.ClockMinutes == 0 && game.ClockSeconds <= kWarningSeconds;
    const int color = warning ? colors::Red
                              : view.SkinColor(player % 2 == 1 ? skincolors::OddParticipant
                                                               : skincolors::EvenParticipantClock);
    view.SetControlColor(names::DpLabel(player), color);
    ShowBoardTiles(game);
  }
  if (game.GameClockOn()) {
    const int color = view.SkinColor(skincolors::GameClock);
    for (int player = 1; player <= game.PlayerCount(); ++player)
      view.SetControlColor(names::DpLabel(player), color);
  }
}

void ChargeHintForGo(Game& game) {
  if (!game.HintUsedThisMove || game.HintsLeft == 0 || game.HintLimit >= kHintsUnlimited) return;
  --game.HintsLeft;
  RefreshHintDisplay(game);
}

}  // namespace quorim
