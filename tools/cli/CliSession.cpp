#include "CliSession.h"

#include "flow/StartUp.h"
#include "model/Alphabet.h"

namespace quorim::cli {

namespace {

// The command line has no windows to take captions.
class NoWindows : public ControlTextApplier {
 public:
  void ApplyControlText(const ControlText&) override {}
};

}  // namespace

CliSession::CliSession() : game_(view_, DataDir::FromWorkingDirectory()) {
  // Without a screen there is no full screen to choose.
  view_.SetDefaultAnswer(false);
}

std::unique_ptr<CliSession> CliSession::Start(QTextStream& err) {
  std::unique_ptr<CliSession> session(new CliSession());
  Game& game = session->game_;
  QStringList problems;
  game.Locales = LocaleTable::Load(game.Data, &problems);
  for (const QString& problem : problems) err << problem << Qt::endl;

  session->choice_ = ChooseLanguages(game.Data, HostInterfaceLanguage(), game.Strings);
  if (!session->choice_.CanStart()) {
    for (const QString& message : session->choice_.messages) err << message << Qt::endl;
    return nullptr;
  }
  NoWindows noWindows;
  ApplyInterfaceLanguage(game.Data, session->choice_.interfaceLang, game.Strings, noWindows);
  const auto error = LoadStartUpData(game, session->choice_, 0, 0);
  if (game.Settings.InterfaceLang != session->choice_.interfaceLang) {
    ApplyInterfaceLanguage(game.Data, game.Settings.InterfaceLang, game.Strings, noWindows);
  }
  if (error) {
    err << AlphabetErrorMessage(*error, game.Strings) << Qt::endl
        << error->path << (error->line > 0 ? ":" + QString::number(error->line) : QString()) << ": "
        << error->detail << Qt::endl;
    return nullptr;
  }
  return session;
}

}  // namespace quorim::cli
