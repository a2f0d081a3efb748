// The avatars and fonts that ship in data/: what the avatar chooser and the font roles will find.

#include "media/SkinFonts.h"
#include "model/Players.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QRawFont>

#include <gtest/gtest.h>

#include <string>

namespace quorim {
namespace {

const QString kShipped = QStringLiteral(QUORIM_SHIPPED_DATA);

// The chooser's entries: pictures of PLAYERS, then of each sub-folder, one level down.
QFileInfoList AvatarFiles() {
  const QStringList kinds = {"*.bmp", "*.jpg", "*.png", "*.gif"};
  const QDir root(kShipped + "/GRAFIX/PLAYERS");
  QFileInfoList files = root.entryInfoList(kinds, QDir::Files, QDir::Name | QDir::IgnoreCase);
  for (const QString& sub : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    files += QDir(root.filePath(sub)).entryInfoList(kinds, QDir::Files, QDir::Name);
  }
  return files;
}

bool IsAnimation(const QFileInfo& file) {
  return file.suffix().compare("gif", Qt::CaseInsensitive) == 0;
}

// The chooser shows 110 x 110 and centres a smaller picture; a larger one would be cut.
void ExpectAvatarSize(QSize size, const QString& name) {
  EXPECT_TRUE(size.width() >= 100 && size.width() <= 110 && size.height() >= 100 &&
              size.height() <= 110)
      << name.toStdString() << " is " << size.width() << " x " << size.height();
}

TEST(ShippedAvatars, EveryPictureLoadsAndEveryGifAnimatesInALoop) {
  const QFileInfoList files = AvatarFiles();
  ASSERT_FALSE(files.isEmpty());
  for (const QFileInfo& file : files) {
    const QString name = file.fileName();
    if (IsAnimation(file)) {
      QMovie movie(file.filePath());
      ASSERT_TRUE(movie.isValid()) << name.toStdString();
      EXPECT_GE(movie.frameCount(), 2) << name.toStdString();
      EXPECT_EQ(movie.loopCount(), -1) << name.toStdString() << " does not loop for ever";
      // Every frame decodes, not only the first the chooser shows.
      QImageReader frames(file.filePath());
      int decoded = 0;
      for (QImage frame; frames.read(&frame); ++decoded) ExpectAvatarSize(frame.size(), name);
      EXPECT_EQ(decoded, movie.frameCount()) << name.toStdString();
    } else {
      const QImage image(file.filePath());
      ASSERT_FALSE(image.isNull()) << name.toStdString();
      ExpectAvatarSize(image.size(), name);
    }
  }
}

TEST(ShippedAvatars, TheComputerHasItsOwnAndASubFolderAddsMore) {
  const QFileInfoList files = AvatarFiles();
  EXPECT_GE(files.size(), 12);
  const QString root = QFileInfo(kShipped + "/GRAFIX/PLAYERS").canonicalFilePath();
  int inRoot = 0, elsewhere = 0, animations = 0;
  bool computer = false;
  for (const QFileInfo& file : files) {
    const bool top = file.canonicalPath() == root;
    (top ? inRoot : elsewhere)++;
    if (IsAnimation(file)) ++animations;
    if (top && file.fileName().compare("pc1.bmp", Qt::CaseInsensitive) == 0) computer = true;
  }
  EXPECT_TRUE(computer);
  EXPECT_GT(inRoot, 1);
  EXPECT_GT(elsewhere, 0);
  EXPECT_GE(animations, 2);
}

TEST(ShippedAvatars, NamesFitTheParticipantRecordAndTheShortNameHint) {
  const QFileInfoList files = AvatarFiles();
  ASSERT_FALSE(files.isEmpty());
  // The last entry has the longest chooser name: "Im" + column + 10 x row, "A" for a GIF.
  const int last = static_cast<int>(files.size()) - 1;
  const QString longest = "Im" + QString::number(last % 3 + 10 * (last / 3)) + "A";
  EXPECT_LE(longest.size(), kAvatarWidth);
  for (const QFileInfo& file : files) {
    EXPECT_LE(file.completeBaseName().size(), 8) << file.fileName().toStdString();
    EXPECT_EQ(file.suffix().size(), 3) << file.fileName().toStdString();
  }
}

const QString kRussian =
    QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя");
const QString kLatin = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
const QString kDigits = QStringLiteral("0123456789");

// The letters the font has no glyph for, readable in a failure message.
std::string Missing(const QRawFont& font, const QString& letters) {
  QString missing;
  for (QChar letter : letters) {
    if (!font.supportsCharacter(letter)) missing += letter;
  }
  return missing.toStdString();
}

TEST(ShippedFonts, EveryFileRegistersAndEachRoleGetsItsFace) {
  const QStringList files = QDir(kShipped + "/FONTS").entryList(QDir::Files);
  const PrivateFonts fonts{DataDir(kShipped)};
  EXPECT_EQ(fonts.Faces().size(), static_cast<size_t>(files.size()));
  for (FontRole role :
       {FontRole::kMessage, FontRole::kPlayer, FontRole::kDigital, FontRole::kSplashes}) {
    const QString face = fonts.RoleFaces().Face(role);
    ASSERT_FALSE(face.isEmpty()) << FontRoleKey(role).toStdString();
    EXPECT_EQ(QFontInfo(fonts.RoleFaces().Font(role, 14)).family().toStdString(),
              face.toStdString());
  }
}

TEST(ShippedFonts, EachRolesFaceWritesWhatTheRoleShows) {
  const QDir dir(kShipped + "/FONTS");
  const PrivateFonts fonts{DataDir(kShipped)};
  int checked = 0;
  for (FontRole role :
       {FontRole::kMessage, FontRole::kPlayer, FontRole::kDigital, FontRole::kSplashes}) {
    const QString key = FontRoleKey(role);
    for (const QString& file : dir.entryList({"*" + key + "*"}, QDir::Files)) {
      const QRawFont font(dir.filePath(file), 20);
      ASSERT_TRUE(font.isValid()) << file.toStdString();
      EXPECT_EQ(font.familyName().toStdString(), fonts.RoleFaces().Face(role).toStdString());
      if (role == FontRole::kDigital) {
        EXPECT_EQ(Missing(font, kDigits), "") << file.toStdString();
      } else {
        EXPECT_EQ(Missing(font, kRussian), "") << file.toStdString();
        EXPECT_EQ(Missing(font, kLatin), "") << file.toStdString();
      }
      ++checked;
    }
  }
  EXPECT_GE(checked, kFontRoleCount);
}

}  // namespace
}  // namespace quorim
