// The rising score texts: where they open, how they climb, fade and close, how many may stand at
// once, and that the board keeps the keyboard meanwhile.

#include "UiTestSupport.h"
#include "media/Colors.h"
#include "ui/FloatingMessages.h"
#include "ui/Skin.h"

#include <QImage>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>

namespace quorim {
namespace {

class FloatingMessages : public ::testing::Test {
 protected:
  FloatingMessages() {
    main.setGeometry(200, 150, 800, 600);
    main.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
  }

  void Show(ScreenPoint at = {}) {
    messages.Show({at, QStringLiteral("+24"), colors::Red, QStringLiteral("ANNA"), colors::Lime});
  }
  QWidget& Last() { return *messages.Windows().back(); }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) messages.Tick();
  }

  Skin skin{DataDir(QStringLiteral(QUORIM_SHIPPED_DATA)), QStringLiteral("classic")};
  QWidget main;
  TFloatingMessages messages{skin, main};
};

TEST_F(FloatingMessages, OpenCentredOnTheMainWindowOrWithTheirCornerWhereAsked) {
  Show();
  const QRect centred = Last().geometry();
  EXPECT_LE(std::abs(centred.center().x() - main.frameGeometry().center().x()), 1);
  EXPECT_LE(std::abs(centred.center().y() - main.frameGeometry().center().y()), 1);
  Show({30, 40});
  EXPECT_EQ(Last().pos(), QPoint(30, 40));
}

TEST_F(FloatingMessages, ShowOnlyTheirTextsInTheirColoursTheSmallOneOnNavy) {
  Show({100, 100});
  QWidget& window = Last();
  const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
  int big = 0, small = 0, navy = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      if (qAlpha(pixel) != 255) continue;
      if (pixel == qRgb(255, 0, 0)) ++big;
      if (pixel == qRgb(0, 255, 0)) ++small;
      if (pixel == qRgb(0, 0, 128)) ++navy;
    }
  }
  EXPECT_GT(big, 20);
  EXPECT_GT(small, 10);
  EXPECT_GT(navy, 50);

  // Without a compositor the mask is all that hides the ground: bare around the big line, solid
  // over the navy strip.
  EXPECT_FALSE(window.mask().contains(QPoint(0, 0)));
  EXPECT_TRUE(window.mask().contains(QPoint(window.width() / 2, window.height() - 2)));
}

TEST_F(FloatingMessages, RiseAPixelATickUpToTheScreensTopFadeFromAge140AndCloseAtAge200) {
  Show({100, 300});
  Show({100, 4});
  QWidget* window = messages.Windows().front();
  Ticks(139);
  EXPECT_EQ(window->y(), 161);
  EXPECT_EQ(Last().y(), 1);
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
  Ticks(60);
  ASSERT_EQ(messages.Count(), 2) << "still there at age 199";
  EXPECT_NEAR(window->windowOpacity(), (255 - 60 * 4) / 255.0, 0.01);
  Ticks(1);
  EXPECT_EQ(messages.Count(), 0);
}

TEST_F(FloatingMessages, AtMostTenStandAtOnceAndAClosedOneFreesItsPlace) {
  Show({10, 500});
  Ticks(100);
  for (int i = 0; i < 9; ++i) Show({10 + 60 * i, 400});
  EXPECT_EQ(messages.Count(), 10);
  Show({700, 100});
  EXPECT_EQ(messages.Count(), 10);

  Ticks(100);
  EXPECT_EQ(messages.Count(), 9) << "the first one is 200 ticks old";
  Show({700, 100});
  EXPECT_EQ(messages.Count(), 10);
}

TEST_F(FloatingMessages, TheTimerRunsWhileAWindowStandsAndStopsOnATickThatFindsNone) {
  EXPECT_FALSE(messages.TimerRunning());
  Show({100, 300});
  EXPECT_TRUE(messages.TimerRunning());
  // the real timer drives them
  EXPECT_TRUE(QTest::qWaitFor([this] { return Last().y() < 295; }, 2000));

  Ticks(200);
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !messages.TimerRunning(); }, 1000));

  Show();
  messages.CloseAll();
  EXPECT_EQ(messages.Count(), 0);
  EXPECT_FALSE(messages.TimerRunning());
}

TEST_F(FloatingMessages, GiveTheKeyboardBackToTheMainWindowButNotTakeItFromAnotherWindow) {
  Show();
  QTest::qWait(50);
  EXPECT_EQ(QApplication::activeWindow(), &main) << "opening one does not take the focus";

  // A window manager that ignores the window's wish never to be focused.
  QWindow* floating = Last().windowHandle();
  floating->setFlag(Qt::WindowDoesNotAcceptFocus, false);
  floating->requestActivate();
  ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &Last(); }, 1000));
  messages.Tick();
  EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &main; }, 1000));

  QWidget panel;
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  Ticks(3);
  QTest::qWait(50);
  EXPECT_EQ(QApplication::activeWindow(), &panel);
}

}  // namespace
}  // namespace quorim
