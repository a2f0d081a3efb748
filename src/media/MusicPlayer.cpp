#include "media/MusicPlayer.h"

#include "model/ControlNames.h"
#include "model/Game.h"

#include <QFileInfo>

namespace quorim {

QString MusicPlayer::SongListPath() const {
  return game_.Data.Resolve(u"MEDIA\\songs.lst");
}

bool MusicPlayer::ReloadSongList() {
  songs_.Songs.clear();
  return songs_.Load(SongListPath(), game_.InterfaceCodePage());
}

void MusicPlayer::LoadSongListIfEmpty() {
  if (songs_.Empty()) songs_.Load(SongListPath(), game_.InterfaceCodePage());
}

bool MusicPlayer::SaveSongList() const {
  return songs_.Save(SongListPath(), game_.InterfaceCodePage());
}

void MusicPlayer::CreateSongListIfMissing() {
  if (QFileInfo::exists(SongListPath())) return;
  SongList found;
  found.Songs = FindMidiSongs(game_.Data);
  if (!found.Empty()) found.Save(SongListPath(), game_.InterfaceCodePage());
}

void MusicPlayer::StartMusic() {
  if (songs_.Empty() || !game_.Settings.PlayBackgroundMusic) return;
  if (game_.Settings.PlayShuffle) songs_.Shuffle([this](int n) { return game_.Random(n); });
  if (songs_.CurrentSong >= songs_.Count()) songs_.CurrentSong = 0;
  PlaySong();
}

void MusicPlayer::MediaPlayer1Notify() {
  if (songs_.Empty() || game_.GameOver() || !game_.Settings.PlayBackgroundMusic) return;
  if (MidiPlaying() || StreamPlaying()) return;
  if (game_.Settings.PlayShuffle) {
    songs_.Shuffle([this](int n) { return game_.Random(n); });
  } else {
    songs_.Step();
  }
  RefreshMusicTitle();
  PlaySong();
}

void MusicPlayer::PlaySong() {
  const TSong* song = songs_.Current();
  if (song == nullptr) return;
  const QString path = SongPath(game_.Data, *song);
  songs_.Direction = MusicDirection::Forward;
  if (IsMidiSongName(song->FileName)) {
    // A vanished file plays nothing and the game goes on.
    if (!QFileInfo::exists(path) || !library_.OpenMidi(path)) return;
    library_.SetMidiVolume(game_.Settings.MusicVolume);
    library_.RequestMidiNotification(true);
    library_.PlayMidi();
    return;
  }
  FreeStream();
  stream_ = library_.CreateStream(path);
  library_.SetStreamVolume(stream_, game_.Settings.MusicVolume);
  library_.PlayStream(stream_);
}

void MusicPlayer::Tick() {
  if (library_.TakeMidiEnd()) MediaPlayer1Notify();
  if (stream_ != 0 && !StreamPlaying()) MediaPlayer1Notify();
}

void MusicPlayer::FreeStream() {
  library_.FreeStream(stream_);
  stream_ = 0;
}

void MusicPlayer::StopMidi() {
  library_.StopMidi();
}

bool MusicPlayer::MusicKey(QChar key) {
  const QChar upper = key.toUpper();
  if (upper == u'N' || upper == u'Т' || upper == u'P' || upper == u'З') {
    StopMidi();
    songs_.Direction =
        upper == u'N' || upper == u'Т' ? MusicDirection::Forward : MusicDirection::Backward;
    FreeStream();
    MediaPlayer1Notify();
    return true;
  }
  if (upper == u'S' || upper == u'Ы') {
    game_.Settings.PlayBackgroundMusic = false;
    game_.View().SetControlCaption(names::Comment4, QString());
    FreeStream();
    StopMidi();
    return true;
  }
  return false;
}

void MusicPlayer::ApplyOptions() {
  if (game_.Settings.PlayBackgroundMusic) {
    library_.SetStreamVolume(stream_, game_.Settings.MusicVolume);
    library_.SetMidiVolume(game_.Settings.MusicVolume);
    if (!MidiPlaying() && !songs_.Empty() && !StreamPlaying()) StartMusic();
  } else {
    library_.RequestMidiNotification(false);
    StopMidi();
    FreeStream();
  }
  RefreshMusicTitle();
}

void MusicPlayer::SetMusicVolume(int level) {
  library_.SetStreamVolume(stream_, level);
  library_.SetMidiVolume(level);
}

void MusicPlayer::EndOfGame() {
  library_.RequestMidiNotification(false);
  if (game_.Settings.PlayBackgroundMusic) {
    library_.CloseMidi();
    FreeStream();
  }
}

QString MusicPlayer::MusicTitle() const {
  const TSong* song = songs_.Current();
  if (!game_.Settings.PlayBackgroundMusic || song == nullptr) return {};
  return game_.InterfaceText(u"InGameInfoMusicTitle") + song->FileName;
}

void MusicPlayer::RefreshMusicTitle() {
  game_.View().SetControlCaption(names::Comment4, MusicTitle());
}

}  // namespace quorim
