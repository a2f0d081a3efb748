// The new game window and the avatar chooser, driven as a person drives them: the controls and
// their colours, the tabs that grow and shrink, names typed and chosen, the known players and the
// "Load" submenu, the picture buttons, and what bad settings give.

#include "media/Avatars.h"
#include "model/ControlNames.h"
#include "ui/PLImages.h"
#include "ui/Skin.h"

#include "MainScreenFixture.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace quorim {
namespace {

using test::Later;

// The picture of a button at every paint, to catch a look that lasts a moment.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QLabel& label) : label_(label) { label.installEventFilter(this); }
  std::vector<QImage> painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &label_ && event->type() == QEvent::Paint)
      painted.push_back(label_.pixmap().toImage());
    return false;
  }

 private:
  QLabel& label_;
};

class NewGameWindow : public MainScreen {
 protected:
  TNewGameWindow& Window() const { return main_->NewGameWindow(); }
  template <typename W = QWidget>
  W* Control(const char* name) const {
    return Window().findChild<W*>(QLatin1String(name));
  }
  QLabel* Label(const char* name) const { return Control<QLabel>(name); }
  QRadioButton* Radio(const char* name) const { return Control<QRadioButton>(name); }
  QString Text(const char* name) const { return Label(name)->text(); }
  Game& GameState() const { return main_->GameState(); }

  // The window opens, the steps run while it is open, and Esc closes it unless a step did. Gives
  // whether it closed with OK.
  bool WhileOpen(std::function<void()> steps) {
    test::Watchdog watchdog([this] { main_->CloseModalWindows(); }, 20000);
    Later([this, steps = std::move(steps)] {
      steps();
      if (Window().isVisible()) QTest::keyClick(&Window(), Qt::Key_Escape);
    });
    return main_->ShowNewGameWindow();
  }

  QLineEdit& NameEdit() const { return *Window().NameBox().lineEdit(); }
  // Keys typed into the name box, over what is selected there.
  void Type(const QString& text) const { test::TypeText(NameEdit(), text); }
  void Retype(const QString& text) const {
    NameEdit().selectAll();
    QTest::keyClick(&NameEdit(), Qt::Key_Backspace);
    Type(text);
  }
  // A name chosen from the box's list.
  void Choose(const QString& name) const {
    QComboBox& box = Window().NameBox();
    const int index = box.findText(name);
    ASSERT_GE(index, 0) << name.toStdString();
    box.setCurrentIndex(index);
    emit box.activated(index);
  }
  static void Click(QWidget* control) {
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
  }
  // A radio button takes clicks on its circle and its caption.
  static void Click(QRadioButton* kind) {
    ASSERT_NE(kind, nullptr);
    QTest::mouseClick(kind, Qt::LeftButton, {}, QPoint(6, kind->height() / 2));
  }
  static QColor TextColor(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
  }
  static QColor PixelOf(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixelColor(at);
  }
  QStringList TabCaptions() const {
    QStringList captions;
    for (int i = 0; i < Window().Tabs().Count(); ++i) captions << Window().Tabs().Caption(i);
    return captions;
  }
  QStringList LoadCaptions() const {
    QStringList captions;
    for (QAction* item : main_->findChild<QMenu*>(names::MenuGameLoad)->actions())
      captions << item->text();
    return captions;
  }
};

TEST_F(NewGameWindow, ShowsEveryControlInItsPlaceWithTheDefaultColoursAndItsShadow) {
  test::WriteFile(dir_.path(), "ann.ini",
                  test::GameFile({"InterfaceLang=rus", "DictionaryLang=rus",
                                  "LastTemplate=classic.map", "DictionaryLimits=Limrus=C/",
                                  "LastLimits=Score-300  Move-2 ", "LastPlayersNumber=2",
                                  "Player1=Ann/Im0/Human/0", "Player2=Компьютер/pc0/PC/0"}));
  Start();
  bool checked = false;
  EXPECT_FALSE(WhileOpen([&] {
    TNewGameWindow& window = Window();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(335, 407));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    const QRect inside = window.rect();
    for (const char* name : {"LabelLayout",
                             "RxLabel1",
                             "ButtonSelectLayout",
                             "LabelPlayersQty",
                             "RxLabel5",
                             "UpDown1",
                             "TabControl1",
                             "TagPlayerImage",
                             "RxLabel6",
                             "LabelPlayerList",
                             "LabelPagePlayer",
                             "LabelDifficulty",
                             "RxLabel2",
                             "ButtonSelectDifficulty",
                             "LabelDictionary",
                             "RxLabel3",
                             "ButtonSelectDictionary",
                             "LabelLimits",
                             "RxLabel4",
                             "ButtonSelectLimits",
                             "LabelLanguage",
                             "RxLabel7",
                             "ButtonSelectLanguage",
                             "ButtonOK",
                             "ButtonClose",
                             "Shape1",
                             "Shape2",
                             "Shape5",
                             "Shape6",
                             "Shape7",
                             "Shape9"}) {
      QWidget* control = Control(name);
      ASSERT_NE(control, nullptr) << name;
      EXPECT_TRUE(control->isVisible()) << name;
      const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
      EXPECT_TRUE(inside.contains(place)) << name;
    }
    // the network kind never shows, the computer never on the first tab
    EXPECT_FALSE(Radio("LabelPageNetwork")->isVisible());
    EXPECT_FALSE(Radio("LabelPagePC")->isVisible());
    EXPECT_TRUE(Radio("LabelPagePlayer")->isChecked());

    EXPECT_EQ(Text("LabelLayout"), "Поле:");
    EXPECT_EQ(Text("LabelLanguage"), "Язык словаря:");
    EXPECT_EQ(Radio("LabelPagePlayer")->text(), "Человек");
    EXPECT_EQ(Text("RxLabel1"), "КЛАССИЧЕСКОЕ (15X15)");
    EXPECT_EQ(GameState().Settings.LastTemplate, "classic.map");
    EXPECT_EQ(Text("RxLabel5"), "2");
    EXPECT_EQ(Text("RxLabel6"), "1");
    EXPECT_EQ(Text("RxLabel2"), "ЛЮБИТЕЛЬ");
    EXPECT_EQ(Text("RxLabel3"), "ОБЫЧНЫЙ");
    EXPECT_EQ(Text("RxLabel4"), "ИГРА ДО СЧЁТА 300\n2 МИНУТЫ НА ХОД");
    EXPECT_EQ(Text("RxLabel7"), "РУССКИЙ");
    EXPECT_EQ(TabCaptions(), (QStringList{"ann", "компьютер"}));
    EXPECT_EQ(Window().NameBox().currentText(), "Ann");
    EXPECT_EQ(Window().ShownAvatar(), "Im0");
    EXPECT_FALSE(Label("TagPlayerImage")->pixmap().isNull());
    // same-named controls of other windows keep their own texts
    EXPECT_EQ(Label("ButtonClose")->toolTip(), "Закрыть, не начиная игры");
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == "StarWindow") {
        EXPECT_EQ(top->findChild<QLabel*>("ButtonClose")->toolTip(), "Закрыть, не выбирая букву");
      }
    }

    // the classic skin names none of the window's colours: yellow captions, white values,
    // aqua dividers, the default tab fills
    EXPECT_EQ(TextColor(Label("LabelLayout")), QColor(255, 255, 0));
    EXPECT_EQ(TextColor(Label("RxLabel1")), QColor(255, 255, 255));
    EXPECT_EQ(PixelOf(Control("Shape1"), {5, 0}), QColor(0, 255, 255));
    auto& tabs = Window().Tabs();
    const QRect first = tabs.TabRect(0);
    const QRect second = tabs.TabRect(1);
    EXPECT_EQ(PixelOf(&tabs, {first.right() - 3, first.center().y()}), ColorFromWindows(12285517));
    EXPECT_EQ(PixelOf(&tabs, {second.right() - 3, second.center().y()}), ColorFromWindows(8388608));
    EXPECT_EQ(window.palette().color(QPalette::Window), ColorFromWindows(7667712));

    // the buttons that open the options window at their pages
    for (const char* name : {"ButtonSelectLayout", "ButtonSelectDictionary", "ButtonSelectLimits",
                             "ButtonSelectLanguage"})
      EXPECT_TRUE(Label(name)->isEnabled()) << name;
    EXPECT_TRUE(Label("ButtonSelectDifficulty")->isEnabled());
    EXPECT_NE(Label("ButtonOK")->movie(), nullptr);

    QWidget* shadow = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == "ShadowWindow") shadow = top;
    ASSERT_NE(shadow, nullptr);
    EXPECT_TRUE(shadow->isVisible());
    EXPECT_EQ(shadow->geometry(), window.geometry().translated(7, 7));
    test::Shoot(window, QStringLiteral("newgame-classic"));
    checked = true;
  }));
  EXPECT_TRUE(checked);
  EXPECT_FALSE(Window().isVisible());
  Exit();
}

TEST_F(NewGameWindow, TakesTheColoursOfASkinThatNamesThem) {
  Settings({"Skin=night"});
  Start();
  WhileOpen([&] {
    EXPECT_EQ(TextColor(Label("LabelLayout")), ColorFromWindows(13168890));
    EXPECT_EQ(TextColor(Label("RxLabel4")), ColorFromWindows(15788258));
    EXPECT_EQ(TextColor(Label("RxLabel6")), ColorFromWindows(13168890));
    EXPECT_EQ(Window().palette().color(QPalette::Window), ColorFromWindows(4201490));
    EXPECT_EQ(Window().NameBox().palette().color(QPalette::Base), ColorFromWindows(2100232));
    EXPECT_EQ(PixelOf(Control("Shape9"), {5, 0}), ColorFromWindows(13154992));
    auto& tabs = Window().Tabs();
    const QRect first = tabs.TabRect(0);
    EXPECT_EQ(PixelOf(&tabs, {first.right() - 3, first.center().y()}), ColorFromWindows(7223848));
    test::Shoot(Window(), QStringLiteral("newgame-night"));
  });
  Exit();
}

TEST_F(NewGameWindow, TheFirstTabNeverOffersTheComputer) {
  test::WriteFile(dir_.path(), "ann.ini",
                  test::GameFile({"InterfaceLang=rus", "DictionaryLang=rus", "LastPlayersNumber=3",
                                  "Player1=Comp/pc0/PC/0", "Player2=Bob/Im1/Human/0",
                                  "Player3=Computer/pc0/PC/0"}));
  Start();
  Game& game = GameState();
  WhileOpen([&] {
    EXPECT_EQ(game.Players[1].Kind, kHuman);
    EXPECT_EQ(game.Players[1].Name, "\xC8\xE3\xF0\xEE\xEA");  // "Игрок" in 1251
    EXPECT_EQ(game.Players[1].Avatar, "Im0");
    EXPECT_FALSE(Radio("LabelPagePC")->isVisible());
    EXPECT_TRUE(Window().NameBox().isEnabled());

    ASSERT_TRUE(Window().ClickTab(2));
    EXPECT_EQ(Text("RxLabel6"), "3");
    EXPECT_TRUE(Radio("LabelPagePC")->isVisible());
    EXPECT_TRUE(Radio("LabelPagePC")->isChecked());
    EXPECT_FALSE(Window().NameBox().isEnabled());
    EXPECT_EQ(Window().ShownAvatar(), "pc0");

    // a person, then the computer again
    Click(Radio("LabelPagePlayer"));
    EXPECT_EQ(game.Players[3].Kind, kHuman);
    EXPECT_EQ(Window().NameBox().currentText(), "Игрок");
    EXPECT_EQ(Window().Tabs().Caption(2), "игрок");
    EXPECT_EQ(Window().ShownAvatar(), "Im0");
    EXPECT_TRUE(Window().NameBox().isEnabled());
    Click(Radio("LabelPagePC"));
    EXPECT_EQ(game.Players[3].Kind, kComputer);
    EXPECT_EQ(game.Players[3].Avatar, "pc0");
    EXPECT_EQ(Window().Tabs().Caption(2), "компьютер");
    EXPECT_FALSE(Window().NameBox().isEnabled());

    ASSERT_TRUE(Window().ClickTab(0));
    EXPECT_FALSE(Radio("LabelPagePC")->isVisible());
    EXPECT_TRUE(Radio("LabelPagePlayer")->isChecked());
  });
  Exit();
}

TEST_F(NewGameWindow, TheArrowsStopAtEightAndAtTwo) {
  Start();
  Game& game = GameState();
  WhileOpen([&] {
    auto* up = Control<QToolButton>("UpDown1Up");
    auto* down = Control<QToolButton>("UpDown1Down");
    for (int i = 0; i < 7; ++i) Click(up);
    EXPECT_EQ(Text("RxLabel5"), "8");
    EXPECT_EQ(game.PlayerCount(), 8);
    EXPECT_EQ(game.Settings.LastPlayersNumber, 8);
    EXPECT_EQ(Window().Tabs().Count(), 8);
    EXPECT_EQ(Window().Tabs().Caption(7), "игрок");
    EXPECT_EQ(game.Players[8].Avatar, "Im0");
    EXPECT_EQ(game.Players[8].Kind, kHuman);

    // the last tab goes while it is open: the one before opens
    ASSERT_TRUE(Window().ClickTab(7));
    Click(down);
    EXPECT_EQ(Window().Tabs().Count(), 7);
    EXPECT_EQ(Window().Tabs().Current(), 6);
    EXPECT_EQ(Text("RxLabel6"), "7");
    for (int i = 0; i < 7; ++i) Click(down);
    EXPECT_EQ(Text("RxLabel5"), "2");
    EXPECT_EQ(game.PlayerCount(), 2);
    EXPECT_EQ(Window().Tabs().Count(), 2);
    EXPECT_EQ(Window().Tabs().Current(), 1);
  });
  Exit();
}

TEST_F(NewGameWindow, ANewNameTypedInLowerCaseIsRememberedInCapitalsAndJoinsTheLoadSubmenu) {
  Settings({"Member1=ANN/Im1/Human/100"});
  Start();
  Game& game = GameState();
  EXPECT_EQ(LoadCaptions(), QStringList{"Ann..."});
  EXPECT_TRUE(WhileOpen([&] {
    ASSERT_TRUE(Window().ClickTab(1));
    Click(Radio("LabelPagePlayer"));
    Retype(QStringLiteral("zed"));
    EXPECT_EQ(Window().Tabs().Caption(1), "zed");
    EXPECT_EQ(game.Players[2].Name, "zed");
    // committed before another tab opens
    ASSERT_TRUE(Window().ClickTab(0));
    EXPECT_EQ(game.Players[2].Name, "ZED");
    EXPECT_EQ(game.Players[2].SaveNumber, 101);
    ASSERT_EQ(game.Settings.Members.size(), 2u);
    EXPECT_EQ(game.Settings.Members[1].Name, "ZED");
    EXPECT_EQ(game.Settings.Members[1].SaveNumber, 101);
    EXPECT_EQ(Window().Tabs().Caption(1), "zed");
    EXPECT_NE(Window().NameBox().findText("ZED"), -1);
    EXPECT_EQ(LoadCaptions(), (QStringList{"Ann...", "Zed..."}));
    EXPECT_TRUE(main_->findChild<QMenu*>(names::MenuGameLoad)->menuAction()->isEnabled());
    EXPECT_NE(Item(QStringLiteral("Load1")), nullptr);

    // the default person's name is remembered with save number 0, and OK closes the window
    Retype(QString::fromUtf8("игрок"));
    QTest::keyClick(&NameEdit(), Qt::Key_Return);
  }));
  EXPECT_EQ(game.Players[1].Name, "\xC8\xC3\xD0\xCE\xCA");  // "ИГРОК" in 1251
  EXPECT_EQ(game.Players[1].SaveNumber, 0);
  ASSERT_EQ(game.Settings.Members.size(), 3u);
  EXPECT_EQ(game.Settings.Members[2].SaveNumber, 0);
  Exit();
}

TEST_F(NewGameWindow, EnterWithAnEmptyNameDoesNothingAndAnEmptyTabCannotBeLeft) {
  Start();
  bool stayed = false;
  EXPECT_TRUE(WhileOpen([&] {
    Retype(QStringLiteral("  "));
    QTest::keyClick(&NameEdit(), Qt::Key_Return);
    Click(Label("ButtonOK"));
    EXPECT_FALSE(Window().ClickTab(1));
    EXPECT_EQ(Window().Tabs().Current(), 0);
    stayed = Window().isVisible();
    // a separator of the record files is no key of a name
    Type(QStringLiteral("b/o"));
    EXPECT_EQ(NameEdit().text(), "  bo");
    Click(Label("ButtonOK"));
  }));
  EXPECT_TRUE(stayed);
  EXPECT_EQ(GameState().Players[1].Name, "BO");
  Exit();
}

TEST_F(NewGameWindow, CloseAndEscStartNoGameAndOkStartsOne) {
  Start();
  Game& game = GameState();
  test::Watchdog watchdog;
  Later([this] { Click(Label("ButtonClose")); });
  Item(names::MenuGameNew)->trigger();
  EXPECT_FALSE(game.GameRunning);
  Later([this] { QTest::keyClick(&Window(), Qt::Key_Escape); });
  Item(names::MenuGameNew)->trigger();
  EXPECT_FALSE(game.GameRunning);
  NewGameByOk();
  EXPECT_TRUE(game.GameRunning);
  EXPECT_EQ(game.Players[1].Name, "ANN");
  Exit();
}

TEST_F(NewGameWindow, ThePictureButtonsStayPressedAMomentAndTheDifficultyCycles) {
  Start();
  Game& game = GameState();
  game.Settings.LastIntellect = 2;
  const Skin skin(DataDir(dir_.path()), QStringLiteral("classic"));
  const QImage face =
      skin.Picture(QStringLiteral("edit_opt")).convertToFormat(QImage::Format_RGB32);
  const QImage pressed =
      skin.Picture(QStringLiteral("edit_op2")).convertToFormat(QImage::Format_RGB32);
  WhileOpen([&] {
    QLabel* button = Label("ButtonSelectDifficulty");
    // painted only on the screen
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window(), 2000));
    PaintWatch watch(*button);
    QElapsedTimer clock;
    clock.start();
    Click(button);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_EQ(game.Settings.LastIntellect, 3);
    EXPECT_EQ(Text("RxLabel2"), "МАСТЕР");
    const auto isPressed = [&](const QImage& image) {
      return image.convertToFormat(QImage::Format_RGB32) == pressed;
    };
    EXPECT_TRUE(std::ranges::any_of(watch.painted, isPressed)) << watch.painted.size();
    EXPECT_EQ(button->pixmap().toImage().convertToFormat(QImage::Format_RGB32), face);
    Click(button);
    EXPECT_EQ(Text("RxLabel2"), "НОВИЧОК");
    Click(button);
    EXPECT_EQ(Text("RxLabel2"), "ЛЮБИТЕЛЬ");
    EXPECT_EQ(game.Settings.LastIntellect, 2);
  });
  Exit();
}

TEST_F(NewGameWindow, TheAvatarChooserShowsEveryPictureAndGivesTheChosenOne) {
  Settings({"Player1=ANN", "Member1=ANN/Im0/Human/100"});
  Start();
  Game& game = GameState();
  const std::vector<Avatar> catalogue = AvatarCatalogue(game.Data);
  ASSERT_GT(catalogue.size(), 9u);
  TImageScreen& chooser = main_->AvatarChooser();
  bool looked = false;
  WhileOpen([&] {
    Later([&] {
      EXPECT_TRUE(chooser.isVisible());
      EXPECT_EQ(chooser.objectName(), "ImageScreen");
      EXPECT_EQ(chooser.size(), QSize(448, 284));
      EXPECT_EQ(chooser.pos(), Window().pos() + QPoint(-220, 180));
      EXPECT_EQ(chooser.findChild<QLabel*>("LabelChooseAvatar")->text(),
                "Выберите портрет участника");
      for (std::size_t k = 0; k < catalogue.size(); ++k) {
        const Avatar& avatar = catalogue[k];
        QLabel* picture = chooser.EntryPicture(avatar.name);
        ASSERT_NE(picture, nullptr) << avatar.name.toStdString();
        const int left = static_cast<int>(k % 3) * 120 + 8;
        const int top = static_cast<int>(k / 3) * 125 + 8;
        EXPECT_EQ(picture->geometry(), QRect(left, top, 110, 110));
        EXPECT_EQ(picture->toolTip(), avatar.hint);
        EXPECT_EQ(picture->movie() != nullptr, avatar.animated);
        auto* content = picture->parentWidget();
        EXPECT_EQ(content->findChild<QWidget*>("Shadow" + avatar.name)->geometry(),
                  QRect(left - 5, top + 7, 110, 110));
        EXPECT_EQ(content->findChild<QWidget*>("Frame" + avatar.name)->geometry(),
                  QRect(left - 2, top - 2, 115, 115));
      }
      EXPECT_EQ(catalogue.front().name, "Im0");
      EXPECT_NE(chooser.EntryPicture("pc0"), nullptr);
      EXPECT_TRUE(chooser.EntryPicture("Im2A")->movie()->state() == QMovie::Running);
      // more rows than the window shows: they scroll
      auto* scroll = chooser.findChild<QScrollArea*>("ScrollBox1");
      EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
      test::Shoot(chooser, QStringLiteral("avatar-chooser"));
      looked = true;
      Click(chooser.EntryPicture("Im11"));
    });
    Click(Label("TagPlayerImage"));
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(Window().ShownAvatar(), "Im11");
    EXPECT_EQ(game.Players[1].Avatar, "Im11");
    // the known player in the box takes it too
    EXPECT_EQ(game.Settings.Members[0].Avatar, "Im11");

    // cancelled by Esc and by its button: nothing changes
    Later([&] { QTest::keyClick(&chooser, Qt::Key_Escape); });
    Click(Label("TagPlayerImage"));
    Later([&] { Click(chooser.findChild<QLabel*>("ButtonCancel")); });
    Click(Label("TagPlayerImage"));
    EXPECT_EQ(game.Players[1].Avatar, "Im11");

    // an animation from the last rows, on the second tab
    ASSERT_TRUE(Window().ClickTab(1));
    Click(Radio("LabelPagePlayer"));
    const QString animated =
        catalogue.back().animated ? catalogue.back().name : catalogue[catalogue.size() - 2].name;
    Later([&] {
      auto* scroll = chooser.findChild<QScrollArea*>("ScrollBox1");
      scroll->ensureWidgetVisible(chooser.EntryPicture(animated));
      Click(chooser.EntryPicture(animated));
    });
    Click(Label("TagPlayerImage"));
    EXPECT_EQ(game.Players[2].Avatar, animated.toStdString());
    EXPECT_NE(Label("TagPlayerImage")->movie(), nullptr);
  });
  EXPECT_TRUE(looked);
  Exit();
}

TEST_F(NewGameWindow, AKnownPlayerChosenOnTheFirstTabBringsHisOwnSettings) {
  Settings({"Player1=ANN", "Member1=ANN/Im0/Human/100", "Member2=IVAN/Im12/Human/101"});
  test::WriteFile(dir_.path(), "ivan.ini",
                  test::GameFile({"InterfaceLang=rus", "DictionaryLang=eng", "LastIntellect=3",
                                  "LastPlayersNumber=3", "Player1=IVAN/Im12/Human/101",
                                  "Player2=ANN/Im0/Human/100", "Player3=Computer/pc0/PC/0"}));
  Start();
  Game& game = GameState();
  game.Settings.LastIntellect = 1;
  WhileOpen([&] {
    EXPECT_EQ(Window().NameBox().count(), 2);
    Choose(QStringLiteral("IVAN"));
    // Ann's settings as they were when she left
    EXPECT_TRUE(test::ReadFile(dir_.filePath("ann.ini")).contains("LastIntellect=1"));
    EXPECT_EQ(game.Settings.DictionaryLang, "eng");
    EXPECT_EQ(game.Alphabet.AlphabetSize, 26);
    EXPECT_EQ(Text("RxLabel7"), "АНГЛИЙСКИЙ");
    EXPECT_EQ(Text("RxLabel2"), "МАСТЕР");
    EXPECT_EQ(Text("RxLabel5"), "3");
    EXPECT_EQ(TabCaptions(), (QStringList{"ivan", "ann", "computer"}));
    EXPECT_EQ(Window().ShownAvatar(), "Im12");
    EXPECT_TRUE(Find<QLabel>(names::ScreenButtonTitleLastPlayer)->text().contains("IVAN"));

    // typing Ann's name back brings her settings back, and shows them before a game starts
    Retype(QStringLiteral("ann"));
    Click(Label("ButtonOK"));
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(game.Settings.DictionaryLang, "rus");
    EXPECT_EQ(game.Settings.LastIntellect, 1);
    EXPECT_EQ(game.Players[1].Name, "ANN");
    EXPECT_TRUE(test::ReadFile(dir_.filePath("ivan.ini")).contains("LastIntellect=3"));
  });
  Exit();
}

// The save window of the slots is another window's work: here it shows whose slots it lists.
class SlotWatchingScreen : public TMainScreen {
 public:
  using TMainScreen::TMainScreen;
  std::optional<int> ShowSaveGameWindow(SaveWindowMode, const std::function<void(int)>&) override {
    listed = GameState().Players[1];
    return std::nullopt;
  }
  std::optional<TPlayer> listed;
};

TEST_F(NewGameWindow, TheFourthLoadEntryListsTheSlotsOfKnownPlayerThreeAndCancelKeepsTheFirst) {
  Settings(
      {"Member1=ANN/Im0/Human/100", "Member2=BOB/Im1/Human/101", "Member3=EVE/Im2A/Human/102"});
  splash_ = std::make_unique<TSplashScreen>(DataDir(dir_.path()));
  auto screen = std::make_unique<SlotWatchingScreen>(DataDir(dir_.path()));
  SlotWatchingScreen& watching = *screen;
  main_ = std::move(screen);
  ASSERT_TRUE(main_->StartUp(*splash_));
  Game& game = GameState();
  // the fourth known player joins through the new game window
  WhileOpen([&] {
    ASSERT_TRUE(Window().ClickTab(1));
    Click(Radio("LabelPagePlayer"));
    Retype(QStringLiteral("olga"));
    ASSERT_TRUE(Window().ClickTab(0));
  });
  ASSERT_EQ(LoadCaptions(), (QStringList{"Ann...", "Bob...", "Eve...", "Olga..."}));
  const TPlayer first = game.Players[1];
  Item(QStringLiteral("Load3"))->trigger();
  ASSERT_TRUE(watching.listed.has_value());
  EXPECT_EQ(watching.listed->Name, "OLGA");
  EXPECT_EQ(watching.listed->SaveNumber, 103);
  EXPECT_EQ(game.Players[1].Name, first.Name);
  EXPECT_EQ(game.Players[1].SaveNumber, first.SaveNumber);
  Exit();
}

TEST_F(NewGameWindow, AGoneAvatarBecomesTheFirstAndAnUnreadableLayoutARandomOne) {
  Settings({"Member1=BOB/Im77/Human/100"});
  test::WriteFile(dir_.path(), "ann.ini",
                  test::GameFile({"InterfaceLang=rus", "DictionaryLang=rus", "PlayFieldDimX=20",
                                  "PlayFieldDimY=17", "Player1=Ann/Im88/Human/0",
                                  "Player2=Computer/pc0/PC/0"}));
  Start();
  Game& game = GameState();
  // the layout's file went after the start
  game.Settings.LastTemplate = QStringLiteral("gone.map");
  WhileOpen([&] {
    EXPECT_EQ(Text("RxLabel1"), "СЛУЧАЙНОЕ ПОЛЕ. 20x17");
    EXPECT_TRUE(game.Settings.LastTemplate.isEmpty());
    EXPECT_EQ(Window().ShownAvatar(), "Im0");
    EXPECT_EQ(game.Players[1].Avatar, "Im0");
    ASSERT_TRUE(Window().ClickTab(1));
    Click(Radio("LabelPagePlayer"));
    Choose(QStringLiteral("BOB"));
    EXPECT_EQ(game.Players[2].Name, "BOB");
    EXPECT_EQ(Window().ShownAvatar(), "Im0");
    EXPECT_EQ(game.Players[2].Avatar, "Im0");
    EXPECT_EQ(game.Settings.Members[0].Avatar, "Im0");
  });
  // the random layout is what the game then plays
  NewGameByOk();
  EXPECT_TRUE(game.GameRunning);
  EXPECT_EQ(game.PlayField.DimX(), 20);
  EXPECT_EQ(game.PlayField.DimY(), 17);
  Exit();
}

TEST_F(NewGameWindow, SpeaksEnglishWithTheEnglishTexts) {
  test::WriteFile(dir_.path(), "ann.ini",
                  test::GameFile({"InterfaceLang=eng", "DictionaryLang=eng"}));
  Start();
  WhileOpen([&] {
    EXPECT_EQ(Text("LabelLayout"), "Board:");
    EXPECT_EQ(Text("LabelPlayersQty"), "Players:");
    EXPECT_EQ(Radio("LabelPagePlayer")->text(), "Person");
    EXPECT_EQ(Label("ButtonOK")->toolTip(), "Start the game");
    EXPECT_EQ(Text("RxLabel7"), "ENGLISH");
    // the longer English caption is written smaller rather than cut off
    const QLabel* language = Label("LabelLanguage");
    EXPECT_EQ(language->text(), "Dictionary language:");
    EXPECT_LE(QFontMetrics(language->font()).horizontalAdvance(language->text()),
              language->width());
    EXPECT_EQ(Window().Tabs().Caption(0), "ann");
    EXPECT_EQ(main_->AvatarChooser().findChild<QLabel*>("LabelChooseAvatar")->text(),
              "Choose the player's picture");
    test::Shoot(Window(), QStringLiteral("newgame-english"));
  });
  Exit();
}

}  // namespace
}  // namespace quorim
