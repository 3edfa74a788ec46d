// The name entry: typed letters upper-cased in any alphabet, 15 letters at
// most (counted in letters, not bytes), Backspace removing a whole letter,
// the forbidden characters refused, an empty name or one already in use
// refused, Escape giving the empty string, Alt+Enter only switching the
// display.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "frame/options.h"
#include "gui/gui.h"
#include "menus/enter_text.h"
#include "menus/name_rules.h"
#include "menus_fixture.h"
#include "platform/text_encoding.h"

namespace {

class NameEntry : public MenusTest {
protected:
    std::vector<std::string> taken;
    void SetUp() override {
        MenusTest::SetUp();
        frameDelta = 1;
        enterText.setup();
        enterText.takenNames = [this] { return taken; };
    }
    void TearDown() override {
        enterText.takenNames = nullptr;
        MenusTest::TearDown();
    }
    // Types the code points (after the fade-in, one a frame), then the key.
    std::string Enter(const std::vector<int>& codes, int endKey, const std::string& initial = "") {
        Script([codes, endKey](int frame) {
            const int k = frame - 25;
            if (k >= 0 && k < static_cast<int>(codes.size())) Type(codes[static_cast<size_t>(k)]);
            if (k == static_cast<int>(codes.size()) + 2) Press(endKey);
        });
        return enterText.mainloop(nullptr, initial);
    }
};

std::vector<int> Codes(const std::string& utf8) {
    std::vector<int> codes;
    for (size_t i = 0; i < utf8.size();) codes.push_back(static_cast<int>(Utf8Next(utf8, i)));
    return codes;
}

}  // namespace

TEST_F(NameEntry, TypedLettersAreUpperCased) { EXPECT_EQ(Enter(Codes("ann"), KEY_ENTER), "ANN"); }

TEST_F(NameEntry, LettersOfOtherAlphabetsAreKeptAndUpperCased) {
    EXPECT_EQ(Enter(Codes("zoë"), KEY_ENTER), "ZOË");
    EXPECT_EQ(Enter(Codes("łucja"), KEY_ENTER), "ŁUCJA");
    EXPECT_EQ(Enter(Codes("ольга"), KEY_ENTER), "ОЛЬГА");
    EXPECT_EQ(Enter(Codes("σοφία"), KEY_ENTER), "ΣΟΦΊΑ");
    EXPECT_EQ(UpperName("σοφίας ñandú ÿ"), "ΣΟΦΊΑΣ ÑANDÚ Ÿ");
}

TEST_F(NameEntry, ForbiddenCharactersAndTheSpaceChangeNothing) {
    std::vector<int> codes = Codes("a");
    for (const std::string& c : ForbiddenNameChars()) codes.push_back(static_cast<unsigned char>(c[0]));
    codes.push_back(9);  // a tab
    EXPECT_EQ(ForbiddenNameChars().size(), 29u);
    EXPECT_EQ(Enter(codes, KEY_ENTER), "A");
}

TEST_F(NameEntry, FifteenLettersAtMostCountedInLetters) {
    EXPECT_EQ(Enter(Codes("abcdefghijklmnopqrs"), KEY_ENTER), "ABCDEFGHIJKLMNO");
    // Two bytes each: 15 letters are 30 bytes.
    const std::string name = Enter(Codes("éééééééééééééééééé"), KEY_ENTER);
    EXPECT_EQ(LetterCount(name), 15);
    EXPECT_EQ(name.size(), 30u);
}

TEST_F(NameEntry, BackspaceRemovesAWholeLetter) {
    std::vector<int> codes = Codes("aé");
    codes.push_back(KEY_BACKSPACE);
    EXPECT_EQ(Enter(codes, KEY_ENTER), "A");
    codes = Codes("b日本");
    codes.push_back(KEY_BACKSPACE);
    EXPECT_EQ(Enter(codes, KEY_ENTER), "B日");
    std::string text = "X\xF0\x9F\x8C\xB3";  // a tree, four bytes
    RemoveLastLetter(text);
    EXPECT_EQ(text, "X");
    RemoveLastLetter(text);
    RemoveLastLetter(text);  // nothing left: nothing happens
    EXPECT_EQ(text, "");
}

TEST_F(NameEntry, BackspaceStillWorksOnAFullName) {
    std::vector<int> codes = Codes("abcdefghijklmnopq");
    codes.push_back(KEY_BACKSPACE);
    codes.push_back('z');
    EXPECT_EQ(Enter(codes, KEY_ENTER), "ABCDEFGHIJKLMNZ");
}

TEST_F(NameEntry, AnEmptyNameIsRefused) {
    int closedAt = 0;
    Script([&closedAt](int frame) {
        if (frame == 25) Press(KEY_ENTER);  // nothing typed: refused
        if (frame == 40) Type('a');
        if (frame == 42) Press(KEY_BACKSPACE);
        if (frame == 44) Press(KEY_ENTER);  // emptied again: refused
        if (frame == 60 && enterText.running) {
            closedAt = frame;
            Press(KEY_ESCAPE);
        }
    });
    EXPECT_EQ(enterText.mainloop(nullptr, ""), "");
    EXPECT_EQ(closedAt, 60);
}

TEST_F(NameEntry, EscapeGivesTheEmptyString) { EXPECT_EQ(Enter(Codes("bob"), KEY_ESCAPE), ""); }

TEST_F(NameEntry, ANameInUseIsRefusedInAnyCaseAndWithBlanks) {
    taken = {" Ann ", "OLIVER"};
    EXPECT_TRUE(NameTaken("ANN", taken));
    EXPECT_TRUE(NameTaken("oliver", taken));
    EXPECT_FALSE(NameTaken("ANNA", taken));
    int warnedAt = 0;
    bool okShown = true;
    Script([&](int frame) {
        if (frame >= 25 && frame < 28) Type("ann"[frame - 25]);
        if (frame == 30) {
            warnedAt = enterText.exists ? frame : 0;
            okShown = enterText.gui->GetObject("ok")->visible != 0;
            Press(KEY_ENTER);  // refused
        }
        if (frame == 40 && enterText.running) Type('a');  // ANNA is free
        if (frame == 45) Press(KEY_ENTER);
    });
    EXPECT_EQ(enterText.mainloop(nullptr, ""), "ANNA");
    EXPECT_EQ(warnedAt, 30);
    EXPECT_FALSE(okShown);
}

TEST_F(NameEntry, ARenameStartsFromTheNameAndWaitsForAChange) {
    taken = {"ANN", "BOB"};
    bool okShownAtStart = true;
    bool warnedAtStart = true;
    Script([&](int frame) {
        if (frame == 25) {
            okShownAtStart = enterText.gui->GetObject("ok")->visible != 0;
            warnedAtStart = enterText.exists != 0;
            Press(KEY_ENTER);  // unchanged: refused
        }
        if (frame == 30) Type('A');
        if (frame == 35) Press(KEY_ENTER);
    });
    EXPECT_EQ(enterText.mainloop(nullptr, "Ann"), "ANNA");
    EXPECT_FALSE(okShownAtStart);
    EXPECT_FALSE(warnedAtStart);  // its own name is no other player's
}

TEST_F(NameEntry, AltEnterSwitchesTheDisplayAndLeavesTheNameAsTyped) {
    options.ratio = 0;  // the display it reopens keeps the 4:3 play area
    bool openAfter = false;
    std::string entryAfter;
    Script([&](int frame) {
        const int k = frame - 25;
        if (k >= 0 && k < 3) Type("bob"[k]);
        if (k == 5) InPushEvent(KeyEvent(true, KEY_LALT));
        if (k == 6) Press(KEY_ENTER);
        if (k == 8) InPushEvent(KeyEvent(false, KEY_LALT));
        if (k == 15) {
            openAfter = enterText.running && enterText.alpha == 1 && enterText.dAlpha == 1;
            entryAfter = enterText.entry;
            Press(KEY_ENTER);  // a plain Enter still accepts
        }
    });
    EXPECT_EQ(enterText.mainloop(nullptr, ""), "BOB");
    EXPECT_TRUE(openAfter);
    EXPECT_EQ(entryAfter, "BOB");
    EXPECT_EQ(options.fullscreen, 1);
    options = TOptions();
    sideOffset = 0;
}
