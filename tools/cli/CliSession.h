#pragma once
// The game as it starts, without windows, in the working directory: languages chosen, settings
// files read, alphabet and word list built. The command line writes no settings back.

#include "flow/HeadlessView.h"
#include "media/LanguageChoice.h"
#include "model/Game.h"

#include <QTextStream>

#include <memory>

namespace quorim::cli {

class CliSession {
 public:
  // Nothing, after the messages of a failed start have gone to err.
  static std::unique_ptr<CliSession> Start(QTextStream& err);

  Game& game() { return game_; }
  const LanguageChoice& choice() const { return choice_; }

 private:
  CliSession();

  HeadlessView view_;
  Game game_;
  LanguageChoice choice_;
};

}  // namespace quorim::cli
