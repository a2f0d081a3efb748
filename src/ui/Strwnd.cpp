#include "ui/Strwnd.h"

#include "media/CodePages.h"
#include "model/Alphabet.h"
#include "ui/Errormes.h"
#include "ui/Skin.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

#include <algorithm>

namespace quorim {

namespace {

constexpr QSize kWindowSize(205, 216);
constexpr QColor kNavy(0, 0, 128);

// Seven letters a row inside the picture's frame; the fifth row holds the last four letters and
// the close button in the three places after them.
constexpr int kColumns = 7;
constexpr QSize kLetterSize(22, 29);
constexpr int kLeft = 11;
constexpr int kTop = 15;
constexpr int kPitchX = 26;
constexpr int kPitchY = 38;
constexpr int kValueRoom = 3;
constexpr QSize kCloseSize(33, 33);

// A chosen letter pops up at this size and shrinks by a point a frame.
constexpr int kChosenSize = 22;
constexpr int kShrinkFrameMs = 10;
constexpr int kLetterDesignSize = 18;

constexpr int kLetterColor = 255;
constexpr int kLetterOverColor = 8388736;
constexpr int kValueColor = 8388608;

QRect LetterPlace(int index) {
  return {QPoint(kLeft + index % kColumns * kPitchX, kTop + index / kColumns * kPitchY),
          kLetterSize};
}

// In the middle of the three places after the last letter.
QRect ClosePlace() {
  QRect place(QPoint(), kCloseSize);
  place.moveCenter(LetterPlace(TStarWindow::kPlaces + 1).center());
  return place;
}

// The narrow sans of FONTS\ first: in a wider face a two-digit value runs into the next letter.
QFont ValueFont() {
  QFont font;
  font.setFamilies({QStringLiteral("PT Sans Narrow"), QStringLiteral("Arial")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  font.setBold(true);
  return font;
}

}  // namespace

TStarWindow::TStarWindow(const Skin& skin, TShadowWindow& shadow)
    : TSkinnedDialog(skin, QStringLiteral("StarWindow"), kWindowSize, QStringLiteral("starwin")),
      shadow_(shadow) {
  QPalette navy = palette();
  navy.setColor(QPalette::Window, kNavy);
  setPalette(navy);
  setAutoFillBackground(true);

  for (int i = 0; i < kPlaces; ++i) {
    auto* label = new QLabel(this);
    QString name = QStringLiteral("Label");
    name += QString::number(i + 1);
    label->setObjectName(name);
    label->setGeometry(LetterPlace(i));
    label->setAlignment(Qt::AlignCenter);
    // The letter stands a little high, so that its value hangs at its right foot instead of
    // over it.
    label->setContentsMargins(0, 0, 0, kValueRoom);
    label->setCursor(Qt::PointingHandCursor);
    // Moves over a letter light it even when no Enter came first, as after the window opened
    // under a resting mouse.
    label->setMouseTracking(true);
    label->installEventFilter(this);
    label->hide();
    letters_[static_cast<std::size_t>(i)] = label;
  }
  close_ = new QLabel(this);
  close_->setObjectName(QStringLiteral("ButtonClose"));
  close_->setGeometry(ClosePlace());
  close_->setCursor(Qt::PointingHandCursor);
  close_->installEventFilter(this);

  shrink_.setInterval(kShrinkFrameMs);
  connect(&shrink_, &QTimer::timeout, this, [this] { ShrinkStep(); });
}

void TStarWindow::LayOut(const Alphabet& alphabet, int codePage) {
  close_->clear();
  delete closeMovie_;
  if (auto movie = skin_.Animation(QStringLiteral("ANIMATIO\\Z_button"))) {
    closeMovie_ = movie.release();
    closeMovie_->setParent(close_);
    close_->setMovie(closeMovie_);
  }

  const int shown = std::min<int>(alphabet.AlphabetSize, kPlaces);
  QFont font = skin_.Font(FontRole::kMessage, kLetterDesignSize);
  font.setBold(true);
  // The design size, unless a letter of this alphabet in the skin's face would not fit its place.
  for (letterSize_ = kLetterDesignSize; letterSize_ > 8; --letterSize_) {
    font.setPointSize(letterSize_);
    const QFontMetrics metrics(font);
    bool fits = true;
    for (int i = 0; i < shown && fits; ++i) {
      const char code = static_cast<char>(alphabet.LetterCode[static_cast<std::size_t>(i)]);
      fits = metrics.horizontalAdvance(FromGameText(std::string_view(&code, 1), codePage)) <=
             kLetterSize.width();
    }
    if (fits) break;
  }

  for (int i = 0; i < kPlaces; ++i) {
    const auto at = static_cast<std::size_t>(i);
    QLabel* letter = letters_[at];
    QLabel*& value = values_[at];
    if (i >= shown) {
      letter->hide();
      if (value) value->hide();
      continue;
    }
    codes_[at] = static_cast<char>(alphabet.LetterCode[at]);
    letter->setText(FromGameText(std::string_view(&codes_[at], 1), codePage));
    letter->setToolTip(QString());
    letter->setFont(font);
    Paint(*letter, QStringLiteral("StarWindowLetter"), kLetterColor);
    letter->show();

    if (!value) {
      value = new QLabel(this);
      QString name = QStringLiteral("VLabel");
      name += QString::number(i);
      value->setObjectName(name);
      value->setFont(ValueFont());
      // A click on a value is a click on its letter.
      value->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    value->setText(QString::number(alphabet.LetterValue[at] & 0xFF));
    Paint(*value, QStringLiteral("StarWindowLetterValue"), kValueColor);
    value->adjustSize();
    const QRect place = letter->geometry();
    value->move(place.x() + place.width() - 4, place.y() + place.height() - 16);
    value->show();
  }
  highlighted_ = nullptr;
}

std::optional<char> TStarWindow::Ask(QPoint screenAt) {
  // The game may still show the hourglass; the letters need their hand cursor.
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  move(screenAt);
  choice_.reset();
  shadow_.ShowBehind(*this);
  exec();
  shadow_.hide();
  move(0, 0);
  return choice_;
}

void TStarWindow::Cancel() {
  if (isVisible()) reject();
}

bool TStarWindow::eventFilter(QObject* watched, QEvent* event) {
  const auto* label = qobject_cast<QLabel*>(watched);
  if (label == nullptr || choosing_ >= 0) return QDialog::eventFilter(watched, event);
  const auto letter = std::find(letters_.begin(), letters_.end(), label);
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
      if (letter != letters_.end()) Highlight(*letter);
      break;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      // A click ends on the control it began on, or it is none.
      if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint()))
        break;
      if (label == close_) {
        reject();
        return true;
      }
      if (letter != letters_.end()) {
        Choose(static_cast<int>(letter - letters_.begin()));
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void TStarWindow::EscapePressed() {
  // A letter already chosen is not taken back.
  if (choosing_ < 0) reject();
}

void TStarWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Above its shadow, which may hold the younger native window.
  raise();
  if (highlighted_) Paint(*highlighted_, QStringLiteral("StarWindowLetter"), kLetterColor);
  highlighted_ = nullptr;
  if (closeMovie_) closeMovie_->start();
}

void TStarWindow::done(int result) {
  if (choosing_ >= 0) {
    shrink_.stop();
    QLabel& label = *letters_[static_cast<std::size_t>(choosing_)];
    QFont font = label.font();
    font.setPointSize(letterSize_);
    label.setFont(font);
    Paint(label, QStringLiteral("StarWindowLetter"), kLetterColor);
    choosing_ = -1;
  }
  if (closeMovie_) closeMovie_->stop();
  QDialog::done(result);
}

void TStarWindow::Highlight(QLabel* label) {
  if (label == highlighted_) return;
  if (highlighted_) Paint(*highlighted_, QStringLiteral("StarWindowLetter"), kLetterColor);
  highlighted_ = label;
  label->raise();
  Paint(*label, QStringLiteral("StarWindowLetterOver"), kLetterOverColor);
  label->setToolTip(label->text());
}

void TStarWindow::Choose(int index) {
  choosing_ = index;
  shrinkSize_ = kChosenSize + 1;
  ShrinkStep();
  shrink_.start();
}

void TStarWindow::ShrinkStep() {
  QLabel& label = *letters_[static_cast<std::size_t>(choosing_)];
  if (--shrinkSize_ >= 1) {
    QFont font = label.font();
    font.setPointSize(shrinkSize_);
    label.setFont(font);
    return;
  }
  const char code = codes_[static_cast<std::size_t>(choosing_)];
  choice_ = code;
  chosen_ += code;
  accept();
}

void TStarWindow::Paint(QLabel& label, const QString& colorKey, int fallback) const {
  QPalette colors = label.palette();
  colors.setColor(QPalette::WindowText, skin_.Color(colorKey, fallback));
  label.setPalette(colors);
}

}  // namespace quorim
