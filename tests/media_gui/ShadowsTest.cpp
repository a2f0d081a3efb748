#include "media/Shadows.h"

#include "SkinFixture.h"

#include <gtest/gtest.h>

namespace quorim {
namespace {

using test::WritePicture;

QImage Filled(QSize size, QColor color) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

constexpr QColor kMagenta(255, 0, 255);

TEST(DrawShadow, DarkensTheBackdropUnderThePicturesVisiblePixels) {
  const QImage untouched = Filled({20, 20}, QColor(200, 100, 50));
  QImage backdrop = untouched.copy();
  QImage picture = Filled({4, 3}, Qt::black);
  picture.setPixelColor(0, 0, kMagenta);
  const QRect changed = DrawShadow(backdrop, untouched, picture, 5, 6, true, 512);
  EXPECT_EQ(changed, QRect(5, 6, 4, 3));
  // c - c * 100 / 512
  EXPECT_EQ(backdrop.pixelColor(6, 7), QColor(161, 81, 41));
  EXPECT_EQ(backdrop.pixelColor(8, 8), QColor(161, 81, 41));
  EXPECT_EQ(backdrop.pixelColor(5, 6), QColor(200, 100, 50));  // under magenta
  EXPECT_EQ(backdrop.pixelColor(9, 6), QColor(200, 100, 50));  // beside the picture
  DrawShadow(backdrop, untouched, picture, 5, 6, true, 256);
  // 161 - 161 * 100 / 256 = 99, and so on: the second pass darkens the first.
  EXPECT_EQ(backdrop.pixelColor(6, 7), QColor(99, 50, 25));
  // A strength of nothing would divide by zero.
  EXPECT_TRUE(DrawShadow(backdrop, untouched, picture, 5, 6, true, 0).isEmpty());
  EXPECT_EQ(backdrop.pixelColor(6, 7), QColor(99, 50, 25));
}

TEST(DrawShadow, ErasingRestoresTheWholePictureAreaFromTheUntouchedCopy) {
  QImage untouched = Filled({10, 10}, QColor(10, 20, 30));
  untouched.setPixelColor(3, 3, QColor(1, 2, 3));
  QImage backdrop = Filled({10, 10}, Qt::black);
  QImage picture = Filled({3, 3}, kMagenta);  // even under its transparent pixels
  EXPECT_EQ(DrawShadow(backdrop, untouched, picture, 2, 2, false, 512), QRect(2, 2, 3, 3));
  EXPECT_EQ(backdrop.pixelColor(3, 3), QColor(1, 2, 3));
  EXPECT_EQ(backdrop.pixelColor(4, 4), QColor(10, 20, 30));
  EXPECT_EQ(backdrop.pixelColor(5, 5), QColor(Qt::black));
}

TEST(DrawShadow, APictureReachingOffTheBackdropIsCutToIt) {
  const QImage untouched = Filled({8, 8}, QColor(100, 100, 100));
  QImage backdrop = untouched.copy();
  const QImage picture = Filled({6, 6}, Qt::black);
  EXPECT_EQ(DrawShadow(backdrop, untouched, picture, -3, 5, true, 256), QRect(0, 5, 3, 3));
  EXPECT_EQ(backdrop.pixelColor(0, 7), QColor(61, 61, 61));
  EXPECT_TRUE(DrawShadow(backdrop, untouched, picture, 40, 40, true, 256).isEmpty());
  QImage none;
  EXPECT_TRUE(DrawShadow(none, untouched, picture, 0, 0, true, 256).isEmpty());
}

class PreparedBackgrounds : public test::SkinTree {
 protected:
  void SetUp() override {
    test::SkinTree::SetUp();
    WritePicture(Root(), "GRAFIX/classic/quorim.bmp", {170, 360}, QColor(0, 0, 200));
    WritePicture(Root(), "GRAFIX/classic/background.bmp", {64, 32}, QColor(0, 100, 0));
  }
  SkinPictures Pictures(const QString& skin = "classic") const {
    return SkinPictures(DataDir(Root()), skin);
  }
};

TEST_F(PreparedBackgrounds, ThePlayAreaPictureBacksBothPanelsAndTheSkinBackgroundTheWindow) {
  Backgrounds backgrounds;
  backgrounds.PrepareBackgrounds(Pictures(), QString());
  for (Panel panel : {Panel::kPlayer, Panel::kControl}) {
    EXPECT_EQ(backgrounds.Backdrop(panel).size(), QSize(170, 360));
    EXPECT_EQ(backgrounds.Backdrop(panel).pixelColor(0, 0), QColor(0, 0, 200));
  }
  EXPECT_EQ(backgrounds.Untouched().size(), QSize(170, 360));
  EXPECT_EQ(backgrounds.Background().size(), QSize(64, 32));
  EXPECT_EQ(backgrounds.RepaintImage().size(), QSize(10, 10));
  EXPECT_EQ(backgrounds.RepaintImage().pixelColor(9, 9), kMagenta);
}

TEST_F(PreparedBackgrounds, ASkinWhosePlayAreaIsAJpegUsesIt) {
  WritePicture(Root(), "GRAFIX/night/quorim.jpg", {100, 50}, QColor(250, 250, 250), "JPEG");
  Backgrounds backgrounds;
  backgrounds.PrepareBackgrounds(Pictures("night"), QString());
  EXPECT_EQ(backgrounds.Backdrop(Panel::kPlayer).size(), QSize(100, 50));
  EXPECT_EQ(backgrounds.Background().size(), QSize(64, 32));  // the classic one
}

TEST_F(PreparedBackgrounds, ABackgroundPictureOutsideTheDataDirectoryIsTheWindowsBackground) {
  QTemporaryDir elsewhere;
  WritePicture(elsewhere.path(), "My Pictures/sea view.png", {300, 200}, QColor(0, 0, 255));
  Backgrounds backgrounds;
  backgrounds.PrepareBackgrounds(Pictures(), elsewhere.path() + "/My Pictures/sea view.png");
  EXPECT_EQ(backgrounds.Background().size(), QSize(300, 200));
  EXPECT_EQ(backgrounds.Background().pixelColor(5, 5), QColor(0, 0, 255));
}

TEST_F(PreparedBackgrounds, ABackgroundPictureThatHasGoneGivesTheSkinsBackground) {
  Backgrounds backgrounds;
  backgrounds.PrepareBackgrounds(Pictures(), Root() + "/../no such picture.png");
  EXPECT_EQ(backgrounds.Background().size(), QSize(64, 32));
}

TEST_F(PreparedBackgrounds, WithoutAnyBackgroundPictureThereIsNoBackground) {
  QFile::remove(Root() + "/GRAFIX/classic/background.bmp");
  QFile::remove(Root() + "/GRAFIX/classic/quorim.bmp");
  Backgrounds backgrounds;
  backgrounds.PrepareBackgrounds(Pictures(), QString());
  EXPECT_EQ(backgrounds.Background().size(), QSize(0, 0));
  EXPECT_TRUE(backgrounds.Backdrop(Panel::kPlayer).isNull());
  // Shadows on a missing backdrop draw nothing.
  EXPECT_TRUE(
      backgrounds.DrawShadows(Panel::kPlayer, Filled({4, 4}, Qt::black), {10, 10}, true, true)
          .isEmpty());
}

TEST_F(PreparedBackgrounds, APanelShadowIsTwoPassesOnThatPanelsBackdropOnly) {
  Backgrounds backgrounds;
  backgrounds.PrepareBackgrounds(Pictures(), QString());
  const QImage picture = Filled({4, 4}, Qt::white);
  const QRect changed = backgrounds.DrawShadows(Panel::kPlayer, picture, {10, 10}, true, true);
  EXPECT_EQ(changed, QRect(7, 13, 5, 6));
  const QImage& backdrop = backgrounds.Backdrop(Panel::kPlayer);
  EXPECT_EQ(backdrop.pixelColor(7, 15), QColor(0, 0, 161));   // first pass only
  EXPECT_EQ(backdrop.pixelColor(11, 13), QColor(0, 0, 122));  // second pass only
  EXPECT_EQ(backdrop.pixelColor(8, 15), QColor(0, 0, 99));    // both
  EXPECT_EQ(backdrop.pixelColor(12, 13), QColor(0, 0, 200));
  EXPECT_EQ(backgrounds.Backdrop(Panel::kControl), backgrounds.Untouched());

  backgrounds.DrawShadows(Panel::kPlayer, picture, {10, 10}, false, true);
  EXPECT_EQ(backgrounds.Backdrop(Panel::kPlayer), backgrounds.Untouched());
}

TEST_F(PreparedBackgrounds, WithShadowsOffNothingIsDrawnAndTurningThemOffRemovesThem) {
  Backgrounds backgrounds;
  backgrounds.PrepareBackgrounds(Pictures(), QString());
  const QImage picture = Filled({8, 8}, Qt::white);
  EXPECT_TRUE(backgrounds.DrawShadows(Panel::kControl, picture, {20, 20}, true, false).isEmpty());
  EXPECT_EQ(backgrounds.Backdrop(Panel::kControl), backgrounds.Untouched());

  backgrounds.DrawShadows(Panel::kControl, picture, {20, 20}, true, true);
  backgrounds.DrawShadows(Panel::kPlayer, picture, {50, 50}, true, true);
  EXPECT_NE(backgrounds.Backdrop(Panel::kControl), backgrounds.Untouched());
  backgrounds.RemoveAllShadows();
  EXPECT_EQ(backgrounds.Backdrop(Panel::kControl), backgrounds.Untouched());
  EXPECT_EQ(backgrounds.Backdrop(Panel::kPlayer), backgrounds.Untouched());
}

}  // namespace
}  // namespace quorim
