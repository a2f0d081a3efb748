// quorim-cli: the game without a window, run in the data directory.

#include "BenchCommand.h"
#include "CheckCommand.h"
#include "InfoCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

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
      << "  bench        timings and peak memory of loading the data and of the game model"
      << Qt::endl;
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
  if (args.value(0) == QLatin1String("bench")) return quorim::cli::RunBench(out, err);
  PrintUsage(args.isEmpty() ? out : err);
  return args.isEmpty() ? 0 : 2;
}
