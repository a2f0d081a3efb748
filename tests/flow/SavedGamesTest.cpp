// Saving and loading on the shipped Russian game: a game saved at any point comes back exactly as
// it was — board, racks, bag, scores, hints, clocks, frames, who is on turn and in which phase —
// and the load command lets the turn in progress go on.

#include "VirtOpp/ComputerMove.h"
#include "flow/Clocks.h"
#include "flow/DemoGame.h"
#include "flow/GameEnd.h"
#include "flow/HandCommands.h"
#include "flow/HintCommand.h"
#include "flow/SaveLoadCommands.h"
#include "flow/SavedGames.h"
#include "flow/TurnCommands.h"
#include "flow/TurnController.h"
#include "media/CodePages.h"
#include "model/Racks.h"

#include "ShippedGame.h"
#include "WatchingView.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <sstream>

namespace quorim {
namespace {

class SavedGames : public test::ShippedGame<test::WatchingView> {
 protected:
  SavedGames() {
    game_.Settings.PlaySounds = false;
    game_.Settings.LettersAutoSelect = true;
  }

  void Seat(int players, std::uint8_t firstKind, int intellect, std::uint32_t seed) {
    game_.SetPlayerCount(players);
    for (int player = 1; player <= players; ++player) {
      game_.Players[player] = {.Name = std::string("P").append(std::to_string(player)),
                               .Avatar = "pc0",
                               .Kind = player == 1 ? firstKind : std::uint8_t{kComputer}};
    }
    game_.Settings.LastIntellect = static_cast<std::uint8_t>(intellect);
    game_.Seed(seed);
  }

  QString File(const QString& name) const { return files_.filePath(name); }

  // Everything a load must bring back. Bag places are not compared: taking a recorded rack puts
  // the tiles of the old one on free places at random.
  std::string State() const {
    std::ostringstream state;
    const TPlayField& field = game_.PlayField;
    std::string bag;
    for (int y = 0; y <= field.DimY() + 1; ++y) {
      for (int x = 0; x <= field.DimX() + 1; ++x) {
        const TFieldCell& cell = field(x, y);
        if (field.IsPlayable(x, y) && cell.BagLetter != ' ') bag += cell.BagLetter;
        // cells as a new game leaves them are left out, so that a difference reads easily
        if (cell.Letter == ' ' && cell.PendingLetter == ' ' && cell.TileIndex < 0 &&
            cell.DropAllowed && field.SelectionMark(x, y) == 0)
          state << int(cell.Kind);
        else
          state << '[' << cell.Letter << cell.PendingLetter << int(cell.Kind) << ' '
                << cell.TileIndex << (cell.DropAllowed ? "" : " closed") << " mark "
                << int(field.SelectionMark(x, y)) << ']';
      }
      state << '\n';
    }
    std::sort(bag.begin(), bag.end());
    state << "bag " << bag << ' ' << game_.BagCount << '\n';
    for (int player = 1; player <= game_.PlayerCount(); ++player) {
      const TPlayer& p = game_.Players[player];
      state << "player " << player << ' ' << p.Name << ' ' << p.Score << ' ' << int(p.ExchangeRun)
            << ' ' << int(p.Kind) << " rack";
      for (int slot = 1; slot <= kRackSlots; ++slot) {
        const TRackSlot& s = game_.Racks[player][slot];
        state << ' ' << s.Letter << s.TileIndex;
        if (s.TileIndex >= 0) state << (game_.TileTable[s.TileIndex].Star ? "*" : "");
      }
      state << " words " << game_.PlayedWords[player].size() << '\n';
    }
    for (const TTile& tile : game_.TileTable) state << tile.Star << tile.StarTakenBack;
    state << "\nhints " << int(game_.HintsLeft) << '/' << int(game_.HintLimit) << ' '
          << game_.HintUsedThisMove;
    for (const TPlayedWord& hint : game_.HintList)
      state << ' ' << hint.Word << int(hint.Start) << ',' << int(hint.Line) << int(hint.Direction);
    state << "\nclock " << game_.ClockMinutes << ':' << game_.ClockSeconds << " limits "
          << game_.Limits << "\nturn " << game_.CurrentPlayer << " kind " << int(game_.CurrentKind)
          << " phase " << int(game_.TurnPhase) << " first " << game_.FirstMove << "\nframes";
    for (const TSelectionFrame& frame : game_.SelectionFrames)
      state << ' ' << int(frame.Direction) << ':' << frame.Line << ':' << frame.Start << '-'
            << frame.End;
    return state.str();
  }

  std::optional<TSavedGame> Read(const QString& path) {
    QString refusal;
    auto saved = ReadSavedGame(game_, path, refusal);
    EXPECT_TRUE(saved) << refusal.toStdString();
    return saved;
  }

  // Saves, loads the save into the running game, and expects the state it had.
  void ExpectReloadKeepsState(const QString& name) {
    const std::string before = State();
    ASSERT_TRUE(WriteSavedGame(game_, File(name)));
    const auto saved = Read(File(name));
    ASSERT_TRUE(saved);
    RestoreSavedGame(game_, *saved);
    EXPECT_EQ(State(), before);
    EXPECT_FALSE(game_.GameOver());
    EXPECT_TRUE(game_.GameRunning);
  }

  // The person's turn is played by the computer's routine, as a demonstration would.
  void PlayPersonTurnAsComputer() {
    game_.Players[1].Kind = kComputer;
    ComputerTurn(game_, 1);
    game_.Players[1].Kind = kHuman;
    if (game_.GameOver()) return;
    TakeLetters(game_, 1);
    NextTurn(game_, true);
  }

  QTemporaryDir files_;
};

TEST_F(SavedGames, ComputerGamesStoppedAtAnyTurnComeBackAsTheyWere) {
  for (const auto& [players, intellect, seed] :
       {std::tuple{3, 3, 5u}, std::tuple{8, 2, 6u}, std::tuple{2, 1, 7u}}) {
    for (int stopAt : {1, 4, 11, 23}) {
      SCOPED_TRACE(testing::Message() << players << " players, stopped at " << stopAt);
      Seat(players, kComputer, intellect, seed);
      int moves = 0;
      std::string atStop;
      // stopped as a participant is about to move, as the game is between two moves
      view_.onTurn = [&] {
        if (!MayDrawMore(game_, game_.CurrentPlayer) && ++moves == stopAt) game_.SetGameOver(true);
      };
      view_.onGameOver = [&] {
        ASSERT_TRUE(WriteSavedGame(game_, File(QStringLiteral("stop.sav"))));
        atStop = State();
      };
      RunNewGame(game_);
      view_.onTurn = view_.onGameOver = nullptr;
      const auto saved = Read(File(QStringLiteral("stop.sav")));
      ASSERT_TRUE(saved);
      RestoreSavedGame(game_, *saved);
      EXPECT_EQ(State(), atStop);
    }
  }
}

TEST_F(SavedGames, AGameSavedDuringTheDealGoesOnWithTheDeal) {
  Seat(4, kComputer, 2, 12);
  bool saved = false;
  // the program is closed as the turn reaches the third participant of the deal, before his
  // line begins
  view_.onTurn = [&] {
    if (saved || game_.Racks[game_.CurrentPlayer][1].TileIndex >= 0) return;
    int dealt = 0;
    for (int player = 1; player <= game_.PlayerCount(); ++player)
      dealt += EmptySlotCount(game_, player) == 0;
    if (dealt < 2) return;
    saved = WriteSavedGame(game_, File(QStringLiteral("deal.sav")));
    game_.SetGameOver(true);
  };
  RunNewGame(game_);
  view_.onTurn = nullptr;
  ASSERT_TRUE(saved);
  const int third = game_.CurrentPlayer;
  RestoreSavedGame(game_, *Read(File(QStringLiteral("deal.sav"))));
  EXPECT_EQ(game_.CurrentPlayer, third);
  EXPECT_EQ(game_.TurnPhase, TTurnPhase::DrawPhase);
  EXPECT_EQ(EmptySlotCount(game_, game_.CurrentPlayer), kRackSlots);
  game_.DemoRunning = true;  // nobody to wait for: the game goes on to its end
  ContinueLoadedTurn(game_);
  EXPECT_FALSE(game_.GameRunning);
  for (const std::string& line : game_.MoveLog.Lines())
    EXPECT_EQ(line.find("SLOT:"), line.rfind("SLOT:")) << "one rack per line: " << line;
  EXPECT_GT(game_.Players[1].Score + game_.Players[2].Score + game_.Players[3].Score, 0);
}

TEST_F(SavedGames, APersonsMoveInProgressComesBackWithItsLettersHintsAndFrames) {
  Seat(2, kHuman, 3, 3);
  game_.Settings.SelectWordMode = true;
  RunNewGame(game_);
  ASSERT_EQ(game_.CurrentPlayer, 1);
  ASSERT_EQ(game_.TurnPhase, TTurnPhase::MovePhase);
  HintCommand(game_);
  ASSERT_FALSE(game_.HintList.empty());
  ASSERT_TRUE(game_.HintUsedThisMove);

  // two letters laid on empty cells of the first row, not yet submitted, and a frame over them
  TPlayField& field = game_.PlayField;
  std::vector<int> free;
  for (int x = 1; x <= field.DimX(); ++x) {
    if (field(x, 1).Letter == ' ' && field(x, 1).TileIndex < 0) free.push_back(x);
  }
  ASSERT_GE(free.size(), 3u);
  const auto lay = [&](int slotNumber, int x) {
    ASSERT_TRUE(PickUpTile(game_, game_.Racks[1][slotNumber].TileIndex));
    ASSERT_EQ(DropOnCell(game_, x, 1), DropResult::Placed);
    field.SelectionMark(x, 1) = kMarkHorizontal;
  };
  lay(1, free[0]);
  lay(2, free[1]);
  game_.SelectionFrames.push_back({kHorizontal, 1, free[0], free[1], true});
  ExpectReloadKeepsState(QStringLiteral("move.sav"));
  // saved again after a letter moved on, the save lists the letters where they lie now
  TFieldCell& from = field(free[0], 1);
  TFieldCell& to = field(free[2], 1);
  std::swap(from.PendingLetter, to.PendingLetter);
  std::swap(from.TileIndex, to.TileIndex);
  game_.TileTable[to.TileIndex].Spot = TileSpot::Board(free[2], 1);
  ExpectReloadKeepsState(QStringLiteral("move2.sav"));
  const std::string& line = game_.MoveLog.Lines().back();
  EXPECT_EQ(line.find("PLAYGROUND:"), line.rfind("PLAYGROUND:")) << line;
}

TEST_F(SavedGames, AStarTakenBackInTheMoveStaysTraded) {
  // seeds are tried until a committed star lies on the board while the person holds its letter
  for (std::uint32_t seed = 1; seed < 60; ++seed) {
    Seat(2, kHuman, 3, seed);
    game_.Settings.ExchangeStars = true;
    RunNewGame(game_);
    for (int turn = 0; turn < 25 && !game_.GameOver(); ++turn) {
      const TPlayField& field = game_.PlayField;
      for (int y = 1; y <= field.DimY(); ++y) {
        for (int x = 1; x <= field.DimX(); ++x) {
          const int boardTile = field(x, y).TileIndex;
          if (boardTile < 0 || !game_.TileTable[boardTile].Star) continue;
          for (int slot = 1; slot <= kRackSlots; ++slot) {
            TRackSlot& rackSlot = game_.Racks[1][slot];
            if (rackSlot.TileIndex < 0 || rackSlot.Letter != field(x, y).Letter) continue;
            ASSERT_TRUE(TakeBackStar(game_, rackSlot.TileIndex, x, y));
            rackSlot.Letter = game_.Alphabet.StarCode();
            ASSERT_TRUE(game_.MoveLog.LastLineContains("TAKESTAR:"));
            ExpectReloadKeepsState(QStringLiteral("star.sav"));
            EXPECT_TRUE(game_.TileTable[rackSlot.TileIndex].Star);
            EXPECT_FALSE(game_.TileTable[boardTile].Star);
            return;
          }
        }
      }
      PlayPersonTurnAsComputer();
    }
  }
  FAIL() << "no game put a star where the person could take it back";
}

TEST_F(SavedGames, LettersTakenByHandComeBackInTheDrawingAndTheDrawingIsRecordedWhenComplete) {
  Seat(2, kHuman, 2, 4);
  game_.Settings.LettersAutoSelect = false;
  RunNewGame(game_);
  ASSERT_EQ(game_.TurnPhase, TTurnPhase::DrawPhase);
  const int player = game_.CurrentPlayer;
  ASSERT_EQ(player, 1);
  const auto clickBagTiles = [this](int count) {
    const TPlayField& field = game_.PlayField;
    for (int y = 1; y <= field.DimY() && count > 0; ++y) {
      for (int x = 1; x <= field.DimX() && count > 0; ++x) {
        if (field(x, y).BagLetter == ' ' || field(x, y).BagLetter == game_.Alphabet.StarCode())
          continue;
        BagTileClicked(game_, x, y);
        --count;
      }
    }
  };
  clickBagTiles(3);
  ASSERT_EQ(EmptySlotCount(game_, player), 4);
  ExpectReloadKeepsState(QStringLiteral("drawing.sav"));
  EXPECT_EQ(game_.TurnPhase, TTurnPhase::DrawPhase);

  ContinueLoadedTurn(game_);
  EXPECT_TRUE(view_.Control(names::ChoicePanel).visible);
  clickBagTiles(4);
  EXPECT_EQ(EmptySlotCount(game_, player), 0);
  // the drawing is written once, whole, in the person's own line
  const auto& lines = game_.MoveLog.Lines();
  const auto own = std::find_if(lines.begin() + 2, lines.end(),
                                [](const std::string& line) { return line.starts_with("(1)"); });
  ASSERT_NE(own, lines.end());
  EXPECT_EQ(std::count(own->begin(), own->end(), '/'), 7) << *own;
  EXPECT_EQ(own->find("-1"), std::string::npos) << *own;
}

TEST_F(SavedGames, ClocksComeBackAndReloadingTheSameSaveGivesNoTimeBack) {
  for (const char* limits : {"Time-10 ", " Move-3"}) {
    SCOPED_TRACE(limits);
    Seat(2, kHuman, 2, 8);
    game_.Settings.LastLimits = limits;
    RunNewGame(game_);
    ASSERT_EQ(game_.CurrentPlayer, 1);
    const bool moveClock = game_.MoveClockOn();
    const auto tick = [&](int n) {
      for (int i = 0; i < n; ++i) moveClock ? MoveClockTick(game_) : GameClockTick(game_);
    };
    tick(75);
    const auto clock = std::pair(game_.ClockMinutes, game_.ClockSeconds);
    ExpectReloadKeepsState(QStringLiteral("clock.sav"));
    ContinueLoadedTurn(game_);
    EXPECT_EQ(TimerRunning(game_, GameTimer::Move), moveClock);
    EXPECT_EQ(TimerRunning(game_, GameTimer::Elapsed), !moveClock);
    tick(30);
    const auto later = std::pair(game_.ClockMinutes, game_.ClockSeconds);
    ASSERT_NE(later, clock);
    const auto again = Read(File(QStringLiteral("clock.sav")));
    RestoreSavedGame(game_, *again);
    EXPECT_EQ(std::pair(game_.ClockMinutes, game_.ClockSeconds), later);
    // a new game forgets which save was loaded: its own saves restore their clocks again
    RunNewGame(game_);
    RestoreSavedGame(game_, *again);
    EXPECT_EQ(std::pair(game_.ClockMinutes, game_.ClockSeconds), clock);
  }
}

TEST_F(SavedGames, AfterLoadingTheMoveClockShowsThePlayersColourOrRedInItsLastSeconds) {
  Seat(2, kHuman, 2, 8);
  game_.Settings.LastLimits = " Move-1";
  RunNewGame(game_);
  ASSERT_EQ(game_.CurrentPlayer, 1);
  const QString label = QStringLiteral("Dp1Label");
  for (int ticks : {30, 15}) {
    for (int i = 0; i < ticks; ++i) MoveClockTick(game_);
    ASSERT_TRUE(WriteSavedGame(game_, File(QStringLiteral("m.sav"))));
    RestoreSavedGame(game_, *Read(File(QStringLiteral("m.sav"))));
    ContinueLoadedTurn(game_);
    EXPECT_EQ(view_.Control(label).color, ticks == 30 ? 65280 : 255) << game_.ClockSeconds;
  }
}

TEST_F(SavedGames, TheLoadedComputerOnTurnMovesAtOnceInHisOwnLineAndTheTurnReachesThePerson) {
  Seat(3, kHuman, 3, 9);
  RunNewGame(game_);
  // saved as the turn passes from the person to the first computer, before his line begins
  bool saved = false;
  view_.onTurn = [&] {
    if (game_.CurrentPlayer != 2 || saved) return;
    saved = WriteSavedGame(game_, File(QStringLiteral("pc.sav")));
    game_.SetGameOver(true);
  };
  PlayPersonTurnAsComputer();
  view_.onTurn = nullptr;
  ASSERT_TRUE(saved);

  RestoreSavedGame(game_, *Read(File(QStringLiteral("pc.sav"))));
  EXPECT_EQ(game_.CurrentPlayer, 2);
  EXPECT_EQ(game_.TurnPhase, TTurnPhase::MovePhase);
  ContinueLoadedTurn(game_);
  ASSERT_TRUE(game_.GameRunning);
  EXPECT_EQ(game_.CurrentPlayer, 1);
  EXPECT_EQ(game_.TurnPhase, TTurnPhase::MovePhase);
  // both computers moved and drew, each in his own line, and the person's line has begun
  const auto& lines = game_.MoveLog.Lines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_TRUE(lines[lines.size() - 4].starts_with("(1)")) << lines[lines.size() - 4];
  for (std::size_t back : {3u, 2u}) {
    const std::string& line = lines[lines.size() - back];
    EXPECT_TRUE(line.starts_with("(" + std::to_string(5 - back) + ")")) << line;
    EXPECT_EQ(line.find("SLOT:"), line.rfind("SLOT:")) << line;
    EXPECT_NE(line.find("SLOT:"), std::string::npos) << line;
  }
  EXPECT_EQ(lines.back(), "(1)P1=");
  EXPECT_TRUE(view_.Control(names::MenuGameSave).enabled);
  EXPECT_EQ(view_.Control(names::InGameButtongSaveGame).cursor, ControlCursor::Hand);
}

TEST_F(SavedGames, AComputerStoppedBeforeTakingLettersTakesThemAfterTheLoad) {
  // the score limit ends the game right after the move, before the letters are taken
  Seat(2, kHuman, 3, 10);
  game_.Settings.LastLimits = "Score-5 ";
  RunNewGame(game_);
  if (!game_.GameOver()) PlayPersonTurnAsComputer();
  ASSERT_FALSE(game_.GameRunning);
  const int mover = game_.CurrentPlayer;
  ASSERT_GT(EmptySlotCount(game_, mover), 0);

  ContinueCommand(game_);
  EXPECT_EQ(EmptySlotCount(game_, mover), 0);
  EXPECT_NE(game_.CurrentPlayer, mover);
  const auto& lines = game_.MoveLog.Lines();
  const std::string own = "(" + std::to_string(mover) + ")";
  const auto last = std::find_if(lines.rbegin(), lines.rend(),
                                 [&own](const std::string& line) { return line.starts_with(own); });
  ASSERT_NE(last, lines.rend());
  EXPECT_NE(last->find("WORDS:"), std::string::npos) << *last;
  EXPECT_NE(last->find("SLOT:"), std::string::npos) << *last;
}

TEST_F(SavedGames, ThePersonOnTurnAfterTheLoadHearsThatItIsHisMove) {
  Seat(2, kHuman, 2, 8);
  RunNewGame(game_);
  ASSERT_EQ(game_.CurrentPlayer, 1);
  ASSERT_TRUE(WriteSavedGame(game_, File(QStringLiteral("p.sav"))));
  game_.Settings.PlaySounds = true;
  view_.SetRecording(true);
  RestoreSavedGame(game_, *Read(File(QStringLiteral("p.sav"))));
  EXPECT_TRUE(view_.FirstArgs(ViewCallName::PlaySoundEffect).isEmpty()) << "the replay is silent";
  ContinueLoadedTurn(game_);
  const QStringList sounds = view_.FirstArgs(ViewCallName::PlaySoundEffect);
  ASSERT_EQ(sounds.size(), 1);
  EXPECT_TRUE(sounds[0].startsWith(u"Yourmov")) << sounds[0].toStdString();
}

TEST_F(SavedGames, WindowPlacesComeBackOnlyInTheScreenModeTheyWereSavedIn) {
  Seat(2, kHuman, 2, 8);
  RunNewGame(game_);
  const PanelPlace pinned{{1500, 40}, false, 666};
  const PanelPlace folded{{1500, 400}, true, 0};
  view_.SetWindowPlaces(
      {1920, 1080, ScreenPoint{100, 60}, ScreenPoint{1700, 300}, {pinned, folded}});
  ASSERT_TRUE(WriteSavedGame(game_, File(QStringLiteral("w.sav"))));
  const auto lines = UnpackSavedGame(File(QStringLiteral("w.sav")));
  ASSERT_TRUE(lines);
  EXPECT_TRUE(lines->contains(QStringLiteral("MainFormXY=18201020")));
  EXPECT_TRUE(lines->contains(QStringLiteral("PlayerForms=4201040/0/666,4200680/1/0,")));

  view_.SetWindowPlaces({1920, 1080, std::nullopt, ScreenPoint{0, 0}, {}});
  view_.SetRecording(true);
  RestoreSavedGame(game_, *Read(File(QStringLiteral("w.sav"))));
  const auto restored = view_.CallsNamed(ViewCallName::RestoreWindowPlaces);
  ASSERT_EQ(restored.size(), 1u);
  EXPECT_EQ(restored[0].args, (QStringList{"100,60", "1700,300", "2"}));
  const WindowPlaces now = view_.CurrentWindowPlaces();
  ASSERT_EQ(now.panels.size(), 2u);
  EXPECT_EQ(now.panels[0].helpContext, 666);
  EXPECT_TRUE(now.panels[1].folded);

  // saved maximised, the main window keeps its place; loaded in full screen, nothing moves
  view_.SetWindowPlaces({1920, 1080, std::nullopt, ScreenPoint{0, 0}, {}});
  ASSERT_TRUE(WriteSavedGame(game_, File(QStringLiteral("max.sav"))));
  EXPECT_FALSE(
      UnpackSavedGame(File(QStringLiteral("max.sav")))->join(u'\n').contains(u"MainFormXY"));
  view_.ClearCalls();
  game_.Settings.FullScreen = true;
  RestoreSavedGame(game_, *Read(File(QStringLiteral("w.sav"))));
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::RestoreWindowPlaces).empty());
}

TEST_F(SavedGames, TheLoadSubmenuListsAKnownPlayersSlotsAndCancellingKeepsParticipantOne) {
  Seat(2, kHuman, 2, 8);
  game_.Settings.Members = {{.Name = "Anna", .SaveNumber = 100},
                            {.Name = "Ivan", .SaveNumber = 101}};
  RunNewGame(game_);
  const TPlayer first = game_.Players[1];
  view_.ChooseSaveSlot(std::nullopt);
  LoadCommand(game_, 1);
  EXPECT_EQ(game_.Players[1].Name, first.Name);
  EXPECT_EQ(game_.Players[1].SaveNumber, first.SaveNumber);

  // Ivan's first slot holds a game of his: loading it makes him participant 1
  game_.Players[1].Name = "Ivan";
  game_.Players[1].SaveNumber = 101;
  ASSERT_TRUE(QDir().mkpath(QFileInfo(SavedGamePath(game_, 1)).absolutePath()));
  SaveGame(game_, 1);
  game_.Players[1] = first;
  view_.ChooseSaveSlot(1);
  LoadCommand(game_, 1);
  EXPECT_EQ(game_.Players[1].Name, "Ivan");
  EXPECT_EQ(game_.Players[1].SaveNumber, 101);
  EXPECT_FALSE(game_.GameOver());
}

TEST_F(SavedGames, NeitherSaveNorLoadRunsWhileAHintShowsItsLetters) {
  Seat(2, kHuman, 3, 3);
  RunNewGame(game_);
  view_.ChooseSaveSlot(1);
  int tries = 0;
  view_.DuringWaits([&](int) {
    if (tries++ > 0) return;
    SaveCommand(game_);
    LoadCommand(game_);
  });
  HintCommand(game_);
  EXPECT_GT(tries, 0);
  EXPECT_FALSE(QFileInfo::exists(SavedGamePath(game_, 1)));
  EXPECT_FALSE(game_.HintList.empty());
}

TEST_F(SavedGames, SlotsBelongToParticipantOnesSaveNumber) {
  game_.Players[1].SaveNumber = 0;
  EXPECT_TRUE(SavedGamePath(game_, kLastGameSlot).endsWith(u"/save/savelast.0"));
  EXPECT_TRUE(SavedGamePath(game_, 1).endsWith(u"/save/save0.001"));
  game_.Players[1].SaveNumber = 107;
  EXPECT_TRUE(SavedGamePath(game_, 2).endsWith(u"/save/save107.002"));
}

TEST_F(SavedGames, TheSaveCommandWritesTheChosenSlotWithItsSummary) {
  Seat(3, kHuman, 2, 8);
  RunNewGame(game_);
  view_.SetControlCaption(names::Comment1, QStringLiteral("Интеллект: средний"));
  view_.ChooseSaveSlot(2);
  SaveCommand(game_);
  const auto slot = SlotSummary(game_, 2);
  ASSERT_TRUE(slot);
  EXPECT_TRUE(slot->summary.startsWith(QStringLiteral("3 игрока. Счет: ")))
      << slot->summary.toStdString();
  EXPECT_TRUE(slot->summary.contains(QStringLiteral("\nПоле:15x15, классическое\nИнтеллект")))
      << slot->summary.toStdString();
  EXPECT_FALSE(slot->savedAt.trimmed().isEmpty());
  EXPECT_FALSE(SlotSummary(game_, 1));
  EXPECT_FALSE(QFileInfo::exists(SavedGamePath(game_, 2) + QStringLiteral(".new")));
}

TEST_F(SavedGames, TheEndOfAGameSavesTheLastGameAndTheTitleOffersToContinueIt) {
  Seat(2, kHuman, 2, 8);
  DemoCommand(game_);
  EXPECT_FALSE(QFileInfo::exists(SavedGamePath(game_, kLastGameSlot))) << "a demonstration";
  RunNewGame(game_);
  EXPECT_FALSE(view_.Control(names::ScreenButtonTitleContinue).visible);
  game_.SetGameOver(true);
  EndGame(game_);
  ASSERT_TRUE(QFileInfo::exists(SavedGamePath(game_, kLastGameSlot)));
  EXPECT_TRUE(view_.Control(names::ScreenButtonTitleContinue).visible);
  EXPECT_TRUE(view_.Control(names::MenuButton6).visible);
  EXPECT_TRUE(view_.Control(names::ScreenButtonTitleContinue)
                  .hint.startsWith(QStringLiteral("2 игрока. Счет: ")));
}

TEST_F(SavedGames, AClosingDuringAComputersMoveSavesTheGameWithoutThatMove) {
  Seat(2, kHuman, 2, 8);
  RunNewGame(game_);
  game_.ComputerMoveRunning = true;
  game_.MoveLog.Append("(2)P2=WORDS:");
  view_.AnswerQuestions({true});
  ASSERT_TRUE(ExitRequest(game_));
  game_.ComputerMoveRunning = false;
  QString refusal;
  const auto saved = ReadSavedGame(game_, SavedGamePath(game_, kLastGameSlot), refusal);
  ASSERT_TRUE(saved) << refusal.toStdString();
  EXPECT_EQ(saved->moveLines.back().rfind("(1)", 0), 0u) << saved->moveLines.back();
}

TEST_F(SavedGames, ARefusedLoadLeavesTheRunningGameAsItWas) {
  Seat(2, kHuman, 2, 8);
  RunNewGame(game_);
  const std::string before = State();
  const auto lines = game_.MoveLog.Lines();
  QFile broken(SavedGamePath(game_, 1));
  QDir().mkpath(QFileInfo(broken).absolutePath());
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("7z not really an archive");
  broken.close();
  view_.SetRecording(true);
  view_.ChooseSaveSlot(1);
  LoadCommand(game_);
  EXPECT_EQ(State(), before);
  EXPECT_EQ(game_.MoveLog.Lines(), lines);
  EXPECT_FALSE(game_.GameOver());
  EXPECT_EQ(view_.FirstArgs(ViewCallName::ShowInGameMessage).value(0),
            game_.InterfaceText(u"InGameMessageBadSavedGame"));
}

TEST_F(SavedGames, TheSaveWindowsSlotsAreEmptyStoredOrDamagedAndItsTitleNamesParticipantOne) {
  Seat(2, kHuman, 2, 8);
  game_.Players[1].Name = ToGameText(QStringLiteral("Анна"), game_.InterfaceCodePage());
  RunNewGame(game_);
  view_.ChooseSaveSlot(1);
  SaveCommand(game_);
  QFile damaged(SavedGamePath(game_, 3));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("7z and nothing more");
  damaged.close();

  const auto saveSlots = SaveSlots(game_);
  EXPECT_EQ(saveSlots[0].state, TSlotState::Stored);
  EXPECT_EQ(saveSlots[0].savedAt, SlotSummary(game_, 1)->savedAt);
  EXPECT_TRUE(saveSlots[0].tip.startsWith(QStringLiteral("2 игрока. Счет: ")))
      << saveSlots[0].tip.toStdString();
  EXPECT_EQ(saveSlots[1].state, TSlotState::Empty);
  EXPECT_TRUE(saveSlots[1].savedAt.isEmpty());
  EXPECT_EQ(saveSlots[1].tip, game_.InterfaceText(u"TagEmptySlot"));
  EXPECT_EQ(saveSlots[2].state, TSlotState::Unreadable);
  EXPECT_TRUE(saveSlots[2].savedAt.isEmpty() && saveSlots[2].tip.isEmpty());

  EXPECT_EQ(SaveWindowTitle(game_, SaveWindowMode::Save),
            game_.InterfaceText(u"InGameTagButtonSaveGame") + QStringLiteral(" • Анна"));
  EXPECT_EQ(SaveWindowTitle(game_, SaveWindowMode::Load),
            game_.InterfaceText(u"InGameTagButtonLoadGame") + QStringLiteral(" • Анна"));

  // saving over the damaged slot makes it a game again
  view_.ChooseSaveSlot(3);
  SaveCommand(game_);
  EXPECT_EQ(SaveSlots(game_)[2].state, TSlotState::Stored);
}

}  // namespace
}  // namespace quorim
