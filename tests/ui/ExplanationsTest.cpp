// The explanation window over a running game, and the explanation panel above the board: what
// they show, what their buttons and keys do, and how the panel's word box judges what is typed.

#include "MainScreenFixture.h"
#include "media/Colors.h"
#include "ui/ExplPanel.h"
#include "ui/Explform.h"
#include "ui/Optns.h"
#include "ui/playfrm.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace quorim {
namespace {

class Explanations : public BoardScreen {
 protected:
  Game& StartWithExplanations(const char* explanatoryLang) {
    Game& game = StartGameOfTwo();
    game.Settings.ExplanatoryLang = QString::fromLatin1(explanatoryLang);
    return game;
  }

  TExplanationWindow& Window() { return main_->ExplanationWindow(); }
  QLabel* Label(const char* name) { return Window().findChild<QLabel*>(QLatin1String(name)); }
  bool PanelsEnabled() const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (dynamic_cast<TPlayForm*>(window) != nullptr && window->objectName().startsWith(u"Pl") &&
          window->isVisible() && !window->isEnabled())
        return false;
    }
    return true;
  }

  // The switch on the control panel, clicked.
  TExplanationPanel& OpenPanel() {
    auto* face = Find<QLabel>(QStringLiteral("MenuButton5"));
    EXPECT_NE(face, nullptr);
    if (face != nullptr) QTest::mouseClick(face, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_NE(main_->ExplanationPanel(), nullptr);
    return *main_->ExplanationPanel();
  }
  static void Fill(TExplanationPanel& panel) {
    while (panel.FillStep()) {
    }
  }
  static QColor BoxColor(TExplanationPanel& panel) {
    return panel.Box().lineEdit()->palette().color(QPalette::Base);
  }
  QToolButton* Button(const char* name) const { return Find<QToolButton>(QLatin1String(name)); }
  // The options window the word buttons open: the word has joined the user's list; OK closes it.
  void ExpectWordInOptionsLater(const char* list, const QString& word) {
    test::Later([this, list, word] {
      TOptions* options = main_->OptionsWindow();
      ASSERT_NE(options, nullptr);
      EXPECT_FALSE(options->findChild<QListWidget*>(QLatin1String(list))
                       ->findItems(word, Qt::MatchFixedString)
                       .isEmpty());
      QTest::mouseClick(options->findChild<QPushButton*>(QStringLiteral("ButtonOK")),
                        Qt::LeftButton);
    });
  }
  // Letters typed at the keyboard, Cyrillic ones too.
  static void Type(QWidget* widget, const QString& text) {
    for (const QChar letter : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
      QApplication::sendEvent(widget, &press);
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(letter));
      QApplication::sendEvent(widget, &release);
    }
  }
};

TEST_F(Explanations, SeveralMeaningsAreNumberedCopiedAndEscClosesBothWindows) {
  StartWithExplanations("eng");
  main_->ShowExplanation(QStringLiteral("абзац"));
  ASSERT_TRUE(Window().IsOpen());
  EXPECT_EQ(Label("Ex_Word")->text(), QStringLiteral("АБЗАЦ"));
  const QString text = Label("Ex_Explanation")->text();
  EXPECT_EQ(text, QStringLiteral("(1)  paragraph\n  (2)  rubric\n  (3)  indention; indentation; "
                                 "indent"));
  EXPECT_TRUE(Label("Ex_Explanation")->alignment() & Qt::AlignLeft);
  EXPECT_EQ(Label("Ex_Language")->text(), QStringLiteral("Английский"));
  EXPECT_EQ(Window().width(), 347);
  EXPECT_EQ(Window().height(), Label("Ex_Explanation")->height() + 110);
  EXPECT_EQ(Window().Shadow().geometry(), Window().geometry().translated(7, 10));
  EXPECT_TRUE(Window().Shadow().isVisible());
  EXPECT_FALSE(PanelsEnabled());

  QTest::mouseClick(Label("Ex_CopyButton"), Qt::LeftButton, {}, QPoint(12, 12));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("АБЗАЦ\r") + text);

  // a second word replaces the first; one meaning stands centred
  main_->ShowExplanation(QStringLiteral("АБАК"));
  EXPECT_EQ(Label("Ex_Explanation")->text(), QStringLiteral("abacus"));
  EXPECT_TRUE(Label("Ex_Explanation")->alignment() & Qt::AlignHCenter);

  QTest::keyClick(&Window(), Qt::Key_Escape);
  EXPECT_FALSE(Window().IsOpen());
  EXPECT_FALSE(Window().Shadow().isVisible());
  EXPECT_TRUE(PanelsEnabled());

  // Esc in the main window closes an open explanation instead of asking to leave the game
  main_->ShowExplanation(QStringLiteral("АБАК"));
  QTest::keyClick(main_.get(), Qt::Key_Escape);
  EXPECT_FALSE(Window().IsOpen());
  EXPECT_TRUE(main_->isVisible());
  EXPECT_FALSE(main_->MessageWindow().isVisible());
}

TEST_F(Explanations, TheCloseButtonHidesTheWindowAndAWordWithoutMeaningOpensNone) {
  Game& game = StartWithExplanations("eng");
  main_->ShowExplanation(QStringLiteral("АБАК"));
  QLabel* close = Label("Ex_CloseButton");
  EXPECT_EQ(close->geometry().topLeft(), QPoint(Window().width() - 45, Window().height() - 45));
  QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(Window().IsOpen());
  EXPECT_TRUE(PanelsEnabled());

  game.Settings.AskToAddExplanation = false;
  main_->ShowExplanation(QStringLiteral("ЪЪЪ"));
  ASSERT_TRUE(Window().IsOpen());
  EXPECT_EQ(Label("Ex_Explanation")->text(), game.InterfaceText(u"InGameMessageNoWordExplanation"));

  // asked whether to add one, and No: no window
  game.Settings.AskToAddExplanation = true;
  test::Later([this] { main_->MessageWindow().Answer(false); }, 50);
  main_->ShowExplanation(QStringLiteral("ЪЪЪ"));
  EXPECT_FALSE(Window().IsOpen());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Explanations, WithoutAnExplanationLanguageThePanelSaysSoUntilALanguageIsChosen) {
  Game& game = StartWithExplanations("");
  const QRect boardBefore = BoardWidget()->geometry();
  TExplanationPanel& panel = OpenPanel();
  auto* note = Find<QLabel>(QStringLiteral("EP_NoDictionaryLabel"));
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(), game.InterfaceText(u"ShowExplanationNoDictionaties")
                              .replace(QStringLiteral("%s"), QStringLiteral("Русский")));
  EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(128, 0, 0));
  EXPECT_EQ(Button("EP_ExplButton"), nullptr);
  // the strip stands above the board, which has moved down to make room
  auto* strip = Find<QLabel>(QStringLiteral("ExplImage"));
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(BoardWidget()->y(), boardBefore.y() + strip->height());
  EXPECT_EQ(strip->geometry().bottom() + 1, BoardWidget()->y());
  EXPECT_EQ(panel.Box().width(),
            BoardWidget()->width() / 3 >= 200 ? 210 : BoardWidget()->width() / 3);

  // the one explanation folder of the Russian dictionary: English
  QToolButton* english = Button("EP_LangButton1");
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(english->toolTip(), QStringLiteral("Английский"));
  QTest::mouseClick(english, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(game.Settings.ExplanatoryLang, QStringLiteral("eng"));
  EXPECT_NE(Button("EP_ExplButton"), nullptr);
  EXPECT_NE(Find(QStringLiteral("EP_bevel0")), nullptr);
  EXPECT_NE(Find(QStringLiteral("EP_bevel1")), nullptr);
  EXPECT_EQ(Find(QStringLiteral("EP_NoDictionaryLabel")), nullptr);

  // the switch again: the panel goes and the board comes back up
  QTest::mouseClick(Find<QLabel>(QStringLiteral("MenuButton5")), Qt::LeftButton, {},
                    QPoint(20, 10));
  EXPECT_EQ(main_->ExplanationPanel(), nullptr);
  EXPECT_EQ(BoardWidget()->geometry(), boardBefore);
  EXPECT_EQ(Find(QStringLiteral("ExplCBox")), nullptr);
}

TEST_F(Explanations, TheBoxFillsInStepsAndColoursAWordItDoesNotKnow) {
  Game& game = StartWithExplanations("eng");
  TExplanationPanel& panel = OpenPanel();
  EXPECT_FALSE(panel.Box().isEnabled());
  EXPECT_EQ(panel.Box().currentText(), game.InterfaceText(u"StatusLoading").toLower());
  Fill(panel);
  EXPECT_TRUE(panel.Box().isEnabled());
  EXPECT_TRUE(panel.Box().currentText().isEmpty());
  EXPECT_GT(panel.Box().count(), 1000);

  panel.Box().setFocus();
  Type(panel.Box().lineEdit(), QStringLiteral("кво"));
  EXPECT_EQ(panel.Box().currentText(), QStringLiteral("КВО"));  // typed in capitals
  EXPECT_EQ(BoxColor(panel), ColorFromWindows(14145535));
  EXPECT_FALSE(panel.Box().view()->isVisible());

  // the add button takes the unknown word into the box's list and opens the user's words with it
  const int count = panel.Box().count();
  ExpectWordInOptionsLater("ListBox1", QStringLiteral("КВО"));
  QTest::mouseClick(Button("EP_AddButton"), Qt::LeftButton);
  EXPECT_EQ(panel.Box().count(), count + 1);
  EXPECT_EQ(BoxColor(panel), QColor(Qt::white));

  // a word of the dictionary typed in full opens the list on it
  panel.Box().lineEdit()->clear();
  Type(panel.Box().lineEdit(), QStringLiteral("абза"));
  EXPECT_EQ(BoxColor(panel), ColorFromWindows(14145535));
  Type(panel.Box().lineEdit(), QStringLiteral("ц"));
  EXPECT_EQ(BoxColor(panel), QColor(Qt::white));
  EXPECT_TRUE(panel.Box().view()->isVisible());
  panel.Box().hidePopup();
  EXPECT_FALSE(panel.Box().hasFocus());

  QTest::mouseClick(Button("EP_ExplButton"), Qt::LeftButton);
  ASSERT_TRUE(Window().IsOpen());
  EXPECT_EQ(Label("Ex_Word")->text(), QStringLiteral("АБЗАЦ"));
}

TEST_F(Explanations, ALanguageButtonShowsTheOpenExplanationAgainInItsLanguage) {
  // Ann plays the English dictionary, whose words are explained in English and in Russian
  test::WriteFile(dir_.path(), "ann.ini",
                  test::GameFile({"InterfaceLang=eng", "DictionaryLang=eng"}));
  Game& game = StartWithExplanations("eng");
  TExplanationPanel& panel = OpenPanel();
  Fill(panel);
  main_->ShowExplanation(QStringLiteral("cat"));
  ASSERT_TRUE(Window().IsOpen());
  EXPECT_EQ(Label("Ex_Language")->text(), QStringLiteral("English"));
  EXPECT_TRUE(Label("Ex_Explanation")->text().startsWith(u"(1)  (n.) feline mammal"));
  QToolButton* english = Button("EP_LangButton1");
  QToolButton* russian = Button("EP_LangButton2");
  ASSERT_NE(russian, nullptr);
  EXPECT_EQ(english->text(), QStringLiteral("English"));
  EXPECT_EQ(russian->toolTip(), QStringLiteral("Russian"));
  EXPECT_EQ(Find(QStringLiteral("EP_bevel1"))->geometry(),
            english->geometry().adjusted(-3, -3, 3, 3));

  QTest::mouseClick(russian, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(game.Settings.ExplanatoryLang, QStringLiteral("rus"));
  EXPECT_EQ(panel.Box().currentText(), QStringLiteral("CAT"));
  ASSERT_TRUE(Window().IsOpen());
  EXPECT_EQ(Label("Ex_Language")->text(), QStringLiteral("Russian"));
  EXPECT_TRUE(Label("Ex_Explanation")->text().startsWith(u"(1)  сущ. кот, кошка"));
  EXPECT_EQ(Find(QStringLiteral("EP_bevel1")), nullptr);
  ASSERT_NE(Find(QStringLiteral("EP_bevel2")), nullptr);
  EXPECT_EQ(Find(QStringLiteral("EP_bevel2"))->geometry(),
            Button("EP_LangButton2")->geometry().adjusted(-3, -3, 3, 3));
  // the new explain button has its hint from the language file
  EXPECT_FALSE(Button("EP_ExplButton")->toolTip().isEmpty());
  EXPECT_FALSE(PanelsEnabled());

  // excluding a word of the dictionary keeps the box as it is; a word it lacks cannot be excluded
  ExpectWordInOptionsLater("ListBox2", QStringLiteral("CAT"));
  QTest::mouseClick(Button("EP_DelButton"), Qt::LeftButton);
  EXPECT_EQ(panel.Box().currentText(), QStringLiteral("CAT"));
  EXPECT_EQ(BoxColor(panel), QColor(Qt::white));
}

}  // namespace
}  // namespace quorim
