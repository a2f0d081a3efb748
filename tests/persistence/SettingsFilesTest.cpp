#include "persistence/SettingsFiles.h"

#include "media/CodePages.h"

#include "../model/GameFixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quorim {
namespace {

auto Record(const TPlayer& p) {
  return std::tuple(p.Name, p.Avatar, p.Kind, p.SaveNumber);
}

class SettingsFiles : public test::GameFixture {
 protected:
  // The program started again on the same data directory.
  struct Restart {
    explicit Restart(const QString& dir) : game(view, DataDir(dir)) {}
    HeadlessView view;
    Game game;
  };

  void Write(const QString& name, const QByteArray& bytes) {
    test::WriteFile(dir_.path(), name, bytes);
  }
  QByteArray Read(const QString& name) const { return test::ReadFile(dir_.path() + u'/' + name); }
};

TEST_F(SettingsFiles, EveryKeyComesBackFromBothFiles) {
  // A 1252 interface, so that its own letters must survive the trip.
  game_.Locales.Add("eng", 1033);
  const std::string zoe = ToGameText(u"Zoë", 1252);
  // clang-format off
  const Settings changed{
      .ShowAdvancedHallFame = false, .Skin = "wood", .ShowShadows = false, .FullScreen = true,
      .Members = {{.Name = zoe, .Avatar = "Im3", .SaveNumber = 101, .Kind = kHuman},
                  {.Name = "Bot", .Avatar = "pc1", .SaveNumber = 102, .Kind = kNetwork}},
      .LastOpponent = kHuman, .LastIntellect = 3, .LastLimits = "Time-10  Move-30",
      .LastWordLengthLimit = 4, .LastPlayersNumber = 3,
      .ShowPCWords = true, .CrossWordMode = false, .SelectWordMode = true, .ExchangeStars = true,
      .FlashStarMarkers = true, .AllowWordRepeat = true, .KeepBonuses = true,
      .LettersAutoSelect = true, .MinimizeOnEsc = true, .AutoSpreadPlayers = false,
      .ShowColorLetters = true, .AnimActiveAvatarOnly = false, .AnimHighlightActivePlayer = false,
      .AlwaysShowDictionaryPanel = true, .BackgroundPicture = "/home/zoë/Bilder/a=b/c.png",
      .LensSize = 200, .HintDelay = 350, .HintCount = kHintsUnlimited, .HintPushButton = false,
      .PlaySounds = true, .PlayBackgroundMusic = true, .PlayShuffle = true, .SoundVolume = 90,
      .MusicVolume = 30, .DictionaryLimits = {"Limrus=A", "rus=BC"}, .UseCustomDictionary = false,
      .AddCustomWord = kAddWordYes, .WordRequiredAlways = false, .AskToExcludeWord = false,
      .AskToAddExplanation = false, .UndoPCMove = false, .LastTemplate = "", .PlayFieldDimX = 21,
      .PlayFieldDimY = 30, .Green = 1000, .Blue = 0, .Yellow = 3, .Red = 2, .Black = 5,
      .InterfaceLang = "eng", .DictionaryLang = "rus", .ExplanatoryLang = "ukr"};
  // clang-format on
  game_.Settings = changed;
  game_.SetPlayerCount(3);
  game_.Players[1] = changed.Members[0];
  game_.Players[2] = {.Name = "Bot", .Avatar = "pc1", .Kind = kComputer};
  game_.Players[3] = {.Name = "Net", .Avatar = "Im7", .SaveNumber = 255, .Kind = kNetwork};
  ASSERT_TRUE(WriteMainSettings(game_));
  ASSERT_TRUE(WritePlayerSettings(game_, zoe));
  EXPECT_TRUE(Read("quorim.ini").contains("Player1=Zoë\r\n"));
  EXPECT_TRUE(Read("zoë.ini").contains("\r\nDictionaryLimits=Limrus=A/rus=BC/\r\n"));

  Restart restart(dir_.path());
  restart.game.Locales.Add("eng", 1033);
  restart.game.Settings.InterfaceLang = "eng";  // as detected at start-up
  ASSERT_TRUE(ReadMainSettings(restart.game));
  EXPECT_TRUE(restart.view.Calls().empty());
  const Settings& read = restart.game.Settings;
  // clang-format off
#define EXPECT_FIELD(field) EXPECT_EQ(read.field, changed.field) << #field
  EXPECT_FIELD(ShowAdvancedHallFame); EXPECT_FIELD(Skin); EXPECT_FIELD(ShowShadows);
  EXPECT_FIELD(FullScreen); EXPECT_FIELD(StartMaximized); EXPECT_FIELD(LastOpponent);
  EXPECT_FIELD(LastIntellect); EXPECT_FIELD(LastLimits); EXPECT_FIELD(LastWordLengthLimit);
  EXPECT_FIELD(LastPlayersNumber); EXPECT_FIELD(ShowPCWords); EXPECT_FIELD(CrossWordMode);
  EXPECT_FIELD(SelectWordMode); EXPECT_FIELD(ExchangeStars); EXPECT_FIELD(FlashStarMarkers);
  EXPECT_FIELD(AllowWordRepeat); EXPECT_FIELD(KeepBonuses); EXPECT_FIELD(LettersAutoSelect);
  EXPECT_FIELD(MinimizeOnEsc); EXPECT_FIELD(AutoSpreadPlayers); EXPECT_FIELD(ShowColorLetters);
  EXPECT_FIELD(AnimActiveAvatarOnly); EXPECT_FIELD(AnimHighlightActivePlayer);
  EXPECT_FIELD(AlwaysShowDictionaryPanel); EXPECT_FIELD(BackgroundPicture); EXPECT_FIELD(LensSize);
  EXPECT_FIELD(HintDelay); EXPECT_FIELD(HintCount); EXPECT_FIELD(HintPushButton);
  EXPECT_FIELD(PlaySounds); EXPECT_FIELD(PlayBackgroundMusic); EXPECT_FIELD(PlayShuffle);
  EXPECT_FIELD(SoundVolume); EXPECT_FIELD(MusicVolume); EXPECT_FIELD(DictionaryLimits);
  EXPECT_FIELD(UseCustomDictionary); EXPECT_FIELD(AddCustomWord); EXPECT_FIELD(WordRequiredAlways);
  EXPECT_FIELD(AskToExcludeWord); EXPECT_FIELD(AskToAddExplanation); EXPECT_FIELD(UndoPCMove);
  EXPECT_FIELD(LastTemplate); EXPECT_FIELD(PlayFieldDimX); EXPECT_FIELD(PlayFieldDimY);
  EXPECT_FIELD(Green); EXPECT_FIELD(Blue); EXPECT_FIELD(Yellow); EXPECT_FIELD(Red);
  EXPECT_FIELD(Black); EXPECT_FIELD(InterfaceLang); EXPECT_FIELD(DictionaryLang);
  EXPECT_FIELD(ExplanatoryLang);
#undef EXPECT_FIELD
  // clang-format on
  ASSERT_EQ(read.Members.size(), 2u);
  EXPECT_EQ(Record(read.Members[1]), Record(changed.Members[1]));
  ASSERT_EQ(restart.game.PlayerCount(), 3);
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(Record(restart.game.Players[n]), Record(game_.Players[n]));
  // The current language's limits reach the dictionary.
  EXPECT_EQ(restart.game.Themes.DictionarySizeMarker, "A");
  EXPECT_EQ(restart.game.Themes.ExcludedThemes, "BC");
}

TEST_F(SettingsFiles, TheMainFileIsWrittenLineByLineWithABlankLookBeforeLaterSections) {
  game_.Players[1].Name = ToGameText(u"Анна", 1251);
  game_.Settings.StartMaximized = true;
  game_.Settings.Members = {{.Name = game_.Players[1].Name, .Avatar = "Im0", .SaveNumber = 101}};
  ASSERT_TRUE(WriteMainSettings(game_));
  EXPECT_EQ(Read("quorim.ini"),
            test::GameFile({"[Last Player]", "Player1=Анна", "\r[Options Common]",
                            "ShowAdvancedHallFame=1", "\r[Options Appearance]", "Skin=classic",
                            "ShowShadows=1", "FullScreen=3", "\r[Members]",
                            "Member1=Анна/Im0/Human/101"}));
}

TEST_F(SettingsFiles, TwentyMembersAreKeptAndATwentyFirstIsIgnored) {
  QByteArray text = "Player1=Anna\r\n";
  for (int n = 1; n <= 21; ++n)
    text += "Member" + QByteArray::number(n) + "=M" + QByteArray::number(n) + "/Im0/PC/0\r\n";
  Write("quorim.ini", text);
  ASSERT_TRUE(ReadMainSettings(game_));
  ASSERT_EQ(game_.Settings.Members.size(), 20u);
  EXPECT_EQ(Record(game_.Settings.Members[19]),
            Record({.Name = "M20", .Avatar = "Im0", .Kind = kComputer}));
  ASSERT_TRUE(WriteMainSettings(game_));
  EXPECT_TRUE(Read("quorim.ini").contains("\r\nMember20=M20/Im0/PC/0\r\n"));
  EXPECT_FALSE(Read("quorim.ini").contains("Member21"));
}

TEST_F(SettingsFiles, AMainFileWithoutTheLastPlayerKeepsTheDefaultName) {
  game_.Players[1].Name = "Player";
  Write("quorim.ini", "FullScreen=1\r\n");
  ASSERT_TRUE(ReadMainSettings(game_));
  EXPECT_EQ(game_.Players[1].Name, "Player");
}

TEST_F(SettingsFiles, ParticipantsWithoutAnEntryJoinAsPersonsWithTheDefaultName) {
  game_.Strings.LoadRaw(QStringLiteral(QUORIM_SHIPPED_DATA "/lang/eng/strings.txt"));
  game_.Strings.Prepare();
  Write("anna.ini", "LastPlayersNumber=4\r\nPlayer1=Anna/Im1/Human/0\r\nPlayer2=Bob/Im1/PC/0\r\n");
  ASSERT_TRUE(ReadPlayerSettings(game_, "Anna"));
  ASSERT_EQ(game_.PlayerCount(), 4);
  EXPECT_EQ(Record(game_.Players[2]), Record({.Name = "Bob", .Avatar = "Im1", .Kind = kComputer}));
  EXPECT_EQ(game_.Players[3].Name, "Player");
  EXPECT_EQ(game_.Players[4].Avatar, "Im0");
  EXPECT_EQ(game_.Players[4].Kind, kHuman);
  EXPECT_EQ(game_.Players[4].Name, "Player");
}

TEST_F(SettingsFiles, AHandEditedFileIsReadLeniently) {
  game_.Settings.LensSize = 77;
  // No mark, LF and lone CR endings, keys in any case, the first of two lines wins.
  Write("anna.ini",
        "hintcount=11\nHintCount=3\nADDCUSTOMWORD=Maybe\r=ShowPCWords=1\r"
        "CrossWordMode=yes\nHintDelay=fast\nLastIntellect=9\nPlayFieldDimX=4\n"
        "Green=99999999999999\nBlack=0\nSoundVolume=-3\nMusicVolume= 42 \n"
        "LastPlayersNumber=12\nplayer1=Anna/Im1/PC/300\nPlayer2=Bob\nPlayer4=Dan\n");
  ASSERT_TRUE(ReadPlayerSettings(game_, "Anna"));
  const Settings& s = game_.Settings;
  EXPECT_EQ(s.HintCount, kHintsUnlimited);
  EXPECT_EQ(s.AddCustomWord, kAddWordNo);
  EXPECT_FALSE(s.ShowPCWords);
  EXPECT_FALSE(s.CrossWordMode);
  EXPECT_EQ(s.HintDelay, 200);
  EXPECT_EQ(s.LensSize, 120);
  EXPECT_EQ(std::tuple(s.LastIntellect, s.PlayFieldDimX, s.Green, s.Black),
            std::tuple(3, 15, 1000, 1));
  EXPECT_EQ(std::tuple(s.SoundVolume, s.MusicVolume), std::tuple(0, 42));
  ASSERT_EQ(game_.PlayerCount(), 8);
  EXPECT_EQ(Record(game_.Players[1]),
            Record({.Name = "Anna", .Avatar = "Im1", .SaveNumber = 255, .Kind = kComputer}));
  EXPECT_EQ(Record(game_.Players[2]), Record({.Name = "Bob"}));
  // reading stops at the absent Player3; the participants after it join as new persons
  EXPECT_EQ(Record(game_.Players[4]), Record({.Avatar = "Im0"}));
}

TEST_F(SettingsFiles, ParticipantEntriesAreCutToTheirFields) {
  EXPECT_EQ(Record(ParseParticipantEntry("Maximilian/avatar123/Net/7/x")),
            Record({.Name = "Maximilia", .Avatar = "avatar12", .Kind = kNetwork}));
  EXPECT_EQ(Record(ParseParticipantEntry("Maximilian/avatar123/Net/7")),
            Record({.Name = "Maximilia", .Avatar = "avatar12", .SaveNumber = 7, .Kind = kNetwork}));
  EXPECT_EQ(ParticipantEntry({.Name = "Anna", .Avatar = "Im0"}), "Anna/Im0/Human/0");
}

TEST_F(SettingsFiles, EveryPlayerNameGetsAFileOfItsOwnInTheDataDirectory) {
  const QString root = dir_.path() + u'/';
  EXPECT_EQ(PlayerSettingsPath(game_, "Anna"), root + "anna.ini");
  EXPECT_EQ(PlayerSettingsPath(game_, ToGameText(u"ЁЖИК", 1251)), root + "ёжик.ini");
  EXPECT_EQ(PlayerSettingsPath(game_, "a/b"), root + "a%2fb.ini");
  EXPECT_EQ(PlayerSettingsPath(game_, "a%2fb"), root + "a%252fb.ini");
  EXPECT_EQ(PlayerSettingsPath(game_, "a\\b"), root + "a%5cb.ini");
  EXPECT_EQ(PlayerSettingsPath(game_, ".."), root + "%2e%2e.ini");
  ASSERT_TRUE(WritePlayerSettings(game_, "a/b"));
  EXPECT_FALSE(ReadPlayerSettings(game_, "a%2fb"));
  EXPECT_TRUE(ReadPlayerSettings(game_, "A/B"));
}

TEST_F(SettingsFiles, AFirstStartAsksForTheWindowModeOnceAndRemembersTheAnswer) {
  game_.Settings.HintDelay = 999;
  view_.AnswerQuestions({false});
  EXPECT_FALSE(ReadMainSettings(game_));
  EXPECT_EQ(view_.CallsNamed(ViewCallName::AskConfirmation).size(), 1u);
  EXPECT_TRUE(game_.Settings.StartMaximized);
  EXPECT_FALSE(game_.Settings.FullScreen);
  EXPECT_EQ(game_.Settings.HintDelay, 999);  // no player file: nothing is changed
  EXPECT_FALSE(ReadPlayerSettings(game_, "Nobody"));
  EXPECT_EQ(game_.PlayerCount(), 2);
  ASSERT_TRUE(WriteMainSettings(game_));
  EXPECT_TRUE(Read("quorim.ini").contains("\r\nFullScreen=3\r\n"));

  Restart restart(dir_.path());
  ASSERT_TRUE(ReadMainSettings(restart.game));
  EXPECT_TRUE(restart.game.Settings.StartMaximized);
  Write("quorim.ini", "FullScreen=2\r\n");
  ASSERT_TRUE(ReadMainSettings(restart.game));
  EXPECT_TRUE(restart.game.Settings.FullScreen);
  EXPECT_FALSE(restart.game.Settings.StartMaximized);
  EXPECT_EQ(restart.game.Settings.Skin, "classic");
  EXPECT_TRUE(restart.view.Calls().empty());
}

}  // namespace
}  // namespace quorim
