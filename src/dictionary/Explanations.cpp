#include "dictionary/Explanations.h"

#include "dictionary/UserWordLists.h"
#include "dictionary/WorkingWordList.h"
#include "media/CodePages.h"
#include "media/LetterCase.h"

namespace quorim {

void ReadExplanations(const ExplanationIndex& file, std::string_view word, QStringView lang,
                      int codePage, QStringList& meanings) {
  if (word.empty()) return;
  for (const QString& explanation : file.Explanations(LetterCase::For(codePage).Upper(word))) {
    const QString meaning = CommentSection(explanation, lang);
    if (!meaning.isEmpty()) meanings.append(meaning);
  }
}

QStringList WordExplanations(Game& game, std::string_view word) {
  const Settings& settings = game.Settings;
  const int codePage = game.DictionaryCodePage();
  const QString lang = CommentLanguage(game);
  QStringList meanings;
  if (!settings.ExplanatoryLang.isEmpty()) {
    const QString file = ExplanatoryFile(settings.DictionaryLang, settings.ExplanatoryLang);
    if (const ExplanationIndex* index = game.Explanations.Index(game.Data.Resolve(file), codePage))
      ReadExplanations(*index, word, lang, codePage, meanings);
  }
  ExplanationIndex added;
  if (added.Load(AddedWordsPath(game), codePage))
    ReadExplanations(added, word, lang, codePage, meanings);
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
