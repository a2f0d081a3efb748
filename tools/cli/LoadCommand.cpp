#include "LoadCommand.h"

#include "ReportingView.h"
#include "flow/SaveLoadCommands.h"
#include "flow/SavedGames.h"

#include <QFileInfo>

namespace quorim::cli {

int RunLoad(const LoadOptions& options, QTextStream& out, QTextStream& err) {
  auto view = std::make_unique<ReportingView>(&out, 0);
  ReportingView& reporter = *view;
  const std::unique_ptr<CliSession> session =
      CliSession::Start(err, {options.lang, QString()}, std::move(view));
  if (!session) return 1;
  Game& game = session->game();
  session->UseFreshSettings();
  game.Settings.PlaySounds = false;
  game.Settings.PlayBackgroundMusic = false;
  reporter.Watch(&game);

  QString refusal;
  const auto saved = ReadSavedGame(game, QFileInfo(options.file).absoluteFilePath(), refusal);
  if (!saved) {
    err << options.file << ": " << refusal << Qt::endl;
    return 1;
  }
  RestoreSavedGame(game, *saved);
  reporter.SkipPrintedLines();
  reporter.PrintSummary();
  if (!options.continues) return 0;

  // A demonstration from here on: nobody waits for a person, and nothing is saved at the end.
  for (int player = 1; player <= game.PlayerCount(); ++player)
    game.Players[player].Kind = kComputer;
  game.CurrentKind = kComputer;
  game.DemoRunning = true;
  ContinueLoadedTurn(game);
  return 0;
}

}  // namespace quorim::cli
