// The main window's effects in a running game: blinking on the flash timer, tiles blinking on
// command, the explosion, the counting score display, the preview figures and the scan markers.

#include "flow/Clocks.h"
#include "flow/HandCommands.h"
#include "model/ControlNames.h"
#include "model/Players.h"
#include "ui/Board.h"
#include "ui/playfrm.h"

#include "MainScreenFixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSet>
#include <QTest>

namespace quorim {
namespace {

// Counts how often a widget is hidden.
class HideCounter : public QObject {
 public:
  explicit HideCounter(QWidget& widget) { widget.installEventFilter(this); }
  int hides = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide) ++hides;
    return false;
  }
};

class Effects : public BoardScreen {
 protected:
  // Ann and Bob, the number on turn blinking.
  Game& StartGame(bool lettersByHand = false) {
    Start().GameState().Settings.AnimHighlightActivePlayer = true;
    return NewGameOfTwo(lettersByHand);
  }

  int Count(const QString& name) const {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
      count += static_cast<int>(window->findChildren<QWidget*>(name).size());
    return count;
  }
};

TEST_F(Effects, AMarkedRackTileAndTheNumberOnTurnBlinkUntilTheFlashTimerStops) {
  Game& game = StartGame();
  const int marked = RackTile(game, 2);
  RightClickTile(game, marked, false);
  ASSERT_TRUE(game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][2].ExchangeMark);
  TTilePiece& piece = *Piece(marked);
  TTilePiece& unmarked = *Piece(RackTile(game, 3));
  QLabel* number = Find<QLabel>(names::PlNum(game.CurrentPlayer));
  QLabel* other = Find<QLabel>(names::PlNum(game.CurrentPlayer % 2 + 1));
  ASSERT_NE(number, nullptr);

  EXPECT_TRUE(QTest::qWaitFor([&] { return piece.BlinkHidden(); }, 1500));
  EXPECT_FALSE(unmarked.BlinkHidden());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !piece.BlinkHidden(); }, 1500));
  EXPECT_TRUE(QTest::qWaitFor([&] { return number->isHidden(); }, 1500));
  EXPECT_FALSE(other->isHidden());

  // unmarked, it stays on
  RightClickTile(game, marked, false);
  QTest::qWait(700);
  EXPECT_FALSE(piece.BlinkHidden());

  RightClickTile(game, marked, false);
  EXPECT_TRUE(QTest::qWaitFor([&] { return piece.BlinkHidden() && number->isHidden(); }, 3000));
  SetTimer(game, GameTimer::Flash, false);
  EXPECT_FALSE(piece.BlinkHidden());
  EXPECT_FALSE(number->isHidden());
  Exit();
}

TEST_F(Effects, TheLetterTakingNoticeStandsCentredOverTheBoardAndFlashes) {
  Game& game = StartGame(true);
  ASSERT_EQ(game.TurnPhase, TTurnPhase::DrawPhase);
  auto* notice = Find<QLabel>(names::FlashAnnounce);
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->text().contains(
      QString::fromLatin1(game.Players[static_cast<std::size_t>(game.CurrentPlayer)].Name)));
  EXPECT_TRUE(QTest::qWaitFor([&] { return notice->isVisible(); }, 1500));
  EXPECT_EQ(notice->parentWidget(), BoardWidget());
  EXPECT_LE(std::abs(notice->geometry().center().x() - BoardWidget()->width() / 2), 1);
  EXPECT_EQ(notice->y(), 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return notice->isHidden(); }, 1500));
  EXPECT_TRUE(QTest::qWaitFor([&] { return notice->isVisible(); }, 1500));
  Exit();
}

TEST_F(Effects, BlinkingTilesChangeAsOftenAsAskedAndEndShown) {
  Game& game = StartGame();
  const std::vector<int> tiles{RackTile(game, 1), RackTile(game, 4)};
  HideCounter first(*Piece(tiles[0]));
  HideCounter second(*Piece(tiles[1]));
  main_->BlinkTiles(tiles, 6, 20);
  EXPECT_EQ(first.hides, 3);
  EXPECT_EQ(second.hides, 3);
  EXPECT_FALSE(Piece(tiles[0])->isHidden());
  EXPECT_FALSE(Piece(tiles[1])->isHidden());
  Exit();
}

TEST_F(Effects, TheExplosionPlaysOverEachTileWhereItLiesAndLeavesNothingBehind) {
  Game& game = StartGame();
  const std::vector<int> tiles{RackTile(game, 1), RackTile(game, 5)};
  TTilePiece* piece = Piece(tiles[0]);
  const QRect place = piece->geometry();
  QWidget* panel = piece->parentWidget();
  int blasts = 0;
  QRect blastPlace;
  bool tileOutOfSight = false;
  test::Later(
      [&] {
        const QList<QWidget*> found = panel->findChildren<QWidget*>(QStringLiteral("Explosion"));
        blasts = static_cast<int>(found.size());
        if (!found.isEmpty()) blastPlace = found.front()->geometry();
        tileOutOfSight = piece->isHidden();
      },
      100);
  // the frames that were shown one after another
  QSet<qint64> frames;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    const QList<QLabel*> found = panel->findChildren<QLabel*>(QStringLiteral("Explosion"));
    if (!found.isEmpty()) frames.insert(found.front()->pixmap().cacheKey());
  });
  watch.start(5);
  QElapsedTimer clock;
  clock.start();
  main_->ShowExplosion(tiles);
  watch.stop();
  EXPECT_GE(clock.elapsed(), 300);  // ten frames, not cut short
  EXPECT_GE(frames.size(), 5);
  EXPECT_EQ(blasts, 2);
  EXPECT_EQ(blastPlace, place);
  EXPECT_TRUE(tileOutOfSight);
  EXPECT_EQ(Count(QStringLiteral("Explosion")), 0);
  EXPECT_FALSE(piece->isHidden());
  Exit();
}

TEST_F(Effects, TheScoreDisplayEndsOnTheNewScoreAndBlinksWhereItReachesTheLimit) {
  Game& game = StartGame();
  auto* score = Find<QLabel>(names::ScLabel(1));
  ASSERT_NE(score, nullptr);
  HideCounter blinks(*score);
  QStringList shown;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (shown.isEmpty() || shown.back() != score->text()) shown.append(score->text());
  });
  watch.start(1);
  main_->CountScore(1, 0, 7, 0);
  watch.stop();
  EXPECT_EQ(score->text(), QStringLiteral("7"));
  EXPECT_GE(shown.size(), 4) << "counted in visible steps: " << shown.join(u' ').toStdString();
  EXPECT_EQ(game.View().Control(names::ScLabel(1)).caption, QStringLiteral("7"));
  EXPECT_EQ(blinks.hides, 0);

  main_->CountScore(1, 7, 12, 10);
  EXPECT_EQ(blinks.hides, 12);
  EXPECT_FALSE(score->isHidden());
  EXPECT_EQ(score->text(), QStringLiteral("12"));
  // odd participants end in their own colour
  EXPECT_EQ(score->palette().color(QPalette::WindowText),
            ColorFromWindows(game.View().SkinColor(skincolors::OddParticipant)));
  Exit();
}

TEST_F(Effects, PreviewFiguresStandWhereTheGameSaysInItsColoursAndGoAfterBlinking) {
  StartGame();
  const std::vector<PreviewLabel> labels{{{100, 80}, QStringLiteral("+12"), 16777215, 16711680},
                                         {{200, 150}, QStringLiteral("+7"), 255, 128}};
  QRect firstPlace;
  QString secondText;
  bool bothShown = false;
  QColor secondBack;
  test::Later(
      [&] {
        auto* first = Find<QLabel>(QStringLiteral("Prevalue1"));
        auto* second = Find<QLabel>(QStringLiteral("Prevalue2"));
        firstPlace = first->geometry();
        secondText = second->text();
        secondBack = second->palette().color(QPalette::Window);
        bothShown = first->isVisible() && second->isVisible();
      },
      5);
  main_->ShowPreviewLabels(labels, 5, 30);
  EXPECT_TRUE(bothShown);
  EXPECT_EQ(firstPlace.topLeft(), QPoint(100, 80));
  EXPECT_EQ(secondText, QStringLiteral("+7"));
  EXPECT_EQ(secondBack, ColorFromWindows(128));
  for (int n = 1; n <= 15; ++n)
    EXPECT_TRUE(Find(QStringLiteral("Prevalue%1").arg(n))->isHidden()) << n;
  Exit();
}

TEST_F(Effects, ScanMarkersStandAtTheEndsOfARowOrColumnUntilTheGameHidesThem) {
  Game& game = StartGame();
  QWidget* board = BoardWidget();
  auto* first = Find<QLabel>(names::Marker1);
  auto* second = Find<QLabel>(names::Marker2);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isHidden());

  main_->MoveScanMarkers(kHorizontal, 8);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(second->isVisible());
  // beside the middle of the row's tiles, in the margins of the board picture
  ASSERT_EQ(first->parentWidget(), board);
  const int middle = 28 * 8 - 9 + 13;
  EXPECT_EQ(first->y() + first->height() / 2, middle);
  EXPECT_EQ(second->y() + second->height() / 2, middle);
  EXPECT_LE(first->geometry().right(), 18);
  EXPECT_EQ(second->geometry().right() + 1, board->width());
  EXPECT_EQ(first->size(), QSize(16, 28));

  main_->MoveScanMarkers(kVertical, 3);
  EXPECT_EQ(first->size(), QSize(28, 16));
  EXPECT_EQ(first->y(), 1);
  EXPECT_EQ(second->geometry().bottom() + 1, board->height());
  EXPECT_EQ(first->x(), second->x());

  game.View().SetControlVisible(names::Marker1, false);
  game.View().SetControlVisible(names::Marker2, false);
  EXPECT_TRUE(first->isHidden());
  EXPECT_TRUE(second->isHidden());
  Exit();
}

}  // namespace
}  // namespace quorim
