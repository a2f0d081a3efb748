// The main window's board: the playfield picture, the tiles and what the mouse does with them.

#include "flow/HandCommands.h"
#include "flow/ScreenLayout.h"
#include "flow/TurnCommands.h"
#include "flow/WordExclusion.h"
#include "model/ControlNames.h"
#include "ui/Board.h"
#include "ui/ExplPanel.h"
#include "ui/Main.h"
#include "ui/ScreenGeometry.h"
#include "ui/Strwnd.h"
#include "ui/playfrm.h"

#include <QApplication>
#include <QCursor>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolTip>

namespace quorim {

namespace {

constexpr int kHandPace = 10;        // the tile follows the cursor this often (ms)
constexpr int kFlightStepPause = 8;  // ms per step of a flying tile
constexpr int kDragDistance = 6;     // px the button must travel to make a click a drag
constexpr int kStarNoteDelay = 500;  // ms over a star that a drop would take back

}  // namespace

void TMainScreen::BuildBoard() {
  board_ = new TBoard(*client_, *skin_, game_);
  board_->lower();
  hand_ = std::make_unique<TTileCarrier>();
  flight_ = std::make_unique<TTileCarrier>();
  flight_->setObjectName(QStringLiteral("FlightWindow"));
  moveLetterTimer_.setObjectName(QStringLiteral("MoveLetterTimer"));
  moveLetterTimer_.setInterval(kHandPace);
  connect(&moveLetterTimer_, &QTimer::timeout, this, [this] { FollowHand(); });
  starNote_.setSingleShot(true);
  starNote_.setInterval(kStarNoteDelay);
  connect(&starNote_, &QTimer::timeout, this, [this] {
    QToolTip::showText(QCursor::pos(), game_.InterfaceText(u"InGameTagChangeBlankTile"));
  });
}

QWidget* TMainScreen::RackOf(int player) const {
  if (player < 1 || player > static_cast<int>(panels_.size())) return nullptr;
  return panels_[static_cast<std::size_t>(player - 1)].get();
}

void TMainScreen::FitWindowToBoard() {
  // from the menu's height, not the client area's: before the first showing that is not laid out
  if (!isMaximized() && !isFullScreen())
    resize(board_->width(),
           board_->height() + menuBar()->sizeHint().height() + ExplanationPanelHeight());
  PlaceBoard();
}

void TMainScreen::PlaceBoard() {
  // a normal window keeps the board at its corner: the panels' column may widen the window
  // beside the board, never over it; the explanation panel stands above the board
  const int above = ExplanationPanelHeight();
  if (!isMaximized() && !isFullScreen()) {
    board_->move(0, above);
  } else {
    board_->move(ToQPoint(BoardPlace({client_->width(), client_->height() - above},
                                     {board_->width(), board_->height()})) +
                 QPoint(0, above));
  }
  if (explPanel_) explPanel_->Place(board_->geometry());
}

void TMainScreen::DrawPlayField() {
  const QSize before = board_->size();
  board_->Draw();
  // a redraw of the same board (the computer's move taken back) keeps the panels' column
  if (board_->size() == before && !panels_.empty())
    PlaceBoard();
  else
    FitWindowToBoard();
}

void TMainScreen::PlaceTiles() {
  tilePictures_.Build(*skin_, game_.Alphabet, game_.DictionaryCodePage());
  starWindow_->LayOut(game_.Alphabet, game_.DictionaryCodePage());
  if (board_->Pieces().size() != game_.TileTable.size()) board_->MakePieces(tilePictures_);
  for (std::size_t k = 0; k < game_.TileTable.size(); ++k) ShowTile(static_cast<int>(k));
}

void TMainScreen::PlacePiece(int tile, const TileSpot& spot) {
  TTilePiece* piece = board_->Piece(tile);
  if (piece == nullptr) return;
  board_->PlacePiece(
      *piece, spot, [this](int player) { return RackOf(player); }, *hand_);
}

void TMainScreen::ShowTile(int tile) {
  if (tile < 0 || tile >= static_cast<int>(game_.TileTable.size())) return;
  PlacePiece(tile, game_.TileTable[static_cast<std::size_t>(tile)].Spot);
  UpdateHand();
}

void TMainScreen::FlyTile(int tile, const TileSpot& from, const TileSpot& to) {
  TTilePiece* piece = board_->Piece(tile);
  if (piece == nullptr) return;
  const auto rackOf = [this](int player) { return RackOf(player); };
  if (!isMinimized()) {
    // the hand window stands at the cursor; asking the window system where the cursor is would
    // cost a round trip for every flight
    const QPoint start = board_->ScreenPositionOf(from, rackOf, hand_->pos());
    const QPoint end = board_->ScreenPositionOf(to, rackOf, hand_->pos());
    piece->setParent(flight_.get());
    piece->move(0, 0);
    piece->show();
    flight_->move(start);
    flight_->show();
    flight_->raise();
    for (const ScreenPoint& step : FlightPath({start.x(), start.y()}, {end.x(), end.y()})) {
      flight_->move(ToQPoint(step));
      Pause(kFlightStepPause);
    }
    flight_->hide();
  }
  PlacePiece(tile, to);
}

void TMainScreen::SetBoardTilesVisible(const std::vector<int>& tiles, bool visible) {
  for (int tile : tiles) {
    if (TTilePiece* piece = board_->Piece(tile)) piece->setVisible(visible);
  }
}

ScreenRect TMainScreen::BoardPicture() const {
  return ToScreenRect(board_->geometry());
}

ScreenRect TMainScreen::BoardOnScreen() const {
  return ToScreenRect(QRect(board_->mapToGlobal(QPoint(0, 0)), board_->size()));
}

ScreenPoint TMainScreen::ClientToScreen(ScreenPoint point) const {
  const QPoint screen = client_->mapToGlobal(ToQPoint(point));
  return {screen.x(), screen.y()};
}

// The hand: a tile picked up rides in a click-through window at the cursor, its top-left corner
// at the cursor's point, which is where it is dropped.
void TMainScreen::UpdateHand() {
  const bool holding = game_.HandTile() >= 0;
  if (holding == moveLetterTimer_.isActive()) return;
  if (holding) {
    QApplication::setOverrideCursor(Qt::BlankCursor);
    FollowHand();
    hand_->show();
    hand_->raise();
    moveLetterTimer_.start();
    return;
  }
  moveLetterTimer_.stop();
  starNote_.stop();
  hand_->hide();
  handPickedAt_.reset();
  QApplication::restoreOverrideCursor();
}

bool TMainScreen::DropRefusedAt(QPoint global, bool* overStar) const {
  *overStar = false;
  const int player = game_.CurrentPlayer;
  for (const auto& panel : panels_) {
    if (!panel->isVisible() || !panel->frameGeometry().contains(global)) continue;
    return panel->Number() != player;
  }
  const QPoint local = client_->mapFromGlobal(global);
  if (!client_->rect().contains(local)) return false;
  if (board_->ChoiceField().isVisible()) return true;
  const auto cell = CellUnderPoint(game_, local.x(), local.y());
  if (!cell || game_.PlayField(cell->x, cell->y).DropAllowed) return false;
  *overStar = StarMayBeTakenBack(game_, game_.HandTile(), cell->x, cell->y);
  return !*overStar;
}

void TMainScreen::FollowHand() {
  const QPoint cursor = QCursor::pos();
  hand_->move(cursor);
  bool overStar = false;
  const bool refused = DropRefusedAt(cursor, &overStar);
  QApplication::changeOverrideCursor(refused ? Qt::ForbiddenCursor : Qt::BlankCursor);
  if (!overStar) {
    starNote_.stop();
  } else if (!starNote_.isActive()) {
    starNote_.start();
  }
}

void TMainScreen::DropHandTile(QPoint global) {
  const int player = game_.CurrentPlayer;
  if (QWidget* rack = RackOf(player);
      rack != nullptr && rack->isVisible() && rack->frameGeometry().contains(global)) {
    const QPoint local = rack->mapFromGlobal(global);
    if (const int slot = RackSlotUnderPoint(game_, player, local.x(), local.y()); slot != 0)
      DropOnRack(game_, slot);
    return;
  }
  const QPoint local = client_->mapFromGlobal(global);
  if (!client_->rect().contains(local) || board_->ChoiceField().isVisible()) return;
  const Game::CellPlace cell = DropCellUnderPoint(game_, local.x(), local.y());
  DropOnCell(game_, cell.x, cell.y);
}

bool TMainScreen::BoardMouseEvent(QObject* watched, QEvent* event) {
  if (FramesEvent(watched, event)) return true;
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseButtonRelease && type != QEvent::MouseMove) {
    return false;
  }
  // With a tile in the hand the windows' own mouse events are taken, before any widget sees
  // them: the piece pressed to pick the tile up has changed windows, and the widget that held the
  // button would lose the rest of the drag.
  const bool holding = game_.HandTile() >= 0;
  if (board_ == nullptr || !(watched->isWidgetType() || (holding && watched->isWindowType())))
    return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint global = mouse->globalPosition().toPoint();
  const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;

  if (holding) {
    if (type == QEvent::MouseMove) {
      if (handPickedAt_ && (global - *handPickedAt_).manhattanLength() > kDragDistance)
        handDragged_ = true;
      return false;
    }
    // a tile carried with the button held is dropped where the button is released
    if (type == QEvent::MouseButtonRelease) {
      if (mouse->button() != Qt::LeftButton || !handDragged_) return false;
      handDragged_ = false;
      handPickedAt_.reset();
      DropHandTile(global);
      return true;
    }
    if (mouse->button() == Qt::LeftButton) DropHandTile(global);
    return true;
  }

  auto* piece = dynamic_cast<TTilePiece*>(static_cast<QWidget*>(watched));
  if (!press || piece == nullptr) return false;
  const int tile = piece->Tile();
  const TTile& state = game_.TileTable[static_cast<std::size_t>(tile)];
  if (mouse->button() == Qt::LeftButton) {
    if (state.Owner == kOwnerBag) {
      BagTileClicked(game_, state.Spot.a, state.Spot.b);
    } else if (PickUpTile(game_, tile)) {
      handPickedAt_ = global;
      handDragged_ = false;
    }
    return true;
  }
  if (mouse->button() == Qt::RightButton) {
    if (const auto cell = ContextMenuCell(game_, tile)) {
      RightMBClick(tile, cell->x, cell->y, global);
    } else {
      RightClickTile(game_, tile, mouse->modifiers().testFlag(Qt::ShiftModifier));
    }
    return true;
  }
  return false;
}

}  // namespace quorim
