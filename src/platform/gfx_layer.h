// Still layers: the first part of a frame's drawing (a background and what rests on it) kept in a
// picture of its own, so that a frame where little moves redraws only the little that moved.
//
// Between GfxBeginLayer and GfxEndLayer the draw calls are noted instead of drawn. GfxEndLayer
// compares them with the calls of the layer's previous frame, redraws its picture only where
// they differ (every call that touches such a spot, in order, from black), and copies the
// picture into the back buffer. The back buffer then holds exactly what the calls would have
// drawn on it: nothing a screen changes can be missed, since the calls themselves are compared.
//
// A layer stands for drawing on a cleared back buffer. When something was drawn since the last
// clear (a screen drawn over another), GfxBeginLayer draws the calls directly instead.
#pragma once

#include <memory>

struct GfxLayerData;
using GfxLayer = std::shared_ptr<GfxLayerData>;

GfxLayer GfxCreateLayer();
void GfxBeginLayer(const GfxLayer& layer);
void GfxEndLayer(const GfxLayer& layer);
// Logical pixels the last GfxEndLayer redrew (the whole area when drawn whole); -1 when it
// drew directly (over other drawing, or without a renderer).
long GfxLayerRedrawnArea(const GfxLayer& layer);
// Lets the picture go (a screen that is left); the next use draws it whole.
void GfxReleaseLayer(const GfxLayer& layer);
