// The user dictionary page of the options window, used with the mouse and the keyboard: words
// added and excluded, what is refused and why, comments per explanation language, removals, the
// word actions the window is opened with; and the texts of both option pages.

#include "ui/OptnsAlphabet.h"
#include "ui/OptnsUserDict.h"

#include "OptionsPageFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quorim {
namespace {

class UserDictionaryPage : public test::OptionsPage {
 protected:
  TUserDictionaryPage& Open() { return Show(new TUserDictionaryPage(game_, &host_)); }

  QListWidget& List(const char* name) const { return Control<QListWidget>(name); }
  QPlainTextEdit& Comment() const { return Control<QPlainTextEdit>("TextboxCustomWordComment"); }
  void Click(const char* button) const {
    QTest::mouseClick(&Control<QPushButton>(button), Qt::LeftButton);
  }
  void TypeAndClick(const char* edit, const QString& word, const char* button) const {
    QTest::mouseClick(&Control<QLineEdit>(edit), Qt::LeftButton);
    Control<QLineEdit>(edit).selectAll();
    test::TypeText(Control<QLineEdit>(edit), word);
    Click(button);
  }
  void ClickRow(const char* list, int row, Qt::KeyboardModifiers keys = {}) const {
    QListWidget& box = List(list);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, keys,
                      box.visualItemRect(box.item(row)).center());
  }
  void TypeComment(const QString& text) const {
    QTest::mouseClick(Comment().viewport(), Qt::LeftButton);
    test::TypeText(Comment(), text);
  }
  // The words of a list box, or only the selected ones.
  static QStringList Words(const QListWidget& box, bool selected = false) {
    QStringList words;
    for (int i = 0; i < box.count(); ++i)
      if (!selected || box.item(i)->isSelected()) words.append(box.item(i)->text());
    return words;
  }
};

TEST_F(UserDictionaryPage, AddingAndExcludingCompareExactlyAndRefuseWithTheirMessages) {
  WriteLanguageFile("diction.user.add.txt", {"КОТ"});
  WriteLanguageFile("diction.user.del.txt", {"ДОМ"});
  Open();
  EXPECT_FALSE(Control("UserDictionaryButtonWordAdd").isEnabled());  // nothing typed

  TypeAndClick("Edit1", "кот", "UserDictionaryButtonWordAdd");
  EXPECT_EQ(Words(List("ListBox1")), (QStringList{"КОТ", "кот"}));
  EXPECT_EQ(Words(List("ListBox1"), true), QStringList{"кот"});
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"), "КОТ\r\nкот\r\n");

  TypeAndClick("Edit1", "КОТ", "UserDictionaryButtonWordAdd");
  TypeAndClick("Edit1", "ДОМ", "UserDictionaryButtonWordAdd");
  TypeAndClick("Edit2", "ДОМ", "UserDictionaryButtonWordExclude");
  TypeAndClick("Edit2", "кот", "UserDictionaryButtonWordExclude");
  TypeAndClick("Edit1", "ко т", "UserDictionaryButtonWordAdd");
  EXPECT_EQ(Messages(),
            (QStringList{Text("OptionsUserDictionaryErrorWordAlreadyInList"),
                         Text("OptionsUserDictionaryCollisionAddingWordAlreadyExcluded"),
                         Text("OptionsUserDictionaryErrorWordAlreadyInList"),
                         Text("OptionsUserDictionaryCollisionExcludingWordAlreadyAdded"),
                         Text("OptionsUserDictionaryErrorWordNotInAlphabet")}));
  EXPECT_EQ(Control<QLineEdit>("Edit1").text(), "ко т");  // left to be corrected
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"), "КОТ\r\nкот\r\n");
  EXPECT_EQ(LanguageFileText("diction.user.del.txt"), "ДОМ\r\n");

  TypeAndClick("Edit2", " лес ", "UserDictionaryButtonWordExclude");
  EXPECT_EQ(LanguageFileText("diction.user.del.txt"), "ДОМ\r\nлес\r\n");
  EXPECT_TRUE(Words(List("ListBox1"), true).isEmpty());
  EXPECT_EQ(Words(List("ListBox2"), true), QStringList{"лес"});
}

TEST_F(UserDictionaryPage, ACommentIsKeptOnOneLineInTheSectionOfEachExplanationLanguage) {
  game_.Settings.ExplanatoryLang = "rus";
  WriteLanguageFile("diction.user.add.txt", {"КОТ"});
  WriteLanguageFile("diction.user.del.txt", {"ДОМ=не слово"});
  TUserDictionaryPage& page = Open();
  EXPECT_FALSE(Comment().isEnabled());  // no word to comment yet

  ClickRow("ListBox1", 0);
  TypeComment("домашний");
  QTest::keyClick(&Comment(), Qt::Key_Return);
  TypeComment("зверь");
  ClickRow("ListBox2", 0);  // leaving the box keeps the comment
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"), "КОТ=[rus]домашний зверь[/rus]\r\n");
  EXPECT_EQ(Comment().toPlainText(), "не слово");

  game_.Settings.ExplanatoryLang = "eng";
  page.Load();
  ClickRow("ListBox1", 0);
  EXPECT_EQ(Comment().toPlainText(), "");
  TypeComment("a pet");
  host_.hide();  // the window closes while the comment is typed
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"),
            "КОТ=[rus]домашний зверь[/rus][eng]a pet[/eng]\r\n");

  game_.Settings.ExplanatoryLang = "rus";
  page.Load();
  ShowWindow();
  ClickRow("ListBox1", 0);
  EXPECT_EQ(Comment().toPlainText(), "домашний зверь");
  // A comment as long as an article is kept whole.
  QString article;
  while (article.size() < 3000) article += QStringLiteral("длинное толкование ");
  QTest::mouseClick(Comment().viewport(), Qt::LeftButton);
  Comment().selectAll();
  test::TypeText(Comment(), article);
  ClickRow("ListBox2", 0);
  page.Load();
  ClickRow("ListBox1", 0);
  EXPECT_EQ(Comment().toPlainText(), article);
  EXPECT_EQ(LanguageFileText("diction.user.add.txt"),
            "КОТ=[eng]a pet[/eng][rus]" + article + "[/rus]\r\n");
}

TEST_F(UserDictionaryPage, RemovingTheLastExcludedWordsDeletesTheirFiles) {
  WriteLanguageFile("diction.user.del.txt", {"ДОМ=не слово", "ЛЕС", "КОТ"});
  WriteLanguageFile("diction.xx", {"старое"});
  Open();
  EXPECT_FALSE(Control("UserDictionaryButtonWordUnExclude").isEnabled());  // nothing selected
  ClickRow("ListBox2", 1);
  Click("UserDictionaryButtonWordUnExclude");
  EXPECT_EQ(Words(List("ListBox2"), true), QStringList{"КОТ"});  // the row stays where it was
  EXPECT_EQ(LanguageFileText("diction.user.del.txt"), "ДОМ=не слово\r\nКОТ\r\n");

  ClickRow("ListBox2", 0);
  ClickRow("ListBox2", 1, Qt::ControlModifier);
  Click("UserDictionaryButtonWordUnExclude");
  EXPECT_EQ(List("ListBox2").count(), 0);
  EXPECT_FALSE(QFile::exists(LanguageFile("diction.user.del.txt")));
  EXPECT_FALSE(QFile::exists(LanguageFile("diction.xx")));
  EXPECT_FALSE(Comment().isEnabled());
}

TEST_F(UserDictionaryPage, TheWordOfAMoveIsAddedOrSelectedForItsExplanation) {
  WriteLanguageFile("diction.user.add.txt", {"ДОМ", "КОТ=[rus]зверь[/rus]"});
  TUserDictionaryPage& page = Open();
  page.StartWordAction(TUserDictionaryPage::kTagAddWord, "КОТ");
  EXPECT_EQ(Words(List("ListBox1"), true), QStringList{"КОТ"});
  EXPECT_EQ(Comment().toPlainText(), "зверь");
  EXPECT_TRUE(Comment().hasFocus());
  page.StartWordAction(TUserDictionaryPage::kTagAddWord, "ЛЕС");
  EXPECT_EQ(Words(List("ListBox1"), true), QStringList{"ЛЕС"});
  // Within that window a word already added is selected however it comes.
  TypeAndClick("Edit1", "ДОМ", "UserDictionaryButtonWordAdd");
  EXPECT_EQ(Words(List("ListBox1"), true), QStringList{"ДОМ"});
  EXPECT_TRUE(Messages().isEmpty());

  page.Load();  // opened again for the options
  TypeAndClick("Edit1", "ДОМ", "UserDictionaryButtonWordAdd");
  EXPECT_EQ(Messages(), QStringList{Text("OptionsUserDictionaryErrorWordAlreadyInList")});
  page.StartWordAction(TUserDictionaryPage::kTagExcludeWord, "ПЕС");
  EXPECT_EQ(LanguageFileText("diction.user.del.txt"), "ПЕС\r\n");
}

TEST_F(UserDictionaryPage, BothPagesTakeEveryCaptionAndHintFromTheLanguageFiles) {
  WriteLanguageFile("diction.user.add.txt", {"КОТ=[rus]домашний зверь[/rus]", "ДОМ", "ЛЕС"});
  WriteLanguageFile("diction.user.del.txt", {"ПЕС=не слово"});
  game_.Alphabet.LetterQuantity[25] = 0;  // Щ is left out of the game
  TUserDictionaryPage& page = Open();
  auto& alphabet = *new TAlphabetEditor(game_, &host_);
  host_.layout()->addWidget(&alphabet);
  host_.resize(600, 840);
  ClickRow("ListBox1", 0);
  QStringList letterHints;
  for (const char* lang : {"eng", "rus"}) {
    UseInterfaceLanguage(lang);
    alphabet.Relabel();
    test::Shoot(page, QStringLiteral("userdict-") + QLatin1String(lang));
    test::Shoot(alphabet, QStringLiteral("alphabet-") + QLatin1String(lang));
    for (const QWidget* control : host_.findChildren<QWidget*>()) {
      const QString name = control->objectName();
      if (name.isEmpty() || name.startsWith(u"qt_")) continue;
      const auto* label = qobject_cast<const QLabel*>(control);
      EXPECT_FALSE(control->toolTip().isEmpty() && (label == nullptr || label->text().isEmpty()))
          << lang << ' ' << name.toStdString();
    }
    letterHints << Control("LetterButton1").toolTip();
  }
  EXPECT_EQ(letterHints, (QStringList{"Points: 1\nQuantity: 8", "Очки: 1\nКоличество: 8"}));
  EXPECT_EQ(Control<QPushButton>("UserDictionaryButtonWordAdd").text(), "Добавить");
}

}  // namespace
}  // namespace quorim
