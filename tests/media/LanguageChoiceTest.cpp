#include "media/LanguageChoice.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string_view>

namespace quorim {
namespace {

class LanguageChoiceAtStartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteDefaults("rus,eng,", "rus,eng,", "rus,eng,");
    AddStrings("eng", "Title=English");
    AddStrings("deu", "Title=Deutsch");
    AddDictionary("eng");
  }
  void WriteDefaults(const char* interface, const char* dictionary, const char* explanatory) {
    test::WriteFile(dir_.path(), "lang/default.txt",
                    test::GameFile({std::string("InterfaceLanguage=") + interface,
                                    std::string("DictionaryLanguage=") + dictionary,
                                    std::string("ExplanatoryLanguage=") + explanatory,
                                    "NoDictionaryFoundMessage=Нет словаря / No dictionary",
                                    "NoLanguageFoundMessage=Нет языка / No language"}));
  }
  void AddStrings(const char* code, const char* line) {
    test::WriteFile(dir_.path(), QString("lang/%1/strings.txt").arg(code),
                    test::GameFile({"[Dynamic]", line}));
  }
  void AddDictionary(const char* code) {
    test::WriteFile(dir_.path(), QString("dict/%1/dictionary.txt").arg(code),
                    test::GameFile({"CAT"}));
  }
  LanguageChoice Choose(const QString& host) {
    return ChooseLanguages(DataDir(dir_.path()), host, table_);
  }
  QTemporaryDir dir_;
  InterfaceStrings table_;
};

TEST_F(LanguageChoiceAtStartUp, TheHostLanguageWinsWhenItHasStrings) {
  const LanguageChoice choice = Choose("deu");
  EXPECT_EQ(choice.interfaceLang, u"deu");
  EXPECT_EQ(table_.InterfaceText(u"Title"), u"Deutsch");
  EXPECT_TRUE(choice.CanStart());
  EXPECT_TRUE(choice.messages.isEmpty());
}

TEST_F(LanguageChoiceAtStartUp, TheListsAreWalkedUntilAFileExists) {
  const LanguageChoice choice = Choose("fra");
  // rus comes first in both lists but has neither strings nor a dictionary here.
  EXPECT_EQ(choice.interfaceLang, u"eng");
  EXPECT_EQ(choice.dictionaryLang, u"eng");
  EXPECT_EQ(table_.InterfaceText(u"Title"), u"English");
  EXPECT_TRUE(choice.explanatoryLang.isEmpty());
}

TEST_F(LanguageChoiceAtStartUp, CodesAreFoundInAnyCaseWithAnySeparator) {
  WriteDefaults("XXX;ENG;", "RUS ENG ", "rus;eng;");
  test::WriteFile(dir_.path(), "dict/eng/EXPL/Eng/Explanatory.txt", test::GameFile({"CAT=a pet"}));
  const LanguageChoice choice = Choose("");
  EXPECT_EQ(choice.interfaceLang, u"eng");
  EXPECT_EQ(choice.dictionaryLang, u"eng");
  EXPECT_EQ(choice.explanatoryLang, u"eng");
}

TEST_F(LanguageChoiceAtStartUp, ExhaustedListsHandBackTheirMessages) {
  WriteDefaults("rus,", "rus,", "rus,");
  const LanguageChoice choice = Choose("fra");
  EXPECT_FALSE(choice.CanStart());
  EXPECT_TRUE(choice.dictionaryLang.isEmpty());
  EXPECT_TRUE(choice.interfaceLang.isEmpty());
  EXPECT_EQ(choice.messages,
            QStringList({"Нет словаря / No dictionary", "Нет языка / No language"}));
  EXPECT_TRUE(table_.Lines().isEmpty());
}

TEST_F(LanguageChoiceAtStartUp, WithoutDefaultsNothingButTheHostLanguageIsFound) {
  QFile::remove(dir_.path() + "/lang/default.txt");
  const LanguageChoice choice = Choose("eng");
  EXPECT_EQ(choice.interfaceLang, u"eng");
  EXPECT_TRUE(choice.dictionaryLang.isEmpty());
  EXPECT_FALSE(choice.CanStart());
  // An empty message would tell the person nothing: it names the file that is missing.
  ASSERT_EQ(choice.messages.size(), 1);
  EXPECT_TRUE(choice.messages[0].endsWith("lang/default.txt: NoDictionaryFoundMessage"))
      << choice.messages[0].toStdString();
}

TEST_F(LanguageChoiceAtStartUp, AppliedCaptionsStayForWindowsMadeLater) {
  struct RecordingWindows : ControlTextApplier {
    void ApplyControlText(const ControlText& text) override { applied << text.control; }
    QStringList applied;
  } windows;
  test::WriteFile(dir_.path(), "lang/eng/strings.txt",
                  test::GameFile({"; English", "MainScreen.MenuLens:\"Lens\"/\"\"",
                                  "Options.LimitsComboboxListMoveTime:\"1 min#2 min\"/\"\"",
                                  "[Dynamic]", "Title=English"}));
  test::WriteFile(dir_.path(), "lang/deu/strings.txt",
                  test::GameFile({"MainScreen.MenuLens:\"Lupe\"/\"\"", "[Dynamic]"}));
  const DataDir data(dir_.path());

  ASSERT_TRUE(ApplyInterfaceLanguage(data, "eng", table_, windows));
  EXPECT_EQ(windows.applied, QStringList({"MenuLens", "LimitsComboboxListMoveTime"}));
  EXPECT_EQ(table_.ControlTextOf(u"MainScreen", u"MenuLens")->caption, u"Lens");
  EXPECT_EQ(table_.ListItems(u"Options", u"LimitsComboboxListMoveTime").size(), 2);

  // A language without strings changes nothing, neither texts nor captions.
  EXPECT_FALSE(ApplyInterfaceLanguage(data, "fra", table_, windows));
  EXPECT_EQ(table_.InterfaceText(u"Title"), u"English");
  EXPECT_EQ(table_.ControlTextOf(u"MainScreen", u"MenuLens")->caption, u"Lens");

  ASSERT_TRUE(ApplyInterfaceLanguage(data, "deu", table_, windows));
  EXPECT_EQ(table_.ControlTextOf(u"MainScreen", u"MenuLens")->caption, u"Lupe");
  EXPECT_TRUE(table_.ListItems(u"Options", u"LimitsComboboxListMoveTime").isEmpty());
}

TEST(ShippedLanguages, RussianIsPreferredAndBothInterfacesPrepare) {
  const DataDir data(QUORIM_SHIPPED_DATA);
  InterfaceStrings table;
  const LanguageChoice choice = ChooseLanguages(data, "fra", table);
  EXPECT_EQ(choice.interfaceLang, u"rus");
  EXPECT_EQ(choice.dictionaryLang, u"rus");
  struct NoWindows : ControlTextApplier {
    void ApplyControlText(const ControlText&) override {}
  } windows;
  const InterfaceStrings none;
  for (const char* code : {"rus", "eng"}) {
    ASSERT_TRUE(ApplyInterfaceLanguage(data, code, table, windows)) << code;
    EXPECT_FALSE(table.InterfaceText(u"LoadMessageAlphabetFileNotFound").isEmpty()) << code;
    // The move-time entries begin with their minutes, 1 to 9.
    const QStringList moveTimes = table.ListItems(u"Options", u"LimitsComboboxListMoveTime");
    ASSERT_EQ(moveTimes.size(), 9) << code;
    for (int minutes = 1; minutes <= 9; ++minutes)
      EXPECT_TRUE(moveTimes[minutes - 1].startsWith(QString::number(minutes) + u' ')) << code;
    // Russian gives the very texts the game showed before it had keys; English its own.
    for (const FixedTextKey key : {FixedTextKey::PlayerMoves, FixedTextKey::LensCaption,
                                   FixedTextKey::SplashLoading, FixedTextKey::AboutSponsor}) {
      EXPECT_EQ(table.FixedText(key) == none.FixedText(key), code == std::string_view("rus"))
          << code << ' ' << table.FixedText(key).toStdString();
    }
  }
}

}  // namespace
}  // namespace quorim
