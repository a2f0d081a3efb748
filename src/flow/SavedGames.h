#pragma once
// Saving a game into a slot of participant 1's save number, reading a saved game back without
// touching the running one, and replacing the running game by it through the replay of its move
// record.

#include "model/Game.h"
#include "persistence/SavedGameText.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace quorim {

// The automatic save of the game that ended or was left when the program closed.
inline constexpr int kLastGameSlot = 254;

// "save\save100.001" for slot 1 of save number 100, "save\savelast.0" for the last game of 0.
QString SavedGamePath(const Game& game, int slot);

// Saves into slot 1..3 or the last game; a save that fails says nothing and leaves an older save
// in the slot as it was.
void SaveGame(Game& game, int slot);
// The same into any file; false when it could not be written.
bool WriteSavedGame(Game& game, const QString& path);

// The text of a saved game's archive; nothing when the file is none.
std::optional<QStringList> UnpackSavedGame(const QString& path);

// A saved game read and checked; refusal says why a file cannot be loaded. Nothing of the
// running game changes.
std::optional<TSavedGame> ReadSavedGame(const Game& game, const QString& path, QString& refusal);

// The running game, if any, is released and the saved one is rebuilt by replaying its record:
// the participant on turn and the phase of his turn are those of the last move line. The load
// command arms the clocks and lets the turn go on afterwards.
void LoadGame(Game& game, const TSavedGame& saved);

// What the title screen and the save window show of a slot: the date and time it was saved,
// and its summary broken into lines.
struct TSlotSummary {
  QString savedAt;
  QString summary;
};
std::optional<TSlotSummary> SlotSummary(const Game& game, int slot);

// The slots of the save window: without a file, holding a saved game, or holding a file that is
// no saved game's archive (it shows nothing and cannot be loaded, but can be saved over).
inline constexpr int kSaveSlots = 3;
enum class TSlotState { Empty, Stored, Unreadable };
struct TSaveSlot {
  TSlotState state = TSlotState::Empty;
  QString savedAt;  // the date and time of a stored game
  QString tip;      // its summary, or the empty slot's note
};
std::array<TSaveSlot, kSaveSlots> SaveSlots(const Game& game);

// What the window does and whose slots it lists: "Сохранение игры • Ann".
QString SaveWindowTitle(const Game& game, SaveWindowMode mode);

}  // namespace quorim
