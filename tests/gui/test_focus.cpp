// The keyboard focus: reading order and the nearest control in a direction on
// fixed layouts, every control reachable with no trap, the keys on a real
// layout (Enter clicks as the mouse does), the mouse hiding the focus and
// handing it its hover, and the ring's pixels.
#include <set>

#include "gui/focus.h"
#include "gui_test_util.h"
#include "support/headless_platform.h"

namespace {

TDim FocusTestRect(float x, float y, float w = 100, float h = 40) {
    TDim d;
    d.x = x;
    d.y = y;
    d.w = w;
    d.h = h;
    d.cx = x + w / 2;
    d.cy = y + h / 2;
    return d;
}

// The options' shape: two radio buttons side by side, two check boxes under
// them, a column of buttons slightly off their line, and OK alone at the foot.
std::vector<TDim> FocusDialogLayout() {
    return {FocusTestRect(470, 352, 40, 40),  FocusTestRect(575, 352, 40, 40),
            FocusTestRect(470, 420, 40, 40),  FocusTestRect(470, 480, 40, 40),
            FocusTestRect(300, 560, 160, 50), FocusTestRect(500, 565, 160, 50),
            FocusTestRect(700, 558, 160, 50), FocusTestRect(500, 660, 160, 50)};
}

// A menu: three buttons in a column, each a little off the others' centre.
std::vector<TDim> FocusMenuLayout() {
    return {FocusTestRect(402, 300, 200, 60), FocusTestRect(398, 380, 200, 60),
            FocusTestRect(405, 460, 200, 60)};
}

std::set<int> FocusReachableByArrows(const std::vector<TDim>& rects, int from) {
    std::set<int> seen{from};
    std::vector<int> todo{from};
    while (!todo.empty()) {
        const int at = todo.back();
        todo.pop_back();
        for (FocusDirection d :
             {FocusDirection::Left, FocusDirection::Right, FocusDirection::Up, FocusDirection::Down}) {
            const int next = FocusNearestInDirection(rects, at, d);
            if (seen.insert(next).second) todo.push_back(next);
        }
    }
    return seen;
}

}  // namespace

TEST(FocusOrder, ReadingOrderTakesRowsFromTheTopAndEachRowFromTheLeft) {
    EXPECT_EQ(FocusReadingOrder(FocusDialogLayout()), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    // Given in another order, the same places read the same way.
    const std::vector<TDim> shuffled = {FocusTestRect(700, 558, 160, 50), FocusTestRect(470, 420, 40, 40),
                                        FocusTestRect(575, 352, 40, 40), FocusTestRect(300, 560, 160, 50),
                                        FocusTestRect(470, 352, 40, 40)};
    EXPECT_EQ(FocusReadingOrder(shuffled), (std::vector<int>{4, 2, 1, 3, 0}));
    EXPECT_TRUE(FocusReadingOrder({}).empty());
}

TEST(FocusOrder, TheNearestControlInTheDirectionWinsAndAStraightOneBeatsANearerOneAside) {
    const auto rects = FocusDialogLayout();
    EXPECT_EQ(FocusNearestInDirection(rects, 0, FocusDirection::Right), 1);
    EXPECT_EQ(FocusNearestInDirection(rects, 1, FocusDirection::Left), 0);
    EXPECT_EQ(FocusNearestInDirection(rects, 0, FocusDirection::Down), 2);
    EXPECT_EQ(FocusNearestInDirection(rects, 5, FocusDirection::Down), 7);
    EXPECT_EQ(FocusNearestInDirection(rects, 4, FocusDirection::Right), 5);  // not up to the check boxes
    EXPECT_EQ(FocusNearestInDirection(rects, 7, FocusDirection::Up), 5);
    // Nothing that way: the focus stays.
    EXPECT_EQ(FocusNearestInDirection(rects, 0, FocusDirection::Up), 0);
    EXPECT_EQ(FocusNearestInDirection(rects, 6, FocusDirection::Right), 6);
    EXPECT_EQ(FocusNearestInDirection(FocusMenuLayout(), 0, FocusDirection::Down), 1);
    EXPECT_EQ(FocusNearestInDirection(FocusMenuLayout(), 2, FocusDirection::Up), 1);
}

TEST(FocusOrder, EveryControlIsReachableFromEveryOtherWithNoTrap) {
    for (const auto& rects : {FocusDialogLayout(), FocusMenuLayout()}) {
        for (int from = 0; from < static_cast<int>(rects.size()); ++from)
            EXPECT_EQ(FocusReachableByArrows(rects, from).size(), rects.size()) << "from " << from;
        // Tab visits each once before it comes round.
        const auto order = FocusReadingOrder(rects);
        EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), rects.size());
    }
}

namespace {

class GuiFocus : public HeadlessPlatformTest {
protected:
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        mouse.clear();
        dir.png("red.png", 100, 40, 255, 0, 0);
        dir.png("blue.png", 100, 40, 0, 0, 255);
        gui = guitest::FromText(R"(
            PROPCLASS lit { GFX = blue.png }
            OBJECT title { GFX = red.png POSITION = "350 50" }
            OBJECT first { GFX = red.png POSITION = "100 200" OVER = lit }
            OBJECT second { GFX = red.png POSITION = "300 200" OVER = lit }
            OBJECT third { GFX = red.png POSITION = "300 300" OVER = lit CLICK = lit })",
                                dir.path);
        gui->EnableFocus("second");
    }
    void TearDown() override {
        mouse.clear();
        HeadlessPlatformTest::TearDown();
    }
    // One frame with the key pressed and released before it, the mouse where it was.
    void Key(int key, bool shift = false) {
        if (shift) InPushEvent(KeyEvent(true, KEY_SHIFT));
        InPushEvent(KeyEvent(true, key));
        InPushEvent(KeyEvent(false, key));
        SysPoll();
        if (shift) InPushEvent(KeyEvent(false, KEY_SHIFT));
        guitest::Frame(*gui, mouse.x, mouse.y);
    }
    std::string Focused() const { return gui->focus->focused(); }
    guitest::ScratchDir dir;
    std::shared_ptr<TGui> gui;
};

}  // namespace

TEST_F(GuiFocus, TheFirstKeyShowsTheFocusOnTheDefaultAndTheNextOnesMoveIt) {
    guitest::Frame(*gui, 0, 0);
    EXPECT_FALSE(gui->focus->shown());
    Key(KEY_DOWN);
    EXPECT_TRUE(gui->focus->shown());
    EXPECT_EQ(Focused(), "SECOND");
    EXPECT_TRUE(gui->overItem("second"));  // the hover follows the focus
    Key(KEY_DOWN);
    EXPECT_EQ(Focused(), "THIRD");
    Key(KEY_TAB);  // past the end of the reading order: back to the first
    EXPECT_EQ(Focused(), "FIRST");
    Key(KEY_TAB, true);
    EXPECT_EQ(Focused(), "THIRD");
    Key(KEY_UP);
    Key(KEY_LEFT);
    EXPECT_EQ(Focused(), "FIRST");
    EXPECT_TRUE(gui->overItem("first"));
    EXPECT_FALSE(gui->overItem("second"));
}

TEST_F(GuiFocus, EnterAndSpaceClickTheFocusedControlAsTheMouseDoes) {
    int sounds = 0;
    GuiHooks().clickSound = [&sounds] { ++sounds; };
    guitest::Frame(*gui, 0, 0);
    Key(KEY_ENTER);  // shows the focus only
    EXPECT_EQ(gui->click, nullptr);
    Key(KEY_ENTER);
    EXPECT_TRUE(gui->clickedItem("second"));
    EXPECT_EQ(sounds, 1);
    Key(KEY_DOWN);
    EXPECT_EQ(gui->click, nullptr);
    Key(KEY_SPACE);
    EXPECT_TRUE(gui->clickedItem("third"));
    EXPECT_EQ(sounds, 2);
    // A hidden or inactive control is passed over.
    gui->GetObject("first")->SetState(1, 0);
    Key(KEY_TAB);  // round past the end and over the inactive first control
    EXPECT_EQ(Focused(), "SECOND");
    GuiHooks().clickSound = nullptr;
}

TEST_F(GuiFocus, TheMouseHidesTheFocusAndHandsItTheControlUnderIt) {
    guitest::Frame(*gui, 0, 0);
    Key(KEY_TAB);
    ASSERT_TRUE(gui->focus->shown());
    guitest::Frame(*gui, 150, 220);  // over "first"
    EXPECT_FALSE(gui->focus->shown());
    EXPECT_EQ(Focused(), "FIRST");
    EXPECT_TRUE(gui->overItem("first"));
    // Enter shows it on the hovered control, then presses that one, never another.
    Key(KEY_ENTER);
    EXPECT_TRUE(gui->focus->shown());
    Key(KEY_ENTER);
    EXPECT_TRUE(gui->clickedItem("first"));
    // A mouse click still clicks what is under the mouse.
    guitest::Frame(*gui, 350, 320, true, true);
    guitest::Frame(*gui, 350, 320);
    EXPECT_TRUE(gui->clickedItem("third"));
    EXPECT_FALSE(gui->focus->shown());
}

TEST_F(GuiFocus, TheRingIsDrawnAroundTheFocusedControlOnlyWhileShown) {
    auto ringAt = [](int x, int y) {
        const Rgb p = PixelAt(x, y);
        return p.r > 200 && p.g > 170 && p.b < 120;  // the gold band
    };
    guitest::Frame(*gui, 0, 0);
    GfxCls();
    gui->draw();
    EXPECT_FALSE(ringAt(250 - 7, 200));
    Key(KEY_TAB);  // shown on "second", drawn centred on (300, 200): (250, 180)-(350, 220)
    GfxCls();
    gui->draw();
    EXPECT_TRUE(ringAt(250 - 7, 200));       // left band
    EXPECT_TRUE(ringAt(350 + 6, 200));       // right band
    EXPECT_TRUE(ringAt(300, 180 - 7));       // top band
    EXPECT_TRUE(ringAt(300, 220 + 6));       // bottom band
    const Rgb edge = PixelAt(250 - 9, 200);  // the dark outer edge
    EXPECT_LT(edge.r, 100);
    EXPECT_FALSE(ringAt(50 - 7, 200));  // not around "first"
    EXPECT_FALSE(ringAt(300, 200));     // the control itself is not covered
}
