// A person plays a whole game against the computer with the mouse alone: tiles picked up and
// dropped by click and by drag, an exchange, a star, Go, until the score limit ends the game.

#include "VirtOpp/CandidateSearch.h"
#include "flow/GameScreen.h"
#include "model/ControlNames.h"
#include "ui/Board.h"
#include "ui/Strwnd.h"

#include "MainScreenFixture.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

namespace quorim {
namespace {

class WholeGameByMouse : public BoardScreen {
 protected:
  // The rack slot of the person that holds the letter, or the star when none does.
  int SlotWith(const Game& game, char letter) const {
    const TRack& rack = game.Racks[1];
    for (int slot = 1; slot <= kRackSlots; ++slot)
      if (rack[slot].TileIndex >= 0 && rack[slot].Letter == letter) return slot;
    for (int slot = 1; slot <= kRackSlots; ++slot)
      if (rack[slot].TileIndex >= 0 && rack[slot].Letter == game.Alphabet.StarCode()) return slot;
    return 0;
  }

  // Lays a placement the computer's search found for the person's rack, one tile by clicks and
  // the next by a drag; false when the rack cannot spell it. A star stands in for a letter the
  // rack lacks, or once for a letter it has, so that the star window is asked.
  bool LayWord(Game& game, const TCandidate& best) {
    const TPlayedWord place = CandidatePlace(best);
    bool drag = false;
    for (int i = place.Start; i <= place.End; ++i) {
      const int x = place.Direction == kVertical ? place.Line : i;
      const int y = place.Direction == kVertical ? i : place.Line;
      if (game.PlayField(x, y).Letter != ' ') continue;
      const char letter = best.Word[static_cast<std::size_t>(i - place.Start)];
      int slot = SlotWith(game, letter);
      const int star = SlotWith(game, game.Alphabet.StarCode());
      // until the star window has been asked once: a word refused before its star's letter was
      // chosen brings the star back for another try
      if (starsAsked_ == 0 && star != 0 && game.Racks[1][star].Letter == game.Alphabet.StarCode())
        slot = star;
      if (slot == 0) return false;
      if (game.Racks[1][slot].Letter == game.Alphabet.StarCode()) {
        usedStar_ = true;
        starLetter_ = letter;
      }
      TTilePiece& piece = *Piece(game.Racks[1][slot].TileIndex);
      QWidget& panel = *piece.window();
      const QPoint from = piece.mapToGlobal(QPoint(5, 5));
      if (drag) {
        Send(piece, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Send(panel, QEvent::MouseMove, Cell(x, y), Qt::NoButton, Qt::LeftButton);
        Send(panel, QEvent::MouseButtonRelease, Cell(x, y), Qt::LeftButton, Qt::NoButton);
      } else {
        Click(piece, from);
        Click(*BoardWidget(), Cell(x, y));
      }
      EXPECT_EQ(game.HandTile(), -1);
      drag = !drag;
    }
    return true;
  }

  // Marks the tiles of two slots by right clicks, or all seven with Shift, and exchanges them.
  void Exchange(Game& game, bool all) {
    for (int slot : {1, 2}) {
      const int tile = game.Racks[1][slot].TileIndex;
      if (tile < 0) continue;
      TTilePiece& piece = *Piece(tile);
      Click(piece, piece.mapToGlobal(QPoint(5, 5)), Qt::RightButton,
            all ? Qt::ShiftModifier : Qt::NoModifier);
      if (all) break;
    }
    Click(*Find(names::InGameButtongChangeLetters));
  }

  // The person's tiles lying on the board after a refused move go back by right clicks.
  void TakeLaidTilesBack(Game& game) {
    for (std::size_t k = 0; k < game.TileTable.size(); ++k) {
      const TTile& tile = game.TileTable[k];
      if (tile.Owner != 1 || tile.Spot.area != TileSpot::Area::Board) continue;
      TTilePiece& piece = *Piece(static_cast<int>(k));
      Click(piece, piece.mapToGlobal(QPoint(5, 5)), Qt::RightButton);
    }
  }

  bool AnyTileLaid(const Game& game) const {
    for (const TTile& tile : game.TileTable)
      if (tile.Owner == 1 && tile.Spot.area == TileSpot::Area::Board) return true;
    return false;
  }

  // The search's placements best first, each laid and submitted until the game takes one; the
  // refusals' messages are answered. False when none was taken.
  bool PlayAWord(Game& game) {
    SearchCandidates(game, 1, SearchPurpose::ComputerMove);
    LoadCandidates(game);
    const std::vector<TCandidate> candidates = game.Candidates;
    for (std::size_t i = 0; i < candidates.size() && i < 12; ++i) {
      if (!LayWord(game, candidates[i])) {
        TakeLaidTilesBack(game);
        continue;
      }
      Click(*Find(names::InGameButtongGo));
      if (!game.GameRunning || !AnyTileLaid(game)) return true;
      TakeLaidTilesBack(game);
    }
    return false;
  }

  bool usedStar_ = false;
  char starLetter_ = 0;
  int starsAsked_ = 0;
};

TEST_F(WholeGameByMouse, APersonPlaysAgainstTheComputerToTheScoreLimit) {
  TMainScreen& main = Start();
  Game& game = main.GameState();
  game.Settings.LettersAutoSelect = true;
  game.Settings.LastLimits = "Score-60";
  game.Settings.LastIntellect = 1;
  game.SetPlayerCount(2);
  game.Players[1] = {.Name = "Ann", .Avatar = "Im0", .Kind = kHuman};
  game.Players[2] = {.Name = "Comp", .Avatar = "pc0", .Kind = kComputer};
  NewGameByOk();
  ASSERT_TRUE(game.GameRunning);

  // the person's first rack gets a star, so that one of her words needs the star window
  const int starTile = game.Racks[1][7].TileIndex;
  game.TileTable[static_cast<std::size_t>(starTile)].SetLetter(game.Alphabet.StarCode(),
                                                               game.Alphabet.StarCode());
  game.Racks[1][7].Letter = game.Alphabet.StarCode();
  main.ShowTile(starTile);

  // the star window answers with the letter the word needs
  QTimer starAnswer;
  QObject::connect(&starAnswer, &QTimer::timeout, [&] {
    TStarWindow* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == "StarWindow") window = dynamic_cast<TStarWindow*>(top);
    if (window == nullptr || !window->isVisible()) return;
    ++starsAsked_;
    const int index = game.Alphabet.LetterIndex(starLetter_);
    Click(*window->LetterLabel(index + 1));
  });
  starAnswer.start(20);
  // a refused word's message is read and closed
  QTimer messageReader;
  QObject::connect(&messageReader, &QTimer::timeout, [&] {
    if (main.MessageWindow().Waiting()) main.MessageWindow().Answer(false);
    // the end of the game's windows are looked at and closed
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if ((top->objectName() == "SplashWindow" || top->objectName() == "HallFame") &&
          top->isVisible())
        QTest::keyClick(top, Qt::Key_Escape);
    }
  });
  messageReader.start(50);

  int exchanges = 0;
  int words = 0;
  for (int turn = 0; turn < 60 && game.GameRunning; ++turn) {
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          return !game.GameRunning ||
                 (game.CurrentPlayer == 1 && game.TurnPhase == TTurnPhase::MovePhase &&
                  !ScreenBusy(game));
        },
        20000));
    if (!game.GameRunning) break;
    const int scoreBefore = game.Players[1].Score;
    if (exchanges == 0 && turn == 0) {
      Exchange(game, false);
      ++exchanges;
      continue;
    }
    if (!PlayAWord(game)) {
      Exchange(game, true);
      ++exchanges;
      continue;
    }
    if (game.Players[1].Score > scoreBefore) ++words;
  }
  EXPECT_FALSE(game.GameRunning) << "the game did not reach its end";
  EXPECT_GE(exchanges, 1);
  EXPECT_GE(words, 1);
  EXPECT_TRUE(usedStar_);
  EXPECT_GE(starsAsked_, 1);
  messageReader.stop();
  starAnswer.stop();
  // the game has ended: the start menu is back, no tile is left on the screen
  EXPECT_TRUE(Find(names::MenuBgr)->isVisible());
  EXPECT_TRUE(PiecesOn(*BoardWidget()).empty());
  Exit();
}

}  // namespace
}  // namespace quorim
