#pragma once
// The background music play list: songs with their folders and played marks, the stored list
// MEDIA\songs.lst, and the choice of the next song (shuffle or list order).

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace quorim {

class DataDir;

struct TSong {
  QString FileName;     // no folder
  QString Folder;       // ending in "\", absolute or relative to the data directory
  bool Played = false;  // in the current shuffle cycle
};

// The song number is 8 bits wide, so a list holds at most this many songs.
inline constexpr int kMaxSongs = 256;
// Records of songs.lst: a length byte and 250 bytes for the file name, the same for the folder.
inline constexpr int kSongNameLimit = 250;
inline constexpr int kSongRecordSize = 2 * (1 + kSongNameLimit);

enum class MusicDirection : std::uint8_t { None = 0, Forward = 1, Backward = 2 };

class SongList {
 public:
  std::vector<TSong> Songs;
  std::uint8_t CurrentSong = 0;
  MusicDirection Direction = MusicDirection::None;

  bool Empty() const { return Songs.empty(); }
  int Count() const { return static_cast<int>(Songs.size()); }
  const TSong* Current() const;

  // Replaces the songs by the records of the file; the played marks are cleared. A trailing piece
  // shorter than a record is ignored; false when the file cannot be read.
  bool Load(const QString& path, int codePage);
  // Names are cut to 250 characters; the old file stays until the new one is complete.
  bool Save(const QString& path, int codePage) const;

  // The next song of a shuffle cycle: an unplayed one at random, starting a new cycle when all
  // have been played. random(n) is uniform in 0..n-1.
  void Shuffle(const std::function<int(int)>& random);
  // In list order along the direction, wrapping at either end.
  void Step();
};

// The song files of the MEDIA folder for a new songs.lst: names ending in ".mid" in any case, as
// the Windows directory search matched them, sorted by name, with the folder "MEDIA\".
std::vector<TSong> FindMidiSongs(const DataDir& data);

// The file system path of a song.
QString SongPath(const DataDir& data, const TSong& song);

// Only a name with ".mid" in exactly this case goes to the MIDI player; any other is a stream.
bool IsMidiSongName(const QString& fileName);

}  // namespace quorim
