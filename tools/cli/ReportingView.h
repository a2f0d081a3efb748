#pragma once
// The headless view of the command line's games: it prints the record's lines as each turn
// begins and, when the game-over window would open, saves the game if asked and prints the
// state summary; it counts the moves and can stop the game after a number of them.

#include "flow/HeadlessView.h"
#include "model/Game.h"

#include <QString>
#include <QTextStream>

namespace quorim::cli {

class ReportingView : public HeadlessView {
 public:
  // out may be null (the bench); turns 0 lets the game run to its end.
  ReportingView(QTextStream* out, int turns);

  void Watch(Game* game) { game_ = game; }
  // The game is saved into this file just before its summary is printed.
  void SaveAtEnd(const QString& path) { savePath_ = path; }
  bool SaveFailed() const { return saveFailed_; }
  int Moves() const { return moves_; }
  // The lines the record holds now count as printed.
  void SkipPrintedLines();
  void PrintSummary();

  void ShowPanelOnTurn(int previous, int current, bool arrange) override;
  void ShowGameOverWindow(const GameOverText& result) override;

 private:
  QString Text(std::string_view bytes) const;
  void PrintLines();

  QTextStream* out_;
  int turns_;
  Game* game_ = nullptr;
  std::size_t printed_ = 0;
  int moves_ = 0;
  QString savePath_;
  bool saveFailed_ = false;
};

}  // namespace quorim::cli
