#include "canvas.h"

namespace art {

SurfacePtr NewSurface(int w, int h) {
    return SurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
}

}  // namespace art
