#include "ui/Board.h"

#include "flow/ScreenLayout.h"
#include "ui/Skin.h"

#include <QLabel>
#include <QPainter>

#include <array>

namespace quorim {

namespace {

constexpr int kMargin = 18;
constexpr int kStarMarkSilver = 12632256;

const QString& KindPicture(int kind) {
  static const std::array<QString, 7> names{QStringLiteral("spot-0"),  QStringLiteral("spot-wt"),
                                            QStringLiteral("spot-gr"), QStringLiteral("spot-bl"),
                                            QStringLiteral("spot-yl"), QStringLiteral("spot-rd"),
                                            QStringLiteral("spot-bk")};
  return names[static_cast<std::size_t>(std::clamp(kind, 0, 6))];
}

}  // namespace

TTilePiece::TTilePiece(const Game& game, const TilePictures& pictures, int tile)
    : game_(game), pictures_(pictures), tile_(tile) {
  setFixedSize(kTileSide, kTileSide);
}

void TTilePiece::SetBlinkHidden(bool hidden) {
  if (hidden == blinkHidden_) return;
  blinkHidden_ = hidden;
  update();
}

void TTilePiece::SetStarMarkSilver(bool silver) {
  if (silver == starMarkSilver_) return;
  starMarkSilver_ = silver;
  update();
}

void TTilePiece::paintEvent(QPaintEvent*) {
  if (blinkHidden_ || tile_ >= static_cast<int>(game_.TileTable.size())) return;
  const TTile& tile = game_.TileTable[static_cast<std::size_t>(tile_)];
  QPainter painter(this);
  painter.drawPixmap(0, 0, pictures_.Face(tile));
  if (!tile.FaceUp) return;
  if (tile.Spot.area == TileSpot::Area::Board) {
    const int kind = tile.Owner == kOwnerCommitted ? tile.BonusKind
                                                   : game_.PlayField(tile.Spot.a, tile.Spot.b).Kind;
    PaintBonusMark(painter, kind);
  }
  // a star still on the board shows white (silver while it blinks); a letter whose star went
  // back to a rack shows black
  if (tile.StarTakenBack) {
    PaintStarMark(painter, Qt::black);
  } else if (tile.StarMark) {
    PaintStarMark(painter, starMarkSilver_ ? ColorFromWindows(kStarMarkSilver) : Qt::white);
  }
}

// Outside the window manager's care, like a drag icon: it moves every 10 ms in a flight and with
// every mouse move in the hand, and a managed window would make each move a round trip through
// the manager.
TTileCarrier::TTileCarrier()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("HandWindow"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(kTileSide, kTileSide);
}

TBoard::TBoard(QWidget& clientArea, const Skin& skin, const Game& game)
    : QWidget(&clientArea), skin_(skin), game_(game) {
  setObjectName(QStringLiteral("MainScreenImage"));
  choicePanel_ = new QWidget(this);
  choicePanel_->setObjectName(QStringLiteral("ChoicePanel"));
  choicePanel_->move(kMargin, kMargin);
  choicePanel_->hide();
  auto* image = new QLabel(choicePanel_);
  image->setObjectName(QStringLiteral("ChoiceFieldImage"));
}

void TBoard::Draw() {
  DrawPicture();
  DrawChoiceField();
  update();
}

void TBoard::DrawPicture() {
  const TPlayField& field = game_.PlayField;
  const ScreenSize size = BoardPictureSize(field.DimX(), field.DimY());
  setFixedSize(size.width, size.height);
  picture_ = QPixmap(size.width, size.height);
  picture_.fill(Qt::transparent);
  QPainter painter(&picture_);
  // the frame first: the cells cover the few pixels where it reaches under them
  const QImage& horizontal = skin_.Picture(QStringLiteral("border-h"));
  const QImage& vertical = skin_.Picture(QStringLiteral("border-v"));
  const QImage& corner = skin_.Picture(QStringLiteral("border"));
  const int right = size.width - kMargin;
  const int bottom = size.height - kMargin;
  if (!horizontal.isNull()) {
    for (int x = kMargin; x < right; x += horizontal.width())
      painter.drawImage(x, bottom, horizontal);
  }
  if (!vertical.isNull()) {
    for (int y = kMargin; y < bottom; y += vertical.height()) painter.drawImage(right, y, vertical);
  }
  if (!corner.isNull()) {
    painter.drawImage(right, 0, corner);
    painter.drawImage(0, bottom, corner);
    painter.drawImage(right, bottom, corner);
  }
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      painter.drawImage(kMargin + kCellPixels * (x - 1), kMargin + kCellPixels * (y - 1),
                        skin_.Picture(KindPicture(field(x, y).Kind)));
    }
  }
}

void TBoard::DrawChoiceField() {
  const TPlayField& field = game_.PlayField;
  const QSize size(kCellPixels * field.DimX() - 2, kCellPixels * field.DimY() - 2);
  choicePanel_->setFixedSize(size);
  QPixmap empty(size);
  empty.fill(Qt::transparent);
  QPainter painter(&empty);
  const QImage& place = skin_.Picture(KindPicture(kCellEmptyPlace));
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x)
      painter.drawImage(kCellPixels * (x - 1), kCellPixels * (y - 1), place);
  }
  painter.end();
  auto* image = choicePanel_->findChild<QLabel*>(QStringLiteral("ChoiceFieldImage"));
  image->setPixmap(empty);
  image->setFixedSize(size);
  image->lower();
}

void TBoard::MakePieces(const TilePictures& pictures) {
  ReleasePieces();
  pieces_.reserve(game_.TileTable.size());
  for (std::size_t k = 0; k < game_.TileTable.size(); ++k) {
    auto* piece = new TTilePiece(game_, pictures, static_cast<int>(k));
    piece->setParent(choicePanel_);
    pieces_.emplace_back(piece);
  }
}

void TBoard::ReleasePieces() {
  for (const QPointer<TTilePiece>& piece : pieces_) delete piece.data();
  pieces_.clear();
}

void TBoard::RecallPieces() {
  for (const QPointer<TTilePiece>& piece : pieces_) {
    if (piece && piece->parentWidget() != this && piece->parentWidget() != choicePanel_) {
      piece->hide();
      piece->setParent(choicePanel_);
    }
  }
}

TTilePiece* TBoard::Piece(int tile) const {
  if (tile < 0 || tile >= static_cast<int>(pieces_.size())) return nullptr;
  return pieces_[static_cast<std::size_t>(tile)].data();
}

QPoint TBoard::LocalPositionOf(const TileSpot& spot) const {
  if (spot.area == TileSpot::Area::Bag)
    return {kCellPixels * (spot.a - 1), kCellPixels * (spot.b - 1)};
  return {kCellPixels * spot.a - 9, kCellPixels * spot.b - 9};
}

void TBoard::PlacePiece(TTilePiece& piece, const TileSpot& spot,
                        const std::function<QWidget*(int)>& rackOf, TTileCarrier& hand) {
  QWidget* parent = nullptr;
  QPoint at;
  switch (spot.area) {
    case TileSpot::Area::Bag:
      parent = choicePanel_;
      at = LocalPositionOf(spot);
      break;
    case TileSpot::Area::Board:
      parent = this;
      at = LocalPositionOf(spot);
      break;
    case TileSpot::Area::Rack: {
      if (!game_.IsPlayer(spot.a) || spot.b < 1 || spot.b > kRackSlots) break;
      parent = rackOf(spot.a);
      const TRackSlot& slot = game_.Racks[static_cast<std::size_t>(spot.a)][spot.b];
      at = {slot.Left, slot.Top};
      break;
    }
    case TileSpot::Area::Hand:
      parent = &hand;
      break;
  }
  if (parent == nullptr) {
    piece.hide();
    return;
  }
  if (piece.parentWidget() != parent) piece.setParent(parent);
  piece.move(at);
  piece.raise();
  piece.show();
  piece.update();
}

QPoint TBoard::ScreenPositionOf(const TileSpot& spot, const std::function<QWidget*(int)>& rackOf,
                                QPoint hand) const {
  switch (spot.area) {
    case TileSpot::Area::Bag:
      return choicePanel_->mapToGlobal(LocalPositionOf(spot));
    case TileSpot::Area::Board:
      return mapToGlobal(LocalPositionOf(spot));
    case TileSpot::Area::Rack: {
      if (!game_.IsPlayer(spot.a) || spot.b < 1 || spot.b > kRackSlots) break;
      const TRackSlot& slot = game_.Racks[static_cast<std::size_t>(spot.a)][spot.b];
      QWidget* panel = rackOf(spot.a);
      return panel != nullptr ? panel->mapToGlobal(QPoint(slot.Left, slot.Top)) : hand;
    }
    case TileSpot::Area::Hand:
      break;
  }
  return hand;
}

void TBoard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace quorim
