// quorim-cli: the game without a window, run in the data directory.

#include "BenchCommand.h"
#include "CheckCommand.h"
#include "DemoCommand.h"
#include "InfoCommand.h"
#include "LoadCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <limits>
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

// A command line that cannot be run: the reason, then the usage.
int Refuse(const QString& reason, QTextStream& err) {
  err << "quorim-cli: " << reason << Qt::endl << Qt::endl;
  PrintUsage(err);
  return 2;
}

// Parses the words after a command's name: its options and exactly the other words it names
// (load's FILE); false, with the reason, otherwise.
bool ParseCommand(QCommandLineParser& parser, const QString& command, const QStringList& args,
                  const QStringList& words, QString& refusal) {
  if (!parser.parse(QStringList{command} + args)) {
    refusal = command + QLatin1String(": ") + parser.errorText();
    return false;
  }
  const QStringList given = parser.positionalArguments();
  if (given.size() == words.size()) return true;
  refusal = words.isEmpty() ? command + QLatin1String(": unexpected ") + given.join(u' ')
                            : command + QLatin1String(" takes ") + words.join(u' ');
  return false;
}

// Takes the values of a command's options that were given into their fields; the first value out
// of its range is the refusal.
class OptionValues {
 public:
  explicit OptionValues(const QCommandLineParser& parser) : parser_(parser) {}

  template <typename Field>
  void Number(const QString& name, long long low, long long high, Field& field) {
    if (!parser_.isSet(name)) return;
    const QString value = parser_.value(name);
    bool number = false;
    const long long n = value.toLongLong(&number);
    if (number && n >= low && n <= high) {
      field = static_cast<Field>(n);
    } else {
      NoteRefusal(QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
                      .arg(name)
                      .arg(low)
                      .arg(high)
                      .arg(value));
    }
  }

  void Text(const QString& name, qsizetype minChars, qsizetype maxChars, QString& field) {
    if (!parser_.isSet(name)) return;
    const QString value = parser_.value(name);
    if (value.size() < minChars) {
      NoteRefusal(QStringLiteral("--%1 needs a value").arg(name));
    } else if (value.size() > maxChars) {
      NoteRefusal(QStringLiteral("--%1 takes at most %2 characters").arg(name).arg(maxChars));
    } else {
      field = value;
    }
  }

  // Empty while every value was taken.
  const QString& refusal() const { return refusal_; }

 private:
  void NoteRefusal(const QString& reason) {
    if (refusal_.isEmpty()) refusal_ = reason;
  }

  const QCommandLineParser& parser_;
  QString refusal_;
};

constexpr long long kMaxSeed = std::numeric_limits<std::uint32_t>::max();
constexpr long long kMaxCount = 100000;
constexpr qsizetype kAnyLength = std::numeric_limits<qsizetype>::max();

std::optional<quorim::cli::MoveBenchOptions> ParseBenchOptions(const QStringList& args,
                                                               QString& refusal) {
  QCommandLineParser parser;
  parser.addOptions({{QStringLiteral("intellect"), QString(), QStringLiteral("1|2|3")},
                     {QStringLiteral("layout"), QString(), QStringLiteral("FILE")},
                     {QStringLiteral("moves"), QString(), QStringLiteral("N")},
                     {QStringLiteral("seed"), QString(), QStringLiteral("S")}});
  if (!ParseCommand(parser, QStringLiteral("bench"), args, {}, refusal)) return std::nullopt;
  quorim::cli::MoveBenchOptions options;
  OptionValues values(parser);
  values.Number(QStringLiteral("intellect"), 1, 3, options.intellect);
  values.Text(QStringLiteral("layout"), 1, kAnyLength, options.layout);
  values.Number(QStringLiteral("moves"), 1, kMaxCount, options.moves);
  values.Number(QStringLiteral("seed"), 0, kMaxSeed, options.seed);
  refusal = values.refusal();
  if (!refusal.isEmpty()) return std::nullopt;
  return options;
}

std::optional<quorim::cli::DemoOptions> ParseDemoOptions(const QStringList& args,
                                                         QString& refusal) {
  QCommandLineParser parser;
  parser.addOptions({{QStringLiteral("players"), QString(), QStringLiteral("N")},
                     {QStringLiteral("intellect"), QString(), QStringLiteral("1|2|3")},
                     {QStringLiteral("seed"), QString(), QStringLiteral("S")},
                     {QStringLiteral("layout"), QString(), QStringLiteral("FILE|random")},
                     {QStringLiteral("limits"), QString(), QStringLiteral("TEXT")},
                     {QStringLiteral("lang"), QString(), QStringLiteral("CODE")},
                     {QStringLiteral("turns"), QString(), QStringLiteral("K")},
                     {QStringLiteral("save"), QString(), QStringLiteral("FILE")}});
  if (!ParseCommand(parser, QStringLiteral("demo"), args, {}, refusal)) return std::nullopt;
  quorim::cli::DemoOptions options;
  OptionValues values(parser);
  values.Number(QStringLiteral("players"), 2, 8, options.players);
  values.Number(QStringLiteral("intellect"), 1, 3, options.intellect);
  values.Number(QStringLiteral("seed"), 0, kMaxSeed, options.seed);
  values.Text(QStringLiteral("layout"), 1, kAnyLength, options.layout);
  // the options window's limits field holds no more
  values.Text(QStringLiteral("limits"), 0, 20, options.limits);
  values.Text(QStringLiteral("lang"), 1, kAnyLength, options.lang);
  values.Number(QStringLiteral("turns"), 1, kMaxCount, options.turns);
  values.Text(QStringLiteral("save"), 1, kAnyLength, options.save);
  refusal = values.refusal();
  if (!refusal.isEmpty()) return std::nullopt;
  return options;
}

std::optional<quorim::cli::LoadOptions> ParseLoadOptions(const QStringList& args,
                                                         const QString& lang, QString& refusal) {
  QCommandLineParser parser;
  const QCommandLineOption continues(QStringLiteral("continue"));
  parser.addOption(continues);
  if (!ParseCommand(parser, QStringLiteral("load"), args, {QStringLiteral("FILE")}, refusal))
    return std::nullopt;
  return quorim::cli::LoadOptions{parser.positionalArguments().first(), parser.isSet(continues),
                                  lang};
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  QCommandLineParser parser;
  const QCommandLineOption dictionary(QStringLiteral("dictionary"), QString(),
                                      QStringLiteral("CODE"));
  const QCommandLineOption explanations(QStringLiteral("explanations"), QString(),
                                        QStringLiteral("CODE"));
  parser.addOptions({dictionary, explanations});
  // Everything after the command is the command's own.
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  if (!parser.parse(app.arguments())) return Refuse(parser.errorText(), err);
  const quorim::cli::LanguageOverrides languages{parser.value(dictionary),
                                                 parser.value(explanations)};
  const QStringList args = parser.positionalArguments();
  if (args.isEmpty()) {
    PrintUsage(out);
    return 0;
  }
  const QString& command = args.first();
  const QStringList commandArgs = args.mid(1);
  if (command == QLatin1String("info")) return quorim::cli::RunInfo(languages, out, err);
  if (command == QLatin1String("check"))
    return quorim::cli::RunCheck(commandArgs, languages, out, err);
  QString refusal;
  if (command == QLatin1String("bench")) {
    if (const auto options = ParseBenchOptions(commandArgs, refusal))
      return quorim::cli::RunBench(*options, languages, out, err);
  } else if (command == QLatin1String("demo")) {
    if (const auto options = ParseDemoOptions(commandArgs, refusal))
      return quorim::cli::RunDemo(*options, out, err);
  } else if (command == QLatin1String("load")) {
    if (const auto options = ParseLoadOptions(commandArgs, languages.dictionary, refusal))
      return quorim::cli::RunLoad(*options, out, err);
  } else {
    refusal = QLatin1String("no command ") + command;
  }
  return Refuse(refusal, err);
}
