#pragma once
// `quorim-cli bench`: timings and peak memory of the game's heavy steps, for the notes of a change.

#include <QTextStream>

namespace quorim::cli {

// Runs in the data directory; gives the process exit status.
int RunBench(QTextStream& out, QTextStream& err);

}  // namespace quorim::cli
