// Values every part of the game shares: paths, marker flags, the frame delta,
// the display offset and the top-level screen code.
#pragma once

#include <string>

#include "frame/value_types.h"

extern std::string lang;      // "en": replaces "#LANG#" in localised paths
extern std::string gameDir;   // "game/": every resource path starts here
extern std::string gameName;  // "Brambleton"
extern std::string userDir;   // per-machine data folder, set by SetupUserDir
extern std::string appTitle;  // the window title from txt/<lang>/name.txt

// Marker files in the working directory, tested once at start-up (file-type
// values: 0 missing, otherwise present).
extern int cheats;
extern int noStory;
extern int noSounds;
extern int noTutorial;

extern float frameDelta;  // ms of the last frame / (1000/60); 1.0 at 60 fps
extern int sideOffset;    // 0, or 171 in the wide 1366 x 768 picture

extern TRGB textColourLight;  // (245, 229, 216)
extern TRGB textColourGold;   // (200, 175, 93)
// Ink for text on parchment and cream, dark enough to read at a contrast of 4.5 and more on the
// darkest parchment: the body, a highlight (an action, a heading) and a price the stock covers or not.
extern TRGB textColourInk;        // (74, 42, 16)
extern TRGB textColourInkAccent;  // (106, 48, 10)
extern TRGB textColourInkEnough;  // (20, 75, 15)
extern TRGB textColourInkShort;   // (130, 15, 10)

extern int where;               // the screen code the top-level loop runs next
extern std::string lastScreen;  // label of the screen last entered

// Tests the marker files in the working directory and sets the flags.
void ReadMarkerFiles();
