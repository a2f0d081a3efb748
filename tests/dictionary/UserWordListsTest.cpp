#include "dictionary/UserWordLists.h"

#include "DictionaryFixture.h"

namespace quorim {
namespace {

using test::G;

class UserDictionary : public test::DictionaryFixture {
 protected:
  UserDictionary() {
    test::WriteFile(
        dir_.path(), "lang/rus/strings.txt",
        test::GameFile({"[Dynamic]", "OptionsUserDictionaryErrorWordAlreadyInList=Уже есть",
                        "OptionsUserDictionaryCollisionAddingWordAlreadyExcluded=Исключено",
                        "OptionsUserDictionaryCollisionExcludingWordAlreadyAdded=Добавлено",
                        "OptionsUserDictionaryErrorWordNotInAlphabet=Не те буквы"}));
    game_.Strings.LoadRaw(game_.Data.Resolve(u"lang\\rus\\strings.txt"));
  }
  static QString U(const char* utf8) { return QString::fromUtf8(utf8); }
  std::vector<std::string> Words(const UserDictionaryPage& page, UserList list) const {
    std::vector<std::string> words;
    for (const UserWordRow& row : page.Rows(list)) words.push_back(row.word);
    return words;
  }
};

TEST_F(UserDictionary, ListFilesAreReadIntoWordsAndComments) {
  WriteLanguageFile("diction.user.add.txt",
                    {"кот=[rus]зверь=кошка[/rus]", "", "=без слова", "ДОМ"});
  const auto rows = ReadUserWordRows(LanguageFilePath("diction.user.add.txt"), 1251);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].word, G("кот"));
  EXPECT_EQ(rows[0].comment, G("[rus]зверь=кошка[/rus]"));
  EXPECT_EQ(rows[1].comment, "");
}

TEST_F(UserDictionary, AddingAndExcludingRefuseDuplicatesAndCollisionsWithTheirMessages) {
  WriteLanguageFile("diction.user.add.txt", {"КОТ"});
  UserDictionaryPage page(game_);
  EXPECT_EQ(page.AddWord(U("КОТ"), false), UserListChange::AlreadyListed);
  EXPECT_EQ(page.AddWord(U("кот"), false), UserListChange::Added);  // the list compares exactly
  EXPECT_EQ(page.ExcludeWord(U("ДОМ")), UserListChange::Added);
  EXPECT_EQ(page.AddWord(U("ДОМ"), false), UserListChange::Collision);
  EXPECT_EQ(page.ExcludeWord(U("КОТ")), UserListChange::Collision);
  EXPECT_EQ(page.ExcludeWord(U("")), UserListChange::Ignored);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::ShowMessageBox),
            (QStringList{U("Уже есть"), U("Исключено"), U("Добавлено")}));

  EXPECT_EQ(Words(page, UserList::Added), (std::vector<std::string>{G("КОТ"), G("кот")}));
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"), U("КОТ\r\nкот\r\n"));
  EXPECT_EQ(LanguageFileText("diction.user.del.txt"), U("ДОМ\r\n"));
  // The working list took both changes; lookups treat кот and КОТ alike.
  EXPECT_TRUE(game_.WordLists.Holds(kExcludedWordsSlot, G("ДОМ")));
  EXPECT_TRUE(game_.WordLists.Holds(kAddedWordsSlot, G("КОТ")));
}

TEST_F(UserDictionary, AnAddedWordMustBeSpelledInTheAlphabetInEitherCase) {
  UserDictionaryPage page(game_);
  for (const char* typed : {"KOT", "К0Т", "ЁЖ"})  // Latin look-alikes, a digit, no Ё here
    EXPECT_EQ(page.AddWord(U(typed), false), UserListChange::ForeignLetters) << typed;
  // Lower-case а has the byte of the star's character, yet it is the letter А.
  EXPECT_EQ(page.AddWord(U("а"), false), UserListChange::Added);
  EXPECT_EQ(page.ExcludeWord(U("KOT")), UserListChange::Added);  // harmless there
  EXPECT_EQ(view_.FirstArgs(ViewCallName::ShowMessageBox), QStringList(3, U("Не те буквы")));
}

TEST_F(UserDictionary, AWordOfAMoveThatIsAlreadyAddedIsSelectedInsteadOfRefused) {
  WriteLanguageFile("diction.user.add.txt", {"ДОМ", "КОТ"});
  UserDictionaryPage page(game_);
  EXPECT_EQ(page.AddWord(U("КОТ"), true), UserListChange::AlreadyListed);
  EXPECT_EQ(page.SelectedRow(), 1);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::ShowMessageBox).empty());
}

TEST_F(UserDictionary, CommentsAreKeptPerExplanationLanguageOnOneLine) {
  UserDictionaryPage page(game_);
  game_.Settings.ExplanatoryLang = "rus";
  page.AddWord(U("КОТ"), false);
  page.EditComment(U("домашний\r\nзверь"));
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"), U("КОТ=[rus]домашний зверь[/rus]\r\n"));

  game_.Settings.ExplanatoryLang = "eng";
  page.SelectRow(UserList::Added, 0);
  EXPECT_EQ(page.CommentBox(), "");
  page.EditComment("a pet");
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"),
            U("КОТ=[rus]домашний зверь[/rus][eng]a pet[/eng]\r\n"));

  game_.Settings.ExplanatoryLang = "rus";
  page.SelectRow(UserList::Added, 0);
  EXPECT_EQ(page.CommentBox(), U("домашний зверь"));
  page.EditComment(U("кошка"));
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"),
            U("КОТ=[eng]a pet[/eng][rus]кошка[/rus]\r\n"));
  EXPECT_EQ(game_.WordLists.Slot(kAddedWordsSlot)->Lines(),
            TextLines{G("КОТ=[eng]a pet[/eng][rus]кошка[/rus]")});
}

TEST_F(UserDictionary, APlainCommentOfAnOlderListIsTheDictionaryLanguagesAndIsNotLost) {
  WriteLanguageFile("diction.user.add.txt", {"КОТ=кошка"});
  UserDictionaryPage page(game_);
  game_.Settings.ExplanatoryLang = "eng";
  page.SelectRow(UserList::Added, 0);
  EXPECT_EQ(page.CommentBox(), "");
  page.EditComment("a pet");
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"),
            U("КОТ=[rus]кошка[/rus][eng]a pet[/eng]\r\n"));

  game_.Settings.ExplanatoryLang.clear();  // comments are then the dictionary language's
  page.SelectRow(UserList::Added, 0);
  EXPECT_EQ(page.CommentBox(), U("кошка"));
}

TEST_F(UserDictionary, RemovingRowsKeepsTheSelectionAndTheLastRemovalDeletesTheFiles) {
  WriteLanguageFile("diction.user.del.txt", {"ДОМ=не слово", "КОТ", "ЛЕС=диалект"});
  WriteLanguageFile("diction.xx", {"старое"});
  UserDictionaryPage page(game_);
  page.SelectRow(UserList::Excluded, 2);
  EXPECT_EQ(page.CommentBox(), U("диалект"));
  page.RemoveRows(UserList::Excluded, {1});
  EXPECT_EQ(Words(page, UserList::Excluded), (std::vector<std::string>{G("ДОМ"), G("ЛЕС")}));
  EXPECT_EQ(page.SelectedRow(), 1);  // the remembered row is gone: the last one
  EXPECT_EQ(LanguageFileText("diction.user.del.txt"), U("ДОМ=не слово\r\nЛЕС=диалект\r\n"));

  page.RemoveRows(UserList::Excluded, {0, 1});
  EXPECT_FALSE(LanguageFileExists("diction.user.del.txt"));
  EXPECT_FALSE(LanguageFileExists("diction.xx"));
  EXPECT_EQ(page.CommentBox(), "");
  EXPECT_FALSE(game_.WordLists.Exists(kExcludedWordsSlot));
}

}  // namespace
}  // namespace quorim
