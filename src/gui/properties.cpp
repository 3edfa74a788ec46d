#include "gui/properties.h"

namespace {
template <class T>
void FillAbsent(std::optional<T>& field, const std::optional<T>& from) {
    if (!field) field = from;
}
}  // namespace

void TProperties::copyFromProperties(const TProperties& src) {
    action = src.action;
    visible = src.visible;
    active = src.active;
    url = src.url;
    fontUrl = src.fontUrl;
    stepP = src.stepP;
    if (dimAlign == ALIGN_NONE) dimAlign = src.dimAlign;
    if (txt.empty()) txt = src.txt;
    FillAbsent(alpha, src.alpha);
    FillAbsent(shadow, src.shadow);
    FillAbsent(scale, src.scale);
    FillAbsent(rgb, src.rgb);
    FillAbsent(tAlpha, src.tAlpha);
    FillAbsent(tShadow, src.tShadow);
    FillAbsent(tScale, src.tScale);
    FillAbsent(tRgb, src.tRgb);
    FillAbsent(outRgb, src.outRgb);
    FillAbsent(textAddDim, src.textAddDim);
    if (!img) img = src.img;
    if (!font) font = src.font;
}
