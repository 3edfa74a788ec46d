// Reading "data/tutorial.txt": every key of a tip and its arrows, bad counts,
// and the shipped tips: one for every trigger, speeches that exist, arrows on
// the play area.
#include <gtest/gtest.h>

#include <set>

#include "frame/rcm.h"
#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "quest/tutorial_catalogue.h"
#include "story/tip_loading.h"

namespace {
std::vector<std::shared_ptr<TTutorialTip>> Read(const std::string& rcm, const std::string& texts) {
    TRCMFile file;
    file.LoadFromText(rcm);
    auto txt = TxtFileFromText(texts);
    return ReadTutorialTips(file, txt.get());
}
}  // namespace

TEST(TipLoading, ReadsEveryKeyOfATipAndItsArrows) {
    const auto tips = Read(
        "tutorial {\n i = 2\n tip1 {\n  typ = 33\n  exit = 101\n  timeDelay = 750\n  hero = 1\n"
        "  panel = 4\n  side = 1\n  font = 3\n  isAlphaStart = 1\n  position = 12, 34\n  txt = 2\n"
        "  arrows = 2\n  arrow1 = 100, 200, 90\n  arrow2 = 300, 400, -45.5\n }\n tip2 {\n  typ = 2\n }\n}\n",
        "first\nIt rains.\n");
    ASSERT_EQ(tips.size(), 2u);
    const TTutorialTip& t = *tips[0];
    EXPECT_EQ(t.id, 1);
    EXPECT_EQ(t.typ, 33);
    EXPECT_EQ(t.typExit, 101);
    EXPECT_EQ(t.timeDelay, 750);
    EXPECT_EQ(t.heroN, 1);
    EXPECT_EQ(t.panelN, 4);
    EXPECT_EQ(t.side, 1);
    EXPECT_EQ(t.fontN, 3);
    EXPECT_EQ(t.isAlphaStart, 1);
    EXPECT_EQ(t.x, 12);
    EXPECT_EQ(t.y, 34);
    EXPECT_EQ(t.txtLine, 2);
    ASSERT_TRUE(t.txt);
    ASSERT_EQ(t.txt->texts.size(), 1u);
    EXPECT_EQ(t.txt->texts[0], "It rains.");
    ASSERT_EQ(t.arrows.size(), 2u);
    EXPECT_EQ(t.arrows[0]->x, 100);
    EXPECT_EQ(t.arrows[0]->y, 200);
    EXPECT_EQ(t.arrows[0]->rot, 90);
    EXPECT_EQ(t.arrows[1]->rot, -45.5f);
    EXPECT_EQ(tips[1]->id, 2);
    EXPECT_EQ(tips[1]->typ, 2);
    EXPECT_TRUE(tips[1]->arrows.empty());
    // Laid out for the bubble: one line without the tips' fonts, two once they are loaded.
    std::string speech;
    for (const auto& line : tips[1]->txt->texts) speech += (speech.empty() ? "" : " ") + line;
    EXPECT_EQ(speech, TXT_BEYOND) << "no speech line: the missing-text marker";
}

TEST(TipLoading, BadCountsAndValuesStayInBounds) {
    auto tips = Read("tutorial {\n i = -3\n}\n", "");
    EXPECT_TRUE(tips.empty());
    tips = Read("tutorial {\n i = 1e9\n tip1 {\n  arrows = 1e9\n  font = 9\n  timeDelay = -50\n }\n}\n", "");
    EXPECT_EQ(tips.size(), static_cast<size_t>(MAX_TUTORIAL_TIPS));
    EXPECT_EQ(tips[0]->arrows.size(), static_cast<size_t>(MAX_TIP_ARROWS));
    EXPECT_EQ(tips[0]->fontN, 3);
    EXPECT_EQ(tips[0]->timeDelay, 0);
    // A position far off the screen stays within reach of it: drawing adds to it in floats
    // and turns the sum back into whole pixels.
    tips = Read("tutorial {\n i = 1\n tip1 {\n  position = 2147483647, -2147483648\n }\n}\n", "");
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(tips[0]->x, 4096);
    EXPECT_EQ(tips[0]->y, -4096);
    EXPECT_TRUE(Read("", "").empty());
}

TEST(ShippedTips, OneForEveryTriggerWithItsSpeech) {
    const auto file = LoadRCM("game/data/tutorial.txt");
    const auto texts = LoadTxtFile("game/txt/en/tutorial.txt");
    const auto tips = ReadTutorialTips(*file, texts.get());
    std::set<int> kinds;
    for (const auto& tip : tips) {
        SCOPED_TRACE(tip->id);
        kinds.insert(tip->typ);
        EXPECT_GE(tip->txtLine, 10) << "lines 8 and 9 are the names";
        const std::string speech = TxtLine(texts, tip->txtLine);
        EXPECT_NE(speech, TXT_BEYOND);
        EXPECT_GT(speech.size(), 20u);
        EXPECT_LE(speech.size(), 130u) << "fits the bubble";
        EXPECT_TRUE(tip->typExit == TIP_EXIT_CLICK || tip->typExit == TIP_EXIT_CHAINED);
        for (const auto& arrow : tip->arrows) {
            EXPECT_GE(arrow->x, 30);
            EXPECT_LE(arrow->x, 994);
            EXPECT_GE(arrow->y, 30);
            EXPECT_LE(arrow->y, 738);
        }
    }
    // The puzzle's greeting is said in each kind's own words (11 .. 14), so trigger 10 is unused.
    const std::set<int> table = {101, 1, 2, 3, 4, 5, 11, 12, 13, 14, 21, 22, 23, 24, 25, 26, 31, 32, 33};
    EXPECT_EQ(kinds, table);
    EXPECT_NE(TxtLine(texts, 8), TxtLine(texts, 9)) << "two advisers with their own names";
}

TEST(ShippedTips, ADialogueEndsWithAFadeAndGoesOnWithoutAPause) {
    const auto file = LoadRCM("game/data/tutorial.txt");
    const auto tips = ReadTutorialTips(*file, nullptr);
    for (size_t i = 0; i < tips.size(); ++i) {
        if (tips[i]->typExit != TIP_EXIT_CHAINED) continue;
        // A chained tip's click starts the next tip of its trigger in the file (the dialogue's
        // next line, or the puzzle kind's rules after its greeting), shown at once.
        size_t next = i + 1;
        while (next < tips.size() && tips[next]->typ != tips[i]->typ) ++next;
        ASSERT_LT(next, tips.size()) << "tip " << tips[i]->id << " leads nowhere";
        EXPECT_EQ(tips[next]->isAlphaStart, 1) << tips[next]->id;
    }
}
