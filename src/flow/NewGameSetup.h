#pragma once
// The rules behind the new game window: how many take part and of which kind, how a name is typed,
// chosen from the known players or remembered among them with its save number, the difficulty
// cycle, and the summaries of the layout, dictionary, limits and language the window shows. The
// window keeps only which tab is open; everything it changes is in the game's settings.

#include "media/Avatars.h"
#include "model/Game.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace quorim {

// Save numbers: the default person's name shares 0, a remembered name gets 100 + its place.
inline constexpr int kKnownPlayerSaveBase = 100;

// Whether a name may hold the text: the move record and the settings files split their entries
// at "=", ",", "/", "(" and ")", so a name holds none of them.
bool NameTextAllowed(const QString& text);

// The text of the box as a participant record holds it: in capitals, at most 9 characters, in the
// interface language's code page.
std::string CapitalName(const Game& game, const QString& text);

// "КОМПЬЮТЕР", or the interface language's name of the computer in capitals.
bool IsComputerName(const Game& game, const QString& name);
// "ИГРОК", or the interface language's default person's name in capitals: save number 0.
bool IsDefaultPersonName(const Game& game, const QString& name);

// Two names of one player: they share his settings file, whatever their letter case.
bool SamePlayer(const Game& game, const std::string& one, const std::string& other);

// The known players the name box lists: up to the first nameless entry, at most 20.
std::vector<std::string> KnownPlayerNames(const Game& game);
// The place of the known player of exactly that name among them.
std::optional<int> KnownPlayerPosition(const Game& game, const std::string& name);

// The avatar if the chooser has a picture of that name, else the person's default "Im0".
std::string AvailableAvatar(const std::vector<Avatar>& avatars, const std::string& avatar);

// One more participant, a person named by "DefaultNamePlayer" with avatar "Im0"; false at 8.
bool AddParticipant(Game& game);
// The last participant leaves; false at 2.
bool RemoveParticipant(Game& game);

// The computer: "DefaultNamePC", avatar "pc0". Never participant 1.
void MakeComputer(Game& game, int player);
// A participant who is not a person becomes "DefaultNamePlayer" with avatar "Im0"; false when he
// already was one.
bool MakePerson(Game& game, int player);

// A name typed, or set that is no known player's: the participant takes it (cut to 9 characters),
// and unless it is the computer's name he is a person with avatar "Im0".
void TakeTypedName(Game& game, int player, const QString& text);
// The known player's record (name, avatar, kind, save number) becomes the participant's; an avatar
// the chooser lacks becomes "Im0" in both.
void TakeKnownPlayer(Game& game, int player, int position, const std::vector<Avatar>& avatars);

// Participant 1 becomes the known player: the settings of the player before (whose settings are in
// memory) are written first, then the known player's own settings file is read with his last
// set-up, options and languages, and the alphabet and word list of his dictionary language are
// loaded. Languages this installation lacks stay as they were; an alphabet that cannot be read is
// reported and the dictionary language before comes back. False when he has no settings file:
// only his record was taken.
bool SwitchFirstParticipant(Game& game, const std::string& playerBefore, int position,
                            const std::vector<Avatar>& avatars);

// What committing a name did.
struct CommittedName {
  std::string name;                // as stored: in capitals
  std::optional<int> knownPlayer;  // the known player's place when the name is one of them
  bool remembered = false;         // the name was new and joined the known players at that place
};
// On OK and before another tab opens: the name in capitals becomes the participant's. A known
// player's name brings his record with it. A new person's name joins the known players at the
// first free place among the 20 (save number 0 for the default person's name, else 100 + the
// place; the avatar shown; a person) and the participant takes that entry. The computer's name
// and a full list leave the list as it is; a computer participant keeps his name.
CommittedName CommitName(Game& game, int player, const QString& text,
                         const std::string& shownAvatar, const std::vector<Avatar>& avatars);

// The avatar chosen in the chooser becomes the participant's, and the known player's when one is
// selected in the box.
void ChooseAvatar(Game& game, int player, const std::string& avatar,
                  std::optional<int> knownPlayer);

// LastIntellect goes 1 → 2 → 3 → 1.
void CycleIntellect(Game& game);

// The summaries of the window. The layout's reads the template (its title and size in capitals,
// which become PlayFieldDimX and PlayFieldDimY); a template that cannot be read makes the layout
// random.
QString LayoutSummary(Game& game);
QString IntellectSummary(const Game& game);
QString DictionarySummary(const Game& game);
QString LimitsSummary(const Game& game);
QString LanguageSummary(const Game& game);

}  // namespace quorim
