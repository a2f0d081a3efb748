#pragma once
// The game as it starts, without windows, in the working directory: languages chosen, settings
// files read, alphabet and word list built. The command line writes no settings back.

#include "flow/HeadlessView.h"
#include "media/LanguageChoice.h"
#include "model/Game.h"

#include <QTextStream>

#include <memory>

namespace quorim::cli {

// Languages asked for on the command line instead of the ones start-up chooses; empty: keep.
struct LanguageOverrides {
  QString dictionary;
  QString explanations;
};

class CliSession {
 public:
  // Nothing, after the messages of a failed start have gone to err. A command that watches the
  // game through its own view passes it.
  static std::unique_ptr<CliSession> Start(QTextStream& err, const LanguageOverrides& languages,
                                           std::unique_ptr<HeadlessView> view = nullptr);

  // The settings of a fresh installation in the chosen languages, so that a seed gives the same
  // game on every machine.
  void UseFreshSettings();

  Game& game() { return game_; }
  HeadlessView& view() { return *view_; }
  const LanguageChoice& choice() const { return choice_; }

 private:
  explicit CliSession(std::unique_ptr<HeadlessView> view);

  std::unique_ptr<HeadlessView> view_;
  Game game_;
  LanguageChoice choice_;
};

}  // namespace quorim::cli
