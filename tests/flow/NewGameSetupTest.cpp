// The rules of the new game window: participants and their kinds, names typed, chosen and
// remembered with their save numbers, the difficulty cycle and the summaries.

#include "flow/NewGameSetup.h"

#include "dictionary/Themes.h"
#include "media/CodePages.h"
#include "persistence/SettingsFiles.h"

#include "ShippedGame.h"
#include "TestFiles.h"

#include <QFileInfo>

namespace quorim {
namespace {

std::string G(const char* utf8) {
  return ToGameText(QString::fromUtf8(utf8), 1251);
}

class NewGameSetup : public test::ShippedGame<> {
 protected:
  NewGameSetup() {
    game_.Strings.Prepare();
    game_.SetPlayerCount(2);
    game_.Players[1] = {.Name = "ANN", .Avatar = "Im1", .Kind = kHuman};
    game_.Players[2] = {.Name = G("Компьютер"), .Avatar = "pc0", .Kind = kComputer};
  }

  std::vector<Avatar> avatars_ = AvatarCatalogue(game_.Data);
};

TEST_F(NewGameSetup, ParticipantsComeAndGoBetweenTwoAndEight) {
  EXPECT_FALSE(RemoveParticipant(game_));
  EXPECT_EQ(game_.PlayerCount(), 2);
  for (int count = 3; count <= 8; ++count) {
    ASSERT_TRUE(AddParticipant(game_));
    EXPECT_EQ(game_.Settings.LastPlayersNumber, count);
    EXPECT_EQ(game_.PlayedWords.size(), static_cast<std::size_t>(count + 1));
    EXPECT_EQ(game_.Players[count].Name, G("Игрок"));
    EXPECT_EQ(game_.Players[count].Avatar, "Im0");
    EXPECT_EQ(game_.Players[count].Kind, kHuman);
  }
  EXPECT_FALSE(AddParticipant(game_));
  EXPECT_EQ(game_.PlayerCount(), 8);
  ASSERT_TRUE(RemoveParticipant(game_));
  EXPECT_EQ(game_.Settings.LastPlayersNumber, 7);
  EXPECT_EQ(game_.Players.size(), 8u);
}

TEST_F(NewGameSetup, TheFirstParticipantIsNeverTheComputer) {
  MakeComputer(game_, 1);
  EXPECT_EQ(game_.Players[1].Kind, kHuman);
  EXPECT_EQ(game_.Players[1].Name, "ANN");

  // a person made the computer and back takes the default names and pictures
  game_.Players[2] = {.Name = "BOB", .Avatar = "Im2", .SaveNumber = 101, .Kind = kHuman};
  EXPECT_FALSE(MakePerson(game_, 2));
  EXPECT_EQ(game_.Players[2].Name, "BOB");
  MakeComputer(game_, 2);
  EXPECT_EQ(game_.Players[2].Name, G("Компьютер"));
  EXPECT_EQ(game_.Players[2].Avatar, "pc0");
  EXPECT_EQ(game_.Players[2].Kind, kComputer);
  EXPECT_TRUE(MakePerson(game_, 2));
  EXPECT_EQ(game_.Players[2].Name, G("Игрок"));
  EXPECT_EQ(game_.Players[2].Avatar, "Im0");
  EXPECT_EQ(game_.Players[2].Kind, kHuman);
}

TEST_F(NewGameSetup, ANewLowerCaseNameIsRememberedInCapitalsWithItsSaveNumber) {
  game_.Settings.Members = {{.Name = "ANN", .Avatar = "Im1", .SaveNumber = 100}};
  TakeTypedName(game_, 2, QStringLiteral("bob"));
  EXPECT_EQ(game_.Players[2].Name, "bob");
  EXPECT_EQ(game_.Players[2].Kind, kHuman);
  EXPECT_EQ(game_.Players[2].Avatar, "Im0");

  const CommittedName bob = CommitName(game_, 2, QStringLiteral("bob"), "Im4", avatars_);
  EXPECT_EQ(bob.name, "BOB");
  EXPECT_TRUE(bob.remembered);
  EXPECT_EQ(bob.knownPlayer, 1);
  ASSERT_EQ(game_.Settings.Members.size(), 2u);
  const TPlayer& member = game_.Settings.Members[1];
  EXPECT_EQ(member.Name, "BOB");
  EXPECT_EQ(member.SaveNumber, 101);
  EXPECT_EQ(member.Avatar, "Im4");
  EXPECT_EQ(member.Kind, kHuman);
  EXPECT_EQ(game_.Players[2].Name, "BOB");
  EXPECT_EQ(game_.Players[2].SaveNumber, 101);
  EXPECT_EQ(game_.Players[2].Avatar, "Im4");
  EXPECT_EQ(KnownPlayerNames(game_), (std::vector<std::string>{"ANN", "BOB"}));

  // written and read back with the main settings file
  ASSERT_TRUE(WriteMainSettings(game_));
  game_.Settings.Members.clear();
  ReadMainSettings(game_);
  ASSERT_EQ(game_.Settings.Members.size(), 2u);
  EXPECT_EQ(ParticipantEntry(game_.Settings.Members[1]), "BOB/Im4/Human/101");
}

TEST_F(NewGameSetup, ANameHoldsNoSeparatorOfTheRecordFiles) {
  EXPECT_TRUE(NameTextAllowed(QString::fromUtf8("Анна-Мария")));
  for (const char* name : {"A/B", "A=B", "A,B", "(A", "A)"})
    EXPECT_FALSE(NameTextAllowed(QString::fromLatin1(name))) << name;
}

TEST_F(NewGameSetup, TheDefaultPersonsNameHasSaveNumberNought) {
  game_.Settings.Members = {{.Name = "ANN", .SaveNumber = 100}, {.Name = "BOB", .SaveNumber = 101}};
  const CommittedName player = CommitName(game_, 1, QString::fromUtf8("игрок"), "Im0", avatars_);
  EXPECT_EQ(player.name, G("ИГРОК"));
  EXPECT_TRUE(player.remembered);
  ASSERT_EQ(game_.Settings.Members.size(), 3u);
  EXPECT_EQ(game_.Settings.Members[2].SaveNumber, 0);
  EXPECT_EQ(game_.Players[1].SaveNumber, 0);
}

TEST_F(NewGameSetup, TheComputersNameAndAKnownNameAreNotRememberedAgain) {
  game_.Settings.Members = {{.Name = "ANN", .Avatar = "Im1", .SaveNumber = 100},
                            {.Name = "BOB", .Avatar = "Im10", .SaveNumber = 101}};
  const CommittedName computer =
      CommitName(game_, 1, QString::fromUtf8("компьютер"), "Im0", avatars_);
  EXPECT_FALSE(computer.remembered);
  EXPECT_FALSE(computer.knownPlayer);
  EXPECT_EQ(game_.Settings.Members.size(), 2u);

  // a known name typed in lower case brings the known player's record
  game_.Players[1] = {.Name = "bob", .Avatar = "Im0", .SaveNumber = 0, .Kind = kHuman};
  const CommittedName bob = CommitName(game_, 1, QStringLiteral(" bob"), "Im0", avatars_);
  EXPECT_FALSE(bob.remembered);
  EXPECT_EQ(bob.knownPlayer, 1);
  EXPECT_EQ(game_.Settings.Members.size(), 2u);
  EXPECT_EQ(game_.Players[1].Name, "BOB");
  EXPECT_EQ(game_.Players[1].SaveNumber, 101);
  EXPECT_EQ(game_.Players[1].Avatar, "Im10");

  // a computer participant's box cannot be typed in: he keeps his name
  const CommittedName pc = CommitName(game_, 2, QStringLiteral("zed"), "Im0", avatars_);
  EXPECT_EQ(pc.name, G("Компьютер"));
  EXPECT_EQ(game_.Settings.Members.size(), 2u);
}

TEST_F(NewGameSetup, ATwentyFirstNameIsNotRememberedAndSharesNoKnownPlayersSave) {
  for (int i = 0; i < kMaxKnownPlayers; ++i) {
    std::string name(1, 'P');
    name += std::to_string(i);
    game_.Settings.Members.push_back(
        {.Name = name, .SaveNumber = static_cast<std::uint8_t>(100 + i)});
  }
  game_.Players[1].SaveNumber = 105;
  const CommittedName zed = CommitName(game_, 1, QStringLiteral("zed"), "Im2", avatars_);
  EXPECT_FALSE(zed.remembered);
  EXPECT_FALSE(zed.knownPlayer);
  EXPECT_EQ(game_.Settings.Members.size(), 20u);
  EXPECT_EQ(game_.Players[1].Name, "ZED");
  EXPECT_EQ(game_.Players[1].SaveNumber, 0);
  EXPECT_EQ(game_.Players[1].Avatar, "Im2");

  // a free place among the twenty is taken first
  game_.Settings.Members[3].Name.clear();
  const CommittedName again = CommitName(game_, 1, QStringLiteral("zed"), "Im2", avatars_);
  EXPECT_TRUE(again.remembered);
  EXPECT_EQ(again.knownPlayer, 3);
  EXPECT_EQ(game_.Settings.Members[3].SaveNumber, 103);
  // but the box lists the known players only up to the first nameless entry
  game_.Settings.Members[5].Name.clear();
  EXPECT_EQ(KnownPlayerNames(game_).size(), 5u);
}

TEST_F(NewGameSetup, AKnownPlayerWhoseAvatarIsGoneGetsTheFirstPicture) {
  game_.Settings.Members = {{.Name = "ANN", .Avatar = "Im1", .SaveNumber = 100},
                            {.Name = "BOB", .Avatar = "Im99", .SaveNumber = 101}};
  TakeKnownPlayer(game_, 2, 1, avatars_);
  EXPECT_EQ(game_.Players[2].Name, "BOB");
  EXPECT_EQ(game_.Players[2].Avatar, "Im0");
  EXPECT_EQ(game_.Settings.Members[1].Avatar, "Im0");
  EXPECT_EQ(AvailableAvatar(avatars_, "pc0"), "pc0");
  EXPECT_EQ(AvailableAvatar(avatars_, "Im2A"), "Im2A");  // droid.gif
  EXPECT_EQ(AvailableAvatar(avatars_, "Im1A"), "Im0");   // boris.bmp is no animation

  ChooseAvatar(game_, 2, "Im12", 1);
  EXPECT_EQ(game_.Players[2].Avatar, "Im12");
  EXPECT_EQ(game_.Settings.Members[1].Avatar, "Im12");
  ChooseAvatar(game_, 2, "Im11", std::nullopt);
  EXPECT_EQ(game_.Settings.Members[1].Avatar, "Im12");
}

TEST_F(NewGameSetup, ChoosingAKnownPlayerFirstSavesThePlayerBeforeThenReadsHisSettings) {
  game_.Settings.Members = {{.Name = "ANN", .SaveNumber = 100},
                            {.Name = "IVAN", .Avatar = "Im2", .SaveNumber = 101}};
  game_.Settings.LastIntellect = 3;
  test::WriteFile(
      links_.Root(), "ivan.ini",
      test::GameFile({"LastIntellect=1", "LastPlayersNumber=3", "Player1=IVAN/Im2/Human/101",
                      "Player2=ANN/Im1/Human/100", "Player3=Computer/pc0/PC/0",
                      "DictionaryLang=eng", "InterfaceLang=xyz", "LastLimits=Time-20 "}));
  ASSERT_TRUE(SwitchFirstParticipant(game_, "ANN", 1, avatars_));
  // Ann's settings as they were
  ASSERT_TRUE(QFileInfo::exists(links_.Root() + "/ann.ini"));
  EXPECT_TRUE(test::ReadFile(links_.Root() + "/ann.ini").contains("LastIntellect=3"));
  // Ivan's own, with his dictionary language but not the interface language nobody installed
  EXPECT_EQ(game_.Settings.LastIntellect, 1);
  EXPECT_EQ(game_.PlayerCount(), 3);
  EXPECT_EQ(game_.Players[1].Name, "IVAN");
  EXPECT_EQ(game_.Players[1].SaveNumber, 101);
  EXPECT_EQ(game_.Players[3].Kind, kComputer);
  EXPECT_EQ(game_.Settings.DictionaryLang, "eng");
  EXPECT_EQ(game_.Settings.InterfaceLang, "rus");
  EXPECT_EQ(game_.Alphabet.AlphabetSize, 26);
  EXPECT_EQ(LimitsSummary(game_), QString::fromUtf8("ПАРТИЯ НА 20 МИН\n"));

  // one player whatever the letter case of his name: one settings file
  EXPECT_TRUE(SamePlayer(game_, "Ivan", "IVAN"));
  EXPECT_TRUE(SamePlayer(game_, G("Игрок"), G("ИГРОК")));
  EXPECT_FALSE(SamePlayer(game_, "IVAN", "ANN"));

  // Without a settings file of his own only his record is taken
  game_.Settings.Members.push_back({.Name = "OLGA", .Avatar = "Im3", .SaveNumber = 102});
  EXPECT_FALSE(SwitchFirstParticipant(game_, "IVAN", 2, avatars_));
  EXPECT_EQ(game_.Players[1].Name, "OLGA");
  EXPECT_EQ(game_.PlayerCount(), 3);
  EXPECT_TRUE(test::ReadFile(links_.Root() + "/ivan.ini").contains("LastIntellect=1"));
}

TEST_F(NewGameSetup, TheDifficultyCycles) {
  game_.Settings.LastIntellect = 1;
  EXPECT_EQ(IntellectSummary(game_), QString::fromUtf8("НОВИЧОК"));
  CycleIntellect(game_);
  EXPECT_EQ(game_.Settings.LastIntellect, 2);
  EXPECT_EQ(IntellectSummary(game_), QString::fromUtf8("ЛЮБИТЕЛЬ"));
  CycleIntellect(game_);
  EXPECT_EQ(IntellectSummary(game_), QString::fromUtf8("МАСТЕР"));
  CycleIntellect(game_);
  EXPECT_EQ(game_.Settings.LastIntellect, 1);
}

TEST_F(NewGameSetup, TheLimitsSummaries) {
  game_.Settings.LastLimits = "";
  EXPECT_EQ(LimitsSummary(game_), QString::fromUtf8("БЕЗ ОГРАНИЧЕНИЙ"));
  game_.Settings.LastLimits = "Score-300 ";
  EXPECT_EQ(LimitsSummary(game_), QString::fromUtf8("ИГРА ДО СЧЁТА 300\n"));
  game_.Settings.LastLimits = "Time-30 ";
  EXPECT_EQ(LimitsSummary(game_), QString::fromUtf8("ПАРТИЯ НА 30 МИН\n"));
  game_.Settings.LastLimits = "Score-1200 Move-2 ";
  EXPECT_EQ(LimitsSummary(game_), QString::fromUtf8("ИГРА ДО СЧЁТА 1200\n2 МИНУТЫ НА ХОД"));
  game_.Settings.LastLimits = " Move-9 ";
  EXPECT_EQ(LimitsSummary(game_), QString::fromUtf8("9 МИНУТ НА ХОД"));
}

TEST_F(NewGameSetup, TheLayoutSummaryReadsTheTemplateAndAnUnreadableOneMakesItRandom) {
  game_.Settings.LastTemplate = QStringLiteral("wide.map");
  const QString wide = LayoutSummary(game_);
  EXPECT_TRUE(wide.startsWith(QString::fromUtf8("ШИРОКОЕ ("))) << wide.toStdString();
  EXPECT_EQ(wide, wide.toUpper());
  EXPECT_EQ(wide, QString::fromUtf8("ШИРОКОЕ (%1X%2)")
                      .arg(game_.Settings.PlayFieldDimX)
                      .arg(game_.Settings.PlayFieldDimY));
  EXPECT_NE(game_.Settings.PlayFieldDimX, game_.Settings.PlayFieldDimY);

  game_.Settings.LastTemplate = QStringLiteral("classic.map");
  EXPECT_EQ(LayoutSummary(game_), QString::fromUtf8("КЛАССИЧЕСКОЕ (15X15)"));

  game_.Settings.LastTemplate = QStringLiteral("gone.map");
  game_.Settings.PlayFieldDimX = 20;
  game_.Settings.PlayFieldDimY = 17;
  EXPECT_EQ(LayoutSummary(game_), QString::fromUtf8("СЛУЧАЙНОЕ ПОЛЕ. 20x17"));
  EXPECT_TRUE(game_.Settings.LastTemplate.isEmpty());
  EXPECT_EQ(LayoutSummary(game_), QString::fromUtf8("СЛУЧАЙНОЕ ПОЛЕ. 20x17"));

  // a file that is no template at all
  test::WriteFile(links_.Root(), "bad.map", test::GameFile({"Bad", "12x"}));
  game_.Settings.LastTemplate = QStringLiteral("../bad.map");
  EXPECT_TRUE(LayoutSummary(game_).startsWith(QString::fromUtf8("СЛУЧАЙНОЕ ПОЛЕ")));
}

TEST_F(NewGameSetup, TheDictionaryAndLanguageSummaries) {
  const char common = game_.Themes.ThemeMarkers[kThemeCommon];
  const char children = game_.Themes.ThemeMarkers[kThemeChildren];
  ASSERT_NE(common, 0);
  ASSERT_NE(children, 0);
  const auto summary = [this](std::string size) {
    game_.Themes.DictionarySizeMarker = size;
    return DictionarySummary(game_);
  };
  EXPECT_EQ(summary(""), QString::fromUtf8("ПОЛНЫЙ"));
  EXPECT_EQ(summary(std::string(1, common)), QString::fromUtf8("ОБЫЧНЫЙ"));
  EXPECT_EQ(summary(std::string(1, children)), QString::fromUtf8("ДЕТСКИЙ"));
  EXPECT_EQ(summary(std::string(1, common) + children), QString::fromUtf8("РАСШИРЕННЫЙ"));
  EXPECT_EQ(LanguageSummary(game_), QString::fromUtf8("РУССКИЙ"));
}

}  // namespace
}  // namespace quorim
