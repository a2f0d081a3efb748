#include "dictionary/WorkingWordList.h"

#include "DictionaryFixture.h"

namespace quorim {
namespace {

using test::G;

class WorkingWordList : public test::DictionaryFixture {
 protected:
  const TextLines& Lines(const char* firstLetter) {
    static const TextLines none;
    const WordList* list = game_.WordLists.Slot(LetterListSlot(game_.Alphabet, G(firstLetter)[0]));
    return list == nullptr ? none : list->Lines();
  }
  bool Known(const char* word) { return IsDictionaryWord(game_, G(word)); }
};

TEST_F(WorkingWordList, LinesAreFiledByFirstLetterWithTheirWordsInUpperCase) {
  WriteLanguageFile("dictionary.txt", {"кот=A", "КИТ=B", "", "КОТ=AB", "ДОМ", "АБ=аб", "аба=xаба",
                                       "=A", "QWERTY", "Ёж"});
  LoadWordLists(game_, true);

  EXPECT_EQ(Lines("К"),
            (TextLines{G("КОТ=A"), G("КИТ=B"), G("КОТ=AB")}));  // order and duplicates kept
  EXPECT_EQ(Lines("А"), (TextLines{G("АБ=АБ"), G("АБА=xАБА")}));
  EXPECT_EQ(Lines("Д"), (TextLines{G("ДОМ")}));
  // Neither "=" without a word nor a word of foreign letters is kept anywhere.
  EXPECT_FALSE(game_.WordLists.Exists(kAddedWordsSlot));
  EXPECT_TRUE(Known("КОТ"));
  EXPECT_TRUE(Known("кот"));
  EXPECT_TRUE(Known("ДОМ"));
  EXPECT_TRUE(Known("Дом"));
  EXPECT_FALSE(Known("КО"));
  EXPECT_FALSE(Known("КОТЫ"));
  EXPECT_FALSE(Known("QWERTY"));
  EXPECT_FALSE(Known(""));
}

TEST_F(WorkingWordList, AnUnsortedFileKeepsEveryRunOfALetter) {
  WriteLanguageFile("dictionary.txt", {"ДОМ", "КОТ", "ДУБ"});
  LoadWordLists(game_, true);
  EXPECT_EQ(Lines("Д"), (TextLines{G("ДОМ"), G("ДУБ")}));
  EXPECT_TRUE(Known("ДОМ"));
}

TEST_F(WorkingWordList, OddLineEndingsAndAMissingMarkReadAlike) {
  test::WriteFile(dir_.path(), "dict/rus/dictionary.txt",
                  QString::fromUtf8("КОТ=A\nКИТ\rДОМ\r\n\r\nДЫМ").toUtf8());
  LoadWordLists(game_, true);
  EXPECT_EQ(Lines("К"), (TextLines{G("КОТ=A"), G("КИТ")}));
  EXPECT_TRUE(Known("ДЫМ"));
}

TEST_F(WorkingWordList, WithoutADictionaryEveryLookupFails) {
  LoadWordLists(game_, true);
  EXPECT_FALSE(Known("КОТ"));
  EXPECT_FALSE(game_.WordLists.Exists(1));
}

TEST_F(WorkingWordList, AReloadOfTheUserListsLeavesTheLetterListsAlone) {
  WriteLanguageFile("dictionary.txt", {"КОТ"});
  WriteLanguageFile("diction.user.add.txt", {"кот=[rus]мой[/rus]"});
  LoadWordLists(game_, true);
  EXPECT_EQ(game_.WordLists.Slot(kAddedWordsSlot)->Lines(), (TextLines{G("кот=[rus]мой[/rus]")}));
  EXPECT_FALSE(game_.WordLists.Exists(kExcludedWordsSlot));

  WriteLanguageFile("dictionary.txt", {"ДОМ"});
  WriteLanguageFile("diction.user.del.txt", {"КОТ"});
  LoadWordLists(game_, false);
  EXPECT_TRUE(Known("КОТ"));
  EXPECT_FALSE(Known("ДОМ"));
  EXPECT_TRUE(game_.WordLists.Holds(kExcludedWordsSlot, G("кот")));
}

class UserListsOfAMove : public WorkingWordList {
 protected:
  UserListsOfAMove() {
    WriteLanguageFile("dictionary.txt", {"КОТ", "ДОМ"});
    WriteLanguageFile("diction.user.add.txt", {"ЁЖ", "дом"});
    WriteLanguageFile("diction.user.del.txt", {"ДОМ", "КОТ"});
    test::WriteFile(
        dir_.path(), "lang/rus/strings.txt",
        test::GameFile({"[Dynamic]", "InGameQuestionAddWordToDictionary=Добавить «%s»?"}));
    game_.Strings.LoadRaw(game_.Data.Resolve(u"lang\\rus\\strings.txt"));
    LoadWordLists(game_, true);
  }

  // The lookup of a move's word followed by the user lists: whether the word counts as known.
  bool Accepted(const char* word) {
    bool found = Known(word);
    const bool taken = CheckUserWordLists(game_, G(word), found, {300, 200});
    return found || taken;
  }
};

TEST_F(UserListsOfAMove, AnAdditionOverridesAnExclusionAndAnExclusionTheDictionary) {
  EXPECT_TRUE(Accepted("ДОМ"));  // both added and excluded
  EXPECT_TRUE(Accepted("ЁЖ"));
  game_.Settings.AddCustomWord = kAddWordNo;
  EXPECT_FALSE(Accepted("КОТ"));
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::AskInGameQuestion).empty());
}

TEST_F(UserListsOfAMove, AnUnknownWordIsAddedWithoutAQuestionWhenTheRuleSaysYes) {
  game_.Settings.AddCustomWord = kAddWordYes;
  EXPECT_TRUE(Accepted("ЛЕС"));
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::AskInGameQuestion).empty());
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"), QString::fromUtf8("ЁЖ\r\nдом\r\nЛЕС\r\n"));
  EXPECT_TRUE(game_.WordLists.Holds(kAddedWordsSlot, G("лес")));
}

TEST_F(UserListsOfAMove, AskingOpensTheUserDictionaryWithTheWordOrRefusesItWithTheErrorSound) {
  view_.AnswerQuestions({true, false});
  EXPECT_TRUE(Accepted("ЛЕС"));
  const auto asked = view_.CallsNamed(ViewCallName::AskInGameQuestion);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].args, (QStringList{QString::fromUtf8("Добавить «ЛЕС»?"), "yes", "300,200"}));
  EXPECT_EQ(view_.CallsNamed(ViewCallName::OpenUserDictionaryOptions)[0].args,
            (QStringList{QString::fromUtf8("ЛЕС"), "added"}));
  EXPECT_FALSE(game_.WordLists.Holds(kAddedWordsSlot, G("ЛЕС")));  // the person adds it there

  EXPECT_FALSE(Accepted("ЛУГ"));
  EXPECT_EQ(view_.FirstArgs(ViewCallName::PlaySoundEffect), QStringList{"error"});
}

TEST_F(UserListsOfAMove, WithTheUserListsOffAnUnknownWordIsRefusedSilently) {
  game_.Settings.UseCustomDictionary = false;
  bool found = false;
  EXPECT_FALSE(CheckUserWordLists(game_, G("ЛЕС"), found, {}));
  EXPECT_FALSE(found);
  EXPECT_TRUE(view_.Calls().empty());
}

}  // namespace
}  // namespace quorim
