// Encoding of generated pictures: PNG (libpng) and JPEG (libjpeg) from Cairo
// ARGB32 surfaces, and a writer that leaves a file untouched when its bytes
// would not change (so timestamps, and everything that depends on them, stay).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

// RGBA (straight alpha) pixels of an ARGB32 or RGB24 surface, row after row.
std::vector<std::uint8_t> SurfaceToRgba(cairo_surface_t* surface);

// PNG of the surface with straight alpha; compression level 0..9.
Bytes EncodePng(cairo_surface_t* surface, int compression = 6);
// Baseline JPEG of the surface (alpha dropped, composited over black); quality 1..100.
Bytes EncodeJpeg(cairo_surface_t* surface, int quality = 90);

// Writes bytes to path (creating folders) unless the file already holds exactly
// these bytes. Returns true when the file was written; throws nothing, reports
// failures on stderr and returns false.
bool WriteIfChanged(const std::string& path, const Bytes& bytes);

// Reads a whole file; an empty vector when it cannot be read.
Bytes ReadFileBytes(const std::string& path);

}  // namespace assetgen
