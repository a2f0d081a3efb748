#include "flow/HeadlessView.h"
#include "media/MusicPlayer.h"
#include "media/SoundEffects.h"
#include "model/Game.h"

#include "SoundFiles.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <set>

namespace quorim {
namespace {

class MusicInAGame : public ::testing::Test {
 protected:
  MusicInAGame() : game_(view_, DataDir(dir_.path())), music_(game_, library_) {
    game_.Seed(7);
    game_.SetGameOver(false);
    game_.Settings.SetSoundDefaults(library_.OutputDevices(), library_.OutputVolume());
    game_.Settings.PlayShuffle = false;
  }
  void SetUp() override { ASSERT_TRUE(library_.IsOpen()) << "run with SDL_AUDIODRIVER=dummy"; }

  void Media(const QString& name, const QByteArray& bytes) {
    test::WriteFile(dir_.path(), "MEDIA/" + name, bytes);
  }
  void UseSongs(std::initializer_list<QString> names) {
    for (const QString& name : names) music_.Songs().Songs.push_back({name, "MEDIA\\"});
  }
  QString Title() const { return view_.Control(names::Comment4).caption; }

  QTemporaryDir dir_;
  HeadlessView view_;
  Game game_;
  SoundLibrary library_;
  MusicPlayer music_;
};

TEST_F(MusicInAGame, TheFirstRunMakesTheSongListOfTheMidiFiles) {
  Media("b.mid", test::MidiNote(24));
  Media("a.mid", test::MidiNote(24));
  Media("c.mp3", test::WavTone(100));
  music_.CreateSongListIfMissing();
  ASSERT_TRUE(music_.ReloadSongList());
  ASSERT_EQ(music_.Songs().Count(), 2);
  EXPECT_EQ(music_.Songs().Songs[0].FileName, "a.mid");
  EXPECT_EQ(music_.Songs().Songs[1].Folder, "MEDIA\\");

  // An existing list is the user's and stays as it is.
  music_.Songs().Songs = {{"c.mp3", "MEDIA\\"}};
  ASSERT_TRUE(music_.SaveSongList());
  music_.CreateSongListIfMissing();
  ASSERT_TRUE(music_.ReloadSongList());
  EXPECT_EQ(music_.Songs().Count(), 1);
}

TEST_F(MusicInAGame, WithoutMidiFilesNoListIsMadeAndNoMusicPlays) {
  Media("c.mp3", test::WavTone(100));
  music_.CreateSongListIfMissing();
  EXPECT_FALSE(QFile::exists(dir_.path() + "/MEDIA/songs.lst"));
  music_.LoadSongListIfEmpty();
  music_.StartMusic();
  EXPECT_FALSE(music_.StreamPlaying());
  EXPECT_FALSE(music_.MidiPlaying());
}

TEST_F(MusicInAGame, AStreamSongIsFollowedByTheNextInListOrder) {
  Media("one.wav", test::WavTone(150));
  Media("two.wav", test::WavTone(3000));
  UseSongs({"one.wav", "two.wav"});
  music_.StartMusic();
  EXPECT_TRUE(music_.StreamPlaying());
  EXPECT_EQ(music_.Songs().CurrentSong, 0);
  ASSERT_TRUE(test::WaitFor([&] {
    music_.Tick();
    return music_.Songs().CurrentSong == 1;
  }));
  EXPECT_TRUE(music_.StreamPlaying());
  EXPECT_EQ(Title(), game_.InterfaceText(u"InGameInfoMusicTitle") + "two.wav");
}

TEST_F(MusicInAGame, AMidiSongsEndNotificationStartsTheNextSong) {
  Media("tune.mid", test::MidiNote(24));
  Media("next.wav", test::WavTone(3000));
  UseSongs({"tune.mid", "next.wav"});
  music_.StartMusic();
  EXPECT_TRUE(music_.MidiPlaying());
  ASSERT_TRUE(test::WaitFor([&] {
    music_.Tick();
    return music_.Songs().CurrentSong == 1;
  }));
  EXPECT_TRUE(music_.StreamPlaying());
}

TEST_F(MusicInAGame, AMidiFileWithACapitalExtensionPlaysAsAStream) {
  Media("TUNE.MID", test::MidiNote(2000));
  UseSongs({"TUNE.MID"});
  music_.StartMusic();
  EXPECT_FALSE(music_.MidiPlaying());
  EXPECT_TRUE(music_.StreamPlaying());
}

TEST_F(MusicInAGame, AMissingSongPlaysNothingUntilTheNextIsAskedFor) {
  Media("there.wav", test::WavTone(3000));
  UseSongs({"gone.mp3", "gone.mid", "there.wav"});
  music_.StartMusic();
  EXPECT_EQ(music_.Stream(), 0);
  music_.Tick();
  EXPECT_EQ(music_.Songs().CurrentSong, 0);
  music_.MusicKey(u'N');
  EXPECT_EQ(music_.Songs().CurrentSong, 1);
  EXPECT_FALSE(music_.MidiPlaying());
  music_.MusicKey(u'n');
  EXPECT_EQ(music_.Songs().CurrentSong, 2);
  EXPECT_TRUE(music_.StreamPlaying());
}

TEST_F(MusicInAGame, KeysNAndPAndTheirCyrillicLettersStepThroughTheList) {
  for (const char* name : {"a.wav", "b.wav", "c.wav"}) Media(name, test::WavTone(3000));
  UseSongs({"a.wav", "b.wav", "c.wav"});
  music_.StartMusic();
  EXPECT_TRUE(music_.MusicKey(u'З'));  // P on a Russian layout: from the first to the last
  EXPECT_EQ(music_.Songs().CurrentSong, 2);
  EXPECT_TRUE(music_.StreamPlaying());
  EXPECT_TRUE(music_.MusicKey(u'т'));  // n
  EXPECT_EQ(music_.Songs().CurrentSong, 0);
  EXPECT_TRUE(music_.MusicKey(u'p'));
  EXPECT_EQ(music_.Songs().CurrentSong, 2);
  EXPECT_FALSE(music_.MusicKey(u'x'));
  EXPECT_EQ(music_.Songs().CurrentSong, 2);
}

TEST_F(MusicInAGame, KeySStopsTheMusicAndSwitchesItOff) {
  Media("a.wav", test::WavTone(3000));
  UseSongs({"a.wav"});
  music_.StartMusic();
  music_.RefreshMusicTitle();
  EXPECT_FALSE(Title().isEmpty());
  EXPECT_TRUE(music_.MusicKey(u'ы'));
  EXPECT_FALSE(game_.Settings.PlayBackgroundMusic);
  EXPECT_FALSE(music_.StreamPlaying());
  EXPECT_TRUE(Title().isEmpty());
  // With music off the next-song key plays nothing.
  music_.MusicKey(u'N');
  EXPECT_FALSE(music_.StreamPlaying());
  EXPECT_TRUE(music_.MusicTitle().isEmpty());
}

TEST_F(MusicInAGame, ShuffleStartsWithAnUnplayedSongAndMarksIt) {
  for (const char* name : {"a.wav", "b.wav", "c.wav"}) Media(name, test::WavTone(3000));
  UseSongs({"a.wav", "b.wav", "c.wav"});
  game_.Settings.PlayShuffle = true;
  std::set<int> played;
  for (int i = 0; i < 3; ++i) {
    music_.MusicKey(u'N');
    played.insert(music_.Songs().CurrentSong);
  }
  EXPECT_EQ(played.size(), 3u);
  music_.MusicKey(u'P');
  const auto& songs = music_.Songs().Songs;
  EXPECT_EQ(std::count_if(songs.begin(), songs.end(), [](const TSong& s) { return s.Played; }), 1);
}

TEST_F(MusicInAGame, NothingPlaysWithoutARunningGameAndTheEndOfAGameStopsTheMusic) {
  Media("a.wav", test::WavTone(3000));
  UseSongs({"a.wav"});
  game_.SetGameOver(true);
  music_.MediaPlayer1Notify();
  EXPECT_FALSE(music_.StreamPlaying());
  game_.SetGameOver(false);
  music_.StartMusic();
  EXPECT_TRUE(music_.StreamPlaying());
  game_.SetGameOver(true);
  music_.EndOfGame();
  EXPECT_FALSE(music_.StreamPlaying());
  EXPECT_EQ(music_.Stream(), 0);
}

TEST_F(MusicInAGame, TheOptionsWindowStartsOrStopsTheMusic) {
  Media("a.wav", test::WavTone(3000));
  UseSongs({"a.wav"});
  game_.Settings.PlayBackgroundMusic = false;
  music_.StartMusic();
  EXPECT_FALSE(music_.StreamPlaying());
  game_.Settings.PlayBackgroundMusic = true;
  music_.ApplyOptions();
  EXPECT_TRUE(music_.StreamPlaying());
  EXPECT_FALSE(Title().isEmpty());
  game_.Settings.PlayBackgroundMusic = false;
  music_.ApplyOptions();
  EXPECT_FALSE(music_.StreamPlaying());
  EXPECT_TRUE(Title().isEmpty());
}

class EffectsInAGame : public MusicInAGame {};

TEST_F(EffectsInAGame, EverySampleOfMediaIsLoadedAndAMissingOneIsSkipped) {
  for (const QString& name : SoundEffects::SampleNames()) {
    if (name != "NewGame") Media(name.toLower() + ".mp3", test::WavTone(100));
  }
  SoundEffects effects(library_);
  int progress = 0;
  effects.LoadSamples(game_.Data, [&] { ++progress; });
  EXPECT_EQ(progress, 27);
  EXPECT_TRUE(effects.IsLoaded(u"Yourmov3"));
  EXPECT_TRUE(effects.IsLoaded(u"CHMove"));
  EXPECT_FALSE(effects.IsLoaded(u"NewGame"));
  effects.Play(u"NewGame");
  effects.Play(u"no such sample");
  effects.Stop(u"NewGame");
}

TEST_F(EffectsInAGame, AYourMoveSoundStillPlayingIsNotDoubled) {
  Media("Yourmov1.mp3", test::WavTone(2000));
  Media("Yourmov2.mp3", test::WavTone(2000));
  SoundEffects effects(library_);
  effects.LoadSamples(game_.Data);
  effects.Play(u"Yourmov1");
  EXPECT_TRUE(effects.YourMoveSounding());
  effects.Play(u"Yourmov2");
  int playing = 0;
  for (int channel = 0; channel < 32; ++channel) playing += Mix_Playing(channel);
  EXPECT_EQ(playing, 1);
  // After a load the turn sound plays without looking at the channel.
  effects.PlayYourMove(u"Yourmov2", false);
  playing = 0;
  for (int channel = 0; channel < 32; ++channel) playing += Mix_Playing(channel);
  EXPECT_EQ(playing, 2);
  effects.Stop(u"Yourmov1");
  effects.Stop(u"Yourmov2");
  EXPECT_FALSE(effects.YourMoveSounding());
}

TEST_F(EffectsInAGame, TheEffectsSliderPlaysErrorEvenWithSoundsOff) {
  Media("error.mp3", test::WavTone(2000));
  SoundEffects effects(library_);
  effects.LoadSamples(game_.Data);
  game_.Settings.PlaySounds = false;
  effects.VolumeSliderMoved(40);
  EXPECT_EQ(Mix_Volume(0, -1), 40 * MIX_MAX_VOLUME / 100);
  int playing = 0;
  for (int channel = 0; channel < 32; ++channel) playing += Mix_Playing(channel);
  EXPECT_EQ(playing, 1);
}

}  // namespace
}  // namespace quorim
