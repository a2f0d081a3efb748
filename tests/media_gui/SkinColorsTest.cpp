#include "media/SkinColors.h"

#include "SkinFixture.h"

#include <gtest/gtest.h>

namespace quorim {
namespace {

class SkinColorTable : public test::SkinTree {};

TEST_F(SkinColorTable, ASkinWithOnlyAColourTableUsesItsColours) {
  test::WriteFile(Root(), "GRAFIX/night/colors.txt", "inGameMessage=255\r\nHallFameText=65280\r\n");
  const SkinColors colors = SkinColors::Load(DataDir(Root()), u"night");
  ASSERT_TRUE(colors.HasTable());
  EXPECT_EQ(colors.Color(u"InGameMessage", 5855743), 255);
  EXPECT_EQ(colors.Color(u"InGameMessage"), 255);
  EXPECT_EQ(colors.TableColor(u"HALLFAMETEXT"), 65280);
}

TEST_F(SkinColorTable, WithoutATableEveryColourKeepsItsDefault) {
  QDir().mkpath(Root() + "/GRAFIX/night");
  const SkinColors colors = SkinColors::Load(DataDir(Root()), u"night");
  EXPECT_FALSE(colors.HasTable());
  EXPECT_EQ(colors.Color(u"InGameMessage"), 5855743);
  EXPECT_EQ(colors.Color(u"InGameTimeActive", 65280), 65280);
  EXPECT_EQ(colors.TableColor(u"HallFameText"), std::nullopt);
  // Keys whose controls keep their design colour have no built-in one.
  EXPECT_EQ(colors.Color(u"HallFameText"), std::nullopt);
}

TEST_F(SkinColorTable, AKeyTheTableLacksTakesItsDefault) {
  test::WriteFile(Root(), "GRAFIX/night/colors.txt", "InGameQuestion=0\n");
  const SkinColors colors = SkinColors::Load(DataDir(Root()), u"night");
  EXPECT_EQ(colors.Color(u"InGameQuestion"), 0);
  EXPECT_EQ(colors.Color(u"InGameNewLetters"), 65535);
  EXPECT_EQ(colors.Color(u"StarWindowLetter", 255), 255);
}

TEST_F(SkinColorTable, MalformedLinesAreIgnored) {
  const SkinColors colors = SkinColors::FromLines({
      "InGameMessage 123",     // no "="
      "=255",                  // no key
      "InGameQuestion=white",  // no number
      "InGameNewLetters=-5",   // no colour
      "InGameUsedLetters=16777216", "InGamePlayerCap=12x",
      "InGameHorizSelection=", "InGameVertSelection=99999999999999999999",
      " InGamePlayerBorder = 4210752 ", "", "InGamePlayerNum=1",
      "InGamePlayerNum=2",  // the first line of a key counts
  });
  EXPECT_TRUE(colors.HasTable());
  EXPECT_EQ(colors.Color(u"InGameMessage"), 5855743);
  EXPECT_EQ(colors.Color(u"InGameQuestion"), 16777215);
  EXPECT_EQ(colors.Color(u"InGameNewLetters"), 65535);
  EXPECT_EQ(colors.Color(u"InGameUsedLetters"), 16777215);
  EXPECT_EQ(colors.Color(u"InGamePlayerCap"), 16777215);
  EXPECT_EQ(colors.Color(u"InGameHorizSelection"), 255);
  EXPECT_EQ(colors.Color(u"InGameVertSelection"), 33023);
  EXPECT_EQ(colors.Color(u"InGamePlayerBorder"), 4210752);
  EXPECT_EQ(colors.Color(u"InGamePlayerNum"), 1);
}

TEST(SkinColorDefaults, EveryKeyTheWindowsAskForIsKnownWithTheDefaultsTheyName) {
  EXPECT_EQ(SkinColorKeys().size(), 64);
  EXPECT_EQ(DefaultSkinColor(u"InGamePlayerColor1"), 65280);
  EXPECT_EQ(DefaultSkinColor(u"InGamePlayerColor2"), 16711935);
  EXPECT_EQ(DefaultSkinColor(u"InGamePlayerImageBorder"), 3125700);
  EXPECT_EQ(DefaultSkinColor(u"NewGameTabBgrSelected"), 12285517);
  EXPECT_EQ(DefaultSkinColor(u"SaveGameWindowText"), 0);
  EXPECT_EQ(DefaultSkinColor(u"ExplanationLanguage"), 65535);
  EXPECT_EQ(DefaultSkinColor(u"NoSuchKey"), std::nullopt);
}

}  // namespace
}  // namespace quorim
