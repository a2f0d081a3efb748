// The floating windows' activation rule and the bonus information window.

#include "UiTestSupport.h"
#include "ui/Skin.h"
#include "ui/binfo.h"

#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstdlib>

namespace quorim {
namespace {

class FloatingWindows : public ::testing::Test {
 protected:
  FloatingWindows() {
    main.setGeometry(100, 100, 900, 700);
    main.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
  }

  QWidget main;
};

TEST_F(FloatingWindows, APanelTakesItsClickWhileTheMainWindowStaysActive) {
  QWidget panel(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  auto* pin = new QPushButton(&panel);
  KeepTitleBarActive(panel, main);
  QSignalSpy clicked(pin, &QPushButton::clicked);
  panel.show();
  QTest::mouseClick(pin, Qt::LeftButton);
  QTest::qWait(20);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(QApplication::activeWindow(), &main);

  // A window manager that activates it all the same gets the activation back.
  panel.hide();
  panel.setWindowFlag(Qt::WindowDoesNotAcceptFocus, false);
  panel.show();
  panel.activateWindow();
  QTest::qWait(50);
  EXPECT_EQ(QApplication::activeWindow(), &main);
}

TEST_F(FloatingWindows, TheBonusWindowStandsCentredOnTheMainWindowOverItsPicture) {
  const Skin skin(DataDir(QStringLiteral(QUORIM_SHIPPED_DATA)), QStringLiteral("classic"));
  TBonusInfo bonus(skin, main);
  bonus.show();
  EXPECT_LE(std::abs(bonus.frameGeometry().center().x() - main.frameGeometry().center().x()), 1);
  EXPECT_LE(std::abs(bonus.frameGeometry().center().y() - main.frameGeometry().center().y()), 1);
  EXPECT_EQ(bonus.grab().toImage().pixel(100, 300),
            skin.Picture(QStringLiteral("bonuswin")).pixel(100, 300));
}

}  // namespace
}  // namespace quorim
