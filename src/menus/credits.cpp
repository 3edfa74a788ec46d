#include "menus/credits.h"

#include <cstdio>

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/text_file.h"
#include "platform/text_encoding.h"

TCredits credits;

namespace {

// The text between the first and the last character, when the last is the
// carriage return of a CR LF file; otherwise only the marker goes, so that a
// file with plain line feeds keeps its last letter.
std::string DropMarker(const std::string& text) {
    std::string rest = text.substr(1);
    if (!rest.empty() && rest.back() == '\r') rest.pop_back();
    return rest;
}

}  // namespace

void TCreditData::draw(float y, float a) const {
    GfxSetImageFont(font);
    const float w = static_cast<float>(GfxTextWidth(txt) / 2);
    float x = 512 - w;
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(0.4f * a);
    GfxDrawText(txt, x + 2, y + 2);
    GfxSetAlpha(a);
    std::vector<std::string> letters;
    for (std::size_t i = 0; i < txt.size();) {
        const std::size_t start = i;
        Utf8Next(txt, i);
        letters.push_back(txt.substr(start, i - start));
    }
    const auto n = static_cast<float>(letters.size());
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const float red = static_cast<float>(static_cast<int>(255 * (1 - static_cast<float>(i) / n)));
        GfxSetColor(red, 255, 0);
        GfxDrawText(letters[i], x, y);
        x += static_cast<float>(GfxTextWidth(letters[i]));
    }
    GfxSetColor(255, 255, 255);
}

void TCredits::readLines(const std::vector<std::string>& lines) {
    lista.clear();
    for (std::string text : lines) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty()) continue;
        TCreditData line{};
        line.txt = text;
        line.font = font1;
        if (line.txt[0] == '#') {
            line.font = font2;
            line.txt = DropMarker(line.txt);
        }
        if (!line.txt.empty() && line.txt[0] == '$') {
            line.font = font3;
            line.txt = DropMarker(line.txt);
        }
        lista.push_back(line);
    }
}

void TCredits::setup() {
    img = shownOnly(GfxLoadImage(gameDir + "gfx/gui/credits/background.jpg", GFX_IMAGE_DEFAULT));
    const std::string path = gameDir + "gfx/fonts/aparaj.ttf";
    font1 = GetFont(path, 26);
    font2 = GetFont(path, 42);
    font3 = GetFont(path, 60);
    auto file = LoadTxtFile(gameDir + "txt/#LANG#/credits.txt");
    std::vector<std::string> lines;
    for (int n = 1; n <= file->lines(); ++n) lines.push_back(TxtLine(file, n));
    readLines(lines);
}

void TCredits::prepare(TEkran* screen) {
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    y = 768;
    ekr = screen ? screen : menuScreen;
    InFlushKeys();
}

void TCredits::_updateMove() { y -= frameDelta; }

void TCredits::update() {
    CommonUpdate(this);
    _updateFade();
    _updateAlpha();
    _updateMove();
}

void TCredits::_drawBack() {
    if (ekr) ekr->draw();
    GfxResetDrawState(alpha);
    GfxDrawImage(img, 0, 0);
}

void TCredits::_drawCredits() {
    float running = y;
    for (const TCreditData& line : lista) {
        line.draw(static_cast<float>(static_cast<int>(running)), alpha);
        GfxSetImageFont(line.font);
        running += static_cast<float>(GfxTextHeight(line.txt) + 2);
    }
    // The whole text has left the top: it comes again from below.
    if (running < 0) y = 800;
}

void TCredits::draw() {
    _drawBack();
    _drawCredits();
    GfxResetDrawState();
    _drawFade();
}

void TCredits::_checkLeave() {
    const bool click = mouse.leftPressed > 0;
    const bool key = InKeyHit(KEY_ENTER) + InKeyHit(KEY_SPACE) + InKeyHit(KEY_ESCAPE) > 0;
    if (click || key) dAlpha = 0;
}

int TCredits::mainLoop(TEkran* screen) {
    prepare(screen);
    running = true;
    RunDialogLoop(
        *this, [this] { _checkLeave(); }, [this] { return alpha == 0 && dAlpha == 0; });
    running = false;
    std::printf("credits: closed\n");
    return 0;
}
