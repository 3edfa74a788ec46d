// Sound's loading steps: the music tracks are made ready at their steps of the loading order,
// so that a track's first play opens no stream of its own; a missing or damaged track is said
// at its step and the loading goes on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "app/sound_parts.h"
#include "audio/global_snd.h"
#include "frame/globals.h"
#include "frame/loading_steps.h"
#include "frame/options.h"
#include "platform/load_counts.h"
#include "support/headless_platform.h"

namespace fs = std::filesystem;

namespace {
// The generated music (about a minute each), streamed as the game streams it.
const char* kTrackFiles[] = {"title", "land", "game-1", "game-2", "game-3", "game-4", "win", "game-5"};
constexpr int kTracks = 8;
constexpr int kLastSlot = 46;

class SoundSteps : public HeadlessPlatformTest {
protected:
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        for (const char* name : kTrackFiles)
            if (!fs::exists(std::string("game/music/") + name + ".ogg"))
                GTEST_SKIP() << "no generated music under game/";
        std::string tmpl = (fs::temp_directory_path() / "brambleton-sound-steps-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
        fs::create_directories(dir / "data");
        fs::create_directories(dir / "music");
        for (const char* name : kTrackFiles) {
            const std::string file = std::string(name) + ".ogg";
            fs::create_symlink(fs::absolute("game/music/" + file), dir / "music" / file);
        }
        savedGameDir = gameDir;
        gameDir = dir.string() + "/";
        noSounds = 0;
        frameDelta = 1;
        options.musicVol = 5;
    }
    void TearDown() override {
        globalSnd.stopMusic();
        globalSnd.newMusicCHN = globalSnd.oldMusicCHN = 0;
        globalSnd.newMusicData = globalSnd.oldMusicData = nullptr;
        globalSnd.musics.clear();
        globalSnd.sounds.clear();
        if (!savedGameDir.empty()) gameDir = savedGameDir;
        std::error_code ec;
        if (!dir.empty()) fs::remove_all(dir, ec);
        HeadlessPlatformTest::TearDown();
    }
    // The sound list: track n plays music/<kTrackFiles[n - 1]>.ogg unless `urls` names another file.
    void WriteSoundList(const std::map<int, std::string>& urls = {}) const {
        std::ofstream out(dir / "data/sounds.txt");
        out << "globalSnd {\n\tmusics = " << kTracks << "\n\tsounds = 0\n";
        for (int n = 1; n <= kTracks; n++) {
            const auto other = urls.find(n);
            out << "\tmusic" << n << " {\n\t\tid = \"" << kTrackFiles[n - 1]
                << "\"\n\t\tloop = 1\n\t\turl = \""
                << (other != urls.end() ? other->second : std::string("music/") + kTrackFiles[n - 1] + ".ogg")
                << "\"\n\t}\n";
        }
        out << "}\n";
    }
    // Registers the sound's steps and runs the loading order slot by slot; for each track, the
    // slot after which it was loaded (0: never).
    static std::map<int, int> RunLoadingOrder() {
        RegisterSound();
        std::map<int, int> readyAt;
        for (int slot = 0; slot <= kLastSlot; slot++) {
            RunLoadingSlot(slot);
            for (size_t i = 0; i < globalSnd.musics.size(); i++)
                if (globalSnd.musics[i]->snd && readyAt.count(static_cast<int>(i) + 1) == 0)
                    readyAt[static_cast<int>(i) + 1] = slot;
        }
        return readyAt;
    }
    // The music's level over `frames` after ten frames of fading in.
    static float MixedPeak(int frames) {
        for (int i = 0; i < 10; i++) globalSnd.update();
        std::vector<float> out(static_cast<size_t>(frames) * 2);
        SndMixForTest(out.data(), frames);
        float peak = 0;
        for (float v : out) peak = std::max(peak, std::abs(v));
        return peak;
    }

    fs::path dir;
    std::string savedGameDir;
};
}  // namespace

TEST_F(SoundSteps, MusicTracksAreReadyAtTheirStepsAndTheirFirstPlayOpensNoStream) {
    WriteSoundList();
    const long long before = GameThreadLoadCounts().streamsOpened;
    const std::map<int, int> readyAt = RunLoadingOrder();
    // Tracks 1, 2, 7, 3, 4, 5, 6 at steps 5, 16, 20, 26, 34, 40, 45; the eighth waits for its play.
    const std::map<int, int> expected = {{1, 5}, {2, 16}, {7, 20}, {3, 26}, {4, 34}, {5, 40}, {6, 45}};
    EXPECT_EQ(readyAt, expected);
    EXPECT_EQ(GameThreadLoadCounts().streamsOpened - before, 7);

    // The first play of each ready track takes the stream opened at its step, and sounds.
    const long long loaded = GameThreadLoadCounts().streamsOpened;
    for (const char* name : {"title", "win", "game-4"}) {
        globalSnd.playMyMusic(name);
        globalSnd.update();
    }
    EXPECT_EQ(GameThreadLoadCounts().streamsOpened, loaded);
    EXPECT_GT(MixedPeak(4410), 0.0f);
    // A track not made ready, or a second play, opens its stream when it is played.
    globalSnd.playMyMusic("game-5");
    EXPECT_EQ(GameThreadLoadCounts().streamsOpened, loaded + 1);
    globalSnd.playMyMusic("title");
    EXPECT_EQ(GameThreadLoadCounts().streamsOpened, loaded + 2);
}

TEST_F(SoundSteps, AMissingOrDamagedTrackIsSaidAtItsStepAndTheLoadingGoesOn) {
    std::ofstream(dir / "music/damaged.ogg") << "OggS and then nothing a decoder could read";
    WriteSoundList({{2, "music/missing.ogg"}, {7, "music/damaged.ogg"}});
    testing::internal::CaptureStdout();
    const std::map<int, int> readyAt = RunLoadingOrder();
    // Played where the game plays them: nothing sounds, nothing is read again.
    globalSnd.playMyMusic("land");
    globalSnd.playMyMusic("win");
    const std::string said = testing::internal::GetCapturedStdout();

    EXPECT_NE(said.find("NO FILE: " + gameDir + "music/missing.ogg"), std::string::npos) << said;
    EXPECT_NE(said.find("NIE UDALO SIE ZALADOWAC: " + gameDir + "music/missing.ogg FILETYPE : 0"),
              std::string::npos)
        << said;
    const std::string damaged = "NIE UDALO SIE ZALADOWAC: " + gameDir + "music/damaged.ogg FILETYPE : 1";
    EXPECT_NE(said.find(damaged), std::string::npos) << said;
    EXPECT_NE(said.find("Cannot read sound"), std::string::npos) << said;
    EXPECT_EQ(said.find("Cannot read sound"), said.rfind("Cannot read sound")) << said;
    // The steps after them still make their tracks ready.
    const std::map<int, int> expected = {{1, 5}, {3, 26}, {4, 34}, {5, 40}, {6, 45}};
    EXPECT_EQ(readyAt, expected);
    EXPECT_EQ(MixedPeak(4410), 0.0f);
    globalSnd.playMyMusic("game-1");
    globalSnd.update();
    EXPECT_GT(MixedPeak(4410), 0.0f);
}
