#include "media/SongList.h"

#include "media/CodePages.h"
#include "media/DataDir.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <string>

namespace quorim {

const TSong* SongList::Current() const {
  return CurrentSong < Songs.size() ? &Songs[CurrentSong] : nullptr;
}

namespace {

QString Field(const QByteArray& record, int offset, int codePage) {
  const int length =
      std::min(static_cast<int>(static_cast<unsigned char>(record[offset])), kSongNameLimit);
  const std::string bytes(record.constData() + offset + 1, static_cast<std::size_t>(length));
  return DecodeCodePage(bytes, codePage);
}

void PutField(QByteArray& record, int offset, const QString& text, int codePage) {
  std::string bytes = EncodeCodePage(text, codePage);
  if (bytes.size() > static_cast<std::size_t>(kSongNameLimit)) bytes.resize(kSongNameLimit);
  record[offset] = static_cast<char>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), record.begin() + offset + 1);
}

}  // namespace

bool SongList::Load(const QString& path, int codePage) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  Songs.clear();
  while (Count() < kMaxSongs) {
    const QByteArray record = file.read(kSongRecordSize);
    if (record.size() < kSongRecordSize) break;
    Songs.push_back({Field(record, 0, codePage), Field(record, 1 + kSongNameLimit, codePage)});
  }
  return true;
}

bool SongList::Save(const QString& path, int codePage) const {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  for (const TSong& song : Songs) {
    QByteArray record(kSongRecordSize, '\0');
    PutField(record, 0, song.FileName, codePage);
    PutField(record, 1 + kSongNameLimit, song.Folder, codePage);
    if (file.write(record) != record.size()) return false;
  }
  return file.commit();
}

void SongList::Shuffle(const std::function<int(int)>& random) {
  if (Songs.empty()) return;
  const bool allPlayed =
      std::all_of(Songs.begin(), Songs.end(), [](const TSong& song) { return song.Played; });
  if (allPlayed) {
    for (TSong& song : Songs) song.Played = false;
  }
  int pick = 0;
  do {
    pick = random(Count());
  } while (pick < 0 || pick >= Count() || Songs[static_cast<std::size_t>(pick)].Played);
  Songs[static_cast<std::size_t>(pick)].Played = true;
  CurrentSong = static_cast<std::uint8_t>(pick);
}

void SongList::Step() {
  if (Songs.empty()) return;
  const int last = Count() - 1;
  int current = CurrentSong;
  if (Direction == MusicDirection::Forward) {
    current = current >= last ? 0 : current + 1;
  } else if (Direction == MusicDirection::Backward) {
    // From beyond a list that has since become shorter, backward leads to the last song.
    current = current == 0 || current > last ? last : current - 1;
  } else if (current > last) {
    current = 0;
  }
  CurrentSong = static_cast<std::uint8_t>(current);
}

std::vector<TSong> FindMidiSongs(const DataDir& data) {
  std::vector<TSong> songs;
  const QDir media(data.Resolve(u"MEDIA"));
  const QStringList names = media.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : names) {
    if (!name.endsWith(QStringLiteral(".mid"), Qt::CaseInsensitive)) continue;
    if (static_cast<int>(songs.size()) == kMaxSongs) break;
    songs.push_back({name, QStringLiteral("MEDIA\\")});
  }
  return songs;
}

QString SongPath(const DataDir& data, const TSong& song) {
  QString path = song.Folder + song.FileName;
  if (path.startsWith(u'/')) return path.replace(u'\\', u'/');
  return data.Resolve(path);
}

bool IsMidiSongName(const QString& fileName) {
  return fileName.contains(QStringLiteral(".mid"), Qt::CaseSensitive);
}

}  // namespace quorim
