// The atlas of the GUI preview's sample script (gfx/gui/preview): a panel, a
// button and a star, at the places its hand-written sample_atlas.txt names.
#include "canvas.h"
#include "families.h"
#include "paint.h"

namespace art {

void DrawGuiSample(Sink& sink) {
    SurfacePtr sheet = NewSurface(400, 460);
    {
        Ctx cr(sheet.get());
        WoodPanel(cr, 0, 0, 400, 400, 28, 22, 4711);
        Button(cr, 0, 400, 200, 60, Hex(0x4E9A3A), ButtonState::Normal);
        PathFromPoints(cr, PolygonPoints(224, 424, 22, 5, -90, 9));
        SetRgb(cr, Hex(0xFAD450));
        cairo_fill(cr);
    }
    sink.Png("gfx/gui/preview/sample_atlas.png", sheet.get(),
             "GUI preview sample atlas (panel, button, star)");
}

}  // namespace art
