#pragma once
// The sound layer on SDL2_mixer: effect samples, file streams and MIDI songs (FluidSynth with the
// General MIDI soundfont). Without a sound device every call does nothing and reports failure, so
// the game runs silently.

#include <QString>

#include <cstdint>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace quorim {

// 0 is no sample, no stream, no channel: using it does nothing.
using SampleHandle = int;
using StreamHandle = int;
// A playback of a sample. Mixer channels are reused, so the handle also names the playback.
struct ChannelHandle {
  int channel = -1;
  std::uint64_t playback = 0;
  explicit operator bool() const { return playback != 0; }
};

class SoundLibrary {
 public:
  // Opens the default output device; one library at a time, the audio device is the process's.
  SoundLibrary();
  ~SoundLibrary();
  SoundLibrary(const SoundLibrary&) = delete;
  SoundLibrary& operator=(const SoundLibrary&) = delete;

  bool IsOpen() const { return open_; }
  // The number of output devices (0 without sound), for the default of PlaySounds.
  int OutputDevices() const;
  // The mixer's own output level at start-up, 0..100.
  int OutputVolume() const;

  // A whole file; at most maxPlaybacks of it sound at once. 0 when it cannot be loaded.
  SampleHandle LoadSample(const QString& path, int maxPlaybacks = 2);
  // Nothing plays (an empty handle) when the sample is 0 or all its playbacks are busy.
  ChannelHandle PlaySample(SampleHandle sample);
  // Stops every playback of the sample.
  void StopSample(SampleHandle sample);
  bool IsChannelPlaying(ChannelHandle channel) const;
  // The level of every effect, 0..100.
  void SetEffectsVolume(int level);

  // A music file other than MIDI (mp3, ogg, wav…); played once from its start.
  StreamHandle CreateStream(const QString& path);
  bool PlayStream(StreamHandle stream);
  void SetStreamVolume(StreamHandle stream, int level);
  bool IsStreamPlaying(StreamHandle stream) const;
  // Stops and releases the stream.
  void FreeStream(StreamHandle stream);

  // The MIDI player: one song at a time.
  bool OpenMidi(const QString& path);
  // Asks for one end notification, taken by TakeMidiEnd, when the song now started finishes.
  void RequestMidiNotification(bool on);
  bool PlayMidi();
  // A stop never notifies.
  void StopMidi();
  void CloseMidi();
  bool IsMidiPlaying() const;
  void SetMidiVolume(int level);
  // True once after the MIDI song that was asked to notify has ended.
  bool TakeMidiEnd();

 private:
  struct Sample {
    Mix_Chunk* chunk = nullptr;
    int maxPlaybacks = 2;
  };
  struct Stream {
    Mix_Music* music = nullptr;
    int volume = 100;
  };
  bool Owns(Mix_Music* music) const;
  void Halt(Mix_Music* music);

  bool open_ = false;
  bool sdlStarted_ = false;
  std::vector<Sample> samples_;              // handle - 1
  std::vector<Stream> streams_;              // handle - 1; freed entries hold no music
  std::vector<SampleHandle> playingSample_;  // per mixer channel
  std::vector<std::uint64_t> playbackOf_;    // per mixer channel
  std::uint64_t nextPlayback_ = 1;
  Mix_Music* midi_ = nullptr;
  int midiVolume_ = 100;
  bool midiNotify_ = false;
};

}  // namespace quorim
