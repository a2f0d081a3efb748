#pragma once
// The options window ("Options"): every option of the settings on nine pages, the music list
// editor, the layout preview, and the hosts of the user word lists page and the alphabet editor.
// Its rules live in flow/OptionsForm; the window copies its controls to and from an OptionsForm.
// Companion files: OptnsPages.cpp (the pages' controls), OptnsMusic.cpp (the music page and its
// list editor), OptnsLayout.cpp (the layout page and MapPreview).

#include "flow/OptionsForm.h"
#include "media/SongList.h"
#include "model/Game.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;

namespace quorim {

class MusicPlayer;
class Skin;
class TAlphabetEditor;
class TUserDictionaryPage;

// MapPreview: each cell a 2 x 2 square on a 3-pixel pitch over silver.
class TMapPreview : public QWidget {
 public:
  explicit TMapPreview(QWidget* parent);
  void Show(LayoutPreview preview);
  const LayoutPreview& Shown() const { return preview_; }
  QSize sizeHint() const override { return {3 * 30 + 4, 3 * 30 + 4}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LayoutPreview preview_;
};

class TOptions : public QDialog {
 public:
  // What the window asks of the main window while it is open (the live previews).
  struct Hooks {
    // ComboBox1: the interface language applied to every window at once (LoadGlobalTextStrings
    // stage 0); the options window relabels itself afterwards.
    std::function<void(const QString& lang)> interfaceLanguageChanged;
    // ComboBox4: the dictionary language changed; the start menu's caption follows.
    std::function<void()> dictionaryLanguageChanged;
    // SkinButtonGetBgrImage: the main window's background shown with that picture.
    std::function<void(const QString& path)> backgroundChosen;
    // TrackBar3 moved by the user: the effects level set and "error" played.
    std::function<void(int level)> effectsVolumeMoved;
    // TrackBar4: the music volume follows at once.
    std::function<void(int level)> musicVolumeMoved;
  };

  // music may be nullptr (no sound library): the song list is then edited on the file alone.
  TOptions(Game& game, const Skin& skin, MusicPlayer* music, bool soundDevice, Hooks hooks,
           QWidget* parent = nullptr);
  ~TOptions() override;

  // Opening steps 1 to 11 and the modal wait. tag: the page 0..8, or 22 / 23 for adding or
  // excluding the word on the user word lists page (Cancel disabled). The mode follows whether a
  // game runs. True for OK.
  bool Run(int tag, const QString& word = {});
  // Opening steps without the wait, for Run and the tests.
  void Open(int tag, const QString& word = {});

  // "FinishGame" in set-up mode (no game runs), empty in in-game mode.
  QString Hint() const { return setUpMode_ ? QStringLiteral("FinishGame") : QString(); }
  bool SetUpMode() const { return setUpMode_; }
  int Tag() const { return tag_; }

  // The texts of the "Options" section in the current interface language, on every control.
  void Relabel();

  // The hosts of the pages built elsewhere: the user word lists page and the alphabet editor panel
  // (Panel4), each with an empty QVBoxLayout.
  QWidget& UserDictionaryHost() const { return *userDictionaryPage_; }
  QWidget& AlphabetHost() const { return *alphabetPanel_; }

  // The song list as the editor holds it (PathList and ShuffleList run parallel to it).
  const std::vector<TSong>& EditedSongs() const { return songs_; }

  void accept() override;
  void reject() override;
  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Entering the score box or a cell-count box chooses what it belongs to.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // OptnsPages.cpp
  void BuildCommonPage();
  void BuildDictionaryPage();
  void BuildLimitsPage();
  void BuildHintPage();
  void BuildSkinPage();
  void BuildLanguagesPage();
  void FillThemes();
  void ShowThemesPanel(bool shown);
  // The alphabet editor takes the place of the language lists, and the button leads back.
  void ShowAlphabetPanel(bool shown);
  void LimitRadioChosen(QRadioButton* button);
  // Unchecks the radio buttons of the kinds first..last, or every one.
  void ClearLimitRadios(LimitKind first, LimitKind last);
  void UpdateLimitControls();
  void FillLanguageLists();
  void InterfaceLanguageChosen(int index);
  void DictionaryLanguageChosen(int index);
  void ExplanatoryLanguageChosen(int index);
  void ChooseBackground();

  // OptnsMusic.cpp
  void BuildMusicPage();
  void LoadSongs();
  void ShowSongs();
  void ShowFolder(const QString& folder);
  void AddFiles(bool all);
  void RemoveSongs(bool all);
  void UpdateMusicControls();
  bool SaveSongs();
  // The folder of DirectoryEdit as a song's folder: relative to the data directory inside it.
  QString SongFolder() const;

  // OptnsLayout.cpp
  void BuildLayoutPage();
  void FillLayoutList();
  void TemplateChosen(int index);
  void RandomLayoutTouched();
  void DimensionChanged(QSpinBox* changed, QSpinBox* other);
  void RefreshPreview();

  // Optns.cpp
  void BuildWindow();
  void ApplyLook();
  void ShowForm(const OptionsForm& form);
  OptionsForm ReadForm() const;
  void LockForMode();
  bool ConfirmOk();
  template <typename Widget>
  Widget* Named(Widget* widget, const char* name);

  // The one place where the hosted pages are joined (Optns.cpp, at its end).
  void LoadHostedPages();
  void StartHostedWordAction(int tag, const QString& word);
  bool WriteHostedPages();
  void RelabelHostedPages();

  Game& game_;
  const Skin& skin_;
  MusicPlayer* music_;
  bool soundDevice_;
  Hooks hooks_;
  bool setUpMode_ = true;
  int tag_ = 0;
  OptionsForm opened_;  // the form as the window opened, for what the controls do not hold
  std::vector<TemplateListEntry> templates_;
  std::vector<LanguageEntry> interfaces_, dictionaries_, explanations_;
  bool filling_ = false;  // controls set by the window, not by the user

  QTabWidget* pages_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;

  // TabSheetDictionary
  QWidget* panel2_ = nullptr;  // the themes
  QWidget* sizePanel_ = nullptr;
  QListWidget* themes_ = nullptr;
  QPushButton* themesButton_ = nullptr;
  QGroupBox* groupBox1_ = nullptr;
  QCheckBox* useUserDictionary_ = nullptr;

  // TabSheetUserDictionary and Panel4: built by their own units
  QWidget* userDictionaryPage_ = nullptr;
  QWidget* alphabetPanel_ = nullptr;
  TUserDictionaryPage* userDictionary_ = nullptr;
  TAlphabetEditor* alphabet_ = nullptr;

  // TabSheetLimits
  std::vector<QRadioButton*> limitRadios_;  // by LimitKind
  QButtonGroup* limitGroup_ = nullptr;      // one choice across the page's groups
  QLineEdit* userScore_ = nullptr;          // Edit3
  QCheckBox* moveTime_ = nullptr;
  QComboBox* moveTimeList_ = nullptr;
  QCheckBox* wordLength_ = nullptr;
  QComboBox* wordLengthList_ = nullptr;

  // TabSheetMusic
  QGroupBox* musicGroup_ = nullptr;
  QLineEdit* directory_ = nullptr;
  QListWidget* files_ = nullptr;
  QListWidget* songList_ = nullptr;
  std::vector<TSong> songs_;  // the folders and marks beside MusicListboxSelectedSongs
  QSlider* soundVolume_ = nullptr;
  QSlider* musicVolume_ = nullptr;

  // TabSheetLayout
  QRadioButton* fromFile_ = nullptr;
  QRadioButton* random_ = nullptr;
  QComboBox* templateList_ = nullptr;
  TMapPreview* preview_ = nullptr;
  QSpinBox* dimX_ = nullptr;
  QSpinBox* dimY_ = nullptr;
  QCheckBox* square_ = nullptr;
  std::vector<QSpinBox*> counts_;  // green, blue, yellow, red, black

  // TabSheetHint
  QSlider* hintDelay_ = nullptr;
  QSlider* hintCount_ = nullptr;
  std::vector<QLabel*> hintLabels_;

  // TabSheetSkin
  QComboBox* skins_ = nullptr;
  QLabel* background_ = nullptr;  // TntLabel1

  // TabSheetLanguages
  QComboBox* interfaceLang_ = nullptr;
  QComboBox* dictionaryLang_ = nullptr;
  QComboBox* explanatoryLang_ = nullptr;
  QWidget* languageLists_ = nullptr;
  QPushButton* alphabetButton_ = nullptr;
};

}  // namespace quorim
