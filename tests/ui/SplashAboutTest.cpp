// The splash screen's progress and its refusal to close; the about window's logo and closing.

#include "UiTestSupport.h"
#include "ui/Skin.h"
#include "ui/Splash.h"
#include "ui/_about.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

namespace quorim {
namespace {

const DataDir kShipped(QStringLiteral(QUORIM_SHIPPED_DATA));

TEST(SplashScreen, TheBarGrowsThreePixelsAStepAndStopsAt135) {
  TSplashScreen splash(kShipped);
  EXPECT_EQ(splash.ProgressWidth(), 0);
  for (int step = 1; step <= 60; ++step) {
    splash.ProgressStep();
    ASSERT_EQ(splash.ProgressWidth(), step <= 45 ? 3 * step : 135) << "step " << step;
  }
}

TEST(SplashScreen, IsShapedByItsLogoAndCannotBeClosed) {
  TSplashScreen splash(kShipped);
  EXPECT_EQ(splash.StatusText(), QStringLiteral("Загрузка"));
  EXPECT_FALSE(splash.mask().contains(QPoint(0, 0)));  // the logo's magenta corner
  EXPECT_TRUE(splash.mask().contains(QPoint(150, 148)));
  EXPECT_FALSE(splash.close());
  EXPECT_TRUE(splash.isVisible());
}

class AboutWindow : public ::testing::Test {
 protected:
  Skin skin{kShipped, QStringLiteral("classic")};
  std::vector<const char*> menuPicture;
  TAbout about{skin, QStringLiteral("Спонсор:"), [this] { menuPicture.push_back("hidden"); },
               [this] { menuPicture.push_back("shown"); }};
  test::Watchdog watchdog;
};

TEST_F(AboutWindow, TheLogoAndTheSiteCommandOpenTheGameSite) {
  test::UrlCatcher browser;
  about.show();
  auto* logo = about.findChild<QLabel*>(QStringLiteral("Halvorin_logo"));
  EXPECT_EQ(logo->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(logo, Qt::LeftButton);
  OpenGameSite();
  const QUrl site(QStringLiteral("https://github.com/quorim/quorim"));
  EXPECT_EQ(browser.opened, QList<QUrl>({site, site}));
}

TEST_F(AboutWindow, OkClosesWithYesAndTheMenuPictureIsHiddenMeanwhile) {
  test::Later([this] {
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
  });
  EXPECT_EQ(about.exec(), QDialog::Accepted);
  EXPECT_EQ(menuPicture, (std::vector<const char*>{"hidden", "shown"}));
}

}  // namespace
}  // namespace quorim
