#pragma once
// The new game window ("NewGameWindow"): the participants of the next game, one tab each, with
// their names, kinds and avatars, and the summaries of the game's options. It works on the game's
// settings through the rules of flow/NewGameSetup; OK starts the game, close or Esc does not.

#include "ui/SkinnedDialog.h"

#include "model/Game.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QMovie;
class QRadioButton;
class QToolButton;

namespace quorim {

class Skin;
class TImageScreen;
class TShadowWindow;
class TShape;
class TClickLabel;

// "TabControl1": owner-drawn tabs in the style of buttons, four to a row, over the page that holds
// the participant's controls. A click asks whether the tab may change.
class TTabStrip : public QWidget {
 public:
  static constexpr int kPerRow = 4;
  static constexpr int kTabHeight = 18;
  static constexpr int kPageTop = 40;

  explicit TTabStrip(QWidget* parent);

  void SetTabs(const QStringList& captions);
  void SetCaption(int index, const QString& caption);
  void AddTab(const QString& caption);
  void RemoveLastTab();
  int Count() const { return static_cast<int>(captions_.size()); }
  QString Caption(int index) const { return captions_.value(index); }
  int Current() const { return current_; }
  void SetCurrent(int index);
  QRect TabRect(int index) const;
  void SetColours(const QColor& caption, const QColor& fill, const QColor& selected);

  // A tab was clicked: true lets it become the current one.
  std::function<bool(int)> tabClicked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QStringList captions_;
  int current_ = 0;
  QColor caption_ = Qt::white;
  QColor fill_;
  QColor selected_;
};

class TNewGameWindow : public TSkinnedDialog {
 public:
  // What the window asks of the main window.
  struct Hooks {
    // The start menu shows participant 1 and the dictionary language again.
    std::function<void()> startMenuChanged;
    // A name joined the known players: the "Load" submenu lists it.
    std::function<void()> knownPlayersChanged;
    // Another player's settings file was read: his interface language and backgrounds.
    std::function<void()> playerSettingsRead;
    // The options window at a page (1 dictionary, 3 limits, 5 layout, 8 languages) in the game
    // set-up mode. While there is none, the option buttons are shown disabled.
    std::function<void(int page)> openOptions;
  };

  TNewGameWindow(Game& game, const Skin& skin, TShadowWindow& shadow, TImageScreen& chooser,
                 Hooks hooks);

  // Modal, centred on the window given, with its shadow; true for OK.
  bool Run(const QWidget& over);

  // What a person sees and clicks, for the tests.
  TTabStrip& Tabs() const { return *tabs_; }
  QComboBox& NameBox() const { return *nameBox_; }
  // The avatar the picture shows.
  const QString& ShownAvatar() const { return shownAvatar_; }
  // Clicks a tab as the mouse would; false when the tab could not be left.
  bool ClickTab(int index);

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  QLabel* MakeLabel(const char* name, QRect place, QWidget* parent = nullptr);
  TClickLabel* MakePictureButton(const char* name, QPoint at, std::function<void()> action);
  void PressPictureButton(QLabel& button);
  void ApplyColours();

  // The activation steps: everything shown anew from the settings.
  void Activate(bool playSound);
  void ShowSummaries();
  void ShowSummary(QLabel& label, const QString& text);
  void ShowTab(int index);
  int Player() const { return tabs_->Current() + 1; }
  // The box's text changed: typed by a key, or chosen from the list (or set by the window).
  void NameChanged(bool typed);
  // True when participant 1's settings file was read and the window set up anew from it.
  bool ChooseKnownPlayer(int position);
  // Before a tab change and on OK: refused with an empty name.
  enum class Commit { Refused, Done, SetUpReplaced };
  Commit CommitName();
  void ShowAvatar(int player);
  void ClearPicture();
  void SetBoxText(const QString& text);
  void ChangeCount(int step);
  void MakeComputerClicked();
  void MakePersonClicked();
  void ChooseAvatar();
  void ConfirmOk();
  void OpenOptions(int page);

  Game& game_;
  TShadowWindow& shadow_;
  TImageScreen& chooser_;
  Hooks hooks_;
  // Whose settings are in memory: the player file written before another's is read.
  std::string settingsOwner_;
  QString shownAvatar_;
  QFont captionFont_;
  QFont valueFont_;

  std::vector<QLabel*> captionLabels_;  // designed yellow
  std::vector<QLabel*> valueLabels_;    // designed white
  std::vector<TShape*> dividers_;
  std::vector<QLabel*> pictureButtons_;  // the five with the skin's "edit_opt"
  std::vector<QLabel*> optionButtons_;   // the four that open the options window
  QLabel* layout_ = nullptr;             // RxLabel1
  QLabel* intellect_ = nullptr;          // RxLabel2
  QLabel* dictionary_ = nullptr;         // RxLabel3
  QLabel* limits_ = nullptr;             // RxLabel4
  QLabel* count_ = nullptr;              // RxLabel5
  QLabel* tabNumber_ = nullptr;          // RxLabel6
  QLabel* language_ = nullptr;           // RxLabel7
  QLabel* languageCaption_ = nullptr;    // LabelLanguage
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  TTabStrip* tabs_ = nullptr;
  QLabel* picture_ = nullptr;  // TagPlayerImage
  QComboBox* nameBox_ = nullptr;
  QRadioButton* person_ = nullptr;
  QRadioButton* computer_ = nullptr;
  QRadioButton* network_ = nullptr;
  QLabel* ok_ = nullptr;
  QLabel* close_ = nullptr;
  QPointer<QMovie> okMovie_;
  QPointer<QMovie> closeMovie_;
};

}  // namespace quorim
