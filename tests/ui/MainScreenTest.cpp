// The main window: its start-up, menus, panels, lens and exit.

#include "flow/SavedGames.h"
#include "model/ControlNames.h"
#include "ui/playfrm.h"

#include "MainScreenFixture.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

namespace quorim {
namespace {

TEST_F(MainScreen, StartsInRussianWithTheMenuAndTheStartMenuAndWritesTheSettingsOnExit) {
  TMainScreen& main = Start();
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(splash_->isVisible());
  EXPECT_EQ(splash_->ProgressWidth(), 135);
  EXPECT_EQ(main.findChild<QMenu*>(names::MenuGame)->title(), "Игра");
  EXPECT_EQ(Item(names::MenuGameNew)->text(), "Новая игра");
  EXPECT_EQ(Item(names::MenuGameSave)->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_FALSE(Item(names::MenuGameSave)->isEnabled());
  EXPECT_FALSE(Item(names::MenuHelpHInt)->isEnabled());
  EXPECT_TRUE(Item(names::MenuIntellectNormal)->isChecked() ||
              Item(names::MenuIntellectLow)->isChecked() ||
              Item(names::MenuIntellectHigh)->isChecked());
  EXPECT_EQ(Find<QLabel>(names::ScreenButtonTitleNewGame)->text(), "Новая игра");
  EXPECT_TRUE(Find<QLabel>(names::ScreenButtonTitleLastPlayer)->text().contains(u'\n'));
  // no last game yet: three buttons
  EXPECT_FALSE(Find<QLabel>(names::MenuButton6)->isVisible());
  EXPECT_TRUE(Find<QLabel>(names::MenuButton3)->isVisible());

  // Esc asks to leave; no control of the menu bar may take the keys first (the menu bar eats Esc)
  EXPECT_EQ(main.menuBar()->cornerWidget()->focusPolicy(), Qt::NoFocus);
  bool asked = false;
  QTimer::singleShot(50, [&] {
    asked = main.MessageWindow().Waiting();
    main.MessageWindow().Answer(false);
  });
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : &main, Qt::Key_Escape);
  EXPECT_TRUE(asked);
  EXPECT_TRUE(main.isVisible());

  QFile::remove(dir_.filePath("quorim.ini"));
  Exit();
  EXPECT_TRUE(QFile::exists(dir_.filePath("quorim.ini")));
}

TEST_F(MainScreen, ADemonstrationNamesItselfAndEscBreaksItOffLeavingNoLastGameNorFame) {
  TMainScreen& main = Start();
  Game& game = main.GameState();
  QString endCaption;
  bool asked = false;
  test::Later(
      [&] {
        endCaption = Find<QLabel>(names::InGameLabel)->text();
        test::Later(
            [&] {
              asked = main.MessageWindow().Waiting();
              main.MessageWindow().Answer(true);
            },
            50);
        QTest::keyClick(&main, Qt::Key_Escape);
      },
      1500);
  // the game-over window of the broken-off game is read and closed
  QTimer gameOver;
  QObject::connect(&gameOver, &QTimer::timeout, [&] {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == "SplashWindow" && top->isVisible())
        QTest::keyClick(top, Qt::Key_Escape);
  });
  gameOver.start(50);
  Item(names::MenuGameDemo)->trigger();
  gameOver.stop();

  EXPECT_EQ(endCaption, "Остановить демо");
  EXPECT_TRUE(asked);
  EXPECT_FALSE(game.DemoRunning);
  EXPECT_FALSE(game.GameRunning);
  EXPECT_FALSE(QFile::exists(SavedGamePath(game, kLastGameSlot)));
  EXPECT_FALSE(QFile::exists(dir_.filePath("hallfame.dat")));
  Exit();
}

TEST_F(MainScreen, AGameShowsItsPanelsAndLeavesALastGameThatTheNextStartOffers) {
  TMainScreen& main = Start();
  Game& game = main.GameState();
  game.SetPlayerCount(2);
  game.Players[1] = {.Name = "Ann", .Avatar = "Im0", .Kind = kHuman};
  game.Players[2] = {.Name = "Bob", .Avatar = "Im1", .Kind = kHuman};
  NewGameByOk();
  ASSERT_TRUE(game.GameRunning);
  auto* first = Find<TPlayForm>(QStringLiteral("Pl1form"));
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  // the new game window keeps names in capitals
  EXPECT_EQ(first->findChild<QLabel*>(names::PlLabel(1))->text(), "ANN");
  EXPECT_NE(Find<TPlayForm>(QStringLiteral("Pl2form")), nullptr);
  auto* control = Find<TPlayForm>(QStringLiteral("RC_form"));
  ASSERT_NE(control, nullptr);
  EXPECT_NE(control->findChild<QLabel*>(names::InGameButtongGo), nullptr);
  EXPECT_TRUE(Item(names::MenuGameEnd)->isEnabled());
  // the panels travel with the main window
  const QPoint besideMain = first->pos() - main.pos();
  main.move(main.pos() + QPoint(200, 5));
  QApplication::processEvents();
  EXPECT_EQ(first->pos() - main.pos(), besideMain);
  // minimised, the program hides its panels; restored, it shows them again
  main.showMinimized();
  QApplication::processEvents();
  EXPECT_FALSE(first->isVisible());
  EXPECT_FALSE(control->isVisible());
  main.showNormal();
  QApplication::processEvents();
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(control->isVisible());
  // the start menu has gone
  EXPECT_FALSE(Find<QLabel>(names::MenuBgr)->isVisible());
  Exit();

  main_.reset();
  TMainScreen& again = Start();
  EXPECT_TRUE(Find<QLabel>(names::MenuButton6)->isVisible());
  EXPECT_FALSE(Find<QLabel>(names::ScreenButtonTitleContinue)->toolTip().isEmpty());
  (void)again;
  Exit();
}

TEST_F(MainScreen, ALockedPanelKeepsItsSizeWhenTheTurnPassesAmongFour) {
  TMainScreen& main = Start();
  Game& game = main.GameState();
  game.SetPlayerCount(4);
  for (int n = 1; n <= 4; ++n) {
    std::string name(1, 'P');
    name += std::to_string(n);
    game.Players[n] = {.Name = name, .Avatar = "Im0", .Kind = kHuman};
  }
  NewGameByOk();
  ASSERT_TRUE(game.GameRunning);
  auto* panel = Find<TPlayForm>(QStringLiteral("Pl3form"));
  ASSERT_NE(panel, nullptr);
  QTest::mouseClick(panel->findChild<QToolButton*>(QStringLiteral("FixButt3")), Qt::LeftButton);
  ASSERT_TRUE(panel->Locked());
  const bool collapsed = panel->Collapsed();
  main.ShowPanelOnTurn(2, 3, true);
  main.ShowPanelOnTurn(3, 4, true);
  EXPECT_EQ(panel->Collapsed(), collapsed);
  // an unlocked panel other than the first folds when its turn is over
  main.ShowPanelOnTurn(4, 2, true);
  EXPECT_TRUE(Find<TPlayForm>(QStringLiteral("Pl4form"))->Collapsed());
  EXPECT_FALSE(Find<TPlayForm>(QStringLiteral("Pl2form"))->Collapsed());
  Exit();
}

TEST_F(MainScreen, TheLoadSubmenuNamesTheKnownPlayersInTheirOwnCase) {
  TMainScreen& main = Start();
  QMenu* load = main.findChild<QMenu*>(names::MenuGameLoad);
  EXPECT_TRUE(load->actions().isEmpty());
  EXPECT_FALSE(load->menuAction()->isEnabled());
  Exit();
  Settings({"Member1=ANNA/Im0/Human/100", "Member2=bob/Im1/Human/101"});
  main_.reset();
  TMainScreen& again = Start();
  load = again.findChild<QMenu*>(names::MenuGameLoad);
  QStringList captions;
  for (QAction* item : load->actions()) captions << item->text();
  EXPECT_EQ(captions, (QStringList{"Anna...", "bob..."}));
  EXPECT_EQ(load->actions().front()->objectName(), "Load0");
  Exit();
}

TEST_F(MainScreen, TheLensOpensFromTheMenuCtrlAndTheMiddleButtonAndKeepsItsSize) {
  TMainScreen& main = Start();
  QAction* item = Item(QStringLiteral("MenuLens"));
  ASSERT_TRUE(item->isEnabled());
  const auto lens = [] {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == "Lens") return window;
    return static_cast<QWidget*>(nullptr);
  };

  item->trigger();
  ASSERT_NE(lens(), nullptr);
  EXPECT_TRUE(lens()->isVisible());
  EXPECT_TRUE(item->isChecked());
  EXPECT_EQ(lens()->width(), 120);
  EXPECT_EQ(lens()->toolTip(), "Лупа: колёсико мыши меняет размер, щелчок закрывает");

  // the wheel and the + and - keys resize it, and the size is kept
  const QPoint centre = lens()->geometry().center();
  QWheelEvent up(QPointF(60, 60), QPointF(centre), {}, QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                 Qt::NoScrollPhase, false);
  QApplication::sendEvent(lens(), &up);
  EXPECT_EQ(lens()->width(), 160);
  EXPECT_EQ(lens()->geometry().center(), centre);
  for (int i = 0; i < 10; ++i) QTest::keyClick(&main, Qt::Key_Plus);
  EXPECT_EQ(lens()->width(), 300);
  QTest::keyClick(&main, Qt::Key_Minus);
  EXPECT_EQ(main.GameState().Settings.LensSize, 280);

  // a click closes it and the menu item follows
  QTest::mouseClick(lens(), Qt::LeftButton);
  EXPECT_FALSE(lens()->isVisible());
  EXPECT_FALSE(item->isChecked());

  // Ctrl held opens it after a moment and releasing Ctrl closes it; Ctrl with a key does not
  QTest::keyPress(&main, Qt::Key_Control);
  EXPECT_TRUE(QTest::qWaitFor([&] { return lens()->isVisible(); }, 1000));
  EXPECT_EQ(lens()->width(), 280);
  QTest::keyRelease(&main, Qt::Key_Control);
  EXPECT_FALSE(lens()->isVisible());
  QTest::keyPress(&main, Qt::Key_Control);
  QTest::keyClick(&main, Qt::Key_A, Qt::ControlModifier);
  QTest::qWait(300);
  EXPECT_FALSE(lens()->isVisible());
  QTest::keyRelease(&main, Qt::Key_Control);

  // the middle button switches it, and a close request does not
  QTest::mouseClick(main.centralWidget(), Qt::MiddleButton);
  EXPECT_TRUE(lens()->isVisible());
  EXPECT_FALSE(lens()->close());
  QTest::mouseClick(main.centralWidget(), Qt::MiddleButton);
  EXPECT_FALSE(lens()->isVisible());
  Exit();
}

}  // namespace
}  // namespace quorim
