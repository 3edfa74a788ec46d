// Breaking texts into lines for a width, and drawing word-wrapped boxes.
#include "frame/text_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "frame/names.h"
#include "frame/rcm.h"
#include "frame/text_file.h"

namespace {

// The part of `text` a box lays out: all of it, or its beginning when it is too long.
std::string BoundedForLayout(const std::string& text) {
    static bool said = false;
    if (!said) {
        said = true;
        std::printf("A text of %zu bytes is laid out as its first %zu\n", text.size(), TEXT_LAYOUT_MAX_BYTES);
    }
    return CutTextAt(text, TEXT_LAYOUT_MAX_BYTES);
}

// Pieces between single spaces: two spaces in a row give an empty word, the
// empty text gives one empty word.
std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t pos = text.find(' '); pos != std::string::npos; pos = text.find(' ', start)) {
        words.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
    words.push_back(text.substr(start));
    return words;
}

// Width of `line` + " " + `word`, measured in place so that long lines are not
// copied for every word.
int WidthWithWord(std::string& line, const std::string& word) {
    const size_t length = line.size();
    line += ' ';
    line += word;
    int width = GfxTextWidth(line);
    line.resize(length);
    return width;
}

enum class Align { Left, Right, Center };

Align ParseAlign(const std::string& align) {
    std::string name = TRCMFile::myTrim(align);
    if (EqualNoCase(name, "RIGHT")) {
        return Align::Right;
    }
    if (EqualNoCase(name, "CENTER")) {
        return Align::Center;
    }
    return Align::Left;
}

// Breaks a text box into lines; draws them when `draw` is set. Returns the
// height used; `widest`, when given, receives the widest line's width.
float LayOutBox(const std::string& text, int x, int y, float width, const std::string& align,
                const Font& font, int spacing, bool draw, int* widest = nullptr) {
    if (text.size() > TEXT_LAYOUT_MAX_BYTES) {
        return LayOutBox(BoundedForLayout(text), x, y, width, align, font, spacing, draw, widest);
    }
    if (font) {
        GfxSetImageFont(font);
    }
    const int lineHeight = GfxTextHeight("A") + spacing;
    const Align where = ParseAlign(align);
    int lineNumber = 0;
    auto emit = [&](const std::string& line) {
        if (widest) {
            *widest = std::max(*widest, GfxTextWidth(line));
        }
        if (!draw) {
            return;
        }
        const int w = GfxTextWidth(line);
        float px = static_cast<float>(x);
        if (where == Align::Right) {
            px = std::trunc(px + width - static_cast<float>(w));
        } else if (where == Align::Center) {
            px = std::trunc(px + width / 2 - static_cast<float>(w / 2));
        }
        GfxSetScale(1, 1);
        GfxDrawText(line, px, static_cast<float>(y + lineNumber * lineHeight));
    };

    std::string line;
    for (const std::string& word : SplitWords(text)) {
        if (static_cast<float>(WidthWithWord(line, word)) <= width) {
            if (!line.empty()) {
                line += ' ';
            }
            line += word;
        } else {
            emit(TRCMFile::myTrim(line));
            line = word;
            ++lineNumber;
        }
    }
    emit(line);
    return static_cast<float>(lineHeight * (lineNumber + 1));
}

}  // namespace

void TFormatedText::Draw(float x, float y, int centred) {
    GfxSetScale(1, 1);
    GfxSetRotation(0);
    GfxSetImageFont(font);
    for (size_t i = 0; i < texts.size(); ++i) {
        float px = x;
        if (centred) {
            px = x + static_cast<float>(Width / 2 - GfxTextWidth(texts[i]) / 2);
        }
        GfxDrawText(texts[i], px, y + static_cast<float>(static_cast<int>(i) * OneHeight));
    }
}

void TFormatedText::DrawOutLined(float x, float y, float r, float g, float b) {
    static const float offsets[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
    pomY = static_cast<int>(y);
    GfxSetScale(1, 1);
    GfxSetRotation(0);
    GfxSetImageFont(font);
    auto drawAll = [&](float dx, float dy) {
        for (size_t i = 0; i < texts.size(); ++i) {
            GfxDrawText(texts[i], x + dx, y + dy + static_cast<float>(static_cast<int>(i) * OneHeight));
        }
    };
    GfxSetColor(0, 0, 0);
    for (const auto& offset : offsets) {
        drawAll(offset[0], offset[1]);
    }
    GfxSetColor(r, g, b);
    drawAll(0, 0);
}

int TFormatedText::CountHeight() {
    Height = lines * OneHeight;
    return Height;
}

std::shared_ptr<TFormatedText> CreateFormatedText(const std::string& text, const Font& font, int width,
                                                  int spacing) {
    if (text.size() > TEXT_LAYOUT_MAX_BYTES) {
        return CreateFormatedText(BoundedForLayout(text), font, width, spacing);
    }
    auto result = std::make_shared<TFormatedText>();
    result->Width = width;
    if (text.empty()) {
        // No words: the text is its only line, drawn with no font.
        result->texts.push_back(text);
        result->lines = 1;
        return result;
    }
    std::vector<std::string> words = SplitWords(text);
    GfxSetScale(1, 1);
    GfxSetImageFont(font);
    result->font = font;
    result->OneHeight = GfxTextHeight(text) + spacing;

    std::string line = words[0];
    for (size_t i = 1; i < words.size(); ++i) {
        if (WidthWithWord(line, words[i]) > width) {
            result->texts.push_back(std::move(line));
            line = words[i];
        } else {
            line += ' ';
            line += words[i];
        }
    }
    result->texts.push_back(std::move(line));
    result->lines = static_cast<int>(result->texts.size());
    result->CountHeight();
    return result;
}

float DrawTextBox(const std::string& text, int x, int y, float width, const std::string& align, float extra,
                  const Font& font, int spacing) {
    return LayOutBox(text, x, y, width, align, font, spacing, true);
}

float TextBoxHeight(const std::string& text, int x, int y, float width, const std::string& align, float extra,
                    const Font& font, int spacing) {
    return LayOutBox(text, x, y, width, align, font, spacing, false);
}

int TextBoxWidestLine(const std::string& text, float width, const Font& font, int spacing) {
    int widest = 0;
    LayOutBox(text, 0, 0, width, "LEFT", font, spacing, false, &widest);
    return widest;
}

void DrawCentredText(const std::string& text, float cx, float y, const TRGB& colour, float a) {
    const float x = cx - static_cast<float>(GfxTextWidth(text)) / 2;
    GfxSetColor(colour.r, colour.g, colour.b);
    GfxSetAlpha(a);
    GfxDrawText(text, x, y);
}

void DrawShadowedText(const std::string& text, float cx, float y, const TRGB& colour, float a) {
    const float x = cx - static_cast<float>(GfxTextWidth(text)) / 2;
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(a * 0.5f);
    GfxDrawText(text, x + 2, y + 2);
    DrawCentredText(text, cx, y, colour, a);
}
