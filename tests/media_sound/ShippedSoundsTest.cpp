#include "flow/HeadlessView.h"
#include "media/MusicPlayer.h"
#include "media/SoundEffects.h"
#include "model/Game.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace quorim {
namespace {

// The sounds and songs of data/MEDIA, made by tools/sound/.
class ShippedSounds : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(library_.IsOpen()) << "run with SDL_AUDIODRIVER=dummy"; }

  const DataDir data_{QUORIM_SHIPPED_DATA};
  SoundLibrary library_;
};

TEST_F(ShippedSounds, EveryEffectOfTheSoundSetLoads) {
  SoundEffects effects(library_);
  effects.LoadSamples(data_);
  for (const QString& name : SoundEffects::SampleNames()) {
    EXPECT_TRUE(effects.IsLoaded(name)) << name.toStdString();
  }
}

TEST_F(ShippedSounds, EveryEffectIsShortAndNotSilent) {
  int rate = 0;
  int channels = 0;
  Uint16 format = 0;
  ASSERT_TRUE(Mix_QuerySpec(&rate, &format, &channels));
  ASSERT_EQ(format, AUDIO_S16SYS);
  for (const QString& name : SoundEffects::SampleNames()) {
    const QString path = data_.Resolve(QStringLiteral("MEDIA\\") + name + QStringLiteral(".mp3"));
    // The game loads every effect at start-up: each is a small file.
    EXPECT_LT(QFileInfo(path).size(), 24 * 1024) << name.toStdString();
    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    ASSERT_NE(chunk, nullptr) << name.toStdString();
    const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
    const int count = static_cast<int>(chunk->alen / sizeof(Sint16));
    const double seconds = static_cast<double>(count) / channels / rate;
    // The windows' sounds may last a little longer than the sounds of a move.
    const bool window = name == "NewGame" || name == "HallFame" || name == "GameOver";
    EXPECT_GE(seconds, 0.1) << name.toStdString();
    EXPECT_LE(seconds, window ? 3.1 : 2.1) << name.toStdString();
    int loudest = 0;
    for (int i = 0; i < count; ++i) loudest = std::max(loudest, std::abs(int{samples[i]}));
    EXPECT_GT(loudest, 32767 / 10) << name.toStdString();
    Mix_FreeChunk(chunk);
  }
}

TEST_F(ShippedSounds, EverySongPlaysOnTheMidiPlayer) {
  HeadlessView view;
  Game game(view, data_);
  game.SetGameOver(false);
  game.Settings.PlayBackgroundMusic = true;
  game.Settings.PlayShuffle = false;
  MusicPlayer music(game, library_);
  // The list the game makes of MEDIA at its first start (here without writing songs.lst).
  music.Songs().Songs = FindMidiSongs(data_);
  ASSERT_GE(music.Songs().Count(), 3);
  for (int i = 0; i < music.Songs().Count(); ++i) {
    music.Songs().CurrentSong = static_cast<std::uint8_t>(i);
    music.StartMusic();
    EXPECT_TRUE(music.MidiPlaying()) << music.Songs().Songs[i].FileName.toStdString();
    library_.StopMidi();
  }
  music.EndOfGame();
}

}  // namespace
}  // namespace quorim
