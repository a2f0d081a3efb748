#include "media/Avatars.h"

#include "TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace quorim {
namespace {

TEST(AvatarCatalogue, NamesEntriesByTheirPlaceInRowsOfThreeOverAllFolders) {
  QTemporaryDir dir;
  for (const char* file :
       {"GRAFIX/PLAYERS/anna.bmp", "GRAFIX/PLAYERS/PC1.BMP", "GRAFIX/PLAYERS/robot.gif",
        "GRAFIX/PLAYERS/notes.txt", "GRAFIX/PLAYERS/zoo/bear.png", "GRAFIX/PLAYERS/zoo/owl.gif"})
    test::WriteFile(dir.path(), file, "x");
  const std::vector<Avatar> catalogue = AvatarCatalogue(DataDir(dir.path()));
  QStringList names;
  for (const Avatar& avatar : catalogue) names << avatar.name;
  // the computer's picture keeps its own name; the second row begins at 10; a GIF is animated
  EXPECT_EQ(names, (QStringList{"Im0", "pc0", "Im2A", "Im10", "Im11A"}));
  EXPECT_TRUE(catalogue[4].animated);
  EXPECT_EQ(catalogue[3].hint, "bear.png");

  EXPECT_EQ(FindAvatar(catalogue, "im11a")->hint, "owl.gif");
  // an avatar the chooser does not know shows the person's default
  EXPECT_EQ(FindAvatar(catalogue, "Im99")->name, "Im0");
  EXPECT_EQ(FindAvatar({}, "Im0"), nullptr);
}

TEST(AvatarCatalogue, EveryShippedAvatarHasItsWinnerAnimationInTheClassicSkin) {
  const DataDir shipped(QStringLiteral(QUORIM_SHIPPED_DATA));
  const std::vector<Avatar> catalogue = AvatarCatalogue(shipped);
  ASSERT_FALSE(catalogue.empty());
  for (const Avatar& avatar : catalogue) {
    const QString animation = WinnerAnimation(avatar);
    EXPECT_TRUE(animation.startsWith(u"Animatio\\") && animation.endsWith(u"go"));
    EXPECT_TRUE(QFile::exists(
        shipped.Resolve(QStringLiteral("GRAFIX\\classic\\") + animation + QStringLiteral(".gif"))))
        << animation.toStdString();
  }
  Avatar anna;
  anna.hint = QStringLiteral("anna.old.bmp");
  EXPECT_EQ(WinnerAnimation(anna), "Animatio\\annago");
}

}  // namespace
}  // namespace quorim
