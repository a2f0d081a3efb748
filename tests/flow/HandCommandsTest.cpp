// What a person does with his tiles by mouse: picking up, dropping on cells and slots, swapping,
// taking back, exchange marks, the cell and slot under a point, and when all of it is refused.

#include "flow/HandCommands.h"

#include "FlowGameFixture.h"
#include "flow/GameScreen.h"
#include "model/Racks.h"

#include <functional>
#include <utility>

namespace quorim::test {
namespace {

class HandCommandsTest : public FlowGameFixture {
 protected:
  HandCommandsTest() {
    Start("");
    player_ = OnTurn();
    SetRack(player_, "CATSXYZ");
  }

  TRackSlot& Slot(int slot) { return game_.Racks[player_][slot]; }
  int TileOf(int slot) { return Slot(slot).TileIndex; }
  const TTile& Tile(int tile) const { return game_.TileTable[tile]; }
  const TFieldCell& Cell(int x, int y) const { return game_.PlayField(x, y); }
  // Where a tile lies, with its owner: "board 8,8 by 1", "hand by 0".
  QString Where(int tile) const {
    return SpotText(Tile(tile).Spot) + QStringLiteral(" by ") + QString::number(Tile(tile).Owner);
  }
  QString OnRack(int slot) const { return Where(game_.Racks[player_][slot].TileIndex); }
  // The letters laid in the middle row from its middle on, "." for none.
  std::string MiddleRow() const {
    std::string row;
    for (int x = kMiddle; x <= kMiddle + 2; ++x) {
      const TFieldCell& cell = Cell(x, kMiddle);
      row += cell.TileIndex < 0 ? '.' : cell.PendingLetter;
    }
    return row;
  }

  // The tile of a rack slot, dropped on a free cell.
  void LaySlot(int slot, int x, int y) {
    ASSERT_TRUE(PickUpTile(game_, TileOf(slot)));
    ASSERT_EQ(DropOnCell(game_, x, y), DropResult::Placed);
  }

  bool HintOffered() const { return view_.Control(kHintMenu).enabled; }
  bool PreviewOffered() const { return view_.Control(names::MenuHelpComputeScore).enabled; }

  // A committed star of the other participant on (x, y), standing for the letter.
  int CommittedStar(int x, int y, char letter) {
    const char star = game_.Alphabet.StarCode();
    const int tile = NewTile(star, kOwnerCommitted);
    TTile& t = game_.TileTable[tile];
    t.Hint = std::string{letter, static_cast<char>('0' + NotOnTurn()), star};
    t.Spot = TileSpot::Board(x, y);
    TFieldCell& cell = game_.PlayField(x, y);
    cell.Letter = cell.PendingLetter = letter;
    cell.DropAllowed = false;
    cell.TileIndex = static_cast<std::int16_t>(tile);
    return tile;
  }

  int player_ = 0;
};

TEST_F(HandCommandsTest, ARackTileGoesToTheHandAndLiesOnTheCellItIsDroppedOn) {
  Slot(2).Left = 54;
  const int a = TileOf(2);
  view_.ClearCalls();
  ASSERT_TRUE(PickUpTile(game_, a));
  EXPECT_EQ(game_.HandTile(), a);
  EXPECT_EQ(Where(a), "hand by 0");
  EXPECT_EQ(view_.FirstArgs(ViewCallName::ShowTile), QStringList{QString::number(a)});
  // the slot is empty but keeps its place on the panel
  EXPECT_EQ(RackOf(player_), "C_TSXYZ");
  EXPECT_EQ(Slot(2).Left, 54);
  EXPECT_FALSE(HintOffered());
  EXPECT_FALSE(PreviewOffered());

  EXPECT_EQ(DropOnCell(game_, kMiddle, kMiddle), DropResult::Placed);
  EXPECT_EQ(game_.HandTile(), -1);
  EXPECT_EQ(MiddleRow(), "A..");
  EXPECT_EQ(Cell(kMiddle, kMiddle).TileIndex, a);
  EXPECT_EQ(Where(a), "board 8,8 by " + QString::number(player_));
  EXPECT_TRUE(HintOffered());
  EXPECT_TRUE(PreviewOffered());

  // laid in this move, it can be picked up again from the board
  ASSERT_TRUE(PickUpTile(game_, a));
  EXPECT_EQ(MiddleRow(), "...");
  EXPECT_EQ(Where(a), "hand by 0");
}

TEST_F(HandCommandsTest, AMarkedTileLosesItsMarkAndNoHintIsOfferedWhenNoneAreLeft) {
  ToggleExchangeMark(game_, 1);
  game_.HintsLeft = 0;
  ASSERT_TRUE(PickUpTile(game_, TileOf(1)));
  EXPECT_FALSE(Slot(1).ExchangeMark);
  ASSERT_EQ(DropOnRack(game_, 1), DropResult::Placed);
  EXPECT_FALSE(Slot(1).ExchangeMark);
  EXPECT_FALSE(HintOffered());
  EXPECT_TRUE(PreviewOffered());
}

TEST_F(HandCommandsTest, DroppingOnATileOfThisMoveSwapsAndTheDragGoesOn) {
  const int c = TileOf(1);
  LaySlot(1, kMiddle, kMiddle);
  ASSERT_TRUE(PickUpTile(game_, TileOf(2)));
  EXPECT_EQ(DropOnCell(game_, kMiddle, kMiddle), DropResult::Swapped);
  EXPECT_EQ(MiddleRow(), "A..");
  EXPECT_EQ(game_.HandTile(), c);
  EXPECT_FALSE(HintOffered());  // still dragging
  EXPECT_EQ(DropOnCell(game_, kMiddle + 1, kMiddle), DropResult::Placed);
  EXPECT_EQ(MiddleRow(), "AC.");
  EXPECT_TRUE(HintOffered());
}

TEST_F(HandCommandsTest, DroppingOnARackSlotSwapsWithItsTileOrFillsIt) {
  const int s = TileOf(4);
  ASSERT_TRUE(PickUpTile(game_, TileOf(1)));
  EXPECT_EQ(DropOnRack(game_, 4), DropResult::Swapped);
  EXPECT_EQ(RackOf(player_), "_ATCXYZ");
  EXPECT_EQ(OnRack(4), "rack " + QString::number(player_) + ",4 by " + QString::number(player_));
  EXPECT_EQ(game_.HandTile(), s);
  EXPECT_EQ(DropOnRack(game_, 0), DropResult::Refused);
  EXPECT_EQ(DropOnRack(game_, kRackSlots + 1), DropResult::Refused);
  EXPECT_EQ(DropOnRack(game_, 1), DropResult::Placed);
  EXPECT_EQ(RackOf(player_), "SATCXYZ");
  EXPECT_TRUE(PreviewOffered());
  EXPECT_EQ(DropOnRack(game_, 1), DropResult::Refused);  // nothing in the hand
}

TEST_F(HandCommandsTest, ADropOnACommittedLetterIsRefusedAndTheTileStaysInTheHand) {
  Old(kMiddle, kMiddle, "CAT");
  const int x = TileOf(5);
  const int committed = Cell(kMiddle + 1, kMiddle).TileIndex;
  ASSERT_TRUE(PickUpTile(game_, x));
  EXPECT_EQ(DropOnCell(game_, kMiddle + 1, kMiddle), DropResult::Refused);
  EXPECT_EQ(Cell(kMiddle + 1, kMiddle).TileIndex, committed);
  EXPECT_EQ(Tile(committed).Owner, kOwnerCommitted);
  // a cell beside them that refuses tiles, and no cell at all
  game_.PlayField(kMiddle, kMiddle + 1).DropAllowed = false;
  EXPECT_EQ(DropOnCell(game_, kMiddle, kMiddle + 1), DropResult::Refused);
  EXPECT_EQ(DropOnCell(game_, 0, 1), DropResult::Refused);
  EXPECT_EQ(DropOnCell(game_, 1, kSide + 1), DropResult::Refused);
  EXPECT_EQ(game_.HandTile(), x);
  EXPECT_FALSE(PreviewOffered());
}

TEST_F(HandCommandsTest, ACommittedStarOfTheDraggedLetterComesBackIntoTheHand) {
  const int star = CommittedStar(kMiddle, kMiddle, 'A');
  const int a = TileOf(2);
  game_.Settings.ExchangeStars = false;
  ASSERT_TRUE(PickUpTile(game_, a));
  EXPECT_EQ(DropOnCell(game_, kMiddle, kMiddle), DropResult::Refused);
  game_.Settings.ExchangeStars = true;
  ASSERT_EQ(DropOnRack(game_, 2), DropResult::Placed);
  ASSERT_TRUE(PickUpTile(game_, TileOf(1)));
  EXPECT_EQ(DropOnCell(game_, kMiddle, kMiddle), DropResult::Refused);  // a C is no A
  ASSERT_EQ(DropOnRack(game_, 1), DropResult::Placed);

  ASSERT_TRUE(PickUpTile(game_, a));
  EXPECT_EQ(DropOnCell(game_, kMiddle, kMiddle), DropResult::StarTakenBack);
  EXPECT_EQ(game_.HandTile(), a);
  EXPECT_TRUE(Tile(a).Star);
  EXPECT_FALSE(Tile(star).Star);
  EXPECT_TRUE(game_.MoveLog.LastLineContains("TAKESTAR:"));
  EXPECT_FALSE(PreviewOffered());  // the star is still being dragged
  // laid, it shows as a star
  EXPECT_EQ(DropOnCell(game_, kMiddle + 1, kMiddle), DropResult::Placed);
  EXPECT_EQ(Cell(kMiddle + 1, kMiddle).PendingLetter, game_.Alphabet.StarCode());
}

TEST_F(HandCommandsTest, ARightClickSendsALaidTileToTheFirstEmptySlot) {
  const int t = TileOf(3);
  LaySlot(3, kMiddle, kMiddle);
  LaySlot(1, kMiddle + 1, kMiddle);
  view_.ClearCalls();
  EXPECT_EQ(RightClickTile(game_, t, false), RightClickResult::TakenBack);
  EXPECT_EQ(RackOf(player_), "TA_SXYZ");
  EXPECT_EQ(MiddleRow(), ".C.");
  EXPECT_EQ(view_.FirstArgs(ViewCallName::FlyTile), QStringList{QString::number(t)});
}

TEST_F(HandCommandsTest, ARightClickOnARackTileTogglesItsMarkAndShiftMarksOrClearsThemAll) {
  const auto marks = [this] {
    std::string m;
    for (int slot = 1; slot <= kRackSlots; ++slot) m += Slot(slot).ExchangeMark ? '*' : '.';
    return m;
  };
  EXPECT_EQ(RightClickTile(game_, TileOf(2), false), RightClickResult::MarksChanged);
  EXPECT_EQ(marks(), ".*.....");
  LaySlot(1, kMiddle, kMiddle);
  // Shift brings the laid tile back first, then marks all seven
  EXPECT_EQ(RightClickTile(game_, TileOf(3), true), RightClickResult::MarksChanged);
  EXPECT_EQ(marks(), "*******");
  EXPECT_EQ(MiddleRow(), "...");
  EXPECT_EQ(RightClickTile(game_, TileOf(3), true), RightClickResult::MarksChanged);
  EXPECT_EQ(marks(), ".......");

  // a committed tile has no mark to toggle, and while dragging a right click does nothing
  Old(1, 1, "CAT");
  EXPECT_EQ(RightClickTile(game_, Cell(1, 1).TileIndex, false), RightClickResult::Ignored);
  ASSERT_TRUE(PickUpTile(game_, TileOf(1)));
  EXPECT_EQ(RightClickTile(game_, TileOf(2), false), RightClickResult::Ignored);
  EXPECT_EQ(marks(), ".......");
}

TEST_F(HandCommandsTest, EveryGuardRefusesEveryHandCommand) {
  const int other = game_.Racks[NotOnTurn()][1].TileIndex;
  const std::vector<std::pair<const char*, std::function<void()>>> moments = {
      {"taking letters", [this] { game_.TurnPhase = TTurnPhase::DrawPhase; }},
      {"a hint runs", [this] { game_.TurnPhase = TTurnPhase::HintPhase; }},
      {"a computer on turn", [this] { game_.Players[player_].Kind = kComputer; }},
      {"the hourglass", [this] { SetScreenCursor(game_, ControlCursor::Hourglass); }},
      {"a tile flies", [this] { game_.AnimationBusy = true; }},
      {"a demonstration", [this] { game_.DemoRunning = true; }},
      {"the game is over", [this] { game_.SetGameOver(true); }},
  };
  // a network participant plays as a person here
  game_.Players[player_].Kind = kNetwork;
  LaySlot(2, kMiddle, kMiddle);
  EXPECT_FALSE(PickUpTile(game_, other));  // not the tile of the one on turn
  for (const auto& [moment, begin] : moments) {
    SCOPED_TRACE(moment);
    begin();
    EXPECT_FALSE(MayHandleTiles(game_));
    EXPECT_FALSE(PickUpTile(game_, TileOf(1)));
    EXPECT_EQ(RightClickTile(game_, TileOf(1), false), RightClickResult::Ignored);
    EXPECT_EQ(RightClickTile(game_, Cell(kMiddle, kMiddle).TileIndex, false),
              RightClickResult::Ignored);
    EXPECT_EQ(game_.HandTile(), -1);
    EXPECT_FALSE(Slot(1).ExchangeMark);
    EXPECT_EQ(MiddleRow(), "A..");

    // a tile already in the hand cannot be dropped either
    game_.TileTable[TileOf(1)].Owner = kOwnerHand;
    EXPECT_EQ(DropOnCell(game_, 1, 1), DropResult::Refused);
    EXPECT_EQ(DropOnRack(game_, 2), DropResult::Refused);
    game_.TileTable[TileOf(1)].Owner = player_;

    game_.TurnPhase = TTurnPhase::MovePhase;
    game_.Players[player_].Kind = kNetwork;
    SetScreenCursor(game_, ControlCursor::Default);
    game_.AnimationBusy = game_.DemoRunning = false;
    game_.SetGameOver(false);
    ASSERT_TRUE(MayHandleTiles(game_));
  }
}

TEST_F(HandCommandsTest, ATimeOutPutsTheTileInTheHandBackOnTheRack) {
  Start(" Move-1 ");
  player_ = OnTurn();
  ASSERT_TRUE(PickUpTile(game_, TileOf(3)));
  MoveTicks(60);
  EXPECT_EQ(game_.HandTile(), -1);
  EXPECT_EQ(OnRack(3), "rack " + QString::number(player_) + ",3 by " + QString::number(player_));
  EXPECT_NE(OnTurn(), player_);
}

// The board picture of the headless view lies at (100, 50).
TEST_F(HandCommandsTest, TheCellUnderAPointIsCountedFromTheBoardPictureAndClampedForDrops) {
  ASSERT_EQ(view_.BoardPicture().left, 100);
  ASSERT_EQ(view_.BoardPicture().top, 50);
  using Cell = std::pair<int, int>;
  const auto under = [this](int X, int Y) -> std::optional<Cell> {
    const auto cell = CellUnderPoint(game_, X, Y);
    if (!cell) return std::nullopt;
    return Cell{cell->x, cell->y};
  };
  const auto drop = [this](int X, int Y) {
    const Game::CellPlace cell = DropCellUnderPoint(game_, X, Y);
    return Cell{cell.x, cell.y};
  };
  // cell 1 takes X 109..136 and Y 59..86; cell 15 ends at X 528 and Y 478
  EXPECT_EQ(under(109, 59), Cell(1, 1));
  EXPECT_EQ(under(136, 86), Cell(1, 1));
  EXPECT_EQ(under(137, 87), Cell(2, 2));
  EXPECT_EQ(under(528, 478), Cell(15, 15));
  EXPECT_EQ(under(108, 59), std::nullopt);
  EXPECT_EQ(under(109, 58), std::nullopt);
  EXPECT_EQ(under(529, 100), std::nullopt);
  EXPECT_EQ(under(200, 479), std::nullopt);
  EXPECT_EQ(under(80, 200), std::nullopt);
  EXPECT_EQ(under(-500, -500), std::nullopt);

  EXPECT_EQ(drop(108, 58), Cell(1, 1));
  EXPECT_EQ(drop(-500, 300), Cell(1, 9));
  EXPECT_EQ(drop(2000, -3), Cell(15, 1));
  EXPECT_EQ(drop(529, 2000), Cell(15, 15));
  EXPECT_EQ(drop(300, 200), *under(300, 200));
}

TEST_F(HandCommandsTest, TheSlotUnderAPointIsTheOneWhoseSquareHoldsThePointTwelvePixelsOn) {
  // the rack picture at (10, 200) of the panel: four slots on top, three below
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    const bool top = slot <= 4;
    Slot(slot).Left = static_cast<std::uint16_t>(top ? 30 + (slot - 1) * 28 : 44 + (slot - 5) * 28);
    Slot(slot).Top = top ? 214 : 242;
  }
  EXPECT_EQ(RackSlotUnderPoint(game_, player_, 18, 202), 1);  // (30, 214): the corner
  EXPECT_EQ(RackSlotUnderPoint(game_, player_, 41, 225), 1);  // (53, 237): the last pixel
  EXPECT_EQ(RackSlotUnderPoint(game_, player_, 42, 225), 0);  // between slots 1 and 2
  EXPECT_EQ(RackSlotUnderPoint(game_, player_, 46, 202), 2);
  EXPECT_EQ(RackSlotUnderPoint(game_, player_, 88, 253), 7);
  EXPECT_EQ(RackSlotUnderPoint(game_, player_, 17, 202), 0);
  EXPECT_EQ(RackSlotUnderPoint(game_, player_, 18, 201), 0);
  EXPECT_EQ(RackSlotUnderPoint(game_, 9, 18, 202), 0);
}

}  // namespace
}  // namespace quorim::test
