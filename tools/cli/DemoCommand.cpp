#include "DemoCommand.h"

#include "ReportingView.h"
#include "flow/DemoGame.h"

#include <QElapsedTimer>

namespace quorim::cli {

DemoResult PlayDemoGame(const DemoOptions& options, QTextStream* out, QTextStream& err) {
  auto view = std::make_unique<ReportingView>(out, options.turns);
  ReportingView& demoView = *view;
  const std::unique_ptr<CliSession> session =
      CliSession::Start(err, {options.lang, QString()}, std::move(view));
  if (!session) return {};
  Game& game = session->game();
  const bool random = options.layout == QLatin1String("random");
  if (!random && !game.Data.Exists(QStringLiteral("MAPS\\") + options.layout)) {
    err << "no layout " << options.layout << " in MAPS" << Qt::endl;
    return {};
  }
  session->UseFreshSettings();
  Settings& settings = game.Settings;
  game.SetPlayerCount(options.players);
  for (int player = 1; player <= game.PlayerCount(); ++player) {
    TPlayer& participant = game.Players[player];
    participant.Name = "PC" + std::to_string(player);
    participant.Avatar = "pc0";
    participant.Kind = player == 1 ? kHuman : kComputer;
  }
  settings.LastTemplate = random ? QString() : options.layout;
  settings.LastIntellect = static_cast<std::uint8_t>(options.intellect);
  settings.LastLimits = options.limits.toStdString().substr(0, 20);
  settings.PlaySounds = false;
  settings.PlayBackgroundMusic = false;
  game.Seed(options.seed);
  demoView.Watch(&game);
  if (!options.save.isEmpty()) demoView.SaveAtEnd(options.save);
  QElapsedTimer timer;
  timer.start();
  DemoCommand(game);
  if (demoView.SaveFailed()) {
    err << "the game could not be saved into " << options.save << Qt::endl;
    return {};
  }
  return {true, demoView.Moves(), static_cast<double>(timer.nsecsElapsed()) / 1e6};
}

int RunDemo(const DemoOptions& options, QTextStream& out, QTextStream& err) {
  return PlayDemoGame(options, &out, err).played ? 0 : 1;
}

}  // namespace quorim::cli
