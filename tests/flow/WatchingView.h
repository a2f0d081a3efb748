#pragma once
// A headless view that lets a test look at the game whenever the turn passes and when the
// game-over window opens, while the end of the game has not yet cleared the board.

#include "flow/HeadlessView.h"
#include "media/CodePages.h"
#include "model/Game.h"

#include <functional>

namespace quorim::test {

class WatchingView : public HeadlessView {
 public:
  WatchingView() { SetRecording(false); }

  std::function<void()> onTurn;
  std::function<void()> onGameOver;
  int gamesOver = 0;

  void ShowPanelOnTurn(int previous, int current, bool arrange) override {
    HeadlessView::ShowPanelOnTurn(previous, current, arrange);
    if (onTurn) onTurn();
  }
  void ShowGameOverWindow(const GameOverText& result) override {
    HeadlessView::ShowGameOverWindow(result);
    ++gamesOver;
    if (onGameOver) onGameOver();
  }
};

// The move lines of the game's record, one per line, as UTF-8 text.
inline QString MoveLinesText(const Game& game) {
  QString text;
  const auto& lines = game.MoveLog.Lines();
  for (std::size_t i = 2; i < lines.size(); ++i)
    text += FromGameText(lines[i], game.DictionaryCodePage()) + u'\n';
  return text;
}

}  // namespace quorim::test
