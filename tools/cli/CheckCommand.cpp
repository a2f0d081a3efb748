#include "CheckCommand.h"

#include "CliSession.h"
#include "dictionary/Explanations.h"
#include "dictionary/Themes.h"
#include "dictionary/WorkingWordList.h"
#include "media/CodePages.h"

namespace quorim::cli {

namespace {

const char* YesNo(bool yes) {
  return yes ? "yes" : "no";
}

}  // namespace

int RunCheck(const QStringList& words, const LanguageOverrides& languages, QTextStream& out,
             QTextStream& err) {
  if (words.isEmpty()) {
    err << "usage: quorim-cli check WORD..." << Qt::endl;
    return 2;
  }
  const auto session = CliSession::Start(err, languages);
  if (!session) return 1;
  Game& game = session->game();
  const int codePage = game.DictionaryCodePage();
  for (const QString& typed : words) {
    const std::string word = game.WordLists.Case().Upper(ToGameText(typed, codePage));
    out << FromGameText(word, codePage) << " dictionary=" << YesNo(IsDictionaryWord(game, word))
        << " computer=" << YesNo(ComputerMayUseWord(game, word, 1)) << ','
        << YesNo(ComputerMayUseWord(game, word, 2)) << ','
        << YesNo(ComputerMayUseWord(game, word, 3)) << Qt::endl;
    for (const QString& meaning : WordExplanations(game, word)) out << "  " << meaning << Qt::endl;
  }
  return 0;
}

}  // namespace quorim::cli
