// The star window: which letters it offers and where, what a click, Esc and the close button give
// back, and where it stands.

#include "TestFiles.h"
#include "UiTestSupport.h"
#include "media/SkinFonts.h"
#include "model/Alphabet.h"
#include "ui/ControlRegistry.h"
#include "ui/Errormes.h"
#include "ui/Skin.h"
#include "ui/Strwnd.h"

#include <QLabel>
#include <QMovie>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace quorim {
namespace {

using test::Later;

const DataDir kShipped(QStringLiteral(QUORIM_SHIPPED_DATA));

Alphabet LoadedAlphabet(const DataDir& data, const char* lang, int codePage) {
  Alphabet alphabet;
  EXPECT_FALSE(LoadAlphabet(alphabet, {data, QString::fromLatin1(lang), codePage}));
  return alphabet;
}

class StarWindow : public ::testing::Test {
 protected:
  // With the faces of FONTS\, as the game registers them at start-up.
  StarWindow() { skin.SetBaseFonts(fonts.RoleFaces()); }

  QLabel* Label(int i) { return window.LetterLabel(i); }
  QLabel* Close() { return window.findChild<QLabel*>(QStringLiteral("ButtonClose")); }
  bool Shown(QLabel* label) { return label != nullptr && label->isVisibleTo(&window); }
  void Click(QWidget* control) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, control->geometry().center());
  }
  void MoveTo(QWidget* control) {
    QTest::mouseMove(window.windowHandle(), control->geometry().center());
  }
  std::optional<char> Ask(std::function<void()> step, QPoint at = {300, 200}) {
    Later(std::move(step));
    return window.Ask(at);
  }

  PrivateFonts fonts{kShipped};
  Skin skin{kShipped, QStringLiteral("classic")};
  TShadowWindow shadow;
  TStarWindow window{skin, shadow};
  Alphabet english = LoadedAlphabet(kShipped, "eng", 1252);
  Alphabet russian = LoadedAlphabet(kShipped, "rus", 1251);
  test::Watchdog watchdog{[this] { window.Cancel(); }};
};

TEST_F(StarWindow, OffersTheAlphabetsLettersWithTheirValuesUpTo32) {
  window.LayOut(russian, 1251);
  window.LayOut(english, 1252);
  QString letters;
  for (int i = 1; i <= 26; ++i) {
    ASSERT_TRUE(Shown(Label(i)) && Shown(window.ValueLabel(i))) << i;
    letters += Label(i)->text();
    EXPECT_EQ(window.ValueLabel(i)->text().toInt(), english.LetterValue[i - 1]) << i;
  }
  EXPECT_EQ(letters, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
  for (int i = 27; i <= TStarWindow::kPlaces; ++i)
    EXPECT_FALSE(Shown(Label(i)) || Shown(window.ValueLabel(i))) << i;
  EXPECT_TRUE(Close()->movie());

  // Russian with Ё among its letters has 33: Я, the last, is left out, and so is the star.
  QTemporaryDir dir;
  QByteArray withYo = test::ReadFile(kShipped.Resolve(u"dict/rus/alphabet.txt"));
  withYo.replace(QStringLiteral("Е,1,8\r\n").toUtf8(),
                 QStringLiteral("Е,1,8\r\nЁ,3,1\r\n").toUtf8());
  test::WriteFile(dir.path(), QStringLiteral("dict/rus/alphabet.txt"), withYo);
  const Alphabet longer = LoadedAlphabet(DataDir(dir.path()), "rus", 1251);
  ASSERT_EQ(longer.AlphabetSize, 33);
  window.LayOut(longer, 1251);
  for (int i = 1; i <= TStarWindow::kPlaces; ++i) EXPECT_TRUE(Shown(Label(i))) << i;
  EXPECT_EQ(Label(7)->text(), QStringLiteral("Ё"));
  EXPECT_EQ(Label(32)->text(), QStringLiteral("Ю"));
}

TEST_F(StarWindow, LettersAndValuesStandWholeAndApartInsideThePictureFrame) {
  for (const auto& [alphabet, codePage] : {std::pair(&russian, 1251), std::pair(&english, 1252)}) {
    window.LayOut(*alphabet, codePage);
    const QRect inside = window.rect().adjusted(8, 8, -8, -8);
    EXPECT_TRUE(inside.contains(Close()->geometry()));
    for (int i = 1; i <= alphabet->AlphabetSize; ++i) {
      const QRect letter = Label(i)->geometry();
      EXPECT_EQ(letter.size(), QSize(22, 29));
      EXPECT_TRUE(inside.contains(letter) && inside.contains(window.ValueLabel(i)->geometry()))
          << i;
      EXPECT_LE(QFontMetrics(Label(i)->font()).horizontalAdvance(Label(i)->text()), 22) << i;
      EXPECT_FALSE(letter.intersects(Close()->geometry())) << i;
      for (int j = 1; j < i; ++j) EXPECT_FALSE(letter.intersects(Label(j)->geometry())) << i;
    }
  }
}

TEST_F(StarWindow, AClickedLetterIsGivenBackAndKept) {
  window.LayOut(russian, 1251);
  const QFont font = Label(3)->font();
  QRect placed, shadowPlaced;
  EXPECT_EQ(Ask([&] {
              placed = window.geometry();
              shadowPlaced = shadow.isVisible() ? shadow.geometry() : QRect();
              Click(Label(3));
            }),
            '\xC2');  // В
  EXPECT_EQ(placed, QRect(300, 200, 205, 216));
  EXPECT_EQ(shadowPlaced, placed.translated(7, 7));
  EXPECT_FALSE(shadow.isVisible());
  EXPECT_EQ(window.pos(), QPoint(0, 0));
  EXPECT_EQ(Label(3)->font(), font);  // back from its shrinking, for the next star

  // A click on a letter's value is a click on the letter.
  EXPECT_EQ(Ask([&] { Click(window.ValueLabel(1)); }), '\xC0');
  EXPECT_EQ(window.ChosenLetters(), std::string("\xC2\xC0"));
  window.ClearChosenLetters();
  EXPECT_EQ(window.ChosenLetters(), std::string());
}

TEST_F(StarWindow, EscTheCloseButtonAndACancelGiveNoLetter) {
  window.LayOut(english, 1252);
  EXPECT_EQ(Ask([] { test::PressKey(Qt::Key_Escape); }), std::nullopt);
  EXPECT_EQ(Ask([&] { Click(Close()); }), std::nullopt);
  EXPECT_EQ(Ask([&] { window.Cancel(); }), std::nullopt);
  EXPECT_EQ(window.ChosenLetters(), std::string());
  EXPECT_FALSE(shadow.isVisible());
  EXPECT_EQ(window.pos(), QPoint(0, 0));
}

TEST_F(StarWindow, TheLetterUnderTheMouseIsLitWithItsLetterAsHintUntilTheNext) {
  window.LayOut(english, 1252);
  const auto color = [](QLabel* label) { return label->palette().color(QPalette::WindowText); };
  const QColor normal = color(Label(2));
  const QColor over = skin.Color(QStringLiteral("StarWindowLetterOver"), 8388736);
  ASSERT_NE(normal, over);
  std::vector<QColor> seen;
  Ask([&] {
    MoveTo(Label(2));
    seen = {color(Label(2))};
    EXPECT_EQ(Label(2)->toolTip(), QStringLiteral("B"));
    MoveTo(Label(9));
    seen.insert(seen.end(), {color(Label(2)), color(Label(9))});
    window.Cancel();
  });
  EXPECT_EQ(seen, (std::vector<QColor>{over, normal, over}));
  QLabel* litOnOpening = Label(1);
  Ask([&] {
    litOnOpening = window.Highlighted();
    window.Cancel();
  });
  EXPECT_EQ(litOnOpening, nullptr);
  EXPECT_EQ(color(Label(9)), normal);
}

TEST_F(StarWindow, TheLanguageFilesGiveItsCaptionAndTheCloseButtonsHint) {
  window.LayOut(english, 1252);
  ControlRegistry registry(skin);
  for (const char* path : {"lang/eng/strings.txt", "lang/rus/strings.txt"}) {
    InterfaceStrings strings;
    ASSERT_TRUE(strings.LoadRaw(kShipped.Resolve(QString::fromLatin1(path))));
    strings.Prepare();
    registry.ApplyWindowTexts(strings, QStringLiteral("StarWindow"));
    EXPECT_FALSE(window.windowTitle().isEmpty() || Close()->toolTip().isEmpty()) << path;
    EXPECT_TRUE(Close()->movie()) << path;  // a hint leaves the picture alone
  }
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Буква для звёздочки"));
  EXPECT_EQ(Close()->toolTip(), QStringLiteral("Закрыть, не выбирая букву"));
}

}  // namespace
}  // namespace quorim
