#pragma once
// The main window started on a data directory of its own, made from the shipped data, as a
// player's first start makes it.

#include "model/ControlNames.h"
#include "persistence/UserDataDir.h"
#include "ui/Board.h"
#include "ui/Errormes.h"
#include "ui/Main.h"
#include "ui/Splash.h"
#include "ui/newgame.h"

#include "TestFiles.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorim {

class MainScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    QString error;
    ASSERT_TRUE(PrepareUserDataDir(QStringLiteral(QUORIM_SHIPPED_DATA), dir_.path(), error))
        << error.toStdString();
    // Ann plays in Russian, in a normal window
    Settings({});
    test::WriteFile(dir_.path(), "ann.ini",
                    test::GameFile({"InterfaceLang=rus", "DictionaryLang=rus"}));
  }

  // Ann, unless the lines name another first player.
  void Settings(std::initializer_list<std::string_view> more) {
    std::vector<std::string> lines{"Player1=Ann", "FullScreen=1"};
    if (std::ranges::any_of(more,
                            [](std::string_view line) { return line.starts_with("Player1="); }))
      lines.erase(lines.begin());
    lines.insert(lines.end(), more.begin(), more.end());
    QByteArray bytes("\xEF\xBB\xBF");
    for (const std::string& line : lines) bytes.append(line.c_str()).append("\r\n");
    test::WriteFile(dir_.path(), "quorim.ini", bytes);
  }

  // The start-up as the program runs it, on this data directory.
  TMainScreen& Start() {
    splash_ = std::make_unique<TSplashScreen>(DataDir(dir_.path()));
    main_ = std::make_unique<TMainScreen>(DataDir(dir_.path()));
    EXPECT_TRUE(main_->StartUp(*splash_));
    return *main_;
  }

  // The new game command, with OK pressed in the new game window as a person starts a game.
  // The watchdog watches the window only: the game that starts may take its time.
  void NewGameByOk() {
    test::Later([this, watchdog = std::make_shared<test::Watchdog>()]() mutable {
      QTest::mouseClick(main_->NewGameWindow().findChild<QLabel*>(QStringLiteral("ButtonOK")),
                        Qt::LeftButton);
      watchdog.reset();
    });
    Item(names::MenuGameNew)->trigger();
  }

  // Closes the main window, answering the exit question with Yes.
  void Exit() {
    test::Watchdog watchdog;
    test::Later([this] { main_->MessageWindow().Answer(true); }, 50);
    main_->close();
    EXPECT_FALSE(main_->isVisible());
  }

  template <typename Widget = QWidget>
  Widget* Find(const QString& name) const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* found = window->findChild<Widget*>(name)) return found;
    }
    return nullptr;
  }

  QAction* Item(const QString& name) const { return main_->findChild<QAction*>(name); }

  QTemporaryDir dir_;
  std::unique_ptr<TSplashScreen> splash_;
  std::unique_ptr<TMainScreen> main_;
};

// A game on the board, and the mouse on it.
class BoardScreen : public MainScreen {
 protected:
  // Ann and Bob, both people, in the started main window: racks full at once, or the one on turn
  // taking his letters by hand.
  Game& NewGameOfTwo(bool lettersByHand = false) {
    Game& game = main_->GameState();
    game.Settings.LettersAutoSelect = !lettersByHand;
    game.SetPlayerCount(2);
    game.Players[1] = {.Name = "Ann", .Avatar = "Im0", .Kind = kHuman};
    game.Players[2] = {.Name = "Bob", .Avatar = "Im1", .Kind = kHuman};
    NewGameByOk();
    EXPECT_TRUE(game.GameRunning);
    return game;
  }
  Game& StartGameOfTwo(bool lettersByHand = false) {
    Start();
    return NewGameOfTwo(lettersByHand);
  }

  QWidget* BoardWidget() const { return Find(QStringLiteral("MainScreenImage")); }
  // The middle of cell (x, y) on the screen.
  QPoint Cell(int x, int y) const {
    return BoardWidget()->mapToGlobal(QPoint(18 + 28 * (x - 1) + 14, 18 + 28 * (y - 1) + 14));
  }

  // The pieces among a window's children (they have no meta-object of their own).
  static std::vector<TTilePiece*> PiecesOn(const QWidget& parent) {
    std::vector<TTilePiece*> pieces;
    for (QWidget* child : parent.findChildren<QWidget*>()) {
      if (auto* piece = dynamic_cast<TTilePiece*>(child)) pieces.push_back(piece);
    }
    return pieces;
  }
  static TTilePiece* Piece(int tile) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      for (TTilePiece* piece : PiecesOn(*window))
        if (piece->Tile() == tile) return piece;
    }
    return nullptr;
  }
  // The tile in a slot of the rack of the one on turn.
  static int RackTile(const Game& game, int slot) {
    return game.Racks[static_cast<std::size_t>(game.CurrentPlayer)][slot].TileIndex;
  }

  // A mouse event as the window system hands it to the widget under the cursor.
  static void Send(QWidget& receiver, QEvent::Type type, QPoint global, Qt::MouseButton button,
                   Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, receiver.mapFromGlobal(global), global, button, held, modifiers);
    QApplication::sendEvent(&receiver, &event);
  }
  // A press and a release at the point.
  static void Click(QWidget& receiver, QPoint global, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = {}) {
    Send(receiver, QEvent::MouseButtonPress, global, button, button, modifiers);
    Send(receiver, QEvent::MouseButtonRelease, global, button, Qt::NoButton, modifiers);
  }
  static void Click(QWidget& control) { Click(control, control.mapToGlobal(QPoint(4, 4))); }
};

}  // namespace quorim
