#include "model/Settings.h"

#include <algorithm>

namespace quorim {

void Settings::SetSoundDefaults(int outputDevices, int outputVolume) {
  PlaySounds = outputDevices > 0;
  PlayBackgroundMusic = PlaySounds;
  PlayShuffle = PlaySounds;
  SoundVolume = static_cast<std::uint8_t>(std::clamp(outputVolume, 0, 100));
  MusicVolume = static_cast<std::uint8_t>(SoundVolume / 3);
}

}  // namespace quorim
