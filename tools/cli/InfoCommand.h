#pragma once
// `quorim-cli info`: the languages the game would start with and the dictionary's alphabet.

#include <QTextStream>

namespace quorim::cli {

// Runs in the data directory; gives the process exit status.
int RunInfo(QTextStream& out, QTextStream& err);

}  // namespace quorim::cli
