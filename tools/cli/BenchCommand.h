#pragma once
// `quorim-cli bench`: timings and peak memory of the game's heavy steps, for the notes of a change.

#include "CliSession.h"

#include <QString>
#include <QTextStream>

#include <cstdint>

namespace quorim::cli {

// The computer-move benchmark that ends every run.
struct MoveBenchOptions {
  int intellect = 3;
  QString layout = QStringLiteral("classic.map");
  int moves = 100;
  std::uint32_t seed = 1;
};

// Runs in the data directory; gives the process exit status. The computer moves are played on the
// Russian dictionary unless another one is asked for.
int RunBench(const MoveBenchOptions& moves, const LanguageOverrides& languages, QTextStream& out,
             QTextStream& err);

}  // namespace quorim::cli
