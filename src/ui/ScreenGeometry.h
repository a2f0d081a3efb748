#pragma once
// The engine's screen geometry in Qt's types and back.

#include "model/GameView.h"

#include <QPoint>
#include <QRect>

namespace quorim {

inline ScreenRect ToScreenRect(const QRect& rect) {
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

inline QRect ToQRect(const ScreenRect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

inline QPoint ToQPoint(const ScreenPoint& point) {
  return {point.left, point.top};
}

}  // namespace quorim
