#pragma once
// What the game asks of the screen. The game logic shows, asks, waits and sounds only through this
// interface: the main window implements it with widgets, the headless view records every call.

#include "model/SelectionFrames.h"
#include "model/Tiles.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quorim {

enum class ControlCursor { Default, Hand, NoEntry, Hourglass };

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
  int bigColor = 0xFFFFFF;  // 0x00BBGGRR
  QString small{};
  int smallColor = 0xFFFFFF;
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

class GameView {
 public:
  virtual ~GameView() = default;

  // Waits the given time while the screen stays alive; returns early when the game ends or a
  // running hint is cancelled.
  virtual void Pause(int milliseconds) = 0;
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
  // Where the board picture lies on the screen; windows beside a cell are placed from it.
  virtual ScreenRect BoardPicture() const = 0;
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

  // Controls by their names ("MenuGameSave", "InGameButtongGo", "Pl3Label", …).
  virtual void SetControlEnabled(const QString& name, bool enabled) = 0;
  virtual void SetControlVisible(const QString& name, bool visible) = 0;
  virtual void SetControlCaption(const QString& name, const QString& caption) = 0;
  virtual void SetControlHint(const QString& name, const QString& hint) = 0;
  virtual void SetControlCursor(const QString& name, ControlCursor cursor) = 0;
  virtual void SetControlColor(const QString& name, int color) = 0;  // 0x00BBGGRR
  virtual void SetControlPicture(const QString& name, const QString& picture) = 0;
};

}  // namespace quorim
