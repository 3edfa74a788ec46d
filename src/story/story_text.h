// The timed subtitles of the intro and the outro: a list of texts read from a
// sequence's data file ("texts::txtN" keys) and its localised text file, each
// fading in at its start time, staying, fading out and leaving the list.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/safe_list.h"
#include "platform/platform.h"

class TStoryText {
public:
    std::vector<std::string> txt;  // the lines of the subtitle
    std::vector<int> txtX;         // x of each line
    int startTime = 0;             // seconds from the start; a clock time after reset
    int endTime = 0;               // clock time at which it is gone
    int waitTIme = 0;              // seconds shown, fades included
    float y = 0;                   // top of the block
    float a = 0;                   // opacity
    int spec = 0;                  // 0 at the bottom, 1 centred on the screen
    int byloStart = 0;             // it has started

    virtual ~TStoryText() = default;
    virtual void draw();
    // Moves the opacity on; returns false once the subtitle is over.
    virtual bool update();
    virtual void reset();
    virtual void CountMyText();
};

// The subtitles of the sequence running now.
SafeList<TStoryText>& StoryList();
// The story font, font1 at 42 px; null until LoadStoryFont.
extern Font storyFont;

// Data file "data/Texts-Intro-" / "data/Texts-Outro-" + language, and the
// localised lines "txt/#LANG#/TextsIntro.txt" / "TextsOutro.txt".
std::string StoryDataPath(const std::string& sequence);
std::string StoryTextPath(const std::string& sequence);

// Replaces the story list with the subtitles of the two files.
// The longest a subtitle may wait for its start or stay up, in seconds (the story's longest wait is
// 107 s): larger numbers of a damaged file are cut to it.
constexpr int STORY_MAX_SECONDS = 3600;
void LoadStoryTexts(const std::string& rcmPath, const std::string& txtPath);
// Starts every subtitle's clock now.
void ResetStoryTexts();
void UpdateStoryTexts();
void DrawStoryTexts();
void LoadStoryFont();

// The most subtitles a file may ask for: a count beyond it is a broken file.
constexpr int MAX_STORY_TEXTS = 1000;
