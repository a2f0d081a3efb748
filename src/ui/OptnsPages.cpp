// The options window's pages other than music and layout: their controls and the rules that tie
// the controls together while the window is open.
#include "ui/Optns.h"

#include "ui/OptnsAlphabet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorim {

namespace {

// A button that puts one panel in the place of another names what it brings back.
void SwapPanels(QWidget& panel, QWidget& other, QPushButton& button, bool shown,
                const QString& caption, const QString& hint) {
  panel.setVisible(shown);
  other.setVisible(!shown);
  button.setText(caption);
  button.setToolTip(hint);
}

QWidget* NewPage(QTabWidget& pages, const char* name) {
  auto* page = new QWidget(&pages);
  page->setObjectName(QLatin1String(name));
  pages.addTab(page, QString());
  return page;
}

template <typename Widget>
Widget* Add(QBoxLayout& layout, Widget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  layout.addWidget(widget);
  return widget;
}

QCheckBox* AddCheck(QBoxLayout& layout, const char* name) {
  return Add(layout, new QCheckBox, name);
}

}  // namespace

void TOptions::BuildCommonPage() {
  QWidget* page = NewPage(*pages_, "TabSheetCommon");
  auto* layout = new QVBoxLayout(page);
  AddCheck(*layout, "CommonChiefInRoom");
  AddCheck(*layout, "CommonShowPCwords");
  AddCheck(*layout, "CommonShowAllUserBestScores");
  auto* rules = Add(*layout, new QGroupBox, "CommonRulesGroupName");
  auto* rulesLayout = new QVBoxLayout(rules);
  AddCheck(*rulesLayout, "CommonRulesCrossword");
  QCheckBox* reuse = AddCheck(*rulesLayout, "CommonRulesPermitReuseBlankTile");
  QCheckBox* slash = AddCheck(*rulesLayout, "CommonRulesSlashBlankTiles");
  AddCheck(*rulesLayout, "CommonRulesFreeWordPlacement");
  AddCheck(*rulesLayout, "CommonRulesAllowRepeatWords");
  AddCheck(*rulesLayout, "CommonRulesReusePrizeCells");
  AddCheck(*layout, "CommonAutoGetLetters");
  AddCheck(*layout, "CommonAutoArrangeWindows");
  AddCheck(*layout, "PauseOnMinimazed")->hide();
  layout->addStretch();
  // the star marks are drawn only where stars may be taken back
  slash->setEnabled(false);
  connect(reuse, &QCheckBox::toggled, slash, &QCheckBox::setEnabled);
  // a step in from the rule it depends on
  slash->setContentsMargins(20, 0, 0, 0);
  slash->setStyleSheet(QStringLiteral("QCheckBox { margin-left: 20px; }"));
}

void TOptions::BuildDictionaryPage() {
  QWidget* page = NewPage(*pages_, "TabSheetDictionary");
  auto* layout = new QVBoxLayout(page);

  sizePanel_ = new QWidget(page);
  sizePanel_->setObjectName(QStringLiteral("Panel1"));
  auto* sizeLayout = new QVBoxLayout(sizePanel_);
  sizeLayout->setContentsMargins(0, 0, 0, 0);
  auto* sizes = Add(*sizeLayout, new QGroupBox, "DictionaryGroupSize");
  auto* sizesLayout = new QVBoxLayout(sizes);
  for (const char* name :
       {"DictionaryRadioButtonSizeMax", "DictionaryRadioButtonSizeNormal",
        "DictionaryRadioButtonSizeExtended", "DictionaryRadioButtonSizeChildren"})
    Add(*sizesLayout, new QRadioButton, name);

  useUserDictionary_ = AddCheck(*sizeLayout, "DictionaryGroupUseUserDictionary");
  groupBox1_ = Add(*sizeLayout, new QGroupBox, "GroupBox1");
  auto* rules = new QVBoxLayout(groupBox1_);
  for (const char* name : {"DictionaryRulesRadioButtonConfirmAddNewWord",
                           "DictionaryRulesRadioButtonAddNewWordWithoutConfirm",
                           "DictionaryRulesRadioButtonUserCannotAddWords"})
    Add(*rules, new QRadioButton, name);
  AddCheck(*rules, "DictionaryRulesConfirmWordExclude");
  AddCheck(*rules, "DictionaryRulesPCReplayAfterExcludeWord");
  connect(useUserDictionary_, &QCheckBox::toggled, groupBox1_, &QGroupBox::setEnabled);
  AddCheck(*sizeLayout, "DictionaryRulesConfirmAddWordExplanation");
  sizeLayout->addStretch();
  layout->addWidget(sizePanel_, 1);

  panel2_ = new QWidget(page);
  panel2_->setObjectName(QStringLiteral("Panel2"));
  auto* themesLayout = new QVBoxLayout(panel2_);
  themesLayout->setContentsMargins(0, 0, 0, 0);
  themes_ = Add(*themesLayout, new QListWidget, "ThemesTipListBox");
  layout->addWidget(panel2_, 1);
  panel2_->hide();

  auto* buttonRow = new QHBoxLayout;
  themesButton_ = new QPushButton(page);
  themesButton_->setObjectName(QStringLiteral("DictionaryButtonThemes"));
  buttonRow->addWidget(themesButton_);
  buttonRow->addStretch();
  layout->addLayout(buttonRow);
  connect(themesButton_, &QPushButton::clicked, this,
          [this] { ShowThemesPanel(!panel2_->isVisible()); });
}

void TOptions::FillThemes() {
  themes_->clear();
  for (const ThemeTitle& theme : game_.Themes.Titles) {
    auto* item = new QListWidgetItem(theme.title, themes_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setData(Qt::UserRole, static_cast<int>(theme.letter));
    item->setCheckState(Qt::Checked);
  }
}

void TOptions::ShowThemesPanel(bool shown) {
  SwapPanels(
      *panel2_, *sizePanel_, *themesButton_, shown,
      game_.InterfaceText(shown ? u"NewGameButtonDictionaryConfig"
                                : u"NewGameButtonDictionaryTheme"),
      game_.InterfaceText(shown ? u"TagButtonDictionaryConfig" : u"TagButtonDictionaryTheme"));
}

void TOptions::BuildLimitsPage() {
  QWidget* page = NewPage(*pages_, "TabSheetLimits");
  auto* layout = new QVBoxLayout(page);
  limitRadios_.assign(10, nullptr);
  limitGroup_ = new QButtonGroup(this);
  const auto radio = [this](QBoxLayout& into, LimitKind kind, const char* name) {
    auto* button = Add(into, new QRadioButton, name);
    limitRadios_[static_cast<std::size_t>(kind)] = button;
    limitGroup_->addButton(button);
    connect(button, &QRadioButton::clicked, this, [this, button] { LimitRadioChosen(button); });
    return button;
  };
  radio(*layout, LimitKind::None, "LimitsRadioButtonNoLimits");

  auto* columns = new QHBoxLayout;
  auto* score = new QGroupBox;
  score->setObjectName(QStringLiteral("LimitsGroupScore"));
  auto* scoreLayout = new QVBoxLayout(score);
  radio(*scoreLayout, LimitKind::Score100, "LimitsRadioButtonScore100");
  radio(*scoreLayout, LimitKind::Score300, "LimitsRadioButtonScore300");
  radio(*scoreLayout, LimitKind::Score500, "LimitsRadioButtonScore500");
  auto* userRow = new QHBoxLayout;
  radio(*userRow, LimitKind::ScoreUser, "LimitsRadioButtonScoreUserSelected");
  userScore_ = Add(*userRow, new QLineEdit, "Edit3");
  userScore_->setMaxLength(4);
  userScore_->setFixedWidth(60);
  userRow->addStretch();
  scoreLayout->addLayout(userRow);
  scoreLayout->addStretch();
  columns->addWidget(score, 1);

  auto* time = new QGroupBox;
  time->setObjectName(QStringLiteral("LimitsGroupTime"));
  auto* timeLayout = new QVBoxLayout(time);
  radio(*timeLayout, LimitKind::Time10, "LimitsRadioButtonTime10minutes");
  radio(*timeLayout, LimitKind::Time20, "LimitsRadioButtonTime20minutes");
  radio(*timeLayout, LimitKind::Time30, "LimitsRadioButtonTime30minutes");
  radio(*timeLayout, LimitKind::Time45, "LimitsRadioButtonTime45minutes");
  radio(*timeLayout, LimitKind::Time60, "LimitsRadioButtonTime1Hour");
  columns->addWidget(time, 1);
  layout->addLayout(columns);

  auto* moveRow = new QHBoxLayout;
  moveTime_ = Add(*moveRow, new QCheckBox, "LimitsMoveTime");
  moveTimeList_ = Add(*moveRow, new QComboBox, "LimitsComboboxListMoveTime");
  moveRow->addStretch();
  layout->addLayout(moveRow);
  auto* lengthRow = new QHBoxLayout;
  wordLength_ = Add(*lengthRow, new QCheckBox, "LimitsWordLengthNoLess");
  wordLengthList_ = Add(*lengthRow, new QComboBox, "LimitsComboboxListLetter");
  lengthRow->addStretch();
  layout->addLayout(lengthRow);
  layout->addStretch();

  // the score box is written in capitals, so that "0" and the letter O look alike
  connect(userScore_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int cursor = userScore_->cursorPosition();
    userScore_->setText(text.toUpper());
    userScore_->setCursorPosition(cursor);
    if (!filling_) {
      limitRadios_[static_cast<std::size_t>(LimitKind::ScoreUser)]->setChecked(true);
      LimitRadioChosen(limitRadios_[static_cast<std::size_t>(LimitKind::ScoreUser)]);
    }
  });
  connect(moveTime_, &QCheckBox::toggled, this, [this](bool on) {
    if (!filling_ && on) {
      // a move time goes with a score limit or none, never with a game time
      ClearLimitRadios(LimitKind::None, LimitKind::None);
      ClearLimitRadios(LimitKind::Time10, LimitKind::Time60);
    }
    UpdateLimitControls();
  });
  connect(wordLength_, &QCheckBox::toggled, this, [this] { UpdateLimitControls(); });
}

void TOptions::LimitRadioChosen(QRadioButton* button) {
  if (filling_) return;
  const auto kind = static_cast<LimitKind>(
      std::find(limitRadios_.begin(), limitRadios_.end(), button) - limitRadios_.begin());
  if (kind == LimitKind::None || kind >= LimitKind::Time10) moveTime_->setChecked(false);
  UpdateLimitControls();
}

void TOptions::ClearLimitRadios(LimitKind first, LimitKind last) {
  limitGroup_->setExclusive(false);
  for (int kind = static_cast<int>(first); kind <= static_cast<int>(last); ++kind)
    limitRadios_[static_cast<std::size_t>(kind)]->setChecked(false);
  limitGroup_->setExclusive(true);
}

void TOptions::UpdateLimitControls() {
  moveTimeList_->setEnabled(setUpMode_ && moveTime_->isChecked());
  wordLengthList_->setEnabled(setUpMode_ && wordLength_->isChecked());
}

void TOptions::BuildHintPage() {
  QWidget* page = NewPage(*pages_, "TabSheetHint");
  auto* layout = new QVBoxLayout(page);
  Add(*layout, new QLabel, "HintLabelDelay");
  hintDelay_ = Add(*layout, new QSlider(Qt::Horizontal), "TrackBar1");
  hintDelay_->setRange(0, 1000);
  hintDelay_->setSingleStep(10);
  hintDelay_->setPageStep(100);
  hintDelay_->setTickInterval(100);
  hintDelay_->setTickPosition(QSlider::TicksBelow);
  auto* delayEnds = new QHBoxLayout;
  Add(*delayEnds, new QLabel, "HintLabelFast");
  delayEnds->addStretch();
  Add(*delayEnds, new QLabel, "HintLabelSlow");
  layout->addLayout(delayEnds);
  layout->addSpacing(16);

  Add(*layout, new QLabel, "HintLabelCount");
  hintCount_ = Add(*layout, new QSlider(Qt::Horizontal), "TrackBar2");
  hintCount_->setRange(0, 4);
  hintCount_->setPageStep(1);
  hintCount_->setTickInterval(1);
  hintCount_->setTickPosition(QSlider::TicksBelow);
  auto* marks = new QHBoxLayout;
  const char* const names[] = {"HintCountLabel3", "HintCountLabel5", "HintCountLabel7",
                               "HintCountLabel10", "HintCountLabelUnlimited"};
  const char* const texts[] = {"3", "5", "7", "10", "~"};
  for (int i = 0; i < 5; ++i) {
    if (i > 0) marks->addStretch();
    QLabel* mark = Add(*marks, new QLabel(QLatin1String(texts[i])), names[i]);
    hintLabels_.push_back(mark);
  }
  layout->addLayout(marks);
  layout->addSpacing(16);
  AddCheck(*layout, "HintWaitKeypress");
  layout->addStretch();
}

void TOptions::BuildSkinPage() {
  QWidget* page = NewPage(*pages_, "TabSheetSkin");
  auto* layout = new QVBoxLayout(page);
  auto* skinRow = new QHBoxLayout;
  Add(*skinRow, new QLabel, "SkinLabelSkin");
  skins_ = Add(*skinRow, new QComboBox, "ComboBox3");
  skins_->addItems(SkinNames(game_.Data));
  skins_->setMinimumWidth(160);
  skinRow->addStretch();
  layout->addLayout(skinRow);

  auto* picture = Add(*layout, new QGroupBox, "SkinGroupBackground");
  auto* pictureLayout = new QVBoxLayout(picture);
  background_ = Add(*pictureLayout, new QLabel, "TntLabel1");
  background_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  background_->setMinimumWidth(300);
  background_->setFrameShape(QFrame::StyledPanel);
  auto* pictureButtons = new QHBoxLayout;
  auto* get = Add(*pictureButtons, new QPushButton, "SkinButtonGetBgrImage");
  auto* clear = Add(*pictureButtons, new QPushButton, "SkinButtonClearBgrImage");
  pictureButtons->addStretch();
  pictureLayout->addLayout(pictureButtons);
  connect(get, &QPushButton::clicked, this, [this] { ChooseBackground(); });
  connect(clear, &QPushButton::clicked, this, [this] {
    background_->clear();
    background_->setToolTip(QString());
    if (hooks_.backgroundChosen) hooks_.backgroundChosen(QString());
  });

  for (const char* name :
       {"SkinAnimateOnlyActivePlayer", "SkinAccentActivePlayer", "SkinColoredTiles", "SkinShadows",
        "SkinShowDictionaryPanel", "SkinFullScreenAlways"})
    AddCheck(*layout, name);
  layout->addStretch();
}

void TOptions::ChooseBackground() {
  const QString path = QFileDialog::getOpenFileName(
      this, QString(), game_.Data.Root(), QStringLiteral("*.bmp *.jpg *.jpeg *.png *.gif;;*"));
  if (path.isEmpty()) return;
  background_->setText(path);
  background_->setToolTip(path);
  if (hooks_.backgroundChosen) hooks_.backgroundChosen(path);
}

void TOptions::BuildLanguagesPage() {
  QWidget* page = NewPage(*pages_, "TabSheetLanguages");
  auto* layout = new QVBoxLayout(page);
  languageLists_ = new QWidget(page);
  auto* grid = new QGridLayout(languageLists_);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto row = [this, grid](int at, const char* label, const char* name) {
    auto* caption = new QLabel;
    caption->setObjectName(QLatin1String(label));
    grid->addWidget(caption, at, 0);
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->setMinimumWidth(200);
    grid->addWidget(box, at, 1);
    return box;
  };
  interfaceLang_ = row(0, "LanguageLabelInterface", "ComboBox1");
  dictionaryLang_ = row(1, "LanguageLabelDictionary", "ComboBox4");
  explanatoryLang_ = row(2, "LanguageLabelExplanatory", "ComboBox5");
  grid->setColumnStretch(2, 1);
  layout->addWidget(languageLists_);
  auto* buttonRow = new QHBoxLayout;
  alphabetButton_ = Add(*buttonRow, new QPushButton, "LanguageButtonAlphabet");
  buttonRow->addStretch();
  layout->addLayout(buttonRow);
  alphabetPanel_ = Add(*layout, new QWidget, "Panel4");
  alphabet_ = new TAlphabetEditor(game_, alphabetPanel_);
  (new QVBoxLayout(alphabetPanel_))->addWidget(alphabet_);
  alphabetPanel_->hide();
  layout->addStretch();
  connect(alphabetButton_, &QPushButton::clicked, this,
          [this] { ShowAlphabetPanel(alphabetPanel_->isHidden()); });
  connect(interfaceLang_, &QComboBox::currentIndexChanged, this,
          [this](int index) { InterfaceLanguageChosen(index); });
  connect(dictionaryLang_, &QComboBox::currentIndexChanged, this,
          [this](int index) { DictionaryLanguageChosen(index); });
  connect(explanatoryLang_, &QComboBox::currentIndexChanged, this,
          [this](int index) { ExplanatoryLanguageChosen(index); });
}

void TOptions::ShowAlphabetPanel(bool shown) {
  SwapPanels(*alphabetPanel_, *languageLists_, *alphabetButton_, shown,
             game_.InterfaceText(shown ? u"LanguageButtonLanguageConfig"
                                       : u"LanguageButtonAlphabetConfig"),
             game_.InterfaceText(shown ? u"TagButtonLanguageConfig" : u"TagButtonAlphabetConfig"));
}

void TOptions::FillLanguageLists() {
  const bool filling = filling_;
  filling_ = true;
  const auto fill = [](QComboBox& box, std::vector<LanguageEntry>& entries,
                       std::vector<LanguageEntry> found, const QString& current) {
    entries = std::move(found);
    box.clear();
    for (const LanguageEntry& entry : entries) box.addItem(entry.name);
    box.setCurrentIndex(LanguageIndex(entries, current));
  };
  const Settings& s = game_.Settings;
  fill(*interfaceLang_, interfaces_, LanguageEntries(game_, QStringLiteral("lang")),
       s.InterfaceLang);
  fill(*dictionaryLang_, dictionaries_, LanguageEntries(game_, QStringLiteral("dict")),
       s.DictionaryLang);
  fill(*explanatoryLang_, explanations_,
       LanguageEntries(game_, QStringLiteral("dict\\%1\\expl").arg(s.DictionaryLang)),
       s.ExplanatoryLang);
  filling_ = filling;
}

void TOptions::InterfaceLanguageChosen(int index) {
  if (filling_ || index < 0 || index >= static_cast<int>(interfaces_.size())) return;
  const QString code = interfaces_[static_cast<std::size_t>(index)].code;
  if (code == game_.Settings.InterfaceLang) return;
  game_.Settings.InterfaceLang = code;
  if (hooks_.interfaceLanguageChanged) hooks_.interfaceLanguageChanged(code);
  Relabel();
  // the languages are named in the new language
  FillLanguageLists();
}

void TOptions::DictionaryLanguageChosen(int index) {
  if (filling_ || index < 0 || index >= static_cast<int>(dictionaries_.size())) return;
  const QString code = dictionaries_[static_cast<std::size_t>(index)].code;
  if (code == game_.Settings.DictionaryLang) return;
  OptionsForm form = ReadForm();
  SwitchDictionaryLanguage(game_, form, code);
  filling_ = true;
  FillThemes();
  ShowForm(form);
  FillLanguageLists();
  filling_ = false;
  LoadHostedPages();
  if (hooks_.dictionaryLanguageChanged) hooks_.dictionaryLanguageChanged();
}

void TOptions::ExplanatoryLanguageChosen(int index) {
  if (filling_ || index < 0 || index >= static_cast<int>(explanations_.size())) return;
  game_.Settings.ExplanatoryLang = explanations_[static_cast<std::size_t>(index)].code;
}

}  // namespace quorim
