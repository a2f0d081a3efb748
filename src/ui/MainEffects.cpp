// The main window's effects: blinking on the flash timer, tiles blinking on command, the explosion
// of exchanged tiles, the counting score displays, the score preview figures, the status line and
// the scanning markers of a hint.
#include "flow/Blinking.h"
#include "flow/ScreenEffects.h"
#include "model/ControlNames.h"
#include "ui/Board.h"
#include "ui/Main.h"
#include "ui/ScreenGeometry.h"
#include "ui/playfrm.h"

#include <QGraphicsDropShadowEffect>
#include <QMovie>
#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace quorim {

namespace {

constexpr int kPreviewLabels = 15;
constexpr int kAnnouncementHeight = 18;  // the board picture's top margin
constexpr int kAnnouncementPadding = 14;
constexpr int kLightText = 140;  // lightness above which a text wants a dark plate
const QString kExplosionName = QStringLiteral("Explosion");

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  widget.setPalette(palette);
}

QLabel* MakeEffectLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->hide();
  return label;
}

// Every frame of an animation, composed as it is shown.
std::vector<QPixmap> MovieFrames(QMovie& movie) {
  std::vector<QPixmap> frames;
  constexpr int kMostFrames = 200;
  if (!movie.jumpToFrame(0)) return frames;
  do {
    frames.push_back(movie.currentPixmap());
  } while (static_cast<int>(frames.size()) < kMostFrames && movie.jumpToNextFrame() &&
           movie.currentFrameNumber() > 0);
  return frames;
}

}  // namespace

// The status line: the engine sets its text and colour, the skin may give it a background.
// Without one the text gets a plate that sets it off from the board's margin: the engine's
// colours run from the classic skin's dark green to the yellow of a status. It stays centred at
// the top of the board, under the scanning markers.
class TAnnouncement : public QLabel, public SelfArrangingControl {
 public:
  TAnnouncement(QWidget* board, const Skin& skin, std::vector<QWidget*> above)
      : QLabel(board), skin_(skin), above_(std::move(above)) {
    setObjectName(names::FlashAnnounce);
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

  void Arrange(const ControlState& state) override {
    wanted_ = state.visible && !state.caption.isEmpty();
    Arrange();
  }

  void SetBlinkedOff(bool off) {
    if (off == blinkedOff_) return;
    blinkedOff_ = off;
    Arrange();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    {
      QPainter painter(this);
      if (const auto background =
              skin_.Colors().Color(QStringLiteral("InGamePlayFieldUpperCommentBgr"))) {
        painter.fillRect(rect(), ColorFromWindows(*background));
      } else {
        const bool lightText = palette().color(QPalette::WindowText).lightness() > kLightText;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(lightText ? QColor(0, 0, 0, 160) : QColor(255, 250, 235, 215));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 1.5, -0.5, -1.5), 4, 4);
      }
    }
    QLabel::paintEvent(event);
  }

 private:
  void Arrange() {
    setFont(skin_.Font(FontRole::kPlayer, 10));
    resize(sizeHint().width() + kAnnouncementPadding, kAnnouncementHeight);
    move((parentWidget()->width() - width()) / 2, 0);
    setVisible(wanted_ && !blinkedOff_);
    raise();
    for (QWidget* widget : above_) widget->raise();
  }

  const Skin& skin_;
  std::vector<QWidget*> above_;
  bool wanted_ = false;
  bool blinkedOff_ = false;
};

void TMainScreen::BuildEffects() {
  for (std::size_t i = 0; i < markers_.size(); ++i)
    markers_[i] = MakeEffectLabel(board_, i == 0 ? names::Marker1 : names::Marker2);
  announcement_ = new TAnnouncement(board_, *skin_, {markers_.begin(), markers_.end()});
  for (int n = 1; n <= kPreviewLabels; ++n) {
    QLabel* label = MakeEffectLabel(client_, QStringLiteral("Prevalue%1").arg(n));
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    previewLabels_.push_back(label);
  }
  connect(&timers_[static_cast<std::size_t>(GameTimer::Flash)], &QTimer::timeout, this,
          [this] { FlashTick(); });
}

void TMainScreen::FlashTick() {
  flashTick_ = NextFlashTick(flashTick_);
  ApplyFlashFace(FlashFaceAt(game_, flashTick_));
}

void TMainScreen::ApplyFlashFace(const FlashFace& face) {
  for (const QPointer<TTilePiece>& piece : board_->Pieces()) {
    if (!piece) continue;
    piece->SetBlinkHidden(std::ranges::binary_search(face.hiddenTiles, piece->Tile()));
    piece->SetStarMarkSilver(std::ranges::binary_search(face.silverStarMarks, piece->Tile()));
  }
  announcement_->SetBlinkedOff(face.announceHidden);
  for (const auto& panel : panels_) {
    const int n = panel->Number();
    if (auto* number = panel->findChild<QLabel*>(names::PlNum(n)))
      number->setVisible(Control(names::PlNum(n)).visible && n != face.hiddenNumberLabel);
  }
  QTimer& timer = timers_[static_cast<std::size_t>(GameTimer::Flash)];
  if (timer.interval() != face.interval) timer.setInterval(face.interval);
}

void TMainScreen::BlinkTiles(const std::vector<int>& tiles, int times, int milliseconds) {
  std::vector<QPointer<TTilePiece>> pieces;
  for (int tile : tiles) {
    TTilePiece* piece = board_->Piece(tile);
    if (piece != nullptr && !piece->isHidden()) pieces.emplace_back(piece);
  }
  if (pieces.empty()) return;
  bool shown = true;
  for (int change = 0; change < times; ++change) {
    shown = !shown;
    for (const QPointer<TTilePiece>& piece : pieces)
      if (piece) piece->setVisible(shown);
    Pause(milliseconds);
  }
  for (const QPointer<TTilePiece>& piece : pieces)
    if (piece) piece->show();
}

void TMainScreen::ShowExplosion(const std::vector<int>& tiles) {
  const std::unique_ptr<QMovie> movie = skin_->Animation(QStringLiteral("explosio"));
  if (!movie) return;
  const std::vector<QPixmap> frames = MovieFrames(*movie);
  // each tile's place gets a picture of its own on the window where the tile lies; the tile
  // bursts, so it is out of sight meanwhile
  std::vector<QPointer<QLabel>> blasts;
  std::vector<QPointer<TTilePiece>> burst;
  for (int tile : tiles) {
    TTilePiece* piece = board_->Piece(tile);
    if (piece == nullptr || piece->parentWidget() == nullptr || piece->isHidden()) continue;
    QLabel* blast = MakeEffectLabel(piece->parentWidget(), kExplosionName);
    blast->setGeometry(piece->geometry());
    blast->show();
    blast->raise();
    piece->hide();
    blasts.emplace_back(blast);
    burst.emplace_back(piece);
  }
  if (blasts.empty()) return;
  for (const QPixmap& frame : frames) {
    for (const QPointer<QLabel>& blast : blasts)
      if (blast) blast->setPixmap(frame);
    Pause(kExplosionFramePause);
    if (game_.GameOver()) break;
  }
  for (const QPointer<QLabel>& blast : blasts) delete blast.data();
  for (const QPointer<TTilePiece>& piece : burst)
    if (piece) piece->show();
}

void TMainScreen::CountScore(int player, int from, int to, int scoreLimit) {
  const std::optional<ScoreCount> count = CountingScore(player, from, to, scoreLimit);
  if (!count) return;
  const QString labelName = names::ScLabel(player);
  const QString plateName = QStringLiteral("Sc%1Im").arg(player);
  QPointer<QLabel> label = qobject_cast<QLabel*>(ControlRegistry::Find(labelName));
  if (auto* plate = qobject_cast<QLabel*>(ControlRegistry::Find(plateName)))
    plate->setPixmap(skin_->Pixmap(count->countingPlate));
  if (label) {
    SetTextColour(*label, ColorFromWindows(count->countingColor));
    // white and yellow figures on the lit plate need an edge to be read
    auto* edge = new QGraphicsDropShadowEffect;
    edge->setColor(QColor(0, 0, 0, 200));
    edge->setOffset(1, 1);
    edge->setBlurRadius(3);
    label->setGraphicsEffect(edge);
  }
  game_.PlaySound(count->sound);
  for (std::size_t i = 0; i < count->steps.size() && label; ++i) {
    label->setText(QString::number(count->steps[i]));
    if (static_cast<int>(i) == count->limitStep) {
      SetTextColour(*label, ColorFromWindows(kScoreLimitColor));
      game_.PlaySound(QStringLiteral("SCLimit"));
      for (int change = 0; change < kScoreLimitBlinks && label; ++change) {
        label->setHidden(!label->isHidden());
        Pause(kScoreLimitBlinkPause);
      }
      if (!label) break;
      label->show();
      SetTextColour(*label, ColorFromWindows(count->countingColor));
    }
    Pause(kScoreStepPause);
  }
  if (label) label->setGraphicsEffect(nullptr);
  // the new score stays in the control table, where a panel made later finds it
  SetControlPicture(plateName, count->finalPlate);
  SetControlCaption(labelName, QString::number(to));
  SetControlColor(labelName, GameView::SkinColor(count->finalColor));
  Pause(kScoreCountRest);
}

void TMainScreen::ShowPreviewLabels(const std::vector<PreviewLabel>& labels, int changes,
                                    int milliseconds) {
  std::vector<QLabel*> shown;
  QFont font = skin_->Font(FontRole::kSplashes, 10);
  font.setBold(true);
  for (std::size_t i = 0; i < labels.size() && i < previewLabels_.size(); ++i) {
    QLabel* label = previewLabels_[i];
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorFromWindows(labels[i].textColor));
    palette.setColor(QPalette::Window, ColorFromWindows(labels[i].backColor));
    label->setPalette(palette);
    label->setFont(font);
    label->setText(labels[i].text);
    label->resize(label->sizeHint() + QSize(4, 0));
    label->move(ToQPoint(labels[i].at));
    label->raise();
    label->show();
    shown.push_back(label);
  }
  for (int change = 0; change < changes && !shown.empty(); ++change) {
    Pause(milliseconds);
    for (QLabel* label : shown) label->setHidden(!label->isHidden());
  }
  for (QLabel* label : shown) label->hide();
}

void TMainScreen::MoveScanMarkers(std::uint8_t direction, int line) {
  const ScanMarkerPlaces places =
      PlaceScanMarkers(direction, line, {board_->width(), board_->height()});
  QPixmap picture = skin_->Pixmap(QStringLiteral("Marker1"));
  if (places.lying) picture = picture.transformed(QTransform().rotate(90));
  const std::array<ScreenRect, 2> rects{places.first, places.second};
  for (std::size_t i = 0; i < markers_.size(); ++i) {
    markers_[i]->setPixmap(picture);
    markers_[i]->setGeometry(ToQRect(rects[i]));
    markers_[i]->raise();
  }
  // through the control table, which the hint's end reads when it hides them
  SetControlVisible(names::Marker1, true);
  SetControlVisible(names::Marker2, true);
}

}  // namespace quorim
