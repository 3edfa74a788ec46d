// Reading the sound list "data/sounds.txt" and loading what it names.
#include <chrono>
#include <cstdio>

#include "audio/global_snd.h"
#include "frame/globals.h"
#include "frame/rcm.h"
#include "platform/notify_batch.h"

namespace {

std::string Key(const char* kind, int n, const char* field) {
    return std::string("globalSnd::") + kind + std::to_string(n) + "::" + field;
}

// A damaged count must not make millions of empty entries.
constexpr int kMaxListed = 1000;

int SoundListCount(const TRCMFile& file, const char* key) {
    const int count = file.getInt(std::string("globalSnd::") + key);
    if (count >= 0 && count <= kMaxListed) return count;
    std::printf("Sound list: %s = %d is not a count of 0 to %d; none read\n", key, count, kMaxListed);
    return 0;
}

}  // namespace

void TGlobalSnd::setup() {
    if (noSounds) return;
    _setupMusic();
    _setupSounds();
}

void TGlobalSnd::_setupMusic() {
    musics.clear();
    auto file = LoadRCM(gameDir + "data/sounds.txt");
    const SysNotifyBatch batch(gameDir + "data/sounds.txt");
    const int count = SoundListCount(*file, "musics");
    for (int n = 1; n <= count; ++n) {
        auto m = std::make_shared<TMusicData>();
        m->id = file->getString(Key("music", n, "id"));
        m->loop = file->getInt(Key("music", n, "loop"));
        m->url = gameDir + file->getString(Key("music", n, "url"));
        if (FsFileType(m->url) == 0) SysNotify("NO FILE: " + m->url, true);
        musics.push_back(m);
    }
}

void TGlobalSnd::_setupSounds() {
    _listSounds();
    loadPendingSounds(-1);
}

void TGlobalSnd::setupListed() {
    if (noSounds) return;
    _setupMusic();
    _listSounds();
}

void TGlobalSnd::_listSounds() {
    sounds.clear();
    rainSnd = nullptr;
    rainTried = false;
    auto file = LoadRCM(gameDir + "data/sounds.txt");
    const int count = SoundListCount(*file, "sounds");
    for (int n = 1; n <= count; ++n) {
        auto s = std::make_shared<TSoundData>();
        s->id = file->getString(Key("snd", n, "id"));
        s->url = gameDir + file->getString(Key("snd", n, "url"));
        float vol = file->getFloat(Key("snd", n, "vol"));
        s->vol = vol == 0 ? 1 : vol;
        sounds.push_back(s);
    }
}

bool TGlobalSnd::loadPendingSounds(double budgetMs) {
    if (noSounds) return true;
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    auto spent = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
    if (!rainTried) {
        rainTried = true;
        rainSnd = SndLoad(gameDir + "sfx/raining.ogg", SND_LOOP);
    }
    for (auto& s : sounds) {
        if (budgetMs >= 0 && spent() >= budgetMs) return false;
        s->loadMe();
    }
    return true;
}

// The loading screen's name for the same step.
void TGlobalSnd::_setupExctMusic(int n) { _setupExactMusic(n); }

void TGlobalSnd::_setupExactMusic(int n) {
    if (n < 1 || n > static_cast<int>(musics.size())) return;
    TMusicData& m = *musics[static_cast<size_t>(n - 1)];
    if (!m.loadMe())
        SysNotify("NIE UDALO SIE ZALADOWAC: " + m.url + " FILETYPE : " + std::to_string(FsFileType(m.url)),
                  true);
}
