#include "ui/OptnsAlphabet.h"

#include "media/CodePages.h"

#include <QButtonGroup>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace quorim {

namespace {

constexpr int kButtonsPerRow = 11;
constexpr QSize kLetterButtonSize(42, 28);

QSpinBox* MakeSpinBox(QWidget* parent, const char* name, int maximum) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setRange(0, maximum);
  // A figure being typed is taken whole, not digit by digit.
  box->setKeyboardTracking(false);
  return box;
}

QLabel* MakeLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

}  // namespace

TAlphabetEditor::TAlphabetEditor(Game& game, QWidget* parent)
    : QWidget(parent),
      game_(game),
      source_{game.Data, game.Settings.DictionaryLang, game.DictionaryCodePage()} {
  BuildControls();
  Load(game.GameRunning);
}

void TAlphabetEditor::BuildControls() {
  auto* letters = new QWidget(this);
  letterGrid_ = new QGridLayout(letters);
  letterGrid_->setContentsMargins(0, 0, 0, 0);
  letterGrid_->setSpacing(2);
  letterGroup_ = new QButtonGroup(this);
  connect(letterGroup_, &QButtonGroup::idClicked, this, [this](int index) { SelectLetter(index); });

  value_ = MakeSpinBox(this, "AlphabetSpinEditScore", kMaxValue);
  quantity_ = MakeSpinBox(this, "AlphabetSpinEditQuantity", kMaxQuantity);
  connect(value_, &QSpinBox::valueChanged, this, [this](int value) { ValueChanged(value); });
  connect(quantity_, &QSpinBox::valueChanged, this,
          [this](int quantity) { QuantityChanged(quantity); });
  QLabel* valueLabel = MakeLabel(this, "AlphabetLabelScore");
  valueLabel->setBuddy(value_);
  QLabel* quantityLabel = MakeLabel(this, "AlphabetLabelQuantity");
  quantityLabel->setBuddy(quantity_);

  share_ = MakeLabel(this, "AlphabetLabelLetterShare");
  bag_ = MakeLabel(this, "AlphabetLabelBagShare");
  share_->setWordWrap(true);
  bag_->setWordWrap(true);

  default_ = new QPushButton(this);
  default_->setObjectName(QStringLiteral("AlphabetButtonDefault"));
  default_->setAutoDefault(false);
  connect(default_, &QPushButton::clicked, this, [this] { RestoreDefault(); });

  auto* figures = new QGridLayout;
  figures->addWidget(valueLabel, 0, 0);
  figures->addWidget(value_, 0, 1);
  figures->addWidget(quantityLabel, 1, 0);
  figures->addWidget(quantity_, 1, 1);
  figures->setColumnStretch(2, 1);

  auto* column = new QVBoxLayout(this);
  column->addWidget(letters, 0, Qt::AlignLeft);
  column->addLayout(figures);
  column->addWidget(share_);
  column->addWidget(bag_);
  column->addStretch(1);
  column->addWidget(default_, 0, Qt::AlignRight);
}

void TAlphabetEditor::Load(bool gameRunning) {
  gameRunning_ = gameRunning;
  alphabet_ = game_.Alphabet;
  source_ = {game_.Data, game_.Settings.DictionaryLang, game_.DictionaryCodePage()};
  modified_ = false;
  MakeLetterButtons();
  value_->setEnabled(!gameRunning);
  quantity_->setEnabled(!gameRunning);
  default_->setEnabled(!gameRunning && DefaultExists());
  ShowLetter(0);
  Relabel();
}

void TAlphabetEditor::MakeLetterButtons() {
  for (QToolButton* button : letterButtons_) delete button;
  letterButtons_.clear();
  const int count = alphabet_.AlphabetSize + 1;  // the star too
  for (int i = 0; i < count; ++i) {
    auto* button = new QToolButton(letterGrid_->parentWidget());
    QString name = QStringLiteral("LetterButton");
    name += QString::number(i + 1);
    button->setObjectName(name);
    button->setText(LetterText(i));
    button->setCheckable(true);
    button->setFixedSize(kLetterButtonSize);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setEnabled(!gameRunning_);
    letterGroup_->addButton(button, i);
    letterGrid_->addWidget(button, i / kButtonsPerRow, i % kButtonsPerRow);
    letterButtons_.push_back(button);
  }
}

QString TAlphabetEditor::LetterText(int index) const {
  if (index == alphabet_.AlphabetSize) return QStringLiteral("*");
  const char code = static_cast<char>(alphabet_.LetterCode[static_cast<std::size_t>(index)]);
  return FromGameText(std::string_view(&code, 1), source_.languageCodePage);
}

bool TAlphabetEditor::DefaultExists() const {
  return QFile::exists(source_.DefaultPath());
}

void TAlphabetEditor::TakeTypedFigures() {
  value_->interpretText();
  quantity_->interpretText();
}

void TAlphabetEditor::SelectLetter(int index) {
  TakeTypedFigures();
  ShowLetter(index);
}

void TAlphabetEditor::ShowLetter(int index) {
  selected_ = index;
  const auto at = static_cast<std::size_t>(index);
  letterButtons_[at]->setChecked(true);
  // A pressed look alone is easily missed among so many buttons.
  for (QToolButton* button : letterButtons_) {
    QFont font = button->font();
    font.setBold(button->isChecked());
    button->setFont(font);
  }
  const bool star = selected_ == alphabet_.AlphabetSize;
  const QSignalBlocker valueBlocker(value_);
  const QSignalBlocker quantityBlocker(quantity_);
  // A letter is worth at least a point; the star's value is not the user's to change.
  value_->setRange(star ? 0 : 1, star ? 0 : kMaxValue);
  value_->setValue(star ? 0 : alphabet_.LetterValue[at]);
  quantity_->setValue(alphabet_.LetterQuantity[at]);
  ShowFigures();
}

void TAlphabetEditor::ValueChanged(int value) {
  alphabet_.LetterValue[static_cast<std::size_t>(selected_)] = static_cast<std::uint16_t>(value);
  modified_ = true;
  ShowMark(selected_);
}

void TAlphabetEditor::QuantityChanged(int quantity) {
  const auto at = static_cast<std::size_t>(selected_);
  const std::uint16_t before = alphabet_.LetterQuantity[at];
  alphabet_.LetterQuantity[at] = static_cast<std::uint16_t>(quantity);
  if (alphabet_.AlphabetTotalQuantity() == 0) {
    // The bag could never be filled.
    alphabet_.LetterQuantity[at] = 1;
    const QSignalBlocker blocker(quantity_);
    quantity_->setValue(1);
    game_.View().ShowMessageBox(game_.InterfaceText(u"OptionsAlphabetMessageNullAllLetter"));
  }
  modified_ = modified_ || alphabet_.LetterQuantity[at] != before;
  ShowMark(selected_);
  ShowFigures();
}

void TAlphabetEditor::RestoreDefault() {
  TakeTypedFigures();
  if (const auto error = RestoreDefaultAlphabet(alphabet_, source_)) {
    if (error->kind == DataFileError::Kind::FileNotFound) {
      default_->setEnabled(false);
    } else {
      game_.View().ShowMessageBox(AlphabetErrorMessage(*error, game_.Strings));
    }
    return;
  }
  modified_ = true;
  for (int i = 0; i <= alphabet_.AlphabetSize; ++i)
    letterButtons_[static_cast<std::size_t>(i)]->setText(LetterText(i));
  Relabel();
  ShowLetter(selected_);
}

bool TAlphabetEditor::Write() {
  TakeTypedFigures();
  if (!modified_) return true;
  if (!SaveAlphabet(alphabet_, source_)) {
    QString text = game_.InterfaceText(u"OptionsAlphabetMessageNotSaved");
    game_.View().ShowMessageBox(text.replace(QStringLiteral("%s"), source_.TextPath()));
    return false;
  }
  game_.Alphabet = alphabet_;
  modified_ = false;
  default_->setEnabled(!gameRunning_ && DefaultExists());
  return true;
}

void TAlphabetEditor::SetLayoutSize(int columns, int rows) {
  columns_ = columns;
  rows_ = rows;
  ShowFigures();
}

void TAlphabetEditor::Relabel() {
  for (int i = 0; i < static_cast<int>(letterButtons_.size()); ++i) ShowMark(i);
  ShowFigures();
}

void TAlphabetEditor::ShowMark(int index) {
  const auto at = static_cast<std::size_t>(index);
  QToolButton& button = *letterButtons_[at];
  button.setIcon(alphabet_.LetterQuantity[at] == 0 ? style()->standardIcon(QStyle::SP_TrashIcon)
                                                   : QIcon());
  button.setToolTip(game_.InterfaceText(u"OptionsAlphabetTagLetterScore") + u' ' +
                    QString::number(alphabet_.LetterValue[at]) + u'\n' +
                    game_.InterfaceText(u"OptionsAlphabetTagLetterQuantity") + u' ' +
                    QString::number(alphabet_.LetterQuantity[at]));
}

void TAlphabetEditor::ShowFigures() {
  const int quantity = alphabet_.LetterQuantity[static_cast<std::size_t>(selected_)] & 0xFF;
  const int total = alphabet_.AlphabetTotalQuantity();
  const int cells = columns_ * rows_;
  share_->setText(game_.InterfaceText(u"OptionsAlphabetLetterQuantityPrefix") + u' ' +
                  QString::number(total) + QStringLiteral(" (") +
                  QString::number(total == 0 ? 0 : quantity * 100 / total) + QStringLiteral("%)"));
  QString bag = game_.InterfaceText(u"OptionsAlphabetComputeForSelectedLayoutPrefix") + u' ' +
                QString::number(columns_) + u'x' + QString::number(rows_) + QStringLiteral(" (") +
                QString::number(cells) + u' ' +
                game_.InterfaceText(u"OptionsAlphabetLayoutCellsQuantitySuffix") + u')' + u'\n' +
                game_.InterfaceText(u"OptionsAlphabetComputeForSelectedLayoutMiddle") +
                QStringLiteral(" '") + LetterText(selected_) + QStringLiteral("' ") +
                game_.InterfaceText(u"OptionsAlphabetComputeForSelectedLayoutSuffix") + u' ' +
                QString::number(alphabet_.ExpectedCopies(selected_, cells));
  if (quantity != 0) bag += QStringLiteral(" (±1)");
  bag_->setText(bag);
}

}  // namespace quorim
