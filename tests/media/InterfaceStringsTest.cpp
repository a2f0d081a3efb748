#include "media/InterfaceStrings.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorim {
namespace {

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

  table.Prepare();
  const std::vector<ControlText>& kept = table.ControlTexts();
  ASSERT_EQ(kept.size(), 2u);  // the line with neither caption nor hint is not kept
  EXPECT_EQ(kept[0].control, u"MenuGame");
  EXPECT_EQ(kept[1].caption, u"Quorim");

  EXPECT_EQ(table.InterfaceText(u"InGameMessageWait"), u"Подождите");
  EXPECT_EQ(table.InterfaceText(u"TITLE"), u"Quorim");  // first match, any case
  EXPECT_EQ(table.InterfaceText(u"; a comment"), u"");
  EXPECT_EQ(table.InterfaceText(u"Missing"), u"");
  EXPECT_EQ(table.Lines(), QStringList({"Title=Quorim", "InGameMessageWait=Подождите", "немного",
                                        "title=second"}));
}

TEST_F(StringsFile, WithoutADynamicLineEverythingIsAControlLineAndTheTableEndsEmpty) {
  InterfaceStrings table = Load(test::GameFile({"About:\"О программе\"/\"\"", "Title=Quorim"}));
  table.Prepare();
  EXPECT_EQ(table.ControlTexts().size(), 1u);
  EXPECT_TRUE(table.Lines().isEmpty());
  EXPECT_EQ(table.InterfaceText(u"Title"), u"");
}

TEST_F(StringsFile, AMissingFileKeepsTheTable) {
  InterfaceStrings table = Load(test::GameFile({"[Dynamic]", "Title=Quorim"}));
  table.Prepare();
  EXPECT_FALSE(table.LoadRaw(dir_.path() + "/none.txt"));
  EXPECT_EQ(table.InterfaceText(u"Title"), u"Quorim");
}

TEST_F(StringsFile, KeptControlLinesAnswerForAWindowAndForOneControl) {
  InterfaceStrings table = Load(test::GameFile({
      "Options:\"Настройки\"/\"\"",
      "Options.LimitsComboboxListMoveTime:\"1 минута#2 минуты#5 минут\"/\"Время#на ход\"",
      "MainScreen.MenuLens:\"Лупа\"/\"\"",
      "Options.OptionsOK:\"ОК\"/\"\"",
      "Options.OptionsOK:\"Готово\"/\"\"",
      "Options.OnlyHint:\"\"/\"Подсказка\"",
      "[Dynamic]",
      "Title=Quorim",
  }));
  table.Prepare();

  const std::vector<ControlText> options = table.WindowTexts(u"options");
  ASSERT_EQ(options.size(), 5u);
  EXPECT_TRUE(options[0].control.isEmpty());  // the window's own title comes first, as filed
  EXPECT_EQ(options[4].control, u"OnlyHint");

  EXPECT_EQ(table.ControlTextOf(u"Options", u"")->caption, u"Настройки");
  EXPECT_EQ(table.ControlTextOf(u"Options", u"OptionsOK")->caption, u"Готово");  // the later
  EXPECT_EQ(table.ControlTextOf(u"Options", u"LimitsComboboxListMoveTime")->hint, u"Время\nна ход");
  EXPECT_FALSE(table.ControlTextOf(u"Options", u"MenuLens"));  // another window's control
  EXPECT_FALSE(table.ControlTextOf(u"NewGameWindow", u""));

  // A list control's caption with two "#" holds three entries.
  EXPECT_EQ(table.ListItems(u"Options", u"LimitsComboboxListMoveTime"),
            QStringList({"1 минута", "2 минуты", "5 минут"}));
  EXPECT_TRUE(table.ListItems(u"Options", u"OnlyHint").isEmpty());
  EXPECT_TRUE(table.ListItems(u"Options", u"Missing").isEmpty());
}

TEST_F(StringsFile, APreparedFileReplacesTheKeptLinesAndAMissingOneKeepsThem) {
  InterfaceStrings table = Load(test::GameFile({"About.Label1:\"Спонсор:\"/\"\"", "[Dynamic]"}));
  table.Prepare();
  test::WriteFile(dir_.path(), "other.txt",
                  test::GameFile({"About.Button1:\"Ok\"/\"\"", "[Dynamic]"}));
  ASSERT_TRUE(table.LoadRaw(dir_.path() + "/other.txt"));
  // Loading alone does not touch what the windows are labelled from.
  EXPECT_EQ(table.WindowTexts(u"About").size(), 1u);
  table.Prepare();
  EXPECT_FALSE(table.ControlTextOf(u"About", u"Label1"));
  EXPECT_EQ(table.ControlTextOf(u"About", u"Button1")->caption, u"Ok");
}

TEST_F(StringsFile, FixedTextsComeFromTheFileOrStayRussian) {
  // An empty text would leave the menu item blank.
  InterfaceStrings table =
      Load(test::GameFile({"[Dynamic]", "InGameTagPlayerMoves= moves", "MenuLensCaption="}));
  table.Prepare();
  EXPECT_EQ(table.FixedText(FixedTextKey::PlayerMoves), u" moves");
  EXPECT_EQ(table.FixedText(FixedTextKey::LensCaption), u"Лупа");
  EXPECT_EQ(table.FixedText(FixedTextKey::SplashLoading), u"Загрузка");
  EXPECT_EQ(table.FixedText(FixedTextKey::AboutSponsor), u"Спонсор:");
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
