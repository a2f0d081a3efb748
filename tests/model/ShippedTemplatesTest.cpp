#include "model/Bag.h"
#include "model/Layouts.h"

#include "GameFixture.h"

namespace quorim {
namespace {

// Every template that ships builds without a message and gets a full bag of the Russian alphabet.
TEST(ShippedTemplates, EachBuildsAndFillsItsBag) {
  HeadlessView view;
  Game game(view, DataDir(QUORIM_SHIPPED_DATA));
  ASSERT_FALSE(LoadAlphabet(game.Alphabet, {game.Data, "rus", 1251}));
  const auto templates = ListTemplates(game.Data);
  ASSERT_GE(templates.size(), 5u);
  bool classic = false;
  for (const TemplateListEntry& entry : templates) {
    SCOPED_TRACE(entry.fileName.toStdString());
    classic = classic || entry.fileName == "classic.map";
    game.MoveLog.Start();
    view.ClearCalls();
    BuildPlayField(game, entry.fileName);
    EXPECT_TRUE(view.CallsNamed(ViewCallName::ShowInGameMessage).empty());
    const QString dimensions =
        QStringLiteral(" (%1x%2)").arg(game.PlayField.DimX()).arg(game.PlayField.DimY());
    EXPECT_TRUE(entry.displayText.endsWith(dimensions)) << entry.displayText.toStdString();
    EXPECT_NE(LayoutString(game.PlayField).find('6'), std::string::npos);
    FillBag(game);
    EXPECT_EQ(game.BagCount, game.PlayField.CellCount());
    EXPECT_EQ(game.TileTable.size(), static_cast<std::size_t>(game.PlayField.CellCount()));
  }
  EXPECT_TRUE(classic);
}

TEST(ShippedTemplates, TheClassicLayoutIsFifteenSquareWithOneStartInTheCentre) {
  HeadlessView view;
  Game game(view, DataDir(QUORIM_SHIPPED_DATA));
  BuildPlayField(game, "classic.map");
  const std::string layout = LayoutString(game.PlayField);
  ASSERT_EQ(layout.size(), 225u);
  EXPECT_EQ(std::count(layout.begin(), layout.end(), '6'), 1);
  EXPECT_EQ(game.PlayField(8, 8).Kind, kCellStart);
  EXPECT_EQ(layout[15], '0' + game.PlayField(1, 2).Kind);  // the 16th digit is cell (1, 2)
  EXPECT_EQ(game.PlayField(1, 1).Kind, kCellWordX3);
}

}  // namespace
}  // namespace quorim
