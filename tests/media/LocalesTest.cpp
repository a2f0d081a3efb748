#include "media/Locales.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace quorim {
namespace {

LocaleTable SomeLocales() {
  LocaleTable table;
  table.Add("RUS", 1049);
  table.Add("eng", 1033);
  table.Add("POL", 1045);
  table.Add("CES", 1029);
  table.Add("LIT", 1063);
  table.Add("DEU", 1031);
  table.Add("SRL", 2074);  // Serbian in Latin script
  table.Add("SRC", 3098);  // Serbian in Cyrillic script
  return table;
}

TEST(Locales, CodePagesComeFromTheLocaleOfEachCode) {
  const LocaleTable locales = SomeLocales();
  EXPECT_EQ(LanguageCodePage(locales, u"rus"), 1251);
  EXPECT_EQ(LanguageCodePage(locales, u"ENG"), 1252);
  EXPECT_EQ(LanguageCodePage(locales, u"deu"), 1252);
  EXPECT_EQ(LanguageCodePage(locales, u"pol"), 1250);
  EXPECT_EQ(LanguageCodePage(locales, u"ces"), 1250);
  EXPECT_EQ(LanguageCodePage(locales, u"lit"), 1257);
  EXPECT_EQ(LanguageCodePage(locales, u"srl"), 1250);
  EXPECT_EQ(LanguageCodePage(locales, u"src"), 1251);
  EXPECT_EQ(LanguageCodePage(locales, u""), 0);
  EXPECT_EQ(LanguageCodePage(locales, u"xyz"), 0);
}

TEST(Locales, CharsetFollowsTheCodePage) {
  const LocaleTable locales = SomeLocales();
  EXPECT_EQ(LanguageCharset(locales, u"rus"), 204);
  EXPECT_EQ(LanguageCharset(locales, u"lit"), 186);
  EXPECT_EQ(LanguageCharset(locales, u"pol"), 238);
  EXPECT_EQ(LanguageCharset(locales, u"eng"), 238);
}

TEST(Locales, DisplayNamesAreInTheInterfaceLanguageWithoutTheRegion) {
  const LocaleTable locales = SomeLocales();
  EXPECT_EQ(LanguageDisplayName(locales, u"rus", u"rus"), u"Русский");
  EXPECT_EQ(LanguageDisplayName(locales, u"rus", u"eng"), u"Russian");
  EXPECT_EQ(LanguageDisplayName(locales, u"eng", u"rus"), u"Английский");
  EXPECT_EQ(LanguageDisplayName(locales, u"srl", u"eng"), u"Serbian");
  EXPECT_EQ(LanguageDisplayName(locales, u"xyz", u"eng"), u"");
}

TEST(Locales, TheFileIsReadWithBadLinesSkippedAndNamed) {
  QTemporaryDir dir;
  test::WriteFile(dir.path(), "LANG/Locales.txt",
                  test::GameFile({"RUS=1049", "ENG 1033", "", "ukr=1058"}));
  QStringList problems;
  const LocaleTable locales = LocaleTable::Load(DataDir(dir.path()), &problems);
  EXPECT_EQ(locales.Codes(), QStringList({"RUS", "UKR"}));
  EXPECT_EQ(locales.LocaleId(u"Ukr"), 1058u);
  ASSERT_EQ(problems.size(), 1);
  EXPECT_TRUE(problems[0].contains("Locales.txt, line 2")) << problems[0].toStdString();
}

TEST(Locales, TheShippedFileKnowsBothShippedLanguages) {
  const LocaleTable locales = LocaleTable::Load(DataDir(QUORIM_SHIPPED_DATA));
  EXPECT_EQ(LanguageCodePage(locales, u"rus"), 1251);
  EXPECT_EQ(LanguageCodePage(locales, u"eng"), 1252);
  for (const QString& code : locales.Codes()) {
    EXPECT_NE(LanguageCodePage(locales, code), 0) << code.toStdString();
    EXPECT_FALSE(LanguageDisplayName(locales, code, u"rus").isEmpty()) << code.toStdString();
  }
}

}  // namespace
}  // namespace quorim
