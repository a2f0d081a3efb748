// Selection frames under the mouse on the real board: drawn across and down committed tiles, gone
// after a mere click, clicked away, drawn and cleared by the engine; and the hover texts of bonus
// cells and frames.

#include "flow/CellHints.h"
#include "media/Colors.h"
#include "media/SkinColors.h"
#include "ui/Board.h"
#include "ui/Widgets.h"

#include "MainScreenFixture.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

namespace quorim {
namespace {

constexpr int kRow = 8;

class Frames : public BoardScreen {
 protected:
  // Ann and Bob in free word placement; three committed tiles in row 8 from column 6 on, and one
  // below the first.
  Game& StartGame() {
    Game& game = StartGameOfTwo();
    game.Settings.SelectWordMode = true;
    for (int x = 6; x <= 8; ++x) Commit(game, x, kRow);
    Commit(game, 6, kRow + 1);
    return game;
  }

  // A face-down tile of the choice field becomes a committed letter on cell (x, y).
  void Commit(Game& game, int x, int y) {
    for (std::size_t k = 0; k < game.TileTable.size(); ++k) {
      TTile& tile = game.TileTable[k];
      if (tile.Owner != kOwnerBag || tile.Star) continue;
      game.PlayField(tile.Spot.a, tile.Spot.b).BagLetter = ' ';
      --game.BagCount;
      tile.Owner = kOwnerCommitted;
      tile.FaceUp = true;
      tile.Face = TileFace::Used;
      tile.Spot = TileSpot::Board(x, y);
      TFieldCell& cell = game.PlayField(x, y);
      cell.Letter = cell.PendingLetter = tile.Letter();
      cell.DropAllowed = false;
      cell.TileIndex = static_cast<std::int16_t>(k);
      main_->ShowTile(static_cast<int>(k));
      return;
    }
    ADD_FAILURE() << "no face-down tile left";
  }

  // The frames on screen: shapes of the main window named selectshape….
  std::vector<TShape*> Shapes() const {
    std::vector<TShape*> shapes;
    for (QWidget* child : main_->findChildren<QWidget*>()) {
      auto* shape = dynamic_cast<TShape*>(child);
      if (shape != nullptr && shape->isVisible() &&
          shape->objectName().startsWith(QStringLiteral("selectshape")))
        shapes.push_back(shape);
    }
    return shapes;
  }
  // A frame's rectangle on the board picture.
  QRect OnBoard(const TShape& shape) const {
    return QRect(BoardWidget()->mapFromGlobal(shape.mapToGlobal(QPoint(0, 0))), shape.size());
  }
  // The colour of a frame's left edge.
  static QColor EdgeColor(TShape& shape) {
    return shape.grab().toImage().pixelColor(1, shape.height() / 2);
  }

  // Mouse events go to the widget under the cursor.
  void SendAt(QEvent::Type type, QPoint global, Qt::MouseButtons held) {
    QWidget* receiver = QApplication::widgetAt(global);
    ASSERT_NE(receiver, nullptr);
    Send(*receiver, type, global, Qt::LeftButton, held);
  }
  void Hold(QPoint global) {
    SendAt(QEvent::MouseButtonPress, global, Qt::LeftButton);
    QTest::qWait(60);  // a frame appears only while the button stays down
  }
  void Move(QPoint global) { SendAt(QEvent::MouseMove, global, Qt::LeftButton); }
  void Release(QPoint global) { SendAt(QEvent::MouseButtonRelease, global, Qt::NoButton); }
  void Click(QPoint global) {
    SendAt(QEvent::MouseButtonPress, global, Qt::LeftButton);
    SendAt(QEvent::MouseButtonRelease, global, Qt::NoButton);
  }

  QColor Skin(SkinColorUse use) const {
    return ColorFromWindows(main_->GameState().View().SkinColor(use));
  }
  std::string Marks(const Game& game, int y) const {
    std::string marks;
    for (int x = 5; x <= 9; ++x)
      marks += static_cast<char>('0' + game.PlayField.SelectionMark(x, y));
    return marks;
  }
};

TEST_F(Frames, DrawnAcrossThreeTilesOneFrameCoversThemAndAClickTakesItAway) {
  Game& game = StartGame();
  Hold(Cell(6, kRow));
  ASSERT_EQ(Shapes().size(), 1u);
  // one pixel before the tile, a tile's size
  EXPECT_EQ(OnBoard(*Shapes()[0]), QRect(28 * 6 - 10, 28 * kRow - 10, 26, 26));
  Move(Cell(7, kRow));
  Move(Cell(8, kRow));
  Release(Cell(8, kRow));

  ASSERT_EQ(Shapes().size(), 1u);
  TShape& frame = *Shapes()[0];
  EXPECT_EQ(frame.objectName(), QStringLiteral("selectshape1"));
  EXPECT_EQ(OnBoard(frame), QRect(28 * 6 - 10, 28 * kRow - 10, 26 + 2 * 28, 26));
  EXPECT_EQ(EdgeColor(frame), Skin(skincolors::HorizontalSelection));
  EXPECT_EQ(Marks(game, kRow), "01110");
  ASSERT_EQ(game.SelectionFrames.size(), 1u);
  EXPECT_EQ(game.SelectionFrames[0].Direction, kHorizontal);
  EXPECT_EQ(game.SelectionFrames[0].Start, 6);
  EXPECT_EQ(game.SelectionFrames[0].End, 8);

  // the frame, not the tile under it, takes the click
  Click(Cell(7, kRow));
  EXPECT_TRUE(Shapes().empty());
  EXPECT_EQ(Marks(game, kRow), "00000");
  EXPECT_TRUE(game.SelectionFrames.empty());
  Exit();
}

TEST_F(Frames, AClickOrAHoldWithoutMovingOnOneTileLeavesNoFrame) {
  Game& game = StartGame();
  Click(Cell(6, kRow));
  QTest::qWait(60);
  EXPECT_TRUE(Shapes().empty());
  Hold(Cell(6, kRow));
  EXPECT_EQ(Marks(game, kRow), "01000");
  Release(Cell(6, kRow));
  EXPECT_TRUE(Shapes().empty());
  EXPECT_EQ(Marks(game, kRow), "00000");
  EXPECT_TRUE(game.SelectionFrames.empty());
  Exit();
}

TEST_F(Frames, DrawnDownTheFrameIsVerticalInItsOwnColourAndKeepsItsDirection) {
  Game& game = StartGame();
  Hold(Cell(6, kRow));
  Move(Cell(6, kRow + 1));
  Move(Cell(7, kRow + 1));  // beside the column: nothing
  Release(Cell(6, kRow + 1));
  ASSERT_EQ(Shapes().size(), 1u);
  TShape& frame = *Shapes()[0];
  EXPECT_EQ(OnBoard(frame), QRect(28 * 6 - 10, 28 * kRow - 10, 26, 26 + 28));
  EXPECT_EQ(EdgeColor(frame), Skin(skincolors::VerticalSelection));
  EXPECT_EQ(game.PlayField.SelectionMark(6, kRow), kMarkVertical);
  EXPECT_EQ(game.PlayField.SelectionMark(6, kRow + 1), kMarkVertical);
  EXPECT_EQ(game.PlayField.SelectionMark(7, kRow), 0);
  Exit();
}

TEST_F(Frames, TheEngineDrawsFramesRoundWordsAndClearsThemAll) {
  Game& game = StartGame();
  main_->AddSelectionFrame({kHorizontal, kRow, 6, 8, true});
  main_->AddSelectionFrame({kVertical, 6, kRow, kRow + 1, true});
  ASSERT_EQ(Shapes().size(), 2u);
  EXPECT_EQ(OnBoard(*Shapes()[0]), QRect(28 * 6 - 10, 28 * kRow - 10, 26 + 2 * 28, 26));
  EXPECT_EQ(OnBoard(*Shapes()[1]), QRect(28 * 6 - 10, 28 * kRow - 10, 26, 26 + 28));
  game.ClearSelections();
  EXPECT_TRUE(Shapes().empty());
  // a new frame counts its name from 1 again
  main_->AddSelectionFrame({kHorizontal, kRow, 7, 8, true});
  ASSERT_EQ(Shapes().size(), 1u);
  EXPECT_EQ(Shapes()[0]->objectName(), QStringLiteral("selectshape1"));
  Exit();
}

TEST_F(Frames, ABonusCellNamesItsBonusAndAFrameHowToTakeItAway) {
  Game& game = StartGame();
  game.PlayField(3, 3).Kind = kCellWordX3;
  game.PlayField(4, 3).Kind = kCellPlain;
  QWidget& board = *BoardWidget();
  const auto hover = [&board](QPoint global) {
    QHelpEvent help(QEvent::ToolTip, board.mapFromGlobal(global), global);
    QApplication::sendEvent(&board, &help);
  };
  hover(Cell(3, 3));
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral(" ") + game.InterfaceText(u"TagCellWord") +
                                  QString::fromUtf16(u" \u0445 3 "));
  hover(Cell(4, 3));
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000));

  main_->AddSelectionFrame({kHorizontal, kRow, 6, 8, true});
  TShape& frame = *Shapes()[0];
  QEnterEvent enter(QPointF(5, 5), frame.mapToGlobal(QPointF(5, 5)),
                    frame.mapToGlobal(QPointF(5, 5)));
  QApplication::sendEvent(&frame, &enter);
  EXPECT_TRUE(QTest::qWaitFor(
      [&game] { return QToolTip::text() == game.InterfaceText(u"InGameTagDeselect"); }, 2500));
  Exit();
}

}  // namespace
}  // namespace quorim
