#include "ui/FloatingMessages.h"

#include "media/SkinColors.h"
#include "ui/ScreenGeometry.h"
#include "ui/Skin.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <algorithm>

namespace quorim {

namespace {

constexpr int kNavy = 8388608;
constexpr QPoint kShadowOffset(2, 2);
constexpr QColor kShadowColor(16, 16, 16);
constexpr int kOverhang = 2;      // bold glyphs reach past their advance
constexpr int kSmallPadding = 3;  // navy on either side of the small text
constexpr int kFadeStep = 4;      // of 255, each tick

QFont BigFont(const Skin& skin) {
  QFont font = skin.Font(FontRole::kMessage, 18);
  font.setBold(true);
  return font;
}

QFont SmallFont() {
  QFont font(QStringLiteral("Sans Serif"), 9, QFont::Bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

// The two lines on a transparent ground: the big one over its shadow, the small one on a navy
// strip centred under it.
QImage Picture(const Skin& skin, const FloatingText& text) {
  const QFont big = BigFont(skin);
  const QFont small = SmallFont();
  const QFontMetrics bigMetrics(big);
  const QFontMetrics smallMetrics(small);

  const QSize bigSize(text.big.isEmpty() ? 0 : bigMetrics.horizontalAdvance(text.big) + kOverhang,
                      text.big.isEmpty() ? 0 : bigMetrics.height());
  const QSize smallSize(
      text.small.isEmpty() ? 0 : smallMetrics.horizontalAdvance(text.small) + 2 * kSmallPadding,
      text.small.isEmpty() ? 0 : smallMetrics.height());
  const int width = std::max({bigSize.width() + kShadowOffset.x(), smallSize.width(), 1});
  const int bigHeight = bigSize.isEmpty() ? 0 : bigSize.height() + kShadowOffset.y();
  const int height = std::max(bigHeight + smallSize.height(), 1);

  QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  if (!text.big.isEmpty()) {
    const QRect place((width - bigSize.width() - kShadowOffset.x()) / 2, 0, bigSize.width(),
                      bigSize.height());
    painter.setFont(big);
    painter.setPen(kShadowColor);
    painter.drawText(place.translated(kShadowOffset), Qt::AlignCenter, text.big);
    painter.setPen(ColorFromWindows(text.bigColor));
    painter.drawText(place, Qt::AlignCenter, text.big);
  }
  if (!text.small.isEmpty()) {
    const QRect place((width - smallSize.width()) / 2, bigHeight, smallSize.width(),
                      smallSize.height());
    painter.fillRect(place, ColorFromWindows(kNavy));
    painter.setFont(small);
    painter.setPen(ColorFromWindows(text.smallColor));
    painter.drawText(place, Qt::AlignCenter, text.small);
  }
  return picture;
}

// Every pixel that is not fully transparent, one rectangle per run in each row.
QRegion PaintedRegion(const QImage& picture) {
  QRegion region;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    int x = 0;
    while (x < picture.width()) {
      while (x < picture.width() && qAlpha(row[x]) == 0) ++x;
      const int start = x;
      while (x < picture.width() && qAlpha(row[x]) != 0) ++x;
      if (x > start) region += QRect(start, y, x - start, 1);
    }
  }
  return region;
}

}  // namespace

class TFloatingWindow : public QWidget {
 public:
  explicit TFloatingWindow(QImage picture)
      : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                             Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
        picture_(std::move(picture)) {
    setObjectName(QStringLiteral("FloatingMessage"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Translucent where a compositor blends it; without one the mask keeps all but the text off
    // the screen.
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(picture_.size());
    const QRegion painted = PaintedRegion(picture_);
    if (!painted.isEmpty()) setMask(painted);
  }

  // Rises a pixel while not yet at the screen's top, grows a tick older and fades in its last
  // ticks. False once its time is up.
  bool Beat() {
    if (y() > 1) move(x(), y() - 1);
    ++age_;
    if (age_ >= TFloatingMessages::kCloseAge) return false;
    if (age_ >= TFloatingMessages::kFadeAge) {
      opacity_ = std::max(0, opacity_ - kFadeStep);
      setWindowOpacity(opacity_ / 255.0);
    }
    return true;
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect(), picture_, event->rect());
  }

 private:
  QImage picture_;
  int age_ = 0;
  int opacity_ = 255;
};

TFloatingMessages::TFloatingMessages(const Skin& skin, QWidget& mainWindow)
    : skin_(skin), mainWindow_(mainWindow) {
  timer_.setObjectName(QStringLiteral("MessageTimer"));
  timer_.setInterval(kTickInterval);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
}

TFloatingMessages::~TFloatingMessages() = default;

void TFloatingMessages::Show(const FloatingText& text) {
  if (text.big.isEmpty() && text.small.isEmpty()) return;
  const auto free = std::find(places_.begin(), places_.end(), nullptr);
  if (free == places_.end()) return;

  auto window = std::make_unique<TFloatingWindow>(Picture(skin_, text));
  if (text.at.left == 0 && text.at.top == 0) {
    const QRect around = mainWindow_.frameGeometry();
    window->move(around.left() + (around.width() - window->width()) / 2,
                 around.top() + (around.height() - window->height()) / 2);
  } else {
    window->move(ToQPoint(text.at));
  }
  window->show();
  *free = std::move(window);
  if (!timer_.isActive()) timer_.start();
  KeepFocusOnMainWindow();
}

int TFloatingMessages::Count() const {
  return static_cast<int>(std::count_if(places_.begin(), places_.end(),
                                        [](const auto& window) { return window != nullptr; }));
}

void TFloatingMessages::CloseAll() {
  for (auto& window : places_) window.reset();
  timer_.stop();
}

void TFloatingMessages::Tick() {
  if (Count() == 0) {
    timer_.stop();
    return;
  }
  KeepFocusOnMainWindow();
  for (auto& window : places_) {
    if (window && !window->Beat()) window.reset();
  }
}

std::vector<QWidget*> TFloatingMessages::Windows() const {
  std::vector<QWidget*> windows;
  for (const auto& window : places_) {
    if (window) windows.push_back(window.get());
  }
  return windows;
}

// The board's keys must keep working while the texts rise: a window manager that hands the focus
// to one of them is overruled. Another window of the game that has the focus keeps it.
void TFloatingMessages::KeepFocusOnMainWindow() {
  // A modal window of the game stands over the main window: the main window is not enabled then.
  if (!mainWindow_.isEnabled() || QApplication::activeModalWidget() != nullptr) return;
  const QWidget* active = QApplication::activeWindow();
  if (active == nullptr) return;
  const bool ours = std::any_of(places_.begin(), places_.end(),
                                [active](const auto& window) { return window.get() == active; });
  if (ours) mainWindow_.activateWindow();
}

}  // namespace quorim
