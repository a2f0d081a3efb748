#pragma once
// The state of the one game of the process and of its surroundings: data directory, interface
// texts, alphabet, settings, playfield, bag, tiles, racks, participants, the turn controller's
// flags and the move record. Operations take it by reference; it holds the view it is shown on.

#include "media/DataDir.h"
#include "media/InterfaceStrings.h"
#include "media/Locales.h"
#include "model/Alphabet.h"
#include "model/Candidates.h"
#include "model/ExplanationIndex.h"
#include "model/GameView.h"
#include "model/HallOfFame.h"
#include "model/MoveRecord.h"
#include "model/PlayField.h"
#include "model/Players.h"
#include "model/Racks.h"
#include "model/Random.h"
#include "model/SelectionFrames.h"
#include "model/Settings.h"
#include "model/Tiles.h"
#include "model/WordLists.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quorim {

enum class TTurnPhase { MovePhase, DrawPhase, HintPhase };

// A rack slot's tile when the move began, and whether it has left the rack since.
struct TRackSnapshotEntry {
  std::int16_t TileIndex = -1;
  bool Used = false;
};

class Game {
 public:
  Game(GameView& view, DataDir data);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  GameView& View() const { return *view_; }
  int Random(int n) { return random_.Random(n); }
  void Seed(std::uint32_t seed) { random_.Seed(seed); }

  // Participants 1..N; entry 0 of Players, Racks and PlayedWords holds none.
  int PlayerCount() const { return static_cast<int>(Players.size()) - 1; }
  bool IsPlayer(int player) const { return player >= 1 && player <= PlayerCount(); }
  // Resizes the tables for 2..8 participants, keeping the records that stay.
  void SetPlayerCount(int count);

  // A replayed saved game is laid without animation, sound or waiting.
  bool ShowsEffects() const { return !LoadingGame; }
  // Plays a sample of the sound set when sounds are on.
  void PlaySound(const QString& sample);
  QString InterfaceText(QStringView key) const { return Strings.InterfaceText(key); }
  QString FixedText(FixedTextKey key) const { return Strings.FixedText(key); }
  // The code pages of the 8-bit texts: settings and names in the interface language's, game
  // letters in the dictionary language's (the base page for a language without one).
  int InterfaceCodePage() const;
  int DictionaryCodePage() const;
  int LanguageCodePage(const QString& language) const;
  // The limits name a game time: "Time-…".
  bool GameClockOn() const;
  // The limits name a time per move: "… Move-…".
  bool MoveClockOn() const { return Limits.find(" Move-") != std::string::npos; }
  // The minutes of a move, the digit five characters after "Move"; 0 without a move time.
  int MoveMinutes() const;
  // The limits name a score: "Score-…".
  bool HasScoreLimit() const;
  // The score that ends the game: the four characters after "Score-", trimmed; 0 when they are
  // no number or there is no score limit.
  int ScoreLimit() const;
  // After an accepted move: a participant who reached the score limit ends the game.
  void CheckScoreLimit();
  // The frames drawn over words go from the screen and the record, the board's selection map is
  // cleared.
  void ClearSelections();
  // The tile hanging on the mouse, or -1.
  int HandTile() const;

  // No game is running, or the running one has to end now.
  bool GameOver() const { return gameOver_; }
  // A running hint is to stop.
  bool HintCancel() const { return hintCancel_; }
  // Setting either ends every wait in progress on the screen, so that the step that waited sees it.
  void SetGameOver(bool over);
  void SetHintCancel(bool cancel);

  DataDir Data;
  LocaleTable Locales;
  InterfaceStrings Strings;
  quorim::Alphabet Alphabet;
  quorim::Settings Settings;
  quorim::WordLists WordLists;
  DictionaryThemes Themes;
  ExplanationFiles Explanations;  // indexed on their first lookup
  HallOfFame HallFame;            // read at start-up, updated after a game

  TPlayField PlayField;
  TTileTable TileTable;
  std::int16_t BagCount = 0;
  std::vector<TRack> Racks;
  std::vector<TPlayer> Players;
  std::vector<std::vector<TPlayedWord>> PlayedWords;  // at most 200 per participant
  int CurrentPlayer = 1;
  bool FirstMove = true;

  // The move being checked: its accepted words (at most kMaxMoveWords), the places of its stars
  // and the frames drawn over its words. HintList holds every placement the game's hints showed,
  // in the order shown, with its rough score.
  std::vector<TPlayedWord> MoveWords;
  struct CellPlace {
    int x;
    int y;
  };
  std::vector<CellPlace> StarPlaces;
  std::vector<TSelectionFrame> SelectionFrames;
  std::vector<TPlayedWord> HintList;
  std::vector<int> MoveNewTiles;  // the tiles the latest move committed
  bool PreviewMode = false;       // the score preview: nothing changes, nothing is shown but scores

  // The turn controller.
  TTurnPhase TurnPhase = TTurnPhase::DrawPhase;
  std::uint8_t CurrentKind = kHuman;
  bool DemoRunning = false;
  bool LoadingGame = false;
  bool HintUsedThisMove = false;
  bool MoveAccepted = false;
  bool ComputerMoveRunning = false;
  bool AnimationBusy = false;
  bool GameRunning = false;           // from the set-up until the game has been ended
  int CommandsRunning = 0;            // commands on the stack, waiting while the screen stays alive
  bool MoveClockTickRunning = false;  // a move clock tick is on the stack
  int HighlightedPlayer = 0;          // whose panel shows the turn; 0: none yet
  int MoveClockPlayer = 0;            // whose move the move clock times
  bool GameOverShown = false;         // the game-over window was shown for this game
  bool PauseOnMinimazed = true;       // the options window's check box; not a stored setting
  std::array<bool, 4> TimersRunning{};  // by GameTimer
  std::array<std::uint8_t, kMaxPlayers + 1> DemoSavedKinds{};
  bool ContinuePending = false;  // the next load command takes the last game, without a window
  // The clock text of the save loaded last, so that loading it again keeps the running clocks;
  // emptied by every new game.
  QString LoadedClockText;

  // The computer opponent: its strength (1 low, 2 normal, 3 high) for every computer of the
  // game, the placements its latest search found in the order found, the same sorted best first,
  // what its latest move changed, and the words it may use at each intellect.
  std::uint8_t Intellect = 2;
  int OpponentPass = 1;
  bool OpponentExchanged = false;
  std::vector<TCandidate> FoundCandidates;
  std::vector<TCandidate> Candidates;
  TComputerUndo ComputerUndo;
  std::array<TComputerVocabulary, 3> ComputerVocabularies;
  std::array<TRackSnapshotEntry, kRackSlots + 1> RackSnapshot{};  // slots 1..7
  MoveRecord MoveLog;

  // Limits, clocks and hints of the running game.
  std::string Limits;  // at most 20 characters
  std::uint16_t ClockMinutes = 0;
  std::uint16_t ClockSeconds = 0;
  std::uint8_t HintsLeft = 5;
  std::uint8_t HintLimit = 5;

 private:
  bool gameOver_ = true;
  bool hintCancel_ = false;
  GameView* view_;
  RandomSource random_;
};

}  // namespace quorim
