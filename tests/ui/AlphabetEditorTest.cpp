// The alphabet editor of the options window, used with the mouse and the keyboard: figures edited
// and written on OK, what cannot be set, the factory alphabet brought back, and the editor during
// a game.

#include "ui/OptnsAlphabet.h"

#include "OptionsPageFixture.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

namespace quorim {
namespace {

class AlphabetEditor : public test::OptionsPage {
 protected:
  TAlphabetEditor& Open() { return Show(new TAlphabetEditor(game_, &host_)); }

  QToolButton& Letter(int number) const {
    return Control<QToolButton>(("LetterButton" + std::to_string(number)).c_str());
  }
  QSpinBox& Value() const { return Control<QSpinBox>("AlphabetSpinEditScore"); }
  QSpinBox& Quantity() const { return Control<QSpinBox>("AlphabetSpinEditQuantity"); }
  QWidget& Default() const { return Control("AlphabetButtonDefault"); }
  QString Label(const char* name) const { return Control<QLabel>(name).text(); }
  void Click(QWidget& button) const { QTest::mouseClick(&button, Qt::LeftButton); }
  void Step(QSpinBox& box, Qt::Key key) const { QTest::keyClick(&box, key); }
  QByteArray AlphabetFile() const { return test::ReadFile(AlphabetPlace().TextPath()); }
  bool FactoryCopyExists() const { return QFile::exists(AlphabetPlace().DefaultPath()); }
};

TEST_F(AlphabetEditor, EditedFiguresAreShownAndWrittenOnOkWithTheFactoryCopyTakenOnce) {
  const QByteArray shipped = AlphabetFile();
  TAlphabetEditor& editor = Open();
  EXPECT_TRUE(Letter(1).isChecked());
  EXPECT_EQ(Letter(33).text(), "*");
  EXPECT_FALSE(Default().isEnabled());  // no factory copy yet
  EXPECT_TRUE(editor.Write());          // nothing changed, nothing written
  EXPECT_FALSE(FactoryCopyExists());

  Click(Letter(2));
  EXPECT_EQ(Value().value(), 3);
  Step(Value(), Qt::Key_Up);
  Step(Quantity(), Qt::Key_Up);
  EXPECT_EQ(Letter(2).toolTip(), "Очки: 4\nКоличество: 3");
  EXPECT_EQ(Label("AlphabetLabelLetterShare"), "Доля в наборе из 105 (2%)");
  EXPECT_EQ(Label("AlphabetLabelBagShare"), "На поле 15x15 (225 кл.)\nБукв 'Б' в мешке: 6 (±1)");

  // A real letter is worth a point at least; the star's worth is not changed here.
  Click(Letter(1));
  Step(Value(), Qt::Key_Down);
  EXPECT_EQ(Value().value(), 1);
  Click(Letter(33));
  Step(Value(), Qt::Key_Up);
  EXPECT_EQ(Value().value(), 0);
  // A figure typed and left unconfirmed belongs to the letter it was typed for.
  Quantity().findChild<QLineEdit*>()->selectAll();
  test::TypeText(Quantity(), "7");
  Click(Letter(1));
  EXPECT_EQ(Letter(33).toolTip(), "Очки: 0\nКоличество: 7");
  editor.SetLayoutSize(20, 25);
  EXPECT_EQ(Label("AlphabetLabelBagShare"), "На поле 20x25 (500 кл.)\nБукв 'А' в мешке: 36 (±1)");

  EXPECT_EQ(game_.Alphabet.LetterValue[1], 3);  // nothing applied before OK
  EXPECT_TRUE(editor.Write());
  EXPECT_EQ(game_.Alphabet.LetterValue[1], 4);
  EXPECT_EQ(test::ReadFile(AlphabetPlace().DefaultPath()), shipped);
  const QString written = QString::fromUtf8(AlphabetFile());
  EXPECT_TRUE(written.contains("\r\nБ,4,3\r\n") && written.endsWith("\r\nЯ,3,2\r\n*,0,7\r\n"))
      << written.toStdString();

  Click(Letter(3));
  Step(Value(), Qt::Key_Up);
  EXPECT_TRUE(editor.Write());  // later edits leave the factory copy alone
  EXPECT_EQ(test::ReadFile(AlphabetPlace().DefaultPath()), shipped);
}

TEST_F(AlphabetEditor, AllQuantitiesZeroIsRefusedAndTheOldAlphabetKept) {
  game_.Alphabet.LetterQuantity.fill(0);
  game_.Alphabet.LetterQuantity[0] = 1;
  const QByteArray file = AlphabetFile();
  TAlphabetEditor& editor = Open();
  EXPECT_TRUE(Letter(1).icon().isNull());
  EXPECT_FALSE(Letter(2).icon().isNull());  // marked as left out of the game

  Step(Quantity(), Qt::Key_Down);
  EXPECT_EQ(Messages(), QStringList{Text("OptionsAlphabetMessageNullAllLetter")});
  EXPECT_EQ(Quantity().value(), 1);
  EXPECT_TRUE(editor.Write());
  EXPECT_EQ(AlphabetFile(), file);
  EXPECT_FALSE(FactoryCopyExists());
}

TEST_F(AlphabetEditor, TheFactoryAlphabetComesBackOnlyBetweenGames) {
  const QByteArray factory = AlphabetFile();
  TAlphabetEditor& editor = Open();
  Click(Letter(2));
  Step(Value(), Qt::Key_Up);
  ASSERT_TRUE(editor.Write());

  editor.Load(true);  // a game runs
  EXPECT_FALSE(Letter(1).isEnabled() || Value().isEnabled() || Quantity().isEnabled() ||
               Default().isEnabled());
  EXPECT_EQ(Letter(2).toolTip(), "Очки: 4\nКоличество: 2");

  editor.Load(false);
  Click(Default());
  EXPECT_EQ(Letter(2).toolTip(), "Очки: 3\nКоличество: 2");
  EXPECT_EQ(game_.Alphabet.LetterValue[1], 4);  // until OK
  ASSERT_TRUE(editor.Write());
  EXPECT_EQ(game_.Alphabet.LetterValue[1], 3);
  EXPECT_EQ(AlphabetFile(), factory);
}

TEST_F(AlphabetEditor, AnAlphabetThatCannotBeWrittenKeepsTheWindowOpen) {
  TAlphabetEditor& editor = Open();
  Step(Value(), Qt::Key_Up);
  // A folder where the file should be: neither the copy nor the file can be written.
  const QString path = AlphabetPlace().TextPath();
  ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path));
  EXPECT_FALSE(editor.Write());
  EXPECT_EQ(Messages(), QStringList{Text("OptionsAlphabetMessageNotSaved").replace("%s", path)});
  EXPECT_EQ(game_.Alphabet.LetterValue[0], 1);
}

}  // namespace
}  // namespace quorim
