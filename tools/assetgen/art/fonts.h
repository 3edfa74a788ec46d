// The game's fonts: copied from Debian font packages into game/gfx/fonts/ under
// the names the game loads, each with its licence beside it, and opened for the
// pictures that carry lettering (captions, logo) through cairo-ft.
#pragma once

#include "sink.h"

#include <cairo.h>

#include <string>

namespace art {

enum class Face {
    Display,   // font1.ttf: titles, captions, buttons (EB Garamond Bold)
    Sans,      // arial.ttf: counters (Liberation Sans)
    SansBold,  // bold sans for big numerals drawn into pictures (DejaVu Sans Bold, not shipped)
    Serif,     // aparaj.ttf: credits (DejaVu Serif)
    // font1-fallback.ttf: the letters the display face lacks (it has Latin-1's signs but no
    // accented letters): EB Garamond Regular, which has them all
    DisplayFallback,
};

// Copies the font files and licences into the game folder.
void InstallFonts(Sink& sink);

// A Cairo face for the given font (kept for the whole run); null when the
// source file is missing, in which case Cairo's default face is used.
cairo_font_face_t* FontFace(Face face);
// Whether the face has a letter of its own for every character of the UTF-8 text.
bool FaceHasAll(Face face, const std::string& text);

}  // namespace art
