// The intro's wide layers are cut into pictures that the scenes lay side by side (and scene 1's
// ferns lie over the foot of its curtain of leaves). Where two pictures meet, the picture must go
// on: no shape cut off in a straight line, no glow that stops at the joint. Read from the
// generated files, laid out as the scenes draw them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/image_codecs.h"
#include "platform/platform.h"

namespace {
const std::string kIntro = "game/gfx/story/intro/";

// A picture placed in its layer's coordinates; later pieces are drawn over earlier ones.
struct Piece {
    std::string file;
    int x = 0, y = 0;
};
struct Layer {
    std::string name;
    std::vector<Piece> pieces;
};

// Tiles prefix + k + ext laid left to right, `width` apart.
Layer Tiles(const std::string& scene, const std::string& prefix, int count, int width,
            const std::string& ext = ".png") {
    Layer layer{scene + prefix, {}};
    for (int k = 0; k < count; k++)
        layer.pieces.push_back({kIntro + scene + prefix + std::to_string(k) + ext, k * width, 0});
    return layer;
}

// Every layer of the intro made of more than one picture, placed as its scene draws it.
std::vector<Layer> IntroLayers() {
    std::vector<Layer> layers;
    for (int l = 1; l <= 5; l++)
        layers.push_back(Tiles("scene-1/", "layer-" + std::to_string(l) + "-", 4, 512));
    // The curtain of leaves at 581, the ferns at (0, 515) over it: both slide together.
    layers.push_back(
        {"scene-1/layer-6",
         {{kIntro + "scene-1/layer-6-0.png", 581, 0}, {kIntro + "scene-1/layer-6-1.png", 0, 515}}});
    layers.push_back(Tiles("scene-2/", "layer-1-", 6, 512, ".jpg"));
    layers.push_back(Tiles("scene-2/", "layer-2-", 6, 512));
    layers.push_back(Tiles("scene-2/", "layer-3-", 3, 1024));
    Layer sky = Tiles("scene-3/", "layer-1-", 6, 512, ".jpg");
    sky.pieces[2].file = kIntro + "scene-3/layer-1-2.png";
    layers.push_back(sky);
    for (int l = 2; l <= 3; l++)
        layers.push_back(Tiles("scene-3/", "layer-" + std::to_string(l) + "-", 6, 512));
    layers.push_back(Tiles("scene-3/", "layer-4-", 3, 1024));
    layers.push_back(Tiles("scene-4/", "back-", 2, 1024, ".jpg"));
    layers.push_back(Tiles("scene-6/", "back-", 2, 1024, ".jpg"));
    return layers;
}

// A layer's pictures composed in drawing order: straight RGBA in 0..1, and which picture
// covers each pixel (-1: none).
struct Composed {
    int w = 0, h = 0;
    std::vector<float> rgba;
    std::vector<int> cover;
    const float* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
    int coveredBy(int x, int y) const { return cover[static_cast<size_t>(y) * w + x]; }
};

bool Decode(const std::string& path, DecodedImage& img) {
    const std::string bytes = FsLoadString(path);
    std::string error;
    const bool jpeg = path.size() > 4 && path.compare(path.size() - 4, 4, ".jpg") == 0;
    return jpeg ? DecodeJpeg(bytes, img, error) : DecodePng(bytes, img, error);
}

bool Compose(const Layer& layer, Composed& out, std::vector<DecodedImage>& pictures) {
    pictures.clear();
    for (const Piece& piece : layer.pieces) {
        pictures.emplace_back();
        if (!Decode(piece.file, pictures.back())) {
            ADD_FAILURE() << "cannot read " << piece.file;
            return false;
        }
        out.w = std::max(out.w, piece.x + pictures.back().w);
        out.h = std::max(out.h, piece.y + pictures.back().h);
    }
    out.rgba.assign(static_cast<size_t>(out.w) * out.h * 4, 0.0f);
    out.cover.assign(static_cast<size_t>(out.w) * out.h, -1);
    for (size_t i = 0; i < pictures.size(); i++) {
        const DecodedImage& img = pictures[i];
        for (int y = 0; y < img.h; y++)
            for (int x = 0; x < img.w; x++) {
                const std::uint8_t* s = &img.rgba[(static_cast<size_t>(y) * img.w + x) * 4];
                const int X = layer.pieces[i].x + x, Y = layer.pieces[i].y + y;
                float* d = &out.rgba[(static_cast<size_t>(Y) * out.w + X) * 4];
                const float a = s[3] / 255.0f, under = d[3] * (1 - a), alpha = a + under;
                for (int c = 0; c < 3; c++) d[c] = alpha > 0 ? (s[c] / 255.0f * a + d[c] * under) / alpha : 0;
                d[3] = alpha;
                out.cover[static_cast<size_t>(Y) * out.w + X] = static_cast<int>(i);
            }
    }
    return true;
}

// How the two columns either side of a joint at x differ over the rows where both sides are
// covered by a picture of the layer.
struct JointDifference {
    int rows = 0;           // rows compared
    double colour = 0;      // mean difference in 0..255 of the colour, where both sides are opaque
    int opacityBreaks = 0;  // rows where one side is opaque and the other clear: a shape cut off
};

JointDifference AcrossJoint(const Composed& layer, int x, int y0, int y1) {
    JointDifference d;
    double sum = 0;
    int opaqueRows = 0;
    for (int y = y0; y < y1; y++) {
        if (layer.coveredBy(x - 1, y) < 0 || layer.coveredBy(x, y) < 0) continue;
        d.rows++;
        const float *l = layer.at(x - 1, y), *r = layer.at(x, y);
        if (std::fabs(l[3] - r[3]) > 0.5f) d.opacityBreaks++;
        if (l[3] > 0.98f && r[3] > 0.98f) {
            opaqueRows++;
            sum += (std::fabs(l[0] - r[0]) + std::fabs(l[1] - r[1]) + std::fabs(l[2] - r[2])) / 3 * 255;
        }
    }
    d.colour = opaqueRows > 0 ? sum / opaqueRows : 0;
    return d;
}

// A joint may cross a shape's own edge here and there (a house wall, a pennant), never a whole
// stretch of it: the colour bound lies far below a cut-off glow and above the joints' own
// colour changes (a mean of 3.3 for a row of windows that begins at one). Grass, legs and trunks
// are opaque in one column and clear in the next along many rows wherever they stand, so a
// joint's breaks are measured against those between the columns near it: a shape cut off at the
// joint breaks there alone.
constexpr double kMaxMeanColour = 6;
constexpr int kMaxOpacityBreaks = 6;
constexpr int kNear = 8;

int MostBreaksNear(const Composed& layer, int x, int y0, int y1) {
    int most = 0;
    for (int d = 2; d <= kNear; d++)
        for (int at : {x - d, x + d})
            if (at > 0 && at < layer.w) most = std::max(most, AcrossJoint(layer, at, y0, y1).opacityBreaks);
    return most;
}
}  // namespace

TEST(IntroSeams, PicturesLaidSideBySideJoinWithoutAnEdge) {
    for (const Layer& layer : IntroLayers()) {
        Composed composed;
        std::vector<DecodedImage> pictures;
        if (!Compose(layer, composed, pictures)) continue;
        // Every edge of a picture inside the layer is a joint, over the picture's rows.
        for (size_t i = 0; i < layer.pieces.size(); i++) {
            const Piece& piece = layer.pieces[i];
            for (int x : {piece.x, piece.x + pictures[i].w}) {
                if (x <= 0 || x >= composed.w) continue;
                const JointDifference d = AcrossJoint(composed, x, piece.y, piece.y + pictures[i].h);
                if (d.rows == 0) continue;
                EXPECT_LE(d.colour, kMaxMeanColour) << layer.name << ": the colour jumps at x " << x;
                const int near = MostBreaksNear(composed, x, piece.y, piece.y + pictures[i].h);
                EXPECT_LE(d.opacityBreaks, std::max(kMaxOpacityBreaks, 2 * near))
                    << layer.name << ": a shape ends in a straight line at x " << x << " over "
                    << d.opacityBreaks << " of " << d.rows << " rows (" << near
                    << " between the columns near it)";
            }
        }
    }
}
