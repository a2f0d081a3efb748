#include "media/InterfaceStrings.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorim {
namespace {

struct RecordingWindows : ControlTextApplier {
  void ApplyControlText(const ControlText& text) override { applied.push_back(text); }
  std::vector<ControlText> applied;
};

TEST(ControlLines, ParseWindowControlCaptionAndHint) {
  const auto menu = ParseControlLine(u"MainScreen.MenuGame:\"Игра\"/\"\"");
  ASSERT_TRUE(menu);
  EXPECT_EQ(menu->window, u"MainScreen");
  EXPECT_EQ(menu->control, u"MenuGame");
  EXPECT_EQ(menu->caption, u"Игра");
  EXPECT_EQ(menu->hint, u"");

  const auto window = ParseControlLine(u"Options:\"Настройки\"/\"Все#настройки\"");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->window, u"Options");
  EXPECT_TRUE(window->control.isEmpty());
  EXPECT_EQ(window->hint, u"Все\nнастройки");

  const auto list = ParseControlLine(u"NewGameWindow.Combo:\"один#два#три\"/\"\"");
  ASSERT_TRUE(list);
  EXPECT_EQ(list->caption.split(u'\n').size(), 3);
}

TEST(ControlLines, LinesWithoutTheShapeAddressNothing) {
  EXPECT_FALSE(ParseControlLine(u"MainScreen.MenuGame \"Игра\"/\"\""));
  EXPECT_FALSE(ParseControlLine(u"MainScreen:\"no slash\""));
  EXPECT_FALSE(ParseControlLine(u":\"\"/\"\""));
  EXPECT_FALSE(ParseControlLine(u"X:/"));
  EXPECT_FALSE(ParseControlLine(u""));
}

class StringsFile : public ::testing::Test {
 protected:
  InterfaceStrings Load(const QByteArray& bytes) {
    test::WriteFile(dir_.path(), "strings.txt", bytes);
    InterfaceStrings table;
    EXPECT_TRUE(table.LoadRaw(dir_.path() + "/strings.txt"));
    return table;
  }
  QTemporaryDir dir_;
  RecordingWindows windows_;
};

TEST_F(StringsFile, LookupsBeforeAndAfterPreparation) {
  InterfaceStrings table = Load(test::GameFile({
      "; a comment=not a key",
      "MainScreen.MenuGame:\"Игра\"/\"\"",
      "MainScreen.Empty:\"\"/\"\"",
      "MainScreen:\"Quorim\"/\"\"",
      "[Dynamic]",
      "Title=Quorim",
      "InGameMessageWait=Подождите#немного",
      "title=second",
  }));
  // Raw: every line is searched and "#" is still a character.
  EXPECT_EQ(table.InterfaceText(u"InGameMessageWait"), u"Подождите#немного");
  EXPECT_EQ(table.InterfaceText(u"; a comment"), u"not a key");

  table.Prepare(windows_);
  ASSERT_EQ(windows_.applied.size(), 2u);  // the line with neither caption nor hint is skipped
  EXPECT_EQ(windows_.applied[0].control, u"MenuGame");
  EXPECT_EQ(windows_.applied[1].caption, u"Quorim");

  EXPECT_EQ(table.InterfaceText(u"InGameMessageWait"), u"Подождите");
  EXPECT_EQ(table.InterfaceText(u"TITLE"), u"Quorim");  // first match, any case
  EXPECT_EQ(table.InterfaceText(u"; a comment"), u"");
  EXPECT_EQ(table.InterfaceText(u"Missing"), u"");
  EXPECT_EQ(table.Lines(), QStringList({"Title=Quorim", "InGameMessageWait=Подождите", "немного",
                                        "title=second"}));
}

TEST_F(StringsFile, WithoutADynamicLineEverythingIsAControlLineAndTheTableEndsEmpty) {
  InterfaceStrings table = Load(test::GameFile({"About:\"О программе\"/\"\"", "Title=Quorim"}));
  table.Prepare(windows_);
  EXPECT_EQ(windows_.applied.size(), 1u);
  EXPECT_TRUE(table.Lines().isEmpty());
  EXPECT_EQ(table.InterfaceText(u"Title"), u"");
}

TEST_F(StringsFile, AMissingFileKeepsTheTable) {
  InterfaceStrings table = Load(test::GameFile({"[Dynamic]", "Title=Quorim"}));
  table.Prepare(windows_);
  EXPECT_FALSE(table.LoadRaw(dir_.path() + "/none.txt"));
  EXPECT_EQ(table.InterfaceText(u"Title"), u"Quorim");
}

TEST(SubstituteWord, PutsTheWordInTheLanguageOfTheDictionary) {
  EXPECT_EQ(SubstituteWord("Добавить слово «%s»? %s", "\xCA\xCE\xD2", 1251),
            u"Добавить слово «КОТ»? %s");
  EXPECT_EQ(SubstituteWord("Add \"%s\"?",
                           "\xC8"
                           "AS",
                           1250),
            u"Add \"ČAS\"?");
  EXPECT_EQ(SubstituteWord("No word here", "\xCA\xCE\xD2", 1251), u"No word here");
}

}  // namespace
}  // namespace quorim
