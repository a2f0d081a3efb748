#include "media/Shadows.h"

#include "media/SkinColors.h"

#include <QImageReader>

#include <algorithm>

namespace quorim {

namespace {

// Magenta, and a pixel a picture with an alpha channel leaves fully clear, let the backdrop show.
bool IsTransparent(QRgb pixel) {
  return qAlpha(pixel) == 0 || (qRed(pixel) == 255 && qGreen(pixel) == 0 && qBlue(pixel) == 255);
}

int Darker(int c, int strength) {
  return std::max(0, c - c * 100 / strength);
}

}  // namespace

QRect DrawShadow(QImage& backdrop, const QImage& untouched, const QImage& picture, int x, int y,
                 bool darken, int strength) {
  if (darken && strength <= 0) return {};
  const QRect area = QRect(x, y, picture.width(), picture.height()) & backdrop.rect();
  if (area.isEmpty()) return {};
  if (backdrop.format() != QImage::Format_RGB32 && backdrop.format() != QImage::Format_ARGB32) {
    backdrop.convertTo(QImage::Format_ARGB32);
  }
  const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
  const QImage clean = untouched.convertToFormat(QImage::Format_ARGB32);
  for (int row = area.top(); row <= area.bottom(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(backdrop.scanLine(row));
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(row - y));
    const QRgb* original =
        row < clean.height() ? reinterpret_cast<const QRgb*>(clean.constScanLine(row)) : nullptr;
    for (int column = area.left(); column <= area.right(); ++column) {
      QRgb& pixel = line[column];
      if (darken) {
        if (IsTransparent(from[column - x])) continue;
        pixel = qRgba(Darker(qRed(pixel), strength), Darker(qGreen(pixel), strength),
                      Darker(qBlue(pixel), strength), qAlpha(pixel));
      } else if (original != nullptr && column < clean.width()) {
        pixel = original[column];
      }
    }
  }
  return area;
}

void Backgrounds::PrepareBackgrounds(const SkinPictures& pictures,
                                     const QString& backgroundPicture) {
  pictures.LoadSkinPicture(untouched_, u"quorim");
  untouched_ = untouched_.convertToFormat(QImage::Format_ARGB32);
  player_ = untouched_.copy();
  control_ = untouched_.copy();

  background_ = QImage();
  if (!backgroundPicture.isEmpty()) {
    QImageReader reader(backgroundPicture);
    reader.setDecideFormatFromContent(true);
    background_ = reader.read();
  }
  // A background picture that has gone or cannot be read is replaced by the skin's.
  if (background_.isNull()) pictures.LoadSkinPicture(background_, u"background");

  repaintImage_ = QImage(10, 10, QImage::Format_RGB32);
  repaintImage_.fill(ColorFromWindows(kTransparentColor));
}

const QImage& Backgrounds::Backdrop(Panel panel) const {
  return panel == Panel::kPlayer ? player_ : control_;
}

QRect Backgrounds::DrawShadows(Panel panel, const QImage& picture, QPoint pos, bool darken,
                               bool showShadows, std::span<const ShadowPass> passes) {
  if (!showShadows) return {};
  QRect changed;
  for (const ShadowPass& pass : passes) {
    changed |= DrawShadow(BackdropOf(panel), untouched_, picture, pos.x() + pass.offset.x(),
                          pos.y() + pass.offset.y(), darken, pass.strength);
  }
  return changed;
}

void Backgrounds::RemoveAllShadows() {
  player_ = untouched_.copy();
  control_ = untouched_.copy();
}

}  // namespace quorim
