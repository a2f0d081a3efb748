// The save and load window, the game-over window and the hall of fame, driven through the menu and
// the buttons of a running game as a person drives them.

#include "flow/HallOfFameFile.h"
#include "flow/SavedGames.h"
#include "ui/Widgets.h"
#include "ui/gameover.h"
#include "ui/hallfm.h"
#include "ui/savegame.h"

#include "MainScreenFixture.h"

#include <QFile>
#include <QMovie>

#include <functional>
#include <set>

namespace quorim {
namespace {

template <typename Window>
Window* TopLevel(const char* name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QLatin1String(name)) return dynamic_cast<Window*>(window);
  }
  return nullptr;
}

// Acts on a window once it is shown (the act closes it); until then, with answerYes, it answers
// the game's questions with Yes.
class WhenShown {
 public:
  WhenShown(TMainScreen& main, const char* name, std::function<void(QWidget&)> act,
            bool answerYes = false)
      : name_(name), act_(std::move(act)) {
    QObject::connect(&poll_, &QTimer::timeout, [this, &main, answerYes] {
      if (answerYes && main.MessageWindow().Waiting()) main.MessageWindow().Answer(true);
      QWidget* window = TopLevel<QWidget>(name_);
      if (window == nullptr || !window->isVisible() || acting_) return;
      acting_ = true;
      ++shown_;
      poll_.stop();
      act_(*window);
      acting_ = false;
    });
    poll_.start(20);
  }
  int Shown() const { return shown_; }

 private:
  const char* name_;
  std::function<void(QWidget&)> act_;
  QTimer poll_;
  int shown_ = 0;
  bool acting_ = false;
};

class SaveEndWindows : public BoardScreen {
 protected:
  TSaveGameWindow& SaveWindow() { return *TopLevel<TSaveGameWindow>("SaveGameWindow"); }
  QLabel* Control(QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name));
  }
  // A slot of participant 1's save number.
  QString SlotFile(int k) const {
    const int number = main_->GameState().Players[1].SaveNumber;
    return dir_.filePath(QStringLiteral("save/save%1.00%2").arg(number).arg(k));
  }
  static void Press(QWidget& window, Qt::Key key) { QTest::keyClick(&window, key); }
  static int Frame(const QLabel* picture) { return picture->movie()->currentFrameNumber(); }

  test::Watchdog watchdog_{{}, 20000};
};

TEST_F(SaveEndWindows, AGameSavedAndLoadedInTheWindowGoesOnWithTheSameTurnAndScores) {
  Game& game = StartGameOfTwo();
  ASSERT_TRUE(Item(names::MenuGameSave)->isEnabled());
  TSaveGameWindow& window = SaveWindow();
  WhenShown save(*main_, "SaveGameWindow", [&](QWidget&) {
    EXPECT_EQ(Control(window, "TitleText")->text(),
              game.InterfaceText(u"InGameTagButtonSaveGame") + QStringLiteral(" • ANN"));
    EXPECT_EQ(Control(window, "titleTextShadow")->text(), Control(window, "TitleText")->text());
    // empty slots show no date, tell that they are empty, and can be saved into
    for (int k = 1; k <= kSaveSlots; ++k) {
      EXPECT_TRUE(window.SlotLabel(k)->isVisible());
      EXPECT_TRUE(window.SlotLabel(k)->text().isEmpty());
      EXPECT_EQ(window.SlotLabel(k)->toolTip(), game.InterfaceText(u"TagEmptySlot"));
      EXPECT_EQ(window.SlotLabel(k)->cursor().shape(), Qt::ArrowCursor);
    }
    Click(*window.SlotLabel(1));
  });
  Item(names::MenuGameSave)->trigger();
  ASSERT_EQ(save.Shown(), 1);
  EXPECT_FALSE(window.isVisible());
  ASSERT_TRUE(QFile::exists(SlotFile(1)));
  EXPECT_TRUE(game.GameRunning);

  const int onTurn = game.CurrentPlayer;
  const TTurnPhase phase = game.TurnPhase;
  const std::vector<std::string> lines = game.MoveLog.Lines();
  const std::array<int, 2> scores{game.Players[1].Score, game.Players[2].Score};
  game.Players[2].Score = 999;  // what the load must put right

  WhenShown load(*main_, "SaveGameWindow", [&](QWidget&) {
    EXPECT_EQ(Control(window, "TitleText")->text(),
              game.InterfaceText(u"InGameTagButtonLoadGame") + QStringLiteral(" • ANN"));
    QLabel& stored = *window.SlotLabel(1);
    EXPECT_TRUE(stored.isVisible());
    EXPECT_FALSE(stored.text().trimmed().isEmpty());
    EXPECT_TRUE(stored.toolTip().startsWith(QStringLiteral("2 игрока. Счет: ")))
        << stored.toolTip().toStdString();
    EXPECT_EQ(stored.cursor().shape(), Qt::PointingHandCursor);
    // empty slots have nothing to load
    EXPECT_FALSE(window.SlotLabel(2)->isVisible());
    EXPECT_FALSE(window.SlotLabel(3)->isVisible());
    Click(stored);
  });
  Click(*Find<QLabel>(names::InGameButtongLoadGame));
  ASSERT_EQ(load.Shown(), 1);
  EXPECT_TRUE(game.GameRunning);
  EXPECT_FALSE(game.LoadingGame);
  EXPECT_EQ(game.CurrentPlayer, onTurn);
  EXPECT_EQ(game.TurnPhase, phase);
  EXPECT_EQ(game.MoveLog.Lines(), lines);
  EXPECT_EQ(game.Players[1].Score, scores[0]);
  EXPECT_EQ(game.Players[2].Score, scores[1]);
  EXPECT_TRUE(Item(names::MenuGameSave)->isEnabled());
  EXPECT_FALSE(Item(names::MenuGameNew)->isEnabled());
  // the window has let go of its animations and texts
  EXPECT_EQ(window.SlotPicture(1)->movie(), nullptr);
  EXPECT_TRUE(window.SlotLabel(1)->text().isEmpty());
  Exit();
}

TEST_F(SaveEndWindows, ADamagedSlotCannotBeLoadedButCanBeSavedOverAndEscCancels) {
  Game& game = StartGameOfTwo();
  ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("save")));
  QFile damaged(SlotFile(2));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("not a saved game");
  damaged.close();
  const std::vector<std::string> lines = game.MoveLog.Lines();
  TSaveGameWindow& window = SaveWindow();

  WhenShown load(*main_, "SaveGameWindow", [&](QWidget&) {
    EXPECT_FALSE(window.SlotLabel(2)->isVisible());
    // a click on a slot without a game changes nothing
    Click(*window.SlotPicture(2));
    Click(*window.SlotPicture(3));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.SlotPicture(1)->isVisible());
    // the pointer lights the slot it is over
    Send(*window.SlotPicture(3), QEvent::MouseMove,
         window.SlotPicture(3)->mapToGlobal(QPoint(5, 5)), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window.Hovered(), 3);
    EXPECT_EQ(Frame(window.SlotPicture(3)), 1);
    EXPECT_EQ(Frame(window.SlotPicture(1)), 0);
    Send(window, QEvent::MouseMove, window.mapToGlobal(QPoint(20, 160)), Qt::NoButton,
         Qt::NoButton);
    EXPECT_EQ(window.Hovered(), 0);
    EXPECT_EQ(Frame(window.SlotPicture(3)), 0);
    Press(window, Qt::Key_Escape);
  });
  Click(*Find<QLabel>(names::InGameButtongLoadGame));
  ASSERT_EQ(load.Shown(), 1);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(game.GameRunning);
  EXPECT_EQ(game.MoveLog.Lines(), lines);

  WhenShown save(*main_, "SaveGameWindow", [&](QWidget&) {
    EXPECT_TRUE(window.SlotLabel(2)->isVisible());
    EXPECT_TRUE(window.SlotLabel(2)->text().isEmpty());
    Click(*window.SlotLabel(2));
  });
  Click(*Find<QLabel>(names::InGameButtongSaveGame));
  ASSERT_EQ(save.Shown(), 1);
  EXPECT_EQ(SaveSlots(game)[1].state, TSlotState::Stored);
  Exit();
}

TEST_F(SaveEndWindows, TheLoadSubmenuListsAKnownPlayersSlotsAndCancellingKeepsParticipantOne) {
  Settings({"Member1=Bob/Im1/Human/100"});
  Game& game = StartGameOfTwo();
  TSaveGameWindow& window = SaveWindow();
  QAction* bob = main_->findChild<QAction*>(QStringLiteral("Load0"));
  ASSERT_NE(bob, nullptr);
  WhenShown cancel(*main_, "SaveGameWindow", [&](QWidget&) {
    EXPECT_TRUE(Control(window, "TitleText")->text().endsWith(QStringLiteral(" • Bob")));
    for (int k = 1; k <= kSaveSlots; ++k) EXPECT_FALSE(window.SlotLabel(k)->isVisible());
    Click(*Control(window, "ButtonCancel"));
  });
  bob->trigger();
  ASSERT_EQ(cancel.Shown(), 1);
  EXPECT_EQ(game.Players[1].Name, "ANN");
  EXPECT_TRUE(game.GameRunning);

  // Bob's first slot holds a game (Ann's, copied there): his window lists it and loads it
  ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("save")));
  SaveGame(game, 1);
  ASSERT_TRUE(QFile::copy(SlotFile(1), dir_.filePath(QStringLiteral("save/save100.001"))));
  QFile::remove(SlotFile(1));
  game.Players[2].Score = 999;
  WhenShown load(*main_, "SaveGameWindow", [&](QWidget&) {
    EXPECT_TRUE(window.SlotLabel(1)->isVisible());
    Click(*window.SlotLabel(1));
  });
  bob->trigger();
  ASSERT_EQ(load.Shown(), 1);
  EXPECT_TRUE(game.GameRunning);
  EXPECT_EQ(game.Players[2].Score, 0);
  Exit();
}

TEST_F(SaveEndWindows, NoWindowOpensWhileATileIsInTheHand) {
  Game& game = StartGameOfTwo();
  TTilePiece* piece = Piece(RackTile(game, 1));
  Click(*piece, piece->mapToGlobal(QPoint(5, 5)));
  ASSERT_GE(game.HandTile(), 0);
  WhenShown refused(*main_, "SaveGameWindow", [](QWidget& window) { window.close(); });
  Item(names::MenuGameSave)->trigger();
  Click(*Find<QLabel>(names::InGameButtongLoadGame));
  QApplication::processEvents();
  EXPECT_EQ(refused.Shown(), 0);
  Click(*BoardWidget(), Cell(8, 8));
  Exit();
}

TEST_F(SaveEndWindows, TheGameClosingItsModalWindowsCancelsTheSaveWindow) {
  Game& game = StartGameOfTwo();
  TSaveGameWindow& window = SaveWindow();
  WhenShown save(*main_, "SaveGameWindow", [&](QWidget&) { main_->CloseModalWindows(); });
  Item(names::MenuGameSave)->trigger();
  ASSERT_EQ(save.Shown(), 1);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(QFile::exists(SlotFile(1)));
  EXPECT_TRUE(game.GameRunning);
  Exit();
}

TEST_F(SaveEndWindows, ADrawShowsBothScoresAndTheContinueButtonLoadsTheLastGameWithoutTheWindow) {
  Game& game = StartGameOfTwo();
  const std::vector<std::string> lines = game.MoveLog.Lines();
  WhenShown over(
      *main_, "SplashWindow",
      [&](QWidget& window) {
        EXPECT_TRUE(Control(window, "NoWinner")->isVisible());
        EXPECT_EQ(Control(window, "NoWinner")->text(),
                  game.InterfaceText(u"InGameMessageNoWinner") + QStringLiteral("\n0 - 0"));
        EXPECT_EQ(Control(window, "NoWinnerShadow")->text(), Control(window, "NoWinner")->text());
        EXPECT_FALSE(Control(window, "WinnerName")->isVisible());
        EXPECT_FALSE(Control(window, "LabelWinner")->isVisible());
        EXPECT_FALSE(dynamic_cast<TSplashWindow&>(window).WinnerPicture()->isVisible());
        EXPECT_NE(dynamic_cast<TSplashWindow&>(window).Ribbon()->movie(), nullptr);
        Press(window, Qt::Key_Escape);
      },
      true);
  Item(names::MenuGameEnd)->trigger();
  EXPECT_EQ(over.Shown(), 1);
  ASSERT_FALSE(game.GameRunning);
  ASSERT_TRUE(Find<QLabel>(names::MenuButton6)->isVisible());

  int windowsOpened = 0;
  WhenShown noWindow(*main_, "SaveGameWindow", [&](QWidget& window) {
    ++windowsOpened;
    window.close();
  });
  Click(*Find<QLabel>(names::MenuButton6));
  EXPECT_EQ(windowsOpened, 0);
  ASSERT_TRUE(game.GameRunning);
  EXPECT_EQ(game.MoveLog.Lines(), lines);
  EXPECT_FALSE(Find<QLabel>(names::MenuBgr)->isVisible());
  Exit();
}

TEST_F(SaveEndWindows, AWinnerSeesHisPictureAndHisNewPlaceBlinksInTheHallOfFame) {
  HallOfFame hall;
  hall.Record("ZED", 1234, true);
  hall.Record("MAX", 300, true);
  ASSERT_TRUE(WriteHallOfFame(dir_.filePath(QStringLiteral("hallfame.dat")), hall));
  Settings({"Member1=Ann/Im0/Human/0"});
  Game& game = StartGameOfTwo();
  game.Players[1].Score = 150;

  WhenShown over(
      *main_, "SplashWindow",
      [&](QWidget& window) {
        EXPECT_EQ(Control(window, "WinnerName")->text(), QStringLiteral("ANN\n150"));
        EXPECT_TRUE(Control(window, "WinnerName")->isVisible());
        EXPECT_TRUE(Control(window, "LabelWinner")->isVisible());
        EXPECT_FALSE(Control(window, "LabelWinner")->text().isEmpty());
        EXPECT_FALSE(Control(window, "NoWinner")->isVisible());
        // Ann's avatar has its winner's animation in the skin
        QLabel* picture = dynamic_cast<TSplashWindow&>(window).WinnerPicture();
        EXPECT_TRUE(picture->isVisible());
        ASSERT_NE(picture->movie(), nullptr);
        EXPECT_TRUE(picture->movie()->fileName().endsWith(QStringLiteral("annago.gif")));
        Click(*Control(window, "ButtonOK"));
      },
      true);
  std::set<bool> barStates;
  WhenShown fame(*main_, "HallFame", [&](QWidget& window) {
    auto& hallFame = dynamic_cast<THallFame&>(window);
    EXPECT_EQ(hallFame.Text("LeaderName")->text(), QStringLiteral("ZED\n1234"));
    EXPECT_EQ(hallFame.Text("HallNumber")->text(), QStringLiteral("2\n3\n"));
    EXPECT_EQ(hallFame.Text("HallList")->text(), QStringLiteral("MAX\nANN\n"));
    EXPECT_EQ(hallFame.Text("HallPoints")->text(), QStringLiteral("300\n150\n"));
    EXPECT_FALSE(hallFame.Text("LabelNoWinner")->isVisible());
    // the new third place blinks in its row
    EXPECT_EQ(hallFame.SelectBar()->geometry().top(), 3 * 24 + 192);
    for (int i = 0; i < 10; ++i) {
      QTest::qWait(25);
      barStates.insert(hallFame.SelectBar()->isVisible());
    }
    // the stars flash out of step with each other
    std::set<int> frames;
    for (int i = 1; i <= THallFame::kStars; ++i) {
      EXPECT_FALSE(hallFame.Star(i)->pixmap().isNull()) << i;
      frames.insert(hallFame.StarFrame(i));
    }
    EXPECT_GT(frames.size(), 1u);
    Press(window, Qt::Key_Return);
  });
  Item(names::MenuGameEnd)->trigger();
  EXPECT_EQ(over.Shown(), 1);
  EXPECT_EQ(fame.Shown(), 1);
  EXPECT_EQ(barStates, (std::set<bool>{false, true}));
  EXPECT_FALSE(TopLevel<THallFame>("HallFame")->SelectBar()->isVisible());
  EXPECT_EQ(ReadHallOfFame(dir_.filePath(QStringLiteral("hallfame.dat"))).Entries[2].Name, "ANN");
  Exit();
}

TEST_F(SaveEndWindows, TheMenusHallOfFameShowsTheComputerAsLeaderOrNobodyForADamagedFile) {
  HallOfFame hall;
  hall.Record("\xCA\xCE\xCC\xCF\xDC\xDE\xD2\xC5\xD0", 420, true);  // КОМПЬЮТЕР
  const QString file = dir_.filePath(QStringLiteral("hallfame.dat"));
  ASSERT_TRUE(WriteHallOfFame(file, hall));
  TMainScreen& main = Start();
  ASSERT_TRUE(Item(QStringLiteral("MenuGameBestScore"))->isEnabled());
  WhenShown fame(main, "HallFame", [&](QWidget& window) {
    auto& hallFame = dynamic_cast<THallFame&>(window);
    EXPECT_EQ(hallFame.Text("LeaderName")->text(), QStringLiteral("КОМПЬЮТЕР\n420"));
    EXPECT_FALSE(hallFame.Text("LeaderImage")->pixmap().isNull());
    EXPECT_TRUE(hallFame.Text("HallList")->text().isEmpty());
    EXPECT_FALSE(hallFame.SelectBar()->isVisible());
    Click(*hallFame.Text("ButtonOK"));
  });
  Item(QStringLiteral("MenuGameBestScore"))->trigger();
  EXPECT_EQ(fame.Shown(), 1);
  Exit();

  // a file of another size is no table: the window shows nobody, the file stays as it was
  QFile damaged(file);
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
  damaged.write("damaged");
  damaged.close();
  main_.reset();
  TMainScreen& again = Start();
  WhenShown empty(again, "HallFame", [&](QWidget& window) {
    auto& hallFame = dynamic_cast<THallFame&>(window);
    EXPECT_TRUE(hallFame.Text("LabelNoWinner")->isVisible());
    EXPECT_FALSE(hallFame.Text("LabelNoWinner")->text().isEmpty());
    EXPECT_FALSE(hallFame.Text("LeaderName")->isVisible());
    EXPECT_TRUE(hallFame.Text("HallNumber")->text().isEmpty());
    Press(window, Qt::Key_Escape);
  });
  Item(QStringLiteral("MenuGameBestScore"))->trigger();
  EXPECT_EQ(empty.Shown(), 1);
  EXPECT_EQ(test::ReadFile(file), QByteArray("damaged"));
  Exit();
}

}  // namespace
}  // namespace quorim
