// The picture families of the generator; each writes its files through the sink.
#pragma once

#include <string>
#include <vector>

#include "sink.h"

namespace art {

void DrawBoard(Sink& sink);         // board.cpp: tiles, highlight, chest, chains, frame pieces, glow
void DrawChips(Sink& sink);         // chips.cpp: resource, plain, bomb and scroll chips
void DrawMatch3Screen(Sink& sink);  // match3_screen.cpp: time bar, power-ups, tools, resources, bomb
void DrawBackgrounds(Sink& sink);   // backgrounds.cpp: the ten match-3 landscapes
void DrawEffects(Sink& sink);       // effects.cpp: particles and captions
void DrawFrame(Sink& sink);         // frame.cpp: side pictures, cursor, point, stripes, loading screen, logo
void DrawPanels(Sink& sink);        // panels.cpp: level summary, lose and continue panels
void DrawButtons(Sink& sink);       // buttons.cpp: the GUI button atlas
void DrawGuiSample(Sink& sink);     // gui_sample.cpp: the atlas of the GUI preview's sample script
void DrawVillage(Sink& sink);       // village*.cpp: village picture, buildings, item icons, reviews
void DrawVillageGui(Sink& sink);    // village_gui.cpp, animals.cpp: offer row, research, preview, animals
void DrawBranding(Sink& sink);      // branding.cpp: the studio and title cards of the start-up
void DrawMenus(Sink& sink);         // menus_art.cpp: options, question, name entry, players, credits
void DrawStory(Sink& sink);         // story_*.cpp: the intro's scenes and the outro's pictures
void DrawTips(Sink& sink);          // tips.cpp: the two advisers, the speech bubble, the arrow
void DrawPuzzles(Sink& sink);       // puzzles*.cpp: puzzle pictures, symbols, tile, cards, scroll, frame

// A small board with holes drawn as the game draws it, into the build folder
// (board_preview.cpp), to check that the frame closes around any shape.
void WriteBoardPreview(const Sink& sink);

// Writes every generated picture on one grid with its name (contact_sheet.cpp).
void WriteContactSheet(const Sink& sink, const std::string& path);
// Lays screenshots out on a grid, a column per title and a row per name; files row by row
// (screenshot_sheet.cpp). 0 when every file was read.
int WriteScreenshotSheet(const std::string& out, const std::vector<std::string>& columns,
                         const std::vector<std::string>& rows, const std::vector<std::string>& files);
// Writes the list of generated files as a Markdown table (contact_sheet.cpp).
void WriteFileList(const Sink& sink, const std::string& path);

}  // namespace art
