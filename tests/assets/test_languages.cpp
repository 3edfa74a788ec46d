// Every language of the game's list speaks every text English has: the same files under
// game/txt/<code>/, each with as many lines, every line in its role (a blank line stays blank,
// a credits heading stays a heading, a key or a header line stays as it is), valid UTF-8
// without a byte-order mark, the story's timings with the same keys; and every character of
// every text has a letter in the font that draws it (its own or its fallback's). A failure
// names the language, the file, the line and, for a letter, the character.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "frame/font_cache.h"
#include "frame/languages.h"
#include "platform/font_glyphs.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "support/headless_platform.h"

namespace fs = std::filesystem;

// A language as GoogleTest names it in a failure: its code.
void PrintTo(const LanguageInfo& language, std::ostream* out) { *out << language.code; }

namespace {

const std::string kTxtFolder = "game/txt/";

std::vector<std::string> TextFiles(const std::string& code) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(kTxtFolder + code, ec))
        if (entry.is_regular_file()) files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines as the game cuts them (a line feed ends a line).
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// Lines of a text file that are no text to translate: tutorial.txt's header (lines 1 to 7) and
// any line that names a key ("::").
bool KeptAsItIs(const std::string& file, int line, const std::string& english) {
    return (file == "tutorial.txt" && line <= 7) || english.find("::") != std::string::npos;
}

// The keys of an RCM file, each with its group path, in order.
std::vector<std::string> RcmKeys(const std::string& text) {
    std::vector<std::string> keys, groups;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos) continue;
        line = line.substr(first);
        std::string path;
        for (const auto& g : groups) path += g + "::";
        if (line[0] == '}') {
            if (!groups.empty()) groups.pop_back();
        } else if (line.back() == '{') {
            groups.push_back(line.substr(0, line.find_first_of(" \t{")));
        } else if (line.find('=') != std::string::npos) {
            keys.push_back(path + line.substr(0, line.find_first_of(" \t=")));
        }
    }
    return keys;
}

std::string WhereInTexts(const std::string& code, const std::string& file, int line) {
    return code + " " + file + " line " + std::to_string(line);
}

std::string CodePointName(std::uint32_t cp) {
    std::string glyph;
    Utf8Append(glyph, cp);
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", cp);
    return "'" + glyph + "' (" + hex + ")";
}

class LanguageTexts : public ::testing::TestWithParam<LanguageInfo> {};

}  // namespace

TEST_P(LanguageTexts, HaveEveryFileAndLineEnglishHasInTheirRoles) {
    const std::string code = GetParam().code;
    const std::vector<std::string> english = TextFiles(kBaseLanguage);
    ASSERT_GE(english.size(), 20u) << "run from the repository's root";
    const std::vector<std::string> own = TextFiles(code);
    for (const auto& file : english)
        EXPECT_TRUE(std::count(own.begin(), own.end(), file)) << code << " has no " << file;
    for (const auto& file : own)
        EXPECT_TRUE(std::count(english.begin(), english.end(), file))
            << code << " has " << file << ", English not";

    for (const auto& file : english) {
        if (!std::count(own.begin(), own.end(), file)) continue;
        const std::string bytes = ReadBytes(kTxtFolder + code + "/" + file);
        EXPECT_FALSE(bytes.rfind("\xEF\xBB\xBF", 0) == 0)
            << code << " " << file << " starts with a byte-order mark";
        const std::vector<std::string> theirs = Lines(bytes);
        const std::vector<std::string> base = Lines(ReadBytes(kTxtFolder + kBaseLanguage + "/" + file));
        EXPECT_EQ(theirs.size(), base.size()) << code << " " << file << ": the number of lines";
        for (size_t i = 0; i < std::min(theirs.size(), base.size()); ++i) {
            const int n = static_cast<int>(i) + 1;
            const std::string& line = theirs[i];
            const std::string& en = base[i];
            EXPECT_TRUE(Utf8Valid(line)) << WhereInTexts(code, file, n) << " is no valid UTF-8";
            EXPECT_EQ(line.find('\r'), std::string::npos)
                << WhereInTexts(code, file, n) << " has a carriage return";
            EXPECT_EQ(line.empty(), en.empty())
                << WhereInTexts(code, file, n) << ": \"" << line << "\" where English has \"" << en << "\"";
            if (KeptAsItIs(file, n, en)) {
                EXPECT_EQ(line, en) << WhereInTexts(code, file, n) << " is kept as it is";
            }
            // Credits: "$" starts the title, "#" a heading.
            if (file == "credits.txt" && !en.empty() && (en[0] == '$' || en[0] == '#')) {
                EXPECT_TRUE(!line.empty() && line[0] == en[0])
                    << WhereInTexts(code, file, n) << " keeps its mark " << en[0];
            }
        }
    }
}

// The story's timings: a language with timings of its own has the same keys as English (its
// values may differ: a longer subtitle stays longer).
TEST_P(LanguageTexts, StoryTimingsOfTheirOwnHaveEnglishsKeys) {
    const std::string code = GetParam().code;
    for (const char* sequence : {"Intro", "Outro"}) {
        const std::string path = std::string("game/data/Texts-") + sequence + "-" + code + ".txt";
        if (FsFileType(path) != 1) continue;  // the English timings are used
        const std::string english = ReadBytes(std::string("game/data/Texts-") + sequence + "-en.txt");
        EXPECT_EQ(RcmKeys(ReadBytes(path)), RcmKeys(english)) << path;
    }
}

// Every character of every text, in the font the game draws it with: the credits in theirs,
// everything else in the display font (the captions are lettered in it too). The packaging
// texts are not drawn by the game.
TEST_P(LanguageTexts, EveryCharacterHasALetterInTheFontThatDrawsIt) {
    ASSERT_TRUE(StartHeadlessPlatform());
    const std::string code = GetParam().code;
    ASSERT_EQ(FsFileType("game/gfx/fonts/font1.ttf"), 1) << "the fonts are installed by the build";
    const Font display = GetFont("game/gfx/fonts/font1.ttf", 36);
    const Font credits = GetFont("game/gfx/fonts/aparaj.ttf", 26);
    ASSERT_TRUE(display && credits);
    std::vector<std::string> missing;
    for (const auto& file : TextFiles(code)) {
        if (file == "package.txt") continue;
        const Font& font = file == "credits.txt" ? credits : display;
        const std::vector<std::string> lines = Lines(ReadBytes(kTxtFolder + code + "/" + file));
        for (size_t n = 0; n < lines.size(); ++n) {
            std::set<std::uint32_t> reported;
            for (size_t i = 0; i < lines[n].size();) {
                const std::uint32_t cp = Utf8Next(lines[n], i);
                if (cp < 32 || GfxFontHasGlyph(font, cp) || !reported.insert(cp).second) continue;
                missing.push_back(WhereInTexts(code, file, static_cast<int>(n) + 1) + ": " +
                                  CodePointName(cp));
            }
        }
    }
    std::ostringstream all;
    for (const auto& m : missing) all << "\n  " << m;
    EXPECT_TRUE(missing.empty()) << missing.size() << " characters have no letter:" << all.str();
    StopHeadlessPlatform();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, LanguageTexts, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<LanguageInfo>& info) { return info.param.code; });
