#include "persistence/UserDataDir.h"

#include "media/DataDir.h"
#include "media/TextFiles.h"

#include "TestFiles.h"

#include <QDateTime>
#include <QDirIterator>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace quorim {
namespace {

// What a user would notice of a file: its bytes and when it was last written.
using TreeState = std::map<QString, std::tuple<QByteArray, QDateTime, bool>>;

TreeState StateOf(const QString& root) {
  TreeState state;
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo entry(it.next());
    state[entry.filePath()] = {test::ReadFile(entry.filePath()), entry.lastModified(),
                               entry.isSymLink()};
  }
  return state;
}

class UserDataDir : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp_.isValid());
    ShipAFewOfEveryKind();
  }

  void ShipAFewOfEveryKind() {
    for (const char* file :
         {"lang/default.txt", "lang/eng/strings.txt", "dict/eng/dictionary.txt",
          "dict/eng/expl/eng/explanatory.txt", "dict/eng/alphabet.txt", "GRAFIX/classic/Q-Logo.bmp",
          "GRAFIX/night/colors.txt", "MEDIA/Bonus1.mp3", "MEDIA/songs.lst", "MAPS/classic.map",
          "FONTS/Quorim.ttf", "quorim.ini"}) {
      Ship(file, QByteArray("shipped ") + file);
    }
  }

  void Ship(const QString& relative, const QByteArray& bytes) {
    test::WriteFile(shipped_, relative, bytes);
  }
  void Own(const QString& relative, const QByteArray& bytes) {
    test::WriteFile(user_, relative, bytes);
  }
  QFileInfo User(const QString& relative) const { return QFileInfo(user_ + u'/' + relative); }
  QByteArray UserBytes(const QString& relative) const {
    return test::ReadFile(user_ + u'/' + relative);
  }
  QString ShippedPath(const QString& relative) const {
    return QFileInfo(shipped_).canonicalFilePath() + u'/' + relative;
  }

  void Start() {
    QString error;
    const auto dir = PrepareUserDataDir(shipped_, user_, error);
    ASSERT_TRUE(dir) << error.toStdString();
    EXPECT_EQ(*dir, user_);
  }

  // The game writes its files the way it always does: a new file renamed over the old one.
  void PlayWrites(const QString& relative) {
    const QString path = DataDir(user_).Resolve(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_TRUE(SaveTextFile(path, {"written by the game"}, 1251)) << relative.toStdString();
  }

  QTemporaryDir tmp_;
  QString shipped_ = tmp_.path() + QStringLiteral("/usr/share/quorim");
  QString user_ = tmp_.path() + QStringLiteral("/home/.local/share/quorim");
};

TEST_F(UserDataDir, FirstStartLinksWhatTheGameReadsAndCopiesWhatItWrites) {
  Start();
  for (const char* read : {"lang/default.txt", "lang/eng/strings.txt", "dict/eng/dictionary.txt",
                           "dict/eng/expl/eng/explanatory.txt", "GRAFIX/classic/Q-Logo.bmp",
                           "MEDIA/Bonus1.mp3", "MAPS/classic.map", "FONTS/Quorim.ttf"}) {
    EXPECT_TRUE(User(read).isSymLink()) << read;
    EXPECT_EQ(User(read).canonicalFilePath(), ShippedPath(read)) << read;
  }
  for (const char* written : {"quorim.ini", "dict/eng/alphabet.txt", "MEDIA/songs.lst"}) {
    EXPECT_TRUE(User(written).isFile() && !User(written).isSymLink()) << written;
    EXPECT_EQ(UserBytes(written), QByteArray("shipped ") + written);
  }
  for (const char* folder : {"lang/eng", "dict/eng/expl/eng", "GRAFIX/classic", "MEDIA"}) {
    EXPECT_TRUE(User(folder).isDir() && !User(folder).isSymLink()) << folder;
  }
  EXPECT_TRUE(HoldsGameData(user_));
}

TEST_F(UserDataDir, TheGamesWritesNeverReachTheShippedData) {
  QFile::setPermissions(shipped_ + "/quorim.ini", QFile::ReadOwner | QFile::ReadGroup);
  const TreeState before = StateOf(shipped_);
  Start();
  // Installed data is often read-only; the user's copy must not be.
  EXPECT_TRUE(User("quorim.ini").permissions() & QFile::WriteOwner);
  for (const char* file : {"quorim.ini", "anna.ini", "hallfame.dat", "dict/eng/alphabet.txt",
                           "dict/eng/alphabet.def", "dict/eng/diction.user.add.txt",
                           "MEDIA/songs.lst", "GRAFIX/classic/new.bmp", "save/savelast.0"}) {
    PlayWrites(file);
  }
  Start();
  EXPECT_EQ(StateOf(shipped_), before);
}

TEST_F(UserDataDir, AnUpdateOfTheShippedDataShowsAtTheNextStart) {
  Start();
  Ship("dict/eng/dictionary.txt", "a longer word list");
  Ship("GRAFIX/classic/background.png", "new picture");
  Ship("lang/fra/strings.txt", "a new language");
  QFile::remove(shipped_ + "/MAPS/classic.map");
  QDir(shipped_ + "/GRAFIX/night").removeRecursively();
  Start();

  EXPECT_EQ(UserBytes("dict/eng/dictionary.txt"), "a longer word list");
  EXPECT_TRUE(User("GRAFIX/classic/background.png").isSymLink());
  EXPECT_EQ(UserBytes("lang/fra/strings.txt"), "a new language");
  EXPECT_FALSE(User("MAPS/classic.map").isSymLink());
  // A skin folder left behind empty would still be offered as a skin.
  EXPECT_FALSE(User("GRAFIX/night").exists());
  EXPECT_TRUE(User("MAPS").isDir());
}

TEST_F(UserDataDir, TheUsersFilesComeThroughAnUpdateByteForByte) {
  Start();
  const std::map<QString, QByteArray> own{{"quorim.ini", "Player1=Anna"},
                                          {"anna.ini", "HintCount=11"},
                                          {"save/save100.001", "7z slot"},
                                          {"save/savelast.100", "7z last"},
                                          {"hallfame.dat", QByteArray(232, '\x07')},
                                          {"dict/eng/diction.user.add.txt", "quorim"},
                                          {"dict/eng/diction.user.del.txt", "cat"},
                                          {"dict/eng/alphabet.txt", "edited alphabet"},
                                          {"dict/eng/alphabet.def", "factory alphabet"},
                                          {"MEDIA/songs.lst", "my songs"}};
  for (const auto& [file, bytes] : own) Own(file, bytes);
  for (const auto& [file, bytes] : own) Ship(file, "an update of " + file.toUtf8());
  Start();

  for (const auto& [file, bytes] : own) EXPECT_EQ(UserBytes(file), bytes) << file.toStdString();
}

TEST_F(UserDataDir, RecordsOfPlayInTheShippedFolderAreNotTaken) {
  for (const char* file : {"hallfame.dat", "save/savelast.0", "dict/eng/diction.user.add.txt",
                           "dict/eng/diction.user.del.txt", "~pkdwrds.tmp"}) {
    Ship(file, "left by a game played in the shipped folder");
  }
  Start();
  for (const char* file : {"hallfame.dat", "save", "dict/eng/diction.user.add.txt",
                           "dict/eng/diction.user.del.txt", "~pkdwrds.tmp"}) {
    EXPECT_FALSE(User(file).exists() || User(file).isSymLink()) << file;
  }
}

TEST_F(UserDataDir, AUsersFileInPlaceOfAShippedOneIsKept) {
  Own("dict/eng/dictionary.txt", "my own word list");
  Own("GRAFIX/CLASSIC/q-logo.BMP", "my own logo");
  Own("elsewhere.mp3", "my own sound");
  test::WriteFile(tmp_.path(), "music/MEDIA/waltz.mid", "my own song");
  QDir().mkpath(user_ + "/MEDIA");
  QFile::link(user_ + "/elsewhere.mp3", user_ + "/MEDIA/Bonus1.mp3");
  QFile::link(tmp_.path() + "/music/MEDIA/waltz.mid", user_ + "/MEDIA/waltz.mid");
  Start();
  Start();

  EXPECT_EQ(UserBytes("dict/eng/dictionary.txt"), "my own word list");
  EXPECT_FALSE(User("dict/eng/dictionary.txt").isSymLink());
  // The game finds names in any case: one folder and one logo, not a second of each.
  EXPECT_EQ(QDir(user_ + "/GRAFIX").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList({"CLASSIC", "night"}));
  EXPECT_EQ(QDir(user_ + "/GRAFIX/CLASSIC").entryList(QDir::Files), QStringList({"q-logo.BMP"}));
  EXPECT_EQ(test::ReadFile(DataDir(user_).Resolve(u"GRAFIX\\classic\\Q-Logo.bmp")), "my own logo");
  EXPECT_EQ(User("MEDIA/Bonus1.mp3").symLinkTarget(), user_ + "/elsewhere.mp3");
  EXPECT_EQ(UserBytes("MEDIA/waltz.mid"), "my own song");
}

TEST_F(UserDataDir, LinksIntoTheShippedDataWhereTheGameWritesBecomeCopiesAndFolders) {
  // What an earlier layout of the user's folder, or a hand, may have left.
  QDir().mkpath(user_ + "/dict/eng");
  QFile::link(shipped_ + "/quorim.ini", user_ + "/quorim.ini");
  QFile::link(shipped_ + "/dict/eng/alphabet.txt", user_ + "/dict/eng/alphabet.txt");
  QFile::link(shipped_ + "/MEDIA", user_ + "/MEDIA");
  const TreeState before = StateOf(shipped_);
  Start();

  EXPECT_FALSE(User("quorim.ini").isSymLink());
  EXPECT_FALSE(User("dict/eng/alphabet.txt").isSymLink());
  EXPECT_FALSE(User("MEDIA").isSymLink());
  EXPECT_FALSE(User("MEDIA/songs.lst").isSymLink());
  EXPECT_TRUE(User("MEDIA/Bonus1.mp3").isSymLink());
  for (const char* file : {"quorim.ini", "dict/eng/alphabet.txt", "MEDIA/songs.lst"}) {
    PlayWrites(file);
  }
  EXPECT_EQ(StateOf(shipped_), before);
}

TEST_F(UserDataDir, LinksFollowTheShippedDataToAnotherPlace) {
  Start();
  // Another checkout or another installation; the first one stays where it was.
  const QString first = shipped_;
  shipped_ = tmp_.path() + QStringLiteral("/opt/quorim");
  ShipAFewOfEveryKind();
  Ship("MAPS/wide.map", "a new map");
  Start();

  for (const char* read : {"lang/default.txt", "MAPS/wide.map", "GRAFIX/classic/Q-Logo.bmp"}) {
    EXPECT_EQ(User(read).symLinkTarget(), ShippedPath(read)) << read;
  }
  EXPECT_EQ(UserBytes("quorim.ini"), "shipped quorim.ini");

  // Back to the first place: what only the other one has goes.
  shipped_ = first;
  Start();
  EXPECT_EQ(User("MAPS/classic.map").symLinkTarget(), ShippedPath("MAPS/classic.map"));
  EXPECT_FALSE(User("MAPS/wide.map").exists() || User("MAPS/wide.map").isSymLink());
}

TEST_F(UserDataDir, RefusesWhatCannotBecomeADataDirectoryAndTouchesNothing) {
  QString error;
  EXPECT_FALSE(PrepareUserDataDir(tmp_.path() + "/nowhere", user_, error));
  EXPECT_TRUE(error.contains("/nowhere")) << error.toStdString();
  EXPECT_FALSE(PrepareUserDataDir(shipped_ + "/GRAFIX", user_, error));
  EXPECT_FALSE(QFileInfo::exists(user_));

  test::WriteFile(tmp_.path(), "home/file", "a file, not a folder");
  EXPECT_FALSE(PrepareUserDataDir(shipped_, tmp_.path() + "/home/file/quorim", error));
  EXPECT_EQ(test::ReadFile(tmp_.path() + "/home/file"), "a file, not a folder");

  const TreeState before = StateOf(shipped_);
  EXPECT_FALSE(PrepareUserDataDir(shipped_, shipped_ + "/users/anna", error));
  EXPECT_FALSE(PrepareUserDataDir(shipped_ + "/../quorim", tmp_.path() + "/usr", error));
  // Installed into the user's own folders: the shipped folder is the user's.
  EXPECT_EQ(PrepareUserDataDir(shipped_, shipped_ + "/lang/..", error), shipped_);
  EXPECT_EQ(StateOf(shipped_), before);
}

TEST_F(UserDataDir, TheWorkingDirectoryWinsWhenItHoldsTheGamesData) {
  QString error;
  EXPECT_EQ(ChooseDataDir(shipped_, shipped_, user_, error), shipped_);
  EXPECT_FALSE(QFileInfo::exists(user_));

  EXPECT_EQ(ChooseDataDir(tmp_.path(), shipped_, user_, error), user_);
  EXPECT_TRUE(User("lang/default.txt").isSymLink());

  // Started inside the user's folder, the game still sees an update.
  Ship("MAPS/wide.map", "a new map");
  EXPECT_EQ(ChooseDataDir(user_, shipped_, user_, error), user_);
  EXPECT_TRUE(User("MAPS/wide.map").isSymLink());
}

TEST(DefaultUserDataDir, FollowsXdgDataHomeWhenItIsAnAbsolutePath) {
  const QByteArray home = qgetenv("HOME"), dataHome = qgetenv("XDG_DATA_HOME");
  qputenv("HOME", "/home/anna");
  qputenv("XDG_DATA_HOME", "/data/anna/");
  EXPECT_EQ(DefaultUserDataDir(), "/data/anna/quorim");
  qputenv("XDG_DATA_HOME", "relative/share");
  EXPECT_EQ(DefaultUserDataDir(), "/home/anna/.local/share/quorim");
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(DefaultUserDataDir(), "/home/anna/.local/share/quorim");
  qputenv("HOME", home);
  if (dataHome.isNull()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", dataHome);
  }
}

}  // namespace
}  // namespace quorim
