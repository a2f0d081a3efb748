#pragma once
// `quorim-cli info`: the languages the game would start with and the dictionary's alphabet.

#include "CliSession.h"

#include <QTextStream>

namespace quorim::cli {

// Runs in the data directory; gives the process exit status.
int RunInfo(const LanguageOverrides& languages, QTextStream& out, QTextStream& err);

}  // namespace quorim::cli
