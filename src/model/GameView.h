#pragma once
// What the game asks of the screen. The game logic shows, asks, waits and sounds only through this
// interface: the main window implements it with widgets, the headless view records every call.

#include "media/Colors.h"
#include "model/ControlNames.h"
#include "model/ControlTable.h"
#include "model/SelectionFrames.h"
#include "model/Tiles.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace quorim {

// A screen position for a message or question window; 0, 0 centres it on the main window.
struct ScreenPoint {
  int left = 0;
  int top = 0;
};

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
};

// A text that rises and fades over the board: a big line and an optional small one.
struct FloatingText {
  ScreenPoint at;  // 0, 0: centred on the main window
  QString big;
  int bigColor = colors::White;
  QString small{};
  int smallColor = colors::White;
};

// A score shown on the board by the score preview.
struct PreviewLabel {
  ScreenPoint at;
  QString text;
  int textColor = 0;
  int backColor = 0;
};

// The two entry fields of the options window's user dictionary page.
enum class UserListField { Added, Excluded };

// The main window's timers: the 50 ms system tick, the 500 ms status flashing, and the game clock
// and move clock of one second each.
enum class GameTimer { System, Flash, Elapsed, Move };

enum class MusicCue { Start, Stop, NextIfFinished };

// What the game-over window shows: the winner (0 for none) and the text under his picture.
struct GameOverText {
  int winner = 0;
  QString text;
};

// Where the windows of a game stand, for a saved game: the screen's size, the main window (none
// while it is maximised), the play form and the participant panels in panel order.
inline constexpr int kPinnedPanel = 666;  // a panel's help context while it is locked
struct PanelPlace {
  ScreenPoint at;
  bool folded = false;
  int helpContext = 0;  // kPinnedPanel or 0
};
struct WindowPlaces {
  int screenWidth = 0;
  int screenHeight = 0;
  std::optional<ScreenPoint> mainWindow;
  std::optional<ScreenPoint> playForm;
  std::vector<PanelPlace> panels;
};

enum class SaveWindowMode { Save, Load };

class GameView {
 public:
  virtual ~GameView() = default;

  // Waits the given time while the screen stays alive; returns early when the game ends or a
  // running hint is cancelled.
  virtual void Pause(int milliseconds) = 0;
  // The game has ended or a running hint is being cancelled: every Pause and wait in progress
  // returns now. Called by the game whenever it sets either.
  virtual void InterruptWaits() = 0;
  // Waits while a tile flies on the screen (at once when none does); returns early like Pause.
  // The flight whose FlyTile call lies lower on the stack cannot return before this wait does, so
  // the wait ends when the tile lands, not when FlyTile returns.
  virtual void WaitForTileFlight() = 0;
  // Lets the screen handle what is pending, without waiting; long computations call it often.
  virtual void KeepScreenAlive() = 0;
  // Waits until the person clicks or presses a key; returns early like Pause.
  virtual void WaitForClickOrKey() = 0;
  // A sample of the sound set by name ("change1", "error", …).
  virtual void PlaySoundEffect(const QString& sample) = 0;
  virtual void ShowInGameMessage(const QString& text, ScreenPoint at) = 0;
  // Yes gives true.
  virtual bool AskInGameQuestion(const QString& text, ScreenPoint at) = 0;
  // The system's own Yes / No dialog, for questions asked before the game's windows exist.
  virtual bool AskConfirmation(const QString& text) = 0;
  // A plain message box of the window in front (the options window's refusals).
  virtual void ShowMessageBox(const QString& text) = 0;
  // Opens the options window on its user dictionary page with the word in the given entry field.
  virtual void OpenUserDictionaryOptions(UserListField field, const QString& word) = 0;
  // The new game window, modal; false when it was cancelled.
  virtual bool ShowNewGameWindow() = 0;
  virtual void ShowGameOverWindow(const GameOverText& result) = 0;
  // The hall of fame window, modal, with the given entry highlighted (0: none).
  virtual void ShowHallOfFame(int highlightedEntry) = 0;
  // Whether the message window is open at this moment (a time-out leaves such a move alone).
  virtual bool MessageWindowOpen() const = 0;
  // The star, message, options and save windows, whichever is open, close with the answer No.
  virtual void CloseModalWindows() = 0;

  // The save and load window, modal, listing the slots of participant 1's save number: the slot
  // chosen, or nothing when it was cancelled. In save mode the chosen slot is saved into through
  // saveInto before the window plays its saving animation.
  virtual std::optional<int> ShowSaveGameWindow(SaveWindowMode mode,
                                                const std::function<void(int)>& saveInto) = 0;

  // The main window.
  virtual bool Minimized() const = 0;
  virtual void Minimize() = 0;
  // Closing it asks the exit question through the game's exit request.
  virtual void CloseMainWindow() = 0;
  virtual void SetTimerRunning(GameTimer timer, bool running) = 0;
  virtual void BackgroundMusic(MusicCue cue) = 0;
  // The participant panels and the play form of a new game are built and shown; at the game's
  // end they are released and the title screen is laid out again.
  virtual void BuildGameScreen() = 0;
  virtual void ReleaseGameScreen() = 0;
  // The panel of the participant on turn is unfolded and brought to the front; with arrange the
  // previous one (0: none) is folded.
  virtual void ShowPanelOnTurn(int previous, int current, bool arrange) = 0;
  virtual WindowPlaces CurrentWindowPlaces() const = 0;
  // Each place given is taken; a pinned panel gets its pin button pressed.
  virtual void RestoreWindowPlaces(const WindowPlaces& places) = 0;
  // Every tile lying on the board is hidden or shown again.
  virtual void SetBoardTilesVisible(const std::vector<int>& tiles, bool visible) = 0;

  // The board and tiles are drawn from the game's records.
  virtual void DrawPlayField() = 0;     // every cell of the board and of the choice field
  virtual void PlaceTiles() = 0;        // every tile of the table, at its spot
  virtual void ShowTile(int tile) = 0;  // one tile's face, marks or spot has changed
  // A tile flies from one spot to another, where it then lies; returns when it has landed.
  virtual void FlyTile(int tile, const TileSpot& from, const TileSpot& to) = 0;
  // The explosion animation over the given tiles at once.
  virtual void ShowExplosion(const std::vector<int>& tiles) = 0;
  // Removes every selection frame from the board; the cells' marks are the game's.
  virtual void ClearSelectionFrames() = 0;
  // A participant's score display counts from one score to the other; passing the game's score
  // limit (0: none) on the way makes it blink.
  virtual void CountScore(int player, int from, int to, int scoreLimit) = 0;
  // Where the board picture lies in the main window's client area; cells, frames and labels are
  // placed from it.
  virtual ScreenRect BoardPicture() const = 0;
  // A point of the main window's client area on the screen, where windows beside a cell stand.
  virtual ScreenPoint ClientToScreen(ScreenPoint point) const = 0;
  // The star window beside board cell (x, y): the letter chosen, or nothing when cancelled.
  virtual std::optional<char> AskStarLetter(ScreenPoint at, int x, int y) = 0;
  virtual void ShowFloatingMessage(const FloatingText& text) = 0;
  // The tiles blink the given number of times; returns when they are shown steadily again.
  virtual void BlinkTiles(const std::vector<int>& tiles, int times, int milliseconds) = 0;
  // A frame around a committed word, in the skin's colour of its direction.
  virtual void AddSelectionFrame(const TSelectionFrame& frame) = 0;
  // The two scanning markers of a hint move to the ends of a row (across) or a column (down).
  virtual void MoveScanMarkers(std::uint8_t direction, int line) = 0;
  // The labels are shown, blink the given number of changes and are hidden again.
  virtual void ShowPreviewLabels(const std::vector<PreviewLabel>& labels, int changes,
                                 int milliseconds) = 0;

  // Controls by their names (model/ControlNames.h). The game keeps what it sets in one table and
  // reads it back from there; the view is told of every change and shows it.
  void SetControlEnabled(const QString& name, bool enabled);
  void SetControlVisible(const QString& name, bool visible);
  void SetControlCaption(const QString& name, const QString& caption);
  void SetControlHint(const QString& name, const QString& hint);
  void SetControlCursor(const QString& name, ControlCursor cursor);
  void SetControlColor(const QString& name, int color);  // 0x00BBGGRR, -1 none
  void SetControlPicture(const QString& name, const QString& picture);
  // A menu item's check mark.
  void SetControlChecked(const QString& name, bool checked);
  // A control's animated picture runs, or stops on its first frame.
  void SetControlAnimated(const QString& name, bool running);
  // The status line tells status texts (tag 666) from the others.
  void SetControlTag(const QString& name, int tag);
  const ControlState& Control(const QString& name) const { return controls_.State(name); }
  const ControlTable& Controls() const { return controls_; }

  // A colour of the skin's colour table (0x00BBGGRR), or the fallback when the table lacks it.
  virtual int SkinColor(const QString& key, int fallback) const = 0;
  int SkinColor(SkinColorUse use) const {
    return SkinColor(QString::fromUtf16(use.key), use.fallback);
  }

 protected:
  // One aspect of a control's state was set (also to the value it had): the view shows it.
  virtual void ShowControl(const QString& name, ControlAspect aspect,
                           const ControlState& state) = 0;

 private:
  template <typename Value>
  void Set(const QString& name, ControlAspect aspect, Value ControlState::*field, Value value) {
    ControlState& state = controls_.Edit(name);
    state.*field = std::move(value);
    ShowControl(name, aspect, state);
  }

  ControlTable controls_;
};

}  // namespace quorim
