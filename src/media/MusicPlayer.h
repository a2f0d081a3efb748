#pragma once
// Background music while a game runs: the song list in list order or shuffled, MIDI songs on the
// MIDI player and other files as streams, the keys N, P and S, and the music volume.

#include "media/SongList.h"
#include "media/SoundLibrary.h"

#include <QChar>
#include <QString>

namespace quorim {

class Game;

class MusicPlayer {
 public:
  MusicPlayer(Game& game, SoundLibrary& library) : game_(game), library_(library) {}

  SongList& Songs() { return songs_; }
  const SongList& Songs() const { return songs_; }

  // MEDIA\songs.lst: read when the options window opens (every played mark is cleared) and at
  // the start of a game while the list is empty; written when the options window is confirmed.
  bool ReloadSongList();
  void LoadSongListIfEmpty();
  bool SaveSongList() const;
  // Start-up: without MEDIA\songs.lst, one is made of the MIDI files of MEDIA (if any).
  void CreateSongListIfMissing();

  // The current song (or a shuffled one) at the start of a game.
  void StartMusic();
  // The next song when one has ended, or on the N and P keys.
  void MediaPlayer1Notify();
  // SystemTimer and MoveTimer: a finished song starts the next one.
  void Tick();
  // N, P, S and the Cyrillic letters on the same keys, in either case; false for other keys.
  bool MusicKey(QChar key);
  // After the options window while a game runs.
  void ApplyOptions();
  // The options window's music slider.
  void SetMusicVolume(int level);
  // The end of a game.
  void EndOfGame();

  // The fourth line of the information panel, "Comment4".
  QString MusicTitle() const;
  void RefreshMusicTitle();

  bool MidiPlaying() const { return library_.IsMidiPlaying(); }
  bool StreamPlaying() const { return library_.IsStreamPlaying(stream_); }
  StreamHandle Stream() const { return stream_; }

 private:
  QString SongListPath() const;
  void PlaySong();
  void FreeStream();
  void StopMidi();

  Game& game_;
  SoundLibrary& library_;
  SongList songs_;
  StreamHandle stream_ = 0;
};

}  // namespace quorim
