#include "ui/hallfm.h"

#include "media/Avatars.h"
#include "media/CodePages.h"
#include "ui/Errormes.h"
#include "ui/Skin.h"
#include "ui/Widgets.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace quorim {

namespace {

constexpr QSize kWindowSize(340, 440);
constexpr QRect kLeaderImagePlace(120, 27, 99, 110);
constexpr QRect kLeaderNamePlace(20, 146, 300, 56);
constexpr QRect kNoWinnerPlace(20, 146, 300, 56);
// Entries 2 to 7 stand in rows of 24 px; entry k's row begins at k x 24 + 192.
constexpr int kRowHeight = 24;
constexpr int kRowsTop = 2 * kRowHeight + 192;
constexpr int kRows = kHallShownEntries - 1;
constexpr QRect kNumbersPlace(22, kRowsTop, 30, kRows* kRowHeight);
constexpr QRect kNamesPlace(64, kRowsTop, 180, kRows* kRowHeight);
constexpr QRect kPointsPlace(244, kRowsTop, 72, kRows* kRowHeight);
constexpr int kBarLeft = 16;
constexpr int kBarWidth = 308;
constexpr QRect kOkPlace(153, 400, 33, 33);
constexpr int kLeaderPixels = 20;
constexpr int kRowPixels = 16;
constexpr int kBlinkMs = 50;
constexpr int kStarFrameMs = 90;
// The stars stand on an ellipse around the leader's picture.
constexpr QPointF kStarsCentre(170, 82);
constexpr double kStarsRadiusX = 120;
constexpr double kStarsRadiusY = 66;

constexpr int kTextColor = 16777215;
constexpr int kPointsColor = 65535;
constexpr int kHighlightColor = 7346457;

// A label whose lines stand in rows of a fixed height, so that they meet the rows of the picture
// and the selection bar in any font.
class TRowsLabel : public QLabel {
 public:
  TRowsLabel(QWidget* parent, const QString& name) : QLabel(parent) { setObjectName(name); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    const QStringList lines = text().split(u'\n');
    for (int row = 0; row < lines.size(); ++row) {
      painter.drawText(QRect(0, row * kRowHeight, width(), kRowHeight),
                       static_cast<int>(alignment() | Qt::AlignVCenter), lines[row]);
    }
  }
};

QLabel* MakeLabel(QWidget& window, const char* name, QRect place, Qt::Alignment alignment) {
  auto* label = new QLabel(&window);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(place);
  label->setAlignment(alignment);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QLabel* MakeRows(QWidget& window, const char* name, QRect place, Qt::Alignment alignment) {
  auto* label = new TRowsLabel(&window, QLatin1String(name));
  label->setGeometry(place);
  label->setAlignment(alignment);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

// The score as the table writes it: the head's first digit, then the tail.
QString ShownScore(const THallEntry& entry) {
  return QString::fromLatin1(entry.ScoreHead.substr(0, 1).c_str()) +
         QString::fromLatin1(entry.ScoreTail.c_str());
}

}  // namespace

THallFame::THallFame(const Skin& skin, TShadowWindow& shadow, std::function<void(bool)> sound)
    : TSkinnedDialog(skin, QStringLiteral("HallFame"), kWindowSize, QStringLiteral("HallFame")),
      shadow_(shadow),
      sound_(std::move(sound)) {
  for (int i = 1; i <= kStars; ++i) {
    auto* star = new QLabel(this);
    star->setObjectName(QStringLiteral("Star%1").arg(i));
    star->setAttribute(Qt::WA_TransparentForMouseEvents);
    stars_.push_back(star);
  }
  leaderImage_ = MakeLabel(*this, "LeaderImage", kLeaderImagePlace, Qt::AlignCenter);
  leaderName_ = MakeLabel(*this, "LeaderName", kLeaderNamePlace, Qt::AlignCenter);
  noWinner_ = MakeLabel(*this, "LabelNoWinner", kNoWinnerPlace, Qt::AlignCenter);
  noWinner_->setWordWrap(true);
  // the bar lies under the rows' texts
  selectBar_ = new TShape(this, QStringLiteral("SelectBar"));
  selectBar_->hide();
  numbers_ = MakeRows(*this, "HallNumber", kNumbersPlace, Qt::AlignRight);
  names_ = MakeRows(*this, "HallList", kNamesPlace, Qt::AlignLeft);
  points_ = MakeRows(*this, "HallPoints", kPointsPlace, Qt::AlignRight);

  ok_ = new QLabel(this);
  ok_->setObjectName(QStringLiteral("ButtonOK"));
  ok_->setGeometry(kOkPlace);
  ok_->setCursor(Qt::PointingHandCursor);
  ok_->installEventFilter(this);

  blink_.setInterval(kBlinkMs);
  connect(&blink_, &QTimer::timeout, this,
          [this] { selectBar_->setVisible(!selectBar_->isVisible()); });
  flash_.setInterval(kStarFrameMs);
  connect(&flash_, &QTimer::timeout, this, [this] {
    ++starTick_;
    FlashStars();
  });
}

QLabel* THallFame::Text(const char* name) const {
  return findChild<QLabel*>(QLatin1String(name));
}

void THallFame::ShowTable(const HallOfFame& hall, int highlighted, int codePage,
                          const Avatar* leaderAvatar, const QWidget& mainWindow) {
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  ApplySkin();
  const auto shown = hall.Shown();
  noWinner_->setVisible(shown.empty());
  leaderName_->setVisible(!shown.empty());
  leaderImage_->setVisible(!shown.empty());
  if (!shown.empty()) ShowLeader(shown.front(), codePage, leaderAvatar);
  QString numbers;
  QString names;
  QString points;
  for (std::size_t k = 2; k <= shown.size(); ++k) {
    const THallEntry& entry = shown[k - 1];
    numbers += QString::number(k) + u'\n';
    names += FromGameText(entry.Name, codePage) + u'\n';
    points += ShownScore(entry) + u'\n';
  }
  numbers_->setText(numbers);
  names_->setText(names);
  points_->setText(points);

  if (highlighted > 1) {
    selectBar_->setGeometry(kBarLeft, highlighted * kRowHeight + 192, kBarWidth, kRowHeight);
    selectBar_->show();
    blink_.start();
  }

  const QRect around = mainWindow.frameGeometry();
  move(around.left() + (around.width() - width()) / 2,
       around.top() + (around.height() - height()) / 2);
  shadow_.ShowBehind(*this);
  exec();
  shadow_.hide();
}

void THallFame::ShowLeader(const THallEntry& leader, int codePage, const Avatar* avatar) {
  leaderName_->setText(FromGameText(leader.Name, codePage) + u'\n' + ShownScore(leader));
  if (QMovie* old = leaderImage_->movie()) {
    leaderImage_->setMovie(nullptr);
    delete old;
  }
  leaderImage_->clear();
  if (avatar == nullptr) return;
  // pictures larger than the frame are fitted into it
  QSize size = QImageReader(avatar->path).size();
  if (size.width() > kLeaderImagePlace.width() || size.height() > kLeaderImagePlace.height())
    size.scale(kLeaderImagePlace.size(), Qt::KeepAspectRatio);
  if (avatar->animated) {
    auto* movie = new QMovie(avatar->path, {}, leaderImage_);
    movie->setScaledSize(size);
    leaderImage_->setMovie(movie);
    movie->start();
  } else {
    leaderImage_->setPixmap(
        QPixmap(avatar->path).scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
}

void THallFame::ApplySkin() {
  QFont leader = skin_.Font(FontRole::kPlayer, 14);
  leader.setPixelSize(kLeaderPixels);
  for (QLabel* label : {leaderName_, noWinner_}) label->setFont(leader);
  QFont rows = skin_.Font(FontRole::kPlayer, 12);
  rows.setPixelSize(kRowPixels);
  for (QLabel* label : {numbers_, names_, points_}) label->setFont(rows);
  for (QLabel* label : {noWinner_, leaderName_, names_, numbers_})
    skin_.ColourText(*label, QStringLiteral("HallFameText"), ColorFromWindows(kTextColor));
  skin_.ColourText(*points_, QStringLiteral("HallFamePoints"), ColorFromWindows(kPointsColor));
  selectBar_->SetBrush(skin_.Color(QStringLiteral("HallFameHighlight"), kHighlightColor));

  if (ok_->movie() == nullptr) {
    if (auto movie = skin_.Animation(QStringLiteral("ANIMATIO\\S_Button"))) {
      movie->setParent(ok_);
      ok_->setMovie(movie.get());
      movie.release()->start();
    }
  }

  // The flash's frames stand in one row, each as wide as the picture is high.
  const QImage flash = WithTransparentMagenta(skin_.ClassicPicture(QStringLiteral("starflsh.bmp")));
  starFrames_.clear();
  const int side = flash.height();
  for (int x = 0; side > 0 && x + side <= flash.width(); x += side)
    starFrames_.push_back(QPixmap::fromImage(flash.copy(x, 0, side, side)));
  for (int i = 0; i < kStars; ++i) {
    const double angle = 2 * std::numbers::pi * i / kStars;
    const QPointF centre =
        kStarsCentre + QPointF(kStarsRadiusX * std::sin(angle), -kStarsRadiusY * std::cos(angle));
    stars_[static_cast<std::size_t>(i)]->setGeometry(
        static_cast<int>(std::lround(centre.x())) - side / 2,
        static_cast<int>(std::lround(centre.y())) - side / 2, side, side);
  }
}

int THallFame::StarFrame(int i) const {
  if (starFrames_.empty()) return 0;
  // neighbours are out of step, so the flashes run round the ring
  return (starTick_ + i * 3) % static_cast<int>(starFrames_.size());
}

void THallFame::FlashStars() {
  if (starFrames_.empty()) return;
  for (int i = 1; i <= kStars; ++i)
    Star(i)->setPixmap(starFrames_[static_cast<std::size_t>(StarFrame(i))]);
}

void THallFame::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  raise();
  starTick_ = 0;
  FlashStars();
  flash_.start();
  if (sound_) sound_(true);
}

void THallFame::done(int result) {
  blink_.stop();
  flash_.stop();
  selectBar_->hide();
  if (sound_) sound_(false);
  QDialog::done(result);
}

bool THallFame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ok_ && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && ok_->rect().contains(mouse->position().toPoint())) {
      accept();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void THallFame::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      accept();
      return;
    default:
      TSkinnedDialog::keyPressEvent(event);
  }
}

}  // namespace quorim
