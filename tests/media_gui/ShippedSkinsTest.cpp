// The skins that ship in data/: the night skin beside the classic one, and the classic skin's
// animations as the windows play them.

#include "media/SkinColors.h"
#include "media/SkinFonts.h"
#include "media/SkinPictures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMovie>

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace quorim {
namespace {

DataDir Shipped() {
  return DataDir(QStringLiteral(QUORIM_SHIPPED_DATA));
}

// A GIF movie cannot jump back; the frames are read in turn from the start, as the movie plays.
QImage Frame(QMovie& movie, int frame) {
  QImageReader reader(movie.fileName());
  QImage image;
  for (int i = 0; i <= frame; ++i) {
    image = reader.read();
    EXPECT_FALSE(image.isNull()) << movie.fileName().toStdString() << " frame " << i;
  }
  return image.convertToFormat(QImage::Format_ARGB32);
}

// --- The night skin -------------------------------------------------------------------------

TEST(NightSkin, IsOfferedBesideTheClassicSkin) {
  const QStringList skins = AvailableSkins(Shipped());
  EXPECT_TRUE(skins.contains("classic"));
  EXPECT_TRUE(skins.contains("night"));
  EXPECT_FALSE(skins.contains("players", Qt::CaseInsensitive));
}

TEST(NightSkin, ItsColourTableGivesEveryColourTheWindowsAskFor) {
  const SkinColors colors = SkinColors::Load(Shipped(), u"night");
  ASSERT_TRUE(colors.HasTable());
  for (const QString& key : SkinColorKeys())
    EXPECT_TRUE(colors.TableColor(key).has_value()) << key.toStdString();
  // Its own colours, not the built-in ones: the new game window's tabs are night blue.
  EXPECT_NE(colors.Color(u"NewGameTabBgr"), DefaultSkinColor(u"NewGameTabBgr"));
  const QColor tab = ColorFromWindows(*colors.Color(u"NewGameTabBgr"));
  EXPECT_GT(tab.blue(), tab.red());
}

TEST(NightSkin, ItsTextsStandOutFromTheirBackgrounds) {
  const SkinColors colors = SkinColors::Load(Shipped(), u"night");
  const std::pair<const char16_t*, const char16_t*> pairs[] = {
      {u"InGameInfoComment", u"InGameInfoCommentBgr"},
      {u"InGamePlayFieldUpperComment", u"InGamePlayFieldUpperCommentBgr"},
      {u"InGamePlayerColor1", u"InGamePlayerColor1Bgr"},
      {u"InGamePlayerColor2", u"InGamePlayerColor2Bgr"},
      {u"InGamePlayerCap", u"InGamePlayerBgrSel"},  // the name on the caption of the one on turn
      {u"NewGamePlayerName", u"NewGamePlayerNameBgr"},
      {u"NewGameTabColor", u"NewGameTabBgr"},
      {u"NewGameTabColor", u"NewGameTabBgrSelected"},
      {u"NewGameSelectPlayerWindowtext", u"NewGameSelectPlayerWindowCap"},
  };
  for (const auto& [text, background] : pairs) {
    const int textColor = colors.TableColor(text).value_or(-1);
    const int backgroundColor = colors.TableColor(background).value_or(-1);
    ASSERT_GE(textColor, 0);
    ASSERT_GE(backgroundColor, 0);
    EXPECT_GT(
        ColorFromWindows(textColor).lightness() - ColorFromWindows(backgroundColor).lightness(), 90)
        << QString::fromUtf16(text).toStdString() << " on "
        << QString::fromUtf16(background).toStdString();
  }
}

// The lightness of a picture's pixel, from the night skin or else the classic one.
int PictureLightness(QStringView name, QPoint at) {
  QImage picture;
  EXPECT_NE(SkinPictures(Shipped(), "night").LoadSkinPicture(picture, name), kNoPicture);
  return picture.isNull() ? -1 : picture.pixelColor(at).lightness();
}

TEST(NightSkin, LettersReadOnItsTilesAndScoresOnItsPlates) {
  const SkinColors colors = SkinColors::Load(Shipped(), u"night");
  const int tile = PictureLightness(u"cap", {13, 13});
  for (const char16_t* key :
       {u"InGameNewLetters", u"InGameUsedLetters", u"InGamePlayerColor1", u"InGamePlayerColor2"})
    EXPECT_GT(std::abs(ColorFromWindows(*colors.Color(key)).lightness() - tile), 90)
        << QString::fromUtf16(key).toStdString();
  // The score label stands centred 7 px below the plate's top.
  for (const auto& [plate, key] :
       {std::pair{u"ScrG1", u"InGamePlayerColor1"}, std::pair{u"ScrM1", u"InGamePlayerColor2"}})
    EXPECT_GT(std::abs(ColorFromWindows(*colors.Color(key)).lightness() -
                       PictureLightness(plate, {55, 17})),
              90)
        << QString::fromUtf16(plate).toStdString();
}

TEST(NightSkin, ItsTablesAreEightBitTextWithoutAByteOrderMark) {
  for (const char* name : {"colors.txt", "fonts.txt"}) {
    QFile file(Shipped().Resolve(QStringLiteral("GRAFIX\\night\\") + name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << name;
    EXPECT_FALSE(bytes.contains('\0')) << name;
  }
}

TEST(NightSkin, ItsFontTableNamesAFaceForEveryRole) {
  SkinFonts fonts;
  ASSERT_TRUE(fonts.ApplyFontTable(Shipped(), u"night"));
  for (FontRole role :
       {FontRole::kMessage, FontRole::kPlayer, FontRole::kDigital, FontRole::kSplashes})
    EXPECT_FALSE(fonts.Face(role).isEmpty()) << FontRoleKey(role).toStdString();
  // Not one face for everything: messages and names differ.
  EXPECT_NE(fonts.Face(FontRole::kMessage), fonts.Face(FontRole::kPlayer));
}

TEST(NightSkin, EveryFaceItNamesIsAShippedFont) {
  ASSERT_TRUE(QFileInfo(Shipped().Resolve(u"FONTS")).isDir()) << "no FONTS folder in data/";
  const PrivateFonts shipped(Shipped());
  SkinFonts fonts;
  ASSERT_TRUE(fonts.ApplyFontTable(Shipped(), u"night"));
  const QStringList faces(shipped.Faces().begin(), shipped.Faces().end());
  for (FontRole role :
       {FontRole::kMessage, FontRole::kPlayer, FontRole::kDigital, FontRole::kSplashes}) {
    EXPECT_TRUE(faces.contains(fonts.Face(role)))
        << FontRoleKey(role).toStdString() << "=" << fonts.Face(role).toStdString()
        << " is none of " << faces.join(", ").toStdString();
  }
}

TEST(NightSkin, ThePicturesItHasAreItsOwnAtTheirWindowsSizes) {
  const SkinPictures night(Shipped(), "night");
  const std::pair<const char16_t*, QSize> pictures[] = {
      {u"background", {1280, 1024}}, {u"quorim", {170, 360}}, {u"menu", {320, 330}},
      {u"spot-0", {28, 28}},         {u"spot-wt", {28, 28}},  {u"spot-gr", {28, 28}},
      {u"spot-bl", {28, 28}},        {u"spot-yl", {28, 28}},  {u"spot-rd", {28, 28}},
      {u"spot-bk", {28, 28}},        {u"cap", {26, 26}},      {u"cap_uni", {26, 26}},
      {u"ScrG1", {110, 35}},         {u"ScrG2", {110, 35}},   {u"ScrM1", {110, 35}},
      {u"ScrM2", {110, 35}},
  };
  for (const auto& [name, size] : pictures) {
    const QString text = QString::fromUtf16(name);
    QImage picture;
    const QString format = night.LoadSkinPicture(picture, name);
    ASSERT_NE(format, kNoPicture) << text.toStdString();
    EXPECT_EQ(picture.size(), size) << text.toStdString();
    const QImage own(Shipped().Resolve(QStringLiteral("GRAFIX\\night\\") + text + u'.' + format));
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32),
              own.convertToFormat(QImage::Format_RGB32))
        << text.toStdString();
  }
}

TEST(NightSkin, ThePicturesItLacksComeFromTheClassicSkin) {
  const SkinPictures night(Shipped(), "night");
  const SkinPictures classic(Shipped(), "classic");
  const QDir nightFolder(Shipped().Resolve(u"GRAFIX\\night"));
  for (const char16_t* name :
       {u"menubutt", u"Go!_1", u"timet1", u"slot7ch1", u"border", u"ErrorWin", u"gameover"}) {
    EXPECT_TRUE(nightFolder.entryList({QString::fromUtf16(name) + ".*"}, QDir::Files).isEmpty());
    QImage fromClassic;
    ASSERT_NE(classic.LoadSkinPicture(fromClassic, name), kNoPicture)
        << QString::fromUtf16(name).toStdString();
    QImage fromNight;
    EXPECT_NE(night.LoadSkinPicture(fromNight, name), kNoPicture);
    EXPECT_EQ(fromNight, fromClassic) << QString::fromUtf16(name).toStdString();
  }
}

TEST(NightSkin, HasNoAnimationsOfItsOwnSoTheClassicOnesPlay) {
  const SkinPictures night(Shipped(), "night");
  for (const char16_t* name : {u"V_Button", u"explosio", u"slslot2"}) {
    QMovie movie;
    ASSERT_TRUE(night.LoadSkinAnimation(movie, name)) << QString::fromUtf16(name).toStdString();
    EXPECT_TRUE(movie.fileName().contains("/classic/", Qt::CaseInsensitive))
        << movie.fileName().toStdString();
    EXPECT_TRUE(movie.isValid());
  }
}

// --- The classic skin's animations ----------------------------------------------------------

TEST(ClassicAnimations, SaveSlotsHaveRestHighlightAndSavingFramesAndPlayOnce) {
  const SkinPictures classic(Shipped(), "classic");
  for (const char16_t* name : {u"slslot1", u"slslot2", u"slslot3"}) {
    const std::string text = QString::fromUtf16(name).toStdString();
    QMovie movie;
    ASSERT_TRUE(classic.LoadSkinAnimation(movie, name)) << text;
    ASSERT_GE(movie.frameCount(), 3) << text;
    EXPECT_EQ(movie.loopCount(), 0) << text;
    // The pointer over a slot shows frame 1: it must look different from frame 0.
    const QImage rest = Frame(movie, 0);
    const QImage highlighted = Frame(movie, 1);
    EXPECT_EQ(rest.size(), highlighted.size()) << text;
    EXPECT_NE(rest, highlighted) << text;
  }
}

TEST(ClassicAnimations, OneShotAnimationsPlayOnceAndButtonsLoopForever) {
  const SkinPictures classic(Shipped(), "classic");
  for (const char16_t* name : {u"safe1", u"goblur", u"explosio"}) {
    QMovie movie;
    ASSERT_TRUE(classic.LoadSkinAnimation(movie, name));
    EXPECT_GT(movie.frameCount(), 1) << QString::fromUtf16(name).toStdString();
    EXPECT_EQ(movie.loopCount(), 0) << QString::fromUtf16(name).toStdString();
  }
  for (const char16_t* name : {u"E_Button", u"V_Button", u"X_Button", u"S_Button", u"s_button",
                               u"Z_button", u"G_Button", u"x_button", u"Arrow_right", u"gowave"}) {
    QMovie movie;
    ASSERT_TRUE(classic.LoadSkinAnimation(movie, name));
    EXPECT_GT(movie.frameCount(), 1) << QString::fromUtf16(name).toStdString();
    EXPECT_EQ(movie.loopCount(), -1) << QString::fromUtf16(name).toStdString();
  }
}

TEST(ClassicAnimations, RoundButtonsAreTransparentOutsideTheirRim) {
  const SkinPictures classic(Shipped(), "classic");
  for (const char16_t* name : {u"E_Button", u"V_Button", u"X_Button", u"Z_button", u"G_Button"}) {
    const std::string text = QString::fromUtf16(name).toStdString();
    QMovie movie;
    ASSERT_TRUE(classic.LoadSkinAnimation(movie, name));
    for (int frame : {0, movie.frameCount() / 2}) {
      const QImage image = Frame(movie, frame);
      const int w = image.width(), h = image.height();
      for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << text << " frame " << frame;
      EXPECT_EQ(qAlpha(image.pixel(w / 2, h / 2)), 255) << text << " frame " << frame;
    }
  }
}

TEST(ClassicAnimations, TheExplosionCoversATileAndEndsInScatteredSparks) {
  QMovie movie;
  ASSERT_TRUE(SkinPictures(Shipped(), "classic").LoadSkinAnimation(movie, u"explosio"));
  const QImage first = Frame(movie, 0);
  EXPECT_EQ(first.size(), QSize(26, 26));
  EXPECT_EQ(qAlpha(first.pixel(13, 13)), 255);
  const QImage last = Frame(movie, movie.frameCount() - 1);
  int drawn = 0;
  for (int y = 0; y < last.height(); ++y)
    for (int x = 0; x < last.width(); ++x) drawn += qAlpha(last.pixel(x, y)) > 0;
  EXPECT_LT(drawn, 26 * 26 / 4);
}

// --- Winner animations ----------------------------------------------------------------------

// The avatar pictures as the avatar chooser finds them: GRAFIX\PLAYERS and one level below.
QStringList AvatarFiles() {
  QStringList files;
  const QString root = Shipped().Resolve(u"GRAFIX\\PLAYERS");
  QStringList folders{root};
  for (const QString& sub : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    folders << root + '/' + sub;
  for (const QString& folder : folders)
    for (const QFileInfo& file :
         QDir(folder).entryInfoList({"*.bmp", "*.jpg", "*.png", "*.gif"}, QDir::Files))
      files << file.fileName();
  return files;
}

TEST(WinnerAnimations, EveryOneInTheClassicSkinIsAnAnimationInTheWinnersFrame) {
  const QDir folder(Shipped().Resolve(u"GRAFIX\\classic\\ANIMATIO"));
  const QStringList winners = folder.entryList({"*go.gif"}, QDir::Files);
  ASSERT_FALSE(winners.isEmpty());
  for (const QString& file : winners) {
    QMovie movie(folder.filePath(file));
    ASSERT_TRUE(movie.isValid()) << file.toStdString();
    EXPECT_GT(movie.frameCount(), 1) << file.toStdString();
    EXPECT_EQ(movie.loopCount(), -1) << file.toStdString();
    EXPECT_EQ(Frame(movie, 0).size(), QSize(119, 122)) << file.toStdString();
  }
}

TEST(WinnerAnimations, EveryAvatarHasOneUnderTheNameTheGameOverWindowAsksFor) {
  const QStringList avatars = AvatarFiles();
  ASSERT_FALSE(avatars.isEmpty()) << "no avatars in data/GRAFIX/PLAYERS";
  // The night skin has none of its own: the game-over window finds the classic one.
  const SkinPictures night(Shipped(), "night");
  for (const QString& avatar : avatars) {
    const QString name = "Animatio\\" + avatar.section('.', 0, 0) + "go";
    QMovie movie;
    ASSERT_TRUE(night.LoadSkinAnimation(movie, name)) << name.toStdString();
    EXPECT_GT(movie.frameCount(), 1) << name.toStdString();
  }
}

}  // namespace
}  // namespace quorim
