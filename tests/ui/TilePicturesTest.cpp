// The tile faces: a letter never runs into its value, so that Ш and Щ, Ж and the like stay told
// apart on a 26-pixel tile.

#include "TestFiles.h"
#include "media/CodePages.h"
#include "media/SkinFonts.h"
#include "model/Alphabet.h"
#include "ui/Skin.h"
#include "ui/TilePictures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace quorim {
namespace {

const DataDir kShipped(QStringLiteral(QUORIM_SHIPPED_DATA));

// The leftmost column in which the face differs from the bare cap in the rows above the value,
// where only the letter can have drawn; kTileSide when nothing was drawn there.
int LetterRightEdge(const QImage& face, const QImage& cap) {
  int right = -1;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < kTileSide; ++x) {
      if (face.pixel(x, y) != cap.pixel(x, y)) right = std::max(right, x);
    }
  }
  return right;
}

TEST(TilePictures, BroadLettersEndBeforeTheirValueBegins) {
  PrivateFonts fonts{kShipped};
  Skin skin{kShipped, QStringLiteral("classic")};
  skin.SetBaseFonts(fonts.RoleFaces());
  Alphabet russian;
  ASSERT_FALSE(LoadAlphabet(russian, {kShipped, QStringLiteral("rus"), 1251}));
  TilePictures pictures;
  pictures.Build(skin, russian, 1251);
  const QImage cap = skin.Picture(QStringLiteral("cap")).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(cap.isNull());

  for (const char16_t letter : {u'Ш', u'Щ', u'Ж', u'Ю', u'Ф', u'М'}) {
    const int index = russian.LetterIndex(ToGameText(QString(QChar(letter)), 1251)[0]);
    ASSERT_GE(index, 0);
    const bool twoDigits = russian.LetterValue[static_cast<std::size_t>(index)] >= 10;
    const int valueLeft = twoDigits ? 13 : 16;
    const QImage face = pictures.Letter(index).toImage().convertToFormat(QImage::Format_RGB32);
    const int right = LetterRightEdge(face, cap);
    EXPECT_GT(right, 5) << "no letter drawn for " << QString(QChar(letter)).toStdString();
    // one column of edge smoothing may touch the value's first column
    EXPECT_LE(right, valueLeft) << QString(QChar(letter)).toStdString();
  }
}

}  // namespace
}  // namespace quorim
