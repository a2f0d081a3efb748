// Saved games in 7z archives, packed and unpacked by the real 7zz: what the archive looks like to
// 7-Zip itself, what is refused, and that a failed save never costs the older one.

#include "persistence/SaveArchive.h"

#include "TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

namespace quorim {
namespace {

struct ArchiverRun {
  int exitCode = -1;
  QString output;
};

ArchiverRun SevenZip(const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QStringLiteral("7zz"), arguments);
  if (!process.waitForStarted()) return {};
  process.write(input);
  process.closeWriteChannel();
  if (!process.waitForFinished(20000)) process.kill();
  return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

// The values of "key = value" lines of 7zz's technical listing, after the archive's own block,
// joined by "|".
std::string EntryValues(const QString& listing, const QString& key) {
  QStringList values;
  const QString entries = listing.section(QStringLiteral("----------"), 1);
  for (const QString& line : entries.split(u'\n')) {
    if (line.startsWith(key + QStringLiteral(" = "))) values << line.mid(key.size() + 3).trimmed();
  }
  return values.join(u'|').toStdString();
}

class SaveArchive : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }

  // An archive of the game's form made by 7zz directly, with the password and entry given.
  QString MadeBy7zz(const QString& name, const QString& password, const QString& entry) {
    const QString path = Path(name);
    const ArchiverRun run =
        SevenZip({QStringLiteral("a"), QStringLiteral("-t7z"), QStringLiteral("-p") + password,
                  QStringLiteral("-si") + entry, QStringLiteral("--"), path},
                 "[Common]\r\n");
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    // 7zz would add ".7z" to a name without an extension
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    return path;
  }

  // 7zz's technical listing of the archive.
  static QString Listing(const QString& path,
                         const QString& password = QStringLiteral("PAPERLANTERN")) {
    return SevenZip({QStringLiteral("l"), QStringLiteral("-slt"), QStringLiteral("-p") + password,
                     QStringLiteral("--"), path})
        .output;
  }

  QTemporaryDir dir_;
};

const QByteArray kText =
    QStringLiteral("\uFEFF[Common]\r\nInfo=3 игрока. Счёт: 50 : 74#Поле:15x15\r\nName=Zoë 日本\r\n")
        .toUtf8();

TEST_F(SaveArchive, PackedTextComesBackByteForByteFromTheGamesArchive) {
  const QString path = Path(QStringLiteral("save100.001"));
  ASSERT_TRUE(PackSavedText(path, kText));
  EXPECT_TRUE(LooksLikeArchive(path));
  EXPECT_EQ(UnpackSavedText(path), kText);

  const QString listing = Listing(path);
  EXPECT_EQ(EntryValues(listing, QStringLiteral("Path")), "$$$.tmp") << listing.toStdString();
  EXPECT_THAT(EntryValues(listing, QStringLiteral("Method")),
              testing::MatchesRegex("LZMA:[0-9]+ 7zAES(:[0-9]+)?"));
  EXPECT_EQ(EntryValues(listing, QStringLiteral("Encrypted")), "+");
  EXPECT_TRUE(listing.contains(QStringLiteral("\nSolid = -")));

  // the entry's name is readable without the password, its text is not
  EXPECT_EQ(EntryValues(Listing(path, QStringLiteral("WRONG")), QStringLiteral("Path")), "$$$.tmp");
  EXPECT_NE(SevenZip({QStringLiteral("t"), QStringLiteral("-pWRONG"), QStringLiteral("--"), path})
                .exitCode,
            0);
}

TEST_F(SaveArchive, WhatIsNoReadableSaveGivesNothingAndQuickly) {
  ASSERT_TRUE(PackSavedText(Path(QStringLiteral("real")), kText));
  const QByteArray real = test::ReadFile(Path(QStringLiteral("real")));
  test::WriteFile(dir_.path(), QStringLiteral("zip"), "PK\x03\x04 not a 7z archive");
  test::WriteFile(dir_.path(), QStringLiteral("half"), real.left(real.size() / 2));
  test::WriteFile(dir_.path(), QStringLiteral("empty"), {});
  MadeBy7zz(QStringLiteral("other-password.sav"), QStringLiteral("OTHER"),
            QStringLiteral("$$$.tmp"));
  MadeBy7zz(QStringLiteral("other-entry.sav"), QStringLiteral("PAPERLANTERN"),
            QStringLiteral("game.txt"));
  QDir(dir_.path()).mkdir(QStringLiteral("folder.sav"));

  for (const char* name :
       {"zip", "half", "empty", "other-password.sav", "other-entry.sav", "folder.sav", "missing"}) {
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(UnpackSavedText(Path(QString::fromLatin1(name))).has_value()) << name;
    EXPECT_LT(timer.elapsed(), 5000) << name;
  }
}

TEST_F(SaveArchive, AFailedSaveLeavesTheOlderOneAsItWas) {
  const QString path = Path(QStringLiteral("save100.001"));
  const QByteArray older = "an older save, byte for byte";
  test::WriteFile(dir_.path(), QStringLiteral("save100.001"), older);
  // 7-Zip cannot write an archive where a folder stands
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("save100.001.new")));
  EXPECT_FALSE(PackSavedText(path, kText));
  EXPECT_EQ(test::ReadFile(path), older);
  EXPECT_FALSE(QFileInfo(path + QStringLiteral(".new")).isFile());

  // nor in a folder below a plain file
  test::WriteFile(dir_.path(), QStringLiteral("plain"), "a file, not a folder");
  const QString below = Path(QStringLiteral("plain/save100.002"));
  EXPECT_FALSE(PackSavedText(below, kText));
  EXPECT_FALSE(QFileInfo::exists(below));
  EXPECT_FALSE(QFileInfo::exists(below + QStringLiteral(".new")));
  EXPECT_EQ(test::ReadFile(Path(QStringLiteral("plain"))), "a file, not a folder");
}

TEST_F(SaveArchive, ASuccessfulSaveReplacesTheOlderOneAndIgnoresARemnant) {
  const QString path = Path(QStringLiteral("savelast.0"));
  ASSERT_TRUE(PackSavedText(path, "the older game"));
  // what a save broken off midway leaves: an archive with an entry of its own
  const QString remnant = MadeBy7zz(QStringLiteral("savelast.0.new"),
                                    QStringLiteral("PAPERLANTERN"), QStringLiteral("stale.txt"));
  ASSERT_TRUE(PackSavedText(path, kText));
  EXPECT_EQ(UnpackSavedText(path), kText);
  EXPECT_FALSE(QFileInfo::exists(remnant));
  EXPECT_EQ(EntryValues(Listing(path), QStringLiteral("Path")), "$$$.tmp");
}

TEST_F(SaveArchive, WithoutThe7zzProgramTheMessageNamesItAndNothingIsSaved) {
  EXPECT_FALSE(MissingArchiverMessage().has_value());
  const QString path = Path(QStringLiteral("save100.001"));
  ASSERT_TRUE(PackSavedText(path, kText));

  const QByteArray oldPath = qgetenv("PATH");
  QTemporaryDir empty;
  qputenv("PATH", QFile::encodeName(empty.path()));
  const auto message = MissingArchiverMessage();
  const bool packed = PackSavedText(path, "another game");
  const bool unpacked = UnpackSavedText(path).has_value();
  qputenv("PATH", oldPath);

  ASSERT_TRUE(message.has_value());
  EXPECT_TRUE(message->contains(QStringLiteral("7zz")));
  EXPECT_FALSE(packed);
  EXPECT_FALSE(unpacked);
  EXPECT_EQ(UnpackSavedText(path), kText);
  EXPECT_FALSE(MissingArchiverMessage().has_value());
}

}  // namespace
}  // namespace quorim
