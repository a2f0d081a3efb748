// Selection frames drawn by mouse: where one starts, how it grows and keeps its direction, what a
// release and a click leave in the cells' marks and the move's frames, the pixels it is drawn in.

#include "flow/SelectionDrawing.h"

#include "FlowGameFixture.h"

namespace quorim::test {
namespace {

// The board picture of the headless view lies at (100, 50); cell n's picture starts at 28 n - 10.
constexpr int kBoardLeft = 100;
constexpr int kBoardTop = 50;

class SelectionDrawingTest : public FlowGameFixture {
 protected:
  SelectionDrawingTest() {
    game_.Settings.SelectWordMode = true;
    Start("");
    player_ = OnTurn();
  }

  // A committed word whose tiles lie on their cells, as the board shows them.
  void Committed(int x, int y, const std::string& word, std::uint8_t direction = kHorizontal) {
    Old(x, y, word, direction);
    for (std::size_t i = 0; i < word.size(); ++i) {
      const int at = static_cast<int>(i);
      const int cx = direction == kHorizontal ? x + at : x;
      const int cy = direction == kHorizontal ? y : y + at;
      game_.TileTable[game_.PlayField(cx, cy).TileIndex].Spot = TileSpot::Board(cx, cy);
    }
  }

  int TileAt(int x, int y) const { return game_.PlayField(x, y).TileIndex; }
  // The middle of cell (x, y)'s picture in the main window.
  static int MidX(int x) { return kBoardLeft + 28 * x + 4; }
  static int MidY(int y) { return kBoardTop + 28 * y + 4; }

  // The pointer held from the tile of the first cell through the middles of the others.
  TSelectionFrame Draw(Game::CellPlace from, std::initializer_list<Game::CellPlace> through) {
    const auto start = FrameStartCell(game_, TileAt(from.x, from.y));
    EXPECT_TRUE(start.has_value());
    TSelectionFrame frame = StartFrame(game_, *start);
    for (const Game::CellPlace& cell : through)
      GrowFrame(game_, frame, FrameGrowthToward(game_, frame, MidX(cell.x), MidY(cell.y)));
    return frame;
  }

  // The marks of a row from column 7 to 12, "." for none.
  std::string Marks(int y) const {
    std::string marks;
    for (int x = 7; x <= 12; ++x) {
      const int mark = game_.PlayField.SelectionMark(x, y);
      marks += mark == 0 ? '.' : static_cast<char>('0' + mark);
    }
    return marks;
  }

  int player_ = 0;
};

TEST_F(SelectionDrawingTest, AWordFramedAcrossCommittedAndLaidTilesIsTheMovesWord) {
  // the frame takes CATS out of the run CATSX, which read by itself would be refused
  Words({"CATS"});
  Committed(9, kMiddle, "AT");
  Committed(12, kMiddle, "X");
  SetRack(player_, "CS");
  LayFromRack(8, kMiddle, "C");
  LayFromRack(11, kMiddle, "S");

  // pressed on A, drawn left onto C, then right across T onto S
  const TSelectionFrame frame = Draw({9, kMiddle}, {{8, kMiddle}, {10, kMiddle}, {11, kMiddle}});
  EXPECT_EQ(frame.Direction, kHorizontal);
  EXPECT_EQ(frame.Start, 8);
  EXPECT_EQ(frame.End, 11);
  EXPECT_EQ(Marks(kMiddle), ".1111.");
  ASSERT_TRUE(FinishFrame(game_, frame));
  ASSERT_EQ(game_.SelectionFrames.size(), 1u);

  GoCommand(game_);
  ASSERT_TRUE(game_.MoveAccepted);
  EXPECT_EQ(game_.PlayedWords[player_].back().Word, "CATS");
  // the frames go with the accepted move
  EXPECT_TRUE(game_.SelectionFrames.empty());
  EXPECT_EQ(Marks(kMiddle), "......");
}

TEST_F(SelectionDrawingTest, AFrameGrowsOnlyOntoATileJustBeyondItsEdgeAndNeverTurns) {
  Committed(8, kMiddle, "CAT");
  Committed(8, kMiddle + 1, "O", kVertical);
  TSelectionFrame frame = StartFrame(game_, {8, kMiddle});
  // two cells away, beside the row, over an empty cell, diagonally: no growth
  EXPECT_EQ(FrameGrowthToward(game_, frame, MidX(10), MidY(kMiddle)), FrameGrowth::None);
  EXPECT_EQ(FrameGrowthToward(game_, frame, MidX(7), MidY(kMiddle)), FrameGrowth::None);
  EXPECT_EQ(FrameGrowthToward(game_, frame, MidX(8), MidY(kMiddle - 1)), FrameGrowth::None);
  EXPECT_EQ(FrameGrowthToward(game_, frame, MidX(9), MidY(kMiddle + 1)), FrameGrowth::None);
  // still inside the frame's own cell, past the frame's edge but short of the next tile
  EXPECT_EQ(FrameGrowthToward(game_, frame, kBoardLeft + 28 * 8 + 16, MidY(kMiddle)),
            FrameGrowth::Right);
  EXPECT_EQ(FrameGrowthToward(game_, frame, kBoardLeft + 28 * 8 + 15, MidY(kMiddle)),
            FrameGrowth::None);

  GrowFrame(game_, frame, FrameGrowthToward(game_, frame, MidX(9), MidY(kMiddle)));
  EXPECT_EQ(frame.Direction, kHorizontal);
  // across now: the tile below the first one no longer counts
  EXPECT_EQ(FrameGrowthToward(game_, frame, MidX(8), MidY(kMiddle + 1)), FrameGrowth::None);
  GrowFrame(game_, frame, FrameGrowth::Down);
  EXPECT_EQ(frame.Direction, kHorizontal);
  EXPECT_EQ(frame.End, 9);
  EXPECT_EQ(Marks(kMiddle), ".11...");
  EXPECT_EQ(Marks(kMiddle + 1), "......");
}

TEST_F(SelectionDrawingTest, AFrameDrawnDownMarksItsCellsDownFromTheFirstOn) {
  Committed(8, kMiddle, "COT", kVertical);
  Committed(9, kMiddle, "A");
  const TSelectionFrame frame = Draw({8, kMiddle + 2}, {{8, kMiddle + 1}, {8, kMiddle}});
  EXPECT_EQ(frame.Direction, kVertical);
  EXPECT_EQ(frame.Line, 8);
  EXPECT_EQ(frame.Start, kMiddle);
  EXPECT_EQ(frame.End, kMiddle + 2);
  for (int y = kMiddle; y <= kMiddle + 2; ++y)
    EXPECT_EQ(game_.PlayField.SelectionMark(8, y), kMarkVertical) << y;
  // clicked away again, nothing of it stays in the marks
  ASSERT_TRUE(FinishFrame(game_, frame));
  RemoveFrame(game_, frame);
  EXPECT_TRUE(game_.SelectionFrames.empty());
  for (int y = kMiddle; y <= kMiddle + 2; ++y)
    EXPECT_EQ(game_.PlayField.SelectionMark(8, y), 0) << y;
}

TEST_F(SelectionDrawingTest, ReleasedOverOneTileTheFrameGoesAndItsMarkWithIt) {
  Committed(8, kMiddle, "A");
  const TSelectionFrame frame = Draw({8, kMiddle}, {});
  EXPECT_EQ(Marks(kMiddle), ".1....");
  EXPECT_FALSE(FinishFrame(game_, frame));
  EXPECT_EQ(Marks(kMiddle), "......");
  EXPECT_TRUE(game_.SelectionFrames.empty());
}

TEST_F(SelectionDrawingTest, AFrameStartsOnlyOnACommittedTileUnderNoFrameWhileThePersonMoves) {
  Committed(8, kMiddle, "AT");
  SetRack(player_, "S");
  const int rackTile = game_.Racks[player_][1].TileIndex;
  EXPECT_FALSE(FrameStartCell(game_, rackTile));
  LayFromRack(10, kMiddle, "S");
  EXPECT_FALSE(FrameStartCell(game_, TileAt(10, kMiddle)));  // laid in this move: picked up

  ASSERT_TRUE(FrameStartCell(game_, TileAt(8, kMiddle)));
  EXPECT_EQ(FrameStartCell(game_, TileAt(8, kMiddle))->x, 8);
  game_.PlayField.SelectionMark(9, kMiddle) = kMarkVertical;
  EXPECT_FALSE(FrameStartCell(game_, TileAt(9, kMiddle)));

  ASSERT_TRUE(PickUpTile(game_, TileAt(10, kMiddle)));
  EXPECT_FALSE(FrameStartCell(game_, TileAt(8, kMiddle)));  // a tile in the hand
  ASSERT_TRUE(ReturnHandTile(game_));
  game_.Settings.SelectWordMode = false;
  EXPECT_FALSE(FrameStartCell(game_, TileAt(8, kMiddle)));
  game_.Settings.SelectWordMode = true;
  game_.TurnPhase = TTurnPhase::HintPhase;
  EXPECT_FALSE(FrameStartCell(game_, TileAt(8, kMiddle)));
  EXPECT_FALSE(MayRemoveFrame(game_));
}

TEST_F(SelectionDrawingTest, AFrameClickedAwayLeavesTheMarksOfOtherFramesOfItsDirection) {
  // CATS across with AT framed as well, and COT down through the C
  Committed(8, kMiddle, "CATS");
  Committed(8, kMiddle + 1, "OT", kVertical);
  const TSelectionFrame cats = Draw({8, kMiddle}, {{9, kMiddle}, {10, kMiddle}, {11, kMiddle}});
  ASSERT_TRUE(FinishFrame(game_, cats));
  game_.SelectionFrames.push_back({kHorizontal, kMiddle, 9, 10, true});
  const TSelectionFrame cot{kVertical, 8, kMiddle, kMiddle + 2, true};
  game_.SelectionFrames.push_back(cot);
  for (int y = kMiddle; y <= kMiddle + 2; ++y) game_.PlayField.SelectionMark(8, y) |= kMarkVertical;
  EXPECT_EQ(Marks(kMiddle), ".3111.");

  RemoveFrame(game_, cats);
  EXPECT_EQ(Marks(kMiddle), ".211..");
  ASSERT_EQ(game_.SelectionFrames.size(), 2u);
  EXPECT_EQ(game_.SelectionFrames[0].Start, 9);
  // a frame no longer shown covers nothing
  game_.SelectionFrames[0].Visible = false;
  RemoveFrame(game_, cot);
  EXPECT_EQ(Marks(kMiddle), "..11..");
  EXPECT_EQ(game_.PlayField.SelectionMark(8, kMiddle + 1), 0);
}

TEST_F(SelectionDrawingTest, AFrameIsDrawnOnePixelBeforeItsFirstTileAndGrowsByWholeCells) {
  // a tile lies at 28 n - 9 of the board picture and is 26 pixels wide
  const ScreenRect one = FrameRectangle(game_, {kFrameUndirected, 5, 3, 3, true});
  EXPECT_EQ(one.left, kBoardLeft + 28 * 3 - 10);
  EXPECT_EQ(one.top, kBoardTop + 28 * 5 - 10);
  EXPECT_EQ(one.width, 26);
  EXPECT_EQ(one.height, 26);
  const ScreenRect down = FrameRectangle(game_, {kVertical, 3, 5, 7, true});
  EXPECT_EQ(down.left, one.left);
  EXPECT_EQ(down.top, one.top);
  EXPECT_EQ(down.width, 26);
  EXPECT_EQ(down.height, 26 + 2 * 28);

  // what is drawn reads back as the same cells, as a saved game's shapes are read
  for (const TSelectionFrame& frame :
       {TSelectionFrame{kHorizontal, 4, 2, 6, true}, TSelectionFrame{kVertical, 15, 1, 15, true}}) {
    const FramePixels pixels = PixelsOfFrame(frame, kBoardLeft, kBoardTop);
    const TSelectionFrame read = FrameFromPixels(frame.Direction, pixels, kBoardLeft, kBoardTop);
    EXPECT_EQ(read.Line, frame.Line);
    EXPECT_EQ(read.Start, frame.Start);
    EXPECT_EQ(read.End, frame.End);
  }
}

}  // namespace
}  // namespace quorim::test
