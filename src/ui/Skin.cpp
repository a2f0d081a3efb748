#include "ui/Skin.h"

#include <QMovie>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace quorim {

QImage WithTransparentMagenta(const QImage& picture) {
  if (picture.isNull() || picture.hasAlphaChannel()) return picture;
  QImage clear = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb magenta = ColorFromWindows(kTransparentColor).rgb();
  for (int y = 0; y < clear.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(clear.scanLine(y));
    for (int x = 0; x < clear.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == (magenta & 0xFFFFFF)) line[x] = 0;
    }
  }
  return clear;
}

QImage StretchedFrame(const QImage& picture, QSize size, int keep) {
  QImage frame(size, QImage::Format_ARGB32_Premultiplied);
  frame.fill(Qt::transparent);
  if (picture.isNull() || size.isEmpty()) return frame;
  keep = std::min(
      {keep, picture.width() / 2, picture.height() / 2, size.width() / 2, size.height() / 2});
  const int sourceX[3] = {0, keep, picture.width() - keep};
  const int sourceW[3] = {keep, picture.width() - 2 * keep, keep};
  const int sourceY[3] = {0, keep, picture.height() - keep};
  const int sourceH[3] = {keep, picture.height() - 2 * keep, keep};
  const int targetX[3] = {0, keep, size.width() - keep};
  const int targetW[3] = {keep, size.width() - 2 * keep, keep};
  const int targetY[3] = {0, keep, size.height() - keep};
  const int targetH[3] = {keep, size.height() - 2 * keep, keep};
  QPainter painter(&frame);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      painter.drawImage(QRect(targetX[column], targetY[row], targetW[column], targetH[row]),
                        picture,
                        QRect(sourceX[column], sourceY[row], sourceW[column], sourceH[row]));
    }
  }
  return frame;
}

Skin::Skin(const DataDir& data, const QString& skin) : pictures_(data, skin) {
  LoadTables();
}

void Skin::Change(const QString& skin) {
  pictures_.SetSkin(skin);
  cache_.clear();
  LoadTables();
}

void Skin::LoadTables() {
  colors_ = SkinColors::Load(pictures_.Data(), pictures_.Skin());
  fonts_ = baseFonts_;
  fonts_.ApplyFontTable(pictures_.Data(), pictures_.Skin());
}

void Skin::SetBaseFonts(const SkinFonts& fonts) {
  baseFonts_ = fonts;
  LoadTables();
}

const QImage& Skin::Picture(const QString& name) const {
  const QString key = name.toLower();
  auto found = cache_.find(key);
  if (found == cache_.end()) {
    QImage picture;
    pictures_.LoadSkinPicture(picture, name);
    found = cache_.insert(key, WithTransparentMagenta(picture));
  }
  return *found;
}

QImage Skin::ClassicPicture(const QString& fileName) const {
  QImage picture;
  pictures_.LoadClassicPicture(picture, fileName);
  return picture;
}

std::unique_ptr<QMovie> Skin::Animation(const QString& name) const {
  auto movie = std::make_unique<QMovie>();
  if (!pictures_.LoadSkinAnimation(*movie, name)) return nullptr;
  return movie;
}

void Skin::ColourText(QWidget& label, const QString& key, const QColor& design) const {
  const std::optional<int> color = colors_.Color(key);
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, color ? ColorFromWindows(*color) : design);
  label.setPalette(palette);
}

QColor Skin::Color(const QString& key, int fallback) const {
  return ColorFromWindows(colors_.Color(key, fallback));
}

}  // namespace quorim
