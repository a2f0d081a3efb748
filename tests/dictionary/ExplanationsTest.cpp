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

}  // namespace
}  // namespace quorim
