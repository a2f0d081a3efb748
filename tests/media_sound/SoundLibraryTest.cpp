#include "media/SoundLibrary.h"

#include "SoundFiles.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace quorim {
namespace {

class SoundLibraryOnDummyDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(library_.IsOpen()) << "run with SDL_AUDIODRIVER=dummy";
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    test::WriteFile(dir_.path(), name, bytes);
    return dir_.path() + u'/' + name;
  }

  QTemporaryDir dir_;
  SoundLibrary library_;
};

TEST_F(SoundLibraryOnDummyDriver, CountsAnOutputDeviceAndStartsAtFullLevel) {
  EXPECT_GE(library_.OutputDevices(), 1);
  EXPECT_EQ(library_.OutputVolume(), 100);
}

TEST_F(SoundLibraryOnDummyDriver, AWaveFileNamedMp3LoadsAsASampleAndPlays) {
  const SampleHandle sample = library_.LoadSample(Write("error.mp3", test::WavTone(2000)));
  ASSERT_NE(sample, 0);
  const ChannelHandle channel = library_.PlaySample(sample);
  ASSERT_TRUE(channel);
  EXPECT_TRUE(library_.IsChannelPlaying(channel));
  library_.StopSample(sample);
  EXPECT_FALSE(library_.IsChannelPlaying(channel));
}

TEST_F(SoundLibraryOnDummyDriver, ASampleSoundsAtMostTwiceAtOnce) {
  const SampleHandle sample = library_.LoadSample(Write("score1.mp3", test::WavTone(2000)));
  const ChannelHandle first = library_.PlaySample(sample);
  const ChannelHandle second = library_.PlaySample(sample);
  ASSERT_TRUE(first);
  ASSERT_TRUE(second);
  EXPECT_NE(first.channel, second.channel);
  EXPECT_FALSE(library_.PlaySample(sample));
  // Stopping the sample stops both playbacks, and it may play again.
  library_.StopSample(sample);
  EXPECT_FALSE(library_.IsChannelPlaying(first));
  EXPECT_FALSE(library_.IsChannelPlaying(second));
  EXPECT_TRUE(library_.PlaySample(sample));
}

TEST_F(SoundLibraryOnDummyDriver, StoppingOneSampleLeavesTheOthers) {
  const SampleHandle a = library_.LoadSample(Write("a.wav", test::WavTone(2000)));
  const SampleHandle b = library_.LoadSample(Write("b.wav", test::WavTone(2000)));
  const ChannelHandle playsA = library_.PlaySample(a);
  const ChannelHandle playsB = library_.PlaySample(b);
  library_.StopSample(a);
  EXPECT_FALSE(library_.IsChannelPlaying(playsA));
  EXPECT_TRUE(library_.IsChannelPlaying(playsB));
}

TEST_F(SoundLibraryOnDummyDriver, AReusedChannelDoesNotCountForTheEarlierPlayback) {
  const SampleHandle a = library_.LoadSample(Write("a.wav", test::WavTone(2000)));
  const SampleHandle b = library_.LoadSample(Write("b.wav", test::WavTone(2000)));
  const ChannelHandle earlier = library_.PlaySample(a);
  library_.StopSample(a);
  const ChannelHandle later = library_.PlaySample(b);
  ASSERT_EQ(later.channel, earlier.channel);  // the mixer takes the first free channel
  EXPECT_TRUE(library_.IsChannelPlaying(later));
  EXPECT_FALSE(library_.IsChannelPlaying(earlier));
}

TEST_F(SoundLibraryOnDummyDriver, AShortSampleEndsOnItsOwn) {
  const SampleHandle sample = library_.LoadSample(Write("tick.wav", test::WavTone(50)));
  const ChannelHandle channel = library_.PlaySample(sample);
  ASSERT_TRUE(channel);
  EXPECT_TRUE(test::WaitFor([&] { return !library_.IsChannelPlaying(channel); }));
}

TEST_F(SoundLibraryOnDummyDriver, MissingOrBrokenFilesGiveNoHandleAndNothingPlays) {
  EXPECT_EQ(library_.LoadSample(dir_.path() + "/none.mp3"), 0);
  EXPECT_EQ(library_.LoadSample(Write("broken.mp3", QByteArray("RIFF\x10\0\0\0WAVEjunk", 16))), 0);
  EXPECT_FALSE(library_.PlaySample(0));
  EXPECT_FALSE(library_.PlaySample(99));
  library_.StopSample(0);
  library_.SetEffectsVolume(150);
  EXPECT_EQ(library_.CreateStream(dir_.path() + "/none.ogg"), 0);
  EXPECT_EQ(library_.CreateStream(Write("text.mp3", "not a song at all")), 0);
  EXPECT_FALSE(library_.PlayStream(0));
  EXPECT_FALSE(library_.IsStreamPlaying(0));
  library_.FreeStream(0);
  EXPECT_FALSE(library_.OpenMidi(dir_.path() + "/none.mid"));
  EXPECT_FALSE(library_.PlayMidi());
  EXPECT_FALSE(library_.IsMidiPlaying());
}

TEST_F(SoundLibraryOnDummyDriver, AStreamPlaysOnceToItsEndAndKeepsItsHandle) {
  const StreamHandle stream = library_.CreateStream(Write("song.wav", test::WavTone(200)));
  ASSERT_NE(stream, 0);
  library_.SetStreamVolume(stream, 30);
  ASSERT_TRUE(library_.PlayStream(stream));
  EXPECT_TRUE(library_.IsStreamPlaying(stream));
  EXPECT_TRUE(test::WaitFor([&] { return !library_.IsStreamPlaying(stream); }));
  // A stream's end is not a MIDI song's end.
  EXPECT_FALSE(library_.TakeMidiEnd());
  library_.FreeStream(stream);
  EXPECT_FALSE(library_.PlayStream(stream));
}

TEST_F(SoundLibraryOnDummyDriver, AMidiSongPlaysThroughFluidSynthAndNotifiesItsEnd) {
  EXPECT_TRUE(Mix_HasMusicDecoder("FLUIDSYNTH"));
  ASSERT_TRUE(library_.OpenMidi(Write("tune.mid", test::MidiNote(48))));
  library_.RequestMidiNotification(true);
  ASSERT_TRUE(library_.PlayMidi());
  EXPECT_TRUE(library_.IsMidiPlaying());
  EXPECT_TRUE(test::WaitFor([&] { return library_.TakeMidiEnd(); }));
  EXPECT_FALSE(library_.IsMidiPlaying());
  // One notification per request.
  EXPECT_FALSE(library_.TakeMidiEnd());
  library_.CloseMidi();
}

TEST_F(SoundLibraryOnDummyDriver, AStoppedMidiSongDoesNotNotify) {
  ASSERT_TRUE(library_.OpenMidi(Write("long.mid", test::MidiNote(4000))));
  library_.RequestMidiNotification(true);
  ASSERT_TRUE(library_.PlayMidi());
  library_.StopMidi();
  EXPECT_FALSE(library_.IsMidiPlaying());
  QThread::msleep(100);
  EXPECT_FALSE(library_.TakeMidiEnd());
}

TEST_F(SoundLibraryOnDummyDriver, MidiEndsUnnoticedWithoutARequest) {
  ASSERT_TRUE(library_.OpenMidi(Write("tune.mid", test::MidiNote(24))));
  library_.RequestMidiNotification(false);
  ASSERT_TRUE(library_.PlayMidi());
  EXPECT_TRUE(test::WaitFor([&] { return !library_.IsMidiPlaying(); }));
  EXPECT_FALSE(library_.TakeMidiEnd());
}

TEST(SoundLibraryWithoutDevice, EveryCallDoesNothingAndTheDeviceCountIsZero) {
  const char* driver = std::getenv("SDL_AUDIODRIVER");
  const std::optional<std::string> saved =
      driver ? std::optional<std::string>(driver) : std::nullopt;
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  {
    SoundLibrary library;
    EXPECT_FALSE(library.IsOpen());
    EXPECT_EQ(library.OutputDevices(), 0);
    QTemporaryDir dir;
    test::WriteFile(dir.path(), "a.wav", test::WavTone(100));
    EXPECT_EQ(library.LoadSample(dir.path() + "/a.wav"), 0);
    EXPECT_FALSE(library.PlaySample(1));
    library.SetEffectsVolume(50);
    EXPECT_EQ(library.CreateStream(dir.path() + "/a.wav"), 0);
    EXPECT_FALSE(library.OpenMidi(dir.path() + "/a.wav"));
    EXPECT_FALSE(library.TakeMidiEnd());
  }
  if (saved) {
    setenv("SDL_AUDIODRIVER", saved->c_str(), 1);
  } else {
    unsetenv("SDL_AUDIODRIVER");
  }
  // The device opens again afterwards.
  SoundLibrary library;
  EXPECT_TRUE(library.IsOpen());
}

}  // namespace
}  // namespace quorim
