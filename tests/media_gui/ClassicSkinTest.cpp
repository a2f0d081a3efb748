// The classic skin that ships under data/GRAFIX/classic against the game's catalogue: every
// picture a window asks for is there, loads, and has the size the window is laid out for.

#include "media/SkinCatalogue.h"
#include "media/SkinColors.h"
#include "media/SkinPictures.h"
#include "media/WindowShape.h"

#include <QColor>
#include <QImage>
#include <QMovie>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>

namespace quorim {
namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;

QString Name(const SkinPictureSize& entry) {
  return QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
}

bool IsMagenta(const QImage& image, int x, int y) {
  return image.pixel(x, y) == kMagenta;
}

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double Luminance(QColor c) {
  auto channel = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(QColor a, QColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor MeanColour(const QImage& image, QRect area) {
  long r = 0, g = 0, b = 0, n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      r += c.red(), g += c.green(), b += c.blue(), ++n;
    }
  }
  return QColor(int(r / n), int(g / n), int(b / n));
}

class ShippedClassicSkin : public ::testing::Test {
 protected:
  QImage Picture(QStringView name) const {
    QImage picture;
    EXPECT_NE(pictures_.LoadSkinPicture(picture, name), kNoPicture)
        << name.toString().toStdString();
    return picture.convertToFormat(QImage::Format_RGB32);
  }
  QImage ClassicPicture(QStringView fileName) const {
    QImage picture;
    EXPECT_TRUE(pictures_.LoadClassicPicture(picture, fileName))
        << fileName.toString().toStdString();
    return picture.convertToFormat(QImage::Format_RGB32);
  }

  SkinPictures pictures_{DataDir(QStringLiteral(QUORIM_SHIPPED_DATA)),
                         QStringView(kClassicSkin).toString()};
};

TEST(SkinCatalogue, NamesAreUniqueAndFoundWhateverTheirCaseButExactSpellingsComeFirst) {
  std::set<std::string_view> names;
  for (const auto& entry : SkinPictureCatalogue()) EXPECT_TRUE(names.insert(entry.name).second);
  for (const auto& entry : SkinAnimationCatalogue()) EXPECT_TRUE(names.insert(entry.name).second);

  ASSERT_NE(FindSkinPicture(SkinPictureCatalogue(), "SPOT-BK"), nullptr);
  EXPECT_EQ(FindSkinPicture(SkinPictureCatalogue(), "SPOT-BK")->name, "spot-bk");
  EXPECT_EQ(FindSkinPicture(SkinAnimationCatalogue(), "S_Button")->name, "S_Button");
  EXPECT_EQ(FindSkinPicture(SkinAnimationCatalogue(), "s_button")->name, "s_button");
  EXPECT_EQ(FindSkinPicture(SkinPictureCatalogue(), "E_Button"), nullptr);
  EXPECT_EQ(FindSkinPicture(ClassicOnlyPictures(), "q-logo.BMP")->width, 300);
}

TEST(SkinCatalogue, NamesThatDifferOnlyInCaseNeedTheSameSize) {
  // The data paths do not tell letter case apart, so such names may be one file.
  const auto animations = SkinAnimationCatalogue();
  for (const auto& a : animations) {
    for (const auto& b : animations) {
      if (&a == &b || a.name.size() != b.name.size()) continue;
      if (QString(Name(a)).compare(Name(b), Qt::CaseInsensitive) != 0) continue;
      EXPECT_EQ(a.width, b.width) << a.name << " / " << b.name;
      EXPECT_EQ(a.height, b.height) << a.name << " / " << b.name;
    }
  }
}

TEST_F(ShippedClassicSkin, EveryCataloguePictureLoadsAtTheSizeItsWindowNeeds) {
  for (const auto& entry : SkinPictureCatalogue()) {
    SCOPED_TRACE(entry.name);
    const QImage picture = Picture(Name(entry));
    ASSERT_FALSE(picture.isNull());
    if (entry.width) {
      EXPECT_EQ(picture.width(), entry.width);
    }
    if (entry.height) {
      EXPECT_EQ(picture.height(), entry.height);
    }
    // An "any size" side still has to be something a control can stretch.
    EXPECT_GE(picture.width(), 8);
    EXPECT_GE(picture.height(), 8);
  }
}

TEST_F(ShippedClassicSkin, ThePicturesOnlyTheClassicSkinHasAreBitmapsAtTheirSizes) {
  for (const auto& entry : ClassicOnlyPictures()) {
    SCOPED_TRACE(entry.name);
    EXPECT_TRUE(Name(entry).endsWith(u".bmp"));
    const QImage picture = ClassicPicture(Name(entry));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(entry.width, entry.height));
  }
}

TEST_F(ShippedClassicSkin, SplashAndAboutPicturesAreShapedByTheirMagentaOutside) {
  for (const QStringView file : {u"Q-Logo.bmp", u"about.bmp"}) {
    SCOPED_TRACE(file.toString().toStdString());
    const QImage picture = ClassicPicture(file);
    ASSERT_FALSE(picture.isNull());
    const int w = picture.width(), h = picture.height();
    EXPECT_TRUE(IsMagenta(picture, 0, 0));
    EXPECT_TRUE(IsMagenta(picture, w - 1, 0));
    EXPECT_TRUE(IsMagenta(picture, 0, h - 1));
    EXPECT_TRUE(IsMagenta(picture, w - 1, h - 1));

    const QRegion shape = WindowShapeFromBitmap(picture);
    ASSERT_FALSE(shape.isEmpty());
    EXPECT_TRUE(shape.contains(QPoint(w / 2, h / 2)));
    EXPECT_FALSE(shape.contains(QPoint(2, 2)));
    // The window stays about the picture's size: the outline reaches near every edge.
    EXPECT_LE(shape.boundingRect().width(), w);
    EXPECT_GE(shape.boundingRect().width(), w - 8);
    EXPECT_GE(shape.boundingRect().height(), h - 8);
  }
}

TEST_F(ShippedClassicSkin, TheSplashProgressBarLiesOnTheShapedWindow) {
  // The bar's frame at (72, 112), 137 x 16, must not stick out of the window's outline.
  const QRegion shape = WindowShapeFromBitmap(ClassicPicture(u"Q-Logo.bmp"));
  EXPECT_EQ(shape.intersected(QRect(72, 112, 137, 16)), QRegion(QRect(72, 112, 137, 16)));
}

TEST_F(ShippedClassicSkin, CellsAndTilesAreOpaqueAndRoundedButtonsTransparentOnlyOutside) {
  for (const QStringView name :
       {u"spot-0", u"spot-wt", u"spot-gr", u"spot-bl", u"spot-yl", u"spot-rd", u"spot-bk", u"cap",
        u"cap_uni", u"border", u"border-h", u"border-v"}) {
    SCOPED_TRACE(name.toString().toStdString());
    const QImage picture = Picture(name);
    int magenta = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) magenta += IsMagenta(picture, x, y);
    }
    EXPECT_EQ(magenta, 0);
  }
  for (const QStringView name : {u"Go!_1", u"Go!_1p", u"Cng!_1", u"Cng!_1p", u"HintBut1",
                                 u"HintBut2", u"PrevBut1", u"PrevBut2", u"i-button", u"o-button",
                                 u"s-button", u"l-button", u"menubutt", u"logo_hl", u"logo_sh"}) {
    SCOPED_TRACE(name.toString().toStdString());
    const QImage picture = Picture(name);
    const int w = picture.width(), h = picture.height();
    EXPECT_TRUE(IsMagenta(picture, 0, 0));
    EXPECT_TRUE(IsMagenta(picture, w - 1, h - 1));
    for (int y = h / 4; y < h * 3 / 4; ++y) {
      for (int x = w / 4; x < w * 3 / 4; ++x) ASSERT_FALSE(IsMagenta(picture, x, y));
    }
  }
}

TEST_F(ShippedClassicSkin, PressedButtonsLookDifferentFromReleasedOnes) {
  for (const auto& [up, down] : {std::pair{u"Go!_1", u"Go!_1p"},
                                 {u"Cng!_1", u"Cng!_1p"},
                                 {u"HintBut1", u"HintBut2"},
                                 {u"PrevBut1", u"PrevBut2"},
                                 {u"edit_opt", u"edit_op2"}}) {
    const QImage a = Picture(up), b = Picture(down);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_TRUE(a != b) << QStringView(up).toString().toStdString();
    // A pressed face is in the shade: darker overall.
    const QRect face = a.rect().adjusted(4, 4, -4, -4);
    EXPECT_LT(Luminance(MeanColour(b, face)), Luminance(MeanColour(a, face)));
  }
}

TEST_F(ShippedClassicSkin, TileLettersAndScoresReadWellInTheSkinsColours) {
  const SkinColors colours =
      SkinColors::Load(DataDir(QStringLiteral(QUORIM_SHIPPED_DATA)), kClassicSkin);
  ASSERT_TRUE(colours.HasTable());
  // Where the game writes a letter on the tile face, and the score on its plate.
  const QColor tile = MeanColour(Picture(u"cap"), QRect(4, 4, 18, 18));
  for (const QStringView key :
       {u"InGameNewLetters", u"InGameUsedLetters", u"InGamePlayerColor1", u"InGamePlayerColor2"}) {
    const QColor ink = ColorFromWindows(*colours.Color(key));
    EXPECT_GE(Contrast(ink, tile), 4.5) << key.toString().toStdString();
  }
  for (const auto& [plate, key] : {std::pair{u"ScrG1", u"InGamePlayerColor1"},
                                   {u"ScrG2", u"InGamePlayerColor1"},
                                   {u"ScrM1", u"InGamePlayerColor2"},
                                   {u"ScrM2", u"InGamePlayerColor2"}}) {
    const QImage picture = Picture(plate);
    const QColor under = MeanColour(picture, QRect((picture.width() - 49) / 2, 7, 49, 21));
    EXPECT_GE(Contrast(ColorFromWindows(*colours.Color(key)), under), 4.5)
        << QStringView(plate).toString().toStdString();
  }
  const QImage clock = Picture(u"timet1");
  const QColor glass = MeanColour(clock, QRect((clock.width() - 64) / 2, 9, 64, 23));
  EXPECT_GE(Contrast(ColorFromWindows(*colours.Color(u"InGameTimeActive")), glass), 4.5);
  EXPECT_GE(Contrast(ColorFromWindows(*colours.Color(u"InGameTimeInActive")), glass), 3.0);
}

TEST_F(ShippedClassicSkin, RackPlacesLieWhereTheSlotsAre) {
  // Slots 1-4 at (20 + 28 i, 14), 5-7 at (34 + 28 i, 42): each place is darker than the tray
  // rim between two rows of places.
  for (const QStringView name : {u"slot7ch1", u"slot7ch2"}) {
    const QImage rack = Picture(name);
    const QColor rim = MeanColour(rack, QRect(4, 2, rack.width() - 8, 4));
    for (int i = 0; i < 7; ++i) {
      const QPoint slot = i < 4 ? QPoint(20 + 28 * i, 14) : QPoint(34 + 28 * (i - 4), 42);
      const QColor place = MeanColour(rack, QRect(slot + QPoint(4, 4), QSize(18, 18)));
      EXPECT_LT(Luminance(place), Luminance(rim))
          << name.toString().toStdString() << " slot " << i + 1;
      EXPECT_TRUE(rack.rect().contains(QRect(slot, QSize(26, 26))));
    }
  }
}

TEST_F(ShippedClassicSkin, HallOfFameStarsBrightenFromTheirFirstFrame) {
  const QImage strip = ClassicPicture(u"starflsh.bmp");
  ASSERT_EQ(strip.size(), QSize(kStarFlashFrameSize * kStarFlashFrames, kStarFlashFrameSize));
  auto starPixels = [&](int frame) {
    int n = 0;
    for (int y = 0; y < kStarFlashFrameSize; ++y) {
      for (int x = 0; x < kStarFlashFrameSize; ++x) {
        n += !IsMagenta(strip, frame * kStarFlashFrameSize + x, y);
      }
    }
    return n;
  };
  EXPECT_TRUE(IsMagenta(strip, 0, 0));
  EXPECT_GT(starPixels(0), 0);
  EXPECT_GT(starPixels(kStarFlashFrames / 2), starPixels(0));
}

TEST_F(ShippedClassicSkin, EveryCatalogueAnimationLoadsWithItsFrameSize) {
  for (const auto& entry : SkinAnimationCatalogue()) {
    SCOPED_TRACE(entry.name);
    QMovie movie;
    ASSERT_TRUE(pictures_.LoadSkinAnimation(movie, Name(entry)));
    ASSERT_TRUE(movie.isValid());
    ASSERT_TRUE(movie.jumpToFrame(0));
    const QSize frame = movie.currentImage().size();
    if (entry.width) {
      EXPECT_EQ(frame.width(), entry.width);
    }
    if (entry.height) {
      EXPECT_EQ(frame.height(), entry.height);
    }
  }
}

}  // namespace
}  // namespace quorim
