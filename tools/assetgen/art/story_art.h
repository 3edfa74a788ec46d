// The story's picture families (story_*.cpp), in the paper-cut look of
// story_paper.h.
#pragma once

#include "sink.h"

namespace art {
namespace story {

void DrawIntroRideArt(Sink& sink);   // story_intro_art.cpp: scenes 1 and 2
void DrawIntroCourtArt(Sink& sink);  // story_court_art.cpp: scenes 3 and 7
void DrawIntroJoustArt(Sink& sink);  // story_joust_art.cpp: scenes 4, 5 and 6
void DrawJoustCloseUps(Sink& sink);  // story_closeup_art.cpp: scene 6
void DrawOutroArt(Sink& sink);       // story_outro_art.cpp: the four outro pictures

}  // namespace story
}  // namespace art
