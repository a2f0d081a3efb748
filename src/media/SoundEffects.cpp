#include "media/SoundEffects.h"

#include "media/DataDir.h"

namespace quorim {

const std::vector<QString>& SoundEffects::SampleNames() {
  static const std::vector<QString> names = {
      "NewGame", "HallFame", "GameOver", "SCLimit",  "Bonus1",   "Bonus2",  "change1",
      "change2", "CHMove",   "error",    "goodsc1",  "goodsc2",  "goodsc3", "hint1",
      "hint2",   "hint3",    "isword1",  "isword2",  "isword3",  "nowords", "save",
      "score1",  "score2",   "timeout",  "Yourmov1", "Yourmov2", "Yourmov3"};
  return names;
}

void SoundEffects::LoadSamples(const DataDir& data, const std::function<void()>& progress) {
  for (const QString& name : SampleNames()) {
    if (!samples_.contains(name)) {
      const QString path = data.Resolve(QStringLiteral("MEDIA\\") + name + QStringLiteral(".mp3"));
      const SampleHandle sample = library_.LoadSample(path, 2);
      if (sample != 0) samples_.emplace(name, sample);
    }
    if (progress) progress();
  }
}

bool SoundEffects::IsLoaded(QStringView name) const {
  return Handle(name) != 0;
}

SampleHandle SoundEffects::Handle(QStringView name) const {
  const auto found = samples_.find(name);
  return found == samples_.end() ? 0 : found->second;
}

void SoundEffects::Play(QStringView name) {
  if (name.startsWith(u"Yourmov")) {
    PlayYourMove(name);
    return;
  }
  library_.PlaySample(Handle(name));
}

void SoundEffects::PlayYourMove(QStringView name, bool checkChannel) {
  if (checkChannel && YourMoveSounding()) return;
  yourMoveChannel_ = library_.PlaySample(Handle(name));
}

void SoundEffects::Stop(QStringView name) {
  library_.StopSample(Handle(name));
}

void SoundEffects::SetVolume(int level) {
  library_.SetEffectsVolume(level);
}

void SoundEffects::VolumeSliderMoved(int level) {
  SetVolume(level);
  Play(u"error");
}

}  // namespace quorim
