// The meanings of a word, shown in a plain message box until the explanation window takes over.

#include "dictionary/Explanations.h"
#include "media/CodePages.h"
#include "ui/Main.h"

#include <QMessageBox>

namespace quorim {

void TMainScreen::ShowExplanation(const QString& word) {
  const auto content = ExplainWord(game_, ToGameText(word, game_.DictionaryCodePage()));
  if (!content) return;  // the person was asked whether to add a meaning instead
  QString text = content->text;
  if (!content->languageLine.isEmpty()) text += QStringLiteral("\n\n") + content->languageLine;
  QMessageBox::information(this, content->word, text);
}

}  // namespace quorim
