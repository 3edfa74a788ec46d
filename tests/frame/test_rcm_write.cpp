// Writing RCM data files: number texts, the writer's layout, updates and
// round trips through the reader.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "frame/rcm.h"

namespace {

TRCMFile ReadWritten(const std::string& text) {
    TRCMFile file;
    file.LoadFromText(text);
    return file;
}

// Same groups, keys, types and values; NUMBER values compared as numbers.
void ExpectSameGroup(const TRCMGroup& a, const TRCMGroup& b, const std::string& where) {
    ASSERT_EQ(a._listaWpisow.size(), b._listaWpisow.size()) << where;
    for (size_t i = 0; i < a._listaWpisow.size(); ++i) {
        const TRCMEntry& x = *a._listaWpisow[i];
        const TRCMEntry& y = *b._listaWpisow[i];
        EXPECT_EQ(x._id, y._id) << where;
        EXPECT_EQ(x._type, y._type) << where << "::" << x._id;
        ASSERT_EQ(x._value.size(), y._value.size()) << where << "::" << x._id;
        for (size_t v = 0; v < x._value.size(); ++v) {
            if (x._type == TRCMEntry::NUMBER) {
                EXPECT_EQ(RcmToNumber(x._value[v]), RcmToNumber(y._value[v])) << where << "::" << x._id;
            } else {
                EXPECT_EQ(x._value[v], y._value[v]) << where << "::" << x._id;
            }
        }
    }
    ASSERT_EQ(a._listaGrup.size(), b._listaGrup.size()) << where;
    for (size_t i = 0; i < a._listaGrup.size(); ++i) {
        EXPECT_EQ(a._listaGrup[i]->_id, b._listaGrup[i]->_id) << where;
        ExpectSameGroup(*a._listaGrup[i], *b._listaGrup[i], where + "::" + a._listaGrup[i]->_id);
    }
}

}  // namespace

TEST(RcmWrite, NumbersHaveNineSignificantDigitsAndAPoint) {
    EXPECT_EQ(RcmNumberText(100), "100.000000");
    EXPECT_EQ(RcmNumberText(0.5f), "0.500000000");
    EXPECT_EQ(RcmNumberText(-2.5f), "-2.50000000");
    EXPECT_EQ(RcmNumberText(3), "3.00000000");
    EXPECT_EQ(RcmNumberText(0), "0.00000000");
    EXPECT_EQ(RcmNumberText(0.1f), "0.100000001");  // the float's own digits
    EXPECT_EQ(RcmNumberText(123456789.0f), "123456792.");
    EXPECT_EQ(RcmNumberText(1e9f), "1.00000000e+09");
    EXPECT_EQ(RcmNumberText(0.001f), "0.00100000005");
    EXPECT_EQ(RcmNumberText(1e-5f), "9.99999975e-06");
    EXPECT_EQ(RcmNumberText(std::numeric_limits<float>::quiet_NaN()), "0.00000000");
    EXPECT_EQ(RcmNumberText(std::numeric_limits<float>::infinity()), "0.00000000");
    // Every written number reads back to the same float.
    for (float v : {0.1f, -7.25f, 1e9f, 3.3e-7f, 123456.789f, 16777217.0f, -0.0001f}) {
        EXPECT_EQ(RcmToNumber(RcmNumberText(v)), v) << RcmNumberText(v);
    }
}

TEST(RcmWrite, SetFloatBeyondTheArrayOnAnEmptyFile) {
    auto file = NewRCM();
    EXPECT_EQ(file->_grupa->_id, "");
    file->setFloat("x::y", 3, 2);
    TRCMGroup* x = file->_grupa->getGroup("x");
    ASSERT_NE(x, nullptr);
    TRCMEntry* y = x->getEntry("y");
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->_type, TRCMEntry::NUMBER);
    EXPECT_EQ(y->_value, (std::vector<std::string>{"", "", "3.00000000"}));
    EXPECT_EQ(file->saveText(), "x {\n\ty = 0, 0, 3\n}\n\n");
    // Writing never changes the entry in memory.
    EXPECT_EQ(y->_value[0], "");
    EXPECT_EQ(y->_value[2], "3.00000000");
}

TEST(RcmWrite, StringValuesKeepTheirCommasBetweenQuotes) {
    auto file = NewRCM();
    file->setString("g::s", "a");
    file->setString("g::s", "b,c", 1);
    file->setString("g::empty", "");
    EXPECT_EQ(file->saveText(), "g {\n\ts = \"a\", \"b,c\"\n\tempty = \"\"\n}\n\n");
    TRCMFile back = ReadWritten(file->saveText());
    EXPECT_EQ(back.getString("g::s", 0), "a");
    EXPECT_EQ(back.getString("g::s", 1), "b,c");
    EXPECT_EQ(back.valueCount("g::empty"), 1);
}

TEST(RcmWrite, TextsWithQuotesBracesAndEqualsReadBackTheSame) {
    const std::string texts[] = {"O\"NEIL", "{",  "}}", "a=b",   "line\nbreak", "back\\slash",
                                 "\\q",     "\\", "\"", "x,\"y", "\"{=}\"\\"};
    auto file = NewRCM();
    for (size_t k = 0; k < std::size(texts); ++k) file->setString("g::s" + std::to_string(k), texts[k]);
    file->setString("g::pair", "a\"b");
    file->setString("g::pair", "c}d", 1);
    file->setFloat("g::after", 7);
    const std::string written = file->saveText();
    EXPECT_NE(written.find("s0 = \"O\\qNEIL\"\n"), std::string::npos) << written;
    EXPECT_NE(written.find("s3 = \"a\\eb\"\n"), std::string::npos) << written;
    // Braces and quotes still balance: the whole file reads.
    TRCMFile back = ReadWritten(written);
    for (size_t k = 0; k < std::size(texts); ++k)
        EXPECT_EQ(back.getString("g::s" + std::to_string(k)), texts[k]) << written;
    EXPECT_EQ(back.getString("g::pair", 0), "a\"b");
    EXPECT_EQ(back.getString("g::pair", 1), "c}d");
    EXPECT_EQ(back.getInt("g::after"), 7);
}

TEST(RcmWrite, OldTextsWithoutEscapesReadAsBefore) {
    // A backslash before any other letter is itself; files of the game never held one.
    TRCMFile old = ReadWritten("g {\n\ts = \"C:\\data\\x\"\n\tt = \"PLAYER\"\n}\n");
    EXPECT_EQ(old.getString("g::s"), "C:\\data\\x");
    EXPECT_EQ(old.getString("g::t"), "PLAYER");
}

TEST(RcmWrite, GroupLayout) {
    auto file = NewRCM();
    file->setFloat("a::x", 1);
    file->setString("a::b::y", "z");
    file->setFloat("c::d::e", 0.5f);
    EXPECT_EQ(file->saveText(),
              "a {\n\tx = 1\n\tb {\n\t\ty = \"z\"\n\t}\n\n}\n\n"
              "c {\n\n\td {\n\t\te = 0.500000000\n\t}\n\n}\n\n");
}

TEST(RcmWrite, UpdatesKeepTheEntryType) {
    TRCMFile file = ReadWritten("g {\n n = 5\n s = \"t\"\n}\n");
    file.setString("G::N", "7");
    file.setFloat("g::s", 2.5f);
    file.setFloat("g::new", 4);
    file.setString("g::newText", "hello");
    EXPECT_EQ(file._grupa->getGroup("g")->getEntry("n")->_type, TRCMEntry::NUMBER);
    EXPECT_EQ(file._grupa->getGroup("g")->getEntry("s")->_type, TRCMEntry::STRING);
    EXPECT_EQ(file.saveText(), "g {\n\tn = 7\n\ts = \"2.50000000\"\n\tnew = 4\n\tnewText = \"hello\"\n}\n\n");
    EXPECT_EQ(file.getFloat("g::s"), 2.5f);
    // A negative index changes nothing.
    file.setString("g::n", "9", -1);
    EXPECT_EQ(file.getFloat("g::n"), 7.0f);
}

TEST(RcmWrite, NumberValuesAsIntegersOrTheirText) {
    TRCMEntry e;
    e._id = "k";
    e._type = TRCMEntry::NUMBER;
    e._value = {"100.000000", " 1", "0.500000000", "", " 12abc", "-0", "12345678901234567890", " 1e2", "-"};
    EXPECT_EQ(e.toTxt(), "k = 100, 1, 0.500000000, 0, 12, 0, 12345678901234567890, 1e2, 0");
}

TEST(RcmWrite, RereadNumbersDoNotGrowAtEverySave) {
    std::string text = "g {\n\tvol = 0.5\n\tn = 3\n\tlist = 1.25, -2.5\n}\n\n";
    std::string once = ReadWritten(text).saveText();
    EXPECT_EQ(once, text);
    EXPECT_EQ(ReadWritten(once).saveText(), text);
}

TEST(RcmWrite, EntriesInTheRootAreDroppedOnSave) {
    TRCMFile file = ReadWritten("top = 1\ng {\n a = 2\n}\n");
    EXPECT_EQ(file.getFloat("top"), 1.0f);
    file.setString("other", "x");
    std::string text = file.saveText();
    EXPECT_EQ(text, "g {\n\ta = 2\n}\n\n");
    EXPECT_EQ(ReadWritten(text).valueCount("top"), 0);
}

TEST(RcmWrite, DuplicateGroupsAreWrittenAndLookUpsReachTheFirst) {
    TRCMFile file = ReadWritten("g {\n a = 1\n}\ng {\n a = 2\n}\n");
    file.setFloat("g::a", 5);
    std::string text = file.saveText();
    EXPECT_EQ(text, "g {\n\ta = 5\n}\n\ng {\n\ta = 2\n}\n\n");
    EXPECT_EQ(ReadWritten(text).getFloat("g::a"), 5.0f);
}

TEST(RcmWrite, WrittenFilesReadBackToTheSameTree) {
    auto file = NewRCM();
    file->setString("profile::name", "Ann Smith");
    file->setFloat("profile::level", 12);
    file->setFloat("profile::resources", 10, 0);
    file->setFloat("profile::resources", 0.25f, 1);
    file->setFloat("profile::resources", -3, 3);
    file->setString("profile::items::item1::id", "mill");
    file->setFloat("profile::items::item1::stage", 2);
    file->setString("profile::items::item2::id", "");
    file->setString("profile::list", "a,b", 0);
    file->setString("profile::list", "c d", 2);
    file->setFloat("settings::volume", 0.7f);
    file->setFloat("settings::big", 1e12f);
    file->setString("empty::group::x", "1");  // a STRING that looks like a number
    file->getGroupSet({"lonely", "unused"});  // a group with nothing inside

    std::string text = file->saveText();
    TRCMFile back = ReadWritten(text);
    ASSERT_EQ(back._grupa->_listaGrup.size(), file->_grupa->_listaGrup.size());
    ExpectSameGroup(*file->_grupa, *back._grupa, "");
    EXPECT_EQ(back.getString("empty::group::x"), "1");
    EXPECT_FLOAT_EQ(back.getFloat("settings::volume"), 0.7f);
    EXPECT_EQ(back.getFloat("settings::big"), 1e12f);
    // The written text is a fixed point of read and write.
    EXPECT_EQ(back.saveText(), text);
}

TEST(RcmWrite, CrLfFileIsWrittenWithLineFeeds) {
    TRCMFile file = ReadWritten("g {\r\n\ta = 1\r\n\ts = \"x\"\r\n}\r\n");
    EXPECT_EQ(file.saveText(), "g {\n\ta = 1\n\ts = \"x\"\n}\n\n");
}

TEST(RcmWrite, EntryArrays) {
    TRCMEntry e;
    e.createArray(3);
    EXPECT_EQ(e._value, (std::vector<std::string>{"", "", ""}));
    e.setValue("v", 4);
    EXPECT_EQ(e._value.size(), 5u);
    EXPECT_EQ(e._value[4], "v");
    e.setValue("w", 0);
    EXPECT_EQ(e._value[0], "w");
    e.createArray(-1);
    EXPECT_TRUE(e._value.empty());
}

TEST(RcmWrite, StructuralCharactersInStringsAreEscapedSoTheFileStaysReadable) {
    TRCMFile file;
    file.setString("level::background", "\"gfx/{odd}=name\"");
    file.setString("level::name", "two\nlines");
    file.setFloat("level::time", 420);
    const std::string text = file.saveText();
    EXPECT_NE(text.find("background = \"\\qgfx/\\oodd\\c\\ename\\q\""), std::string::npos) << text;
    // In memory the value is unchanged; on disk the whole file still reads, and reads the same.
    EXPECT_EQ(file.getString("level::background"), "\"gfx/{odd}=name\"");
    TRCMFile back = ReadWritten(text);
    EXPECT_EQ(back.getString("level::background"), "\"gfx/{odd}=name\"");
    EXPECT_EQ(back.getString("level::name"), "two\nlines");
    EXPECT_FLOAT_EQ(back.getFloat("level::time"), 420);
}
