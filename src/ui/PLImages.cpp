#include "ui/PLImages.h"

#include "ui/Skin.h"
#include "ui/Widgets.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QScrollArea>
#include <QScrollBar>

namespace quorim {

namespace {

constexpr QSize kWindowSize(448, 284);
constexpr QRect kCaptionPlace(0, 0, 448, 24);
constexpr QRect kTitlePlace(10, 4, 380, 17);
constexpr QRect kRightBarPlace(400, 24, 48, 260);
constexpr QRect kCancelPlace(407, 244, 33, 33);
constexpr QRect kScrollPlace(0, 24, 400, 260);

// Entry k: column k mod 3, row k div 3.
constexpr int kColumns = 3;
constexpr int kPitchX = 120;
constexpr int kPitchY = 125;
constexpr int kMargin = 8;
constexpr int kPictureSide = 110;
constexpr int kFrameSide = 115;

void Fill(QWidget& widget, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, color);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace

TImageScreen::TImageScreen(const Skin& skin, const DataDir& data)
    : TSkinnedDialog(skin, QStringLiteral("ImageScreen"), kWindowSize, QString()),
      avatars_(AvatarCatalogue(data)) {
  caption_ = new TShape(this, QStringLiteral("Shape2"));
  caption_->setGeometry(kCaptionPlace);
  rightBar_ = new TShape(this, QStringLiteral("Shape3"));
  rightBar_->setGeometry(kRightBarPlace);
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("LabelChooseAvatar"));
  title_->setGeometry(kTitlePlace);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);

  cancel_ = new QLabel(this);
  cancel_->setObjectName(QStringLiteral("ButtonCancel"));
  cancel_->setGeometry(kCancelPlace);
  cancel_->setCursor(Qt::PointingHandCursor);
  cancel_->installEventFilter(this);

  scrollBox_ = new QScrollArea(this);
  scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
  scrollBox_->setGeometry(kScrollPlace);
  scrollBox_->setFrameShape(QFrame::NoFrame);
  scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scrollBox_->setWidgetResizable(false);
  BuildEntries();
  ApplyColours();
}

void TImageScreen::BuildEntries() {
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("ScrollBoxContent"));
  const int count = static_cast<int>(avatars_.size());
  const int rows = (count + kColumns - 1) / kColumns;
  content->resize(kColumns * kPitchX + kMargin, std::max(1, rows) * kPitchY + kMargin);
  for (int k = 0; k < count; ++k) {
    const Avatar& avatar = avatars_[static_cast<std::size_t>(k)];
    const int left = k % kColumns * kPitchX + kMargin;
    const int top = k / kColumns * kPitchY + kMargin;

    auto* shadow = new TShape(content, QStringLiteral("Shadow") + avatar.name);
    shadow->setGeometry(left - 5, top + 7, kPictureSide, kPictureSide);
    auto* frame = new TShape(content, QStringLiteral("Frame") + avatar.name);
    frame->setGeometry(left - 2, top - 2, kFrameSide, kFrameSide);

    auto* picture = new QLabel(content);
    picture->setObjectName(avatar.name);
    picture->setGeometry(left, top, kPictureSide, kPictureSide);
    picture->setAlignment(Qt::AlignCenter);
    picture->setToolTip(avatar.hint);
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);
    const QSize side(kPictureSide, kPictureSide);
    if (avatar.animated) {
      auto* movie = new QMovie(avatar.path, {}, picture);
      movie->jumpToFrame(0);
      const QSize size = movie->currentImage().size();
      if (size.width() > kPictureSide || size.height() > kPictureSide)
        movie->setScaledSize(size.scaled(side, Qt::KeepAspectRatio));
      picture->setMovie(movie);
    } else {
      QPixmap pixmap(avatar.path);
      // a picture larger than its place is shown whole, made smaller
      if (pixmap.width() > kPictureSide || pixmap.height() > kPictureSide)
        pixmap = pixmap.scaled(side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
      picture->setPixmap(pixmap);
    }
    shadows_.push_back(shadow);
    frames_.push_back(frame);
    pictures_.push_back(picture);
  }
  scrollBox_->setWidget(content);
}

void TImageScreen::ApplyColours() {
  const QColor window = skin_.Color(QStringLiteral("NewGameSelectPlayerWindow"), 15575166);
  Fill(*this, window);
  Fill(*scrollBox_->viewport(), window);
  if (QWidget* content = scrollBox_->widget()) Fill(*content, window);
  caption_->SetBrush(skin_.Color(QStringLiteral("NewGameSelectPlayerWindowCap"), 16732497));
  rightBar_->SetBrush(skin_.Color(QStringLiteral("NewGameSelectPlayerWindowBorder"), 16744576));
  QPalette text = title_->palette();
  text.setColor(QPalette::WindowText,
                skin_.Color(QStringLiteral("NewGameSelectPlayerWindowtext"), 16777215));
  title_->setPalette(text);
  const QColor shadow = skin_.Color(QStringLiteral("NewGameSelectPlayerShadow"), 11752218);
  const QColor fill = skin_.Color(QStringLiteral("NewGameSelectPlayerBgr"), 16711680);
  const QColor border = skin_.Color(QStringLiteral("NewGameSelectPlayerBorder"), 3125700);
  for (TShape* entry : shadows_) entry->SetBrush(shadow);
  for (TShape* entry : frames_) {
    entry->SetBrush(fill);
    entry->SetPen(border);
  }
}

std::optional<QString> TImageScreen::Choose(QPoint screenAt) {
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  ApplyColours();
  cancel_->clear();
  delete cancelMovie_;
  if (auto movie = skin_.Animation(QStringLiteral("ANIMATIO\\S_Button"))) {
    cancelMovie_ = movie.release();
    cancelMovie_->setParent(cancel_);
    cancel_->setMovie(cancelMovie_);
  }
  move(screenAt);
  choice_.reset();
  exec();
  return choice_;
}

void TImageScreen::Cancel() {
  if (isVisible()) reject();
}

const Avatar* TImageScreen::Entry(const QString& name) const {
  for (const Avatar& avatar : avatars_) {
    if (avatar.name.compare(name, Qt::CaseInsensitive) == 0) return &avatar;
  }
  return nullptr;
}

QLabel* TImageScreen::EntryPicture(const QString& name) const {
  for (QLabel* picture : pictures_) {
    if (picture->objectName().compare(name, Qt::CaseInsensitive) == 0) return picture;
  }
  return nullptr;
}

void TImageScreen::done(int result) {
  for (QLabel* picture : pictures_) {
    if (picture->movie()) picture->movie()->stop();
  }
  if (cancelMovie_) cancelMovie_->stop();
  QDialog::done(result);
}

bool TImageScreen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* label = qobject_cast<QLabel*>(watched);
    // a click ends on the control it began on, or it is none
    if (label != nullptr && mouse->button() == Qt::LeftButton &&
        label->rect().contains(mouse->position().toPoint())) {
      if (label == cancel_) {
        reject();
        return true;
      }
      choice_ = label->objectName();
      accept();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TImageScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  raise();
  scrollBox_->verticalScrollBar()->setValue(0);
  for (QLabel* picture : pictures_) {
    if (picture->movie()) picture->movie()->start();
  }
  if (cancelMovie_) cancelMovie_->start();
}

}  // namespace quorim
