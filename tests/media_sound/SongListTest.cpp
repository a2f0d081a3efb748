#include "media/DataDir.h"
#include "media/SongList.h"

#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <set>

namespace quorim {
namespace {

class SongListFile : public ::testing::Test {
 protected:
  QString Path() const { return dir_.path() + "/songs.lst"; }
  QTemporaryDir dir_;
};

TEST_F(SongListFile, RecordsOf502BytesAreWrittenAndReadBack) {
  SongList list;
  list.Songs = {{"Полёт.mid", "MEDIA\\"}, {"rain.mp3", "/home/u/Music\\", true}};
  ASSERT_TRUE(list.Save(Path(), 1251));

  const QByteArray bytes = test::ReadFile(Path());
  ASSERT_EQ(bytes.size(), 2 * 502);
  EXPECT_EQ(bytes[0], 9);
  EXPECT_EQ(bytes.mid(1, 9), QByteArray("\xCF\xEE\xEB\xB8\xF2.mid"));
  EXPECT_EQ(bytes[251], 6);
  EXPECT_EQ(bytes.mid(252, 6), QByteArray("MEDIA\\"));
  EXPECT_EQ(bytes[502], 8);
  EXPECT_EQ(bytes.mid(503, 8), QByteArray("rain.mp3"));

  SongList read;
  ASSERT_TRUE(read.Load(Path(), 1251));
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read.Songs[0].FileName, "Полёт.mid");
  EXPECT_EQ(read.Songs[0].Folder, "MEDIA\\");
  EXPECT_EQ(read.Songs[1].Folder, "/home/u/Music\\");
  // Played marks are not stored.
  EXPECT_FALSE(read.Songs[1].Played);
}

TEST_F(SongListFile, LongNamesAreCutTo250Characters) {
  SongList list;
  list.Songs = {{QString(300, u'a') + ".mid", QString(260, u'd') + "\\"}};
  ASSERT_TRUE(list.Save(Path(), 1251));
  EXPECT_EQ(test::ReadFile(Path()).size(), 502);
  SongList read;
  ASSERT_TRUE(read.Load(Path(), 1251));
  EXPECT_EQ(read.Songs.at(0).FileName, QString(250, u'a'));
  EXPECT_EQ(read.Songs.at(0).Folder, QString(250, u'd'));
}

TEST_F(SongListFile, AShortOrCorruptFileKeepsTheWholeRecordsOnly) {
  QByteArray record(502, 'x');
  record[0] = 3;
  record[251] = char(255);  // beyond the field: read as 250 bytes
  test::WriteFile(dir_.path(), "songs.lst", record + QByteArray(100, 'y'));
  SongList list;
  ASSERT_TRUE(list.Load(Path(), 1251));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Songs[0].FileName, "xxx");
  EXPECT_EQ(list.Songs[0].Folder, QString(250, u'x'));

  test::WriteFile(dir_.path(), "songs.lst", QByteArray(501, '\0'));
  ASSERT_TRUE(list.Load(Path(), 1251));
  EXPECT_TRUE(list.Empty());
}

TEST_F(SongListFile, AMissingFileLeavesTheListEmpty) {
  SongList list;
  EXPECT_FALSE(list.Load(Path(), 1251));
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.Current(), nullptr);
}

TEST_F(SongListFile, NoMoreThan256SongsAreRead) {
  QByteArray records;
  for (int i = 0; i < 300; ++i) records += QByteArray(502, '\0');
  test::WriteFile(dir_.path(), "songs.lst", records);
  SongList list;
  ASSERT_TRUE(list.Load(Path(), 1251));
  EXPECT_EQ(list.Count(), 256);
}

SongList ThreeSongs() {
  SongList list;
  list.Songs = {{"a.mid", "MEDIA\\"}, {"b.mid", "MEDIA\\"}, {"c.mid", "MEDIA\\"}};
  return list;
}

TEST(Shuffle, ThreeSongsComeAsThreeDifferentOnesThenANewCycleBegins) {
  SongList list = ThreeSongs();
  // A draw that keeps naming the first song until it is played, then the others.
  std::deque<int> draws = {1, 1, 1, 0, 1, 2, 1};
  auto random = [&](int n) {
    EXPECT_EQ(n, 3);
    const int r = draws.front();
    draws.pop_front();
    return r;
  };
  std::set<int> cycle;
  for (int i = 0; i < 3; ++i) {
    list.Shuffle(random);
    cycle.insert(list.CurrentSong);
  }
  EXPECT_EQ(cycle, (std::set<int>{0, 1, 2}));
  // All three are marked now; the next song clears the marks and may be any of them again.
  list.Shuffle(random);
  EXPECT_EQ(list.CurrentSong, 1);
  EXPECT_FALSE(list.Songs[0].Played);
  EXPECT_TRUE(list.Songs[1].Played);
  EXPECT_FALSE(list.Songs[2].Played);
  EXPECT_TRUE(draws.empty());
}

TEST(ListOrder, TheEndOfTheLastSongStartsTheFirstAndPreviousOfTheFirstIsTheLast) {
  SongList list = ThreeSongs();
  list.CurrentSong = 2;
  list.Direction = MusicDirection::Forward;
  list.Step();
  EXPECT_EQ(list.CurrentSong, 0);
  list.Step();
  EXPECT_EQ(list.CurrentSong, 1);
  list.Direction = MusicDirection::Backward;
  list.Step();
  list.Step();
  EXPECT_EQ(list.CurrentSong, 2);
  list.Direction = MusicDirection::None;
  list.Step();
  EXPECT_EQ(list.CurrentSong, 2);
}

TEST(ListOrder, ANumberBeyondAShortenedListWrapsLikeTheLastSong) {
  SongList list = ThreeSongs();
  list.CurrentSong = 200;
  list.Direction = MusicDirection::Backward;
  list.Step();
  EXPECT_EQ(list.CurrentSong, 2);
  list.CurrentSong = 200;
  list.Direction = MusicDirection::Forward;
  list.Step();
  EXPECT_EQ(list.CurrentSong, 0);
}

TEST(MidiFiles, OnlyDotMidInExactCaseGoesToTheMidiPlayer) {
  EXPECT_TRUE(IsMidiSongName("song.mid"));
  EXPECT_TRUE(IsMidiSongName("old.midi"));
  EXPECT_FALSE(IsMidiSongName("SONG.MID"));
  EXPECT_FALSE(IsMidiSongName("song.Mid"));
  EXPECT_FALSE(IsMidiSongName("song.mp3"));
}

TEST(MidiFiles, TheNewListHoldsTheMidiFilesOfMediaByName) {
  QTemporaryDir dir;
  for (const char* name :
       {"media/b.mid", "media/A.MID", "media/c.mp3", "media/songs.txt", "media/d.midi", "e.mid"}) {
    test::WriteFile(dir.path(), name, "x");
  }
  const std::vector<TSong> songs = FindMidiSongs(DataDir(dir.path()));
  ASSERT_EQ(songs.size(), 2u);
  EXPECT_EQ(songs[0].FileName, "A.MID");
  EXPECT_EQ(songs[1].FileName, "b.mid");
  EXPECT_EQ(songs[0].Folder, "MEDIA\\");
  EXPECT_EQ(SongPath(DataDir(dir.path()), songs[1]), dir.path() + "/media/b.mid");
}

TEST(MidiFiles, AnAbsoluteFolderIsTakenAsItIs) {
  EXPECT_EQ(SongPath(DataDir("/tmp"), {"x.mp3", "/home/u/Music\\"}), "/home/u/Music/x.mp3");
}

}  // namespace
}  // namespace quorim
