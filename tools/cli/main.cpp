// quorim-cli: the game without a window, run in the data directory.

#include "BenchCommand.h"
#include "CheckCommand.h"
#include "InfoCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

void PrintUsage(QTextStream& out) {
  out << "usage: quorim-cli [--dictionary CODE] [--explanations CODE] COMMAND" << Qt::endl
      << Qt::endl
      << "Run in the game's data directory. The options take another installed dictionary or"
      << Qt::endl
      << "explanation language than the settings name. Commands:" << Qt::endl
      << "  info         the languages, the dictionary's alphabet and word lists, the layouts"
      << Qt::endl
      << "  check WORD…  whether the dictionary and the computer take each word, and its meanings"
      << Qt::endl
      << "  bench        timings and peak memory of loading the data and of the game model,"
      << Qt::endl
      << "               then of computer moves: [--intellect 1|2|3] [--layout FILE]" << Qt::endl
      << "               [--moves N] [--seed S] (a layout of MAPS; the Russian dictionary)"
      << Qt::endl;
}

// The options of bench; nothing when one is unknown or out of range.
std::optional<quorim::cli::MoveBenchOptions> ParseBenchOptions(const QStringList& args) {
  quorim::cli::MoveBenchOptions options;
  for (qsizetype i = 0; i < args.size(); i += 2) {
    const QString& name = args[i];
    const QString value = args.value(i + 1);
    bool number = false;
    const long long n = value.toLongLong(&number);
    if (name == QLatin1String("--layout") && !value.isEmpty()) {
      options.layout = value;
    } else if (name == QLatin1String("--intellect") && number && n >= 1 && n <= 3) {
      options.intellect = static_cast<int>(n);
    } else if (name == QLatin1String("--moves") && number && n >= 1 && n <= 100000) {
      options.moves = static_cast<int>(n);
    } else if (name == QLatin1String("--seed") && number && n >= 0 && n <= 0xFFFFFFFFLL) {
      options.seed = static_cast<std::uint32_t>(n);
    } else {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  QStringList args = app.arguments().mid(1);
  quorim::cli::LanguageOverrides languages;
  while (args.size() >= 2 && args[0].startsWith(QLatin1String("--"))) {
    if (args[0] == QLatin1String("--dictionary")) {
      languages.dictionary = args[1];
    } else if (args[0] == QLatin1String("--explanations")) {
      languages.explanations = args[1];
    } else {
      break;
    }
    args = args.mid(2);
  }
  if (args.value(0) == QLatin1String("info")) return quorim::cli::RunInfo(languages, out, err);
  if (args.value(0) == QLatin1String("check"))
    return quorim::cli::RunCheck(args.mid(1), languages, out, err);
  if (args.value(0) == QLatin1String("bench")) {
    if (const auto options = ParseBenchOptions(args.mid(1)))
      return quorim::cli::RunBench(*options, languages, out, err);
  }
  PrintUsage(args.isEmpty() ? out : err);
  return args.isEmpty() ? 0 : 2;
}
