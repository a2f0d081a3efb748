// The context menu of a word on the board, opened by the right button on one of its letters.

#include "flow/WordExclusion.h"

#include "MainScreenFixture.h"

#include <QMenu>
#include <QTest>

namespace quorim {
namespace {

class ContextMenu : public BoardScreen {
 protected:
  // The tile of the one on turn becomes a one-letter word of his earlier move on cell (x, y).
  static void CommitAsWord(Game& game, int tile, int x, int y) {
    TTile& piece = game.TileTable[static_cast<std::size_t>(tile)];
    const char letter = piece.Letter();
    TRack& rack = game.Racks[static_cast<std::size_t>(game.CurrentPlayer)];
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      if (rack[slot].TileIndex == tile) EmptySlot(rack[slot]);
    }
    TFieldCell& cell = game.PlayField(x, y);
    cell.Letter = cell.PendingLetter = letter;
    cell.DropAllowed = false;
    cell.TileIndex = static_cast<std::int16_t>(tile);
    piece.Owner = kOwnerCommitted;
    piece.Face = TileFace::Used;
    piece.Spot = TileSpot::Board(x, y);
    game.PlayedWords[static_cast<std::size_t>(game.CurrentPlayer)].push_back(
        {std::string(1, letter), static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x),
         static_cast<std::uint8_t>(y), kHorizontal, 1});
    game.View().ShowTile(tile);
  }
};

TEST_F(ContextMenu, ARightClickOnALetterOfAnEarlierMoveOpensTheMenuOfItsWords) {
  Game& game = StartGameOfTwo();
  game.Settings.UseCustomDictionary = true;
  const int player = game.CurrentPlayer;
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
  const QString entry = QString::number(player) + u'1';
  EXPECT_EQ(names, (QStringList{"contextitem" + entry, "contextitem1", "contextitemdel" + entry}));
  const QString word = RecordedWordText(game, player, 1);
  EXPECT_EQ(menu->actions()[0]->text(), word);
  EXPECT_TRUE(menu->actions()[1]->isSeparator());
  EXPECT_TRUE(menu->actions()[2]->text().endsWith(u' ' + word));
  EXPECT_FALSE(menu->actions()[2]->icon().isNull());
  // the letter stays where it lies: the right button took nothing back
  EXPECT_EQ(game.PlayField(8, 8).TileIndex, tile);
  menu->close();
  Exit();
}

}  // namespace
}  // namespace quorim
