#include "ui/_about.h"

#include "media/WindowShape.h"
#include "ui/Skin.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace quorim {

namespace {

constexpr QSize kAboutSize(300, 296);
constexpr QRect kCreditsPlace(63, 107, 196, 96);
constexpr QRect kSponsorPlace(67, 174, 91, 18);
constexpr QRect kLogoPlace(87, 190, 100, 17);
constexpr QRect kOkPlace(114, 235, 26, 19);
const QColor kNavy(0, 0, 128);

// The language file may replace it (About.Label2); the sources are those of data/LICENSES.
const char kCredits[] =
    "Quorim 1.6.1 beta, свободная программа\n"
    "Слова: hunspell-ru, Мюллер, FreeDict, WordNet, SCOWL\n"
    "Шрифты: DejaVu, PT Sans, DSEG, Comfortaa\n"
    "Картинки и звуки наши";

QLabel* MakeLabel(QWidget& parent, const char* name, QRect place, const QString& text) {
  auto* label = new QLabel(text, &parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(place);
  QPalette navy = label->palette();
  navy.setColor(QPalette::WindowText, kNavy);
  label->setPalette(navy);
  return label;
}

// The skin's picture with its magenta see-through, made to fit the place.
QPixmap LogoPixmap(const QImage& picture, QSize place) {
  if (picture.isNull()) return {};
  QPixmap logo = QPixmap::fromImage(picture);
  logo.setMask(logo.createMaskFromColor(QColor(255, 0, 255)));
  return logo.scaled(place, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

void OpenGameSite() {
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(kGameSite)));
}

TAbout::TAbout(const Skin& skin, const QString& sponsorCaption,
               std::function<void()> hideMenuPicture, std::function<void()> showMenuPicture,
               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      background_(skin.ClassicPicture(QStringLiteral("about.bmp"))),
      hideMenuPicture_(std::move(hideMenuPicture)),
      showMenuPicture_(std::move(showMenuPicture)) {
  setObjectName(QStringLiteral("About"));
  setFixedSize(kAboutSize);
  const QRegion shape = WindowShapeFromBitmap(background_);
  if (!shape.isEmpty()) setMask(shape);

  QLabel* credits = MakeLabel(*this, "Label2", kCreditsPlace, QString::fromUtf8(kCredits));
  credits->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  credits->setWordWrap(true);
  // Small enough for the credits to end above the sponsor's caption.
  QFont small = credits->font();
  small.setPointSize(7);
  credits->setFont(small);
  QLabel* sponsor = MakeLabel(*this, "Label1", kSponsorPlace, sponsorCaption);
  sponsor->setAlignment(Qt::AlignCenter);
  small.setPointSize(8);
  sponsor->setFont(small);

  logo_ = new QLabel(this);
  logo_->setObjectName(QStringLiteral("Halvorin_logo"));
  logo_->setGeometry(kLogoPlace);
  logo_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  logo_->setPixmap(LogoPixmap(skin.Picture(QStringLiteral("logo_sh")), kLogoPlace.size()));
  logo_->setCursor(Qt::PointingHandCursor);
  logo_->installEventFilter(this);

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setGeometry(kOkPlace);
  ok->setCursor(Qt::PointingHandCursor);
  ok->setFocusPolicy(Qt::NoFocus);
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
}

void TAbout::done(int result) {
  QDialog::done(result);
  if (showMenuPicture_) showMenuPicture_();
}

bool TAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == logo_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    OpenGameSite();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TAbout::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, background_);
}

void TAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (hideMenuPicture_) hideMenuPicture_();
}

}  // namespace quorim
