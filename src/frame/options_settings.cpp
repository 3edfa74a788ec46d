// The settings file and the display.
#include <algorithm>
#include <cstdio>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/options.h"
#include "frame/rcm.h"
#include "frame/save_notice.h"

TOptions options;

std::string TOptions::SettingsPath() const { return userDir + "/data/settings.txt"; }

void TOptions::LoadSettings() {
    const std::string path = SettingsPath();
    if (FsFileType(path) == 0) SaveSettings();
    auto file = LoadRCM(path);
    // Whole numbers are truncated and clamped to the int range; a hand-edited
    // 1e20 must not overflow the conversion.
    fullscreen = file->getInt("settings::fullscreen");
    mouse.isCustom = file->getInt("settings::customMouse");
    ratio = file->getInt("settings::ratio");
    // Volumes keep their fraction (7.9 stays 7.9) but stay on the slider.
    soundVol = std::clamp(file->getFloat("settings::soundVolume"), 0.0f, 10.0f);
    musicVol = std::clamp(file->getFloat("settings::musicVolume"), 0.0f, 10.0f);
    SetVolumes();
}

bool TOptions::SaveSettings() {
    auto file = NewRCM();
    file->setFloat("settings::fullscreen", static_cast<float>(fullscreen));
    file->setFloat("settings::customMouse", static_cast<float>(mouse.isCustom));
    file->setFloat("settings::ratio", static_cast<float>(ratio));
    file->setFloat("settings::soundVolume", static_cast<float>(RcmTruncate(soundVol)));
    file->setFloat("settings::musicVolume", static_cast<float>(RcmTruncate(musicVol)));
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
