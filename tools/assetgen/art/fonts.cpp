#include "fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <iostream>
#include <mutex>

namespace art {

namespace {

struct FontSource {
    Face face;
    const char* file;      // installed by the Debian package
    const char* package;   // its licence is /usr/share/doc/<package>/copyright
    const char* gameName;  // name under gfx/fonts/, null when only used for drawing
};

const FontSource kFonts[] = {
    {Face::Display, "/usr/share/fonts/truetype/ebgaramond/EBGaramond12-Bold.ttf", "fonts-ebgaramond-extra",
     "font1.ttf"},
    {Face::Sans, "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf", "fonts-liberation",
     "arial.ttf"},
    {Face::SansBold, "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "fonts-dejavu-core", nullptr},
    {Face::Serif, "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf", "fonts-dejavu-core", "aparaj.ttf"},
};

// DejaVu Sans stands in for the small UI face; it is shipped but not drawn with.
const FontSource kTahoma = {Face::Sans, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                            "fonts-dejavu-core", "Tahoma.ttf"};

std::mutex gMutex;
FT_Library gLibrary = nullptr;
cairo_font_face_t* gFaces[4] = {};
bool gTried[4] = {};

void InstallOne(Sink& sink, const FontSource& f) {
    if (!f.gameName) return;
    const std::string name(f.gameName);
    const std::string stem = name.substr(0, name.rfind('.'));
    sink.CopyFile(f.file, "gfx/fonts/" + name, std::string("font, copied from ") + f.package);
    sink.CopyFile(std::string("/usr/share/doc/") + f.package + "/copyright",
                  "gfx/fonts/" + stem + "-LICENSE.txt", std::string("licence of ") + name);
}

}  // namespace

void InstallFonts(Sink& sink) {
    for (const FontSource& f : kFonts) InstallOne(sink, f);
    InstallOne(sink, kTahoma);
}

cairo_font_face_t* FontFace(Face face) {
    std::lock_guard<std::mutex> lock(gMutex);
    const int i = static_cast<int>(face);
    if (gTried[i]) return gFaces[i];
    gTried[i] = true;
    if (!gLibrary && FT_Init_FreeType(&gLibrary) != 0) return nullptr;
    for (const FontSource& f : kFonts) {
        if (f.face != face) continue;
        FT_Face ft = nullptr;
        if (FT_New_Face(gLibrary, f.file, 0, &ft) != 0) {
            std::cerr << "assetgen_art: cannot open font " << f.file << "\n";
            return nullptr;
        }
        // The face lives for the whole run, like the pictures drawn with it.
        gFaces[i] = cairo_ft_font_face_create_for_ft_face(ft, 0);
    }
    return gFaces[i];
}

}  // namespace art
