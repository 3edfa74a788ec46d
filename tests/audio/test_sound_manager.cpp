// The sound and music manager against the silent mixer: the sound list,
// effect instances, the click limiter, music cross-fades, rain, pause.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "audio_fixture.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/options.h"
#include "gui/gui.h"

TEST_F(AudioTest, SoundListReadsEffectsAndTracksAndReportsBadFiles) {
    testing::internal::CaptureStdout();
    snd.setup();
    std::string printed = testing::internal::GetCapturedStdout();

    ASSERT_EQ(snd.sounds.size(), 3u);
    EXPECT_EQ(snd.sounds[0]->id, "click");
    EXPECT_EQ(snd.sounds[0]->url, gameDir + "sfx/click.wav");
    EXPECT_FLOAT_EQ(snd.sounds[0]->vol, 1.0f);  // missing vol means 1
    EXPECT_FLOAT_EQ(snd.sounds[1]->vol, 0.5f);
    EXPECT_TRUE(snd.sounds[0]->snd);
    EXPECT_FALSE(snd.sounds[2]->snd);
    EXPECT_NE(printed.find("NO SOUND: " + gameDir + "sfx/broken.wav  FILETYPE: 1"), std::string::npos);
    EXPECT_NE(printed.find("NO FILE: " + gameDir + "music/missing.ogg"), std::string::npos);
    EXPECT_TRUE(snd.rainSnd);

    ASSERT_EQ(snd.musics.size(), 9u);
    EXPECT_EQ(snd.musics[8]->id, "missing");
    EXPECT_FALSE(snd.musics[0]->snd);  // tracks load during loading or when first played
    snd._setupExactMusic(1);
    EXPECT_TRUE(snd.musics[0]->snd);
    testing::internal::CaptureStdout();
    snd._setupExactMusic(9);
    snd._setupExactMusic(42);  // beyond the list: nothing
    printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("NIE UDALO SIE ZALADOWAC: " + gameDir + "music/missing.ogg FILETYPE : 0"),
              std::string::npos);

    // Names are compared without case; unknown names play nothing.
    EXPECT_EQ(snd.getSoundData("LONG"), snd.sounds[1]);
    EXPECT_EQ(snd.getMusicData("Title"), snd.musics[0]);
    EXPECT_EQ(snd.getSoundData("nothing"), nullptr);
    snd.playMySound("nothing");
    snd.playMySound("broken");
    snd.playMyMusic("missing");
    EXPECT_EQ(MixOneFrame(), 0.0f);
}

TEST_F(AudioTest, BrokenOrMissingSoundListGivesEmptyLists) {
    WriteSoundList("globalSnd {\n\tsounds = 2\n\tsnd1 {\n\t\tid = \"x\"\n");  // unbalanced braces
    testing::internal::CaptureStdout();
    snd.setup();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(snd.sounds.empty());
    EXPECT_TRUE(snd.musics.empty());
    snd.playMySound("x");
    snd.playLevelMusic();
    snd.update();
    EXPECT_EQ(MixOneFrame(), 0.0f);
}

TEST_F(AudioTest, CountsOutOfRangeReadNothingInsteadOfMillionsOfEntries) {
    WriteSoundList("globalSnd {\n\tmusics = 1e20\n\tsounds = -5\n}\n");
    testing::internal::CaptureStdout();
    snd.setup();
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(snd.sounds.empty());
    EXPECT_TRUE(snd.musics.empty());
    EXPECT_NE(printed.find("musics = 2147483647 is not a count"), std::string::npos) << printed;
    EXPECT_NE(printed.find("sounds = -5 is not a count"), std::string::npos) << printed;
}

TEST_F(AudioTest, EffectPlaysAtSoundFactorTimesOwnVolume) {
    snd.setup();
    snd.playMySound("long");
    // level 0.1 x sound factor 0.5 x own volume 0.5
    EXPECT_NEAR(MixOneFrame(), 0.1f * 0.5f * 0.5f, 1e-3);
}

TEST_F(AudioTest, SoundVolumeZeroStartsNoEffectButRainStillStarts) {
    snd.setup();
    options.soundVol = 0;
    snd.playMySound("long");
    snd.playMySound1("long");
    EXPECT_EQ(snd.sounds[1]->playingCount(), 0);
    snd.PlayRain();
    EXPECT_NE(snd.rainCHN, 0);
    EXPECT_TRUE(ChnPlaying(snd.rainCHN));
    Frames(30);
    EXPECT_EQ(MixOneFrame(), 0.0f);  // at volume 0
}

TEST_F(AudioTest, SeventhRequestWhileSixPlayIsDropped) {
    snd.setup();
    auto data = snd.getSoundData("long");
    for (int i = 0; i < 6; ++i) snd.playMySound("long");
    auto six = data->chn;
    EXPECT_EQ(std::set<Channel>(six.begin(), six.end()).size(), 6u);
    EXPECT_EQ(data->playingCount(), 6);
    snd.playMySound("long");
    EXPECT_EQ(data->chn, six);
    EXPECT_NEAR(MixOneFrame(), 6 * 0.1f * 0.5f * 0.5f, 1e-3);

    // Once they have finished, the slots are free again.
    MixSeconds(2.1);
    snd.update();
    for (Channel c : data->chn) EXPECT_EQ(c, 0);
    snd.playMySound("long");
    EXPECT_EQ(data->playingCount(), 1);
}

TEST_F(AudioTest, PlayMySound1StartsOutsideTheSlots) {
    snd.setup();
    for (int i = 0; i < 6; ++i) snd.playMySound("long");
    testing::internal::CaptureStdout();
    snd.playMySound1("LONG");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");  // a sound, never a debugging print
    EXPECT_NEAR(MixOneFrame(), 7 * 0.1f * 0.5f * 0.5f, 1e-3);
}

TEST_F(AudioTest, ClicksCloserThan100MsGiveOneSound) {
    snd.setup();
    auto click = snd.getSoundData("click");
    snd.click();
    now += 50;
    snd.click();
    EXPECT_EQ(click->playingCount(), 1);
    now += 49;  // 99 ms after the first: still too soon
    snd.click();
    EXPECT_EQ(click->playingCount(), 1);
    now += 1;
    snd.click();
    EXPECT_EQ(click->playingCount(), 2);

    noSounds = 1;
    now += 1000;
    snd.click();
    EXPECT_EQ(click->playingCount(), 2);
}

TEST_F(AudioTest, MusicFadesInAtThreePercentPerFrame) {
    snd.setup();
    snd.playMyMusic("title");
    EXPECT_EQ(snd.newMusicData, snd.musics[0]);
    EXPECT_TRUE(snd.musics[0]->snd);  // loaded when first played
    EXPECT_EQ(MixOneFrame(), 0.0f);   // starts silent
    Frames(10);
    EXPECT_NEAR(snd.newPer, 0.3f, 1e-5);
    // level 0.5 x music factor 0.5 x newPer x 0.5
    EXPECT_NEAR(MixOneFrame(), 0.5f * 0.5f * 0.3f * 0.5f, 1e-3);
    frameDelta = 2;  // slower frames move further
    Frames(5);
    EXPECT_NEAR(snd.newPer, 0.6f, 1e-5);
    Frames(100);
    EXPECT_EQ(snd.newPer, 1.0f);
    EXPECT_NEAR(MixOneFrame(), 0.5f * 0.5f * 0.5f, 1e-3);
}

TEST_F(AudioTest, CrossFadeEndsTheOldTrackAfter34Frames) {
    snd.setup();
    snd.playMyMusic("title");
    Frames(40);
    Channel title = snd.newMusicCHN;
    snd.playMyMusic("win");
    EXPECT_EQ(snd.oldMusicCHN, title);
    EXPECT_EQ(snd.oldMusicData, snd.musics[0]);
    EXPECT_EQ(snd.oldPer, 1.0f);
    EXPECT_EQ(snd.newPer, 0.0f);
    // No gap: the old track keeps its full level the moment the new one starts.
    EXPECT_NEAR(MixOneFrame(), 0.5f * 0.5f * 0.5f, 1e-3);
    Frames(33);
    EXPECT_TRUE(ChnPlaying(title));
    EXPECT_EQ(snd.oldMusicCHN, title);
    Frames(1);
    EXPECT_FALSE(ChnPlaying(title));
    EXPECT_EQ(snd.oldMusicCHN, 0);
    EXPECT_EQ(snd.newPer, 1.0f);
    EXPECT_NEAR(MixOneFrame(), 0.25f * 0.5f * 0.5f, 1e-3);
}

TEST_F(AudioTest, ChannelsWhoseReferenceIsReplacedAreStopped) {
    snd.setup();
    snd.playMyMusic("title");
    Frames(40);
    Channel title = snd.newMusicCHN;
    snd.playMyMusic("win");
    Frames(5);
    snd.playMyMusic("game-1");  // title was still fading out
    EXPECT_FALSE(ChnPlaying(title));
    EXPECT_NE(snd.oldMusicCHN, title);

    snd.PlayRain();
    Channel rain = snd.rainCHN;
    snd.PlayRain();
    EXPECT_FALSE(ChnPlaying(rain));
    EXPECT_TRUE(ChnPlaying(snd.rainCHN));
}

TEST_F(AudioTest, MusicVolumeZeroStopsAndThreeRestartsWithFadeIn) {
    snd.setup();
    snd.setMusicVol(0.5f);  // as the settings do at start-up, before any music
    snd.playMyMusic("title");
    Frames(40);
    snd.setMusicVol(0.8f);  // an ordinary change sets the channel at once
    EXPECT_NEAR(MixOneFrame(), 0.5f * 0.8f * 0.5f, 1e-3);
    Channel first = snd.newMusicCHN;

    options.musicVol = 0;
    snd.setMusicVol(0);
    EXPECT_FALSE(ChnPlaying(first));
    EXPECT_EQ(snd.newMusicCHN, 0);
    EXPECT_EQ(snd.newMusicData, snd.musics[0]);  // the track is remembered
    EXPECT_EQ(MixOneFrame(), 0.0f);

    options.musicVol = 3;
    snd.setMusicVol(0.3f);
    EXPECT_NE(snd.newMusicCHN, 0);
    EXPECT_TRUE(ChnPlaying(snd.newMusicCHN));
    EXPECT_EQ(snd.newPer, 0.0f);
    EXPECT_EQ(MixOneFrame(), 0.0f);
    Frames(34);
    EXPECT_NEAR(MixOneFrame(), 0.5f * 0.3f * 0.5f, 1e-3);
    EXPECT_FLOAT_EQ(snd.musicVol, 0.3f);
}

TEST_F(AudioTest, LevelMusicCyclesOneToSixThenOne) {
    snd.setup();
    std::vector<std::string> played;
    for (int i = 0; i < 7; ++i) {
        snd.playLevelMusic();
        played.push_back(snd.newMusicData ? snd.newMusicData->id : "");
    }
    EXPECT_EQ(played, (std::vector<std::string>{"game-1", "game-2", "game-3", "game-4", "game-5", "game-6",
                                                "game-1"}));
    EXPECT_EQ(snd.musicNumber, 1);
}

TEST_F(AudioTest, HideMusicFadesOutFromThePresentLevel) {
    snd.setup();
    snd.playMyMusic("title");
    Frames(20);
    Channel title = snd.newMusicCHN;
    snd.hideMusic();
    EXPECT_EQ(snd.newMusicCHN, 0);
    EXPECT_EQ(snd.oldMusicCHN, title);
    EXPECT_NEAR(snd.oldPer, 0.6f, 1e-5);
    EXPECT_TRUE(snd.mustPlayNewMusic());
    Frames(20);
    EXPECT_FALSE(ChnPlaying(title));
    EXPECT_EQ(snd.oldMusicCHN, 0);
}

TEST_F(AudioTest, RainFadesInAndIsForgottenAfterFadingOut) {
    snd.setup();
    snd.PlayRain();
    EXPECT_EQ(MixOneFrame(), 0.0f);  // fades in from nothing
    Frames(10);
    EXPECT_NEAR(snd.rainP, 0.5f, 1e-5);
    EXPECT_NEAR(MixOneFrame(), 0.2f * 0.5f * 0.5f, 1e-3);
    Frames(10);
    snd.StopRain();
    Channel rain = snd.rainCHN;
    Frames(19);
    EXPECT_NE(snd.rainCHN, 0);
    Frames(1);
    EXPECT_EQ(snd.rainCHN, 0);
    EXPECT_FALSE(ChnPlaying(rain));
}

TEST_F(AudioTest, PauseHoldsMusicAndRainButNotEffects) {
    snd.setup();
    snd.playMyMusic("title");
    snd.PlayRain();
    Frames(40);
    snd.Pause();
    snd.playMySound("long");
    EXPECT_NEAR(MixOneFrame(), 0.1f * 0.5f * 0.5f, 1e-3);
    snd.UnPause();
    EXPECT_NEAR(MixOneFrame(), 0.1f * 0.25f + 0.5f * 0.25f + 0.2f * 0.5f, 2e-3);

    snd.stopAllMusic();  // pauses the music only
    EXPECT_FALSE(snd.mustPlayNewMusic());
    snd.playMusicBack();
    EXPECT_NEAR(MixOneFrame(), 0.1f * 0.25f + 0.5f * 0.25f + 0.2f * 0.5f, 2e-3);

    snd.stopMusic();
    snd.stopAllSpecialSounds();
    for (Channel c : snd.getSoundData("long")->chn) EXPECT_EQ(c, 0);
    EXPECT_NEAR(MixOneFrame(), 0.2f * 0.5f, 1e-3);  // only the rain is left
    snd.playMusicBack();                            // no channel any more: the track starts again
    EXPECT_TRUE(ChnPlaying(snd.newMusicCHN));
}

TEST_F(AudioTest, NoSoundsLoadsAndPlaysNothing) {
    noSounds = 1;
    snd.setup();
    EXPECT_TRUE(snd.sounds.empty());
    EXPECT_TRUE(snd.musics.empty());
    snd.playMySound("click");
    snd.playMyMusic("title");
    snd.PlayRain();
    snd.playLevelMusic();
    snd.winLevel();
    snd.update();
    EXPECT_EQ(MixOneFrame(), 0.0f);
    EXPECT_EQ(snd.musicNumber, 0);
}

TEST_F(AudioTest, HooksReachTheGlobalManager) {
    InstallSoundHooks();
    TFrameHooks& hooks = FrameHooks();
    ASSERT_TRUE(hooks.soundUpdate && hooks.soundPause && hooks.soundResume && hooks.setMusicVol);
    ASSERT_TRUE(GuiHooks().clickSound);
    float before = globalSnd.newPer;
    hooks.soundUpdate();
    EXPECT_GE(globalSnd.newPer, before);
    hooks.setMusicVol(0.7f);
    EXPECT_FLOAT_EQ(globalSnd.musicVol, 0.7f);
}

// The loading screen decodes the effects a few per frame: the lists come
// first, a budget of 0 decodes nothing more, an effect played before its
// turn is decoded then, and an unbounded call finishes the rest.
TEST_F(AudioTest, EffectsLoadInPiecesAndOnFirstUse) {
    testing::internal::CaptureStdout();
    snd.setupListed();
    ASSERT_EQ(snd.sounds.size(), 3u);
    EXPECT_FALSE(snd.sounds[0]->snd);
    EXPECT_FALSE(snd.sounds[1]->snd);
    EXPECT_FALSE(snd.rainSnd);
    EXPECT_FALSE(snd.loadPendingSounds(0));  // the rain only
    EXPECT_TRUE(snd.rainSnd);
    EXPECT_FALSE(snd.sounds[0]->snd);
    snd.playMySound("long");
    EXPECT_TRUE(snd.sounds[1]->snd);
    EXPECT_GT(MixOneFrame(), 0.0f);
    EXPECT_FALSE(snd.sounds[0]->snd);
    EXPECT_TRUE(snd.loadPendingSounds(-1));
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(snd.sounds[0]->snd);
    EXPECT_FALSE(snd.sounds[2]->snd);  // broken: tried once, said once
    EXPECT_EQ(printed.find("NO SOUND"), printed.rfind("NO SOUND"));
    EXPECT_NE(printed.find("NO SOUND"), std::string::npos);
    snd.playMySound("broken");
    EXPECT_TRUE(snd.loadPendingSounds(-1));
}
