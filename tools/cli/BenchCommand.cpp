#include "BenchCommand.h"

#include "media/CodePages.h"
#include "media/DataDir.h"
#include "media/InterfaceStrings.h"
#include "media/LanguageChoice.h"
#include "media/Locales.h"
#include "media/TextFiles.h"
#include "flow/HeadlessView.h"
#include "model/Alphabet.h"
#include "model/Game.h"
#include "model/Layouts.h"
#include "model/Participants.h"
#include "model/Racks.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>

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

}  // namespace

int RunBench(QTextStream& out, QTextStream& err) {
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

  BenchGameModel(out, dataDir, choice.dictionaryLang, codePage);

  out << "peak memory: " << PeakMemoryKiB() / 1024 << " MiB" << Qt::endl;
  return 0;
}

}  // namespace quorim::cli
