#include "CliSession.h"

#include "dictionary/Themes.h"
#include "flow/StartUp.h"
#include "model/Alphabet.h"
#include "persistence/SaveArchive.h"

namespace quorim::cli {

namespace {

// The command line has no windows to take captions.
class NoWindows : public ControlTextApplier {
 public:
  void ApplyControlText(const ControlText&) override {}
};

// False, with the reason in err, when a language asked for is not installed.
bool ApplyOverrides(Game& game, const LanguageOverrides& overrides, QTextStream& err) {
  Settings& settings = game.Settings;
  if (!overrides.dictionary.isEmpty()) {
    const QString code = overrides.dictionary.toLower();
    if (!game.Data.Exists(DictionaryFile(code, u"dictionary.txt"))) {
      err << "no dictionary " << code << " in " << game.Data.Root() << Qt::endl;
      return false;
    }
    settings.DictionaryLang = code;
    // Explanations of the old dictionary's words do not fit the new one's.
    if (!game.Data.Exists(ExplanatoryFile(code, settings.ExplanatoryLang)))
      settings.ExplanatoryLang.clear();
  }
  if (!overrides.explanations.isEmpty()) {
    const QString code = overrides.explanations.toLower();
    if (!game.Data.Exists(ExplanatoryFile(settings.DictionaryLang, code))) {
      err << "no explanations " << code << " for the dictionary " << settings.DictionaryLang
          << Qt::endl;
      return false;
    }
    settings.ExplanatoryLang = code;
  }
  return true;
}

}  // namespace

CliSession::CliSession(std::unique_ptr<HeadlessView> view)
    : view_(view ? std::move(view) : std::make_unique<HeadlessView>()),
      game_(*view_, DataDir::FromWorkingDirectory()) {
  // Without a screen there is no full screen to choose.
  view_->SetDefaultAnswer(false);
}

std::unique_ptr<CliSession> CliSession::Start(QTextStream& err, const LanguageOverrides& languages,
                                              std::unique_ptr<HeadlessView> view) {
  // like the game, the command line does not start without the program its saves need
  if (const auto missing = MissingArchiverMessage()) {
    err << *missing << Qt::endl;
    return nullptr;
  }
  std::unique_ptr<CliSession> session(new CliSession(std::move(view)));
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
  auto error = LoadStartUpData(game, session->choice_, 0, 0);
  if (!error && !(languages.dictionary.isEmpty() && languages.explanations.isEmpty())) {
    if (!ApplyOverrides(game, languages, err)) return nullptr;
    error = LoadDictionaryLanguage(game);
  }
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

void CliSession::UseFreshSettings() {
  Settings fresh;
  fresh.InterfaceLang = game_.Settings.InterfaceLang;
  fresh.DictionaryLang = game_.Settings.DictionaryLang;
  fresh.ExplanatoryLang = game_.Settings.ExplanatoryLang;
  game_.Settings = fresh;
  LoadThemeMarkers(game_);
  SetDefaultDictionaryLimits(game_);
  LoadDictionaryLanguage(game_);
}

}  // namespace quorim::cli
