#include "ui/ExplPanel.h"

#include "dictionary/WorkingWordList.h"
#include "media/CodePages.h"
#include "media/Colors.h"
#include "media/DataDir.h"
#include "media/Locales.h"
#include "ui/Skin.h"
#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QToolButton>
#include <QValidator>

#include <algorithm>

namespace quorim {

namespace {

constexpr int kMargin = 6;
constexpr int kRowTop = 4;
constexpr int kRowHeight = 25;
constexpr int kRowGap = 4;
constexpr int kButtonSide = 25;
constexpr int kLanguageWidth = 90;  // a language button at its widest
constexpr int kButtonPadding = 14;
constexpr int kGap = 4;
constexpr int kGroupGap = 10;
constexpr int kUnknownWordColor = 14145535;
constexpr int kNoDictionaryColor = 128;
constexpr int kLanguageColor = 8388608;
constexpr int kBevelColor = 16777215;
constexpr int kPictureFrame = 8;      // px of the panel picture's frame on every side
constexpr int kNotePlate = 14745599;  // the dark red note stands on a light plate

// The box shows every word in capitals, however it is typed.
class UpperCase : public QValidator {
 public:
  explicit UpperCase(QObject* parent) : QValidator(parent) {}
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

void SetBase(QWidget& widget, int color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, ColorFromWindows(color));
  widget.setPalette(palette);
}

QToolButton* MakeButton(QWidget& parent, const QString& name, const QString& text) {
  auto* button = new QToolButton(&parent);
  button->setObjectName(name);
  button->setText(text);
  button->setCursor(Qt::PointingHandCursor);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

TShape* MakeBevel(QWidget& parent, const QString& name) {
  auto* bevel = new TShape(&parent, name);
  bevel->SetPen(ColorFromWindows(kBevelColor));
  return bevel;
}

int TextWidth(const QWidget& widget, const QString& text) {
  return widget.fontMetrics().horizontalAdvance(text);
}

}  // namespace

TExplanationBox::TExplanationBox(QWidget* parent) : QComboBox(parent) {
  setObjectName(QStringLiteral("ExplCBox"));
}

void TExplanationBox::hidePopup() {
  QComboBox::hidePopup();
  if (closedUp) closedUp();
}

void TExplanationBox::focusOutEvent(QFocusEvent* event) {
  // leaving the box while its list is down keeps the typing in it
  if (view()->isVisible() && event->reason() != Qt::PopupFocusReason) {
    setFocus();
    return;
  }
  QComboBox::focusOutEvent(event);
}

TExplanationPanel::TExplanationPanel(QWidget& parent, Game& game, const Skin& skin, Hooks hooks)
    : parent_(parent), game_(game), skin_(skin), hooks_(std::move(hooks)) {
  image_ = new QLabel(&parent);
  image_->setObjectName(QStringLiteral("ExplImage"));

  box_ = new TExplanationBox(&parent);
  box_->setEditable(true);
  box_->setCompleter(nullptr);
  box_->setInsertPolicy(QComboBox::NoInsert);
  box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box_->setMaxVisibleItems(20);
  if (auto* list = qobject_cast<QListView*>(box_->view())) list->setUniformItemSizes(true);
  box_->setFont(QFont(QStringLiteral("Verdana"), 9));
  box_->setModel(new QStringListModel(box_));
  QObject::connect(box_, &QComboBox::editTextChanged, box_,
                   [this](const QString& text) { Recolour(text); });
  QObject::connect(box_->lineEdit(), &QLineEdit::textEdited, box_,
                   [this](const QString& text) { TypedByKeyboard(text); });
  box_->closedUp = [this] {
    if (!Filling() && Known(box_->currentText())) box_->clearFocus();
  };
  {
    const QSignalBlocker quiet(box_);
    box_->setEditText(game_.InterfaceText(u"StatusLoading").toLower());
  }
  box_->setEnabled(false);

  QFont bold = parent.font();
  bold.setBold(true);
  add_ = MakeButton(parent, QStringLiteral("EP_AddButton"), QStringLiteral("+"));
  del_ = MakeButton(parent, QStringLiteral("EP_DelButton"), QStringLiteral("\u2212"));
  for (QToolButton* button : {add_, del_}) {
    button->setFont(bold);
    QObject::connect(button, &QToolButton::clicked, button,
                     [this, button] { ButtonClick(button->objectName()); });
  }
  ShowLanguages();
}

TExplanationPanel::~TExplanationPanel() {
  delete explain_;
  delete noDictionary_;
  for (QToolButton* button : languageButtons_) delete button;
  for (TShape* bevel : bevels_) delete bevel;
  delete del_;
  delete add_;
  delete box_;
  delete image_;
}

void TExplanationPanel::ShowLanguages() {
  // a language button that was clicked is still on the stack: it goes when the click is done
  const auto discard = [](QWidget* control) {
    if (control == nullptr) return;
    control->setObjectName(QString());  // the new control of that name is the one found
    control->hide();
    control->deleteLater();
  };
  discard(explain_);
  explain_ = nullptr;
  discard(noDictionary_);
  noDictionary_ = nullptr;
  for (QToolButton* button : languageButtons_) discard(button);
  languageButtons_.clear();
  for (TShape* bevel : bevels_) discard(bevel);
  bevels_.clear();

  const Settings& settings = game_.Settings;
  const auto displayName = [this](const QString& code) {
    return LanguageDisplayName(game_.Locales, code, game_.Settings.InterfaceLang);
  };
  if (!settings.ExplanatoryLang.isEmpty()) {
    bevels_.push_back(MakeBevel(parent_, QStringLiteral("EP_bevel0")));
    explain_ = MakeButton(parent_, QStringLiteral("EP_ExplButton"),
                          game_.InterfaceText(u"ShowExplanationButtonCaption"));
    QObject::connect(explain_, &QToolButton::clicked, explain_,
                     [this] { ButtonClick(explain_->objectName()); });
  } else {
    noDictionary_ = new QLabel(&parent_);
    noDictionary_->setObjectName(QStringLiteral("EP_NoDictionaryLabel"));
    noDictionary_->setText(
        game_.InterfaceText(u"ShowExplanationNoDictionaties")
            .replace(QStringLiteral("%s"), displayName(settings.DictionaryLang)));
    noDictionary_->setWordWrap(true);
    noDictionary_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    QPalette palette = noDictionary_->palette();
    palette.setColor(QPalette::WindowText, ColorFromWindows(kNoDictionaryColor));
    palette.setColor(QPalette::Window, ColorFromWindows(kNotePlate));
    noDictionary_->setPalette(palette);
    noDictionary_->setAutoFillBackground(true);
    noDictionary_->setMargin(2);
  }

  const QDir folders(game_.Data.Resolve(DictionaryFile(settings.DictionaryLang, u"expl")));
  int number = 0;
  for (const QString& code : folders.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    // a folder the locale tables do not know would be a blank button
    const QString name = displayName(code);
    if (name.isEmpty()) continue;
    ++number;
    const QString buttonName = QStringLiteral("EP_LangButton") + QString::number(number);
    auto* button = MakeButton(parent_, buttonName, QString());
    const QString shown =
        button->fontMetrics().elidedText(name.left(name.indexOf(QStringLiteral(" ("))),
                                         Qt::ElideRight, kLanguageWidth - kButtonPadding);
    button->setText(shown);
    button->setToolTip(name);
    button->setProperty("HelpKeyword", code);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, ColorFromWindows(kLanguageColor));
    button->setPalette(palette);
    QObject::connect(button, &QToolButton::clicked, button,
                     [this, buttonName] { ButtonClick(buttonName); });
    languageButtons_.push_back(button);
    if (code.compare(settings.ExplanatoryLang, Qt::CaseInsensitive) == 0) {
      bevels_.push_back(MakeBevel(parent_, QStringLiteral("EP_bevel") + QString::number(number)));
      bevels_.back()->setProperty("around", buttonName);
    }
  }
  if (!board_.isNull()) Place(board_);
}

int TExplanationPanel::Height(int boardWidth) const {
  const Row row = Measure(boardWidth);
  const bool twoRows = row.languages > 0 && row.width + row.languages > boardWidth - kMargin;
  return kRowTop + kRowHeight + (twoRows ? kRowGap + kRowHeight : 0) + kRowTop;
}

TExplanationPanel::Row TExplanationPanel::Measure(int boardWidth) const {
  Row row;
  const int third = boardWidth / 3;
  row.width = kMargin + (third >= 200 ? 210 : third) + kGap + 2 * kButtonSide + kGap + kGroupGap;
  if (explain_ != nullptr)
    row.width += TextWidth(*explain_, explain_->text()) + kButtonPadding + kGroupGap;
  if (noDictionary_ != nullptr)
    row.width += TextWidth(*noDictionary_, noDictionary_->text()) + 6 + kGroupGap;
  for (const QToolButton* button : languageButtons_)
    row.languages += TextWidth(*button, button->text()) + kButtonPadding + kGroupGap;
  return row;
}

void TExplanationPanel::Place(const QRect& board) {
  board_ = board;
  const int height = Height(board.width());
  const QRect strip(board.left(), board.top() - height, board.width(), height);
  QPixmap tiles(strip.size());
  {
    QPainter painter(&tiles);
    painter.fillRect(tiles.rect(), Qt::darkGreen);
    const QImage& picture = skin_.Picture(QStringLiteral("epanbgr"));
    if (!picture.isNull()) {
      // the picture's own frame would stand as a seam at every repeat: its inside is tiled, and
      // the strip gets the frame's colour around it
      const int border = std::min(kPictureFrame, picture.width() / 4);
      const QImage inside = picture.copy(picture.rect().adjusted(border, border, -border, -border));
      painter.drawTiledPixmap(tiles.rect(), QPixmap::fromImage(inside));
      painter.setPen(picture.pixelColor(0, 0));
      painter.drawRect(tiles.rect().adjusted(0, 0, -1, -1));
    }
  }
  image_->setPixmap(tiles);
  image_->setGeometry(strip);
  image_->show();
  image_->raise();

  int x = strip.left() + kMargin;
  int y = strip.top() + kRowTop;
  const int third = board.width() / 3;
  box_->setGeometry(x, y, third >= 200 ? 210 : third, kRowHeight);
  x += box_->width() + kGap;
  for (QToolButton* button : {add_, del_}) {
    button->setGeometry(x, y, kButtonSide, kButtonSide);
    x += kButtonSide;
  }
  x += kGap + kGroupGap;
  if (explain_ != nullptr) {
    const int width = TextWidth(*explain_, explain_->text()) + kButtonPadding;
    explain_->setGeometry(x, y + 1, width, kRowHeight - 2);
    bevels_.front()->setGeometry(explain_->geometry().adjusted(-3, -3, 3, 3));
    x += width + kGroupGap;
  }
  if (noDictionary_ != nullptr) {
    const int width =
        std::min(TextWidth(*noDictionary_, noDictionary_->text()) + 6, strip.right() - x);
    noDictionary_->setGeometry(x, y - 2, width, kRowHeight + 4);
    x += width + kGroupGap;
  }
  if (const Row row = Measure(board.width());
      row.languages > 0 && row.width + row.languages > board.width() - kMargin) {
    x = strip.left() + kMargin;
    y += kRowHeight + kRowGap;
  }
  for (QToolButton* button : languageButtons_) {
    const int width = TextWidth(*button, button->text()) + kButtonPadding;
    button->setGeometry(x, y + 1, width, kRowHeight - 2);
    x += width + kGroupGap;
  }
  for (TShape* bevel : bevels_) {
    const QVariant around = bevel->property("around");
    if (!around.isValid()) continue;
    for (QToolButton* button : languageButtons_)
      if (button->objectName() == around.toString())
        bevel->setGeometry(button->geometry().adjusted(-3, -3, 3, 3));
  }
  for (QWidget* control :
       std::initializer_list<QWidget*>{box_, add_, del_, explain_, noDictionary_}) {
    if (control == nullptr) continue;
    control->show();
    control->raise();
  }
  for (TShape* bevel : bevels_) {
    bevel->show();
    bevel->raise();
  }
  for (QToolButton* button : languageButtons_) {
    button->show();
    button->raise();
  }
}

bool TExplanationPanel::FillStep() {
  if (!Filling()) return false;
  const int codePage = game_.DictionaryCodePage();
  // one list of the word lists per step; slots that hold none are passed over
  while (nextSlot_ < kExcludedWordsSlot) {
    const WordList* list = game_.WordLists.Slot(nextSlot_++);
    if (list == nullptr) continue;
    for (const std::string& line : list->Lines()) {
      const QString word = FromGameText(WordPart(line), codePage).toUpper();
      if (!words_.contains(word)) {
        words_.insert(word);
        collected_.append(word);
      }
    }
    return true;
  }
  nextSlot_ = kExcludedWordsSlot + 1;
  {
    const QSignalBlocker quiet(box_);
    static_cast<QStringListModel*>(box_->model())->setStringList(collected_);
    box_->setCurrentIndex(-1);
    box_->setEditText(QString());
  }
  collected_.clear();
  box_->lineEdit()->setValidator(new UpperCase(box_));
  box_->setEnabled(true);
  return false;
}

void TExplanationPanel::SetWord(const QString& word) {
  box_->setEditText(word.toUpper());
}

void TExplanationPanel::Recolour(const QString& text) {
  if (Filling()) return;
  const bool known = text.isEmpty() || Known(text);
  SetBase(*box_, known ? colors::White : kUnknownWordColor);
  SetBase(*box_->lineEdit(), known ? colors::White : kUnknownWordColor);
  if (!known && box_->view()->isVisible()) box_->hidePopup();
}

void TExplanationPanel::TypedByKeyboard(const QString& text) {
  if (Filling() || !Known(text)) return;
  const int row = box_->findText(text, Qt::MatchExactly);
  box_->showPopup();
  if (row >= 0) box_->view()->setCurrentIndex(box_->model()->index(row, 0));
}

void TExplanationPanel::ButtonClick(const QString& name) {
  // while the box is filling it shows no word of its own
  const QString word = Filling() ? QString() : box_->currentText();
  if (name == u"EP_AddButton") {
    if (word.isEmpty() || Known(word)) return;
    auto* model = static_cast<QStringListModel*>(box_->model());
    model->insertRow(model->rowCount());
    model->setData(model->index(model->rowCount() - 1), word);
    words_.insert(word);
    Recolour(word);
    if (hooks_.openUserList) hooks_.openUserList(UserListField::Added, word);
  } else if (name == u"EP_DelButton") {
    if (word.isEmpty() || !Known(word)) return;
    if (hooks_.openUserList) hooks_.openUserList(UserListField::Excluded, word);
  } else if (name == u"EP_ExplButton") {
    if (!word.isEmpty() && hooks_.explain) hooks_.explain(word);
  } else {
    for (const QToolButton* button : languageButtons_) {
      if (button->objectName() != name) continue;
      game_.Settings.ExplanatoryLang = button->property("HelpKeyword").toString();
      ShowLanguages();
      if (hooks_.languageChanged) hooks_.languageChanged();
      return;
    }
  }
}

}  // namespace quorim
