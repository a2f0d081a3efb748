// The main window's selection frames: drawn by the mouse over a word with the button held, drawn
// by the engine around words, clicked away; and the hover texts of the board's cells. The rules of
// both are the engine's (SelectionDrawing, CellHints); this file turns mouse events into them.

#include "flow/CellHints.h"
#include "flow/SelectionDrawing.h"
#include "media/Colors.h"
#include "media/SkinColors.h"
#include "ui/Board.h"
#include "ui/Main.h"
#include "ui/ScreenGeometry.h"
#include "ui/Widgets.h"

#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace quorim {

namespace {

constexpr int kFrameStartDelay = 30;  // ms the button is held before a frame appears
constexpr int kDeselectHintDelay = 1500;
constexpr int kFramePen = 3;

}  // namespace

// The frames on screen, each with the cells it stands for. They are children of the client area
// above the board, so that no tile laid later covers them, and follow the board when it moves.
class TMainScreen::FrameShapes : public QObject {
 public:
  explicit FrameShapes(TMainScreen& main);

  bool Event(QObject* watched, QEvent* event);
  void Add(const TSelectionFrame& frame);
  void Clear();

 private:
  struct Shape {
    TSelectionFrame frame;
    QPointer<TShape> widget;
  };

  Game& State() { return main_.game_; }
  std::optional<std::size_t> ShapeOf(const QObject* widget) const;
  std::size_t AddShape(const TSelectionFrame& frame);
  void Place(Shape& shape);
  void Remove(std::size_t index);

  bool Pressed(QWidget& widget, const QMouseEvent& mouse);
  void Moved(const QMouseEvent& mouse);
  bool Released(const QMouseEvent& mouse);
  void StartDrawing();
  void ShowDeselectHint();
  bool HelpEvent(QWidget& widget, const QHelpEvent& help);

  TMainScreen& main_;
  std::vector<Shape> shapes_;
  int named_ = 0;  // frames are named "selectshape" 1, 2, … in the order they appear
  QTimer startDelay_;
  std::optional<Game::CellPlace> pressedCell_;  // the button is held there, no frame yet
  std::optional<std::size_t> drawing_;          // the frame growing under the held button
  QTimer deselectHint_;
  QPointer<TShape> hovered_;
};

TMainScreen::FrameShapes::FrameShapes(TMainScreen& main) : main_(main) {
  startDelay_.setSingleShot(true);
  startDelay_.setInterval(kFrameStartDelay);
  connect(&startDelay_, &QTimer::timeout, this, [this] { StartDrawing(); });
  deselectHint_.setSingleShot(true);
  deselectHint_.setInterval(kDeselectHintDelay);
  connect(&deselectHint_, &QTimer::timeout, this, [this] { ShowDeselectHint(); });
}

std::optional<std::size_t> TMainScreen::FrameShapes::ShapeOf(const QObject* widget) const {
  for (std::size_t i = 0; i < shapes_.size(); ++i) {
    if (widget != nullptr && shapes_[i].widget == widget) return i;
  }
  return std::nullopt;
}

std::size_t TMainScreen::FrameShapes::AddShape(const TSelectionFrame& frame) {
  QString name = QStringLiteral("selectshape");
  name += QString::number(++named_);
  auto* widget = new TShape(main_.client_, name);
  // a frame takes the clicks that take it away and the hover that says so
  widget->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  widget->SetRounded(true);
  shapes_.push_back({frame, widget});
  Place(shapes_.back());
  widget->show();
  widget->raise();
  return shapes_.size() - 1;
}

void TMainScreen::FrameShapes::Place(Shape& shape) {
  if (!shape.widget) return;
  const bool down = shape.frame.Direction == kVertical;
  const int color = State().View().SkinColor(down ? skincolors::VerticalSelection
                                                  : skincolors::HorizontalSelection);
  shape.widget->SetPen(ColorFromWindows(color), kFramePen);
  shape.widget->setGeometry(ToQRect(FrameRectangle(State(), shape.frame)));
}

void TMainScreen::FrameShapes::Remove(std::size_t index) {
  // the widget may be the one receiving the event that removes it
  if (TShape* widget = shapes_[index].widget) {
    widget->hide();
    widget->deleteLater();
  }
  shapes_.erase(shapes_.begin() + static_cast<std::ptrdiff_t>(index));
  if (drawing_ && *drawing_ > index) --*drawing_;
}

void TMainScreen::FrameShapes::Add(const TSelectionFrame& frame) {
  if (frame.Visible) AddShape(frame);
}

void TMainScreen::FrameShapes::Clear() {
  startDelay_.stop();
  deselectHint_.stop();
  pressedCell_.reset();
  drawing_.reset();
  while (!shapes_.empty()) Remove(shapes_.size() - 1);
  named_ = 0;
}

bool TMainScreen::FrameShapes::Event(QObject* watched, QEvent* event) {
  if (main_.board_ == nullptr || !watched->isWidgetType()) return false;
  auto& widget = *static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return Pressed(widget, *static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
      Moved(*static_cast<QMouseEvent*>(event));
      return false;
    case QEvent::MouseButtonRelease:
      return Released(*static_cast<QMouseEvent*>(event));
    case QEvent::Enter:
      if (ShapeOf(&widget)) {
        hovered_ = static_cast<TShape*>(&widget);
        deselectHint_.start();
      }
      return false;
    case QEvent::Leave:
      if (ShapeOf(&widget)) deselectHint_.stop();
      return false;
    case QEvent::ToolTip:
      return HelpEvent(widget, *static_cast<QHelpEvent*>(event));
    case QEvent::Move:
      if (&widget == main_.board_) {
        for (Shape& shape : shapes_) Place(shape);
      }
      return false;
    default:
      return false;
  }
}

bool TMainScreen::FrameShapes::Pressed(QWidget& widget, const QMouseEvent& mouse) {
  if (mouse.button() != Qt::LeftButton || drawing_) return false;
  if (const auto shape = ShapeOf(&widget)) {
    if (!MayRemoveFrame(State())) return false;
    deselectHint_.stop();
    QToolTip::hideText();
    RemoveFrame(State(), shapes_[*shape].frame);
    Remove(*shape);
    return true;
  }
  auto* piece = dynamic_cast<TTilePiece*>(&widget);
  if (piece == nullptr || piece->parentWidget() != main_.board_) return false;
  pressedCell_ = FrameStartCell(State(), piece->Tile());
  if (!pressedCell_) return false;
  // a click that is only a click leaves no frame: the frame waits for the button to stay down
  startDelay_.start();
  return true;
}

void TMainScreen::FrameShapes::StartDrawing() {
  if (!pressedCell_) return;
  const TSelectionFrame frame = StartFrame(State(), *pressedCell_);
  pressedCell_.reset();
  drawing_ = AddShape(frame);
}

void TMainScreen::FrameShapes::Moved(const QMouseEvent& mouse) {
  if (!drawing_) return;
  Shape& shape = shapes_[*drawing_];
  const QPoint at = main_.client_->mapFromGlobal(mouse.globalPosition().toPoint());
  // a quick pointer may have crossed the next tile's edge and the one after it in one move
  for (;;) {
    const FrameGrowth growth = FrameGrowthToward(State(), shape.frame, at.x(), at.y());
    const int length = shape.frame.End - shape.frame.Start;
    GrowFrame(State(), shape.frame, growth);
    if (shape.frame.End - shape.frame.Start == length) break;
  }
  Place(shape);
}

bool TMainScreen::FrameShapes::Released(const QMouseEvent& mouse) {
  if (mouse.button() != Qt::LeftButton) return false;
  startDelay_.stop();
  pressedCell_.reset();
  if (!drawing_) return false;
  const std::size_t drawn = *drawing_;
  drawing_.reset();
  if (!FinishFrame(State(), shapes_[drawn].frame)) Remove(drawn);
  return true;
}

void TMainScreen::FrameShapes::ShowDeselectHint() {
  if (!hovered_ || !hovered_->isVisible()) return;
  QToolTip::showText(QCursor::pos(), State().InterfaceText(u"InGameTagDeselect"), hovered_,
                     hovered_->rect(), kHintDuration);
}

bool TMainScreen::FrameShapes::HelpEvent(QWidget& widget, const QHelpEvent& help) {
  if (&widget == main_.board_) {
    // tiles have no hints of their own: over a tile the board answers for the cell below it
    const QPoint at = main_.client_->mapFromGlobal(help.globalPos());
    const auto cell = CellPictureUnderPoint(State(), at.x(), at.y());
    const auto hint = cell ? BonusCellHint(State(), *cell) : std::nullopt;
    if (!hint) {
      QToolTip::hideText();
      return true;
    }
    const QRect picture = ToQRect(CellPicture(State(), *cell));
    QToolTip::showText(help.globalPos(), *hint, main_.board_,
                       picture.translated(-main_.board_->pos()), kBonusHintDuration);
    return true;
  }
  // every other hint of the game stays 20 s, not the few seconds Qt gives a short one
  if (widget.toolTip().isEmpty() || widget.toolTipDuration() >= 0) return false;
  QToolTip::showText(help.globalPos(), widget.toolTip(), &widget, QRect(), kHintDuration);
  return true;
}

TMainScreen::FrameShapes& TMainScreen::Frames() {
  if (frames_ == nullptr) {
    // taken as a child only once known: adopting it is an event that comes back here
    frames_ = new FrameShapes(*this);
    frames_->setParent(this);
  }
  return *frames_;
}

bool TMainScreen::FramesEvent(QObject* watched, QEvent* event) {
  if (board_ == nullptr) return false;
  return Frames().Event(watched, event);
}

void TMainScreen::AddSelectionFrame(const TSelectionFrame& frame) {
  Frames().Add(frame);
}

void TMainScreen::ClearSelectionFrames() {
  Frames().Clear();
}

}  // namespace quorim
