#pragma once
// The skin as the windows use it: its pictures (loaded once and kept), animations, colours and
// fonts. Every window of the game draws from the one Skin the main window owns.

#include "media/DataDir.h"
#include "media/SkinColors.h"
#include "media/SkinFonts.h"
#include "media/SkinPictures.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <memory>

class QMovie;
class QWidget;

namespace quorim {

class Skin {
 public:
  Skin(const DataDir& data, const QString& skin);

  // Another skin: its pictures, colours and font table; fonts of FONTS\ stay as registered.
  void Change(const QString& skin);

  // A skin picture by name ("menu", "ErrorWin"), the classic skin's when the skin lacks it, empty
  // when neither has one. Kept after the first load.
  const QImage& Picture(const QString& name) const;
  QPixmap Pixmap(const QString& name) const { return QPixmap::fromImage(Picture(name)); }
  // A picture always taken from the classic skin, by its file name ("about.bmp").
  QImage ClassicPicture(const QString& fileName) const;
  // A GIF of ANIMATIO ("E_Button", or "ANIMATIO\Arrow_right"); nullptr when none can be read.
  std::unique_ptr<QMovie> Animation(const QString& name) const;

  // The skin colour of the key, or the fallback when the skin's table lacks it.
  QColor Color(const QString& key, int fallback) const;
  int ColorValue(const QString& key, int fallback) const { return colors_.Color(key, fallback); }
  const SkinColors& Colors() const { return colors_; }
  // A label's text in the skin's colour of the key, or its design colour where the skin keeps it.
  void ColourText(QWidget& label, const QString& key, const QColor& design = Qt::white) const;

  // The face of a font role at a size; the skin's font table first, then FONTS\.
  QFont Font(FontRole role, int pointSize) const { return fonts_.Font(role, pointSize); }
  // The faces FONTS\ gave the roles at start-up; the skin's font table goes over them.
  void SetBaseFonts(const SkinFonts& fonts);

 private:
  void LoadTables();

  SkinPictures pictures_;
  SkinColors colors_;
  SkinFonts baseFonts_;
  SkinFonts fonts_;
  mutable QHash<QString, QImage> cache_;
};

// Magenta stands for "transparent" in the skins' pictures without an alpha channel.
QImage WithTransparentMagenta(const QImage& picture);

// A frame picture drawn at another size: its corners and edges keep `keep` pixels unscaled (less
// when the picture or the size is too small for that), the edges and the middle are stretched.
QImage StretchedFrame(const QImage& picture, QSize size, int keep);

}  // namespace quorim
