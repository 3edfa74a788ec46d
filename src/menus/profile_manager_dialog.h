// The profile manager dialog over the main menu: the list of players (the
// current one in yellow, the one under the mouse in cyan; a click chooses),
// and "NEW" (name entry; hidden at five players), "RENAME", "DELETE" (asked
// first; hidden at one player) and "OK". The list itself is
// `profileManager` (quest/profile_list.h).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "frame/screen.h"
#include "quest/level_end_dialog.h"

class TProfile;

// The panel's height when its picture is missing.
constexpr float MANAGER_PANEL_H = 680;
// A player's row in the list: where a click chooses it and its name is centred.
constexpr float PROFILE_ROW_LEFT = 310, PROFILE_ROW_WIDTH = 410;

class TProfileManagerDialog : public TEkran {
public:
    TEkran* ekran = nullptr;  // the main menu, drawn behind; may be null
    Image panel;
    float showPer = 0, dShowPer = 0;
    Font font1, font2;               // heading (36 px), names (32 px)
    std::shared_ptr<TProfile> over;  // the row under the mouse
    bool running = false;            // true while the dialog is up (the virtual player reads it)
    // After the dialog has closed (the main menu's welcome line); may be empty.
    std::function<void()> onClosed;
    TCallerPicture callerPicture;

    void setup() override;
    // The caller under the stripes alone, without a veil.
    virtual void _drawBack();
    bool dimsItsCaller() const override { return true; }
    virtual void _drawMyText(const std::string& text, float x, float y, float r, float g, float b);
    virtual void _drawPanel();
    virtual void _drawProfiles();
    void draw() override;
    virtual float CountY() const;
    virtual void _updateShow();
    virtual void _updateProfiles();
    // The rows are controls of the keyboard focus too, named "profile_row_<index>".
    void _placeRows();
    std::shared_ptr<TProfile> ProfileOfRow(const std::string& placeName) const;
    void update() override;
    virtual void prepare();
    virtual void mainloop(TEkran* caller);
    virtual void goOk();
    virtual void goNew();
    virtual void goDelete();
    virtual void goRename();
    // The buttons after one frame.
    void _checkButtons();

    // The height of a row (the name font's "A" less 5) and the top of row r.
    float RowHeight() const;
    float RowTop(int r) const;
    // The names' font, smaller for a name too wide for its row (down to NAME_MIN_SIZE).
    Font NameFont(const std::string& name) const;
};

extern TProfileManagerDialog profileManagerDialog;
