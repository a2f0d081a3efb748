#pragma once
// The backdrops of the panels and the main window's background, and the drop shadows drawn onto
// the backdrops under the pictures that stand on them. The windows draw these images.

#include "media/SkinPictures.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <span>

namespace quorim {

// One pass of a drop shadow: where it falls from the picture's corner and how dark it is.
struct ShadowPass {
  QPoint offset;
  int strength;
};

// Under the pictures of the panels: 3 px left and 5 px down about a fifth darker, then 2 px left
// and 3 px down about two fifths darker.
inline constexpr ShadowPass kPanelShadow[] = {{QPoint(-3, 5), 512}, {QPoint(-2, 3), 256}};
// Under the start menu background, which the about window erases and draws again.
inline constexpr ShadowPass kStartMenuShadow[] = {{QPoint(-4, 4), 512}, {QPoint(-3, 3), 256}};

// Darkening: every backdrop pixel under a non-transparent pixel of picture placed at (x, y) has
// each of red, green and blue c become c - c * 100 / strength, never below 0. Erasing: every
// backdrop pixel under the picture is taken from the untouched copy. Pixels off the backdrop are
// left out. Gives the backdrop area changed, for the window to repaint; a strength of 0 or less
// changes nothing.
QRect DrawShadow(QImage& backdrop, const QImage& untouched, const QImage& picture, int x, int y,
                 bool darken, int strength);

// The panels that carry pictures with shadows.
enum class Panel { kPlayer, kControl };

class Backgrounds {
 public:
  // The play-area picture "quorim" as both backdrops and the untouched copy; the main window's
  // background from backgroundPicture (a full path of the user's) when it is set and readable,
  // else the skin's "background", else none (0 x 0).
  void PrepareBackgrounds(const SkinPictures& pictures, const QString& backgroundPicture);

  const QImage& Backdrop(Panel panel) const;
  const QImage& Untouched() const { return untouched_; }
  const QImage& Background() const { return background_; }
  // A 10 x 10 magenta helper the main window shows at its top-left corner.
  const QImage& RepaintImage() const { return repaintImage_; }

  // The passes of a shadow under a picture whose top-left corner is at pos on the panel; nothing
  // while shadows are off. Gives the area to repaint.
  QRect DrawShadows(Panel panel, const QImage& picture, QPoint pos, bool darken, bool showShadows,
                    std::span<const ShadowPass> passes = kPanelShadow);

  // Turning shadows off: both backdrops become the untouched copy again.
  void RemoveAllShadows();

 private:
  QImage& BackdropOf(Panel panel) { return panel == Panel::kPlayer ? player_ : control_; }

  QImage player_;
  QImage control_;
  QImage untouched_;
  QImage background_;
  QImage repaintImage_;
};

}  // namespace quorim
