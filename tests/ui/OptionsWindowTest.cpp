// The options window driven as a person drives it: opened from the menu, F9 and the control panel,
// the locked controls of a running game, the score box, the hint slider, the layout page and its
// preview, the skins, the dictionary and interface languages switched while it is open, the music
// list editor, the word actions, and bad input.

#include "dictionary/Themes.h"
#include "flow/Clocks.h"
#include "ui/Optns.h"

#include "MainScreenFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

namespace quorim {
namespace {

using test::Later;

class OptionsWindow : public BoardScreen {
 protected:
  TOptions& Window() const { return *main_->OptionsWindow(); }
  template <typename W = QWidget>
  W* Control(const char* name) const {
    return main_->OptionsWindow()->findChild<W*>(QLatin1String(name));
  }
  Game& GameState() const { return main_->GameState(); }
  QTabWidget& Pages() const { return *Control<QTabWidget>("OptionsPageControl"); }

  // The window opens by the command, the steps run while it is open, and Esc closes it unless a
  // step did. Gives whether it closed with OK.
  bool WhileOpen(std::function<void()> steps, std::function<void()> open = {}) {
    test::Watchdog watchdog([this] { main_->CloseModalWindows(); }, 20000);
    bool shown = false;
    Later([this, &shown, steps = std::move(steps)] {
      shown = main_->OptionsWindow() != nullptr && Window().isVisible();
      ASSERT_TRUE(shown);
      steps();
      if (Window().isVisible()) QTest::keyClick(&Window(), Qt::Key_Escape);
    });
    if (open) {
      open();
      return shown && Window().result() == QDialog::Accepted;
    }
    return main_->OpenOptions(0);
  }

  void Click(const char* name) const {
    QAbstractButton* button = Control<QAbstractButton>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  void Ok() const { QTest::mouseClick(Control<QPushButton>("ButtonOK"), Qt::LeftButton); }
  bool Checked(const char* name) const { return Control<QAbstractButton>(name)->isChecked(); }
  bool Enabled(const char* name) const { return Control(name)->isEnabled(); }
  // The entry of a closed list box chosen with the arrow keys, as the keyboard chooses it.
  void Choose(const char* name, const QString& text) const {
    auto* box = Control<QComboBox>(name);
    const int wanted = box->findText(text);
    ASSERT_GE(wanted, 0) << text.toStdString();
    box->setFocus();
    while (box->currentIndex() < wanted) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > wanted) QTest::keyClick(box, Qt::Key_Up);
  }
  // A language list's entry by its code, named as the window names it.
  void ChooseLanguage(const char* name, const char* code) const {
    Choose(name, LanguageDisplayName(GameState().Locales, QString::fromLatin1(code),
                                     GameState().Settings.InterfaceLang));
  }
  // The music editor is usable only with background music on.
  void MusicOn() const {
    auto* group = Control<QGroupBox>("MusicGroupBackgroundMusic");
    if (!group->isChecked()) {
      group->setFocus();
      QTest::keyClick(group, Qt::Key_Space);
    }
    ASSERT_TRUE(group->isChecked());
  }
  // A message box the OK step shows: its text, and then it is closed.
  void ExpectMessageBoxLater(QString* text) {
    Later([text] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      *text = box->text();
      EXPECT_TRUE(box->windowTitle().isEmpty());
      box->accept();
    });
  }
};

TEST_F(OptionsWindow, TheMenuItemOnF9OpensItInSetUpMode) {
  Start();
  EXPECT_TRUE(Item(QStringLiteral("MenuGameConfig"))->isEnabled());
  bool opened = false;
  Later([&] {
    opened = Window().isVisible();
    EXPECT_EQ(Window().Hint(), u"FinishGame");
    EXPECT_EQ(Pages().currentIndex(), 0);
    EXPECT_EQ(Window().windowTitle(), u"Настройки");
    EXPECT_EQ(Pages().tabText(3), u"Ограничения");
    EXPECT_EQ(Pages().count(), 9);
    EXPECT_EQ(Pages().widget(8)->objectName(), u"TabSheetLanguages");
    QTest::keyClick(&Window(), Qt::Key_Escape);
  });
  EXPECT_EQ(Item(QStringLiteral("MenuGameConfig"))->shortcut(), QKeySequence(Qt::Key_F9));
  Item(QStringLiteral("MenuGameConfig"))->trigger();
  EXPECT_TRUE(opened);
  EXPECT_FALSE(Window().isVisible());
}

TEST_F(OptionsWindow, InGameModeLocksTheNextGamesOptionsAndOkKeepsTheLimits) {
  Start();
  GameState().Settings.LastLimits = "Score-300  Move-2 ";
  GameState().Settings.HintCount = 7;
  Game& game = NewGameOfTwo();
  ASSERT_EQ(game.Limits, "Score-300  Move-2 ");
  auto* button = Find<QLabel>(names::InGameButtongConfig);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isEnabled());
  const bool ok = WhileOpen(
      [&] {
        EXPECT_TRUE(Window().Hint().isEmpty());
        // the move clock stands still while the window is open
        EXPECT_FALSE(TimerRunning(game, GameTimer::Move));
        EXPECT_FALSE(Enabled("LimitsRadioButtonScore100"));
        EXPECT_FALSE(Enabled("LimitsRadioButtonNoLimits"));
        EXPECT_FALSE(Enabled("Edit3"));
        EXPECT_FALSE(Enabled("LimitsMoveTime"));
        EXPECT_FALSE(Enabled("LimitsComboboxListMoveTime"));
        EXPECT_FALSE(Enabled("LimitsWordLengthNoLess"));
        EXPECT_FALSE(Enabled("TrackBar2"));
        EXPECT_FALSE(Enabled("HintCountLabel3"));
        EXPECT_FALSE(Enabled("TabSheetLayout"));
        EXPECT_FALSE(Enabled("ComboBox1"));
        EXPECT_TRUE(Checked("LimitsRadioButtonScore300"));
        EXPECT_TRUE(Checked("LimitsMoveTime"));
        EXPECT_EQ(Control<QComboBox>("LimitsComboboxListMoveTime")->currentIndex(), 1);
        EXPECT_EQ(Control<QSlider>("TrackBar2")->value(), 2);
        EXPECT_TRUE(Enabled("CommonShowPCwords"));
        Click("CommonShowPCwords");
        Ok();
      },
      [&] { QTest::mouseClick(button, Qt::LeftButton); });
  EXPECT_TRUE(ok);
  EXPECT_EQ(game.Limits, "Score-300  Move-2 ");
  EXPECT_EQ(game.Settings.LastLimits, "Score-300  Move-2 ");
  EXPECT_EQ(game.Settings.HintCount, 7);
  EXPECT_TRUE(game.Settings.ShowPCWords);
  EXPECT_TRUE(game.GameRunning);
  EXPECT_EQ(TimerRunning(game, GameTimer::Move), game.TurnPhase == TTurnPhase::MovePhase);
}

TEST_F(OptionsWindow, DuringAGameAFullScreenChangeWaitsForTheNextStart) {
  Game& game = StartGameOfTwo();
  QString shown;
  Later(
      [&] {
        EXPECT_TRUE(main_->MessageWindowOpen());
        shown = Find<QLabel>(QStringLiteral("MessageLabel"))->text();
        main_->MessageWindow().Answer(true);
      },
      400);
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(7);
    Click("SkinFullScreenAlways");
    Click("SkinShadows");
    Ok();
  }));
  EXPECT_TRUE(shown.contains(game.InterfaceText(u"OptionsMessageChangeFullScreen")));
  EXPECT_TRUE(game.Settings.FullScreen);
  EXPECT_FALSE(main_->isFullScreen());
  EXPECT_TRUE(game.GameRunning);
}

TEST_F(OptionsWindow, AUserScoreOfZeroIsRefusedOnlyWithItsRadioButton) {
  Start();
  QString message;
  bool stillOpen = false;
  EXPECT_TRUE(WhileOpen([&] {
    Click("LimitsRadioButtonScoreUserSelected");
    QTest::keyClicks(Control<QLineEdit>("Edit3"), QStringLiteral("0"));
    Pages().setCurrentIndex(0);
    ExpectMessageBoxLater(&message);
    Ok();
    stillOpen = Window().isVisible();
    EXPECT_EQ(Pages().currentIndex(), 3);
    EXPECT_EQ(Control<QLineEdit>("Edit3")->text(), u"O");
    // the same text with another radio button is taken
    Click("LimitsRadioButtonScore500");
    Ok();
  }));
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(message, GameState().InterfaceText(u"OptionsMessageWrongScore"));
  EXPECT_EQ(GameState().Settings.LastLimits, "Score-500 ");
}

TEST_F(OptionsWindow, LettersInTheScoreBoxChooseItAndAreRefused) {
  Start();
  QString message;
  EXPECT_TRUE(WhileOpen([&] {
    QTest::keyClicks(Control<QLineEdit>("Edit3"), QStringLiteral("7a"));
    EXPECT_EQ(Control<QLineEdit>("Edit3")->text(), u"7A");
    EXPECT_TRUE(Checked("LimitsRadioButtonScoreUserSelected"));
    ExpectMessageBoxLater(&message);
    Ok();
    EXPECT_TRUE(Window().isVisible());
    QLineEdit* edit = Control<QLineEdit>("Edit3");
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("750"));
    Click("LimitsMoveTime");
    Choose("LimitsComboboxListMoveTime", QStringLiteral("4 минуты"));
    Ok();
  }));
  EXPECT_FALSE(message.isEmpty());
  EXPECT_EQ(GameState().Settings.LastLimits, "Score-750  Move-4 ");
}

TEST_F(OptionsWindow, TheLimitRadioButtonsFollowEachOther) {
  Start();
  WhileOpen([&] {
    Pages().setCurrentIndex(3);
    Click("LimitsRadioButtonScore100");
    Click("LimitsMoveTime");
    EXPECT_TRUE(Enabled("LimitsComboboxListMoveTime"));
    EXPECT_TRUE(Checked("LimitsRadioButtonScore100"));
    Click("LimitsRadioButtonTime30minutes");
    EXPECT_FALSE(Checked("LimitsMoveTime"));
    EXPECT_FALSE(Enabled("LimitsComboboxListMoveTime"));
    Click("LimitsMoveTime");
    EXPECT_FALSE(Checked("LimitsRadioButtonTime30minutes"));
    Click("LimitsRadioButtonNoLimits");
    EXPECT_FALSE(Checked("LimitsMoveTime"));
    EXPECT_FALSE(Enabled("LimitsComboboxListLetter"));
    Click("LimitsWordLengthNoLess");
    EXPECT_TRUE(Enabled("LimitsComboboxListLetter"));
    // entering the score box chooses the score of one's own
    QFocusEvent entered(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(Control("Edit3"), &entered);
    EXPECT_TRUE(Checked("LimitsRadioButtonScoreUserSelected"));
    Click("LimitsRadioButtonNoLimits");
    Choose("LimitsComboboxListLetter", QStringLiteral("5 букв"));
    Ok();
  });
  EXPECT_EQ(GameState().Settings.LastLimits, "");
  EXPECT_EQ(GameState().Settings.LastWordLengthLimit, 4);
}

TEST_F(OptionsWindow, HintSliderPositionFourStoresUnlimitedHints) {
  Start();
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(6);
    auto* slider = Control<QSlider>("TrackBar2");
    EXPECT_EQ(slider->value(), 1);  // the default five hints
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(slider->value(), 4);
    Ok();
  }));
  EXPECT_EQ(GameState().Settings.HintCount, kHintsUnlimited);
  EXPECT_EQ(GameState().HintsLeft, kHintsUnlimited);
}

TEST_F(OptionsWindow, TheLayoutPageShowsTheTemplateOrTheRandomLook) {
  Start();
  GameState().Settings.LastTemplate = QStringLiteral("classic.map");
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(5);
    auto* preview = Control<TMapPreview>("MapPreview");
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(Checked("LayoutRadioButtonFromFile"));
    EXPECT_EQ(preview->Shown().dimX, 15);
    auto* list = Control<QComboBox>("ComboBox2");
    Choose("ComboBox2", list->itemText(list->findText(QStringLiteral("(30x"), Qt::MatchContains)));
    EXPECT_EQ(preview->Shown().dimX, 30);
    auto* width = Control<QSpinBox>("DimX_SpinEdit");
    width->setFocus();
    QTest::keyClick(width, Qt::Key_Up);
    EXPECT_TRUE(Checked("LayoutRadioButtonRandom"));
    EXPECT_EQ(Control<QSpinBox>("DimY_SpinEdit")->value(), 16);  // a square board
    EXPECT_EQ(preview->Shown().dimX, 16);
    Click("LayoutRandomIsSquareLayout");
    QTest::keyClick(width, Qt::Key_Up);
    EXPECT_EQ(Control<QSpinBox>("DimY_SpinEdit")->value(), 16);
    const QImage picture = preview->grab().toImage();
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(192, 192, 192));
    Ok();
  }));
  EXPECT_TRUE(GameState().Settings.LastTemplate.isEmpty());
  EXPECT_EQ(GameState().Settings.PlayFieldDimX, 17);
  EXPECT_EQ(GameState().Settings.PlayFieldDimY, 16);
}

TEST_F(OptionsWindow, ALayoutFileThatVanishedLeavesARandomLayoutAndNoCrash) {
  Start();
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(5);
    Choose("ComboBox2", Control<QComboBox>("ComboBox2")
                            ->itemText(Control<QComboBox>("ComboBox2")
                                           ->findText(QStringLiteral("(30x"), Qt::MatchContains)));
    for (const QString& map : QDir(dir_.path() + QStringLiteral("/MAPS")).entryList({"*.map"}))
      if (map != u"classic.map") QFile::remove(dir_.path() + QStringLiteral("/MAPS/") + map);
    Ok();
  }));
  EXPECT_TRUE(GameState().Settings.LastTemplate.isEmpty());
  // the list opens again without the file
  WhileOpen([&] { EXPECT_EQ(Control<QComboBox>("ComboBox2")->count(), 1); });
}

TEST_F(OptionsWindow, ASkinChangeLeavesTheLayoutAndSaysItComesNextStart) {
  Start();
  GameState().Settings.LastTemplate = QStringLiteral("diamond.map");
  Later([this] { main_->MessageWindow().Answer(true); }, 300);
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(7);
    Choose("ComboBox3", QStringLiteral("night"));
    Ok();
  }));
  EXPECT_EQ(GameState().Settings.Skin, u"night");
  EXPECT_EQ(GameState().Settings.LastTemplate, u"diamond.map");
}

TEST_F(OptionsWindow, SwitchingTheDictionaryLanguageAndBackKeepsEachLanguagesChoices) {
  Start();
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(1);
    Click("DictionaryRadioButtonSizeChildren");
    Pages().setCurrentIndex(8);
    ChooseLanguage("ComboBox4", "eng");
    EXPECT_EQ(GameState().Settings.DictionaryLang, u"eng");
    Pages().setCurrentIndex(1);
    EXPECT_FALSE(Checked("DictionaryRadioButtonSizeChildren"));
    Click("DictionaryRadioButtonSizeExtended");
    Pages().setCurrentIndex(8);
    ChooseLanguage("ComboBox4", "rus");
    EXPECT_TRUE(Checked("DictionaryRadioButtonSizeChildren"));
    ChooseLanguage("ComboBox4", "eng");
    EXPECT_TRUE(Checked("DictionaryRadioButtonSizeExtended"));
    Ok();
  }));
  EXPECT_EQ(StoredDictionarySize(GameState(), QStringLiteral("eng")), DictionarySize::Extended);
  // the Russian marks are kept though the current language is English
  const std::string rus = DictionaryLimitValue(GameState().Settings.DictionaryLimits, "Limrus");
  EXPECT_EQ(rus.size(), 1u);
}

TEST_F(OptionsWindow, TheThemesPanelTakesThePlaceOfTheSizes) {
  Start();
  WhileOpen([&] {
    Pages().setCurrentIndex(1);
    auto* button = Control<QPushButton>("DictionaryButtonThemes");
    EXPECT_EQ(button->text(), GameState().InterfaceText(u"NewGameButtonDictionaryTheme"));
    Click("DictionaryButtonThemes");
    EXPECT_TRUE(Control("Panel2")->isVisible());
    EXPECT_FALSE(Control("DictionaryRadioButtonSizeMax")->isVisible());
    EXPECT_EQ(button->text(), GameState().InterfaceText(u"NewGameButtonDictionaryConfig"));
    EXPECT_GT(Control<QListWidget>("ThemesTipListBox")->count(), 0);
    Click("DictionaryGroupUseUserDictionary");
  });
}

TEST_F(OptionsWindow,
       TheAlphabetEditorTakesThePlaceOfTheLanguageListsAndThePanelsOutliveRelabelling) {
  Start();
  WhileOpen([&] {
    Pages().setCurrentIndex(1);
    Click("DictionaryButtonThemes");
    Pages().setCurrentIndex(8);
    auto* button = Control<QPushButton>("LanguageButtonAlphabet");
    EXPECT_EQ(button->text(), GameState().InterfaceText(u"LanguageButtonAlphabetConfig"));
    ChooseLanguage("ComboBox1", "eng");
    EXPECT_EQ(button->text(), u"Alphabet");
    EXPECT_EQ(button->toolTip(), GameState().InterfaceText(u"TagButtonAlphabetConfig"));
    Click("LanguageButtonAlphabet");
    EXPECT_TRUE(Control("Panel4")->isVisible());
    EXPECT_FALSE(Control("ComboBox1")->isVisible());
    EXPECT_EQ(button->text(), u"Languages");
    EXPECT_EQ(button->toolTip(), GameState().InterfaceText(u"TagButtonLanguageConfig"));
    Click("LanguageButtonAlphabet");
    EXPECT_FALSE(Control("Panel4")->isVisible());
    EXPECT_TRUE(Control("ComboBox1")->isVisible());
    // the themes opened on their page stayed open through the new language's captions
    Pages().setCurrentIndex(1);
    EXPECT_TRUE(Control("Panel2")->isVisible());
  });
}

TEST_F(OptionsWindow, TheInterfaceLanguageChangesEveryWindowAtOnce) {
  Start();
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(3);
    Click("LimitsMoveTime");
    Choose("LimitsComboboxListMoveTime", QStringLiteral("3 минуты"));
    Pages().setCurrentIndex(8);
    ChooseLanguage("ComboBox1", "eng");
    EXPECT_EQ(Pages().tabText(0), u"General");
    EXPECT_EQ(Control<QPushButton>("ButtonCancel")->text(), u"Cancel");
    EXPECT_EQ(Item(QStringLiteral("MenuGameConfig"))->text(), u"Options");
    EXPECT_EQ(Control<QComboBox>("LimitsComboboxListMoveTime")->currentText(), u"3 minutes");
    EXPECT_EQ(Control<QComboBox>("ComboBox1")->currentText(), u"English");
    Ok();
  }));
  EXPECT_EQ(GameState().Settings.InterfaceLang, u"eng");
  EXPECT_EQ(GameState().Settings.LastLimits, " Move-3 ");
}

TEST_F(OptionsWindow, RemovingAllSongsLeavesAnEmptySongList) {
  Start();
  const QString songs = dir_.path() + QStringLiteral("/MEDIA/songs.lst");
  ASSERT_GT(QFileInfo(songs).size(), 0);
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(4);
    MusicOn();
    auto* list = Control<QListWidget>("MusicListboxSelectedSongs");
    EXPECT_GT(list->count(), 0);
    EXPECT_TRUE(Enabled("MusicButtonRemoveAll"));
    Click("MusicButtonRemoveAll");
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(Enabled("MusicButtonRemove"));
    Ok();
  }));
  EXPECT_TRUE(QFileInfo::exists(songs));
  EXPECT_EQ(QFileInfo(songs).size(), 0);
}

TEST_F(OptionsWindow, SongsAreAddedFromTheFolderOnce) {
  Start();
  QFile::remove(dir_.path() + QStringLiteral("/MEDIA/songs.lst"));
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(4);
    MusicOn();
    auto* files = Control<QListWidget>("FileListBox1");
    ASSERT_GT(files->count(), 4);  // the MIDI songs and the mp3 samples
    Click("MusicButtonAddAll");
    const int all = Control<QListWidget>("MusicListboxSelectedSongs")->count();
    EXPECT_EQ(all, files->count());
    Click("MusicButtonAddAll");
    EXPECT_EQ(Control<QListWidget>("MusicListboxSelectedSongs")->count(), all);
    auto* songs = Control<QListWidget>("MusicListboxSelectedSongs");
    songs->setCurrentRow(0);
    Click("MusicButtonRemove");
    EXPECT_EQ(songs->count(), all - 1);
    EXPECT_EQ(Window().EditedSongs().front().Folder, u"MEDIA\\");
    Ok();
  }));
  SongList written;
  ASSERT_TRUE(written.Load(dir_.path() + QStringLiteral("/MEDIA/songs.lst"), 1251));
  EXPECT_GT(written.Count(), 3);
}

TEST_F(OptionsWindow, AMusicFolderThatDoesNotExistListsNothing) {
  Start();
  EXPECT_TRUE(WhileOpen([&] {
    Pages().setCurrentIndex(4);
    MusicOn();
    auto* folder = Control<QLineEdit>("DirectoryEdit");
    folder->selectAll();
    QTest::keyClicks(folder, dir_.path() + QStringLiteral("/no such folder"));
    EXPECT_EQ(Control<QListWidget>("FileListBox1")->count(), 0);
    EXPECT_FALSE(Enabled("MusicButtonAdd"));
    EXPECT_FALSE(Enabled("MusicButtonAddAll"));
    Ok();
  }));
  EXPECT_EQ(QDir::currentPath(), QDir(dir_.path()).absolutePath());
}

TEST_F(OptionsWindow, AWordActionOpensTheUserWordsPageWithoutCancel) {
  Start();
  bool shown = false;
  Later([&] {
    shown = Window().isVisible();
    EXPECT_EQ(Window().Tag(), 22);
    EXPECT_EQ(Pages().currentIndex(), 2);
    EXPECT_FALSE(Enabled("ButtonCancel"));
    // the page's own controls speak the language from the first opening on
    EXPECT_FALSE(Control<QPushButton>("UserDictionaryButtonWordAdd")->text().isEmpty());
    EXPECT_FALSE(Control<QLabel>("UserDictionaryLabelAddedWords")->text().isEmpty());
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_TRUE(Window().isVisible());
    QTest::keyClick(&Window(), Qt::Key_Return);
  });
  main_->OpenUserDictionaryOptions(UserListField::Added, QStringLiteral("КОТ"));
  EXPECT_TRUE(shown);
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(Window().result(), QDialog::Accepted);
}

TEST_F(OptionsWindow, TheNewGameWindowOpensItsPages) {
  Start();
  int page = -1;
  Later([&] {
    auto* button = main_->NewGameWindow().findChild<QLabel*>(QStringLiteral("ButtonSelectLimits"));
    ASSERT_TRUE(button->isEnabled());
    Later([&] {
      page = Pages().currentIndex();
      EXPECT_EQ(Window().Hint(), u"FinishGame");
      Click("LimitsRadioButtonScore100");
      Ok();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(&main_->NewGameWindow(), Qt::Key_Escape);
  });
  main_->ShowNewGameWindow();
  EXPECT_EQ(page, 3);
  EXPECT_EQ(GameState().Settings.LastLimits, "Score-100 ");
}

// Pictures of every page in both languages for a person to look at:
// QUORIM_OPTIONS_SHOTS=/some/folder ui_tests --gtest_filter=*Screenshots*
TEST_F(OptionsWindow, Screenshots) {
  const QString folder = qEnvironmentVariable("QUORIM_OPTIONS_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "QUORIM_OPTIONS_SHOTS names no folder";
  Start();
  for (const char* lang : {"rus", "eng"}) {
    WhileOpen([&] {
      ChooseLanguage("ComboBox1", lang);
      for (int page = 0; page < Pages().count(); ++page) {
        Pages().setCurrentIndex(page);
        // the English pictures show the themes and a music editor that is on
        if (page == 1 && QLatin1String(lang) == u"eng") Click("DictionaryButtonThemes");
        if (page == 4 && QLatin1String(lang) == u"eng") MusicOn();
        QApplication::processEvents();
        Window().grab().save(QStringLiteral("%1/%2-%3-%4.png")
                                 .arg(folder, QLatin1String(lang))
                                 .arg(page)
                                 .arg(Pages().widget(page)->objectName()));
      }
      Ok();
    });
  }
}

}  // namespace
}  // namespace quorim
