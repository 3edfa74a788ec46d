// Breaking texts into lines for a width, and drawing word-wrapped boxes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/value_types.h"
#include "platform/platform.h"

// The most one text box lays out (twice the longest line a text file may hold): a longer text,
// which no file of the game holds, is laid out as its beginning, said once a run.
constexpr size_t TEXT_LAYOUT_MAX_BYTES = 8192;

class TFormatedText {
public:
    std::vector<std::string> texts;
    Font font;
    int lines = 0;
    int OneHeight = 0;
    int Width = 0;
    int Height = 0;
    int pomY = 0;

    virtual ~TFormatedText() = default;
    virtual void Draw(float x, float y, int centred);
    virtual void DrawOutLined(float x, float y, float r, float g, float b);
    virtual int CountHeight();
};

std::shared_ptr<TFormatedText> CreateFormatedText(const std::string& text, const Font& font, int width,
                                                  int spacing);
float DrawTextBox(const std::string& text, int x, int y, float width, const std::string& align, float extra,
                  const Font& font, int spacing);
float TextBoxHeight(const std::string& text, int x, int y, float width, const std::string& align, float extra,
                    const Font& font, int spacing);
// The width of the widest line the box breaks the text into (a single word wider than the box
// stays whole on its line, so this may exceed `width`).
int TextBoxWidestLine(const std::string& text, float width, const Font& font, int spacing);

// One line in the current font, horizontally centred on cx, in `colour` at opacity `a`.
void DrawCentredText(const std::string& text, float cx, float y, const TRGB& colour, float a);
// The same over its shadow: black at half of `a`, 2 px right and down.
void DrawShadowedText(const std::string& text, float cx, float y, const TRGB& colour, float a);
