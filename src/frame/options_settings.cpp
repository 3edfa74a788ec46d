// The settings file and the display.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/languages.h"
#include "frame/mouse.h"
#include "frame/names.h"
#include "frame/options.h"
#include "frame/rcm.h"
#include "frame/save_notice.h"

TOptions options;

std::string TOptions::SettingsPath() const { return userDir + "/data/settings.txt"; }

namespace {

// The numeric settings in the file's order, with the value a damaged one falls back to. A
// setting added later is `optional`: a file written before it is not damaged for lacking it.
struct SettingSlot {
    const char* key;
    float fallback;
    bool optional;
};
const SettingSlot kSettings[] = {
    {"fullscreen", 1, false},  {"customMouse", 0, false}, {"ratio", 1, false},
    {"soundVolume", 5, false}, {"musicVolume", 5, false}, {"relaxed", 0, true},
};

// True when `text` is a decimal number and nothing else (blanks aside).
bool IsNumberText(const std::string& text) {
    const std::string t = TrimBlanks(text);
    if (t.empty()) return false;
    char* end = nullptr;
    std::strtod(t.c_str(), &end);
    return end == t.c_str() + t.size() && std::isfinite(std::strtod(t.c_str(), nullptr));
}

// The value text of `key` in a file whose groups could not be read: the last line
// "key = value" that names it, "" when none does.
std::string ValueInLines(const std::string& text, const std::string& key) {
    std::string found;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string name = TrimBlanks(line.substr(0, eq));
        const size_t brace = name.find_last_of("{}");
        if (brace != std::string::npos) name = TrimBlanks(name.substr(brace + 1));
        if (EqualNoCase(name, key)) found = line.substr(eq + 1);
    }
    return found;
}

}  // namespace

void TOptions::LoadSettings() {
    const std::string path = SettingsPath();
    // Leftovers of a save killed half-way; the settings are read once, at start.
    FsRemoveSaveTemporaries(userDir + "/Data");
    if (FsFileType(path) == 0) {
        language = SystemLanguage();
        SaveSettings();
    }
    if (FsFileType(path) != 1) {
        // Not even the defaults could be written: they stay, and the failed save was reported.
        language = SystemLanguage();
        SetVolumes();
        return;
    }
    auto file = LoadRCM(path);
    // A file whose braces do not match reads as empty: its settings are looked for line by line.
    const bool grouped = file->getGroup(SplitRcmPath("settings::fullscreen")) != nullptr;
    const std::string text = grouped ? "" : FsLoadText(path);
    float values[std::size(kSettings)];
    std::string damaged;
    for (size_t k = 0; k < std::size(kSettings); k++) {
        const std::string key = kSettings[k].key;
        const std::string raw = grouped ? file->getString("settings::" + key) : ValueInLines(text, key);
        if (IsNumberText(raw)) {
            values[k] = RcmToNumber(raw);
        } else if (kSettings[k].optional && TrimBlanks(raw).empty()) {
            values[k] = kSettings[k].fallback;
        } else {
            values[k] = kSettings[k].fallback;
            damaged += (damaged.empty() ? "" : ", ") + key;
        }
    }
    // Whole numbers are truncated and clamped to the int range; a hand-edited
    // 1e20 must not overflow the conversion.
    fullscreen = RcmTruncate(values[0]);
    mouse.isCustom = RcmTruncate(values[1]);
    ratio = RcmTruncate(values[2]);
    // Volumes keep their fraction (7.9 stays 7.9) but stay on the slider.
    soundVol = std::clamp(values[3], 0.0f, 10.0f);
    musicVol = std::clamp(values[4], 0.0f, 10.0f);
    relaxed = RcmTruncate(values[5]) != 0 ? 1 : 0;
    // A file from before languages, or one naming a language the game no longer speaks: the
    // system's locale decides, as on a first start.
    std::string code =
        grouped ? file->getString("settings::language") : TrimBlanks(ValueInLines(text, "language"));
    if (!grouped && code.size() >= 2 && code.front() == '"' && code.back() == '"')
        code = code.substr(1, code.size() - 2);
    const LanguageInfo* chosen = FindLanguage(code);
    language = chosen ? chosen->code : SystemLanguage();
    SetVolumes();
    if (!damaged.empty()) _keepDamagedSettings(path, damaged);
}

void TOptions::_keepDamagedSettings(const std::string& path, const std::string& damaged) {
    // The next save writes the repaired file: the damaged one stays beside it for whoever
    // wants to see what it held.
    const std::string bad = path + ".bad";
    const bool kept = FsSaveBytes(FsLoadString(path), bad);
    std::printf("The settings file %s was damaged (%s): %s; the other settings were kept\n", path.c_str(),
                damaged.c_str(), kept ? ("it is kept as " + bad).c_str() : "it could not be kept aside");
}

bool TOptions::SaveSettings() {
    auto file = NewRCM();
    file->setFloat("settings::fullscreen", static_cast<float>(fullscreen));
    file->setFloat("settings::customMouse", static_cast<float>(mouse.isCustom));
    file->setFloat("settings::ratio", static_cast<float>(ratio));
    file->setFloat("settings::soundVolume", static_cast<float>(RcmTruncate(soundVol)));
    file->setFloat("settings::musicVolume", static_cast<float>(RcmTruncate(musicVol)));
    file->setFloat("settings::relaxed", static_cast<float>(relaxed));
    if (!language.empty()) file->setString("settings::language", language);
    const bool saved = file->save(SettingsPath());
    if (!saved) {
        std::printf("Could not save the settings to %s\n", SettingsPath().c_str());
        // Only a failure counts here: the profiles may still fail where the settings saved.
        NoteSaveResult(false);
    }
    return saved;
}

void TOptions::SetVolumes() {
    auto& hooks = FrameHooks();
    if (hooks.setMusicVol) hooks.setMusicVol(CountMusicVol());
}

void TOptions::initScreen() { OpenScreen(); }

void TOptions::OpenScreen() {
    SCREEN_WIDTH = 1366;
    SCREEN_HEIGHT = 768;
    const int depth = EffectiveFullscreen() ? 32 : 0;
    if (ratio == 0) {
        GfxOpen(1024, 768, depth, 60, 0);
        GfxSetVirtualResolution(1024, 768);
        sideOffset = 0;
    } else {
        if (!GfxOpen(1366, 768, depth, 60, 0)) {
            ratio = 0;
            OpenScreen();
            return;
        }
        GfxSetVirtualResolution(1366, 768);
        sideOffset = 171;
    }
    GfxSetViewport(0, 0, GfxVirtualWidth(), GfxVirtualHeight());
    GfxSetOrigin(static_cast<float>(sideOffset), 0);
    SysSetWindowIcon();
}

void TOptions::SwitchScreen() {
    if (EffectiveFullscreen()) goWindowed();
    else goFullscreen();
    SaveSettings();
}

void TOptions::goFullscreen() {
    fullscreen = 1;
    forcedFullscreen = -1;
    initScreen();
}

void TOptions::goWindowed() {
    fullscreen = 0;
    forcedFullscreen = -1;
    initScreen();
}
