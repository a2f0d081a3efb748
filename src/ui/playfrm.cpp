#include "ui/playfrm.h"

#include "flow/ScreenLayout.h"
#include "media/Colors.h"
#include "media/Shadows.h"
#include "model/ControlNames.h"
#include "ui/Skin.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsDropShadowEffect>
#include <QMovie>
#include <QPainter>
#include <QToolButton>

namespace quorim {

namespace {

constexpr int kNavy = 8388608;
constexpr int kAvatarWidth = 119;
constexpr int kAvatarHeight = 122;
constexpr int kAvatarTop = 30;
constexpr int kButtonSize = 15;

// The fold and lock buttons' glyphs.
constexpr char16_t kCollapseGlyph[] = u"\u25B2";  // fold to a strip
constexpr char16_t kExpandGlyph[] = u"\u25A1";    // unfold
constexpr char16_t kUnlockedGlyph[] = u"\u2756";
constexpr char16_t kLockedGlyph[] = u"\u25C6";

QString ColorStyle(const QColor& color) {
  return QStringLiteral("color: %1; background: transparent;").arg(color.name());
}

// The colour goes into the palette, where the engine's colour changes reach it too.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QFont& font, const QColor& color) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QLabel* MakePicture(QWidget* parent, const QString& name, const QImage& picture, QPoint at) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setPixmap(QPixmap::fromImage(picture));
  label->setGeometry(QRect(at, picture.size()));
  return label;
}

}  // namespace

TPlayForm::TPlayForm(QWidget& mainWindow, const Skin& skin, const QImage& backdrop,
                     const PanelContent& content, int height)
    : QWidget(&mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow),
      skin_(skin),
      backdrop_(backdrop),
      shadowed_(backdrop),
      shadows_(content.shadows),
      number_(content.number),
      fullHeight_(height) {
  const int n = content.number;
  setObjectName(QStringLiteral("Pl%1form").arg(n));
  setFixedSize(kPanelWidth, height);
  MakeFrame(names::Caption(n));

  QLabel* name = MakeLabel(this, names::PlLabel(n), skin.Font(FontRole::kPlayer, 10),
                           skin.Color(QStringLiteral("InGamePlayerCap"), colors::White));
  name->setGeometry((kPanelWidth - 160) / 2, 4, 160, 21);
  name->setText(content.name);
  name->setAttribute(Qt::WA_TransparentForMouseEvents);

  foldButton_ = GlyphButton(QStringLiteral("MinButt%1").arg(n), 150);
  lockButton_ = GlyphButton(QStringLiteral("FixButt%1").arg(n), 5);
  lockButton_->setCheckable(true);
  connect(foldButton_, &QToolButton::clicked, this, [this] {
    if (foldClicked) foldClicked(*this);
  });
  connect(lockButton_, &QToolButton::toggled, this, [this](bool locked) {
    locked_ = locked;
    ShowButtonGlyphs();
  });

  const QRect avatarPlace((kPanelWidth - kAvatarWidth) / 2, kAvatarTop, kAvatarWidth,
                          kAvatarHeight);
  avatarFrame_ = new TShape(this, QStringLiteral("Pl%1bord").arg(n));
  avatarFrame_->setGeometry(avatarPlace.adjusted(-2, -2, 2, 2));
  avatarFrame_->SetBrush(skin.Color(QStringLiteral("InGamePlayerImageBgr"), 16711680));
  avatarFrame_->SetPen(skin.Color(QStringLiteral("InGamePlayerImageBorder"), 3125700), 2);
  avatar_ = new QLabel(this);
  avatar_->setObjectName(names::PlIm(n));
  avatar_->setGeometry(avatarPlace);
  avatar_->setAlignment(Qt::AlignCenter);
  if (content.animatedAvatar) {
    auto* movie = new QMovie(content.avatarPath, {}, avatar_);
    avatar_->setMovie(movie);
    movie->jumpToFrame(0);
  } else if (!content.avatarPath.isEmpty()) {
    avatar_->setPixmap(
        QPixmap(content.avatarPath)
            .scaled(avatarPlace.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }

  const bool odd = n % 2 == 1;
  const QImage& plate = skin.Picture(odd ? QStringLiteral("ScrG1") : QStringLiteral("ScrM1"));
  scorePlate_ = MakePicture(this, QStringLiteral("Sc%1Im").arg(n), plate, {});
  scorePlate_->setToolTip(content.scoreHint);
  QFont digits = skin.Font(FontRole::kDigital, 16);
  digits.setBold(true);
  digits.setItalic(true);
  scoreLabel_ = MakeLabel(this, names::ScLabel(n), digits,
                          odd ? skin.Color(QStringLiteral("InGamePlayerColor1"), colors::Lime)
                              : skin.Color(QStringLiteral("InGamePlayerColor2"), colors::Fuchsia));
  scoreLabel_->setText(QString::number(content.score));
  scoreLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

  const int plateTop = kAvatarTop + kAvatarHeight + 7;
  const QImage& rack = skin.Picture(odd ? QStringLiteral("slot7ch1") : QStringLiteral("slot7ch2"));
  const int rackTop = plateTop + plate.height() + 5;
  casters_.emplace_back(MakePicture(this, QStringLiteral("Slt%1Im").arg(n), rack,
                                    {(kPanelWidth - rack.width()) / 2, rackTop}),
                        rack);
  casters_.emplace_back(scorePlate_, plate);
  QImage frame(avatarFrame_->size(), QImage::Format_ARGB32);
  frame.fill(Qt::black);
  casters_.emplace_back(avatarFrame_, frame);
  if (content.clock) {
    const QImage& clockPicture = skin.Picture(QStringLiteral("timet1"));
    const QPoint clockAt((kPanelWidth - clockPicture.width()) / 2, rackTop + rack.height() + 5);
    casters_.emplace_back(MakePicture(this, QStringLiteral("Dp%1Im").arg(n), clockPicture, clockAt),
                          clockPicture);
    QFont clockFont = skin.Font(FontRole::kDigital, 15);
    clockFont.setBold(true);
    clockFont.setItalic(true);
    QLabel* clock = MakeLabel(this, names::DpLabel(n), clockFont,
                              skin.Color(QStringLiteral("InGameTimeInActive"), colors::Teal));
    clock->setGeometry(clockAt.x() + (clockPicture.width() - 64) / 2, clockAt.y() + 9, 64, 23);
    clock->setText(QStringLiteral("00:00"));
    clock->setToolTip(content.clockHint);
  }

  numberLabel_ = MakeLabel(this, names::PlNum(n), skin.Font(FontRole::kPlayer, 18),
                           skin.Color(QStringLiteral("InGamePlayerNum"), colors::Aqua));
  numberLabel_->setText(QString::number(n));
  auto* shadow = new QGraphicsDropShadowEffect(numberLabel_);
  shadow->setColor(Qt::black);
  shadow->setOffset(-2, 2);
  shadow->setBlurRadius(0);
  numberLabel_->setGraphicsEffect(shadow);

  arrow_ = new QLabel(this);
  arrow_->setObjectName(names::Arrow(n));
  arrow_->hide();
  SetCollapsed(false);
}

TPlayForm::TPlayForm(QWidget& mainWindow, const Skin& skin, const QImage& backdrop)
    : QWidget(&mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow),
      skin_(skin),
      backdrop_(backdrop),
      shadowed_(backdrop),
      fullHeight_(kControlPanelHeight) {
  setObjectName(QStringLiteral("RC_form"));
  setFixedSize(kPanelWidth, kControlPanelHeight);
  MakeFrame(names::RC_Caption);
  QLabel* caption = MakeLabel(this, names::RC_Label, skin.Font(FontRole::kPlayer, 11),
                              skin.Color(QStringLiteral("InGameMessageWait"), colors::White));
  caption->setGeometry(5, 4, kPanelWidth - 10, 17);
  caption->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TPlayForm::MakeFrame(const QString& captionName) {
  auto* caption = new TShape(this, captionName);
  caption->setGeometry(2, 2, kPanelWidth - 5, 19);
  caption->lower();
  setCursor(Qt::ArrowCursor);
}

QToolButton* TPlayForm::GlyphButton(const QString& name, int left) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setGeometry(left, 5, kButtonSize, kButtonSize);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  QFont font = button->font();
  font.setBold(true);
  font.setPixelSize(11);
  button->setFont(font);
  return button;
}

void TPlayForm::SetButtonHints(const QString& collapse, const QString& expand, const QString& lock,
                               const QString& unlock) {
  collapseHint_ = collapse;
  expandHint_ = expand;
  lockHint_ = lock;
  unlockHint_ = unlock;
  ShowButtonGlyphs();
}

void TPlayForm::ShowButtonGlyphs() {
  if (foldButton_ == nullptr) return;
  const QColor glyph = skin_.Color(QStringLiteral("InGamePlayerCapButtons"), colors::Blue);
  foldButton_->setText(QString::fromUtf16(collapsed_ ? kExpandGlyph : kCollapseGlyph));
  foldButton_->setToolTip(collapsed_ ? expandHint_ : collapseHint_);
  foldButton_->setStyleSheet(ColorStyle(glyph));
  lockButton_->setText(QString::fromUtf16(locked_ ? kLockedGlyph : kUnlockedGlyph));
  lockButton_->setToolTip(locked_ ? unlockHint_ : lockHint_);
  lockButton_->setStyleSheet(ColorStyle(locked_ ? ColorFromWindows(colors::Red) : glyph));
}

void TPlayForm::SetCollapsed(bool collapsed) {
  collapsed_ = collapsed;
  if (number_ == 0) return;
  const PanelFace face = PlayerPanelFace(fullHeight_, collapsed);
  avatar_->setVisible(face.avatarShown);
  avatarFrame_->setVisible(face.avatarShown);
  const QPixmap plate = scorePlate_->pixmap();
  scorePlate_->move((kPanelWidth - plate.width()) / 2, face.scorePlateTop);
  scoreLabel_->setGeometry(scorePlate_->x() + (plate.width() - 49) / 2, face.scoreLabelTop, 49, 21);
  numberLabel_->setGeometry(face.numberLabel.left, face.numberLabel.top, 20, 28);
  arrow_->setGeometry(avatar_->geometry().right() - 5, face.arrowTop, 30, 30);
  setFixedHeight(face.height);
  ShowButtonGlyphs();
  DrawShadows();
  update();
}

void TPlayForm::DrawShadows() {
  shadowed_ = backdrop_;
  if (!shadows_) return;
  for (const auto& [caster, picture] : casters_) {
    if (caster->isHidden() && caster->testAttribute(Qt::WA_WState_ExplicitShowHide)) continue;
    for (const ShadowPass& pass : kPanelShadow)
      DrawShadow(shadowed_, backdrop_, picture, caster->x() + pass.offset.x(),
                 caster->y() + pass.offset.y(), true, pass.strength);
  }
}

void TPlayForm::SetShadows(bool shadows) {
  shadows_ = shadows;
  DrawShadows();
  update();
}

void TPlayForm::SetLocked(bool locked) {
  if (lockButton_ != nullptr) lockButton_->setChecked(locked);
  locked_ = locked;
  ShowButtonGlyphs();
}

void TPlayForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ColorFromWindows(kNavy));
  // the top-left part of the play-area picture
  if (!shadowed_.isNull()) painter.drawImage(0, 0, shadowed_);
  painter.setPen(skin_.Color(QStringLiteral("InGamePlayerBorder"), colors::White));
  painter.drawRect(2, 2, width() - 5, 20);
  painter.drawRect(0, 0, width() - 1, height() - 1);
}

void TPlayForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && event->position().y() <= 22)
    dragFrom_ = event->globalPosition().toPoint() - pos();
  QWidget::mousePressEvent(event);
}

void TPlayForm::mouseMoveEvent(QMouseEvent* event) {
  if (!dragFrom_) return;
  QPoint to = event->globalPosition().toPoint() - *dragFrom_;
  if (keepInside) to = keepInside(*this, to);
  move(to);
}

void TPlayForm::mouseReleaseEvent(QMouseEvent* event) {
  dragFrom_.reset();
  QWidget::mouseReleaseEvent(event);
}

void TPlayForm::keyPressEvent(QKeyEvent* event) {
  QApplication::sendEvent(&mainWindow_, event);
}

void TPlayForm::keyReleaseEvent(QKeyEvent* event) {
  QApplication::sendEvent(&mainWindow_, event);
}

void TPlayForm::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace quorim
