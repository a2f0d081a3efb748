// The message window: where it stands, how it closes, what a minimised program sees of it.

#include "UiTestSupport.h"
#include "ui/Errormes.h"
#include "ui/Skin.h"

#include <QLabel>
#include <QMovie>

#include <gtest/gtest.h>

#include <cstdlib>

namespace quorim {
namespace {

using test::Later;
using test::PressKey;

class MessageWindow : public ::testing::Test {
 protected:
  MessageWindow() {
    main.setGeometry(200, 150, 800, 600);
    main.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
  }

  QLabel* Button(const char* name) { return window.findChild<QLabel*>(QLatin1String(name)); }
  // A click at the button's place in the window: it reaches whatever lies on top there.
  void Click(const char* name) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, Button(name)->geometry().center());
  }
  bool Ask(std::function<void()> step) {
    Later(std::move(step));
    return window.AskQuestion(QStringLiteral("\nTake the star back?"), {});
  }
  void Show(std::function<void()> step, ScreenPoint at = {}, bool minimized = false) {
    Later(std::move(step), minimized ? 50 : 0);
    window.ShowMessage(QStringLiteral("Not in the dictionary"), at, minimized);
  }

  Skin skin{DataDir(QStringLiteral(QUORIM_SHIPPED_DATA)), QStringLiteral("classic")};
  QWidget main;
  TShadowWindow shadow;
  TErrorWindow window{skin, shadow, main};
  test::Watchdog watchdog{[this] { window.Answer(false); }};
};

TEST_F(MessageWindow, StandsCentredOnTheMainWindowOrWhereAskedWithItsShadowLowerRight) {
  QRect centred, centredShadow, placed, placedShadow;
  Show([&] {
    centred = window.geometry();
    centredShadow = shadow.isVisible() ? shadow.geometry() : QRect();
    PressKey(Qt::Key_Escape);
  });
  EXPECT_EQ(centred.size(), QSize(317, 128));
  EXPECT_LE(std::abs(centred.center().x() - main.frameGeometry().center().x()), 1);
  EXPECT_LE(std::abs(centred.center().y() - main.frameGeometry().center().y()), 1);
  EXPECT_EQ(centredShadow, centred.translated(7, 7));
  EXPECT_FALSE(shadow.isVisible());

  Show(
      [&] {
        placed = window.geometry();
        placedShadow = shadow.geometry();
        PressKey(Qt::Key_Escape);
      },
      {30, 40});
  EXPECT_EQ(placed.topLeft(), QPoint(30, 40));
  EXPECT_EQ(placedShadow, QRect(37, 47, 317, 128));
}

TEST_F(MessageWindow, AMessageIgnoresEnterAndClosesWithItsOnlyButton) {
  bool openAfterEnter = false, yesShown = true, closeAnimated = false;
  Show([&] {
    yesShown = Button("ButtonYes")->isVisible();
    closeAnimated = Button("ButtonNo")->movie() != nullptr;
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Enter);
    Later([&] {
      openAfterEnter = window.isVisible();
      Click("ButtonNo");
    });
  });
  EXPECT_TRUE(openAfterEnter);
  EXPECT_FALSE(yesShown);
  EXPECT_TRUE(closeAnimated);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(MessageWindow, AQuestionIsYesOnlyByEnterOrTheYesButtonAlsoWhileMinimised) {
  bool bothAnimated = false;
  EXPECT_TRUE(Ask([&] {
    bothAnimated = Button("ButtonYes")->movie() && Button("ButtonNo")->movie();
    PressKey(Qt::Key_Return);
  }));
  EXPECT_TRUE(bothAnimated);
  EXPECT_TRUE(Ask([&] { Click("ButtonYes"); }));
  EXPECT_FALSE(Ask([] { PressKey(Qt::Key_Escape); }));
  EXPECT_FALSE(Ask([&] { Click("ButtonNo"); }));

  main.showMinimized();
  bool shown = false;
  EXPECT_TRUE(Ask([&] {
    shown = window.isVisible() && shadow.isVisible();
    Click("ButtonYes");
  }));
  EXPECT_TRUE(shown);
}

TEST_F(MessageWindow, AMessageWhileMinimisedIsNotShownAndEndsWhenTheProgramIsRestored) {
  bool shown = true;
  Show(
      [&] {
        shown = window.isVisible() || shadow.isVisible();
        EXPECT_EQ(window.Mode(), TErrorWindow::kHiddenMessage);
        window.ProgramRestored();
      },
      {}, true);
  EXPECT_FALSE(shown);
  EXPECT_FALSE(window.Waiting());

  // A message on the screen waits for the person, restored or not.
  Show([&] {
    window.ProgramRestored();
    Later([&] {
      EXPECT_TRUE(window.isVisible());
      PressKey(Qt::Key_Escape);
    });
  });
}

TEST_F(MessageWindow, EveryMessageHasAFreshLabelThatGoesWithIt) {
  QStringList labels;
  const auto look = [&] {
    for (QLabel* label : window.findChildren<QLabel*>(QStringLiteral("MessageLabel"))) {
      labels << label->text();
    }
    PressKey(Qt::Key_Escape);
  };
  Later(look);
  window.ShowMessage(QStringLiteral("First"), {}, false);
  EXPECT_EQ(window.MessageLabel(), nullptr);
  Later(look);
  window.ShowMessage(QStringLiteral("Second"), {}, false);
  EXPECT_EQ(labels, QStringList({QStringLiteral("First"), QStringLiteral("Second")}));
}

}  // namespace
}  // namespace quorim
