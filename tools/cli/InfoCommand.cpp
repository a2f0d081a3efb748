#include "InfoCommand.h"

#include "CliSession.h"
#include "media/CodePages.h"
#include "model/Layouts.h"

namespace quorim::cli {

namespace {

constexpr int kBoardSide = 15;

QString LetterText(const Game& game, int index) {
  if (index == game.Alphabet.AlphabetSize) return QStringLiteral("*");
  return FromGameText(std::string(1, static_cast<char>(game.Alphabet.LetterCode[index])),
                      game.DictionaryCodePage());
}

// Words of the main lists whose theme letters hold the letter.
std::size_t CountThemeWords(const Game& game, char letter) {
  std::size_t count = 0;
  for (int slot = 1; slot < kExcludedWordsSlot; ++slot) {
    const WordList* list = game.WordLists.Slot(slot);
    if (list == nullptr) continue;
    for (const std::string& line : list->Lines()) {
      const std::size_t equals = line.find('=');
      if (equals != std::string::npos && line.find(letter, equals + 1) != std::string::npos)
        ++count;
    }
  }
  return count;
}

}  // namespace

int RunInfo(const LanguageOverrides& languages, QTextStream& out, QTextStream& err) {
  const auto session = CliSession::Start(err, languages);
  if (!session) return 1;
  Game& game = session->game();
  const Settings& settings = game.Settings;

  out << "Data directory: " << game.Data.Root() << Qt::endl;
  const auto describe = [&](const char* role, const QString& code) {
    out << role << ": ";
    if (code.isEmpty()) {
      out << "none" << Qt::endl;
      return;
    }
    out << code << " - " << LanguageDisplayName(game.Locales, code, settings.InterfaceLang)
        << ", code page " << LanguageCodePage(game.Locales, code) << Qt::endl;
  };
  describe("Interface language", settings.InterfaceLang);
  describe("Dictionary language", settings.DictionaryLang);
  describe("Explanatory language", settings.ExplanatoryLang);
  out << "Current player: " << FromGameText(game.Players[1].Name, game.InterfaceCodePage())
      << Qt::endl;

  const Alphabet& alphabet = game.Alphabet;
  const int cells = kBoardSide * kBoardSide;
  out << Qt::endl
      << "Alphabet: " << alphabet.AlphabetSize << " letters and the star, "
      << alphabet.AlphabetTotalQuantity() << " in all" << Qt::endl
      << "Letter  Value  Quantity  Copies on " << kBoardSide << " x " << kBoardSide << "  Words"
      << Qt::endl;
  int words = 0;
  for (int i = 0; i <= alphabet.AlphabetSize; ++i) {
    out << qSetFieldWidth(6) << Qt::left << LetterText(game, i) << qSetFieldWidth(7) << Qt::right
        << alphabet.LetterValue[i] << qSetFieldWidth(10) << alphabet.LetterQuantity[i]
        << qSetFieldWidth(13) << alphabet.ExpectedCopies(i, cells);
    if (const WordList* list = game.WordLists.Slot(i + 1); i < alphabet.AlphabetSize) {
      const int count = list == nullptr ? 0 : static_cast<int>(list->Lines().size());
      words += count;
      out << qSetFieldWidth(7) << count;
    }
    out << qSetFieldWidth(0) << Qt::endl;
  }
  const auto userWords = [&](int slot) {
    const WordList* list = game.WordLists.Slot(slot);
    return list == nullptr ? 0 : static_cast<int>(list->Lines().size());
  };
  out << "Words: " << words << " in the dictionary, " << userWords(kAddedWordsSlot) << " added and "
      << userWords(kExcludedWordsSlot) << " excluded by the user" << Qt::endl;

  const DictionaryThemes& themes = game.Themes;
  out << "Themes:";
  for (const ThemeTitle& theme : themes.Titles) {
    const std::size_t words = CountThemeWords(game, theme.letter);
    out << ' ' << FromGameText(std::string(1, theme.letter), game.DictionaryCodePage()) << " = "
        << theme.title << " (" << words << ')' << (&theme == &themes.Titles.back() ? "" : ",");
  }
  out << Qt::endl
      << "Computer's dictionary: "
      << (themes.DictionarySizeMarker.empty()
              ? QStringLiteral("the whole")
              : "theme " + FromGameText(themes.DictionarySizeMarker, game.DictionaryCodePage()))
      << Qt::endl;

  out << Qt::endl << "Layouts:" << Qt::endl;
  for (const TemplateListEntry& entry : ListTemplates(game.Data)) {
    out << "  " << qSetFieldWidth(18) << Qt::left << entry.fileName << qSetFieldWidth(0)
        << entry.displayText << Qt::endl;
  }
  return 0;
}

}  // namespace quorim::cli
