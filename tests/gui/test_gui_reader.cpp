// Reading GUI scripts: tokens, statements, entry lists, keywords and messages.
#include "gui_test_util.h"

using guitest::FromText;
using guitest::Output;

namespace {
std::vector<std::string> Tokens(const std::string& text) {
    TGui gui;
    gui.parseTokens(text);
    std::vector<std::string> out;
    for (const auto& t : gui.tokens) out.push_back(t.txt);
    return out;
}
}  // namespace

TEST(GuiTokens, BlanksQuotesAndSeparators) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Tokens("OBJECT play {\n\tGFX = a.png\n}"),
              (V{"OBJECT", "play", "{", "GFX", "=", "a.png", "}"}));
    // Quotes keep blanks and are dropped; an unquoted list splits.
    EXPECT_EQ(Tokens("POSITION = \"10 20\""), (V{"POSITION", "=", "10 20"}));
    EXPECT_EQ(Tokens("POSITION = 10 20"), (V{"POSITION", "=", "10", "20"}));
    // ";" ends a token like a line feed; braces glued to a name stay in it.
    EXPECT_EQ(Tokens("TXT = Hello;World"), (V{"TXT", "=", "Hello", "World"}));
    EXPECT_EQ(Tokens("OBJECT play{"), (V{"OBJECT", "play{"}));
    // A quoted text goes on across a line feed and ";", which are dropped.
    EXPECT_EQ(Tokens("TXT = \"a;b\nc\" X"), (V{"TXT", "=", "abc", "X"}));
    // Carriage returns and tabs are trimmed at the ends of a token.
    EXPECT_EQ(Tokens("A\r\n\tB\t \r\n"), (V{"A", "B"}));
    EXPECT_TRUE(Tokens("").empty());
    EXPECT_TRUE(Tokens("  \n\n ; \"").empty());
}

TEST(GuiTokens, LineNumbers) {
    TGui gui;
    gui.parseTokens("A\n\nB \"x\ny\" C\nD");
    ASSERT_EQ(gui.tokens.size(), 5u);
    EXPECT_EQ(gui.tokens[0].line, 1);
    EXPECT_EQ(gui.tokens[1].line, 3);
    EXPECT_EQ(gui.tokens[2].txt, "xy");
    EXPECT_EQ(gui.tokens[2].line, 4);  // counted where the quote closes
    EXPECT_EQ(gui.tokens[3].line, 4);
    EXPECT_EQ(gui.tokens[4].line, 5);
}

TEST(GuiStatements, ObjectOverThreeLines) {
    auto gui = FromText("OBJECT play {\n  TXT = hello\n}\n");
    ASSERT_EQ(gui->objects.size(), 1u);
    EXPECT_EQ(gui->objects[0]->id, "PLAY");
    EXPECT_EQ(gui->objects[0]->standardProps->txt, "hello");
    EXPECT_TRUE(gui->GetObject("Play"));
    EXPECT_FALSE(gui->GetObject("pla"));
}

TEST(GuiStatements, EmptyAndJunkScriptsGiveEmptyLayouts) {
    EXPECT_TRUE(FromText("")->objects.empty());
    EXPECT_TRUE(FromText("hello world = {")->objects.empty());
    std::string out = Output([] { EXPECT_TRUE(FromText("OBJECT a {")->objects.empty()); });
    EXPECT_EQ(out, "ERROR: Not enough tokens in object declaration!\n");
    out = Output([] { EXPECT_TRUE(FromText("OBJECT a { TXT = x")->objects.empty()); });
    EXPECT_EQ(out, "ERROR: No data for object 'A'!\n");
    // A class with too few tokens is dropped silently.
    out = Output([] { EXPECT_TRUE(FromText("PROPCLASS c {")->propClasses.empty()); });
    EXPECT_EQ(out, "");
}

TEST(GuiStatements, NameGluedToBraceTakesNextTokenAsBrace) {
    std::string out = Output([] {
        auto gui = FromText("OBJECT play{ TXT = hi }");
        // "TXT" is taken as the brace, then "=" as a name followed by "hi".
        EXPECT_TRUE(gui->objects.empty());
    });
    EXPECT_EQ(out,
              "ERROR: Expected '=' or '{' but hi found in line 1!\nERROR: No data for object 'PLAY{'!\n");
}

TEST(GuiStatements, UnquotedNumbersShiftIntoTheNextName) {
    std::string out = Output([] {
        auto gui = FromText("OBJECT a {\nPOSITION = 10 20\nTXT = t\n}");
        EXPECT_TRUE(gui->objects.empty());
    });
    EXPECT_EQ(out, "ERROR: Expected '=' or '{' but TXT found in line 3!\nERROR: No data for object 'A'!\n");
    auto quoted = FromText("OBJECT a {\nPOSITION = \"10 20\"\nTXT = t\n}");
    ASSERT_EQ(quoted->objects.size(), 1u);
    EXPECT_FLOAT_EQ(quoted->objects[0]->dim.x, 10);
    EXPECT_FLOAT_EQ(quoted->objects[0]->dim.y, 20);
}

TEST(GuiStatements, SemicolonSplitsTextValue) {
    std::string out = Output([] {
        // WORLD becomes the next name; "=" and "x" complete that entry.
        auto gui = FromText("OBJECT a { TXT = Hello;World = x }");
        ASSERT_EQ(gui->objects.size(), 1u);
        EXPECT_EQ(gui->objects[0]->standardProps->txt, "Hello");
    });
    EXPECT_EQ(out, "");
    auto gui = FromText("OBJECT a { TXT = \"Hello;World\" }");
    ASSERT_EQ(gui->objects.size(), 1u);
    EXPECT_EQ(gui->objects[0]->standardProps->txt, "HelloWorld");
}

TEST(GuiStatements, ClosingBraceEndsTheListWherever) {
    // A value missing before "}" still closes the object.
    auto gui = FromText("OBJECT a { TXT = } OBJECT b { TXT }");
    ASSERT_EQ(gui->objects.size(), 2u);
    EXPECT_EQ(gui->objects[0]->standardProps->txt, "");
    EXPECT_EQ(gui->objects[1]->id, "B");
}

TEST(GuiStatements, BrokenNestedBlockFailsItsObject) {
    std::string out = Output([] {
        auto gui = FromText("OBJECT a {\nOVER {\nALPHA 0.5\n}\n}\nOBJECT b { TXT = x }");
        ASSERT_EQ(gui->objects.size(), 1u);
        EXPECT_EQ(gui->objects[0]->id, "B");
    });
    EXPECT_EQ(out,
              "ERROR: Expected '=' or '{' but 0.5 found in line 3!\n"
              "ERROR: Not enough tokens in line 2!\n"
              "ERROR: No data for object 'A'!\n");
}

TEST(GuiStatements, UnclosedObjectAtEndOfFile) {
    std::string out = Output([] { FromText("OBJECT a {\nOVER {\nALPHA = 1\n"); });
    EXPECT_EQ(out, "ERROR: Not enough tokens in line 2!\nERROR: No data for object 'A'!\n");
}

TEST(GuiProperties, Keywords) {
    auto gui = FromText(R"(
        OBJECT a {
            POSITION = "10.5 -20 300 400"
            RGB = "10 20"
            SCALE = "2 3"
            TEXTSCALE = "4"
            ALPHA = 0.25
            TXT = "Hi there"
            TEXTALPHA = .5
            TEXTRGB = "1 2 3"
            TEXTOUTLINE = "7 8 9"
            TEXTADDDIM = "3 4"
            TEXTSHADOW = "2 3 0.5"
            ADDDIM = "5 6"
            STEPDELTA = 0.1
            LUAONCLICK = onClick
            LUAONOVER = onOver
            ALIGN = right
            PINTO = b
            UNKNOWN = whatever
        })");
    ASSERT_EQ(gui->objects.size(), 1u);
    const TProperties& p = *gui->objects[0]->standardProps;
    EXPECT_FLOAT_EQ(p.dim.x, 10.5f);
    EXPECT_FLOAT_EQ(p.dim.y, -20);
    EXPECT_FLOAT_EQ(p.rgb->r, 10);
    EXPECT_FLOAT_EQ(p.rgb->g, 20);
    EXPECT_FLOAT_EQ(p.rgb->b, 255);  // missing components stay 255
    EXPECT_FLOAT_EQ(p.scale->sx, 2);
    EXPECT_FLOAT_EQ(p.scale->sy, 3);
    EXPECT_FLOAT_EQ(p.tScale->sx, 1);  // one number is ignored, the default applies
    EXPECT_FLOAT_EQ(p.alpha->a, 0.25f);
    EXPECT_EQ(p.txt, "Hi there");
    EXPECT_FLOAT_EQ(p.tAlpha->a, 0.5f);
    EXPECT_FLOAT_EQ(p.tRgb->b, 3);
    EXPECT_FLOAT_EQ(p.outRgb->r, 7);
    EXPECT_FLOAT_EQ(p.textAddDim->y, 4);
    EXPECT_FLOAT_EQ(p.tShadow->x, 2);
    EXPECT_FLOAT_EQ(p.tShadow->a, 0.5f);
    EXPECT_FLOAT_EQ(p.addDim->x, 5);
    EXPECT_FLOAT_EQ(gui->objects[0]->stepDelta, 0.1f);
    EXPECT_EQ(p.onClick, "onClick");
    EXPECT_EQ(p.onOver, "onOver");
    EXPECT_EQ(p.dimAlign, TProperties::ALIGN_RIGHT);
    EXPECT_EQ(p.pinToString, "b");
}

TEST(GuiProperties, NumberListsWithDoubleSpaces) {
    auto gui = FromText("OBJECT a { POSITION = \"10  20\" RGB = \"100  50\" SCALE = \"2  3\" }");
    const TGuiObject& o = *gui->objects.at(0);
    EXPECT_FLOAT_EQ(o.dim.x, 10);
    EXPECT_FLOAT_EQ(o.dim.y, 0);  // the empty piece is 0, "20" went to w
    EXPECT_FLOAT_EQ(o.standardProps->rgb->r, 100);
    EXPECT_FLOAT_EQ(o.standardProps->rgb->g, 0);
    EXPECT_FLOAT_EQ(o.standardProps->rgb->b, 50);
    EXPECT_FLOAT_EQ(o.standardProps->scale->sx, 2);  // three pieces, the middle one empty
    EXPECT_FLOAT_EQ(o.standardProps->scale->sy, 0);
}

TEST(GuiProperties, BadNumbersAreZeroAndBounded) {
    auto gui = FromText(
        "OBJECT a { POSITION = \"abc 1e400\" ALPHA = nan STEPDELTA = "
        "99999999999999999999999999 TEXTSHADOW = \"1 1 0\" }");
    const TGuiObject& o = *gui->objects.at(0);
    EXPECT_FLOAT_EQ(o.dim.x, 0);
    EXPECT_FLOAT_EQ(o.dim.y, 1);
    EXPECT_FLOAT_EQ(o.standardProps->alpha->a, 0);
    EXPECT_LE(o.stepDelta, 1e6f);
    EXPECT_FALSE(o.standardProps->tShadow);  // opacity 0 means no shadow
}

TEST(GuiProperties, DefaultsOfTheStandardSet) {
    auto gui = FromText("OBJECT a { POSITION = \"1 2\" } OBJECT b { TXT = t }");
    const TProperties& a = *gui->objects.at(0)->standardProps;
    EXPECT_TRUE(a.rgb && a.scale && a.alpha && a.addDim);
    EXPECT_FLOAT_EQ(a.alpha->a, 1);
    EXPECT_FALSE(a.tScale || a.tAlpha || a.tRgb);  // no text, no text defaults
    const TProperties& b = *gui->objects.at(1)->standardProps;
    EXPECT_TRUE(b.tScale && b.tAlpha && b.tRgb);
    EXPECT_FLOAT_EQ(gui->objects.at(1)->stepDelta, 1);
}

TEST(GuiProperties, StatesFromEntriesAndNestedBlocks) {
    std::string out = Output([] {
        auto gui = FromText(R"(
            PROPCLASS Glow { ALPHA = 0.8 STEPDELTA = 0.2 RGB = "1 2 3" }
            PROPCLASS press { ALPHA = 0.3 }
            OBJECT play {
                TXT = go
                OVER = glow
                CLICK { ALPHA = 0.5 ADDDIM = "0 2" }
                CLICK = press
                UNACTIVE = missing
                other { ALPHA = 0.9 deeper { ALPHA = 0.1 } }
            })");
        ASSERT_EQ(gui->objects.size(), 1u);
        const TGuiObject& o = *gui->objects[0];
        ASSERT_EQ(o.properties.size(), 4u);
        PropsPtr over = o.GetPropertiesByAction(TProperties::OVER);
        ASSERT_TRUE(over);
        EXPECT_FLOAT_EQ(over->alpha->a, 0.8f);
        EXPECT_FLOAT_EQ(over->stepP, 0.2f);
        EXPECT_FLOAT_EQ(over->rgb->g, 2);
        PropsPtr click = o.GetPropertiesByAction(TProperties::CLICK);
        EXPECT_FLOAT_EQ(click->alpha->a, 0.5f);  // the first set of a state counts
        EXPECT_FLOAT_EQ(click->addDim->y, 2);
        EXPECT_FALSE(o.GetPropertiesByAction(TProperties::UNACTIVE));
        EXPECT_EQ(o.properties[3]->action, TProperties::STANDARD);  // unknown block name
        EXPECT_FLOAT_EQ(o.standardProps->alpha->a, 1);  // state entries leave the standard set alone
        EXPECT_EQ(o.GetPropertiesByActionString("click"), click);
    });
    EXPECT_EQ(out, "ERROR: Couldn't find properties class 'missing'!\n");
}

TEST(GuiProperties, ClassMustBeDeclaredBeforeUse) {
    std::string out = Output([] {
        auto gui = FromText("OBJECT a { TXT = t OVER = later } PROPCLASS later { ALPHA = 0.1 }");
        EXPECT_FALSE(gui->objects.at(0)->GetPropertiesByAction(TProperties::OVER));
        EXPECT_TRUE(gui->GetPropertiesClass("LATER"));
    });
    EXPECT_EQ(out, "ERROR: Couldn't find properties class 'later'!\n");
}

TEST(GuiProperties, PropclassKeywordFillsOnlyWhatIsMissing) {
    auto gui = FromText(R"(
        PROPCLASS base { ALPHA = 0.5 RGB = "1 1 1" STEPDELTA = 0.25 TXT = fromclass
                         ALIGN = UP ADDDIM = "9 9" }
        OBJECT a { RGB = "7 7 7" PROPCLASS = BASE }
        OBJECT b { PROPCLASS = base STEPDELTA = 2 TXT = own }
        OBJECT c { OVER { PROPCLASS = base } })");
    const TProperties& a = *gui->objects.at(0)->standardProps;
    EXPECT_FLOAT_EQ(a.rgb->r, 7);
    EXPECT_FLOAT_EQ(a.alpha->a, 0.5f);
    EXPECT_EQ(a.txt, "fromclass");
    EXPECT_EQ(a.dimAlign, TProperties::ALIGN_UP);
    EXPECT_FLOAT_EQ(a.addDim->x, 0);  // not copied: the default applies
    EXPECT_FLOAT_EQ(gui->objects.at(0)->stepDelta, 0.25f);
    EXPECT_FLOAT_EQ(gui->objects.at(1)->stepDelta, 2);
    EXPECT_EQ(gui->objects.at(1)->standardProps->txt, "own");
    // The block's state survives a class copied inside it.
    EXPECT_TRUE(gui->objects.at(2)->GetPropertiesByAction(TProperties::OVER));
}

TEST(GuiProperties, FontWithoutSizeUsesDefault) {
    std::string out = Output([] { FromText("OBJECT a { FONT = nofont.ttf TXT = x }"); });
    EXPECT_NE(out.find("ERROR: No size for font 'nofont.ttf', using 20!\n"), std::string::npos);
    out = Output([] { FromText("OBJECT a { FONT = nofont.ttf|0 }"); });
    EXPECT_EQ(out, "ERROR: Bad font size in 'nofont.ttf|0'!\n");
}

TEST(GuiLoad, MissingScriptAndRelativeFiles) {
    guitest::ScratchDir dir;
    dir.write("sub/texts.txt", "first line\nsecond line\n");
    dir.write("sub/layout.gui", "OBJECT label { TXT = [texts.txt|2] }\nOBJECT plain { TXT = [ab] }");
    const std::string cwd = std::filesystem::current_path().string();
    auto gui = LoadGui(dir.path + "SUB/Layout.gui");
    EXPECT_EQ(std::filesystem::current_path().string(), cwd);  // the working directory never moves
    ASSERT_EQ(gui->objects.size(), 2u);
    EXPECT_EQ(gui->objects[0]->standardProps->txt, "second line");
    EXPECT_EQ(gui->objects[1]->standardProps->txt, "[ab]");  // too short for a reference
    EXPECT_EQ(gui->remPath, dir.path + "SUB/");

    std::string out = Output([&] { EXPECT_TRUE(LoadGui(dir.path + "none.gui")->objects.empty()); });
    EXPECT_EQ(out, "ERROR: Couldn't find GUI script '" + dir.path + "none.gui'!\n");
}

TEST(GuiLoad, LangIsReplacedInThePath) {
    guitest::ScratchDir dir;
    dir.write("en/a.gui", "OBJECT x { TXT = y }");
    auto gui = LoadGui(dir.path + "#LANG#/a.gui");
    EXPECT_EQ(gui->myPath, dir.path + lang + "/a.gui");
    EXPECT_EQ(gui->objects.size(), 1u);
}

TEST(GuiLoad, PrintObjects) {
    auto gui = FromText("OBJECT a { TXT = 1 } OBJECT B { TXT = 2 }");
    EXPECT_EQ(Output([&] { gui->printObjects(); }), "ob.id = A\nob.id = B\n");
}
