#pragma once
// The playfield on screen: the board picture with its cells and frame, the face-down choice field
// over it while letters are taken, and the tile pieces that lie on the board, on the racks of the
// participant panels, in the hand or in flight.

#include "model/Game.h"
#include "ui/TilePictures.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace quorim {

class Skin;

// One tile: its face as the game's tile table describes it, with the bonus corner and star mark.
class TTilePiece : public QWidget {
 public:
  TTilePiece(const Game& game, const TilePictures& pictures, int tile);
  int Tile() const { return tile_; }
  // Blinking takes the picture away on odd ticks; the star mark alternates its colour.
  void SetBlinkHidden(bool hidden);
  bool BlinkHidden() const { return blinkHidden_; }
  void SetStarMarkSilver(bool silver);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Game& game_;
  const TilePictures& pictures_;
  int tile_;
  bool blinkHidden_ = false;
  bool starMarkSilver_ = false;
};

// A click-through window on top of everything that carries a tile across windows: the hand, or a
// flight.
class TTileCarrier : public QWidget {
 public:
  TTileCarrier();
};

class TBoard : public QWidget {
 public:
  TBoard(QWidget& clientArea, const Skin& skin, const Game& game);

  // The board picture and the choice field drawn again from the playfield's cells.
  void Draw();
  // The choice field with the face-down tiles, shown over the board while letters are taken.
  QWidget& ChoiceField() { return *choicePanel_; }

  // Tiles: one piece per tile of the table, made again when the table was.
  void MakePieces(const TilePictures& pictures);
  void ReleasePieces();
  // Pieces lying on windows about to go (the panels, the hand) come back to the board, hidden.
  void RecallPieces();
  TTilePiece* Piece(int tile) const;
  const std::vector<QPointer<TTilePiece>>& Pieces() const { return pieces_; }
  // The piece goes to the spot: the choice field, a cell, a rack slot on the participant's panel
  // (rackOf gives it), or the hand.
  void PlacePiece(TTilePiece& piece, const TileSpot& spot,
                  const std::function<QWidget*(int)>& rackOf, TTileCarrier& hand);
  // The screen position of a tile lying at the spot.
  QPoint ScreenPositionOf(const TileSpot& spot, const std::function<QWidget*(int)>& rackOf,
                          QPoint hand) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawPicture();
  void DrawChoiceField();
  QPoint LocalPositionOf(const TileSpot& spot) const;

  const Skin& skin_;
  const Game& game_;
  QPixmap picture_;
  QWidget* choicePanel_ = nullptr;
  std::vector<QPointer<TTilePiece>> pieces_;
};

}  // namespace quorim
