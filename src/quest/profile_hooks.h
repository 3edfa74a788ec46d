// Wires the profiles into the frame; the start-up code calls it once.
#pragma once

// SaveAll saves the profile list (and so every profile); the screen codes
// 101, 102, 104 and 105 run the current profile's QUEST_StartNew,
// QUEST_NextLevel, QUEST_Continue and QUEST_RestartLevel; loading step 46
// reads the list and every profile with its saved level.
//
// The screens the profile hands work to are wired through ProfileHooks()
// (quest/profile.h) by the code that owns those screens.
void InstallProfileHooks();
