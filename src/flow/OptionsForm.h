#pragma once
// The rules of the options window that are not about widgets: what its controls show when it opens
// (OptionsForm, filled from the settings), how the hint slider, the limits text and the word-length
// list map to the settings, the lists of languages, skins and layouts, the dictionary language
// switched while it is open, and OK's validation and storing. The window only copies controls to
// and from an OptionsForm.

#include "dictionary/Themes.h"
#include "model/Game.h"
#include "model/Layouts.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorim {

// TrackBar2: positions 0..4 stand for 3, 5, 7, 10 and 11 (unlimited) hints.
int HintSliderPosition(int hintCount);
int HintCountOfSlider(int position);

// The radio buttons of the limits page, in the order LastLimits is searched for them.
enum class LimitKind {
  None,
  Score100,
  Score500,
  Score300,
  ScoreUser,
  Time10,
  Time20,
  Time30,
  Time45,
  Time60
};

struct LimitsChoice {
  LimitKind kind = LimitKind::None;
  QString userScore;      // Edit3, as typed (upper case)
  bool moveTime = false;  // LimitsMoveTime
  int moveEntry = 0;      // entry of LimitsComboboxListMoveTime
};

// Opening step 7.
LimitsChoice ParseLastLimits(const std::string& limits);
// OK step 8: moveEntryText is the chosen move-time entry, whose first two characters are stored.
std::string ComposeLastLimits(const LimitsChoice& choice, const QString& moveEntryText);
// OK step 1: "0" becomes "O" so that it is no number; a user score is refused when it is chosen and
// its trimmed text is not a whole number above 0.
QString GuardUserScore(const QString& text);
bool UserScoreRefused(const LimitsChoice& choice);

// LimitsComboboxListLetter: entry e means words longer than e + 2 letters; -1 = no limit.
int WordLengthEntry(int lastWordLengthLimit);
int WordLengthLimit(bool ticked, int entry);

// A language folder offered by a language list: its three-letter code and its name.
struct LanguageEntry {
  QString code;
  QString name;
};
// Every folder of gameFolder ("lang", "dict", "dict\rus\expl") whose language the locale tables
// resolve, named in the interface language; folders whose names are not three characters are left
// out too.
std::vector<LanguageEntry> LanguageEntries(const Game& game, const QString& gameFolder);
// The entry of the code (case ignored), or -1.
int LanguageIndex(const std::vector<LanguageEntry>& entries, const QString& code);

// ComboBox3: every folder of GRAFIX but "players", in name order.
QStringList SkinNames(const DataDir& data);

// The size in a layout list entry "name (WxH)": the numbers after the last "(" and after the "x"
// that follows it; nothing when the entry has none.
std::optional<std::pair<int, int>> LayoutEntrySize(const QString& displayText);
// The entry of the file (case ignored), or -1.
int TemplateIndex(const std::vector<TemplateListEntry>& list, const QString& fileName);

// What the layout preview draws: the kinds of a template file, or a random layout of the counts.
// Cells of kind 0 and characters outside 1..6 show the background.
struct LayoutPreview {
  int dimX = 0;
  int dimY = 0;
  std::vector<std::uint8_t> kinds;  // row by row; empty when the template cannot be read
};
LayoutPreview TemplatePreview(const DataDir& data, const QString& fileName);
// The same draw as a new game's random layout, from a generator of its own so that the game's
// random sequence is not touched; the counts are capped as the game caps them.
LayoutPreview RandomLayoutPreview(int dimX, int dimY, const std::array<int, 5>& counts,
                                  unsigned seed);

// The size and theme marks of one dictionary language.
struct DictionaryChoice {
  DictionarySize size = DictionarySize::Maximum;
  std::string excludedThemes;  // letters of the unticked themes
};
DictionaryChoice StoredDictionaryChoice(const Game& game, const QString& lang);

// Every control of the window as a value.
struct OptionsForm {
  bool setUpMode = true;  // the window's hint is "FinishGame": no game runs

  // TabSheetCommon
  bool minimizeOnEsc = false, showPCWords = false, showAdvancedHallFame = true;
  bool crossWordMode = true, flashStarMarkers = false, exchangeStars = false;
  bool selectWordMode = false, allowWordRepeat = false, keepBonuses = false;
  bool lettersAutoSelect = false, autoSpreadPlayers = true;
  bool pauseOnMinimized = true;

  // TabSheetDictionary
  DictionaryChoice dictionary;
  bool useCustomDictionary = true;
  std::uint8_t addCustomWord = kAddWordAsk;
  bool askToExcludeWord = true, undoPCMove = true, askToAddExplanation = true;

  // TabSheetLimits
  LimitsChoice limits;
  bool wordLengthOn = false;
  int wordLengthEntry = 0;

  // TabSheetMusic
  bool playSounds = false, playBackgroundMusic = false, playShuffle = false;
  int soundVolume = 0, musicVolume = 0;

  // TabSheetLayout
  bool layoutFromFile = true;
  QString templateFile;  // the chosen entry's file; empty: none chosen
  int dimX = 15, dimY = 15;
  bool square = true;
  std::array<int, 5> counts{24, 16, 8, 8, 1};  // Green, Blue, Yellow, Red, Black

  // TabSheetHint
  int hintDelay = 200;
  int hintSlider = 1;
  bool hintWaitKey = true;

  // TabSheetSkin
  QString skin;
  QString backgroundPicture;
  bool animActiveAvatarOnly = true, animHighlightActivePlayer = true, showColorLetters = false;
  bool showShadows = true, alwaysShowDictionaryPanel = false, fullScreen = false;

  // TabSheetLanguages
  QString interfaceLang, dictionaryLang, explanatoryLang;
};

// Opening steps 1, 2, 5 (the chosen layout), 6 and 7. templates is the layout list the window
// shows.
OptionsForm LoadOptionsForm(const Game& game, bool setUpMode,
                            const std::vector<TemplateListEntry>& templates);

// ComboBox4 while the window is open: the size and theme marks of the language left are kept in
// DictionaryLimits, the new language's theme letters, titles, alphabet and word list are loaded,
// and the form takes the new language's marks. The explanatory language stays when the new
// dictionary has it, else its first one, else none. Gives the error of an alphabet that could not
// be loaded.
std::optional<DataFileError> SwitchDictionaryLanguage(Game& game, OptionsForm& form,
                                                      const QString& lang);

enum class OptionsVerdict { Applied, WrongScore };

// OK steps 1, 2 and 4 to 8. moveEntryText: the chosen move-time entry. Nothing changes when the
// user score is refused.
OptionsVerdict ApplyOptionsForm(Game& game, OptionsForm& form, const QString& moveEntryText);

// What changed that the main window must follow after OK (its steps after closing).
struct OptionsChanges {
  bool skinChanged = false;
  bool fullScreenChanged = false;
  bool shadowsOff = false;  // shadows were on and are off now
};
OptionsChanges CompareOptions(const Settings& before, const Settings& after);

}  // namespace quorim
