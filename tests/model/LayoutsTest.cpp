#include "model/Layouts.h"

#include "GameFixture.h"

namespace quorim {
namespace {

class Layouts : public test::GameFixture {
 protected:
  int CellsOfKind(std::uint8_t kind) const {
    int count = 0;
    for (int y = 1; y <= game_.PlayField.DimY(); ++y) {
      for (int x = 1; x <= game_.PlayField.DimX(); ++x) count += game_.PlayField(x, y).Kind == kind;
    }
    return count;
  }
  void StartRecord() { game_.MoveLog.Start(); }
};

TEST_F(Layouts, ATemplateIsCutAtThirtyColumnsAndRows) {
  const std::string row(40, '1');
  std::vector<std::string> rows(35, row);
  rows[0][0] = '6';
  QByteArray file = test::GameFile({"Wide"});
  for (const std::string& line : rows) file += QByteArray::fromStdString(line) + "\r\n";
  test::WriteFile(dir_.path(), "MAPS/wide.map", file);
  StartRecord();
  BuildPlayField(game_, "wide.map");
  EXPECT_EQ(game_.PlayField.DimX(), 30);
  EXPECT_EQ(game_.PlayField.DimY(), 30);
  EXPECT_EQ(game_.PlayField(1, 1).Kind, kCellStart);
  EXPECT_EQ(game_.MoveLog.Lines().at(0).size(), 900u);
  EXPECT_EQ(game_.Settings.PlayFieldDimX, 30);
}

TEST_F(Layouts, ATemplateEndsAtItsFirstEmptyLineWhileTheListCountsEveryRow) {
  WriteTemplate("cut.map", {"Cut", "12", "34", "56", "11", "11", "", "11", "11"});
  BuildPlayField(game_, "cut.map");
  EXPECT_EQ(game_.PlayField.DimX(), 2);
  EXPECT_EQ(game_.PlayField.DimY(), 5);
  EXPECT_EQ(LayoutString(game_.PlayField), "1234561111");

  const auto list = ListTemplates(game_.Data);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].fileName, "cut.map");
  EXPECT_EQ(list[0].displayText, "Cut (2x7)");
}

TEST_F(Layouts, TheLayoutStringGoesRowByRowIntoANewRecordOnly) {
  WriteTemplate("rows.map", {"Rows", "111", "121", "111"});
  BuildPlayField(game_, "rows.map");
  EXPECT_TRUE(game_.MoveLog.Lines().empty());  // no game yet, no record
  StartRecord();
  BuildPlayField(game_, "rows.map");
  // The 5th digit is cell (2, 2).
  EXPECT_EQ(game_.MoveLog.Lines(), std::vector<std::string>{"111121111"});
  EXPECT_EQ(game_.PlayField(0, 0).Kind, kCellEmptyPlace);  // the border ring plays no part
}

TEST_F(Layouts, AnUnusableTemplateIsReportedAndTheClassicLayoutTakesItsPlace) {
  test::WriteFile(dir_.path(), "strings.txt",
                  test::GameFile({"[Dynamic]", "LoadMessageTemplateFileMalformed=Bad layout: %s",
                                  "LoadMessageTemplateFileNotFound=No layout: %s"}));
  game_.Strings.LoadRaw(dir_.filePath("strings.txt"));
  WriteTemplate("classic.map", {"Classic", "111", "161", "111"});
  WriteTemplate("ragged.map", {"Ragged", "1111", "111", "1111"});
  WriteTemplate("letters.map", {"Letters", "11", "1A"});
  for (const char* name : {"ragged.map", "letters.map", "missing.map"}) {
    view_.ClearCalls();
    BuildPlayField(game_, name);
    EXPECT_EQ(LayoutString(game_.PlayField), "111161111") << name;
    const QStringList messages = view_.FirstArgs(ViewCallName::ShowInGameMessage);
    ASSERT_EQ(messages.size(), 1) << name;
    EXPECT_TRUE(messages[0].contains(name)) << messages[0].toStdString();
  }
  EXPECT_TRUE(view_.FirstArgs(ViewCallName::ShowInGameMessage)[0].startsWith("No layout"));
}

TEST_F(Layouts, WithoutAUsableClassicTemplateTheLayoutIsRandom) {
  BuildPlayField(game_, "classic.map");
  EXPECT_EQ(game_.PlayField.DimX(), 15);
  EXPECT_EQ(CellsOfKind(kCellStart), 1);
  EXPECT_EQ(CellsOfKind(kCellLetterX2), 24);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::ShowInGameMessage).size(), 1);
}

TEST_F(Layouts, ARandomLayoutPlacesEveryCountIncludingSeveralStartCells) {
  game_.Settings.PlayFieldDimX = 20;
  game_.Settings.PlayFieldDimY = 16;
  game_.Settings.Black = 3;
  BuildPlayField(game_, "");
  EXPECT_EQ(game_.PlayField.DimX(), 20);
  EXPECT_EQ(game_.PlayField.DimY(), 16);
  EXPECT_EQ(CellsOfKind(kCellStart), 3);
  EXPECT_EQ(CellsOfKind(kCellWordX2), 16);
  EXPECT_EQ(CellsOfKind(kCellLetterX3), 8);
  EXPECT_EQ(CellsOfKind(kCellWordX3), 8);
  EXPECT_EQ(CellsOfKind(kCellPlain), 320 - 24 - 16 - 8 - 8 - 3);
}

TEST_F(Layouts, BonusCountsBeyondTheFieldAreCappedAndAStartCellIsAlwaysThere) {
  Settings& settings = game_.Settings;
  settings.Black = 0;
  settings.Green = 1000;
  settings.Blue = 1000;
  BuildPlayField(game_, "");
  EXPECT_EQ(CellsOfKind(kCellStart), 1);
  EXPECT_EQ(CellsOfKind(kCellLetterX2), 223);
  EXPECT_EQ(CellsOfKind(kCellWordX2), 0);
  EXPECT_EQ(CellsOfKind(kCellPlain), 1);

  settings.Black = 1000;
  BuildPlayField(game_, "");
  EXPECT_EQ(CellsOfKind(kCellStart), 224);
}

TEST_F(Layouts, ASavedLayoutKeepsKindsAndBagLettersAndARedrawChangesNothing) {
  WriteTemplate("small.map", {"Small", "26", "35"});
  BuildPlayField(game_, "small.map");
  game_.PlayField(1, 1).BagLetter = 'A';
  game_.PlayField(1, 1).Letter = 'B';
  game_.PlayField(2, 2).TileIndex = 3;
  game_.PlayField.SelectionMark(1, 2) = kMarkVertical;
  StartRecord();
  BuildPlayField(game_, kSavedLayout);
  EXPECT_EQ(game_.PlayField(1, 1).BagLetter, 'A');
  EXPECT_EQ(game_.PlayField(1, 1).Letter, ' ');
  EXPECT_EQ(game_.PlayField(2, 2).TileIndex, -1);
  EXPECT_EQ(game_.PlayField.SelectionMark(1, 2), 0);
  EXPECT_EQ(game_.MoveLog.Lines(), std::vector<std::string>{"2635"});

  // A used bonus stays used on a redraw, and the record keeps the layout as it began.
  game_.PlayField(1, 1).Kind = kCellPlain;
  view_.ClearCalls();
  RedrawPlayField(game_);
  EXPECT_EQ(game_.PlayField(1, 1).Kind, kCellPlain);
  EXPECT_EQ(game_.MoveLog.Lines(), std::vector<std::string>{"2635"});
  EXPECT_EQ(view_.FirstArgs(ViewCallName::DrawPlayField).size(), 1);
}

}  // namespace
}  // namespace quorim
