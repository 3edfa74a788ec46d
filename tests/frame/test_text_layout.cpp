// Text layout: breaking texts into lines for a width and drawing boxes, with
// a real font (measuring in the null renderer, pixels in the software one).
#include <gtest/gtest.h>

#include <string>

#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "platform/platform.h"
#include "support/headless_platform.h"

namespace {

const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        out += (i ? " " : "") + lines[i];
    }
    return out;
}

class LayoutTest : public testing::Test {
protected:
    void Start(RendererKind renderer) {
        if (FsFileType(kFontPath) != 1) {
            GTEST_SKIP() << "no DejaVu font on this machine";
        }
        ASSERT_TRUE(StartHeadlessPlatform(renderer));
        started_ = true;
        font_ = GfxLoadFont(kFontPath, 20, GFX_FONT_SMOOTH);
        ASSERT_NE(font_, nullptr);
        GfxSetImageFont(font_);
    }
    void TearDown() override {
        font_.reset();
        if (started_) {
            StopHeadlessPlatform();
        }
    }
    int Width(const std::string& text) {
        GfxSetImageFont(font_);
        return GfxTextWidth(text);
    }
    int LineHeight() {
        GfxSetImageFont(font_);
        return GfxTextHeight("A");
    }
    Font font_;
    bool started_ = false;
};

class MeasureTest : public LayoutTest {
protected:
    void SetUp() override { Start(RendererKind::Null); }
};

class PixelTest : public LayoutTest {
protected:
    void SetUp() override { Start(RendererKind::Software); }
    // Leftmost column in a band of rows with a lit pixel, or -1.
    int LeftmostLit(int x0, int x1, int y0, int y1) {
        Pixmap p = GfxGrabPixmap(x0, y0, x1 - x0, y1 - y0);
        for (int x = 0; x < p.w; ++x) {
            for (int y = 0; y < p.h; ++y) {
                if (p.rgba[static_cast<size_t>((y * p.w + x) * 4)] > 100) {
                    return x0 + x;
                }
            }
        }
        return -1;
    }
    int LitCount(int x0, int y0, int w, int h) {
        Pixmap p = GfxGrabPixmap(x0, y0, w, h);
        int n = 0;
        for (size_t i = 0; i + 3 < p.rgba.size(); i += 4) {
            n += (p.rgba[i] | p.rgba[i + 1] | p.rgba[i + 2]) > 40 ? 1 : 0;
        }
        return n;
    }
};

}  // namespace

TEST_F(MeasureTest, FormattedLinesFitTheWidthAndKeepEveryWord) {
    const std::string text = "the cat sat on the mat and the dog sat on the cat while the  bird sang the";
    for (int width : {40, 90, 150, 300, 2000}) {
        auto f = CreateFormatedText(text, font_, width, 3);
        EXPECT_EQ(Join(f->texts), text) << width;  // every word once, first word repeats included
        EXPECT_EQ(f->lines, static_cast<int>(f->texts.size()));
        EXPECT_EQ(f->Width, width);
        EXPECT_EQ(f->OneHeight, LineHeight() + 3);
        EXPECT_EQ(f->Height, f->lines * f->OneHeight);
        EXPECT_EQ(f->CountHeight(), f->Height);
        for (size_t i = 0; i < f->texts.size(); ++i) {
            bool oneWord = f->texts[i].find(' ') == std::string::npos;
            EXPECT_TRUE(oneWord || Width(f->texts[i]) <= width) << width << ": " << f->texts[i];
            // The next line's first word did not fit on this one.
            if (i + 1 < f->texts.size()) {
                std::string next = f->texts[i + 1].substr(0, f->texts[i + 1].find(' '));
                EXPECT_GT(Width(f->texts[i] + " " + next), width);
            }
        }
    }
    EXPECT_EQ(CreateFormatedText(text, font_, 2000, 0)->lines, 1);
}

TEST_F(MeasureTest, FormattedTextOfNothing) {
    auto f = CreateFormatedText("", font_, 100, 2);
    EXPECT_EQ(f->texts, (std::vector<std::string>{""}));
    EXPECT_EQ(f->lines, 1);
    EXPECT_EQ(f->font, nullptr);
    // A lone space is two empty words: one line holding the space.
    auto space = CreateFormatedText(" ", font_, 100, 2);
    EXPECT_EQ(space->texts, (std::vector<std::string>{" "}));
    EXPECT_EQ(space->font, font_);
}

TEST_F(MeasureTest, TextBoxHeightCountsLines) {
    const int h = LineHeight();
    EXPECT_EQ(TextBoxHeight("", 0, 0, 200, "LEFT", 0, font_, 4), static_cast<float>(h + 4));
    EXPECT_EQ(TextBoxHeight("one two", 0, 0, 1000, "LEFT", 0, font_, 0), static_cast<float>(h));
    // Each word on its own line when the box fits only one.
    const float narrow = static_cast<float>(Width(" three"));
    EXPECT_EQ(TextBoxHeight("one two three", 0, 0, narrow, "LEFT", 0, font_, 1),
              static_cast<float>(3 * (h + 1)));
    // A first word wider than the box leaves an empty first line before it.
    EXPECT_EQ(TextBoxHeight("enormous", 0, 0, 10, "LEFT", 0, font_, 0), static_cast<float>(2 * h));
    // No font given: the current one is used.
    GfxSetImageFont(font_);
    EXPECT_EQ(TextBoxHeight("a b", 0, 0, 1000, "RIGHT", 0, nullptr, 0), static_cast<float>(h));
}

TEST(LayoutWithoutFont, MeasuresNothingAndKeepsOneLine) {
    GfxSetImageFont(nullptr);
    auto f = CreateFormatedText("a few words here", nullptr, 1, 5);
    EXPECT_EQ(f->texts, (std::vector<std::string>{"a few words here"}));
    EXPECT_EQ(f->OneHeight, 5);
    EXPECT_EQ(TextBoxHeight("a few words", 0, 0, 10, "CENTER", 0, nullptr, 2), 2.0f);
}

TEST_F(PixelTest, BoxAlignmentPositions) {
    const std::string word = "MMMM";
    const int w = Width(word);
    const int h = LineHeight();
    GfxSetColor(255, 255, 255);
    DrawTextBox(word, 100, 100, 301, "LEFT", 0, font_, 0);
    DrawTextBox(word, 100, 200, 301, " center ", 0, font_, 0);
    DrawTextBox(word, 100, 300, 301, "Right", 0, font_, 0);
    DrawTextBox(word, 100, 400, 301, "middle", 0, font_, 0);  // anything else is LEFT
    const int bearing = LeftmostLit(90, 700, 100, 100 + h) - 100;
    ASSERT_GE(bearing, 0);
    EXPECT_EQ(LeftmostLit(90, 700, 200, 200 + h), static_cast<int>(100 + 301.0f / 2 - w / 2) + bearing);
    EXPECT_EQ(LeftmostLit(90, 700, 300, 300 + h), static_cast<int>(100 + 301.0f - w) + bearing);
    EXPECT_EQ(LeftmostLit(90, 700, 400, 400 + h), 100 + bearing);
}

TEST_F(PixelTest, BoxLinesFollowTheLineHeight) {
    const int h = LineHeight();
    GfxSetColor(255, 255, 255);
    const float used = DrawTextBox("HH HH", 50, 50, static_cast<float>(Width(" HH")), "LEFT", 0, font_, 10);
    EXPECT_EQ(used, static_cast<float>(2 * (h + 10)));
    EXPECT_GT(LitCount(50, 50, 100, h), 0);
    EXPECT_GT(LitCount(50, 50 + h + 10, 100, h), 0);
    EXPECT_EQ(LitCount(50, 50 + 2 * (h + 10), 100, h), 0);
}

TEST_F(PixelTest, EmptyBoxDrawsNothing) {
    GfxSetColor(255, 255, 255);
    EXPECT_EQ(DrawTextBox("", 10, 10, 300, "CENTER", 0, font_, 0), static_cast<float>(LineHeight()));
    EXPECT_EQ(LitCount(0, 0, 400, 100), 0);
}

TEST_F(PixelTest, FormattedTextDrawsCentredAndOutlined) {
    auto f = CreateFormatedText("WIDE WORDS HERE i", font_, 130, 2);
    ASSERT_GE(f->lines, 2);
    GfxSetColor(255, 255, 255);
    f->Draw(100, 100, 1);
    const int last = f->lines - 1;
    const int lineTop = 100 + last * f->OneHeight;
    const int xi = LeftmostLit(0, 600, lineTop, lineTop + f->OneHeight - 2);
    // The last line sits in the middle of the 130-pixel width (within the letter's bearing).
    EXPECT_NEAR(xi, 100 + 130 / 2 - Width(f->texts[static_cast<size_t>(last)]) / 2, 3);
    EXPECT_LT(Width(f->texts[static_cast<size_t>(last)]), 100);

    // Outlined: a black rim around coloured letters over a grey ground.
    GfxCls();
    GfxSetColor(128, 128, 128);
    GfxDrawRect(0, 300, 400, 100);
    f->DrawOutLined(20, 320, 255, 0, 0);
    EXPECT_EQ(f->pomY, 320);
    Pixmap p = GfxGrabPixmap(0, 300, 400, 100);
    int red = 0;
    int black = 0;
    for (size_t i = 0; i + 3 < p.rgba.size(); i += 4) {
        red += (p.rgba[i] > 200 && p.rgba[i + 1] < 60) ? 1 : 0;
        black += (p.rgba[i] < 30 && p.rgba[i + 1] < 30 && p.rgba[i + 2] < 30) ? 1 : 0;
    }
    EXPECT_GT(red, 20);
    EXPECT_GT(black, 20);
}

TEST_F(MeasureTest, ATextOfTenMegabytesIsLaidOutAsItsBeginning) {
    std::string huge;
    while (huge.size() < 10u * 1024 * 1024) huge += "word ";
    const std::string bounded = CutTextAt(huge, TEXT_LAYOUT_MAX_BYTES);
    const float h = TextBoxHeight(huge, 0, 0, 300, "left", 0, font_, 1);
    EXPECT_EQ(h, TextBoxHeight(bounded, 0, 0, 300, "left", 0, font_, 1));
    EXPECT_GT(h, 0);
    auto formatted = CreateFormatedText(huge, font_, 300, 1);
    EXPECT_EQ(formatted->lines, CreateFormatedText(bounded, font_, 300, 1)->lines);
}
