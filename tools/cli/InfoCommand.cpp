#include "InfoCommand.h"

#include "media/CodePages.h"
#include "media/DataDir.h"
#include "media/InterfaceStrings.h"
#include "media/LanguageChoice.h"
#include "media/Locales.h"
#include "model/Alphabet.h"
#include "model/Layouts.h"

namespace quorim::cli {

namespace {

// The command line has no windows to take captions.
class NoWindows : public ControlTextApplier {
 public:
  void ApplyControlText(const ControlText&) override {}
};

constexpr int kBoardSide = 15;

}  // namespace

int RunInfo(QTextStream& out, QTextStream& err) {
  const DataDir dataDir = DataDir::FromWorkingDirectory();
  QStringList problems;
  const LocaleTable locales = LocaleTable::Load(dataDir, &problems);
  for (const QString& problem : problems) err << problem << Qt::endl;

  InterfaceStrings strings;
  const LanguageChoice choice = ChooseLanguages(dataDir, HostInterfaceLanguage(), strings);
  if (!choice.CanStart()) {
    for (const QString& message : choice.messages) err << message << Qt::endl;
    return 1;
  }
  NoWindows noWindows;
  ApplyInterfaceLanguage(dataDir, choice.interfaceLang, strings, noWindows);

  out << "Data directory: " << dataDir.Root() << Qt::endl;
  const auto describe = [&](const char* role, const QString& code) {
    out << role << ": ";
    if (code.isEmpty()) {
      out << "none" << Qt::endl;
      return;
    }
    out << code << " - " << LanguageDisplayName(locales, code, choice.interfaceLang)
        << ", code page " << LanguageCodePage(locales, code) << Qt::endl;
  };
  describe("Interface language", choice.interfaceLang);
  describe("Dictionary language", choice.dictionaryLang);
  describe("Explanatory language", choice.explanatoryLang);

  const int codePage = LanguageCodePage(locales, choice.dictionaryLang);
  Alphabet alphabet;
  if (const auto error = LoadAlphabet(alphabet, {dataDir, choice.dictionaryLang, codePage})) {
    err << AlphabetErrorMessage(*error, strings) << Qt::endl
        << error->path << (error->line > 0 ? ":" + QString::number(error->line) : QString()) << ": "
        << error->detail << Qt::endl;
    return 1;
  }

  const int cells = kBoardSide * kBoardSide;
  out << Qt::endl
      << "Alphabet: " << alphabet.AlphabetSize << " letters and the star, "
      << alphabet.AlphabetTotalQuantity() << " in all" << Qt::endl
      << "Letter  Value  Quantity  Copies on " << kBoardSide << " x " << kBoardSide << Qt::endl;
  for (int i = 0; i <= alphabet.AlphabetSize; ++i) {
    const QString letter =
        i < alphabet.AlphabetSize
            ? FromGameText(std::string(1, static_cast<char>(alphabet.LetterCode[i])), codePage)
            : QStringLiteral("*");
    out << qSetFieldWidth(6) << Qt::left << letter << qSetFieldWidth(7) << Qt::right
        << alphabet.LetterValue[i] << qSetFieldWidth(10) << alphabet.LetterQuantity[i]
        << qSetFieldWidth(13) << alphabet.ExpectedCopies(i, cells) << qSetFieldWidth(0) << Qt::endl;
  }

  out << Qt::endl << "Layouts:" << Qt::endl;
  for (const TemplateListEntry& entry : ListTemplates(dataDir)) {
    out << "  " << qSetFieldWidth(18) << Qt::left << entry.fileName << qSetFieldWidth(0)
        << entry.displayText << Qt::endl;
  }
  return 0;
}

}  // namespace quorim::cli
