// The player's machine settings: full screen or window, wide or 4:3
// picture, custom cursor, sound and music volume; read and written in the
// settings file, and the display opened accordingly; and the language the game speaks. The dialog itself
// builds on this class.
#pragma once

#include <string>

#include "frame/screen.h"

class TOptions : public TEkran {
public:
    TEkran* ekran = nullptr;  // the screen that opened the dialog
    int SCREEN_WIDTH = 0;
    int SCREEN_HEIGHT = 0;
    int fullscreen = 1;
    int ratio = 1;
    float soundVol = 5;
    float musicVol = 5;
    // 1: the level's clock stands still (saved as "settings::relaxed"; a file without it: 0).
    int relaxed = 0;

    // A display mode forced for this run by the command line (-1: none,
    // 0 window, 1 full screen); it is used but never written to the file.
    int forcedFullscreen = -1;
    // The language chosen (a code of frame/languages.h): saved under "settings::language"; a
    // file without it leaves the choice to the system's locale.
    std::string language;
    // A language given on the command line for this run only ("": none); never written.
    std::string forcedLanguage;

    virtual void LoadSettings();
    virtual bool SaveSettings();
    virtual void initScreen();
    virtual void OpenScreen();
    virtual void SwitchScreen();
    virtual float CountSoundVol() const { return soundVol / 10.0f; }
    virtual float CountMusicVol() const { return musicVol / 10.0f; }
    virtual void SetVolumes();
    virtual void goFullscreen();
    virtual void goWindowed();

    std::string SettingsPath() const;
    // A settings file with damaged values (listed in `damaged`): kept beside as "<file>.bad",
    // said once in the log.
    void _keepDamagedSettings(const std::string& path, const std::string& damaged);
    int EffectiveFullscreen() const { return forcedFullscreen >= 0 ? forcedFullscreen : fullscreen; }
    const std::string& EffectiveLanguage() const {
        return forcedLanguage.empty() ? language : forcedLanguage;
    }
};

extern TOptions options;
