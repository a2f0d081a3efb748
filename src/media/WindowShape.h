#pragma once
// The outline of a shaped window (splash, about) from its picture.

#include <QImage>
#include <QRegion>

namespace quorim {

// Every pixel whose colour is not magenta (16711935): one rectangle per run of such pixels in
// each row. A picture without any such pixel, or none at all, gives an empty region.
QRegion WindowShapeFromBitmap(const QImage& bitmap);

}  // namespace quorim
