#include "ui/TilePictures.h"

#include "media/CodePages.h"
#include "media/Colors.h"
#include "model/PlayField.h"
#include "ui/Skin.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace quorim {

namespace {

// Point sizes of the design at 96 dots per inch, as pixels so that the tile looks the same on
// every screen.
constexpr int kLetterPixels = 12;    // 9 points
constexpr int kValuePixels = 8;      // 6 points
constexpr int kStarMarkPixels = 17;  // 13 points
constexpr char16_t kTileFontFamily[] = u"Arial";
constexpr int kNarrowestStretch = 62;  // percent; narrower letters stop looking like letters

QFont TileFont(int pixels, bool bold) {
  QFont font(QString::fromUtf16(kTileFontFamily));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

// Text whose top-left corner stands at the point, as the design's labels place it.
void DrawTextAt(QPainter& painter, QPoint at, const QString& text) {
  painter.drawText(QRect(at, QSize(kTileSide, kTileSide)), Qt::AlignLeft | Qt::AlignTop, text);
}

QPixmap CapWithText(const QImage& cap, const QString& letter, const QString& value,
                    const QColor& color) {
  QPixmap face = cap.isNull() ? QPixmap(kTileSide, kTileSide) : QPixmap::fromImage(cap);
  if (cap.isNull()) face.fill(Qt::darkGray);
  QPainter painter(&face);
  painter.setPen(color);
  const bool wide = value.size() > 1;
  const QPoint letterAt = wide ? QPoint(4, 5) : QPoint(5, 5);
  const QPoint valueAt = wide ? QPoint(13, 13) : QPoint(16, 13);
  QFont letterFont = TileFont(kLetterPixels, true);
  if (!value.isEmpty()) {
    // A broad letter (Ш, Щ, Ж, Ю…) would run into its value and read as another letter: it is
    // narrowed to end where the value begins.
    const int room = valueAt.x() - letterAt.x();
    const int width = QFontMetrics(letterFont).horizontalAdvance(letter);
    if (width > room) letterFont.setStretch(std::max(kNarrowestStretch, 100 * room / width));
  }
  painter.setFont(letterFont);
  DrawTextAt(painter, letterAt, letter);
  if (!value.isEmpty()) {
    painter.setFont(TileFont(kValuePixels, false));
    DrawTextAt(painter, valueAt, value);
  }
  return face;
}

}  // namespace

void TilePictures::Build(const Skin& skin, const Alphabet& alphabet, int codePage) {
  alphabet_ = alphabet;
  const QImage& cap = skin.Picture(QStringLiteral("cap"));
  const std::array<QColor, 4> colours{
      skin.Color(QStringLiteral("InGameNewLetters"), colors::Yellow),
      skin.Color(QStringLiteral("InGamePlayerColor1"), colors::Lime),
      skin.Color(QStringLiteral("InGamePlayerColor2"), 16744703),
      skin.Color(QStringLiteral("InGameUsedLetters"), colors::White),
  };
  for (std::size_t face = 0; face < faces_.size(); ++face) {
    faces_[face].clear();
    for (int i = 0; i < alphabet.AlphabetSize; ++i) {
      const char code = static_cast<char>(alphabet.LetterCode[static_cast<std::size_t>(i)]);
      faces_[face].push_back(CapWithText(
          cap, FromGameText(std::string_view(&code, 1), codePage),
          QString::number(alphabet.LetterValue[static_cast<std::size_t>(i)]), colours[face]));
    }
  }
  const QImage& star = skin.Picture(QStringLiteral("cap_uni"));
  star_ = star.isNull() ? CapWithText(cap, QStringLiteral("*"), {}, colours[0])
                        : QPixmap::fromImage(star);
  faceDown_ = CapWithText(cap, {}, {}, colours[3]);
  QPainter painter(&faceDown_);
  painter.setPen(colours[3]);
  painter.setFont(TileFont(kLetterPixels, true));
  DrawTextAt(painter, QPoint(8, 5), QStringLiteral("?"));
}

const QPixmap& TilePictures::Letter(int index) const {
  const std::vector<QPixmap>& rack = faces_[static_cast<std::size_t>(TileFace::Rack)];
  if (index < 0 || index >= static_cast<int>(rack.size())) return star_;
  return rack[static_cast<std::size_t>(index)];
}

const QPixmap& TilePictures::Face(const TTile& tile) const {
  if (!tile.FaceUp || tile.Owner == kOwnerBag) return faceDown_;
  const int index = alphabet_.LetterIndex(tile.Letter());
  const std::vector<QPixmap>& set = faces_[static_cast<std::size_t>(tile.Face)];
  if (index < 0 || index >= static_cast<int>(set.size())) return star_;
  return set[static_cast<std::size_t>(index)];
}

void PaintBonusMark(QPainter& painter, int kind) {
  // the board's own colours of the bonus kinds, as Windows colours
  int color = 0;
  switch (kind) {
    case kCellLetterX2:
      color = 33619880;
      break;
    case kCellWordX2:
      color = 50331392;
      break;
    case kCellLetterX3:
      color = 65535;
      break;
    case kCellWordX3:
      color = 33554687;
      break;
    default:
      return;
  }
  const QPoint corners[3] = {{1, 2}, {1, 8}, {8, 1}};
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(ColorFromWindows(color & 0xFFFFFF));
  painter.drawPolygon(corners, 3);
  painter.restore();
}

void PaintStarMark(QPainter& painter, const QColor& color) {
  painter.save();
  painter.setPen(color);
  painter.setFont(TileFont(kStarMarkPixels, true));
  DrawTextAt(painter, QPoint(14, 2), QStringLiteral("*"));
  painter.restore();
}

}  // namespace quorim
