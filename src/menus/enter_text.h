// The name entry over the screen that asks for it: the player types a
// profile name (upper-cased, at most 15 letters of any alphabet, no
// forbidden characters, no name already in use); Enter or "ok" accept it,
// Escape or "cancel" give the empty string.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "frame/screen.h"
#include "frame/value_types.h"
#include "quest/level_end_dialog.h"

// The dark well the name is typed into, drawn into the panel's picture (at rest).
TDim NameWell();

class TEnterText : public TEkran {
public:
    TEkran* ekran = nullptr;  // the calling screen, drawn behind; may be null
    Image panel;
    std::string entry;       // typed so far
    int time = 0;            // clock time of the next cursor blink
    int cursorOn = 0;        // the blinking cursor is shown
    Font font, font2;        // the entry (42 px); the prompt and the warning (36 px)
    std::string txtAlready;  // the name is already used
    std::string txtStart;    // the prompt of this showing
    std::string txtEnt;      // the prompt
    int exists = 0;          // 1 while the typed name clashes with a profile
    bool running = false;    // true while the entry is up (the virtual player reads it)
    TCallerPicture callerPicture;
    // The names already in use; by default those of the profile list.
    std::function<std::vector<std::string>()> takenNames;

    void setup() override;
    // The entry's font: smaller for a name that would leave its well, with the cursor after it.
    Font EntryFont() const;
    // The caller under the stripes alone, without a veil.
    virtual void _drawBack();
    bool dimsItsCaller() const override { return true; }
    virtual void _drawEntry();
    virtual void _drawMyText(const std::string& text, float x, float y, float r, float g, float b);
    void draw() override;
    virtual void _updateEntry();
    void update() override;
    virtual void prepare(TEkran* screen, const std::string& initial);
    // Runs frames until the name is accepted or the entry cancelled; returns
    // the name, or "" when cancelled.
    virtual std::string mainloop(TEkran* screen, const std::string& initial);
    virtual void _controlGUI();
    virtual void _controlKeyboard();
    virtual void goOk();
    virtual void goCancel();
    // The typed name clashes with another profile's (not with the name the
    // entry started from); 1 or 0.
    virtual int checkEntry();
    // The typed name clashes with any profile's; 1 or 0.
    virtual int checkEntry1();

private:
    std::vector<std::string> _taken() const;
    std::string initialName;
};

extern TEnterText enterText;
