#pragma once
// The game's sound set: the effect samples of MEDIA, loaded once at start-up and played by name.
// The main window's GameView::PlaySoundEffect plays through Play; Game::PlaySound has already
// asked PlaySounds and whether a saved game is being replayed.

#include "media/SoundLibrary.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <map>
#include <vector>

namespace quorim {

class DataDir;

class SoundEffects {
 public:
  explicit SoundEffects(SoundLibrary& library) : library_(library) {}

  // The names of the sound set in the order they are loaded.
  static const std::vector<QString>& SampleNames();

  // Loads MEDIA\<name>.mp3 of every sample; progress runs after each one (the splash screen).
  void LoadSamples(const DataDir& data, const std::function<void()>& progress = {});
  bool IsLoaded(QStringView name) const;

  // Plays the named sample; an unknown or missing one is skipped. The your-move samples follow
  // their channel rule.
  void Play(QStringView name);
  // A your-move sample ("Yourmov1".."Yourmov3") at the start of a person's turn: skipped while the
  // previous one still sounds, unless checkChannel is off (a game just loaded from the menu).
  void PlayYourMove(QStringView name, bool checkChannel = true);
  // Stops every playback of the named sample (the hall of fame and game-over windows closing).
  void Stop(QStringView name);
  // The effects level, 0..100.
  void SetVolume(int level);
  // The options window's effects slider: the new level, and "error" played to hear it, whatever
  // PlaySounds says.
  void VolumeSliderMoved(int level);

  bool YourMoveSounding() const { return library_.IsChannelPlaying(yourMoveChannel_); }

 private:
  SampleHandle Handle(QStringView name) const;

  SoundLibrary& library_;
  std::map<QString, SampleHandle, std::less<>> samples_;
  ChannelHandle yourMoveChannel_;
};

}  // namespace quorim
