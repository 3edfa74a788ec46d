#include "fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
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
    {Face::DisplayFallback, "/usr/share/fonts/truetype/ebgaramond/EBGaramond12-Regular.ttf",
     "fonts-ebgaramond-extra", "font1-fallback.ttf"},
};

// DejaVu Sans stands in for the small UI face; it is shipped but not drawn with.
const FontSource kTahoma = {Face::Sans, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                            "fonts-dejavu-core", "Tahoma.ttf"};

std::mutex gMutex;
FT_Library gLibrary = nullptr;
constexpr int kFaces = 5;
cairo_font_face_t* gFaces[kFaces] = {};
FT_Face gFtFaces[kFaces] = {};
bool gTried[kFaces] = {};

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
        gFtFaces[i] = ft;
        gFaces[i] = cairo_ft_font_face_create_for_ft_face(ft, 0);
    }
    return gFaces[i];
}

bool FaceHasAll(Face face, const std::string& text) {
    if (!FontFace(face)) return false;
    const FT_Face ft = gFtFaces[static_cast<int>(face)];
    for (size_t i = 0; i < text.size();) {
        // UTF-8 to a code point (the texts are well-formed: the game's checks see to that).
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        std::uint32_t cp = length == 1 ? c : c & (0x7F >> length);
        for (int k = 1; k < length && i + static_cast<size_t>(k) < text.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0x3F);
        i += static_cast<size_t>(length);
        if (FT_Get_Char_Index(ft, cp) == 0) return false;
    }
    return true;
}

}  // namespace art
