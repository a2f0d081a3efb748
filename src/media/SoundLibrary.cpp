#include "media/SoundLibrary.h"

#include <QByteArray>
#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace quorim {

namespace {

constexpr int kChannels = 32;
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

// The mixer calls the finished hook on its audio thread (or inside Mix_HaltMusic); the main thread
// polls this flag.
std::atomic<bool> musicEnded{false};
// The music the main thread last started: the hook does not say which one ended.
Mix_Music* currentMusic = nullptr;
std::atomic<bool> libraryInUse{false};

void SDLCALL MusicFinished() {
  musicEnded.store(true);
}

int MixerLevel(int level) {
  return std::clamp(level, 0, 100) * MIX_MAX_VOLUME / 100;
}

QByteArray FilePath(const QString& path) {
  return QFile::encodeName(path);
}

}  // namespace

SoundLibrary::SoundLibrary() {
  if (libraryInUse.exchange(true)) return;
  sdlStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!sdlStarted_) {
    libraryInUse.store(false);
    return;
  }
  Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_MID);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) return;
  open_ = true;
  Mix_AllocateChannels(kChannels);
  playingSample_.assign(kChannels, 0);
  playbackOf_.assign(kChannels, 0);
  // A soundfont named by the user's SDL_SOUNDFONTS wins over the packaged one.
  if (std::getenv("SDL_SOUNDFONTS") == nullptr) {
    Mix_SetSoundFonts(QFile::exists(QString::fromLatin1(kSoundFont)) ? kSoundFont
                                                                     : kDefaultSoundFont);
  }
  musicEnded.store(false);
  currentMusic = nullptr;
  Mix_HookMusicFinished(MusicFinished);
}

SoundLibrary::~SoundLibrary() {
  if (open_) {
    Mix_HookMusicFinished(nullptr);
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    for (Stream& stream : streams_) {
      if (stream.music != nullptr) Mix_FreeMusic(stream.music);
    }
    if (midi_ != nullptr) Mix_FreeMusic(midi_);
    for (Sample& sample : samples_) {
      if (sample.chunk != nullptr) Mix_FreeChunk(sample.chunk);
    }
    currentMusic = nullptr;
    Mix_CloseAudio();
  }
  if (sdlStarted_) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    libraryInUse.store(false);
  }
}

int SoundLibrary::OutputDevices() const {
  if (!sdlStarted_) return 0;
  const int devices = SDL_GetNumAudioDevices(0);
  // Some drivers cannot count their devices; one that opened counts as one.
  if (devices < 0) return open_ ? 1 : 0;
  return open_ ? std::max(devices, 1) : devices;
}

int SoundLibrary::OutputVolume() const {
  if (!open_) return 0;
  return Mix_MasterVolume(-1) * 100 / MIX_MAX_VOLUME;
}

SampleHandle SoundLibrary::LoadSample(const QString& path, int maxPlaybacks) {
  if (!open_) return 0;
  Mix_Chunk* chunk = Mix_LoadWAV(FilePath(path).constData());
  if (chunk == nullptr) return 0;
  samples_.push_back({chunk, std::max(maxPlaybacks, 1)});
  return static_cast<SampleHandle>(samples_.size());
}

ChannelHandle SoundLibrary::PlaySample(SampleHandle sample) {
  if (!open_ || sample < 1 || sample > static_cast<int>(samples_.size())) return {};
  const Sample& entry = samples_[static_cast<std::size_t>(sample - 1)];
  int playing = 0;
  for (int channel = 0; channel < kChannels; ++channel) {
    if (playingSample_[channel] == sample && Mix_Playing(channel)) ++playing;
  }
  if (playing >= entry.maxPlaybacks) return {};
  const int channel = Mix_PlayChannel(-1, entry.chunk, 0);
  if (channel < 0 || channel >= kChannels) return {};
  playingSample_[channel] = sample;
  playbackOf_[channel] = nextPlayback_++;
  return {channel, playbackOf_[channel]};
}

void SoundLibrary::StopSample(SampleHandle sample) {
  if (!open_ || sample == 0) return;
  for (int channel = 0; channel < kChannels; ++channel) {
    if (playingSample_[channel] == sample) Mix_HaltChannel(channel);
  }
}

bool SoundLibrary::IsChannelPlaying(ChannelHandle channel) const {
  if (!open_ || !channel || channel.channel < 0 || channel.channel >= kChannels) return false;
  return playbackOf_[channel.channel] == channel.playback && Mix_Playing(channel.channel) != 0;
}

void SoundLibrary::SetEffectsVolume(int level) {
  if (open_) Mix_Volume(-1, MixerLevel(level));
}

bool SoundLibrary::Owns(Mix_Music* music) const {
  return music != nullptr && currentMusic == music && Mix_PlayingMusic() != 0;
}

void SoundLibrary::Halt(Mix_Music* music) {
  if (music == nullptr || currentMusic != music) return;
  Mix_HaltMusic();
  // The halt ran the finished hook; a stop is no end.
  musicEnded.store(false);
  currentMusic = nullptr;
}

StreamHandle SoundLibrary::CreateStream(const QString& path) {
  if (!open_) return 0;
  Mix_Music* music = Mix_LoadMUS(FilePath(path).constData());
  if (music == nullptr) return 0;
  streams_.push_back({music, 100});
  return static_cast<StreamHandle>(streams_.size());
}

bool SoundLibrary::PlayStream(StreamHandle stream) {
  if (!open_ || stream < 1 || stream > static_cast<int>(streams_.size())) return false;
  Stream& entry = streams_[static_cast<std::size_t>(stream - 1)];
  if (entry.music == nullptr) return false;
  Halt(currentMusic);
  Mix_VolumeMusic(MixerLevel(entry.volume));
  if (Mix_PlayMusic(entry.music, 0) != 0) return false;
  currentMusic = entry.music;
  return true;
}

void SoundLibrary::SetStreamVolume(StreamHandle stream, int level) {
  if (!open_ || stream < 1 || stream > static_cast<int>(streams_.size())) return;
  Stream& entry = streams_[static_cast<std::size_t>(stream - 1)];
  entry.volume = std::clamp(level, 0, 100);
  if (entry.music != nullptr && currentMusic == entry.music) Mix_VolumeMusic(MixerLevel(level));
}

bool SoundLibrary::IsStreamPlaying(StreamHandle stream) const {
  if (!open_ || stream < 1 || stream > static_cast<int>(streams_.size())) return false;
  return Owns(streams_[static_cast<std::size_t>(stream - 1)].music);
}

void SoundLibrary::FreeStream(StreamHandle stream) {
  if (!open_ || stream < 1 || stream > static_cast<int>(streams_.size())) return;
  Stream& entry = streams_[static_cast<std::size_t>(stream - 1)];
  if (entry.music == nullptr) return;
  Halt(entry.music);
  Mix_FreeMusic(entry.music);
  entry.music = nullptr;
}

bool SoundLibrary::OpenMidi(const QString& path) {
  CloseMidi();
  if (!open_) return false;
  midi_ = Mix_LoadMUS(FilePath(path).constData());
  return midi_ != nullptr;
}

void SoundLibrary::RequestMidiNotification(bool on) {
  midiNotify_ = on;
}

bool SoundLibrary::PlayMidi() {
  if (!open_ || midi_ == nullptr) return false;
  Halt(currentMusic);
  Mix_VolumeMusic(MixerLevel(midiVolume_));
  if (Mix_PlayMusic(midi_, 0) != 0) return false;
  currentMusic = midi_;
  return true;
}

void SoundLibrary::StopMidi() {
  if (open_) Halt(midi_);
}

void SoundLibrary::CloseMidi() {
  if (!open_ || midi_ == nullptr) return;
  Halt(midi_);
  Mix_FreeMusic(midi_);
  midi_ = nullptr;
}

bool SoundLibrary::IsMidiPlaying() const {
  return open_ && Owns(midi_);
}

void SoundLibrary::SetMidiVolume(int level) {
  midiVolume_ = std::clamp(level, 0, 100);
  if (open_ && midi_ != nullptr && currentMusic == midi_) Mix_VolumeMusic(MixerLevel(level));
}

bool SoundLibrary::TakeMidiEnd() {
  if (!open_ || !musicEnded.load()) return false;
  // Only the song that was playing has ended; a stream's end is found by IsStreamPlaying.
  if (currentMusic != nullptr && Mix_PlayingMusic() != 0) return false;
  musicEnded.store(false);
  const bool midiEnded = midi_ != nullptr && currentMusic == midi_ && midiNotify_;
  if (midiEnded) midiNotify_ = false;
  return midiEnded;
}

}  // namespace quorim
