// The context menu of a word on the board, opened by the right button on one of its letters.

#include "flow/WordExclusion.h"

#include "MainScreenFixture.h"

#include <QMenu>
#include <QTest>

namespace quorim {
namespace {

class ContextMenu : public BoardScreen {
 protected:
  // The tile becomes a one-letter word of Ann's earlier move on cell (x, y).
  static void CommitAsWord(Game& game, int tile, int x, int y) {
    TTile& piece = game.TileTable[static_cast<std::size_t>(tile)];
    const char letter = piece.Letter();
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      if (game.Racks[1][slot].TileIndex == tile) EmptySlot(game.Racks[1][slot]);
    }
    TFieldCell& cell = game.PlayField(x, y);
    cell.Letter = cell.PendingLetter = letter;
    cell.DropAllowed = false;
    cell.TileIndex = static_cast<std::int16_t>(tile);
    piece.Owner = kOwnerCommitted;
    piece.Face = TileFace::Used;
    piece.Spot = TileSpot::Board(x, y);
    game.PlayedWords[1].push_back({std::string(1, letter), static_cast<std::uint8_t>(x),
                                   static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                   kHorizontal, 1});
    game.View().ShowTile(tile);
  }
};

TEST_F(ContextMenu, ARightClickOnALetterOfAnEarlierMoveOpensTheMenuOfItsWords) {
  Game& game = StartGameOfTwo();
  game.Settings.UseCustomDictionary = true;
  ASSERT_EQ(game.CurrentPlayer, 1);
  const int tile = RackTile(game, 1);
  CommitAsWord(game, tile, 8, 8);
  TTilePiece* piece = Piece(tile);
  ASSERT_NE(piece, nullptr);
  ASSERT_EQ(piece->parentWidget(), BoardWidget());

  QTest::mouseClick(piece, Qt::RightButton, {}, QPoint(5, 5));
  auto* menu = main_->findChild<QMenu*>(QStringLiteral("ContextHelpMenu"));
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  QStringList names;
  for (const QAction* action : menu->actions()) names << action->objectName();
  EXPECT_EQ(names, (QStringList{"contextitem11", "contextitem1", "contextitemdel11"}));
  EXPECT_EQ(menu->actions()[0]->text(), RecordedWordText(game, 1, 1));
  EXPECT_TRUE(menu->actions()[1]->isSeparator());
  EXPECT_TRUE(menu->actions()[2]->text().endsWith(u' ' + RecordedWordText(game, 1, 1)));
  EXPECT_FALSE(menu->actions()[2]->icon().isNull());
  // the letter stays where it lies: the right button took nothing back
  EXPECT_EQ(game.PlayField(8, 8).TileIndex, tile);
  menu->close();

  // a tile of this move goes back to the rack instead, without the menu
  const int laid = RackTile(game, 2);
  QTest::mouseClick(Piece(laid), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(BoardWidget(), Qt::LeftButton, {}, BoardWidget()->mapFromGlobal(Cell(9, 8)));
  ASSERT_EQ(game.PlayField(9, 8).TileIndex, laid);
  QTest::mouseClick(Piece(laid), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_FALSE(menu->isVisible());
  EXPECT_EQ(game.PlayField(9, 8).TileIndex, -1);
  Exit();
}

}  // namespace
}  // namespace quorim
