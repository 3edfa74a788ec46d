// Scripts of screens the player must be able to leave: a damaged one that loses a needed button
// gives way to the screen's built-in layout, with a message; a sound one is used as it is.
#include <gtest/gtest.h>

#include "gui/gui_fallback.h"
#include "gui_test_util.h"
#include "support/headless_platform.h"

namespace {

const char* const kBuiltIn = R"(
OBJECT go {
    GFX = pic.png
    POSITION = "500 600"
}
)";

class GuiFallback : public HeadlessPlatformTest {
protected:
    guitest::ScratchDir dir;
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        dir.png("pic.png", 120, 40, 30, 160, 90);
    }
    // The layout a screen gets for `script` (written beside the picture).
    std::shared_ptr<TGui> Load(const std::string& script, std::string* log = nullptr) {
        const std::string path = dir.write("screen.gui", script);
        std::shared_ptr<TGui> gui;
        const std::string out = guitest::Output([&] { gui = LoadGuiOrBuiltIn(path, {"go"}, kBuiltIn); });
        if (log) *log = out;
        return gui;
    }
};

}  // namespace

TEST_F(GuiFallback, ASoundScriptIsUsedAsItIs) {
    std::string log;
    auto gui = Load("OBJECT go {\n GFX = pic.png\n POSITION = \"100 100\"\n}\n", &log);
    ASSERT_TRUE(gui->GetObject("go"));
    EXPECT_FLOAT_EQ(gui->GetObject("go")->dim.x, 100);
    EXPECT_EQ(log.find("built-in"), std::string::npos) << log;
}

TEST_F(GuiFallback, AScriptThatLostItsButtonGivesTheBuiltInLayout) {
    const std::string damaged[] = {
        "",                                                                  // empty, or missing
        "OBJECT go {\n GFX = pic.png\n POSI",                                // cut short
        "OBJECT other {\n GFX = pic.png\n}\n",                               // the button gone
        "OBJECT go {\n POSITION = \"100 100\"\n}\n",                         // no picture: no size
        "OBJECT go {\n GFX = pic.png\n POSITION = \"3000 100\"\n}\n",        // off the play area
        "OBJECT go {\n GFX = pic.png\n POSITION = \"-500 -500\"\n}\n",       // off the play area
        "OBJECT go {\n GFX = pic.png \n POSITION = \"100 100\"\n}\n}}}{{{",  // junk after
    };
    for (size_t k = 0; k < std::size(damaged); ++k) {
        std::string log;
        auto gui = Load(damaged[k], &log);
        // The last one is damaged after its button: that button is still fine.
        if (k + 1 == std::size(damaged)) {
            EXPECT_EQ(log.find("built-in"), std::string::npos) << log;
            continue;
        }
        ASSERT_TRUE(GuiButtonUsable(*gui, "go")) << damaged[k];
        EXPECT_FLOAT_EQ(gui->GetObject("go")->dim.x, 500) << damaged[k];
        EXPECT_NE(log.find("screen.gui' gives no usable go: the built-in layout is used"), std::string::npos)
            << log;
    }
}
