// The board under the mouse: tiles picked up and dropped by click and by drag, swaps, take-backs,
// the choice field, and the board's geometry.

#include "ui/playfrm.h"

#include "MainScreenFixture.h"

#include <QTest>

namespace quorim {
namespace {

class Board : public BoardScreen {
 protected:
  void Hold(QWidget& receiver, QPoint global) {
    Send(receiver, QEvent::MouseButtonPress, global, Qt::LeftButton, Qt::LeftButton);
  }
  void Release(QWidget& receiver, QPoint global) {
    Send(receiver, QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
  }
  void Move(QWidget& receiver, QPoint global) {
    Send(receiver, QEvent::MouseMove, global, Qt::NoButton, Qt::LeftButton);
  }
};

TEST_F(Board, ATileClickedUpAndClickedDownLiesOnItsCellOnePixelInside) {
  Game& game = StartGameOfTwo();
  const int tile = RackTile(game, 1);
  TTilePiece* piece = Piece(tile);
  ASSERT_NE(piece, nullptr);
  EXPECT_EQ(piece->parentWidget()->objectName(),
            QStringLiteral("Pl%1form").arg(game.CurrentPlayer));

  Click(*piece, piece->mapToGlobal(QPoint(5, 5)));
  EXPECT_EQ(game.HandTile(), tile);
  EXPECT_FALSE(Item(names::MenuHelpComputeScore)->isEnabled());
  Click(*BoardWidget(), Cell(8, 8));
  EXPECT_EQ(game.HandTile(), -1);
  EXPECT_EQ(game.PlayField(8, 8).TileIndex, tile);
  EXPECT_EQ(piece->parentWidget(), BoardWidget());
  EXPECT_EQ(piece->pos(), QPoint(28 * 8 - 9, 28 * 8 - 9));
  EXPECT_EQ(game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][1].TileIndex, -1);
  Exit();
}

TEST_F(Board, ADragDropsWhereTheButtonIsReleasedAndADropOnALaidTileSwapsThem) {
  Game& game = StartGameOfTwo();
  const int first = RackTile(game, 1);
  const int second = RackTile(game, 2);
  QWidget& board = *BoardWidget();

  TTilePiece* piece = Piece(first);
  QWidget& rack = *piece->window();
  Hold(*piece, piece->mapToGlobal(QPoint(5, 5)));
  Move(rack, Cell(3, 3));
  Move(rack, Cell(8, 8));
  Release(rack, Cell(8, 8));
  EXPECT_EQ(game.HandTile(), -1);
  EXPECT_EQ(game.PlayField(8, 8).TileIndex, first);

  // the second tile dropped on the first: the first is in the hand now
  Click(*Piece(second), Piece(second)->mapToGlobal(QPoint(5, 5)));
  Click(board, Cell(8, 8));
  EXPECT_EQ(game.PlayField(8, 8).TileIndex, second);
  EXPECT_EQ(game.HandTile(), first);
  // dropped back on its rack slot
  const TRackSlot& slot = game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][2];
  Click(rack, rack.mapToGlobal(QPoint(slot.Left + 2, slot.Top + 2)));
  EXPECT_EQ(game.HandTile(), -1);
  EXPECT_EQ(game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][2].TileIndex, first);
  EXPECT_EQ(Piece(first)->parentWidget(), &rack);
  Exit();
}

TEST_F(Board, ARightClickSendsALaidTileToTheFirstEmptySlotAndMarksRackTiles) {
  Game& game = StartGameOfTwo();
  const int third = RackTile(game, 3);
  const int first = RackTile(game, 1);
  for (int tile : {first, third}) {
    Click(*Piece(tile), Piece(tile)->mapToGlobal(QPoint(5, 5)));
    Click(*BoardWidget(), Cell(tile == first ? 7 : 8, 8));
  }
  Click(*Piece(third), Piece(third)->mapToGlobal(QPoint(5, 5)), Qt::RightButton);
  EXPECT_EQ(game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][1].TileIndex,
            third);  // the first empty slot, not its own
  EXPECT_EQ(game.PlayField(8, 8).TileIndex, -1);

  const int fourth = RackTile(game, 4);
  Click(*Piece(fourth), Piece(fourth)->mapToGlobal(QPoint(5, 5)), Qt::RightButton);
  EXPECT_TRUE(game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][4].ExchangeMark);
  Click(*Piece(fourth), Piece(fourth)->mapToGlobal(QPoint(5, 5)), Qt::RightButton,
        Qt::ShiftModifier);
  Exit();
}

TEST_F(Board, ACommittedLetterRefusesTheDropAndTheTileStaysInTheHand) {
  Game& game = StartGameOfTwo();
  game.PlayField(5, 5).DropAllowed = false;
  const int tile = RackTile(game, 1);
  Click(*Piece(tile), Piece(tile)->mapToGlobal(QPoint(5, 5)));
  Click(*BoardWidget(), Cell(5, 5));
  EXPECT_EQ(game.HandTile(), tile);
  EXPECT_EQ(game.PlayField(5, 5).TileIndex, -1);
  // off the board's edge the drop lands on the nearest edge cell
  Click(*BoardWidget(), BoardWidget()->mapToGlobal(QPoint(BoardWidget()->width() - 2, 2)));
  EXPECT_EQ(game.PlayField(game.PlayField.DimX(), 1).TileIndex, tile);
  Exit();
}

TEST_F(Board, FaceDownTilesClickedInTheChoiceFieldGoToTheRack) {
  Game& game = StartGameOfTwo(true);
  const int player = game.CurrentPlayer;
  QWidget* field = Find(names::ChoicePanel);
  ASSERT_TRUE(field->isVisible());
  const int before = EmptySlotCount(game, player);
  ASSERT_GT(before, 0);
  TTilePiece* faceDown = nullptr;
  for (TTilePiece* piece : PiecesOn(*field)) {
    if (game.TileTable[static_cast<std::size_t>(piece->Tile())].Owner == kOwnerBag) {
      faceDown = piece;
      break;
    }
  }
  ASSERT_NE(faceDown, nullptr);
  const TileSpot place = game.TileTable[static_cast<std::size_t>(faceDown->Tile())].Spot;
  Click(*faceDown, faceDown->mapToGlobal(QPoint(5, 5)));
  EXPECT_EQ(EmptySlotCount(game, player), before - 1);
  EXPECT_EQ(game.PlayField(place.a, place.b).BagLetter, ' ');
  EXPECT_EQ(faceDown->window()->objectName(), QStringLiteral("Pl%1form").arg(player));
  Exit();
}

TEST_F(Board, TheBoardPictureFitsTheLayoutAndANormalWindowFitsTheBoard) {
  Game& game = StartGameOfTwo();
  const QWidget* board = BoardWidget();
  EXPECT_EQ(board->size(), QSize(28 * game.PlayField.DimX() + 32, 28 * game.PlayField.DimY() + 32));
  EXPECT_EQ(board->pos(), QPoint(0, 0));
  const ScreenRect picture = game.View().BoardPicture();
  EXPECT_EQ(QRect(picture.left, picture.top, picture.width, picture.height), board->geometry());
  // the board drawn again in the game, as when the computer's move is taken back, leaves the
  // window as the panels widened it
  const QSize window = main_->size();
  game.View().DrawPlayField();
  EXPECT_EQ(main_->size(), window);
  Exit();
}

}  // namespace
}  // namespace quorim
