#pragma once
// `quorim-cli check WORD…`: what the dictionary says of words, as the game would answer with the
// settings of its data directory.

#include <QStringList>
#include "CliSession.h"

#include <QTextStream>

namespace quorim::cli {

// One line per word: the word in upper case, whether the dictionary holds it and whether the
// computer may use it at each intellect, then its explanations indented by two spaces.
int RunCheck(const QStringList& words, const LanguageOverrides& languages, QTextStream& out,
             QTextStream& err);

}  // namespace quorim::cli
