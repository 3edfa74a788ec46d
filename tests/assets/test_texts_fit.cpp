// Every text the player reads fits the box it is drawn in, at the real fonts and in every state:
// the texts of every GUI script (each state's look: normal, over, pressed, disabled) inside their
// object's picture, the village's offer labels inside their button's face, the research buttons'
// labels, the advisers' speeches inside the bubble, and the texts the screens draw by code at their
// longest (counters, the clock, the level-end dialogs, names, questions, the preview, the puzzle
// screen, the credits, the story's subtitles). A text that runs over names its screen, its
// object, the text and by how many pixels. The check runs once for each language of the game's
// list; a language whose texts are missing fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "frame/globals.h"
#include "frame/languages.h"
#include "frame/names.h"
#include "frame/text_file.h"
#include "frame/text_fit.h"
#include "gui/gui.h"
#include "match3/main_game.h"
#include "match3/res_panel.h"
#include "menus/credits.h"
#include "menus/enter_text.h"
#include "menus/main_menu.h"
#include "menus/name_rules.h"
#include "menus/options_dialog.h"
#include "menus/pop_up.h"
#include "menus/profile_manager_dialog.h"
#include "platform/text_watch.h"
#include "puzzles/puzzle_game.h"
#include "quest/continue_quest.h"
#include "quest/land_catalogue.h"
#include "quest/lose_level.h"
#include "quest/profile.h"
#include "quest/profile_list.h"
#include "quest/summary.h"
#include "quest/tutorial_catalogue.h"
#include "story/story_text.h"
#include "story/tip_draw.h"
#include "story/tip_loading.h"
#include "support/headless_platform.h"
#include "village/land_screen.h"
#include "village/offer_row.h"
#include "village/research_screen.h"
#include "village/show_building.h"

namespace fs = std::filesystem;

namespace {

constexpr float SCREEN_W = 1024, SCREEN_H = 768;

// Every language of the game's list, whether its texts are there or not: a missing one fails.
std::vector<std::string> Languages() {
    std::vector<std::string> langs;
    for (const LanguageInfo& language : kLanguages) langs.push_back(language.code);
    return langs;
}

// The GUI scripts a language shows, each as the screens name it ("#LANG#" for the language's
// folder: the language's own script, or the base language's in its stead), and those in no
// language's folder.
std::vector<std::string> GuiScripts() {
    std::vector<std::string> scripts;
    for (const auto& entry : fs::recursive_directory_iterator("game/gfx/gui")) {
        if (entry.path().extension() != ".gui") continue;
        const std::string folder = entry.path().parent_path().filename().string();
        if (folder == kBaseLanguage) {
            scripts.push_back((entry.path().parent_path().parent_path() / "#LANG#" / entry.path().filename())
                                  .generic_string());
        } else if (!FindLanguage(folder)) {
            scripts.push_back(entry.path().generic_string());
        }
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

const char* StateName(int action) {
    switch (action) {
        case TProperties::OVER:
            return "over";
        case TProperties::CLICK:
            return "pressed";
        case TProperties::UNACTIVE:
            return "disabled";
        default:
            return "normal";
    }
}

template <class T>
T Either(const T& own, const T& standard) {
    return own ? own : standard;
}

int Beyond(float used, float room) { return std::max(0, static_cast<int>(std::ceil(used - room))); }

class TextsFit : public ::testing::TestWithParam<std::string> {
protected:
    std::string savedLang;
    std::vector<std::string> overflows;

    void SetUp() override {
        ASSERT_TRUE(StartHeadlessPlatform());
        savedLang = lang;
        lang = GetParam();
    }
    void TearDown() override {
        lang = savedLang;
        StopHeadlessPlatform();
    }
    void Check(const std::string& screen, const std::string& object, const std::string& text,
               const TTextOverflow& over) {
        if (over.Fits()) return;
        std::ostringstream line;
        line << screen << ", " << object << ": \"" << text << "\" runs " << over.x << " px beyond its width, "
             << over.y << " px beyond its height";
        overflows.push_back(line.str());
    }
    void ExpectNoOverflow() {
        std::ostringstream all;
        for (const auto& line : overflows) all << "\n  " << line;
        EXPECT_TRUE(overflows.empty()) << overflows.size() << " texts do not fit:" << all.str();
    }

    // A GUI object's text in one state's look (what that look lacks comes from the normal look),
    // centred on its anchor, against the look's picture centred on the object (the screen when the
    // object has no picture).
    void CheckGuiText(const std::string& script, const TGuiObject& object, const TProperties& look) {
        const TProperties& standard = *object.standardProps;
        const std::string& text = look.txt.empty() ? standard.txt : look.txt;
        const Font font = Either(look.font, standard.font);
        if (text.empty() || !font) return;
        const TScale scale = look.scale ? *look.scale : standard.scale.value_or(TScale{});
        const TScale textScale = look.tScale ? *look.tScale : standard.tScale.value_or(scale);
        const std::optional<TDim>& add = look.addDim ? look.addDim : standard.addDim;
        const std::optional<TDim>& textAdd = look.textAddDim ? look.textAddDim : standard.textAddDim;
        const float cx = object.dim.cx + (add ? add->x : 0), cy = object.dim.cy + (add ? add->y : 0);
        const float ax = cx + (textAdd ? textAdd->x : 0), ay = cy + (textAdd ? textAdd->y : 0);
        GfxSetImageFont(font);
        const float tw = static_cast<float>(GfxTextWidth(text)) * textScale.sx * object.scaleX;
        const float th = static_cast<float>(GfxTextHeight(text)) * textScale.sy * object.scaleY;
        const auto img = Either(look.img, standard.img);
        TDim box = NewDimRect(0, 0, SCREEN_W, SCREEN_H);
        if (img) {
            const float w = img->w * scale.sx * object.scaleX, h = img->h * scale.sy * object.scaleY;
            box = NewDimRect(cx - w / 2, cy - h / 2, w, h);
        }
        const TTextOverflow over{std::max(Beyond(box.x, ax - tw / 2), Beyond(ax + tw / 2, box.x + box.w)),
                                 std::max(Beyond(box.y, ay - th / 2), Beyond(ay + th / 2, box.y + box.h))};
        Check(script, "\"" + object.id + "\" (" + StateName(look.action) + ")", text, over);
    }

    // A text as the screen's own code draws it (`draw`, watched) against the box it must stay in.
    void CheckDrawnIn(const std::string& screen, const std::string& object, const std::string& text,
                      const TDim& box, const std::function<void()>& draw) {
        std::vector<GfxTextDrawn> drawn;
        GfxSetTextWatcher([&](const GfxTextDrawn& t) {
            if (t.text == text) drawn.push_back(t);
            return true;
        });
        draw();
        GfxSetTextWatcher(nullptr);
        ASSERT_FALSE(drawn.empty()) << screen << " does not draw \"" << text << "\"";
        const GfxTextDrawn& t = drawn.back();  // the face, over any shadow drawn first
        Check(screen, object, text,
              TTextOverflow{std::max(Beyond(box.x, t.x), Beyond(t.x + t.w, box.x + box.w)),
                            std::max(Beyond(box.y, t.y), Beyond(t.y + t.h, box.y + box.h))});
    }
    // One line drawn by code inside a picture (centred on it): how far it runs beyond the
    // picture's width and height.
    void CheckInPicture(const std::string& screen, const std::string& object, const std::string& text,
                        const Font& font, const Image& picture) {
        ASSERT_TRUE(font) << screen << ", " << object;
        ASSERT_TRUE(picture) << screen << ", " << object;
        Check(screen, object, text,
              TextLineOverflow(text, static_cast<float>(GfxImageWidth(picture)),
                               static_cast<float>(GfxImageHeight(picture)), font));
    }
};

// The longest values the code-drawn texts take: a counter of five digits (a village's stock
// after a long quest), and a player's name of as many letters as a name may have, in the widest.
const std::string LONGEST_COUNT = "99999";

// Where a picture lies drawn at (x, y) through its handle.
TDim PictureBox(const Image& img, float x, float y) {
    return NewDimRect(x - GfxImageHandleX(img), y - GfxImageHandleY(img),
                      static_cast<float>(GfxImageWidth(img)), static_cast<float>(GfxImageHeight(img)));
}
std::string LongestName() { return UpperName(std::string(MAX_NAME_LETTERS, 'W')); }

}  // namespace

TEST_P(TextsFit, EveryGuiScriptsTextFitsItsObjectInEveryState) {
    ASSERT_EQ(FsFileType("game/txt/" + GetParam()), 2) << "no texts for " << GetParam();
    const std::vector<std::string> scripts = GuiScripts();
    ASSERT_GE(scripts.size(), 13u);
    int texts = 0;
    for (const auto& script : scripts) {
        const auto gui = LoadGui(script);
        EXPECT_FALSE(gui->objects.empty()) << script;
        for (const auto& object : gui->objects) {
            if (object->standardProps->txt.empty()) continue;
            ++texts;
            CheckGuiText(script, *object, *object->standardProps);
            for (const auto& look : object->properties) CheckGuiText(script, *object, *look);
        }
    }
    EXPECT_GE(texts, 20);
    ExpectNoOverflow();
}

TEST_P(TextsFit, EveryOfferLabelFitsItsButtonInEveryState) {
    landScreen._setupLandItems();
    landScreen._setupTexts();
    const TOfferRowLook& look = landScreen.look;
    const TDim box = OfferLabelBox(0, 0);
    TLandItem construction, upgrade;
    upgrade.toUpgrade = 1;
    for (int state = 0; state < 4; ++state)
        for (const TLandItem* item : {&construction, &upgrade}) {
            const std::string& label = OfferLabel(*item, state, look);
            ASSERT_FALSE(label.empty());
            Check("the village", "offer label of state " + std::to_string(state), label,
                  TextBoxOverflow(label, box.w, box.h, OfferLabelFont(label, state, look),
                                  OFFER_LABEL_SPACING));
        }
    ExpectNoOverflow();
}

TEST_P(TextsFit, EveryResearchButtonsLabelFitsTheButton) {
    researchScreen.setup();
    const Image& button = researchScreen.buttonImg[0];
    ASSERT_TRUE(button);
    const float w = static_cast<float>(GfxImageWidth(button)), h = static_cast<float>(GfxImageHeight(button));
    for (const std::string* label : {&researchScreen.txtResearch, &researchScreen.txtResearched,
                                     &researchScreen.txtLocked, &researchScreen.txtCantAfford}) {
        ASSERT_FALSE(label->empty());
        Check("the research screen", "research button", *label,
              TextLineOverflow(*label, w, h, researchScreen.buttonTextFont(*label)));
    }
    ExpectNoOverflow();
}

TEST_P(TextsFit, EveryTipsSpeechFitsItsBubble) {
    LoadTutorialTips();
    ASSERT_FALSE(tutorialTips.empty());
    const auto texts = LoadTxtFile("game/txt/#LANG#/tutorial.txt");
    for (const auto& tip : tutorialTips) {
        const std::string speech = TxtLine(texts, tip->txtLine);
        const TDim box = TipSpeechBox(*tip);
        Check("tip " + std::to_string(tip->id), "speech bubble", speech,
              TextBoxOverflow(speech, box.w, box.h, TipSpeechFont(tip->fontN), 0));
    }
    tutorialTips.clear();
    ExpectNoOverflow();
}

// The texts the screens draw by code, each against the picture it stands in, at its longest.
TEST_P(TextsFit, TheBoardsCountersAndClockFitTheirPictures) {
    LoadResPanelImages();
    CheckInPicture("the match-3 board and the village", "resource counter", LONGEST_COUNT,
                   resPanelImages.font, resPanelImages.counter);
    TMainGame game;
    game.setup();
    CheckInPicture("the match-3 board", "clock's frame", game.txtTime, game.timeFont, game.timeBarFrame);
    ExpectNoOverflow();
}

TEST_P(TextsFit, TheLevelEndDialogsTextsFitTheirPanels) {
    TLevelSummary summary;
    summary.setup();
    CheckInPicture("the summary", "panel", summary.txtTotal, summary.infoBigFont, summary.panel);
    CheckInPicture("the summary", "panel", summary.txtTimeBonus, summary.infoFOnt2, summary.panel);
    CheckInPicture("the summary", "panel", summary.txtMultiplier, summary.infoFOnt2, summary.panel);
    CheckInPicture("the summary", "panel", "+ " + LONGEST_COUNT, summary.numberFOnt, summary.panel);
    CheckInPicture("the summary", "total's circle", LONGEST_COUNT, summary.numberFOnt2, summary.circle2);
    TLoseLevel lose;
    lose.setup();
    CheckInPicture("the lose dialog", "panel", lose.txtLose, lose.font, lose.panel);
    TContinueQuest resume;
    resume.setup();
    CheckInPicture("the continue signboard", "panel", resume.txtTitle, resume.font2, resume.panel);
    ExpectNoOverflow();
}

TEST_P(TextsFit, TheLongestNameFitsWhereverItIsShown) {
    const std::string name = LongestName();
    TEnterText entry;
    entry.setup();
    entry.prepare(nullptr, name);
    entry.alpha = 1;
    CheckDrawnIn("the name entry", "name's well", name, NameWell(), [&] { entry._drawEntry(); });
    CheckDrawnIn("the name entry", "panel", entry.txtEnt, PictureBox(entry.panel, 512, 344),
                 [&] { entry._drawEntry(); });
    entry.exists = 1;
    CheckDrawnIn("the name entry", "panel", entry.txtAlready, PictureBox(entry.panel, 512, 344),
                 [&] { entry._drawEntry(); });
    TProfileManagerDialog manager;
    manager.setup();
    Check("the profile manager", "name's row", name,
          TextLineOverflow(name, PROFILE_ROW_WIDTH, SCREEN_H, manager.NameFont(name)));
    TMainMenu menu;
    menu.setup();
    actProfile = std::make_shared<TProfile>();
    actProfile->name = name;
    const std::string welcome = menu.WelcomeLine();
    actProfile = nullptr;
    Check("the main menu", "welcome line across the screen", welcome,
          TextLineOverflow(welcome, SCREEN_W, SCREEN_H, menu.profileFont));
    ExpectNoOverflow();
}

TEST_P(TextsFit, EveryBuildingsNameFitsThePreviewsPanel) {
    LoadLandCatalogues();
    ASSERT_FALSE(landItems.empty());
    TShowBuilding preview;
    preview.setup();
    for (const auto& item : landItems)
        CheckInPicture("the building preview", "panel", UpperCase(item->name), preview.titleFont,
                       preview.panel);
    landItems.clear();
    landBuildings.clear();
    ExpectNoOverflow();
}

// The skip button's label, ready and counting down from its longest count.
TEST_P(TextsFit, ThePuzzleScreensTitleAndSkipLabelsFit) {
    TPuzzleGame puzzle;
    puzzle.setup();
    Check("the puzzle screen", "title across the screen", puzzle.txtTitle,
          TextLineOverflow(puzzle.txtTitle, SCREEN_W, SCREEN_H, puzzle.titleFont));
    for (const std::string& label : {puzzle.txtSkip, "61 " + puzzle.txtToSkip})
        CheckInPicture("the puzzle screen", "skip button", label, puzzle.skipFont, puzzle.skipButton[2]);
    ExpectNoOverflow();
}

TEST_P(TextsFit, EveryCreditsLineFitsTheScreen) {
    TCredits roll;
    roll.setup();
    ASSERT_FALSE(roll.lista.empty());
    for (const auto& line : roll.lista)
        Check("the credits", "line across the screen", line.txt,
              TextLineOverflow(line.txt, SCREEN_W, SCREEN_H, line.font));
    ExpectNoOverflow();
}

// Each line of the intro's and the outro's subtitles across the screen.
TEST_P(TextsFit, EverySubtitleLineFitsTheScreen) {
    LoadStoryFont();
    for (const char* sequence : {"Intro", "Outro"}) {
        LoadStoryTexts(StoryDataPath(sequence), StoryTextPath(sequence));
        ASSERT_GT(StoryList().size(), 0u) << sequence;
        for (const auto& subtitle : StoryList())
            for (const std::string& line : subtitle->txt)
                Check(std::string("the ") + sequence, "subtitle across the screen", line,
                      TextLineOverflow(line, SCREEN_W, SCREEN_H, storyFont));
    }
    StoryList().clear();
    ExpectNoOverflow();
}

// Every question the game asks through the pop-up, laid out as it is, on the panel's dark board.
TEST_P(TextsFit, EveryQuestionFitsThePopUpsBoard) {
    TMainMenu menu;
    menu.setup();
    profileManager._setupTexts();
    TPopUp popUp;
    popUp.setup();
    ASSERT_TRUE(popUp.font);
    const TDim board = PopUpQuestionBoard();
    for (const std::string& question : {menu.txtAreYouSureYouWantToExit, menu.txtAreYouSureYouWantToRestart,
                                        profileManager.txtAreYouSureToDelete}) {
        ASSERT_FALSE(question.empty());
        Check("the pop-up", "question's board", question,
              TextBoxOverflow(question, std::min(POPUP_TEXT_WIDTH, board.w), board.h, popUp.font, 1));
    }
    ExpectNoOverflow();
}

// The options panel's labels, each in the dark well drawn for it in the panel (the label starts
// 14 px into its well and keeps 6 px from its end), and every language's own name in the
// language row's well.
TEST_P(TextsFit, TheOptionsLabelsFitTheirWells) {
    TOptionsDialog dialog;
    dialog.setup();
    const float wide = 464 - 6 - 240, narrow = 448 - 6 - 240, picture = 547 - 6 - 465;
    const float relaxed = RELAXED_WELL_X + RELAXED_WELL_W - 6 - RELAXED_LABEL_X;
    const std::pair<const std::string*, float> labels[] = {
        {&dialog.txtMusic, narrow},   {&dialog.txtSound, narrow},    {&dialog.txtDisplay, narrow},
        {&dialog.txtCustom, wide},    {&dialog.txtWindow, wide},     {&dialog.txtRatio1, picture},
        {&dialog.txtRatio2, picture}, {&dialog.txtLanguage, narrow}, {&dialog.txtRelaxed, relaxed}};
    for (const auto& [label, room] : labels) {
        ASSERT_FALSE(label->empty());
        Check("the options", "label's well", *label, TextLineOverflow(*label, room, 46, dialog.font1));
    }
    for (const LanguageInfo& language : kLanguages)
        Check("the options", "language's well", language.name,
              TextLineOverflow(language.name, LANGUAGE_NAME_W - 8, 46, dialog.font1));
    ExpectNoOverflow();
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFit, ::testing::ValuesIn(Languages()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });
