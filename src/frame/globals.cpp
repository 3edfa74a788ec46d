#include "frame/globals.h"

#include "platform/platform.h"

std::string lang = "en";
std::string gameDir = "game/";
std::string gameName = "Brambleton";
std::string userDir;
std::string appTitle;

int cheats = 0;
int noStory = 0;
int noSounds = 0;
int noTutorial = 0;

float frameDelta = 0;
int sideOffset = 0;

TRGB textColourLight{245, 229, 216};
TRGB textColourGold{200, 175, 93};
TRGB textColourInk{74, 42, 16};
TRGB textColourInkAccent{106, 48, 10};
TRGB textColourInkEnough{20, 75, 15};
TRGB textColourInkShort{130, 15, 10};

int where = 1;
std::string lastScreen;

void ReadMarkerFiles() {
    cheats = FsFileType("cheats.txt");
    noStory = FsFileType("noStory.txt");
    noSounds = FsFileType("noSounds.txt");
    noTutorial = FsFileType("noTutorial.txt");
}
