#include "ui/Explform.h"

#include "media/Colors.h"
#include "ui/Errormes.h"
#include "ui/Skin.h"
#include "ui/Widgets.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMovie>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace quorim {

namespace {

constexpr int kWidth = 347;
constexpr QRect kWordPlace(10, 20, 327, 30);
constexpr QPoint kExplanationAt(15, 60);
constexpr int kExplanationWidth = 322;
constexpr int kFrameHeight = 110;   // the window is this much higher than the explanation
constexpr int kScreenMargin = 150;  // the explanation is at most the screen's height less this
constexpr int kLanguageLeft = 20;
constexpr int kLanguageAbove = 35;  // px above the window's bottom
constexpr QRect kCopyPlace(310, 22, 24, 24);
constexpr int kCloseFromEdges = 45;  // px from the right and bottom edges
constexpr int kKeptRows = 30;        // the picture's top and bottom rows are not stretched
constexpr QPoint kShadowOffset(7, 10);

constexpr int kWordColor = 65280;
constexpr int kTextColor = 16777215;
constexpr int kLanguageColor = 65535;

QLabel* MakeLabel(QWidget& window, const char* name) {
  auto* label = new QLabel(&window);
  label->setObjectName(QLatin1String(name));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

TExplanationWindow::TExplanationWindow(const Skin& skin, std::function<void(bool)> panelsEnabled)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      skin_(skin),
      panelsEnabled_(std::move(panelsEnabled)),
      shadow_(std::make_unique<TShadowWindow>()) {
  setObjectName(QStringLiteral("Explform"));
  shadow_->setObjectName(QStringLiteral("ExplformShadow"));

  wordLabel_ = MakeLabel(*this, "Ex_Word");
  wordLabel_->setGeometry(kWordPlace);
  wordLabel_->setAlignment(Qt::AlignCenter);
  auto* wordShadow = new QGraphicsDropShadowEffect(wordLabel_);
  wordShadow->setColor(Qt::black);
  wordShadow->setOffset(2, 2);
  wordShadow->setBlurRadius(0);
  wordLabel_->setGraphicsEffect(wordShadow);

  explanation_ = MakeLabel(*this, "Ex_Explanation");
  explanation_->setWordWrap(true);
  explanation_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  language_ = MakeLabel(*this, "Ex_Language");

  auto* copy = new TClickLabel(this, QStringLiteral("Ex_CopyButton"));
  copy->setGeometry(kCopyPlace);
  copy->setCursor(Qt::PointingHandCursor);
  copy->OnClick([this] { CopyToClipboard(); });
  copy_ = copy;
  auto* close = new TClickLabel(this, QStringLiteral("Ex_CloseButton"));
  close->setCursor(Qt::PointingHandCursor);
  close->OnClick([this] { Shut(); });
  close_ = close;
}

TExplanationWindow::~TExplanationWindow() = default;

void TExplanationWindow::ApplySkin() {
  QFont wordFont = skin_.Font(FontRole::kPlayer, 16);
  wordLabel_->setFont(wordFont);
  skin_.ColourText(*wordLabel_, QStringLiteral("ExplanationCap"), ColorFromWindows(kWordColor));
  // the meanings read like the game's messages
  QFont textFont = skin_.Font(FontRole::kMessage, 11);
  textFont.setBold(true);
  explanation_->setFont(textFont);
  skin_.ColourText(*explanation_, QStringLiteral("ExplanationText"), ColorFromWindows(kTextColor));
  language_->setFont(skin_.Font(FontRole::kMessage, 9));
  skin_.ColourText(*language_, QStringLiteral("ExplanationLanguage"),
                   ColorFromWindows(kLanguageColor));
  copy_->setPixmap(skin_.Pixmap(QStringLiteral("copy")));
  if (!closeMovie_) {
    if (auto movie = skin_.Animation(QStringLiteral("ANIMATIO\\x_button"))) {
      movie->setParent(close_);
      closeMovie_ = movie.release();
      close_->setMovie(closeMovie_);
      closeMovie_->start();
    }
  }
}

void TExplanationWindow::ShowContent(const ExplanationContent& content, const QString& copyHint) {
  Shut();
  ApplySkin();
  word_ = content.word;
  text_ = content.text;
  wordLabel_->setText(content.word);
  explanation_->setText(content.text);
  explanation_->setAlignment(Qt::AlignTop | (content.centred ? Qt::AlignHCenter : Qt::AlignLeft));
  language_->setText(content.languageLine);
  copy_->setToolTip(copyHint);

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1280, 1024);
  const int textHeight =
      std::min(explanation_->heightForWidth(kExplanationWidth), area.height() - kScreenMargin);
  explanation_->setGeometry(QRect(kExplanationAt, QSize(kExplanationWidth, textHeight)));
  const QSize size(kWidth, textHeight + kFrameHeight);
  setFixedSize(size);
  // the close button stands at the line's right
  language_->setGeometry(kLanguageLeft, size.height() - kLanguageAbove,
                         kWidth - kLanguageLeft - kCloseFromEdges, language_->sizeHint().height());
  const QSize closeSize = closeMovie_ ? closeMovie_->currentPixmap().size() : QSize(33, 33);
  close_->setGeometry(
      QRect(QPoint(size.width() - kCloseFromEdges, size.height() - kCloseFromEdges), closeSize));
  background_ = StretchedFrame(skin_.Picture(QStringLiteral("epanbgr")), size, kKeptRows);
  move(area.center() - QPoint(size.width() / 2, size.height() / 2));

  shadow_->ShowBehind(*this, kShadowOffset);
  show();
  raise();
  activateWindow();
  if (panelsEnabled_) panelsEnabled_(false);
}

void TExplanationWindow::Shut() {
  if (!isVisible()) return;
  hide();
  shadow_->hide();
  if (panelsEnabled_) panelsEnabled_(true);
}

void TExplanationWindow::CopyToClipboard() const {
  QGuiApplication::clipboard()->setText(word_ + u'\r' + text_);
}

void TExplanationWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Shut();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TExplanationWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawImage(0, 0, background_);
}

void TExplanationWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Shut();
}

}  // namespace quorim
