#pragma once
// What the game knows of a word's meaning: the explanatory file of the explanation language and
// the comments of the user's added words, and what the explanation window shows of them.

#include "model/Game.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

namespace quorim {

// Adds the word's meanings from one indexed file (">WORD=meaning" lines; consecutive lines of one
// word are several meanings) in the given language to the list.
void ReadExplanations(const ExplanationIndex& file, std::string_view word, QStringView lang,
                      int codePage, QStringList& meanings);

// The meanings of the word from the explanatory file, then from the user's added words. The
// explanatory file is indexed on its first lookup; the small list of added words, which changes
// under the game's hands, is read each time.
QStringList WordExplanations(Game& game, std::string_view word);

struct ExplanationContent {
  QString word;
  QString text;  // one meaning, or several numbered ones, one per line
  bool centred = true;
  QString languageLine;  // the name of the explanation language
};

// What the explanation window shows for a word. Without a meaning, and with AskToAddExplanation
// on, the person is asked whether to add one (the options window then opens) and nothing is shown.
std::optional<ExplanationContent> ExplainWord(Game& game, std::string_view word);

}  // namespace quorim
