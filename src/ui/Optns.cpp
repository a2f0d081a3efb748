#include "ui/Optns.h"

#include "media/MusicPlayer.h"
#include "ui/OptnsAlphabet.h"
#include "ui/OptnsUserDict.h"
#include "ui/Skin.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorim {

namespace {

// The check boxes that stand for one setting each.
struct CheckControl {
  const char* name;
  bool OptionsForm::*field;
};
constexpr CheckControl kChecks[] = {
    {"CommonChiefInRoom", &OptionsForm::minimizeOnEsc},
    {"CommonShowPCwords", &OptionsForm::showPCWords},
    {"CommonShowAllUserBestScores", &OptionsForm::showAdvancedHallFame},
    {"CommonRulesCrossword", &OptionsForm::crossWordMode},
    {"CommonRulesSlashBlankTiles", &OptionsForm::flashStarMarkers},
    {"CommonRulesPermitReuseBlankTile", &OptionsForm::exchangeStars},
    {"CommonRulesFreeWordPlacement", &OptionsForm::selectWordMode},
    {"CommonRulesAllowRepeatWords", &OptionsForm::allowWordRepeat},
    {"CommonRulesReusePrizeCells", &OptionsForm::keepBonuses},
    {"CommonAutoGetLetters", &OptionsForm::lettersAutoSelect},
    {"CommonAutoArrangeWindows", &OptionsForm::autoSpreadPlayers},
    {"PauseOnMinimazed", &OptionsForm::pauseOnMinimized},
    {"DictionaryGroupUseUserDictionary", &OptionsForm::useCustomDictionary},
    {"DictionaryRulesConfirmWordExclude", &OptionsForm::askToExcludeWord},
    {"DictionaryRulesPCReplayAfterExcludeWord", &OptionsForm::undoPCMove},
    {"DictionaryRulesConfirmAddWordExplanation", &OptionsForm::askToAddExplanation},
    {"MusicSoundFX", &OptionsForm::playSounds},
    {"MusicShuffle", &OptionsForm::playShuffle},
    {"LayoutRandomIsSquareLayout", &OptionsForm::square},
    {"HintWaitKeypress", &OptionsForm::hintWaitKey},
    {"SkinAnimateOnlyActivePlayer", &OptionsForm::animActiveAvatarOnly},
    {"SkinAccentActivePlayer", &OptionsForm::animHighlightActivePlayer},
    {"SkinColoredTiles", &OptionsForm::showColorLetters},
    {"SkinShadows", &OptionsForm::showShadows},
    {"SkinShowDictionaryPanel", &OptionsForm::alwaysShowDictionaryPanel},
    {"SkinFullScreenAlways", &OptionsForm::fullScreen},
};

constexpr const char* kSizeRadios[] = {
    "DictionaryRadioButtonSizeMax", "DictionaryRadioButtonSizeNormal",
    "DictionaryRadioButtonSizeExtended", "DictionaryRadioButtonSizeChildren"};
constexpr const char* kAddRuleRadios[] = {"DictionaryRulesRadioButtonUserCannotAddWords",
                                          "DictionaryRulesRadioButtonAddNewWordWithoutConfirm",
                                          "DictionaryRulesRadioButtonConfirmAddNewWord"};

constexpr int kUserDictionaryPage = 2;
constexpr int kLimitsPage = 3;

}  // namespace

template <typename Widget>
Widget* TOptions::Named(Widget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

TOptions::TOptions(Game& game, const Skin& skin, MusicPlayer* music, bool soundDevice, Hooks hooks,
                   QWidget* parent)
    : QDialog(parent),
      game_(game),
      skin_(skin),
      music_(music),
      soundDevice_(soundDevice),
      hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("Options"));
  setWindowModality(Qt::ApplicationModal);
  // above the participant panels, which stay on top of the main window
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  BuildWindow();
  ApplyLook();
  Relabel();
  userScore_->installEventFilter(this);
  for (QSpinBox* count : counts_) count->installEventFilter(this);
}

TOptions::~TOptions() = default;

void TOptions::BuildWindow() {
  auto* layout = new QVBoxLayout(this);
  pages_ = Named(new QTabWidget(this), "OptionsPageControl");
  // every page's tab in sight: the window is as wide as its tabs need
  pages_->setUsesScrollButtons(false);
  layout->addWidget(pages_);
  BuildCommonPage();
  BuildDictionaryPage();
  userDictionaryPage_ = Named(new QWidget(pages_), "TabSheetUserDictionary");
  userDictionary_ = new TUserDictionaryPage(game_, userDictionaryPage_);
  (new QVBoxLayout(userDictionaryPage_))->addWidget(userDictionary_);
  pages_->addTab(userDictionaryPage_, QString());
  BuildLimitsPage();
  BuildMusicPage();
  BuildLayoutPage();
  BuildHintPage();
  BuildSkinPage();
  BuildLanguagesPage();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  ok_ = Named(new QPushButton(this), "ButtonOK");
  cancel_ = Named(new QPushButton(this), "ButtonCancel");
  ok_->setDefault(true);
  ok_->setMinimumWidth(100);
  cancel_->setMinimumWidth(100);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, &TOptions::accept);
  connect(cancel_, &QPushButton::clicked, this, &TOptions::reject);
}

void TOptions::ApplyLook() {
  // the game's own message face for the texts, the skin's caption colour for the group titles
  QFont face = skin_.Font(FontRole::kMessage, 9);
  face.setBold(false);
  setFont(face);
  const QColor title = skin_.Color(QStringLiteral("OptionsCaption"), 8388608);
  // a list as wide as its longest entry in whichever language
  for (QComboBox* box : findChildren<QComboBox*>())
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  // the group titles in the skin's caption colour; the controls inside keep the window's
  for (QGroupBox* group : findChildren<QGroupBox*>()) {
    group->setStyleSheet(
        QStringLiteral("QGroupBox { color: %1; font-weight: bold; }").arg(title.name()));
    for (QWidget* child : group->findChildren<QWidget*>()) child->setFont(face);
  }
}

void TOptions::Relabel() {
  const bool filling = filling_;
  filling_ = true;
  for (const ControlText& text : game_.Strings.WindowTexts(u"Options")) {
    if (text.control.isEmpty()) {
      if (!text.caption.isEmpty()) setWindowTitle(text.caption);
      continue;
    }
    QWidget* control = findChild<QWidget*>(text.control);
    if (control == nullptr) continue;
    if (!text.hint.isEmpty()) control->setToolTip(text.hint);
    if (text.caption.isEmpty()) continue;
    const int page = pages_->indexOf(control);
    if (page >= 0) {
      pages_->setTabText(page, text.caption);
      pages_->setTabToolTip(page, text.hint);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
      // the list's entries come from the file; the choice stays where it was
      const int chosen = combo->currentIndex();
      combo->clear();
      combo->addItems(text.caption.split(u'\n'));
      combo->setCurrentIndex(std::min(chosen, combo->count() - 1));
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
      group->setTitle(text.caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      button->setText(text.caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      if (label != background_) label->setText(text.caption);
    }
  }
  // hidden, not invisible: the panels of a page not in front are invisible too
  ShowThemesPanel(!panel2_->isHidden());
  ShowAlphabetPanel(!alphabetPanel_->isHidden());
  RelabelHostedPages();
  filling_ = filling;
}

void TOptions::Open(int tag, const QString& word) {
  filling_ = true;
  setUpMode_ = !game_.GameRunning;
  tag_ = tag;
  FillLayoutList();
  FillLanguageLists();
  opened_ = LoadOptionsForm(game_, setUpMode_, templates_);
  FillThemes();
  ShowForm(opened_);
  LockForMode();
  LoadSongs();
  if (!soundDevice_) {
    findChild<QCheckBox*>(QStringLiteral("MusicSoundFX"))->setChecked(false);
    findChild<QCheckBox*>(QStringLiteral("MusicSoundFX"))->setEnabled(false);
    musicGroup_->setChecked(false);
    musicGroup_->setEnabled(false);
  }
  LoadHostedPages();
  ShowThemesPanel(false);
  ShowAlphabetPanel(false);
  const bool wordAction = tag == 22 || tag == 23;
  cancel_->setEnabled(!wordAction);
  pages_->setCurrentIndex(wordAction ? kUserDictionaryPage
                                     : std::clamp(tag, 0, pages_->count() - 1));
  filling_ = false;
  if (wordAction) StartHostedWordAction(tag, word);
}

bool TOptions::Run(int tag, const QString& word) {
  Open(tag, word);
  if (parentWidget() != nullptr) {
    adjustSize();
    move(parentWidget()->window()->geometry().center() - rect().center());
  }
  return exec() == QDialog::Accepted;
}

void TOptions::ShowForm(const OptionsForm& form) {
  for (const CheckControl& check : kChecks)
    findChild<QCheckBox*>(QLatin1String(check.name))->setChecked(form.*check.field);
  findChild<QCheckBox*>(QStringLiteral("PauseOnMinimazed"))->hide();

  findChild<QRadioButton*>(QLatin1String(kSizeRadios[static_cast<int>(form.dictionary.size)]))
      ->setChecked(true);
  for (int i = 0; i < themes_->count(); ++i) {
    QListWidgetItem* item = themes_->item(i);
    const char letter = static_cast<char>(item->data(Qt::UserRole).toInt());
    item->setCheckState(form.dictionary.excludedThemes.find(letter) == std::string::npos
                            ? Qt::Checked
                            : Qt::Unchecked);
  }
  findChild<QRadioButton*>(QLatin1String(kAddRuleRadios[std::min<int>(form.addCustomWord, 2)]))
      ->setChecked(true);
  groupBox1_->setEnabled(form.useCustomDictionary);

  ClearLimitRadios(LimitKind::None, LimitKind::Time60);
  // a move time alone leaves every radio button clear
  if (form.limits.kind != LimitKind::None || !form.limits.moveTime)
    limitRadios_[static_cast<std::size_t>(form.limits.kind)]->setChecked(true);
  userScore_->setText(form.limits.userScore);
  moveTime_->setChecked(form.limits.moveTime);
  moveTimeList_->setCurrentIndex(std::clamp(form.limits.moveEntry, 0, moveTimeList_->count() - 1));
  wordLength_->setChecked(form.wordLengthOn);
  wordLengthList_->setCurrentIndex(
      std::clamp(form.wordLengthEntry, 0, std::max(0, wordLengthList_->count() - 1)));

  musicGroup_->setChecked(form.playBackgroundMusic);
  soundVolume_->setValue(form.soundVolume);
  musicVolume_->setValue(form.musicVolume);

  const int chosen = TemplateIndex(templates_, form.templateFile);
  templateList_->setCurrentIndex(chosen);
  (form.layoutFromFile ? fromFile_ : random_)->setChecked(true);
  dimX_->setValue(form.dimX);
  dimY_->setValue(form.dimY);
  for (std::size_t i = 0; i < counts_.size(); ++i) counts_[i]->setValue(form.counts[i]);
  RefreshPreview();

  hintDelay_->setValue(form.hintDelay);
  hintCount_->setValue(form.hintSlider);

  skins_->setCurrentText(form.skin);
  if (skins_->currentText().compare(form.skin, Qt::CaseInsensitive) != 0) {
    for (int i = 0; i < skins_->count(); ++i)
      if (skins_->itemText(i).compare(form.skin, Qt::CaseInsensitive) == 0)
        skins_->setCurrentIndex(i);
  }
  background_->setText(form.backgroundPicture);
  background_->setToolTip(form.backgroundPicture);
}

OptionsForm TOptions::ReadForm() const {
  OptionsForm form = opened_;
  for (const CheckControl& check : kChecks)
    form.*check.field = findChild<QCheckBox*>(QLatin1String(check.name))->isChecked();

  for (int size = 0; size < 4; ++size)
    if (findChild<QRadioButton*>(QLatin1String(kSizeRadios[size]))->isChecked())
      form.dictionary.size = static_cast<DictionarySize>(size);
  form.dictionary.excludedThemes.clear();
  for (int i = 0; i < themes_->count(); ++i) {
    const QListWidgetItem* item = themes_->item(i);
    if (item->checkState() != Qt::Checked)
      form.dictionary.excludedThemes += static_cast<char>(item->data(Qt::UserRole).toInt());
  }
  for (int rule = 0; rule < 3; ++rule)
    if (findChild<QRadioButton*>(QLatin1String(kAddRuleRadios[rule]))->isChecked())
      form.addCustomWord = static_cast<std::uint8_t>(rule);

  form.limits.kind = LimitKind::None;
  bool anyLimit = false;
  for (std::size_t i = 0; i < limitRadios_.size(); ++i) {
    if (!limitRadios_[i]->isChecked()) continue;
    form.limits.kind = static_cast<LimitKind>(i);
    anyLimit = true;
  }
  if (!anyLimit) form.limits.kind = LimitKind::None;
  form.limits.userScore = userScore_->text();
  form.limits.moveTime = moveTime_->isChecked();
  form.limits.moveEntry = std::max(0, moveTimeList_->currentIndex());
  form.wordLengthOn = wordLength_->isChecked();
  form.wordLengthEntry = std::max(0, wordLengthList_->currentIndex());

  form.playBackgroundMusic = musicGroup_->isChecked();
  form.soundVolume = soundVolume_->value();
  form.musicVolume = musicVolume_->value();

  form.layoutFromFile = fromFile_->isChecked();
  const int chosen = templateList_->currentIndex();
  form.templateFile = chosen >= 0 && chosen < static_cast<int>(templates_.size())
                          ? templates_[static_cast<std::size_t>(chosen)].fileName
                          : QString();
  form.dimX = dimX_->value();
  form.dimY = dimY_->value();
  for (std::size_t i = 0; i < counts_.size(); ++i) form.counts[i] = counts_[i]->value();

  form.hintDelay = hintDelay_->value();
  form.hintSlider = hintCount_->value();

  form.skin = skins_->currentText();
  form.backgroundPicture = background_->text();

  form.interfaceLang = game_.Settings.InterfaceLang;
  form.dictionaryLang = game_.Settings.DictionaryLang;
  form.explanatoryLang = game_.Settings.ExplanatoryLang;
  return form;
}

void TOptions::LockForMode() {
  // opening steps 4 and 8: what belongs to the next game stays as it is during a game
  for (QRadioButton* radio : limitRadios_) radio->setEnabled(setUpMode_);
  userScore_->setEnabled(setUpMode_);
  moveTime_->setEnabled(setUpMode_);
  wordLength_->setEnabled(setUpMode_);
  UpdateLimitControls();
  hintCount_->setEnabled(setUpMode_);
  for (QLabel* label : hintLabels_) label->setEnabled(setUpMode_);
  pages_->widget(5)->setEnabled(setUpMode_);
  interfaceLang_->setEnabled(setUpMode_);
  dictionaryLang_->setEnabled(setUpMode_);
  explanatoryLang_->setEnabled(setUpMode_);
  // The alphabet can be looked at during a game too; the editor itself knows what may change.
  alphabetButton_->setEnabled(true);
}

bool TOptions::ConfirmOk() {
  if (userScore_->text() == u"0") userScore_->setText(QStringLiteral("O"));
  OptionsForm form = ReadForm();
  if (UserScoreRefused(form.limits)) {
    pages_->setCurrentIndex(kLimitsPage);
    QMessageBox box(QMessageBox::Warning, QString(),
                    game_.InterfaceText(u"OptionsMessageWrongScore"), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("OptionsMessageWrongScore"));
    box.exec();
    userScore_->setFocus();
    return false;
  }
  if (!WriteHostedPages()) return false;
  const int move = std::max(0, moveTimeList_->currentIndex());
  ApplyOptionsForm(game_, form, moveTimeList_->itemText(move));
  SaveSongs();
  return true;
}

void TOptions::accept() {
  if (!ConfirmOk()) return;
  QDialog::accept();
}

void TOptions::reject() {
  if (!cancel_->isEnabled()) return;
  QDialog::reject();
}

void TOptions::done(int result) {
  // step 10, whatever the result: back in the data directory, the lists released
  QDir::setCurrent(game_.Data.Root());
  songs_.clear();
  songList_->clear();
  QDialog::done(result);
}

bool TOptions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && !filling_) {
    if (watched == userScore_) {
      QRadioButton* own = limitRadios_[static_cast<std::size_t>(LimitKind::ScoreUser)];
      if (!own->isChecked()) {
        own->setChecked(true);
        LimitRadioChosen(own);
      }
    } else if (std::ranges::find(counts_, watched) != counts_.end()) {
      RandomLayoutTouched();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TOptions::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      accept();
      return;
    case Qt::Key_Escape:
      reject();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

// ---- The hosted pages -------------------------------------------------------------------------
// TUserDictionaryPage fills the page TabSheetUserDictionary and TAlphabetEditor the panel Panel4.

void TOptions::LoadHostedPages() {
  userDictionary_->Load();
  alphabet_->Load(game_.GameRunning);
}

void TOptions::StartHostedWordAction(int tag, const QString& word) {
  userDictionary_->StartWordAction(tag, word);
}

bool TOptions::WriteHostedPages() {
  return alphabet_->Write();
}

void TOptions::RelabelHostedPages() {
  alphabet_->Relabel();
}

}  // namespace quorim
