#pragma once
// `quorim-cli demo`: a demonstration game without a window and without waits. Every move line of
// the record is printed as it is completed, and at the end (or after a number of moves) the game
// can be saved and a summary of the board, racks, scores, bag, turn and hints is printed.

#include "CliSession.h"

#include <QString>
#include <QTextStream>

#include <cstdint>

namespace quorim::cli {

struct DemoOptions {
  int players = 2;
  int intellect = 2;
  std::uint32_t seed = 1;
  QString layout = QStringLiteral("classic.map");  // a file of MAPS, or "random"
  QString limits;                                  // as the options window writes them
  QString lang;                                    // the dictionary; empty: the settings'
  int turns = 0;                                   // moves before the game is stopped; 0: all
  QString save;                                    // a file the game is saved into where it stops
};

// What a demonstration game came to.
struct DemoResult {
  bool played = false;
  int moves = 0;            // computer turns in which a participant moved or exchanged
  double milliseconds = 0;  // the game itself, without the start of the session
};

// Plays one demonstration game in the data directory; with out, its move lines and summary are
// printed there. Errors go to err.
DemoResult PlayDemoGame(const DemoOptions& options, QTextStream* out, QTextStream& err);

int RunDemo(const DemoOptions& options, QTextStream& out, QTextStream& err);

}  // namespace quorim::cli
