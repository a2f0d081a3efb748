#include "BenchCommand.h"

#include "CliSession.h"
#include "DemoCommand.h"

#include "VirtOpp/ComputerMove.h"
#include "dictionary/Explanations.h"
#include "dictionary/WorkingWordList.h"
#include "flow/HeadlessView.h"
#include "flow/SaveLoadCommands.h"
#include "flow/SavedGames.h"
#include "media/CodePages.h"
#include "media/DataDir.h"
#include "media/InterfaceStrings.h"
#include "media/LanguageChoice.h"
#include "media/Locales.h"
#include "media/TextFiles.h"
#include "model/Alphabet.h"
#include "model/Game.h"
#include "model/Layouts.h"
#include "model/Participants.h"
#include "model/Racks.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <functional>

namespace quorim::cli {

namespace {

// Runs a step a few times and prints the mean wall time.
void Measure(QTextStream& out, const QString& name, int rounds, const std::function<void()>& step) {
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < rounds; ++i) step();
  const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6 / rounds;
  out << qSetFieldWidth(44) << Qt::left << name << qSetFieldWidth(0) << QString::number(ms, 'f', 3)
      << " ms" << Qt::endl;
}

long PeakMemoryKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Layouts, the bag and the deal on the largest field.
void BenchGameModel(QTextStream& out, const DataDir& dataDir, const QString& lang, int codePage) {
  HeadlessView view;
  Game game(view, dataDir);
  game.Seed(1);
  LoadAlphabet(game.Alphabet, {dataDir, lang, codePage});
  Measure(out, "build the classic layout", 20, [&] { BuildPlayField(game, "classic.map"); });
  game.Settings.PlayFieldDimX = game.Settings.PlayFieldDimY = 30;
  Measure(out, "build a random 30 x 30 layout", 20, [&] { BuildPlayField(game, ""); });
  game.SetPlayerCount(kMaxPlayers);
  for (int player = 1; player <= kMaxPlayers; ++player) game.Players[player].Kind = kComputer;
  game.Settings.LastTemplate.clear();
  Measure(out, "set up 8 players on 30 x 30 (layout, bag)", 20, [&] { SetUpGameModel(game); });
  Measure(out, "set up as above and deal 8 racks", 20, [&] {
    SetUpGameModel(game);
    for (int player = 1; player <= kMaxPlayers; ++player) RefillRack(game, player);
  });
}

// A dictionary of exactly `count` lines from the shipped one, first letters still grouped: lines
// are taken evenly, and a line taken again gets a letter of the alphabet appended to its word.
TextLines SizedDictionary(const TextLines& shipped, const Alphabet& alphabet, std::size_t count) {
  TextLines lines;
  if (shipped.empty()) return lines;
  lines.reserve(count);
  std::size_t previous = shipped.size();
  int repeat = 0;
  for (std::size_t n = 0; n < count; ++n) {
    const std::size_t index = n * shipped.size() / count;
    repeat = index == previous ? repeat + 1 : 0;
    previous = index;
    std::string line = shipped[index];
    if (repeat > 0) {
      const std::size_t equals = std::min(line.find('='), line.size());
      line.insert(equals, 1,
                  static_cast<char>(alphabet.LetterCode[(repeat - 1) % alphabet.AlphabetSize]));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

// Building the word list and looking words up, on a dictionary of 100,000 lines.
void BenchWordLists(QTextStream& out, const DataDir& dataDir, const QString& lang,
                    const TextLines& shipped) {
  constexpr std::size_t kLines = 100000;
  constexpr int kLookups = 1000000;
  QTemporaryDir scratch;
  const DataDir scratchDir(scratch.path());
  HeadlessView view;
  Game game(view, scratchDir);
  game.Settings.DictionaryLang = lang;
  const int codePage = game.DictionaryCodePage();
  LoadAlphabet(game.Alphabet, {dataDir, lang, codePage});
  const TextLines lines = SizedDictionary(shipped, game.Alphabet, kLines);
  QDir().mkpath(scratchDir.Resolve(DictionaryFile(lang, u"")));
  SaveTextFile(scratchDir.Resolve(DictionaryFile(lang, u"dictionary.txt")), lines, codePage);

  Measure(out, "load word lists, 100,000 lines (full)", 5, [&] { LoadWordLists(game, true); });
  // Half of the lookups find their word, half miss it by the last character.
  std::vector<std::string> queries;
  for (std::size_t i = 0; i < 1000; ++i) {
    std::string word(WordPart(lines[i * lines.size() / 1000]));
    queries.push_back(game.WordLists.Case().Upper(word));
    word.back() = '#';
    queries.push_back(word);
  }
  int found = 0;
  Measure(out, "1,000,000 IsDictionaryWord lookups", 1, [&] {
    for (int i = 0; i < kLookups; ++i)
      found += IsDictionaryWord(game, queries[static_cast<std::size_t>(i) % queries.size()]);
  });
  out << "  " << found << " found" << Qt::endl;
}

// Explaining words as the explanation window does, in every explanation language of the
// dictionary: the first lookup indexes the file, then 1,000 words spread over the file are each
// looked up alone.
void BenchExplanations(QTextStream& out, const DataDir& dataDir, const LocaleTable& locales,
                       const QString& lang) {
  constexpr std::size_t kWords = 1000;
  HeadlessView view;
  Game game(view, dataDir);
  game.Locales = locales;
  game.Settings.DictionaryLang = lang;
  const int codePage = game.DictionaryCodePage();
  const QDir explanations(dataDir.Resolve(DictionaryFile(lang, u"expl")));
  for (const QString& explanatoryLang : explanations.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    game.Settings.ExplanatoryLang = explanatoryLang;
    TextLines lines;
    LoadTextFile(dataDir.Resolve(ExplanatoryFile(lang, explanatoryLang)), lines, codePage);
    if (lines.empty()) continue;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < kWords; ++i) {
      const std::string& line = lines[i * lines.size() / kWords];
      words.push_back(line.substr(line.starts_with('>') ? 1 : 0, line.find('=') - 1));
    }
    const QString where = lang + "\\expl\\" + explanatoryLang;
    Measure(out, "index " + where + " (first lookup)", 1,
            [&] { WordExplanations(game, words.front()); });
    std::vector<double> times;
    std::size_t meanings = 0;
    QElapsedTimer timer;
    for (const std::string& word : words) {
      timer.start();
      meanings += static_cast<std::size_t>(WordExplanations(game, word).size());
      times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::ranges::sort(times);
    out << "bench: explain " << where << " lines=" << lines.size() << " words=" << words.size()
        << " meanings=" << meanings
        << " median_ms=" << QString::number(times[times.size() / 2], 'f', 4)
        << " max_ms=" << QString::number(times.back(), 'f', 4) << Qt::endl;
  }
}

// Seeded games of two computers, played move after move (new games as needed) until the number
// of moves is reached; each move's time is that of the computer's whole turn: the search, the
// choice and the laying, without the waits and animations of a screen.
bool BenchComputerMoves(QTextStream& out, QTextStream& err, const LanguageOverrides& languages,
                        const MoveBenchOptions& options) {
  LanguageOverrides russian = languages;
  if (russian.dictionary.isEmpty()) russian.dictionary = QStringLiteral("rus");
  const std::unique_ptr<CliSession> session = CliSession::Start(err, russian);
  if (!session) return false;
  Game& game = session->game();
  if (!game.Data.Exists(QStringLiteral("MAPS\\") + options.layout)) {
    err << "no layout " << options.layout << " in MAPS" << Qt::endl;
    return false;
  }
  game.SetPlayerCount(2);
  for (int player = 1; player <= 2; ++player) {
    game.Players[player].Kind = kComputer;
    game.Players[player].Name = std::string("PC") + static_cast<char>('0' + player);
  }
  game.Settings.LastTemplate = options.layout;
  game.Settings.ShowPCWords = false;
  game.Intellect = static_cast<std::uint8_t>(options.intellect);
  game.Seed(options.seed);

  std::vector<double> times;
  int games = 0;
  QElapsedTimer timer;
  while (static_cast<int>(times.size()) < options.moves) {
    SetUpGameModel(game);
    ++games;
    game.SetGameOver(false);
    for (int i = 0; i < game.PlayerCount(); ++i)
      RefillRack(game, (game.CurrentPlayer + i - 1) % game.PlayerCount() + 1);
    while (!game.GameOver() && static_cast<int>(times.size()) < options.moves) {
      const int player = game.CurrentPlayer;
      std::string line = std::to_string(player);
      game.MoveLog.Append(line.insert(0, 1, '(') + ')' + game.Players[player].Name + '=');
      timer.start();
      ComputerTurn(game, player);
      times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
      if (!game.GameOver()) RefillRack(game, player);
      game.CurrentPlayer = player % game.PlayerCount() + 1;
      session->view().ClearCalls();
    }
  }
  std::vector<double> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  const double median = sorted[sorted.size() / 2];
  const double p95 = sorted[std::min(sorted.size() - 1, sorted.size() * 95 / 100)];
  out << "computer moves at intellect " << options.intellect << " on " << options.layout << ", "
      << games << (games == 1 ? " game" : " games") << ", seed " << options.seed << Qt::endl;
  out << "bench: moves=" << times.size() << " median_ms=" << QString::number(median, 'f', 3)
      << " p95_ms=" << QString::number(p95, 'f', 3)
      << " peak_rss_mb=" << QString::number(static_cast<double>(PeakMemoryKiB()) / 1024, 'f', 1)
      << Qt::endl;
  return true;
}

// Whole demonstration games of two computers, as `quorim-cli demo` plays them: the rate of games
// and the time per computer move, with everything the turn controller does around the moves.
bool BenchDemoGames(QTextStream& out, QTextStream& err, const LanguageOverrides& languages,
                    const MoveBenchOptions& options) {
  constexpr int kGames = 10;
  DemoOptions demo;
  demo.intellect = options.intellect;
  demo.layout = options.layout;
  demo.lang = languages.dictionary.isEmpty() ? QStringLiteral("rus") : languages.dictionary;
  double milliseconds = 0;
  int moves = 0;
  for (int game = 0; game < kGames; ++game) {
    demo.seed = options.seed + static_cast<std::uint32_t>(game);
    const DemoResult result = PlayDemoGame(demo, nullptr, err);
    if (!result.played) return false;
    milliseconds += result.milliseconds;
    moves += result.moves;
  }
  out << "bench: demo games=" << kGames << " moves=" << moves
      << " games_per_s=" << QString::number(kGames * 1000.0 / milliseconds, 'f', 1)
      << " ms_per_move=" << QString::number(milliseconds / std::max(moves, 1), 'f', 3) << Qt::endl;
  return true;
}

// A demonstration saved after thirty moves, then loaded by the replay of its record and saved
// again, as the save and load commands do it: the 7-Zip program's run included.
bool BenchSavedGames(QTextStream& out, QTextStream& err, const LanguageOverrides& languages,
                     const MoveBenchOptions& options) {
  constexpr int kRounds = 10;
  QTemporaryDir scratch;
  DemoOptions demo;
  demo.intellect = options.intellect;
  demo.layout = options.layout;
  demo.lang = languages.dictionary.isEmpty() ? QStringLiteral("rus") : languages.dictionary;
  demo.seed = options.seed;
  demo.players = 4;
  demo.turns = 30;
  demo.save = scratch.filePath(QStringLiteral("demo.sav"));
  if (!PlayDemoGame(demo, nullptr, err).played) return false;

  const std::unique_ptr<CliSession> session = CliSession::Start(err, {demo.lang, QString()});
  if (!session) return false;
  Game& game = session->game();
  session->view().SetRecording(false);
  QString refusal;
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < kRounds; ++i) {
    const auto saved = ReadSavedGame(game, demo.save, refusal);
    if (!saved) {
      err << demo.save << ": " << refusal << Qt::endl;
      return false;
    }
    RestoreSavedGame(game, *saved);
  }
  const double loadMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 / kRounds;
  timer.start();
  for (int i = 0; i < kRounds; ++i)
    WriteSavedGame(game, scratch.filePath(QStringLiteral("again.sav")));
  const double saveMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 / kRounds;
  out << "bench: saved game lines=" << game.MoveLog.Lines().size()
      << " save_ms=" << QString::number(saveMs, 'f', 2)
      << " load_ms=" << QString::number(loadMs, 'f', 2) << Qt::endl;
  return true;
}

}  // namespace

int RunBench(const MoveBenchOptions& moves, const LanguageOverrides& languages, QTextStream& out,
             QTextStream& err) {
  const DataDir dataDir = DataDir::FromWorkingDirectory();
  const LocaleTable locales = LocaleTable::Load(dataDir);
  InterfaceStrings strings;
  const LanguageChoice choice = ChooseLanguages(dataDir, HostInterfaceLanguage(), strings);
  if (!choice.CanStart()) {
    for (const QString& message : choice.messages) err << message << Qt::endl;
    return 1;
  }
  const int codePage = LanguageCodePage(locales, choice.dictionaryLang);

  Measure(out, "choose the languages", 20, [&] {
    InterfaceStrings table;
    ChooseLanguages(dataDir, HostInterfaceLanguage(), table);
  });
  Measure(out, "load the alphabet", 20, [&] {
    Alphabet alphabet;
    LoadAlphabet(alphabet, {dataDir, choice.dictionaryLang, codePage});
  });

  const QString dictionary =
      dataDir.Resolve(DictionaryFile(choice.dictionaryLang, u"dictionary.txt"));
  TextLines lines;
  Measure(out, "read dictionary.txt (" + choice.dictionaryLang + ")", 5,
          [&] { LoadTextFile(dictionary, lines, codePage); });
  out << "  " << lines.size() << " lines" << Qt::endl;

  QTemporaryDir scratch;
  Measure(out, "write it back", 5,
          [&] { SaveTextFile(scratch.path() + "/dictionary.txt", lines, codePage); });
  // An 8-bit language other than the base one goes through the letter table on every line.
  Measure(out, "read it as a language of code page 1250", 5,
          [&] { LoadTextFile(dictionary, lines, 1250); });

  LoadTextFile(dictionary, lines, codePage);
  BenchWordLists(out, dataDir, choice.dictionaryLang, lines);
  const QDir dictionaries(dataDir.Resolve(QStringLiteral("dict")));
  for (const QString& lang : dictionaries.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    BenchExplanations(out, dataDir, locales, lang);
  BenchGameModel(out, dataDir, choice.dictionaryLang, codePage);

  out << "peak memory: " << PeakMemoryKiB() / 1024 << " MiB" << Qt::endl;
  if (!BenchDemoGames(out, err, languages, moves)) return 1;
  if (!BenchSavedGames(out, err, languages, moves)) return 1;
  return BenchComputerMoves(out, err, languages, moves) ? 0 : 1;
}

}  // namespace quorim::cli
