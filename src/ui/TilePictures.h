#pragma once
// The faces of the tiles: every letter of the alphabet with its value in the colour of each tile
// face, the star, and the face-down tile. Built at every game start and after a skin change.

#include "model/Alphabet.h"
#include "model/Tiles.h"

#include <QPixmap>

#include <array>
#include <vector>

namespace quorim {

class Skin;

inline constexpr int kTileSide = 26;

class TilePictures {
 public:
  // codePage: the dictionary language's, in which the alphabet's letters are written.
  void Build(const Skin& skin, const Alphabet& alphabet, int codePage);

  // What the tile shows now: face down, a star, or its letter in the colour of its face.
  const QPixmap& Face(const TTile& tile) const;
  const QPixmap& FaceDown() const { return faceDown_; }
  // The letter of alphabet entry index as a rack tile shows it; the star for the star's entry.
  const QPixmap& Letter(int index) const;

 private:
  Alphabet alphabet_;
  std::array<std::vector<QPixmap>, 4> faces_;  // by TileFace, one per letter
  QPixmap star_;
  QPixmap faceDown_;
};

// The small bonus triangle in the corner of a tile on a cell of bonus kind 2..5.
void PaintBonusMark(QPainter& painter, int kind);
// The "*" of a committed star, or of a letter whose star went back to a rack.
void PaintStarMark(QPainter& painter, const QColor& color);

}  // namespace quorim
