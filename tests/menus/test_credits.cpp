// The credits: the markers of the credits file, the scroll and its restart
// from below, and the four ways out.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "menus/credits.h"
#include "menus_fixture.h"

namespace {

class Credits : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        credits.setup();
    }
};

}  // namespace

TEST_F(Credits, MarkersChooseTheFontAndGo) {
    credits.readLines({"Brambleton\r", "", "#Fonts\r", "$Title", "#$Both\r", "\r", "plain"});
    ASSERT_EQ(credits.lista.size(), 5u);  // empty lines dropped
    EXPECT_EQ(credits.lista[0].txt, "Brambleton");
    EXPECT_EQ(credits.lista[0].font, credits.font1);
    EXPECT_EQ(credits.lista[1].txt, "Fonts");
    EXPECT_EQ(credits.lista[1].font, credits.font2);
    // Without a carriage return the marker goes and the last letter stays.
    EXPECT_EQ(credits.lista[2].txt, "Title");
    EXPECT_EQ(credits.lista[2].font, credits.font3);
    EXPECT_EQ(credits.lista[3].txt, "Both");
    EXPECT_EQ(credits.lista[3].font, credits.font3);
    EXPECT_EQ(credits.lista[4].txt, "plain");
}

TEST_F(Credits, OurFileNamesTheMakersTheFontsAndTheLibraries) {
    credits.setup();
    std::string all;
    for (const auto& line : credits.lista) all += line.txt + "\n";
    for (const char* name : {"The Brambleton team", "EB Garamond", "DejaVu", "Liberation", "SDL2", "FreeType",
                             "libpng", "libjpeg", "zlib", "libvorbis", "Lua 5.1", "Cairo", "GoogleTest"})
        EXPECT_NE(all.find(name), std::string::npos) << name;
}

TEST_F(Credits, TheLinesScrollUpAndComeAgainFromBelow) {
    credits.readLines({"One line"});
    std::vector<float> ys;
    Script([&ys](int frame) {
        ys.push_back(credits.y);
        if (frame == 900) Press(KEY_ESCAPE);
    });
    credits.mainLoop(nullptr);
    EXPECT_FLOAT_EQ(ys[0], 768);           // the first frame takes no time
    EXPECT_NEAR(ys[0] - ys[99], 99, 0.1);  // a pixel a frame
    // Once the line has left the top, it starts again at 800.
    bool restarted = false;
    for (size_t i = 1; i < ys.size(); ++i) restarted = restarted || (ys[i] > ys[i - 1] && ys[i] == 800);
    EXPECT_TRUE(restarted);
}

TEST_F(Credits, AClickOrAnyOfTheFourKeysFadesThemOutOverTwentyFrames) {
    for (int key : {KEY_ESCAPE, KEY_ENTER, KEY_SPACE, 0}) {
        int closedAfter = 0;
        Script([key, &closedAfter](int frame) {
            if (frame == 40) {
                if (key) Press(key);
                else ClickAt(300, 300);
            }
            if (frame > 40 && credits.dAlpha == 0 && credits.alpha == 0 && closedAfter == 0)
                closedAfter = frame - 41;
        });
        EXPECT_EQ(credits.mainLoop(nullptr), 0);
        EXPECT_FALSE(credits.running);
        EXPECT_NEAR(closedAfter, 20, 1) << key;
    }
}
