// The layout page: a template of MAPS or a random layout of the given size and bonus counts, and
// MapPreview, which draws the chosen one.
#include "ui/Optns.h"

#include "media/SkinColors.h"
#include "ui/OptnsAlphabet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorim {

namespace {

constexpr int kSilver = 12632256;
constexpr int kPitch = 3;
constexpr int kSquare = 2;
// A random layout's look is drawn from a seed of its own: the same counts look the same.
constexpr unsigned kPreviewSeed = 1;

// The cell colours of the preview by kind 1..6; 0 leaves the background.
constexpr std::array<int, 7> kKindColors{-1, 16777215, 65280, 16711680, 65535, 255, 0};

// The count boxes: name, the caption's name and the kind whose colour the swatch shows.
struct CountBox {
  const char* name;
  const char* label;
  int kind;
  int minimum;
};
constexpr std::array<CountBox, 5> kCountBoxes{{{"green_SpinEdit", "LayoutLabelGreen", 2, 0},
                                               {"Blu_SpinEdit", "LayoutLabelBlue", 3, 0},
                                               {"yel_SpinEdit", "LayoutLabelYellow", 4, 0},
                                               {"Red_SpinEdit", "LayoutLabelRed", 5, 0},
                                               {"blak_SpinEdit", "LayoutLabelBlack", 6, 1}}};

QLabel* Swatch(int kind) {
  auto* swatch = new QLabel;
  swatch->setFixedSize(14, 14);
  swatch->setStyleSheet(
      QStringLiteral("background: %1; border: 1px solid #808080;")
          .arg(ColorFromWindows(kKindColors[static_cast<std::size_t>(kind)]).name()));
  return swatch;
}

}  // namespace

TMapPreview::TMapPreview(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MapPreview"));
  setFixedSize(sizeHint());
}

void TMapPreview::Show(LayoutPreview preview) {
  preview_ = std::move(preview);
  update();
}

void TMapPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ColorFromWindows(kSilver));
  if (preview_.kinds.empty()) return;
  // centred, as the box fits the largest board
  const QPoint origin((width() - preview_.dimX * kPitch) / 2 + 1,
                      (height() - preview_.dimY * kPitch) / 2 + 1);
  for (int y = 0; y < preview_.dimY; ++y) {
    for (int x = 0; x < preview_.dimX; ++x) {
      const int kind = preview_.kinds[static_cast<std::size_t>(y * preview_.dimX + x)];
      if (kind < 1 || kind > 6) continue;
      painter.fillRect(QRect(origin + QPoint(x * kPitch, y * kPitch), QSize(kSquare, kSquare)),
                       ColorFromWindows(kKindColors[static_cast<std::size_t>(kind)]));
    }
  }
}

void TOptions::BuildLayoutPage() {
  auto* page = new QWidget(pages_);
  page->setObjectName(QStringLiteral("TabSheetLayout"));
  pages_->addTab(page, QString());
  auto* layout = new QHBoxLayout(page);
  auto* choices = new QVBoxLayout;
  layout->addLayout(choices, 1);

  fromFile_ = new QRadioButton;
  fromFile_->setObjectName(QStringLiteral("LayoutRadioButtonFromFile"));
  choices->addWidget(fromFile_);
  templateList_ = new QComboBox;
  templateList_->setObjectName(QStringLiteral("ComboBox2"));
  templateList_->setMinimumWidth(220);
  auto* listRow = new QHBoxLayout;
  listRow->addSpacing(20);
  listRow->addWidget(templateList_, 1);
  choices->addLayout(listRow);
  choices->addSpacing(12);

  random_ = new QRadioButton;
  random_->setObjectName(QStringLiteral("LayoutRadioButtonRandom"));
  choices->addWidget(random_);
  auto* grid = new QGridLayout;
  grid->setColumnMinimumWidth(0, 20);
  const auto spin = [](const char* name, int minimum, int maximum) {
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    box->setMinimumWidth(70);
    return box;
  };
  const auto caption = [](const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    return label;
  };
  dimX_ = spin("DimX_SpinEdit", 15, 30);
  dimY_ = spin("DimY_SpinEdit", 15, 30);
  grid->addWidget(caption("LayoutLabelWidth"), 0, 1, 1, 2);
  grid->addWidget(dimX_, 0, 3);
  grid->addWidget(caption("LayoutLabelHeight"), 1, 1, 1, 2);
  grid->addWidget(dimY_, 1, 3);
  square_ = new QCheckBox;
  square_->setObjectName(QStringLiteral("LayoutRandomIsSquareLayout"));
  grid->addWidget(square_, 2, 1, 1, 3);
  int row = 3;
  for (const CountBox& box : kCountBoxes) {
    QSpinBox* count = spin(box.name, box.minimum, 1000);
    counts_.push_back(count);
    grid->addWidget(Swatch(box.kind), row, 1);
    grid->addWidget(caption(box.label), row, 2);
    grid->addWidget(count, row, 3);
    ++row;
  }
  grid->setColumnStretch(4, 1);
  choices->addLayout(grid);
  choices->addStretch();

  auto* previewColumn = new QVBoxLayout;
  preview_ = new TMapPreview(page);
  previewColumn->addWidget(preview_);
  previewColumn->addStretch();
  layout->addLayout(previewColumn);

  connect(templateList_, &QComboBox::activated, this, [this](int index) { TemplateChosen(index); });
  connect(fromFile_, &QRadioButton::toggled, this, [this](bool on) {
    if (on && templateList_->currentIndex() < 0 && templateList_->count() > 0)
      templateList_->setCurrentIndex(0);
    RefreshPreview();
  });
  connect(random_, &QRadioButton::toggled, this, [this] { RefreshPreview(); });
  connect(dimX_, &QSpinBox::valueChanged, this, [this] { DimensionChanged(dimX_, dimY_); });
  connect(dimY_, &QSpinBox::valueChanged, this, [this] { DimensionChanged(dimY_, dimX_); });
  connect(square_, &QCheckBox::toggled, this, [this](bool on) {
    if (on && !filling_) DimensionChanged(dimX_, dimY_);
  });
  for (QSpinBox* count : counts_)
    connect(count, &QSpinBox::valueChanged, this, [this] { RandomLayoutTouched(); });
}

void TOptions::FillLayoutList() {
  templates_ = ListTemplates(game_.Data);
  templateList_->clear();
  for (const TemplateListEntry& entry : templates_) templateList_->addItem(entry.displayText);
}

void TOptions::TemplateChosen(int index) {
  if (index < 0) return;
  fromFile_->setChecked(true);
  RefreshPreview();
}

void TOptions::RandomLayoutTouched() {
  if (filling_) return;
  random_->setChecked(true);
  RefreshPreview();
}

void TOptions::DimensionChanged(QSpinBox* changed, QSpinBox* other) {
  if (filling_) return;
  if (square_->isChecked() && other->value() != changed->value()) {
    const bool filling = filling_;
    filling_ = true;
    other->setValue(changed->value());
    filling_ = filling;
  }
  RandomLayoutTouched();
}

void TOptions::RefreshPreview() {
  LayoutPreview preview;
  if (fromFile_->isChecked()) {
    const int chosen = templateList_->currentIndex();
    if (chosen >= 0 && chosen < static_cast<int>(templates_.size()))
      preview = TemplatePreview(game_.Data, templates_[static_cast<std::size_t>(chosen)].fileName);
  } else {
    std::array<int, 5> counts{};
    for (std::size_t i = 0; i < counts_.size(); ++i) counts[i] = counts_[i]->value();
    preview = RandomLayoutPreview(dimX_->value(), dimY_->value(), counts, kPreviewSeed);
  }
  preview_->Show(preview);
  // the alphabet editor counts the bag's letters for the board chosen here
  if (alphabet_ != nullptr && preview.dimX > 0)
    alphabet_->SetLayoutSize(preview.dimX, preview.dimY);
}

}  // namespace quorim
