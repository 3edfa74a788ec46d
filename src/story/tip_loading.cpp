#include "story/tip_loading.h"

#include <algorithm>
#include <string>

#include "frame/font_cache.h"
#include "frame/globals.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "quest/tutorial_catalogue.h"
#include "story/tip_draw.h"

namespace {
constexpr int kSpeechSizes[4] = {28, 24, 20, 16};
constexpr int kTipReach = 4096;  // pixels from the screen's corner a tip may be placed

std::shared_ptr<TTutorialTip> ReadTip(const TRCMFile& file, int n, const TTxtFile* texts) {
    auto tip = std::make_shared<TTutorialTip>();
    const std::string key = "tutorial::tip" + std::to_string(n);
    tip->id = n;
    tip->typ = file.getInt(key + "::typ");
    tip->typExit = file.getInt(key + "::exit");
    tip->timeDelay = std::max(0, file.getInt(key + "::timeDelay"));
    tip->heroN = file.getInt(key + "::hero");
    tip->panelN = file.getInt(key + "::panel");
    tip->side = file.getInt(key + "::side");
    tip->fontN = std::clamp(file.getInt(key + "::font"), 0, 3);
    tip->isAlphaStart = file.getInt(key + "::isAlphaStart");
    // A tip stands on the screen or near it; a far position would overflow the drawing's sums.
    tip->x = file.getIntIn(key + "::position", -kTipReach, kTipReach, 0);
    tip->y = file.getIntIn(key + "::position", -kTipReach, kTipReach, 1);
    tip->txtLine = file.getInt(key + "::txt");
    const std::string speech = TxtLine(texts, tip->txtLine);
    tip->txt = CreateFormatedText(speech, TipSpeechFont(tip->fontN), TIP_SPEECH_WIDTH, 0);
    const int arrows = std::clamp(file.getInt(key + "::arrows"), 0, MAX_TIP_ARROWS);
    for (int k = 1; k <= arrows; ++k) {
        auto arrow = std::make_shared<TArrow>();
        const std::string at = key + "::arrow" + std::to_string(k);
        arrow->x = file.getInt(at, 0);
        arrow->y = file.getInt(at, 1);
        arrow->rot = file.getFloat(at, 2);
        tip->arrows.push_back(arrow);
    }
    return tip;
}
}  // namespace

std::vector<std::shared_ptr<TTutorialTip>> ReadTutorialTips(const TRCMFile& file, const TTxtFile* texts) {
    std::vector<std::shared_ptr<TTutorialTip>> tips;
    const int count = std::clamp(file.getInt("tutorial::i"), 0, MAX_TUTORIAL_TIPS);
    for (int n = 1; n <= count; ++n) tips.push_back(ReadTip(file, n, texts));
    return tips;
}

void ReadTutorialTipTexts() {
    const auto texts = LoadTxtFile(gameDir + "txt/#LANG#/tutorial.txt");
    TipArt().adviserName = {TxtLine(texts, 8), TxtLine(texts, 9)};
    for (const auto& tip : tutorialTips)
        tip->txt =
            CreateFormatedText(TxtLine(texts, tip->txtLine), TipSpeechFont(tip->fontN), TIP_SPEECH_WIDTH, 0);
}

void LoadTutorialTips() {
    TTipArt& art = TipArt();
    const std::string font1 = gameDir + "gfx/fonts/font1.ttf";
    for (size_t k = 0; k < art.speechFont.size(); ++k) art.speechFont[k] = GetFont(font1, kSpeechSizes[k]);
    art.nameFont = GetFont(font1, 32);
    for (size_t k = 0; k < art.adviser.size(); ++k)
        art.adviser[k] = GfxLoadImage(gameDir + "gfx/gui/tutorial/advisor" + std::to_string(k) + ".png",
                                      GFX_IMAGE_DEFAULT);
    art.bubble = GfxLoadImage(gameDir + "gfx/gui/tutorial/speechbubble.png", GFX_IMAGE_DEFAULT);
    GfxSetHandle(art.bubble, TIP_BUBBLE_HANDLE_X, TIP_BUBBLE_HANDLE_Y);
    art.arrow = GfxLoadImage(gameDir + "gfx/arrow.png", GFX_IMAGE_DEFAULT);
    GfxMidHandle(art.arrow);

    const auto texts = LoadTxtFile(gameDir + "txt/#LANG#/tutorial.txt");
    art.adviserName = {TxtLine(texts, 8), TxtLine(texts, 9)};
    const auto file = LoadRCM(gameDir + "data/tutorial.txt");
    tutorialTips = ReadTutorialTips(*file, texts.get());
}
