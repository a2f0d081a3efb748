#include "media/WindowShape.h"

#include "media/SkinPictures.h"

#include "SkinFixture.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace quorim {
namespace {

constexpr QColor kMagenta(255, 0, 255);

// A picture with a magenta border of 2 px round a grey body, with a magenta notch in row 4.
QImage BorderedBitmap() {
  QImage image(12, 9, QImage::Format_RGB32);
  image.fill(kMagenta);
  QPainter painter(&image);
  painter.fillRect(QRect(2, 2, 8, 5), QColor(128, 128, 128));
  painter.fillRect(QRect(5, 4, 2, 1), kMagenta);
  return image;
}

TEST(WindowShape, IsEveryPixelThatIsNotMagenta) {
  const QRegion shape = WindowShapeFromBitmap(BorderedBitmap());
  EXPECT_EQ(shape.boundingRect(), QRect(2, 2, 8, 5));
  EXPECT_TRUE(shape.contains(QPoint(2, 2)));
  EXPECT_TRUE(shape.contains(QPoint(9, 6)));
  EXPECT_FALSE(shape.contains(QPoint(1, 2)));
  EXPECT_FALSE(shape.contains(QPoint(10, 6)));
  EXPECT_FALSE(shape.contains(QPoint(5, 4)));  // the notch
  EXPECT_FALSE(shape.contains(QPoint(6, 4)));
  EXPECT_TRUE(shape.contains(QPoint(7, 4)));
  int area = 0;
  for (const QRect& rect : shape) area += rect.width() * rect.height();
  EXPECT_EQ(area, 8 * 5 - 2);
}

TEST(WindowShape, ComesFromTheSplashBitmapAsTheClassicSkinHoldsIt) {
  QTemporaryDir dir;
  QDir().mkpath(dir.path() + "/GRAFIX/classic");
  ASSERT_TRUE(BorderedBitmap().save(dir.path() + "/GRAFIX/classic/Q-Logo.bmp"));
  QImage logo;
  ASSERT_TRUE(SkinPictures(DataDir(dir.path()), "night").LoadClassicPicture(logo, u"Q-Logo.bmp"));
  EXPECT_EQ(WindowShapeFromBitmap(logo), WindowShapeFromBitmap(BorderedBitmap()));
  EXPECT_EQ(WindowShapeFromBitmap(logo).boundingRect(), QRect(2, 2, 8, 5));
}

TEST(WindowShape, AnAllMagentaOrMissingPictureGivesNoShape) {
  QImage magenta(5, 5, QImage::Format_RGB32);
  magenta.fill(kMagenta);
  EXPECT_TRUE(WindowShapeFromBitmap(magenta).isEmpty());
  EXPECT_TRUE(WindowShapeFromBitmap(QImage()).isEmpty());
}

}  // namespace
}  // namespace quorim
