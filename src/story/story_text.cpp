#include "story/story_text.h"

#include <algorithm>
#include <cstdio>

#include "frame/font_cache.h"
#include "frame/globals.h"
#include "frame/rcm.h"
#include "frame/text_file.h"

Font storyFont;

namespace {
// The pieces of a text between the separators (empty pieces kept).
std::vector<std::string> SplitAt(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    size_t from = 0;
    for (size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + separator.size())
        pieces.push_back(text.substr(from, at - from));
    pieces.push_back(text.substr(from));
    return pieces;
}

int LineHeight() { return GfxTextHeight("A"); }
}  // namespace

SafeList<TStoryText>& StoryList() {
    static SafeList<TStoryText> list;
    return list;
}

std::string StoryDataPath(const std::string& sequence) {
    // A language without timings of its own shows its subtitles at the base language's.
    return LocalisedFile(gameDir + "data/Texts-" + sequence + "-#LANG#.txt");
}

std::string StoryTextPath(const std::string& sequence) {
    return gameDir + "txt/#LANG#/Texts" + sequence + ".txt";
}

void TStoryText::CountMyText() {
    GfxStateScope state;
    GfxSetImageFont(storyFont);
    GfxSetScale(1, 1);
    txtX.clear();
    for (const std::string& line : txt) txtX.push_back(512 - GfxTextWidth(line) / 2);
    const int height = static_cast<int>(txt.size()) * LineHeight();
    y = static_cast<float>((spec == 1 ? 384 : 720) - height / 2);
}

void TStoryText::reset() { startTime = SysMillisecs() + startTime * 1000; }

bool TStoryText::update() {
    const int now = SysMillisecs();
    if (now < startTime) return true;
    if (!byloStart) {
        byloStart = 1;
        endTime = now + waitTIme * 1000;
    }
    if (now > endTime) {
        a = 0;
        return false;
    }
    // Fades in over its first second and out over its last; a subtitle
    // shorter than two seconds never reaches full opacity.
    const float in = static_cast<float>(now - startTime) / 1000.0f;
    const float out = static_cast<float>(endTime - now) / 1000.0f;
    a = std::clamp(std::min(in, out), 0.0f, 1.0f);
    return true;
}

void TStoryText::draw() {
    if (!byloStart || a <= 0) return;
    GfxStateScope state;
    GfxResetDrawState(a);
    GfxSetImageFont(storyFont);
    const int step = LineHeight();
    for (size_t i = 0; i < txt.size() && i < txtX.size(); i++)
        GfxDrawText(txt[i], static_cast<float>(txtX[i]), y + static_cast<float>(i) * step - 8);
}

void LoadStoryTexts(const std::string& rcmPath, const std::string& txtPath) {
    StoryList().clear();
    auto rcm = LoadRCM(rcmPath);
    auto lines = LoadTxtFile(txtPath);
    int count = rcm->getInt("texts::i");
    if (count > MAX_STORY_TEXTS) {
        std::printf("Napotkano problem : %s asks for %d subtitles; the first %d are read\n", rcmPath.c_str(),
                    count, MAX_STORY_TEXTS);
        count = MAX_STORY_TEXTS;
    }
    for (int n = 1; n <= count; n++) {
        const std::string key = "texts::txt" + std::to_string(n) + "::";
        auto text = std::make_shared<TStoryText>();
        std::string line = TxtLine(lines, rcm->getInt(key + "txt"));
        // A file saved with carriage returns would show them as boxes.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        text->txt = SplitAt(line, "#ENTER#");
        // Seconds, counted in milliseconds from the clock: kept where that cannot overflow.
        text->startTime = rcm->getIntIn(key + "startTime", -STORY_MAX_SECONDS, STORY_MAX_SECONDS);
        text->spec = rcm->getInt(key + "spec");
        text->waitTIme = rcm->getIntIn(key + "waitTime", -STORY_MAX_SECONDS, STORY_MAX_SECONDS);
        text->CountMyText();
        StoryList().append(text);
    }
}

void ResetStoryTexts() {
    StoryList().forEach([](TStoryText& t) { t.reset(); });
}

void UpdateStoryTexts() {
    auto& list = StoryList();
    for (const auto& text : list)
        if (!text->update()) list.remove(text);
}

void DrawStoryTexts() {
    StoryList().forEach([](TStoryText& t) { t.draw(); });
}

void LoadStoryFont() { storyFont = GetFont(gameDir + "gfx/fonts/font1.ttf", 42); }
