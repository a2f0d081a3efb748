#include "media/SkinFonts.h"

#include "SkinFixture.h"

#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace quorim {
namespace {

// Some TrueType file of the machine, copied into the test's FONTS folder under other names.
QString SystemFontFile() {
  QDirIterator it("/usr/share/fonts", {"*.ttf"}, QDir::Files, QDirIterator::Subdirectories);
  return it.hasNext() ? it.next() : QString();
}

class FontFolder : public test::SkinTree {
 protected:
  void SetUp() override {
    test::SkinTree::SetUp();
    font_ = SystemFontFile();
    if (font_.isEmpty()) GTEST_SKIP() << "no TrueType font on this machine";
    QDir().mkpath(Root() + "/FONTS");
  }
  void AddFont(const QString& name) { ASSERT_TRUE(QFile::copy(font_, Root() + "/FONTS/" + name)); }
  QString font_;
};

TEST_F(FontFolder, AFontNamedDigitalGivesTheScoresAndClocksItsFace) {
  AddFont("MyDigital.ttf");
  const PrivateFonts fonts{DataDir(Root())};
  ASSERT_EQ(fonts.Faces().size(), 1u);
  const QString face = fonts.Faces().front();
  EXPECT_FALSE(face.isEmpty());
  EXPECT_EQ(fonts.RoleFaces().Face(FontRole::kDigital), face);
  EXPECT_TRUE(fonts.RoleFaces().Face(FontRole::kMessage).isEmpty());
  EXPECT_TRUE(fonts.RoleFaces().Face(FontRole::kPlayer).isEmpty());
  EXPECT_EQ(QFontInfo(fonts.RoleFaces().Font(FontRole::kDigital, 16)).family(), face);
}

TEST_F(FontFolder, EachRoleNamedInAFileNameWhateverTheCase) {
  AddFont("a-PLAYER-font.ttf");
  AddFont("splashes.ttf");
  const PrivateFonts fonts{DataDir(Root())};
  EXPECT_EQ(fonts.Faces().size(), 2u);
  EXPECT_FALSE(fonts.RoleFaces().Face(FontRole::kPlayer).isEmpty());
  EXPECT_FALSE(fonts.RoleFaces().Face(FontRole::kSplashes).isEmpty());
  EXPECT_TRUE(fonts.RoleFaces().Face(FontRole::kDigital).isEmpty());
}

TEST_F(FontFolder, FilesThatAreNoFontsArePassedOver) {
  test::WriteFile(Root(), "FONTS/message.ttf", "not a font at all");
  test::WriteFile(Root(), "FONTS/readme.txt", "fonts of the game");
  const PrivateFonts fonts{DataDir(Root())};
  EXPECT_TRUE(fonts.Faces().empty());
  EXPECT_TRUE(fonts.RoleFaces().Face(FontRole::kMessage).isEmpty());
}

TEST_F(FontFolder, TheFontsAreRegisteredOnlyWhileTheOwnerLives) {
  AddFont("player.ttf");
  std::vector<int> ids;
  {
    const PrivateFonts fonts{DataDir(Root())};
    ids = fonts.Ids();
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_FALSE(QFontDatabase::applicationFontFamilies(ids.front()).isEmpty());
  }
  EXPECT_TRUE(QFontDatabase::applicationFontFamilies(ids.front()).isEmpty());
}

class SkinFontTable : public test::SkinTree {
 protected:
  SkinFonts FromFolder() const {
    SkinFonts fonts;
    fonts.SetFace(FontRole::kMessage, "Folder Message");
    fonts.SetFace(FontRole::kDigital, "Folder Digital");
    return fonts;
  }
};

TEST_F(SkinFontTable, ValuesOfTheTableReplaceTheFacesOfTheirRoles) {
  test::WriteFile(Root(), "GRAFIX/night/Fonts.txt",
                  test::GameFile({"Digital=Курсив Цифры", "player = Serif Face ", "message="}));
  SkinFonts fonts = FromFolder();
  ASSERT_TRUE(fonts.ApplyFontTable(DataDir(Root()), u"night"));
  EXPECT_EQ(fonts.Face(FontRole::kDigital), "Курсив Цифры");
  EXPECT_EQ(fonts.Face(FontRole::kPlayer), "Serif Face");
  EXPECT_EQ(fonts.Face(FontRole::kMessage), "Folder Message");  // an empty value keeps it
  EXPECT_TRUE(fonts.Face(FontRole::kSplashes).isEmpty());
}

TEST_F(SkinFontTable, MalformedLinesAndUnknownKeysChangeNothing) {
  test::WriteFile(Root(), "GRAFIX/night/fonts.txt",
                  "digital Arial\n=Arial\nheading=Arial\nsplashes\n");
  SkinFonts fonts = FromFolder();
  ASSERT_TRUE(fonts.ApplyFontTable(DataDir(Root()), u"night"));
  EXPECT_EQ(fonts.Face(FontRole::kDigital), "Folder Digital");
  EXPECT_TRUE(fonts.Face(FontRole::kSplashes).isEmpty());
}

TEST_F(SkinFontTable, WithoutATableTheFontsOfTheFolderStay) {
  SkinFonts fonts = FromFolder();
  EXPECT_FALSE(fonts.ApplyFontTable(DataDir(Root()), u"night"));
  EXPECT_EQ(fonts.Face(FontRole::kMessage), "Folder Message");
}

}  // namespace
}  // namespace quorim
