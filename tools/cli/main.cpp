// quorim-cli: the game without a window, run in the data directory.

#include "BenchCommand.h"
#include "CheckCommand.h"
#include "DemoCommand.h"
#include "InfoCommand.h"
#include "LoadCommand.h"

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
      << "               of demonstration games, then of computer moves: [--intellect 1|2|3]"
      << Qt::endl
      << "               [--layout FILE]" << Qt::endl
      << "               [--moves N] [--seed S] (a layout of MAPS; the Russian dictionary)"
      << Qt::endl
      << "  demo         a demonstration game without waits: its move lines, then a summary;"
      << Qt::endl
      << "               [--players N] [--intellect 1|2|3] [--seed S] [--layout FILE|random]"
      << Qt::endl
      << "               [--limits TEXT] [--lang CODE] [--turns K] [--save FILE] (the game is"
      << Qt::endl
      << "               saved where it stops)" << Qt::endl
      << "  load FILE    a saved game loaded by the replay of its record, then its summary;"
      << Qt::endl
      << "               [--continue] plays it on to its end, every participant a computer"
      << Qt::endl;
}

// A whole number of the option's range; nothing when the value is none.
std::optional<long long> Number(const QString& value, long long low, long long high) {
  bool number = false;
  const long long n = value.toLongLong(&number);
  if (!number || n < low || n > high) return std::nullopt;
  return n;
}

// The options of bench; nothing when one is unknown or out of range.
std::optional<quorim::cli::MoveBenchOptions> ParseBenchOptions(const QStringList& args) {
  quorim::cli::MoveBenchOptions options;
  for (qsizetype i = 0; i < args.size(); i += 2) {
    const QString& name = args[i];
    const QString value = args.value(i + 1);
    if (name == QLatin1String("--layout") && !value.isEmpty()) {
      options.layout = value;
    } else if (const auto n = Number(value, 1, 3); name == QLatin1String("--intellect") && n) {
      options.intellect = static_cast<int>(*n);
    } else if (const auto m = Number(value, 1, 100000); name == QLatin1String("--moves") && m) {
      options.moves = static_cast<int>(*m);
    } else if (const auto s = Number(value, 0, 0xFFFFFFFFLL); name == QLatin1String("--seed") && s) {
      options.seed = static_cast<std::uint32_t>(*s);
    } else {
      return std::nullopt;
    }
  }
  return options;
}

// The options of demo; nothing when one is unknown or out of range.
std::optional<quorim::cli::DemoOptions> ParseDemoOptions(const QStringList& args) {
  quorim::cli::DemoOptions options;
  for (qsizetype i = 0; i < args.size(); i += 2) {
    const QString& name = args[i];
    if (i + 1 >= args.size()) return std::nullopt;
    const QString value = args[i + 1];
    if (name == QLatin1String("--layout") && !value.isEmpty()) {
      options.layout = value;
    } else if (name == QLatin1String("--limits") && value.size() <= 20) {
      options.limits = value;
    } else if (name == QLatin1String("--lang") && !value.isEmpty()) {
      options.lang = value;
    } else if (name == QLatin1String("--save") && !value.isEmpty()) {
      options.save = value;
    } else if (const auto p = Number(value, 2, 8); name == QLatin1String("--players") && p) {
      options.players = static_cast<int>(*p);
    } else if (const auto n = Number(value, 1, 3); name == QLatin1String("--intellect") && n) {
      options.intellect = static_cast<int>(*n);
    } else if (const auto s = Number(value, 0, 0xFFFFFFFFLL); name == QLatin1String("--seed") && s) {
      options.seed = static_cast<std::uint32_t>(*s);
    } else if (const auto t = Number(value, 1, 100000); name == QLatin1String("--turns") && t) {
      options.turns = static_cast<int>(*t);
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
  if (args.value(0) == QLatin1String("demo")) {
    if (const auto options = ParseDemoOptions(args.mid(1)))
      return quorim::cli::RunDemo(*options, out, err);
  }
  if (args.value(0) == QLatin1String("load") && args.size() >= 2 && args.size() <= 3 &&
      (args.size() == 2 || args[2] == QLatin1String("--continue"))) {
    return quorim::cli::RunLoad({args[1], args.size() == 3, languages.dictionary}, out, err);
  }
  PrintUsage(args.isEmpty() ? out : err);
  return args.isEmpty() ? 0 : 2;
}
