// Every text of the level-end dialogs reads against what lies behind it (4.5:1, or 3:1 from 24
// pixels up): the summary with its counts, the lose dialog and the continue signboard.
#include <gtest/gtest.h>

#include "quest/continue_quest.h"
#include "quest/lose_level.h"
#include "quest/summary.h"
#include "support/text_contrast.h"
#include "test_summary_fixture.h"

namespace {

class LevelEndTextContrast : public LevelEndTest {
protected:
    void TearDown() override {
        GfxSetTextWatcher(nullptr);
        LevelEndTest::TearDown();
    }
    // The dialog's frames until its panel rests and its counts are done, then its texts.
    static void ExpectReadableAtRest(const std::string& name, TEkran& dialog) {
        for (int f = 0; f < 400; f++) Frame(dialog);
        ExpectTextsReadable(name, [&] {
            GfxCls();
            dialog.draw();
        });
    }
};

}  // namespace

TEST_F(LevelEndTextContrast, TheSummaryReads) {
    levelSummary.setup();
    levelSummary.caller = nullptr;
    levelSummary.level = WonLevel(30, 60, 12, 40, 3, 7);
    levelSummary.prepare();
    ExpectReadableAtRest("summary", levelSummary);
}

TEST_F(LevelEndTextContrast, TheLoseDialogReads) {
    loseLevel.setup();
    loseLevel.caller = nullptr;
    loseLevel.prepare();
    ExpectReadableAtRest("lose", loseLevel);
}

TEST_F(LevelEndTextContrast, TheContinueSignboardReads) {
    continueQuest.setup();
    continueQuest.askRestart = nullptr;
    continueQuest.caller = nullptr;
    continueQuest.prepare();
    ExpectReadableAtRest("continue", continueQuest);
}
