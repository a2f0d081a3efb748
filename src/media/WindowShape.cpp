#include "media/WindowShape.h"

#include <QRect>

#include <vector>

namespace quorim {

QRegion WindowShapeFromBitmap(const QImage& bitmap) {
  if (bitmap.isNull()) return {};
  const QImage image = bitmap.convertToFormat(QImage::Format_RGB32);
  constexpr QRgb kMagenta = 0xFFFF00FF;
  std::vector<QRect> runs;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    int x = 0;
    while (x < image.width()) {
      if ((line[x] | 0xFF000000) == kMagenta) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < image.width() && (line[x] | 0xFF000000) != kMagenta) ++x;
      runs.emplace_back(start, y, x - start, 1);
    }
  }
  QRegion shape;
  // Runs row by row, left to right, never overlapping: the banded order setRects wants.
  if (!runs.empty()) shape.setRects(runs.data(), static_cast<int>(runs.size()));
  return shape;
}

}  // namespace quorim
