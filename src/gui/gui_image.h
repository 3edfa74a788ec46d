// Images of GUI objects: single image files and named pieces of image atlases,
// with the atlas cache shared by every screen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/font_cache.h"
#include "platform/platform.h"

class TImgTexture;

// One drawable picture: a single image, or a source rectangle of an atlas.
class TImg {
public:
    TImgTexture* tex = nullptr;        // the atlas (owned by the cache), or none
    Image image;                       // a single image, or none
    std::string name;                  // piece name, upper case
    float x = 0, y = 0, w = 0, h = 0;  // source rectangle; for a single image its size
    float hx = 0, hy = 0;              // handle

    virtual ~TImg() = default;
    // Draws the picture with its handle at (x, y) in the current drawing state.
    virtual void draw(float px, float py) const;
};

// An atlas image with its pieces, read from the description file beside it.
class TImgTexture {
public:
    std::vector<std::shared_ptr<TImg>> imgs;
    Image img;
    std::string url;  // path, upper case

    virtual ~TImgTexture() = default;
    // Loads the atlas and its description ("name.txt" beside "name.png"); a
    // missing file shows a message box and leaves the atlas empty.
    virtual void loadTex(const std::string& path, int flags);
    // The piece of that name (trimmed, any case), or none.
    virtual std::shared_ptr<TImg> getImg(const std::string& name) const;
};

// Reads an atlas description: a count line that is skipped, then five lines
// per piece (name, x, y, width, height). Incomplete trailing pieces are ignored.
std::vector<std::shared_ptr<TImg>> ParseAtlasDescription(const std::string& text);

// The atlas of that path from the cache (path compared without case),
// loaded and cached on first use.
TImgTexture* GetAtlas(const std::string& path);

// The image of a GFX value: "file" loads a single image, "file|piece" takes a
// piece of an atlas. File names are taken from the script folder `baseDir`.
// None when the file or the piece is missing. The handle is the centre.
std::shared_ptr<TImg> LoadGfxValue(const std::string& value, const std::string& baseDir);
