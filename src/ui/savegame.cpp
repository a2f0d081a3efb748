#include "ui/savegame.h"

#include "ui/Errormes.h"
#include "ui/Skin.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QTimer>

namespace quorim {

namespace {

constexpr QSize kWindowSize(308, 199);
constexpr QColor kNavy(0, 0, 128);
constexpr QRect kTitlePlace(59, 12, 231, 29);
constexpr int kTitlePixels = 19;
constexpr int kLabelPixels = 12;
constexpr std::array<QPoint, kSaveSlots> kLabelPlaces{{{147, 62}, {147, 91}, {147, 119}}};
constexpr QSize kLabelSize(137, 17);
constexpr std::array<QPoint, kSaveSlots> kPicturePlaces{{{77, 54}, {77, 83}, {77, 112}}};
constexpr QPoint kSafePlace(3, 3);
constexpr QRect kCancelPlace(258, 152, 33, 33);

constexpr int kTitleColor = 16776960;
constexpr int kTextColor = 0;

// Frame 0 of a slot picture is its rest, frame 1 its highlight, the rest its saving.
constexpr int kHighlightFrame = 1;
constexpr int kFirstSavingFrame = 2;
constexpr int kSavingFrameMs = 20;
// The safe's animation ends by itself; a broken one must not hold the window open.
constexpr int kSafeLongestMs = 5000;

// A text that would not fit its label at the design size is written smaller, down to a size that
// still reads.
void FitText(QLabel& label, int pixels) {
  constexpr int kSmallest = 8;
  QFont font = label.font();
  font.setPixelSize(pixels);
  while (font.pixelSize() > kSmallest &&
         QFontMetrics(font).horizontalAdvance(label.text()) > label.width() - 2)
    font.setPixelSize(font.pixelSize() - 1);
  label.setFont(font);
}

void Paint(QLabel& label, const QColor& color) {
  QPalette colors = label.palette();
  colors.setColor(QPalette::WindowText, color);
  label.setPalette(colors);
}

// A one-shot or frame-by-frame animation at its own size, stopped on its first frame.
QPointer<QMovie> StillAnimation(const Skin& skin, const QString& name, QLabel& label) {
  auto movie = skin.Animation(name);
  if (!movie) {
    label.clear();
    return nullptr;
  }
  movie->setCacheMode(QMovie::CacheAll);
  movie->setParent(&label);
  movie->jumpToFrame(0);
  label.resize(movie->currentPixmap().size());
  label.setMovie(movie.get());
  return movie.release();
}

}  // namespace

TSaveGameWindow::TSaveGameWindow(const Skin& skin, TShadowWindow& shadow,
                                 std::function<void()> saveSound)
    : TSkinnedDialog(skin, QStringLiteral("SaveGameWindow"), kWindowSize,
                     QStringLiteral("savegame")),
      shadow_(shadow),
      saveSound_(std::move(saveSound)) {
  QPalette navy = palette();
  navy.setColor(QPalette::Window, kNavy);
  setPalette(navy);
  setAutoFillBackground(true);
  setMouseTracking(true);

  titleShadow_ = new QLabel(this);
  titleShadow_->setObjectName(QStringLiteral("titleTextShadow"));
  titleShadow_->setGeometry(kTitlePlace.translated(-1, 1));
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("TitleText"));
  title_->setGeometry(kTitlePlace);
  for (QLabel* label : {titleShadow_, title_}) {
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  safe_ = new QLabel(this);
  safe_->setObjectName(QStringLiteral("SafeImage"));
  safe_->move(kSafePlace);
  safe_->setAttribute(Qt::WA_TransparentForMouseEvents);
  // the pictures lie behind the labels
  for (int k = 1; k <= kSaveSlots; ++k) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Slot%1Im").arg(k));
    picture->move(kPicturePlaces[static_cast<std::size_t>(k - 1)]);
    pictures_[static_cast<std::size_t>(k - 1)] = picture;
  }
  for (int k = 1; k <= kSaveSlots; ++k) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label%1").arg(k));
    label->setGeometry(QRect(kLabelPlaces[static_cast<std::size_t>(k - 1)], kLabelSize));
    label->setAlignment(Qt::AlignCenter);
    labels_[static_cast<std::size_t>(k - 1)] = label;
  }
  for (const auto& controls : {labels_, pictures_}) {
    for (QLabel* control : controls) {
      control->setMouseTracking(true);
      control->installEventFilter(this);
    }
  }

  cancel_ = new QLabel(this);
  cancel_->setObjectName(QStringLiteral("ButtonCancel"));
  cancel_->setGeometry(kCancelPlace);
  cancel_->setCursor(Qt::PointingHandCursor);
  cancel_->installEventFilter(this);
}

std::optional<int> TSaveGameWindow::Ask(SaveWindowMode mode, const QString& title,
                                        const std::array<TSaveSlot, kSaveSlots>& saveSlots,
                                        const QWidget& mainWindow,
                                        const std::function<void(int)>& saveInto) {
  // The game may still show the hourglass; the slots need their hand cursor.
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  mode_ = mode;
  saveInto_ = saveInto;
  chosen_.reset();
  cancelled_ = false;
  ApplySkin();
  MakeAnimations();
  title_->setText(title);
  titleShadow_->setText(title);
  FitText(*title_, kTitlePixels);
  FitText(*titleShadow_, kTitlePixels);
  for (int k = 1; k <= kSaveSlots; ++k) {
    const TSaveSlot& slot = saveSlots[static_cast<std::size_t>(k - 1)];
    QLabel& label = *SlotLabel(k);
    QLabel& picture = *SlotPicture(k);
    const bool stored = slot.state == TSlotState::Stored;
    label.setText(slot.savedAt);
    FitText(label, kLabelPixels);
    label.setToolTip(slot.tip);
    const Qt::CursorShape cursor = stored ? Qt::PointingHandCursor : Qt::ArrowCursor;
    label.setCursor(cursor);
    picture.setCursor(cursor);
    label.setVisible(mode == SaveWindowMode::Save || stored);
    picture.show();
  }
  hovered_ = 0;

  const QRect around = mainWindow.frameGeometry();
  move(around.left() + (around.width() - width()) / 2,
       around.top() + (around.height() - height()) / 2);
  shadow_.ShowBehind(*this);
  open_ = true;
  exec();
  open_ = false;
  shadow_.hide();
  return chosen_;
}

void TSaveGameWindow::Cancel() {
  // also while the program is minimised and the window hidden with it
  if (!open_) return;
  cancelled_ = true;
  if (saving_) {
    // the saving ends at its next step and the window closes then
    if (wait_) wait_->quit();
    return;
  }
  for (QLabel* label : labels_) label->hide();
  reject();
}

void TSaveGameWindow::done(int result) {
  for (QLabel* label : labels_) label->clear();
  FreeAnimations();
  QDialog::done(result);
}

void TSaveGameWindow::ApplySkin() {
  QFont titleFont = skin_.Font(FontRole::kMessage, 12);
  titleFont.setPixelSize(kTitlePixels);
  title_->setFont(titleFont);
  titleShadow_->setFont(titleFont);
  Paint(*title_, skin_.Color(QStringLiteral("SaveGameWindowCap"), kTitleColor));
  Paint(*titleShadow_, Qt::black);
  QFont labelFont = skin_.Font(FontRole::kMessage, 9);
  labelFont.setPixelSize(kLabelPixels);
  labelFont.setBold(true);
  labelFont.setItalic(true);
  for (QLabel* label : labels_) {
    label->setFont(labelFont);
    Paint(*label, skin_.Color(QStringLiteral("SaveGameWindowText"), kTextColor));
  }
}

void TSaveGameWindow::MakeAnimations() {
  for (int k = 1; k <= kSaveSlots; ++k) {
    QPointer<QMovie>& movie = slotMovies_[static_cast<std::size_t>(k - 1)];
    if (!movie)
      movie = StillAnimation(skin_, QStringLiteral("ANIMATIO\\slslot%1").arg(k), *SlotPicture(k));
  }
  if (!safeMovie_) safeMovie_ = StillAnimation(skin_, QStringLiteral("ANIMATIO\\safe1"), *safe_);
  if (!cancelMovie_) {
    if (auto movie = skin_.Animation(QStringLiteral("ANIMATIO\\s_button"))) {
      movie->setParent(cancel_);
      cancel_->setMovie(movie.get());
      cancelMovie_ = movie.release();
    }
  }
  if (cancelMovie_) cancelMovie_->start();
}

void TSaveGameWindow::FreeAnimations() {
  for (int k = 1; k <= kSaveSlots; ++k) {
    SlotPicture(k)->clear();
    delete slotMovies_[static_cast<std::size_t>(k - 1)];
  }
  safe_->clear();
  delete safeMovie_;
  if (cancelMovie_) cancelMovie_->stop();
}

int TSaveGameWindow::SlotOf(const QObject* control) const {
  for (int k = 1; k <= kSaveSlots; ++k) {
    if (control == SlotLabel(k) || control == SlotPicture(k)) return k;
  }
  return 0;
}

void TSaveGameWindow::Hover(int slot) {
  if (slot == hovered_ || saving_) return;
  hovered_ = slot;
  for (int k = 1; k <= kSaveSlots; ++k) {
    if (QMovie* movie = slotMovies_[static_cast<std::size_t>(k - 1)])
      movie->jumpToFrame(k == slot ? kHighlightFrame : 0);
  }
}

void TSaveGameWindow::Choose(int slot) {
  if (saving_) return;
  // in load mode only a slot that shows its date holds a game
  if (mode_ == SaveWindowMode::Load && SlotLabel(slot)->text().isEmpty()) return;
  for (int k = 1; k <= kSaveSlots; ++k) {
    if (k == slot) continue;
    SlotLabel(k)->hide();
    SlotPicture(k)->hide();
  }
  if (mode_ == SaveWindowMode::Save) PlaySaving(slot);
  if (cancelled_) {
    reject();
    return;
  }
  chosen_ = slot;
  accept();
}

void TSaveGameWindow::PlaySaving(int slot) {
  // The window takes no input meanwhile; it is not disabled, which would grey its pictures.
  saving_ = true;
  if (saveInto_) saveInto_(slot);
  SlotLabel(slot)->hide();
  if (saveSound_) saveSound_();
  if (QMovie* movie = slotMovies_[static_cast<std::size_t>(slot - 1)]) {
    for (int frame = kFirstSavingFrame; frame < movie->frameCount() && !cancelled_; ++frame) {
      movie->jumpToFrame(frame);
      Wait(kSavingFrameMs);
    }
  }
  if (safeMovie_ && !cancelled_) {
    QEventLoop loop;
    wait_ = &loop;
    connect(safeMovie_, &QMovie::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kSafeLongestMs, &loop, &QEventLoop::quit);
    safeMovie_->start();
    loop.exec();
    wait_ = nullptr;
  }
  saving_ = false;
}

void TSaveGameWindow::Wait(int milliseconds) {
  QEventLoop loop;
  wait_ = &loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
  wait_ = nullptr;
}

bool TSaveGameWindow::eventFilter(QObject* watched, QEvent* event) {
  const int slot = SlotOf(watched);
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
      if (slot > 0) {
        Hover(slot);
        // not on to the window, whose background takes the highlight away
        if (event->type() == QEvent::MouseMove) return true;
      }
      break;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const auto* control = static_cast<QWidget*>(watched);
      // a click ends on the control it began on, or it is none
      if (mouse->button() != Qt::LeftButton ||
          !control->rect().contains(mouse->position().toPoint()))
        break;
      if (watched == cancel_) {
        if (!saving_) Cancel();
        return true;
      }
      if (slot > 0) {
        Choose(slot);
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void TSaveGameWindow::EscapePressed() {
  if (!saving_) Cancel();
}

void TSaveGameWindow::mouseMoveEvent(QMouseEvent* event) {
  Hover(0);
  QDialog::mouseMoveEvent(event);
}

}  // namespace quorim
