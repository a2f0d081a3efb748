#include "dictionary/Explanations.h"

#include "DictionaryFixture.h"

namespace quorim {
namespace {

using test::G;

class WordMeanings : public test::DictionaryFixture {
 protected:
  WordMeanings() {
    game_.Settings.ExplanatoryLang = "rus";
    test::WriteFile(dir_.path(), "lang/rus/strings.txt",
                    test::GameFile({"[Dynamic]", "InGameQuestionAddWordExplanation=Толковать «%s»?",
                                    "InGameMessageNoWordExplanation=Нет толкования"}));
    game_.Strings.LoadRaw(game_.Data.Resolve(u"lang\\rus\\strings.txt"));
    WriteLanguageFile(
        "expl/rus/explanatory.txt",
        {">АБАК=доска для счёта", ">КОТ=домашний зверь", ">кот=самец кошки", "КОТ=мешок",
         ">ЛЕС=[rus]деревья[/rus][eng]a wood[/eng]", ">КОТ=не найдётся"});
  }
  static QString U(const char* utf8) { return QString::fromUtf8(utf8); }
};

TEST_F(WordMeanings, ConsecutiveLinesOfAWordAreItsMeaningsAndALaterOneIsNotFound) {
  EXPECT_EQ(WordExplanations(game_, G("КОТ")),
            (QStringList{U("домашний зверь"), U("самец кошки"), U("мешок")}));
  const auto content = ExplainWord(game_, G("КОТ"));
  ASSERT_TRUE(content);
  EXPECT_EQ(content->word, U("КОТ"));
  EXPECT_EQ(content->text, U("(1)  домашний зверь\n  (2)  самец кошки\n  (3)  мешок"));
  EXPECT_FALSE(content->centred);
}

TEST_F(WordMeanings, ALanguageSectionIsShownOnlyInItsLanguage) {
  const auto content = ExplainWord(game_, G("ЛЕС"));
  ASSERT_TRUE(content);
  EXPECT_EQ(content->text, U("деревья"));
  EXPECT_TRUE(content->centred);
  // A file of another explanation language with the same line: no section, no meaning.
  WriteLanguageFile("expl/deu/explanatory.txt", {">ЛЕС=[rus]деревья[/rus][eng]a wood[/eng]"});
  game_.Settings.ExplanatoryLang = "deu";
  EXPECT_TRUE(WordExplanations(game_, G("ЛЕС")).isEmpty());
}

TEST_F(WordMeanings, TheCommentOfAnAddedWordExplainsItToo) {
  WriteLanguageFile("diction.user.add.txt",
                    {"ёж=[rus]колючий зверёк[/rus]", "КОТ=[rus]мурлыка[/rus]"});
  EXPECT_EQ(WordExplanations(game_, G("ЁЖ")), QStringList{U("колючий зверёк")});
  EXPECT_EQ(WordExplanations(game_, G("КОТ")).last(), U("мурлыка"));
}

TEST_F(WordMeanings, WithoutAMeaningThePersonIsOfferedToAddOneOrToldThereIsNone) {
  view_.AnswerQuestions({true, false});
  EXPECT_FALSE(ExplainWord(game_, G("ДЫМ")));
  EXPECT_EQ(view_.FirstArgs(ViewCallName::AskInGameQuestion)[0], U("Толковать «ДЫМ»?"));
  EXPECT_EQ(view_.CallsNamed(ViewCallName::OpenUserDictionaryOptions)[0].args,
            (QStringList{U("ДЫМ"), "added"}));
  EXPECT_FALSE(ExplainWord(game_, G("ДЫМ")));
  EXPECT_EQ(view_.CallsNamed(ViewCallName::OpenUserDictionaryOptions).size(), 1u);

  game_.Settings.AskToAddExplanation = false;
  const auto content = ExplainWord(game_, G("ДЫМ"));
  ASSERT_TRUE(content);
  EXPECT_EQ(content->text, U("Нет толкования"));
  EXPECT_EQ(view_.CallsNamed(ViewCallName::AskInGameQuestion).size(), 2u);
}

TEST_F(WordMeanings, ExplanationsAreReadFromTheIndexAsTheFileStands) {
  // No mark at the start: the first line keeps its letters. A line without ">" counts, an empty
  // line or a line without a word ends a run, and a word's later run is never found.
  test::WriteFile(dir_.path(), "dict/rus/expl/eng/explanatory.txt",
                  QByteArray(">ДОМ=house\r\nдом=home\r\n\r\n>ДОМ=hidden\r\n>ЛУГ=meadow\r\n"
                             "=no word\r\n>ЛУГ=hidden\r\n>ЯК=yak\r\n>ЯК=[eng]ox[/eng]\r\n"
                             ">ЯК=[deu]Yak[/deu]\r\n>ЯК=hairy\r\n>ЯК"));
  game_.Settings.ExplanatoryLang = "eng";
  EXPECT_EQ(WordExplanations(game_, G("дом")), (QStringList{"house", "home"}));
  EXPECT_EQ(WordExplanations(game_, G("ЛУГ")), QStringList{"meadow"});
  // a section of another language gives nothing, but the run goes on after it
  EXPECT_EQ(WordExplanations(game_, G("ЯК")), (QStringList{"yak", "ox", "hairy"}));
  EXPECT_TRUE(WordExplanations(game_, G("ДО")).isEmpty());
  EXPECT_TRUE(WordExplanations(game_, "").isEmpty());

  ExplanationIndex index;
  EXPECT_FALSE(index.Load(LanguageFilePath("expl/deu/explanatory.txt"), 1251));
  EXPECT_EQ(index.Words(), 0u);
}

TEST_F(WordMeanings, AnExplanatoryFileChangedOnDiskIsIndexedAgain) {
  EXPECT_EQ(WordExplanations(game_, G("АБАК")), QStringList{U("доска для счёта")});
  WriteLanguageFile("expl/rus/explanatory.txt", {">АБАК=счёты, а ещё доска для счёта"});
  EXPECT_EQ(WordExplanations(game_, G("АБАК")), QStringList{U("счёты, а ещё доска для счёта")});
  QFile::remove(LanguageFilePath("expl/rus/explanatory.txt"));
  EXPECT_TRUE(WordExplanations(game_, G("АБАК")).isEmpty());
}

TEST_F(WordMeanings, AnAddedWordsCommentIsFoundAtOnceAfterTheListChanged) {
  EXPECT_TRUE(WordExplanations(game_, G("ЁЖ")).isEmpty());
  WriteLanguageFile("diction.user.add.txt", {"ЁЖ=[rus]колючий[/rus]"});
  EXPECT_EQ(WordExplanations(game_, G("ЁЖ")), QStringList{U("колючий")});
  // the same size, written at once: not taken for the list read before
  WriteLanguageFile("diction.user.add.txt", {"ЁЖ=[rus]щетинка[/rus]"});
  EXPECT_EQ(WordExplanations(game_, G("ЁЖ")), QStringList{U("щетинка")});
}

}  // namespace
}  // namespace quorim
