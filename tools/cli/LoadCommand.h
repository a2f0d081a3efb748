#pragma once
// `quorim-cli load FILE [--continue]`: a saved game is loaded through the replay of its record
// and its state summary printed; with --continue the game then goes on to its end, every
// participant played by the computer, with its move lines printed as they are completed.

#include "CliSession.h"

#include <QString>
#include <QTextStream>

namespace quorim::cli {

struct LoadOptions {
  QString file;
  bool continues = false;
  QString lang;  // the dictionary before the load; empty: the settings'
};

// 0 when the file was loaded; a refused file is reported on err with a non-zero status.
int RunLoad(const LoadOptions& options, QTextStream& out, QTextStream& err);

}  // namespace quorim::cli
