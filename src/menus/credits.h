// The credits: the lines of "txt/#LANG#/credits.txt" scroll up over a
// background picture and the calling screen, each centred and coloured from
// yellow to green. A click, Enter, Space or Escape fades them out.
#pragma once

#include <string>
#include <vector>

#include "frame/screen.h"

class TCreditData {
public:
    std::string txt;
    Font font;
    virtual ~TCreditData() = default;
    // Draws the line centred on x 512 with its top at y, over a shadow.
    virtual void draw(float y, float a) const;
};

class TCredits : public TEkran {
public:
    Image img;  // drawn at (0, 0)
    std::vector<TCreditData> lista;
    float y = 0;  // screen y of the first line
    TEkran* ekr = nullptr;
    // Drawn behind when no caller is given (the main menu, wired at start-up).
    TEkran* menuScreen = nullptr;
    Font font1, font2, font3;  // lines, headings ("#"), titles ("$")
    bool running = false;      // true while the credits run (the virtual player reads it)

    void setup() override;
    // Fills lista from the lines of a credits file.
    void readLines(const std::vector<std::string>& lines);
    virtual void _drawBack();
    virtual void _drawCredits();
    virtual void _updateMove();
    virtual void prepare(TEkran* screen);
    // Runs the credits over `screen` until the player leaves; returns 0.
    virtual int mainLoop(TEkran* screen);
    void draw() override;
    void update() override;
    // A click or one of the four keys after a frame.
    void _checkLeave();
};

extern TCredits credits;
