// Arbitrary bytes as a story timing file and its subtitles' text file: reading, starting and
// playing the subtitles must never crash, overflow or hang, and every time stays in its bounds.
//
// Input: the timing file up to the first byte 0, the text file after it.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_folder.h"
#include "fuzz_platform.h"
#include "platform/platform.h"
#include "story/story_text.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

const std::string& Folder() { return FuzzFolder("fuzz-story"); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!OpenFuzzPlatform()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t zero = input.find('\0');
    FsSaveBytes(input.substr(0, zero), Folder() + "/timings.txt");
    FsSaveBytes(zero == std::string::npos ? std::string() : input.substr(zero + 1), Folder() + "/texts.txt");
    LoadStoryTexts(Folder() + "/timings.txt", Folder() + "/texts.txt");
    for (const auto& text : StoryList().toVector()) {
        Check(text->startTime >= -STORY_MAX_SECONDS && text->startTime <= STORY_MAX_SECONDS);
        Check(text->waitTIme >= -STORY_MAX_SECONDS && text->waitTIme <= STORY_MAX_SECONDS);
    }
    ResetStoryTexts();
    for (int frame = 0; frame < 3; ++frame) {
        SysAdvanceFixedClock(40000);
        UpdateStoryTexts();
        DrawStoryTexts();
    }
    return 0;
}
