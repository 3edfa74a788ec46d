// The village family: renders every building in every stage on the village's
// own coordinates, cuts each picture tight, and writes the pictures, their
// positions ("data/buildings.txt"), the item icons, the research building's
// glow and two review pictures of the whole village into the build folder.
#include "village.h"

#include "families.h"
#include "village_buildings.h"
#include "village_parts.h"

#include "common/image_io.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace art {

namespace village {

namespace {

// Room around a building's ground point for anything it may hold.
constexpr int kLeft = 100, kRight = 210, kUp = 230, kDown = 40;

Picture Crop(cairo_surface_t* s, int ox, int oy) {
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x)
            if ((row[x] >> 24) > 6) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    }
    Picture p;
    if (x1 < 0) {
        p.s = NewSurface(1, 1);
        p.x = ox;
        p.y = oy;
        return p;
    }
    p.s = NewSurface(x1 - x0 + 1, y1 - y0 + 1);
    Ctx cr(p.s.get());
    cairo_set_source_surface(cr, s, -x0, -y0);
    cairo_paint(cr);
    p.x = ox + x0;
    p.y = oy + y0;
    return p;
}

std::string Url(int id, const std::string& suffix) {
    return "gfx/village/building-" + std::to_string(id) + suffix + ".png";
}

void Paste(cairo_t* cr, const Picture& p, double alpha = 1) {
    cairo_set_source_surface(cr, p.s.get(), p.x, p.y);
    cairo_paint_with_alpha(cr, alpha);
}

void Cross(cairo_t* cr, P2 p, Rgb c) {
    cairo_arc(cr, p.x, p.y, 5, 0, 2 * M_PI);
    cairo_move_to(cr, p.x - 9, p.y);
    cairo_line_to(cr, p.x + 9, p.y);
    cairo_move_to(cr, p.x, p.y - 9);
    cairo_line_to(cr, p.x, p.y + 9);
    cairo_set_line_width(cr, 1.5);
    SetRgb(cr, c);
    cairo_stroke(cr);
}

void Walk(cairo_t* cr, P2 a, P2 b, Rgb c) {
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_set_line_width(cr, 2);
    SetRgb(cr, c, 0.9);
    cairo_stroke(cr);
    for (const P2& p : {a, b}) {
        cairo_arc(cr, p.x, p.y, 3, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

// Where the game will put smoke, animals, counters and the offer row, over the village.
void Marks(cairo_t* cr) {
    for (const P2& p : kChimneyPoints) Cross(cr, p, Hex(0xFF2020));
    const Rgb hen = Hex(0xFFE040), pig = Hex(0xFF80C0), sheep = Hex(0xFFFFFF), rabbit = Hex(0x40E0FF);
    Walk(cr, {900, 250}, {960, 250}, hen);
    Walk(cr, {965, 268}, {905, 232}, hen);
    Walk(cr, {250, 280}, {370, 310}, pig);
    Walk(cr, {365, 340}, {250, 320}, pig);
    Walk(cr, {205, 225}, {300, 160}, pig);
    Walk(cr, {415, 150}, {470, 118}, sheep);
    Walk(cr, {755, 220}, {680, 210}, sheep);
    for (double y : {270.0, 400.0}) Walk(cr, {-60, y}, {32, y}, rabbit);
    for (double y : {245.0, 390.0}) Walk(cr, {1080, y}, {980, y}, rabbit);
    Cross(cr, {920, 445}, Hex(0xC08040));
    Cross(cr, {865, 325}, Hex(0xC08040));
    cairo_rectangle(cr, 50, 0, 400, 110);
    // The village's buttons: "options" and "show" above each other, "continue" at the bottom.
    cairo_rectangle(cr, 864, 10, 150, 108);
    cairo_rectangle(cr, 794, 694, 220, 64);
    cairo_move_to(cr, 0, 654);
    cairo_line_to(cr, 1024, 654);
    cairo_set_line_width(cr, 1);
    SetRgb(cr, Hex(0xFFFFFF), 0.7);
    cairo_stroke(cr);
}

void WritePreview(const std::string& path, cairo_surface_t* back, const std::vector<const Picture*>& pics,
                  bool marks) {
    SurfacePtr s = NewSurface(1024, 768);
    Ctx cr(s.get());
    cairo_set_source_surface(cr, back, 0, 0);
    cairo_paint(cr);
    for (const Picture* p : pics) Paste(cr, *p);
    if (marks) Marks(cr);
    assetgen::WriteIfChanged(path + ".png", assetgen::EncodePng(s.get(), 3));
    // A half-size copy for the documentation.
    SurfacePtr small = NewSurface(512, 384);
    Ctx sc(small.get());
    cairo_scale(sc, 0.5, 0.5);
    cairo_set_source_surface(sc, s.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(sc), CAIRO_FILTER_GOOD);
    cairo_paint(sc);
    assetgen::WriteIfChanged(path + "-small.png", assetgen::EncodePng(small.get(), 9));
}

struct Rendered {
    Picture basic, upgraded, stage[3];
};

}  // namespace

Picture RenderBuilding(const Design& d, P2 origin, Stage stage, std::uint64_t seed) {
    const int ox = static_cast<int>(std::floor(origin.x)) - kLeft,
              oy = static_cast<int>(std::floor(origin.y)) - kUp;
    SurfacePtr s = NewSurface(kLeft + kRight, kUp + kDown);
    {
        Ctx cr(s.get());
        cairo_translate(cr, -ox, -oy);
        DrawDesign(cr, origin, d, stage, seed);
    }
    return Crop(s.get(), ox, oy);
}

}  // namespace village

void DrawVillage(Sink& sink) {
    using namespace village;
    SurfacePtr back = VillageBack();
    sink.Jpg("gfx/gui/landScreen/back.jpg", back.get(), "village picture (land screen and main menu)", 90);
    const std::vector<BuildingArt>& all = VillageBuildings();
    std::map<int, Rendered> pics;
    std::string rcm = "land {\n\tobjects = " + std::to_string(all.size()) + "\n";
    int n = 0;
    for (const BuildingArt& b : all) {
        Rendered& r = pics[b.id];
        const std::uint64_t seed = 7000 + static_cast<std::uint64_t>(b.id) * 10;
        r.basic = RenderBuilding(b.basic, b.origin, Stage::Done, seed);
        sink.Png(Url(b.id, ""), r.basic.s.get(), std::string("building: ") + b.name);
        if (b.hasUpgrade) {
            r.upgraded = RenderBuilding(b.upgraded, b.origin, Stage::Done, seed);
            sink.Png(Url(b.id, "-up"), r.upgraded.s.get(), std::string("building upgraded: ") + b.name);
        }
        const char* stageNames[] = {"staked plot", "timber frame", "walls without roof"};
        for (int k = 0; k < 3; ++k) {
            r.stage[k] = RenderBuilding(b.basic, b.origin, static_cast<Stage>(k + 1), seed);
            sink.Png(Url(b.id, "-stage-" + std::to_string(k + 1)), r.stage[k].s.get(),
                     std::string("construction, ") + stageNames[k] + ": " + b.name);
        }
        const Picture& up = b.hasUpgrade ? r.upgraded : r.basic;
        rcm += "\tobject" + std::to_string(++n) + " {\n\t\tid = " + std::to_string(b.id) +
               "\n\t\tbasicUrl = \"" + Url(b.id, "") + "\"\n\t\tupgradedUrl = \"" +
               (b.hasUpgrade ? Url(b.id, "-up") : "") + "\"\n\t\tdim = " + std::to_string(r.basic.x) + ", " +
               std::to_string(r.basic.y) + "\n\t\tupgradeDim = " + std::to_string(up.x) + ", " +
               std::to_string(up.y) + "\n";
        for (int k = 0; k < 3; ++k)
            rcm += "\t\tbuildstate" + std::to_string(k + 1) + " {\n\t\t\turl = \"" +
                   Url(b.id, "-stage-" + std::to_string(k + 1)) +
                   "\"\n\t\t\tposition = " + std::to_string(r.stage[k].x) + ", " +
                   std::to_string(r.stage[k].y) + "\n\t\t}\n";
        rcm += "\t}\n";
    }
    rcm += "}\n";
    sink.Text("data/buildings.txt", rcm, "the buildings' pictures and positions on the village picture");

    // The research building under the mouse: its pictures in a warm glow, larger by the
    // handle offsets the game draws them with.
    const Rendered& hall = pics[7];
    SurfacePtr glow = WithGlow(hall.basic.s.get(), 9, 11), glowUp = WithGlow(hall.upgraded.s.get(), 14, 13);
    sink.Png("gfx/gui/landScreen/over-hall.png", glow.get(),
             "research building under the mouse, handle (9,11)");
    sink.Png("gfx/gui/landScreen/over-hall-2.png", glowUp.get(),
             "upgraded research building under the mouse, handle (14,13)");

    // Item id -> the building picture it builds or upgrades to.
    const int kItemBuilding[24][2] = {{6, 0}, {1, 0}, {10, 0}, {12, 0}, {2, 0}, {13, 0}, {8, 0},  {7, 0},
                                      {9, 0}, {6, 1}, {3, 0},  {12, 1}, {2, 1}, {4, 0},  {10, 1}, {11, 0},
                                      {9, 1}, {7, 1}, {15, 0}, {5, 0},  {3, 1}, {14, 0}, {1, 1},  {13, 1}};
    std::vector<const Picture*> items;
    for (const auto& ib : kItemBuilding) items.push_back(ib[1] ? &pics[ib[0]].upgraded : &pics[ib[0]].basic);
    DrawItemIcons(sink, items);

    // Review pictures: the finished village as the main menu shows it with the places the
    // game uses marked, and a village half built.
    std::vector<const Picture*> full, half;
    for (const BuildingArt& b : all) full.push_back(b.hasUpgrade ? &pics[b.id].upgraded : &pics[b.id].basic);
    WritePreview(sink.BuildDir() + "/village-preview", back.get(), full, true);
    WritePreview(sink.BuildDir() + "/village-complete", back.get(), full, false);
    const std::map<int, int> halfStage = {{1, 0}, {2, 0},  {3, 0},  {5, 0},  {11, 0}, {7, 0},
                                          {6, 1}, {10, 2}, {15, 3}, {13, 3}, {4, 2}};
    for (const BuildingArt& b : all) {
        const auto it = halfStage.find(b.id);
        if (it == halfStage.end()) continue;
        half.push_back(it->second ? &pics[b.id].stage[it->second - 1] : &pics[b.id].basic);
    }
    WritePreview(sink.BuildDir() + "/village-half", back.get(), half, false);
    WritePreview(sink.BuildDir() + "/village-empty", back.get(), {}, false);
}

}  // namespace art
