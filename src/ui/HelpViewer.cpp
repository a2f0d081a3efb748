#include "ui/HelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace quorim {

namespace {

// After the reader's own language, the languages the game's help is written in.
const QStringList kHelpLanguages = {QStringLiteral("eng"), QStringLiteral("rus")};
const QString kStartPage = QStringLiteral("index.htm");

QString HelpPath(const QString& language, const QString& page) {
  return QStringLiteral("help\\") + language + u'\\' + page;
}

QString MissingPageNotice(const QString& file) {
  return QStringLiteral(
             "<h3>Страница справки не найдена</h3><h3>Help page not found</h3><p><tt>%1</tt></p>")
      .arg(file.toHtmlEscaped());
}

// Pages link each other as they were written, in any letter case, like every game path: the file
// of a local address, or nothing.
QString ExistingFile(const DataDir& data, const QUrl& url) {
  QString file = url.toLocalFile();
  if (file.isEmpty() || QFileInfo(file).isFile()) return file;
  const QString root = data.Root() + u'/';
  if (file.startsWith(root)) file = data.Resolve(file.sliced(root.size()));
  return QFileInfo(file).isFile() ? file : QString();
}

// A page that is missing shows a notice instead of nothing.
class HelpBrowser : public QTextBrowser {
 public:
  HelpBrowser(const DataDir& data, QWidget* parent) : QTextBrowser(parent), data_(data) {}

  QVariant loadResource(int type, const QUrl& name) override {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile()) return QTextBrowser::loadResource(type, name);
    const QString file = ExistingFile(data_, url);
    if (!file.isEmpty()) return QTextBrowser::loadResource(type, QUrl::fromLocalFile(file));
    if (type == QTextDocument::HtmlResource) {
      return MissingPageNotice(QDir(data_.Root()).relativeFilePath(url.toLocalFile()));
    }
    return {};
  }

 private:
  DataDir data_;
};

// The desktop theme's icon, else the style's; a style without a home icon shows a house sign.
QToolButton* MakeButton(QWidget& parent, const char* name, const char* themeIcon,
                        QStyle::StandardPixmap styleIcon, QString sign = {}) {
  auto* button = new QToolButton(&parent);
  button->setObjectName(QLatin1String(name));
  QIcon icon = QIcon::fromTheme(QLatin1String(themeIcon));
  if (icon.isNull() && sign.isEmpty()) icon = parent.style()->standardIcon(styleIcon);
  if (icon.isNull()) {
    QFont large = button->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    button->setFont(large);
    button->setText(sign);
  } else {
    button->setIcon(icon);
  }
  button->setAutoRaise(true);
  return button;
}

}  // namespace

THelpViewer::THelpViewer(DataDir data, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(std::move(data)) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Quorim"));
  resize(760, 560);

  back_ = MakeButton(*this, "HelpBack", "go-previous", QStyle::SP_ArrowBack);
  forward_ = MakeButton(*this, "HelpForward", "go-next", QStyle::SP_ArrowForward);
  home_ = MakeButton(*this, "HelpHome", "go-home", QStyle::SP_DirHomeIcon, QStringLiteral("⌂"));
  back_->setEnabled(false);
  forward_->setEnabled(false);

  browser_ = new HelpBrowser(data_, this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenExternalLinks(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addWidget(home_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);

  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home_, &QToolButton::clicked, this, &THelpViewer::ShowHome);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Quorim") : title);
  });
}

void THelpViewer::ShowPage(const QString& language, const QString& page) {
  language_ = language;
  QString file = FindPage(language, page);
  // The notice names the page where the reader's language would keep it.
  if (file.isEmpty()) file = data_.Resolve(HelpPath(language, page));
  browser_->setSource(QUrl::fromLocalFile(file));
  show();
  raise();
  activateWindow();
}

void THelpViewer::ShowHome() {
  ShowPage(language_, kStartPage);
}

QString THelpViewer::CurrentFile() const {
  return ExistingFile(data_, browser_->source());
}

QString THelpViewer::FindPage(const QString& language, const QString& page) const {
  QStringList languages{language};
  for (const QString& other : kHelpLanguages) {
    if (other.compare(language, Qt::CaseInsensitive) != 0) languages.append(other);
  }
  for (const QString& candidate : languages) {
    const QString file = data_.Resolve(HelpPath(candidate, page));
    if (QFileInfo(file).isFile()) return file;
  }
  return {};
}

}  // namespace quorim
