#include "flow/StartUp.h"

#include "dictionary/WorkingWordList.h"
#include "flow/HeadlessView.h"
#include "media/CodePages.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace quorim {
namespace {

std::string G(const char* utf8) {
  return ToGameText(QString::fromUtf8(utf8), 1251);
}

class StartUp : public ::testing::Test {
 protected:
  StartUp() : game_(view_, DataDir(dir_.path())) {
    game_.Locales.Add("RUS", 1049);
    Write("dict/rus/alphabet.txt",
          test::ReadFile(QStringLiteral(QUORIM_SHIPPED_DATA "/dict/rus/alphabet.txt")));
    Write("dict/rus/dictionary.txt", test::GameFile({"КОТ=A", "ЛЕС=B"}));
    Write("dict/rus/themes.txt", test::GameFile({"DCommom=A", "DExtended1=E"}));
    Write("lang/rus/strings.txt",
          test::GameFile({"[Dynamic]", "StartUpFullScreenConfirmation=Во весь экран?",
                          "DefaultNamePlayer=Игрок", "DefaultNamePC=Компьютер"}));
    game_.Strings.LoadRaw(game_.Data.Resolve(u"lang\\rus\\strings.txt"));
    choice_.interfaceLang = choice_.dictionaryLang = "rus";
  }
  void Write(const QString& path, const QByteArray& bytes) {
    test::WriteFile(dir_.path(), path, bytes);
  }

  QTemporaryDir dir_;
  HeadlessView view_;
  Game game_;
  LanguageChoice choice_;
};

TEST_F(StartUp, AFirstStartAsksForFullScreenOnceAndPlaysTheCommonDictionary) {
  view_.AnswerQuestions({false});
  EXPECT_FALSE(LoadStartUpData(game_, choice_, 1, 90));
  EXPECT_EQ(view_.FirstArgs(ViewCallName::AskConfirmation),
            QStringList{QString::fromUtf8("Во весь экран?")});
  EXPECT_TRUE(game_.Settings.StartMaximized);
  EXPECT_FALSE(game_.Settings.FullScreen);
  EXPECT_EQ(game_.Players[1].Name, G("Игрок"));
  EXPECT_EQ(game_.Players[2].Name, G("Компьютер"));
  EXPECT_EQ(game_.Settings.MusicVolume, 30);
  EXPECT_EQ(game_.Settings.DictionaryLimits, std::vector<std::string>{"Limrus=A"});
  EXPECT_EQ(game_.Themes.DictionarySizeMarker, "A");
  EXPECT_EQ(game_.Alphabet.AlphabetSize, 32);
  EXPECT_TRUE(IsDictionaryWord(game_, G("ЛЕС")));
}

TEST_F(StartUp, TheLastPlayersSettingsApplyButLanguagesThatAreNotInstalledGiveWay) {
  Write("quorim.ini", test::GameFile({"[Last Player]", "Player1=Анна", "FullScreen=2"}));
  Write(QString::fromUtf8("анна.ini"),
        test::GameFile({"[Options Hint]", "HintCount=10", "[Options Dictionary]",
                        "DictionaryLimits=Limrus=E/rus=B/", "[Options Language]",
                        "InterfaceLang=deu", "DictionaryLang=xyz"}));
  EXPECT_FALSE(LoadStartUpData(game_, choice_, 0, 0));
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::AskConfirmation).empty());
  EXPECT_TRUE(game_.Settings.FullScreen);
  EXPECT_EQ(game_.Players[1].Name, G("Анна"));
  EXPECT_EQ(game_.Settings.InterfaceLang, "rus");
  EXPECT_EQ(game_.Settings.DictionaryLang, "rus");
  EXPECT_EQ(game_.Themes.DictionarySizeMarker, "E");
  EXPECT_EQ(game_.Themes.ExcludedThemes, "B");
  EXPECT_EQ(game_.HintsLeft, 10);
  EXPECT_TRUE(IsDictionaryWord(game_, G("КОТ")));
}

TEST_F(StartUp, TheLastTemplateShowsBehindTheStartMenuWithoutChangingTheRandomLayoutsSize) {
  Write("MAPS/small.map", test::ReadFile(QStringLiteral(QUORIM_SHIPPED_DATA "/MAPS/small.map")));
  game_.Settings.LastTemplate = QStringLiteral("small.map");
  game_.Settings.PlayFieldDimX = 20;
  game_.Settings.PlayFieldDimY = 18;
  ShowStartUpPlayField(game_);
  EXPECT_EQ(game_.PlayField.DimX(), 11);
  EXPECT_EQ(game_.PlayField.DimY(), 11);
  EXPECT_EQ(game_.Settings.PlayFieldDimX, 20);
  EXPECT_EQ(game_.Settings.PlayFieldDimY, 18);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::DrawPlayField).size(), 1U);
}

}  // namespace
}  // namespace quorim
