// The pop-up that tells the player a save failed (where the game tried to save, and that the
// progress since the last good save is not kept), or that saving works again. It is the yes/no
// pop-up's panel with one "OK"; a run without a window never waits for it: the notice stays up
// for a moment and leaves by itself.
#pragma once

#include <string>

#include "frame/save_notice.h"
#include "menus/pop_up.h"

// Frames a notice stays up in a run without a window before it leaves by itself.
constexpr int SAVE_NOTICE_HEADLESS_FRAMES = 150;

class TSaveNoticeDialog : public TPopUp {
public:
    std::string txtFailed;      // the failure, before the folder
    std::string txtNotKept;     // the failure, after the folder
    std::string txtSavedAgain;  // saving works again
    int heldFrames = 0;         // frames shown at rest (runs without a window)

    void setup() override;
    void CountTextSizes() override;
    void update() override;
    void prepare() override;
    // The text for `notice`, `folder` being where the game saves.
    std::string TextOf(SaveNotice notice, const std::string& folder) const;
    // Shows `notice` over `screen` until answered; false when the dialog is not set up yet.
    bool Show(TEkran* screen, SaveNotice notice);
};

extern TSaveNoticeDialog saveNoticeDialog;

// `path` with a space after each "/" where the line must break to keep every piece within `width`
// in `font`: a long folder name reads on two lines instead of running off the panel.
std::string PathBrokenForWidth(const std::string& path, float width, const Font& font);
