#include "dictionary/Explanations.h"

#include "dictionary/UserWordLists.h"
#include "dictionary/WorkingWordList.h"
#include "media/CodePages.h"
#include "media/LetterCase.h"
#include "media/TextFiles.h"

namespace quorim {

void ReadExplanations(const QString& path, std::string_view word, QStringView lang, int codePage,
                      QStringList& meanings) {
  QStringList lines;
  if (word.empty() || !LoadUtf8TextFile(path, lines)) return;
  const LetterCase& letterCase = LetterCase::For(codePage);
  const std::string wanted = letterCase.Upper(word);
  bool found = false;
  for (const QString& line : lines) {
    const QStringView entry = QStringView(line).mid(line.startsWith(u'>') ? 1 : 0);
    const qsizetype equals = entry.indexOf(u'=');
    const std::string named =
        equals > 0 ? letterCase.Upper(ToGameText(entry.left(equals), codePage)) : std::string();
    if (found) {
      if (named != wanted) break;  // the word's meanings stand together
    } else if (named != wanted) {
      continue;
    }
    found = true;
    const QString meaning = CommentSection(entry.mid(equals + 1), lang);
    if (!meaning.isEmpty()) meanings.append(meaning);
  }
}

QStringList WordExplanations(const Game& game, std::string_view word) {
  const Settings& settings = game.Settings;
  const int codePage = game.DictionaryCodePage();
  const QString lang = CommentLanguage(game);
  QStringList meanings;
  if (!settings.ExplanatoryLang.isEmpty()) {
    const QString file = ExplanatoryFile(settings.DictionaryLang, settings.ExplanatoryLang);
    ReadExplanations(game.Data.Resolve(file), word, lang, codePage, meanings);
  }
  ReadExplanations(AddedWordsPath(game), word, lang, codePage, meanings);
  return meanings;
}

std::optional<ExplanationContent> ExplainWord(Game& game, std::string_view word) {
  const int codePage = game.DictionaryCodePage();
  const QStringList meanings = WordExplanations(game, word);
  ExplanationContent content;
  content.word = FromGameText(word, codePage);
  content.languageLine =
      LanguageDisplayName(game.Locales, CommentLanguage(game), game.Settings.InterfaceLang);
  if (meanings.isEmpty()) {
    if (game.Settings.AskToAddExplanation) {
      if (game.View().AskInGameQuestion(
              SubstituteWord(game.InterfaceText(u"InGameQuestionAddWordExplanation"), word,
                             codePage),
              {})) {
        game.View().OpenUserDictionaryOptions(UserListField::Added, content.word);
      }
      return std::nullopt;
    }
    content.text = game.InterfaceText(u"InGameMessageNoWordExplanation");
  } else if (meanings.size() == 1) {
    content.text = meanings.front();
  } else {
    for (qsizetype i = 0; i < meanings.size(); ++i) {
      if (i > 0) content.text += u'\n';
      content.text +=
          QStringLiteral("  (") + QString::number(i + 1) + QStringLiteral(")  ") + meanings[i];
    }
    content.text = content.text.trimmed();
    content.centred = false;
  }
  return content;
}

}  // namespace quorim
