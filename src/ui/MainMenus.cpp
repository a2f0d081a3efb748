#include "ui/Main.h"

#include "flow/DemoGame.h"
#include "flow/HintCommand.h"
#include "flow/SaveLoadCommands.h"
#include "flow/TurnCommands.h"
#include "flow/TurnController.h"
#include "media/CodePages.h"
#include "model/ControlNames.h"
#include "ui/HelpViewer.h"
#include "ui/Lens.h"
#include "ui/_about.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace quorim {

namespace {

// The caption of a known player in the "Load" submenu: "Ivan...", whatever case the name is stored
// in.
QString KnownPlayerCaption(const QString& name) {
  if (name.isEmpty()) return QStringLiteral("...");
  return name.left(1) + name.mid(1).toLower() + QStringLiteral("...");
}

}  // namespace

QAction* TMainScreen::AddItem(QMenu& menu, const QString& name, const QKeySequence& shortcut,
                              const std::function<void()>& command) {
  QAction* action = menu.addAction(name);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [command] { command(); });
  return action;
}

void TMainScreen::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* gameMenu = bar->addMenu(names::MenuGame);
  gameMenu->setObjectName(names::MenuGame);
  gameMenu->addSeparator();
  AddItem(*gameMenu, names::MenuGameNew, {}, [this] { NewGameCommand(game_); });
  AddItem(*gameMenu, names::MenuGameSave, Qt::Key_F5, [this] {
    SaveCommand(game_);
  })->setEnabled(false);
  loadMenu_ = gameMenu->addMenu(names::MenuGameLoad);
  loadMenu_->setObjectName(names::MenuGameLoad);
  AddItem(*gameMenu, names::MenuGameEnd, Qt::Key_F8, [this] {
    EndRequest(game_);
  })->setEnabled(false);
  AddItem(*gameMenu, names::MenuGameDemo, {}, [this] { DemoCommand(game_); });
  gameMenu->addSeparator();
  AddItem(*gameMenu, QStringLiteral("MenuGameBestScore"), {}, [this] { ShowHallOfFame(0); });
  AddItem(*gameMenu, QStringLiteral("MenuGameConfig"), Qt::Key_F9, [this] { OptionsCommand(); });
  gameMenu->addSeparator();
  AddItem(*gameMenu, QStringLiteral("MenuGameExit"), {}, [this] { close(); });

  QMenu* intellectMenu = bar->addMenu(names::MenuIntellect);
  intellectMenu->setObjectName(names::MenuIntellect);
  intellectMenu->addSeparator();
  auto* intellects = new QActionGroup(intellectMenu);
  const std::array<const QString*, 3> levels{&names::MenuIntellectLow, &names::MenuIntellectNormal,
                                             &names::MenuIntellectHigh};
  for (int level = 1; level <= 3; ++level) {
    QAction* item = AddItem(*intellectMenu, *levels[static_cast<std::size_t>(level - 1)], {},
                            [this, level] { IntellectCommand(game_, level); });
    item->setCheckable(true);
    intellects->addAction(item);
  }

  QMenu* helpMenu = bar->addMenu(names::MenuHelp);
  helpMenu->setObjectName(names::MenuHelp);
  helpMenu->addSeparator();
  AddItem(*helpMenu, QStringLiteral("MenuHelpGame"), Qt::Key_F1,
          [this] { OpenHelpPage(QStringLiteral("index.htm")); });
  AddItem(*helpMenu, QStringLiteral("MenuHelpRules"), {},
          [this] { OpenHelpPage(QStringLiteral("rules.htm")); });
  AddItem(*helpMenu, QStringLiteral("MenuHelpHowStartGame"), {},
          [this] { OpenHelpPage(QStringLiteral("play.htm")); });
  AddItem(*helpMenu, QStringLiteral("MenuHelpAbout"), {}, [this] { ShowAbout(); });
  helpMenu->addSeparator();
  AddItem(*helpMenu, names::MenuHelpHInt, {}, [this] { HintCommand(game_); })->setEnabled(false);
  AddItem(*helpMenu, names::MenuHelpComputeScore, {}, [this] {
    PreviewCommand(game_);
  })->setEnabled(false);
  helpMenu->addSeparator();
  AddItem(*helpMenu, QStringLiteral("MenuHelpGameSite"), {}, [] { OpenGameSite(); });

  // The lens stands at the right end of the menu bar.
  auto* lens = new QToolButton(bar);
  lens->setObjectName(QStringLiteral("MenuLensButton"));
  // With the focus, the button would hand the game's keys (Esc) to the menu bar, which eats them.
  lens->setFocusPolicy(Qt::NoFocus);
  auto* lensItem = new QAction(game_.FixedText(FixedTextKey::LensCaption), lens);
  lensItem->setObjectName(QStringLiteral("MenuLens"));
  lensItem->setCheckable(true);
  connect(lensItem, &QAction::triggered, this, [this] { SwitchLens(); });
  lens->setDefaultAction(lensItem);
  lens->setAutoRaise(true);
  bar->setCornerWidget(lens, Qt::TopRightCorner);
}

void TMainScreen::ShowLensCaption() {
  auto* lens = menuBar()->findChild<QToolButton*>(QStringLiteral("MenuLensButton"));
  lens->defaultAction()->setText(game_.FixedText(FixedTextKey::LensCaption));
  lens->adjustSize();
  // the bar measures its corner widget only when it is given one
  menuBar()->setCornerWidget(lens, Qt::TopRightCorner);
}

void TMainScreen::OpenHelpPage(const QString& page) {
  if (!helpViewer_) helpViewer_ = std::make_unique<THelpViewer>(game_.Data);
  helpViewer_->ShowPage(game_.Settings.InterfaceLang, page);
}

void TMainScreen::SwitchLens() {
  if (lens_ && lens_->IsOpen()) {
    ShutLens();
    return;
  }
  if (!lens_) {
    lens_ = std::make_unique<TLens>(
        *skin_, [this](int side) { game_.Settings.LensSize = static_cast<std::uint16_t>(side); });
  }
  lens_->Open(game_.Settings.LensSize, game_.InterfaceText(u"LensHint"));
  findChild<QAction*>(QStringLiteral("MenuLens"))->setChecked(true);
}

void TMainScreen::ShutLens() {
  lensDelay_.stop();
  if (lens_) lens_->Shut();
  findChild<QAction*>(QStringLiteral("MenuLens"))->setChecked(false);
}

void TMainScreen::ShowAbout() {
  // the window stands over the start menu's picture, which goes while it is open
  const bool menuShown = menuBgr_->isVisible();
  TAbout about(
      *skin_, game_.FixedText(FixedTextKey::AboutSponsor),
      [this, menuShown] {
        if (menuShown) ShowMenuPicture(false);
      },
      [this, menuShown] {
        if (menuShown) ShowMenuPicture(true);
      },
      this);
  registry_.ApplyWindowTexts(game_.Strings, QStringLiteral("About"), Controls());
  about.exec();
}

void TMainScreen::BuildLoadMenu() {
  loadMenu_->clear();
  const std::vector<TPlayer>& known = game_.Settings.Members;
  const int count = std::min<int>(static_cast<int>(known.size()), kMaxKnownPlayers);
  for (int position = 0; position < count; ++position) {
    const QString name =
        FromGameText(known[static_cast<std::size_t>(position)].Name, game_.InterfaceCodePage());
    QAction* item = loadMenu_->addAction(KnownPlayerCaption(name));
    item->setObjectName(QStringLiteral("Load") + QString::number(position));
    connect(item, &QAction::triggered, this, [this, position] { LoadCommand(game_, position); });
  }
  loadMenu_->menuAction()->setEnabled(count > 0);
}

}  // namespace quorim
