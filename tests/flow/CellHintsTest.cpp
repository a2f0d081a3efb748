// The hover texts of the board's cells: which cell the pointer is over, and what a bonus cell says
// while the game is played.

#include "flow/CellHints.h"

#include "FlowGameFixture.h"

namespace quorim::test {
namespace {

// The board picture of the headless view lies at (100, 50).
constexpr int kBoardLeft = 100;
constexpr int kBoardTop = 50;

class CellHintsTest : public FlowGameFixture {
 protected:
  CellHintsTest() { Start(""); }
};

TEST_F(CellHintsTest, BonusCellsNameTheirBonusWhileTheGameIsPlayed) {
  TPlayField& field = game_.PlayField;
  field(1, 1).Kind = kCellLetterX2;
  field(2, 1).Kind = kCellWordX2;
  field(3, 1).Kind = kCellLetterX3;
  field(4, 1).Kind = kCellWordX3;
  field(5, 1).Kind = kCellPlain;
  field(6, 1).Kind = kCellEmptyPlace;
  const auto hint = [this](int x) {
    return BonusCellHint(game_, {x, 1}).value_or(QStringLiteral("none")).toStdString();
  };
  EXPECT_EQ(hint(1), " Letter score \u0445 2 ");
  EXPECT_EQ(hint(2), " Word score \u0445 2 ");
  EXPECT_EQ(hint(3), " Letter score \u0445 3 ");
  EXPECT_EQ(hint(4), " Word score \u0445 3 ");
  EXPECT_EQ(hint(5), "none");
  EXPECT_EQ(hint(6), "none");
  EXPECT_EQ(BonusCellHint(game_, {kMiddle, kMiddle}).value_or(QString()).toStdString(),
            " Start square ");

  game_.TurnPhase = TTurnPhase::DrawPhase;  // letters being taken
  EXPECT_FALSE(BonusCellHint(game_, {1, 1}));
  game_.TurnPhase = TTurnPhase::MovePhase;
  game_.GameRunning = false;
  EXPECT_FALSE(BonusCellHint(game_, {1, 1}));
}

TEST_F(CellHintsTest, TheHoverTextIsTheCellWhosePictureIsUnderThePointer) {
  // cell 1's picture covers pixels 18..45 of the board picture
  const auto cellAt = [this](int X, int Y) {
    const auto cell = CellPictureUnderPoint(game_, X, Y);
    return cell ? std::to_string(cell->x) + ',' + std::to_string(cell->y) : std::string("off");
  };
  EXPECT_EQ(cellAt(kBoardLeft + 17, kBoardTop + 30), "off");
  EXPECT_EQ(cellAt(kBoardLeft + 18, kBoardTop + 18), "1,1");
  EXPECT_EQ(cellAt(kBoardLeft + 45, kBoardTop + 45), "1,1");
  EXPECT_EQ(cellAt(kBoardLeft + 46, kBoardTop + 45), "2,1");
  EXPECT_EQ(cellAt(kBoardLeft + 18 + 28 * kSide - 1, kBoardTop + 18), "15,1");
  EXPECT_EQ(cellAt(kBoardLeft + 18 + 28 * kSide, kBoardTop + 18), "off");
  const ScreenRect picture = CellPicture(game_, {2, 3});
  EXPECT_EQ(cellAt(picture.left, picture.top), "2,3");
  EXPECT_EQ(cellAt(picture.Right() - 1, picture.Bottom() - 1), "2,3");
  EXPECT_EQ(cellAt(picture.Right(), picture.Bottom()), "3,4");
}

}  // namespace
}  // namespace quorim::test
