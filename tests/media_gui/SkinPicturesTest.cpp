#include "media/SkinPictures.h"

#include "SkinFixture.h"

#include <QMovie>

#include <gtest/gtest.h>

namespace quorim {
namespace {

using test::WritePicture;

class SkinPictureLookup : public test::SkinTree {
 protected:
  SkinPictures Pictures(const QString& skin) const { return SkinPictures(DataDir(Root()), skin); }
};

TEST_F(SkinPictureLookup, TakesTheSkinsOwnPictureAndNamesItsFormat) {
  WritePicture(Root(), "GRAFIX/night/menu.png", {30, 20}, Qt::blue);
  WritePicture(Root(), "GRAFIX/classic/menu.bmp", {10, 10}, Qt::red);
  QImage picture;
  EXPECT_EQ(Pictures("night").LoadSkinPicture(picture, u"menu"), "png");
  EXPECT_EQ(picture.size(), QSize(30, 20));
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::blue));
}

TEST_F(SkinPictureLookup, APictureTheSkinLacksComesFromTheClassicSkin) {
  WritePicture(Root(), "GRAFIX/classic/menubutt.bmp", {12, 8}, Qt::red);
  WritePicture(Root(), "GRAFIX/classic/cap.png", {26, 26}, Qt::green);
  QDir().mkpath(Root() + "/GRAFIX/night");
  const SkinPictures pictures = Pictures("night");
  QImage picture;
  EXPECT_EQ(pictures.LoadSkinPicture(picture, u"menubutt"), "bmp");
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(pictures.LoadSkinPicture(picture, u"cap"), "png");
  EXPECT_EQ(picture.size(), QSize(26, 26));
}

TEST_F(SkinPictureLookup, APictureInNeitherSkinIsNullAndEmptiesThePicture) {
  QDir().mkpath(Root() + "/GRAFIX/classic");
  QImage picture(4, 4, QImage::Format_RGB32);
  EXPECT_EQ(Pictures("night").LoadSkinPicture(picture, u"background"), "null");
  EXPECT_TRUE(picture.isNull());
  EXPECT_EQ(Pictures("classic").LoadSkinPicture(picture, u"background"), "null");
}

TEST_F(SkinPictureLookup, APlayAreaPictureThatIsOnlyAJpegIsLoaded) {
  WritePicture(Root(), "GRAFIX/night/Quorim.JPG", {64, 48}, Qt::white, "JPEG");
  WritePicture(Root(), "GRAFIX/classic/quorim.bmp", {8, 8}, Qt::red);
  WritePicture(Root(), "GRAFIX/night/spot-0.jpeg", {28, 28}, Qt::white, "JPEG");
  QImage picture;
  const SkinPictures pictures = Pictures("night");
  EXPECT_EQ(pictures.LoadSkinPicture(picture, u"quorim"), "jpg");
  EXPECT_EQ(picture.size(), QSize(64, 48));
  EXPECT_EQ(pictures.LoadSkinPicture(picture, u"spot-0"), "jpg");
  EXPECT_EQ(picture.size(), QSize(28, 28));
}

TEST_F(SkinPictureLookup, NamesAreMatchedWhateverTheCaseAndOtherFilesAreNotPictures) {
  WritePicture(Root(), "grafix/Night/GO!_1.Png", {40, 20}, Qt::green);
  test::WriteFile(Root(), "grafix/Night/logo_hl.txt", "not a picture");
  WritePicture(Root(), "grafix/classic/logo_hl.gif.bmp", {3, 3}, Qt::red);
  QImage picture;
  const SkinPictures pictures = Pictures("NIGHT");
  EXPECT_EQ(pictures.LoadSkinPicture(picture, u"Go!_1"), "png");
  EXPECT_EQ(pictures.LoadSkinPicture(picture, u"logo_hl"), "null");
}

TEST_F(SkinPictureLookup, OfSeveralFormatsOfOneNameTheBitmapIsTaken) {
  WritePicture(Root(), "GRAFIX/night/border.png", {4, 4}, Qt::green);
  WritePicture(Root(), "GRAFIX/night/border.bmp", {4, 4}, Qt::blue);
  QImage picture;
  EXPECT_EQ(Pictures("night").LoadSkinPicture(picture, u"border"), "bmp");
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::blue));
}

TEST_F(SkinPictureLookup, ABrokenPictureFileGivesWayToTheClassicOne) {
  test::WriteFile(Root(), "GRAFIX/night/ErrorWin.bmp", "BM broken");
  WritePicture(Root(), "GRAFIX/classic/ErrorWin.bmp", {20, 10}, Qt::red);
  QImage picture;
  EXPECT_EQ(Pictures("night").LoadSkinPicture(picture, u"ErrorWin"), "bmp");
  EXPECT_EQ(picture.size(), QSize(20, 10));
  test::WriteFile(Root(), "GRAFIX/classic/QuestWin.png", "broken too");
  EXPECT_EQ(Pictures("night").LoadSkinPicture(picture, u"QuestWin"), "null");
}

TEST_F(SkinPictureLookup, TheSplashAndAboutPicturesAreAlwaysTheClassicSkins) {
  WritePicture(Root(), "GRAFIX/classic/Q-Logo.bmp", {50, 40}, Qt::red);
  WritePicture(Root(), "GRAFIX/night/Q-Logo.bmp", {5, 4}, Qt::blue);
  QImage picture;
  EXPECT_TRUE(Pictures("night").LoadClassicPicture(picture, u"q-logo.BMP"));
  EXPECT_EQ(picture.size(), QSize(50, 40));
  EXPECT_FALSE(Pictures("night").LoadClassicPicture(picture, u"about.bmp"));
  EXPECT_TRUE(picture.isNull());
}

TEST_F(SkinPictureLookup, TheSkinsOfferedAreTheFoldersOfGrafixButTheAvatars) {
  for (const char* folder : {"GRAFIX/classic", "GRAFIX/Wood", "GRAFIX/PLAYERS", "GRAFIX/night"}) {
    QDir().mkpath(Root() + '/' + folder);
  }
  test::WriteFile(Root(), "GRAFIX/readme.txt", "x");
  EXPECT_EQ(AvailableSkins(DataDir(Root())), QStringList({"classic", "night", "Wood"}));
}

class SkinAnimationLookup : public SkinPictureLookup {};

TEST_F(SkinAnimationLookup, ComesFromTheSkinsAnimatioFolderElseTheClassicOne) {
  test::WriteFile(Root(), "GRAFIX/night/ANIMATIO/E_Button.gif", test::GifBytes(2));
  test::WriteFile(Root(), "GRAFIX/classic/Animatio/goblur.gif", test::GifBytes(3));
  test::WriteFile(Root(), "GRAFIX/classic/Animatio/E_Button.gif", test::GifBytes(1));
  const SkinPictures pictures = Pictures("night");
  QMovie movie;
  ASSERT_TRUE(pictures.LoadSkinAnimation(movie, u"e_button"));
  EXPECT_EQ(movie.fileName(), Root() + "/GRAFIX/night/ANIMATIO/E_Button.gif");
  EXPECT_EQ(movie.frameCount(), 2);
  ASSERT_TRUE(pictures.LoadSkinAnimation(movie, u"Animatio\\goblur"));
  EXPECT_EQ(movie.fileName(), Root() + "/GRAFIX/classic/Animatio/goblur.gif");
  EXPECT_EQ(movie.frameCount(), 3);
  movie.jumpToFrame(0);
  EXPECT_EQ(movie.currentImage().size(), QSize(1, 1));
}

TEST_F(SkinAnimationLookup, AnAnimationInNeitherSkinLeavesTheMovieEmpty) {
  test::WriteFile(Root(), "GRAFIX/classic/ANIMATIO/V_Button.gif", test::GifBytes(1));
  test::WriteFile(Root(), "GRAFIX/night/ANIMATIO/X_Button.gif", "GIF89a broken");
  const SkinPictures pictures = Pictures("night");
  QMovie movie;
  ASSERT_TRUE(pictures.LoadSkinAnimation(movie, u"V_Button"));
  EXPECT_FALSE(pictures.LoadSkinAnimation(movie, u"X_Button"));
  EXPECT_TRUE(movie.fileName().isEmpty());
  EXPECT_FALSE(movie.isValid());
  movie.start();  // a control without its animation just shows nothing
  EXPECT_NE(movie.state(), QMovie::Running);
}

}  // namespace
}  // namespace quorim
