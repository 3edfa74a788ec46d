// Reading RCM data files: grammar, brace check, look-ups.
#include <gtest/gtest.h>

#include <string>

#include "frame/rcm.h"

namespace {

TRCMFile Read(const std::string& text) {
    TRCMFile file;
    file.LoadFromText(text);
    return file;
}

const char* kSample =
    "settings {\n"
    "\tfullscreen = 1\n"
    "\tcustomMouse = 0\n"
    "\tsoundVolume = 100\n"
    "}\n"
    "\n"
    "globalSnd {\n"
    "\tsnd1 {\n"
    "\t\tid = \"click\"\n"
    "\t\tvol = 0.5\n"
    "\t}\n"
    "\n"
    "}\n";

}  // namespace

TEST(RcmRead, SampleFileGivesNumbersStringsAndRawText) {
    TRCMFile file = Read(kSample);
    EXPECT_EQ(file._grupa->_id, "MAINGROUP");
    EXPECT_EQ(file.getFloat("settings::soundVolume"), 100.0f);
    EXPECT_EQ(file.getString("globalSnd::snd" + std::to_string(1) + "::id"), "click");
    EXPECT_FLOAT_EQ(file.getFloat("globalSnd::snd1::vol"), 0.5f);
    // A NUMBER value is kept as its raw text, blank after "=" included.
    EXPECT_EQ(file.getString("settings::fullscreen"), " 1");
    EXPECT_EQ(file.getInt("settings::soundVolume"), 100);
}

TEST(RcmRead, MissingGroupsAndKeysGiveEmptyAndZero) {
    TRCMFile file = Read(kSample);
    EXPECT_EQ(file.getFloat("globalSnd::nothing::id"), 0.0f);
    EXPECT_EQ(file.getString("globalSnd::nothing::id"), "");
    EXPECT_EQ(file.getString("settings::missing"), "");
    EXPECT_EQ(file.getFloat("nothing"), 0.0f);
    EXPECT_EQ(file.valueCount("settings::missing"), 0);
    // Index at or beyond the number of values, or negative.
    EXPECT_EQ(file.getString("settings::fullscreen", 1), "");
    EXPECT_EQ(file.getFloat("settings::fullscreen", 1), 0.0f);
    EXPECT_EQ(file.getFloat("settings::fullscreen", -1), 0.0f);
}

TEST(RcmRead, NamesMatchRegardlessOfCaseAndFirstMatchWins) {
    TRCMFile file = Read(kSample);
    EXPECT_EQ(file.getFloat("SETTINGS::FullScreen"), 1.0f);
    TRCMFile twice = Read("g {\nx = 1\nx = 2\n}\nG {\nx = 3\ny = 4\n}\n");
    EXPECT_EQ(twice.getFloat("g::x"), 1.0f);
    EXPECT_EQ(twice.getFloat("g::y"), 0.0f);  // the second group is never reached
    EXPECT_EQ(twice._grupa->_listaGrup.size(), 2u);
}

TEST(RcmRead, NumberAndStringValueLists) {
    TRCMFile file = Read("g {\n n = 1, 2.5, -3\n s = \"a\", \"b,c\"\n t = \"x\"\n}\n");
    TRCMEntry* n = file._grupa->getGroup("g")->getEntry("n");
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->_type, TRCMEntry::NUMBER);
    ASSERT_EQ(n->_value.size(), 3u);
    EXPECT_EQ(n->_value[1], " 2.5");
    EXPECT_FLOAT_EQ(file.getFloat("g::n", 1), 2.5f);
    EXPECT_EQ(file.getFloat("g::n", 2), -3.0f);
    TRCMEntry* s = file._grupa->getGroup("g")->getEntry("s");
    EXPECT_EQ(s->_type, TRCMEntry::STRING);
    ASSERT_EQ(s->_value.size(), 2u);
    EXPECT_EQ(s->_value[0], "a");
    EXPECT_EQ(s->_value[1], "b,c");
    EXPECT_EQ(file.valueCount("g::s"), 2);
}

TEST(RcmRead, EntryTypeAndValueRules) {
    TRCMFile file = Read(
        "g {\n"
        "neg = -4.75\n"
        "word = abc\n"
        "tight =\"xyz\"\n"  // no blank after "=": the first character of the text is lost
        "short = \"\"\n"
        "eq = 7 = 8\n"  // the value ends at the next "="
        "str = \"12abc\"\n"
        "numtext = 12abc\n"
        "dot = 5.\n"
        "lead = .5\n"  // not a digit or "-": a STRING
        "exp = 1.5e+03\n"
        "}\n");
    EXPECT_EQ(file.getFloat("g::neg"), -4.75f);
    EXPECT_EQ(file.getInt("g::neg"), -4);       // toward zero
    EXPECT_EQ(file.getString("g::word"), "b");  // STRING: first two and last character dropped
    EXPECT_EQ(file.getString("g::tight"), "yz");
    EXPECT_EQ(file.getString("g::short"), "");
    EXPECT_EQ(file.getString("g::eq"), " 7 ");
    EXPECT_EQ(file.getFloat("g::eq"), 7.0f);
    EXPECT_EQ(file.getFloat("g::str"), 12.0f);  // a STRING value converts the same way
    EXPECT_EQ(file.getFloat("g::numtext"), 12.0f);
    EXPECT_EQ(file.getFloat("g::dot"), 5.0f);
    EXPECT_EQ(file.getString("g::lead"), "");
    EXPECT_EQ(RcmToNumber(" .5"), 0.5f);
    EXPECT_EQ(file.getFloat("g::exp"), 1500.0f);
}

TEST(RcmRead, NumberReadingOfOddTexts) {
    EXPECT_EQ(RcmToNumber("  \t 42"), 42.0f);
    EXPECT_EQ(RcmToNumber("-"), 0.0f);
    EXPECT_EQ(RcmToNumber("abc"), 0.0f);
    EXPECT_EQ(RcmToNumber(""), 0.0f);
    EXPECT_EQ(RcmToNumber("+3"), 3.0f);
    EXPECT_EQ(RcmToNumber("nan"), 0.0f);
    EXPECT_EQ(RcmToNumber("inf"), 0.0f);
    EXPECT_EQ(RcmToNumber("2e"), 2.0f);
    EXPECT_EQ(RcmToNumber("1e999"), 3.40282347e38f);  // clamped to the float range
    EXPECT_EQ(RcmToNumber("-1e999"), -3.40282347e38f);
    EXPECT_EQ(RcmToNumber("1e-999"), 0.0f);
    EXPECT_EQ(RcmTruncate(1e30f), 2147483647);
    EXPECT_EQ(RcmTruncate(-1e30f), -2147483647 - 1);
    EXPECT_EQ(RcmTruncate(-2.9f), -2);
}

TEST(RcmRead, EntryLineWithoutValueIsSkipped) {
    testing::internal::CaptureStdout();
    TRCMFile file = Read("g {\n a =   \n a = 5\n b =\n}\n");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(file.getFloat("g::a"), 5.0f);
    EXPECT_EQ(file.valueCount("g::b"), 0);
    EXPECT_EQ(file._grupa->getGroup("g")->_listaWpisow.size(), 1u);
    EXPECT_NE(out.find("Napotkano problem : "), std::string::npos);
}

TEST(RcmRead, EntriesNeedALineFeed) {
    // An entry directly followed by "}" or the end of the text is lost.
    TRCMFile file = Read("g {\n a = 1\n b = 2}\nc = 3");
    EXPECT_EQ(file.getFloat("g::a"), 1.0f);
    EXPECT_EQ(file.valueCount("g::b"), 0);
    EXPECT_EQ(file.valueCount("c"), 0);
}

TEST(RcmRead, LeftoverTextJoinsTheNextNameOrKey) {
    // A stray line becomes the start of the next group name (line feeds are
    // structural, so they are not part of it).
    TRCMFile stray = Read("junk\ng {\n a = 1\n}\n");
    ASSERT_EQ(stray._grupa->_listaGrup.size(), 1u);
    EXPECT_EQ(stray._grupa->_listaGrup[0]->_id, "junkg");
    // An entry after a sub-group gets a key beginning with the sub-group's name.
    TRCMFile after = Read("g {\n sub {\n x = 1\n }\n y = 2\n}\n");
    TRCMGroup* g = after._grupa->getGroup("g");
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->_listaWpisow.size(), 1u);
    EXPECT_EQ(g->_listaWpisow[0]->_id.substr(0, 3), "sub");
    EXPECT_EQ(after.getFloat("g::y"), 0.0f);
    EXPECT_EQ(after.getFloat("g::sub::x"), 1.0f);
}

TEST(RcmRead, ClosingTheTopLevelEndsReading) {
    TRCMFile file = Read("a {\n x = 1\n}\n}\nb {\n y = 2\n}\n{\n");
    EXPECT_EQ(file.getFloat("a::x"), 1.0f);
    EXPECT_EQ(file._grupa->getGroup("b"), nullptr);
}

TEST(RcmRead, EntriesDirectlyInTheRootAreRead) {
    TRCMFile file = Read("top = 9\ng {\n}\n");
    EXPECT_EQ(file.getFloat("top"), 9.0f);
}

TEST(RcmRead, FileEndingInBraceWithoutLineFeed) {
    TRCMFile file = Read("a {\n x = 1\n b {\n y = \"z\"\n }\n}");
    EXPECT_EQ(file._txt.back(), '\n');  // the brace check appends one
    EXPECT_EQ(file.getFloat("a::x"), 1.0f);
    EXPECT_EQ(file.getString("a::b::y"), "z");
}

TEST(RcmRead, CrLfLineEnds) {
    TRCMFile file = Read("settings {\r\n\tfullscreen = 1\r\n\tname = \"Ann\"\r\n}\r\n");
    EXPECT_EQ(file.getFloat("settings::fullscreen"), 1.0f);
    EXPECT_EQ(file.getString("settings::name"), "Ann");
    EXPECT_EQ(file._grupa->_listaGrup[0]->_id, "settings");
}

TEST(RcmRead, UnbalancedBracesReadNothing) {
    testing::internal::CaptureStdout();
    TRCMFile file = Read("a {\n x = 1\n b {\n}\n");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 2 \"}\" - 1\n");
    EXPECT_TRUE(file._grupa->_listaGrup.empty());
    EXPECT_EQ(file.getFloat("a::x"), 0.0f);
}

TEST(RcmRead, BracesInQuotesAreSkippedByTheCheckButStructuralToTheReader) {
    testing::internal::CaptureStdout();
    // Balanced outside quotes: the check passes although "{" inside the quotes is extra.
    TRCMFile file = Read("a {\n s = \"{\"\n x = 1\n}\n");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "");
    TRCMGroup* a = file._grupa->getGroup("a");
    ASSERT_NE(a, nullptr);
    // The reader opened a group at the quoted brace and read the next line into it;
    // the text before the brace still became the entry s, with an empty value.
    ASSERT_EQ(a->_listaGrup.size(), 1u);
    EXPECT_EQ(a->_listaGrup[0]->_id, "s = \"");
    ASSERT_EQ(a->_listaGrup[0]->_listaWpisow.size(), 1u);
    EXPECT_EQ(a->_listaGrup[0]->_listaWpisow[0]->_id, "\" x");
    EXPECT_EQ(file.valueCount("a::s"), 1);
    EXPECT_EQ(file.getString("a::s"), "");
    EXPECT_EQ(file.getFloat("a::x"), 0.0f);
    // Unbalanced only inside quotes: the counts outside agree.
    testing::internal::CaptureStdout();
    TRCMFile quoted = Read("a {\n s = \"}}\"\n}\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_NE(quoted._grupa->getGroup("a"), nullptr);
}

TEST(RcmRead, EmptyAndBlankFiles) {
    testing::internal::CaptureStdout();
    TRCMFile empty = Read("");
    TRCMFile blank = Read(" \n\r\n\t");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(empty._grupa->_listaGrup.empty());
    EXPECT_EQ(empty.getString("a::b"), "");
    EXPECT_TRUE(blank._grupa->_listaGrup.empty());
}

TEST(RcmRead, NulBytesAreOrdinaryCharacters) {
    std::string text = "g {\n a = 1\n";
    text += '\0';
    text += "b = \"x";
    text += '\0';
    text += "y\"\n}\n";
    TRCMFile file = Read(text);
    EXPECT_EQ(file.getFloat("g::a"), 1.0f);
    TRCMGroup* g = file._grupa->getGroup("g");
    ASSERT_EQ(g->_listaWpisow.size(), 2u);
    EXPECT_EQ(g->_listaWpisow[1]->_value[0], std::string("x\0y", 3));
}

TEST(RcmRead, DeepNestingIsCappedWithAMessage) {
    const int depth = 100000;
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "g {\n";
    }
    text += "x = 1\n";
    for (int i = 0; i < depth; ++i) {
        text += "}\n";
    }
    text += "after {\n y = 2\n}\n";
    testing::internal::CaptureStdout();
    TRCMFile file = Read(text);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Napotkano problem : "), std::string::npos);
    int levels = 0;
    for (TRCMGroup* g = file._grupa.get(); !g->_listaGrup.empty(); g = g->_listaGrup[0].get()) {
        ++levels;
    }
    EXPECT_EQ(levels, 256);
    // The skipped part is passed as a whole and reading goes on after it.
    EXPECT_EQ(file._grupa->_listaGrup.size(), 2u);
    EXPECT_EQ(file.getFloat("after::y"), 2.0f);
}

TEST(RcmRead, GroupPositionIsJustAfterTheClosingBrace) {
    TRCMFile file = Read("a {\n b {x = 1\n}\n}\n");
    TRCMGroup* a = file._grupa->getGroup("a");
    EXPECT_EQ(a->_pos, 14);  // body "\n b {x = 1\n}\n}" has 14 characters
    EXPECT_EQ(a->getGroup("b")->_pos, 7);
}

TEST(RcmRead, HugeFileReadsCompletely) {
    std::string text;
    const int groups = 50000;  // about 5 MB
    text.reserve(6u << 20);
    for (int i = 0; i < groups; ++i) {
        text +=
            "group" + std::to_string(i) + " {\n\tname = \"some text of the group\"\n\tvalues = 1, 2, 3.5\n";
        text += "\tinner {\n\t\tx = " + std::to_string(i) + "\n\t}\n\n}\n\n";
    }
    ASSERT_GT(text.size(), 4u << 20);
    TRCMFile file = Read(text);
    ASSERT_EQ(file._grupa->_listaGrup.size(), static_cast<size_t>(groups));
    EXPECT_EQ(file.getFloat("group49999::inner::x"), 49999.0f);
    EXPECT_EQ(file.getString("group123::name"), "some text of the group");
}

TEST(RcmRead, PathsSplitAtEveryDoubleColon) {
    EXPECT_EQ(SplitRcmPath("a::b::c"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitRcmPath("key"), (std::vector<std::string>{"key"}));
    EXPECT_EQ(SplitRcmPath(""), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitRcmPath("a:::b::"), (std::vector<std::string>{"a", ":b", ""}));
}

// Look-ups go through an index that grows with the lists: the first match in
// list order must still win, whatever was added or removed in between.
TEST(RcmLookup, TheFirstMatchWinsAsTheListsChange) {
    TRCMFile file;
    file.LoadFromText("g {\n\tKey = 1\n\tkey = 2\n}\n\ng {\n\tkey = 3\n}\n");
    EXPECT_EQ(file.getInt("G::KEY"), 1);
    for (int n = 0; n < 2000; n++) file.setFloat("g::k" + std::to_string(n), static_cast<float>(n));
    file.setFloat("g::KEY", 9);  // changes the first match, adds nothing
    EXPECT_EQ(file.getInt("g::key"), 9);
    EXPECT_EQ(file.getInt("g::K1999"), 1999);
    TRCMGroup* g = file._grupa->getGroup("g");
    ASSERT_NE(g, nullptr);
    g->_listaWpisow.erase(g->_listaWpisow.begin());  // the list shrinks: "key" = 2 is first now
    EXPECT_EQ(file.getInt("g::key"), 2);
    g->_listaWpisow.front()->_id = "other";  // renamed in place
    EXPECT_EQ(file.getInt("g::key"), 0);
    EXPECT_EQ(file.getInt("g::OTHER"), 2);
    EXPECT_EQ(file.valueCount("g::missing"), 0);
}
