// The board under the mouse: tiles picked up and dropped by click and by drag, swaps, take-backs,
// the choice field, and the board's geometry.

#include "model/ControlNames.h"
#include "ui/Board.h"
#include "ui/playfrm.h"

#include "MainScreenFixture.h"

#include <QTest>

namespace quorim {
namespace {

class Board : public MainScreen {
 protected:
  // Ann and Bob, both people, Ann on turn with a full rack.
  Game& StartGame(bool lettersByHand = false) {
    TMainScreen& main = Start();
    Game& game = main.GameState();
    game.Settings.LettersAutoSelect = !lettersByHand;
    game.SetPlayerCount(2);
    game.Players[1] = {.Name = "Ann", .Avatar = "Im0", .Kind = kHuman};
    game.Players[2] = {.Name = "Bob", .Avatar = "Im1", .Kind = kHuman};
    Item(names::MenuGameNew)->trigger();
    EXPECT_TRUE(game.GameRunning);
    return game;
  }

  QWidget* BoardWidget() const { return Find(QStringLiteral("MainScreenImage")); }

  // The pieces among a window's children (they have no meta-object of their own).
  static std::vector<TTilePiece*> PiecesOn(const QWidget& parent) {
    std::vector<TTilePiece*> pieces;
    for (QWidget* child : parent.findChildren<QWidget*>()) {
      if (auto* piece = dynamic_cast<TTilePiece*>(child)) pieces.push_back(piece);
    }
    return pieces;
  }

  TTilePiece* Piece(int tile) const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      for (TTilePiece* piece : PiecesOn(*window))
        if (piece->Tile() == tile) return piece;
    }
    return nullptr;
  }

  // The middle of cell (x, y) on the screen.
  QPoint Cell(int x, int y) const {
    return BoardWidget()->mapToGlobal(QPoint(18 + 28 * (x - 1) + 14, 18 + 28 * (y - 1) + 14));
  }

  // Mouse events as the window system hands them to the widget under the cursor.
  void Send(QWidget& receiver, QEvent::Type type, QPoint global, Qt::MouseButton button,
            Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, receiver.mapFromGlobal(global), global, button, held, modifiers);
    QApplication::sendEvent(&receiver, &event);
  }
  void Press(QWidget& receiver, QPoint global, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = {}) {
    Send(receiver, QEvent::MouseButtonPress, global, button, button, modifiers);
    Send(receiver, QEvent::MouseButtonRelease, global, button, Qt::NoButton, modifiers);
  }
  void Hold(QWidget& receiver, QPoint global) {
    Send(receiver, QEvent::MouseButtonPress, global, Qt::LeftButton, Qt::LeftButton);
  }
  void Release(QWidget& receiver, QPoint global) {
    Send(receiver, QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
  }
  void Move(QWidget& receiver, QPoint global) {
    Send(receiver, QEvent::MouseMove, global, Qt::NoButton, Qt::LeftButton);
  }

  int RackTile(const Game& game, int slot) const {
    return game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][slot].TileIndex;
  }
};

TEST_F(Board, ATileClickedUpAndClickedDownLiesOnItsCellOnePixelInside) {
  Game& game = StartGame();
  const int tile = RackTile(game, 1);
  TTilePiece* piece = Piece(tile);
  ASSERT_NE(piece, nullptr);
  EXPECT_EQ(piece->parentWidget()->objectName(),
            QStringLiteral("Pl%1form").arg(game.CurrentPlayer));

  Press(*piece, piece->mapToGlobal(QPoint(5, 5)));
  EXPECT_EQ(game.HandTile(), tile);
  EXPECT_FALSE(Item(names::MenuHelpComputeScore)->isEnabled());
  Press(*BoardWidget(), Cell(8, 8));
  EXPECT_EQ(game.HandTile(), -1);
  EXPECT_EQ(game.PlayField(8, 8).TileIndex, tile);
  EXPECT_EQ(piece->parentWidget(), BoardWidget());
  EXPECT_EQ(piece->pos(), QPoint(28 * 8 - 9, 28 * 8 - 9));
  EXPECT_EQ(game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][1].TileIndex, -1);
  Exit();
}

TEST_F(Board, ADragDropsWhereTheButtonIsReleasedAndADropOnALaidTileSwapsThem) {
  Game& game = StartGame();
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
  Press(*Piece(second), Piece(second)->mapToGlobal(QPoint(5, 5)));
  Press(board, Cell(8, 8));
  EXPECT_EQ(game.PlayField(8, 8).TileIndex, second);
  EXPECT_EQ(game.HandTile(), first);
  // dropped back on its rack slot
  const TRackSlot& slot = game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][2];
  Press(rack, rack.mapToGlobal(QPoint(slot.Left + 2, slot.Top + 2)));
  EXPECT_EQ(game.HandTile(), -1);
  EXPECT_EQ(game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][2].TileIndex, first);
  EXPECT_EQ(Piece(first)->parentWidget(), &rack);
  Exit();
}

TEST_F(Board, ARightClickSendsALaidTileToTheFirstEmptySlotAndMarksRackTiles) {
  Game& game = StartGame();
  const int third = RackTile(game, 3);
  const int first = RackTile(game, 1);
  for (int tile : {first, third}) {
    Press(*Piece(tile), Piece(tile)->mapToGlobal(QPoint(5, 5)));
    Press(*BoardWidget(), Cell(tile == first ? 7 : 8, 8));
  }
  Press(*Piece(third), Piece(third)->mapToGlobal(QPoint(5, 5)), Qt::RightButton);
  EXPECT_EQ(game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][1].TileIndex,
            third);  // the first empty slot, not its own
  EXPECT_EQ(game.PlayField(8, 8).TileIndex, -1);

  const int fourth = RackTile(game, 4);
  Press(*Piece(fourth), Piece(fourth)->mapToGlobal(QPoint(5, 5)), Qt::RightButton);
  EXPECT_TRUE(game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][4].ExchangeMark);
  Press(*Piece(fourth), Piece(fourth)->mapToGlobal(QPoint(5, 5)), Qt::RightButton,
        Qt::ShiftModifier);
  Exit();
}

TEST_F(Board, ACommittedLetterRefusesTheDropAndTheTileStaysInTheHand) {
  Game& game = StartGame();
  game.PlayField(5, 5).DropAllowed = false;
  const int tile = RackTile(game, 1);
  Press(*Piece(tile), Piece(tile)->mapToGlobal(QPoint(5, 5)));
  Press(*BoardWidget(), Cell(5, 5));
  EXPECT_EQ(game.HandTile(), tile);
  EXPECT_EQ(game.PlayField(5, 5).TileIndex, -1);
  // off the board's edge the drop lands on the nearest edge cell
  Press(*BoardWidget(), BoardWidget()->mapToGlobal(QPoint(BoardWidget()->width() - 2, 2)));
  EXPECT_EQ(game.PlayField(game.PlayField.DimX(), 1).TileIndex, tile);
  Exit();
}

TEST_F(Board, FaceDownTilesClickedInTheChoiceFieldGoToTheRack) {
  Game& game = StartGame(true);
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
  Press(*faceDown, faceDown->mapToGlobal(QPoint(5, 5)));
  EXPECT_EQ(EmptySlotCount(game, player), before - 1);
  EXPECT_EQ(game.PlayField(place.a, place.b).BagLetter, ' ');
  EXPECT_EQ(faceDown->window()->objectName(), QStringLiteral("Pl%1form").arg(player));
  Exit();
}

TEST_F(Board, TheBoardPictureFitsTheLayoutAndANormalWindowFitsTheBoard) {
  Game& game = StartGame();
  const QWidget* board = BoardWidget();
  EXPECT_EQ(board->size(), QSize(28 * game.PlayField.DimX() + 32, 28 * game.PlayField.DimY() + 32));
  EXPECT_EQ(board->pos(), QPoint(0, 0));
  const ScreenRect picture = game.View().BoardPicture();
  EXPECT_EQ(QRect(picture.left, picture.top, picture.width, picture.height), board->geometry());
  Exit();
}

}  // namespace
}  // namespace quorim
