#pragma once
// The main window: the menu, the start menu between games, the timers, and the view the engine
// shows its game on. Its start-up loads the whole program and its closing is the program's exit.
// Companion files: MainMenus.cpp (the menu), MainView.cpp (what the engine asks of the screen),
// MainEffects.cpp (blinking, the explosion, counting scores, the preview figures, the markers),
// MainContextMenu.cpp (the context menu of a word on the board),
// MainExplanations.cpp (the explanation window and the explanation panel above the board).

#include "media/LanguageChoice.h"
#include "media/MusicPlayer.h"
#include "media/SkinFonts.h"
#include "media/SoundEffects.h"
#include "media/SoundLibrary.h"
#include "model/Game.h"
#include "ui/ControlRegistry.h"
#include "ui/Skin.h"
#include "ui/TilePictures.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QEventLoop;
class QMenu;

namespace quorim {

class TErrorWindow;
class TAbout;
class TExplanationPanel;
class TExplanationWindow;
class TAnnouncement;
class TBonusInfo;
class THelpViewer;
class TPlayForm;
class TShadowWindow;
class TLens;
class TStarWindow;
class TSaveGameWindow;
class TSplashWindow;
class THallFame;
class TImageScreen;
class TNewGameWindow;
class TOptions;
class TFloatingMessages;
class TBoard;
class TTileCarrier;

class TSplashScreen;
struct FlashFace;
struct TContextItem;

class TMainScreen : public QMainWindow, public GameView {
 public:
  explicit TMainScreen(DataDir data);
  ~TMainScreen() override;

  // The start-up proper, reporting to the splash screen. False when the program cannot start (no
  // language, an unreadable alphabet); the reason has been shown.
  bool StartUp(TSplashScreen& splash);

  Game& GameState() { return game_; }
  TErrorWindow& MessageWindow() { return *messageWindow_; }
  TNewGameWindow& NewGameWindow() { return *newGameWindow_; }
  TImageScreen& AvatarChooser() { return *imageScreen_; }
  // The options window, made when it is first opened; nullptr before.
  TOptions* OptionsWindow() const { return options_.get(); }

  // MenuGameConfig, F9, InGameButtongConfig (tag 0), the new game window's option buttons (pages
  // 1, 3, 5, 8) and the word actions (22, 23): the options window, modal, and afterwards what
  // the main window follows of the new options. True for OK.
  bool OpenOptions(int tag, const QString& word = {});

  // The start menu, laid out for the client area's size and for whether the last game can be
  // continued.
  void ShowStartMenu();

  // MainExplanations.cpp
  // The meanings of a word in the explanation window; an open one closes first.
  void ShowExplanation(const QString& word);
  TExplanationWindow& ExplanationWindow() { return *explanationWindow_; }
  // The explanation panel above the board is built, or removed when it is shown.
  void InGameLabelExplanationPanelClick();
  TExplanationPanel* ExplanationPanel() const { return explPanel_.get(); }

  // GameView
  void Pause(int milliseconds) override;
  void InterruptWaits() override;
  void WaitForTileFlight() override;
  void KeepScreenAlive() override;
  void WaitForClickOrKey() override;
  void PlaySoundEffect(const QString& sample) override;
  void ShowInGameMessage(const QString& text, ScreenPoint at) override;
  bool AskInGameQuestion(const QString& text, ScreenPoint at) override;
  bool AskConfirmation(const QString& text) override;
  void ShowMessageBox(const QString& text) override;
  void OpenUserDictionaryOptions(UserListField field, const QString& word) override;
  bool ShowNewGameWindow() override;
  void ShowGameOverWindow(const GameOverText& result) override;
  void ShowHallOfFame(int highlightedEntry) override;
  bool MessageWindowOpen() const override;
  void CloseModalWindows() override;
  std::optional<int> ShowSaveGameWindow(SaveWindowMode mode,
                                        const std::function<void(int)>& saveInto) override;
  bool Minimized() const override;
  void Minimize() override;
  void CloseMainWindow() override;
  void SetTimerRunning(GameTimer timer, bool running) override;
  void BackgroundMusic(MusicCue cue) override;
  void BuildGameScreen() override;
  void ReleaseGameScreen() override;
  void ShowPanelOnTurn(int previous, int current, bool arrange) override;
  WindowPlaces CurrentWindowPlaces() const override;
  void RestoreWindowPlaces(const WindowPlaces& places) override;
  void SetBoardTilesVisible(const std::vector<int>& tiles, bool visible) override;
  void DrawPlayField() override;
  void PlaceTiles() override;
  void ShowTile(int tile) override;
  void FlyTile(int tile, const TileSpot& from, const TileSpot& to) override;
  void ShowExplosion(const std::vector<int>& tiles) override;
  void ClearSelectionFrames() override;
  void CountScore(int player, int from, int to, int scoreLimit) override;
  ScreenRect BoardPicture() const override;
  ScreenPoint ClientToScreen(ScreenPoint point) const override;
  std::optional<char> AskStarLetter(ScreenPoint at, int x, int y) override;
  void ShowFloatingMessage(const FloatingText& text) override;
  void BlinkTiles(const std::vector<int>& tiles, int times, int milliseconds) override;
  void AddSelectionFrame(const TSelectionFrame& frame) override;
  void MoveScanMarkers(std::uint8_t direction, int line) override;
  void ShowPreviewLabels(const std::vector<PreviewLabel>& labels, int changes,
                         int milliseconds) override;
  int SkinColor(const QString& key, int fallback) const override;

 protected:
  void ShowControl(const QString& name, ControlAspect aspect, const ControlState& state) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // MainMenus.cpp
  void BuildMenus();
  void BuildLoadMenu();
  QAction* AddItem(QMenu& menu, const QString& name, const QKeySequence& shortcut,
                   const std::function<void()>& command);
  void OpenHelpPage(const QString& page);
  // Opens the lens at the cursor, or closes it.
  void SwitchLens();
  // The lens's caption in the interface language, with room for it at the menu bar's end.
  void ShowLensCaption();
  void ShutLens();

  void ShowAbout();
  // The sound of a window that plays while it is open (game over, hall of fame).
  void SoundWhileOpen(const QString& sample, bool on);

  // MainBoard.cpp
  void BuildBoard();
  // A normal window's client area takes the board's size (the panels may grow it later).
  void FitWindowToBoard();
  // The board at the corner of a normal window, centred in a maximised one.
  void PlaceBoard();
  QWidget* RackOf(int player) const;
  ScreenRect BoardOnScreen() const;
  void PlacePiece(int tile, const TileSpot& spot);
  // The hand window follows whether a tile is in the hand, and the cursor.
  void UpdateHand();
  void FollowHand();
  // No-drop places: cells that refuse tiles, the choice field, other participants' panels.
  bool DropRefusedAt(QPoint global, bool* overStar) const;
  void DropHandTile(QPoint global);
  // Clicks on tiles and drops; true when the event was the board's.
  bool BoardMouseEvent(QObject* watched, QEvent* event);

  // MainContextMenu.cpp: the menu of the words through cell (x, y) of the clicked tile, opened at
  // the click, and what its items do.
  void RightMBClick(int tile, int x, int y, QPoint global);
  void contextitemClick(const TContextItem& item, int tile);

  // MainFrames.cpp: selection frames drawn over words, and the hover texts of the board's cells
  class FrameShapes;
  FrameShapes& Frames();
  bool FramesEvent(QObject* watched, QEvent* event);

  // MainPanels.cpp
  void BuildInGameControls();
  void ShowInGamePictures();
  void PlacePanels();
  // The move buttons stand on the control panel during a game and hidden in the main window
  // between games (panel nullptr).
  void MoveInGameControlsOnto(QWidget* panel);
  void ReleasePanels();
  void ToggleInfoPanel();
  void InfoPanelTick();
  void CloseInfoPanel();

  // MainExplanations.cpp
  void BuildExplanationControls();
  // The panel's switch on the control panel, under the end button.
  void PlaceExplanationSwitch();
  // The board stands this much lower while the explanation panel is above it.
  int ExplanationPanelHeight() const;
  void CloseExplanations();

  // MainEffects.cpp
  void BuildEffects();
  void FlashTick();
  void ApplyFlashFace(const FlashFace& face);
  // The status line centred in the board's top margin while it has a text not blinked off.

  void BuildStartMenu();
  // The start menu's picture and its shadow go while the about window stands over them.
  void ShowMenuPicture(bool shown);
  void BuildTimers();
  // A minimised program hides its other windows and shows them again when it is restored.
  void HideAuxiliaryWindows();
  void ApplyFonts();
  void UpdateWindowTitle();
  void BuildNewGameWindow();
  // MainOptions.cpp: the options window's live previews and the steps after it closes.
  void BuildOptionsWindow();
  // The menu item, F9 and the control panel's button: refused while the screen is busy.
  void OptionsCommand();
  void AfterOptions(const Settings& before, bool confirmed);
  void ApplyWindowMode();
  // The picture behind the playfield: the file, or the skin's "background" for none.
  void ShowBackgroundPicture(const QString& path);
  // Another player's settings came in through the new game window: his interface language.
  void ApplyPlayerSettings();
  // The start-up's fatal messages, in a real message box, before the program ends.
  void ShowFatalMessages(const QStringList& messages);

  Game game_;
  std::unique_ptr<Skin> skin_;
  ControlRegistry registry_{*skin_};
  std::unique_ptr<PrivateFonts> fonts_;
  std::unique_ptr<SoundLibrary> sound_;
  std::unique_ptr<SoundEffects> effects_;
  std::unique_ptr<MusicPlayer> music_;
  LanguageChoice languages_;

  std::unique_ptr<TShadowWindow> shadow_;
  std::unique_ptr<TErrorWindow> messageWindow_;
  std::unique_ptr<TBonusInfo> bonusInfo_;
  std::unique_ptr<THelpViewer> helpViewer_;
  std::unique_ptr<TLens> lens_;
  std::unique_ptr<TStarWindow> starWindow_;
  std::unique_ptr<TSaveGameWindow> saveWindow_;
  std::unique_ptr<TSplashWindow> gameOverWindow_;
  std::unique_ptr<THallFame> hallFame_;
  std::unique_ptr<TImageScreen> imageScreen_;
  std::unique_ptr<TNewGameWindow> newGameWindow_;
  std::unique_ptr<TOptions> options_;
  QString interfaceLangShown_;  // the language whose texts the windows show
  std::unique_ptr<TFloatingMessages> floatingMessages_;
  std::unique_ptr<TExplanationWindow> explanationWindow_;
  std::unique_ptr<TExplanationPanel> explPanel_;
  TBoard* board_ = nullptr;
  TilePictures tilePictures_;
  std::unique_ptr<TTileCarrier> hand_;
  std::unique_ptr<TTileCarrier> flight_;
  QTimer moveLetterTimer_;
  QTimer starNote_;  // the note over a star that a drop would take back
  std::optional<QPoint> handPickedAt_;
  bool handDragged_ = false;
  QTimer lensDelay_;               // Ctrl held this long opens the lens
  FrameShapes* frames_ = nullptr;  // a child of the window, made when first needed
  std::vector<QPointer<QWidget>> hiddenWhileMinimized_;

  QWidget* client_ = nullptr;
  QLabel* menuBgr_ = nullptr;
  std::array<QLabel*, 4> menuButtons_{};  // MenuButton1, 2, 3, 6
  std::array<QLabel*, 4> menuCaptions_{};
  QLabel* lastPlayer_ = nullptr;
  QMenu* loadMenu_ = nullptr;
  QMenu* contextHelpMenu_ = nullptr;  // ContextHelpMenu, made at the first right click on a word

  std::vector<std::unique_ptr<TPlayForm>> panels_;  // participant 1 first
  std::unique_ptr<TPlayForm> controlPanel_;
  std::vector<QLabel*> inGameControls_;
  std::vector<QLabel*> comments_;  // Comment1 … Comment4
  std::unique_ptr<QWidget> infoPanel_;
  QTimer infoTimer_;
  int infoTicks_ = 0;
  int infoHeight_ = 0;

  TAnnouncement* announcement_ = nullptr;  // FlashAnnounce
  std::array<QLabel*, 2> markers_{};
  std::vector<QLabel*> previewLabels_;  // Prevalue1 … Prevalue15
  int flashTick_ = 0;

  std::array<QTimer, 4> timers_;  // by GameTimer
  std::vector<QEventLoop*> waits_;
  QEventLoop* waitingForInput_ = nullptr;
  bool closing_ = false;
};

}  // namespace quorim
