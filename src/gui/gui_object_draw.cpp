// Drawing of a GUI object: the image part, then the text part, each either in
// one set or in the transition between the current set and the target set.
#include <optional>

#include "gui/gui_object.h"
#include "platform/platform.h"

namespace {
float Lerp(float a, float b, float t) { return a + (b - a) * t; }

TScale Lerp(const TScale& a, const TScale& b, float t) {
    return TScale{Lerp(a.sx, b.sx, t), Lerp(a.sy, b.sy, t)};
}

TRGB Lerp(const TRGB& a, const TRGB& b, float t) {
    auto trunc = [](float v) { return static_cast<float>(static_cast<int>(v)); };
    return TRGB{trunc(Lerp(a.r, b.r, t)), trunc(Lerp(a.g, b.g, t)), trunc(Lerp(a.b, b.b, t))};
}

TAlpha Lerp(const TAlpha& a, const TAlpha& b, float t) { return TAlpha{Lerp(a.a, b.a, t)}; }

// A value during a transition: interpolated when both sets define it, else
// the one that does, else the standard set's (which may be absent too).
template <class T>
std::optional<T> StepValue(const std::optional<T>& act, const std::optional<T>& doc,
                           const std::optional<T>& standard, float t, bool& interpolated) {
    interpolated = act && doc;
    if (interpolated) return Lerp(*act, *doc, t);
    if (act) return act;
    if (doc) return doc;
    return standard;
}
}  // namespace

TProperties TGuiObject::_disabledLook() const {
    TProperties look = *GetPropertiesByAction(TProperties::UNACTIVE);
    if (!look.addDim) look.addDim = standardProps->addDim;
    look.copyFromProperties(*standardProps);
    return look;
}

void TGuiObject::draw() {
    if (!visible) return;
    GfxSetRotation(0);
    GfxSetBlend(GFX_BLEND_ALPHA);
    if (!active && GetPropertiesByAction(TProperties::UNACTIVE)) {
        // A disabled object shows its disabled set, completed by the standard set.
        const TProperties look = _disabledLook();
        _drawOnlyProps(look);
        GfxSetColor(255, 255, 255);
        if (!look.txt.empty()) {
            _drawTextPropsOutline(look, _anchorX(look), _anchorY(look));
            _drawTextProps(look, look.txt, _anchorX(look), _anchorY(look), 1);
        }
        return;
    }
    _drawImage();
    GfxSetColor(255, 255, 255);
    _drawText();
}

// ---------------------------------------------------------------------------
// Image part
// ---------------------------------------------------------------------------
namespace {
struct ImageLook {
    TScale scale;
    float alpha = 1;
    TRGB rgb;
};

ImageLook LookOf(const TProperties& p, const TProperties& standard, float sx, float sy, float objAlpha) {
    ImageLook look;
    const TScale s = p.scale ? *p.scale : standard.scale.value_or(TScale{});
    look.scale = TScale{s.sx * sx, s.sy * sy};
    look.alpha = (p.alpha ? p.alpha->a : standard.alpha.value_or(TAlpha{}).a) * objAlpha;
    look.rgb = p.rgb ? *p.rgb : standard.rgb.value_or(TRGB{});
    return look;
}

void Apply(const ImageLook& look, float alphaFactor) {
    GfxSetScale(look.scale.sx, look.scale.sy);
    GfxSetAlpha(look.alpha * alphaFactor);
    SetColorRGB(look.rgb);
}
}  // namespace

void TGuiObject::_drawImage() {
    if (actProps && docProps) {
        if (docProps->img) {
            _drawNormalImages(*actProps, *docProps);
        } else if (actProps->img) {
            _drawImageStep(*actProps, *docProps);
        }
        return;
    }
    _drawOnlyProps(actProps ? *actProps : *standardProps);
}

void TGuiObject::_drawOnlyProps(const TProperties& p) {
    Apply(LookOf(p, *standardProps, scaleX, scaleY, alpha), 1);
    if (p.img) p.img->draw(dim.cx + p.addX(), dim.cy + p.addY());
}

void TGuiObject::_drawNormalImages(const TProperties& act, const TProperties& doc) {
    if (act.img) {
        Apply(LookOf(act, *standardProps, scaleX, scaleY, alpha), 1);
        act.img->draw(dim.cx, dim.cy);
    }
    Apply(LookOf(doc, *standardProps, scaleX, scaleY, alpha), stepPer);
    doc.img->draw(dim.cx, dim.cy);
}

void TGuiObject::_drawImageStep(const TProperties& act, const TProperties& doc) {
    const TProperties& s = *standardProps;
    bool both = false;
    TScale scale = StepValue(act.scale, doc.scale, s.scale, stepPer, both).value_or(TScale{});
    if (!both) scale = TScale{scale.sx * scaleX, scale.sy * scaleY};
    GfxSetScale(scale.sx, scale.sy);
    SetColorRGB(StepValue(act.rgb, doc.rgb, s.rgb, stepPer, both).value_or(TRGB{}));
    GfxSetAlpha(StepValue(act.alpha, doc.alpha, s.alpha, stepPer, both).value_or(TAlpha{}).a * alpha);
    act.img->draw(dim.cx + CountXStep(act, doc), dim.cy + CountYStep(act, doc));
}

float TGuiObject::CountXStep(const TProperties& act, const TProperties& doc) const {
    return (doc.addX() - act.addX()) * stepPer;
}

float TGuiObject::CountYStep(const TProperties& act, const TProperties& doc) const {
    return (doc.addY() - act.addY()) * stepPer;
}

// ---------------------------------------------------------------------------
// Text part
// ---------------------------------------------------------------------------
float TGuiObject::_anchorX(const TProperties& p) const {
    return dim.cx + p.addX() + (p.textAddDim ? p.textAddDim->x : 0);
}

float TGuiObject::_anchorY(const TProperties& p) const {
    return dim.cy + p.addY() + (p.textAddDim ? p.textAddDim->y : 0);
}

void TGuiObject::_applyTextScale(const TProperties& p) const {
    const std::optional<TScale>& s = p.tScale ? p.tScale : standardProps->tScale;
    if (s) GfxSetScale(s->sx * scaleX, s->sy * scaleY);  // with neither, the image's scale stays
}

void TGuiObject::_applyTextFont(const TProperties& p) const {
    const Font& f = p.font ? p.font : standardProps->font;
    if (f) GfxSetImageFont(f);
}

float TGuiObject::_textAlpha(const TProperties& p) const {
    if (p.tAlpha) return p.tAlpha->a;
    return standardProps->tAlpha.value_or(TAlpha{}).a;
}

void TGuiObject::_applyTextRGB(const TProperties& p) const {
    const std::optional<TRGB>& c = p.tRgb ? p.tRgb : standardProps->tRgb;
    if (c) SetColorRGB(*c);  // with neither, the colour set last stays
}

void TGuiObject::_drawMyText(const std::string& text, float x, float y) {
    const int w = GfxTextWidth(text);
    const int h = GfxTextHeight(text);
    GfxDrawText(text, x - static_cast<float>(w / 2), y - static_cast<float>(h / 2));
}

void TGuiObject::_drawTextShadow(const TShadow& s, const std::string& text, float ax, float ay,
                                 float factor) {
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(factor * s.a * alpha);
    _drawMyText(text, ax + s.x, ay + s.y);
}

void TGuiObject::_drawTextPropsOutline(const TProperties& p, float ax, float ay) {
    if (!p.outRgb || p.txt.empty()) return;
    _applyTextScale(p);
    GfxSetAlpha(_textAlpha(p) * alpha);
    SetColorRGB(*p.outRgb);
    _applyTextFont(p);
    for (int dy = -1; dy <= 1; dy += 2) {
        for (int dx = -1; dx <= 1; dx += 2) _drawMyText(p.txt, ax + dx, ay + dy);
    }
}

void TGuiObject::_drawTextProps(const TProperties& p, const std::string& text, float ax, float ay,
                                float factor) {
    _applyTextScale(p);
    _applyTextFont(p);
    if (p.tShadow) _drawTextShadow(*p.tShadow, text, ax, ay, factor);
    GfxSetAlpha(_textAlpha(p) * alpha * factor);
    _applyTextRGB(p);
    _drawMyText(text, ax, ay);
}

void TGuiObject::_drawText() {
    if (actProps && docProps) {
        if (!docProps->txt.empty() || docProps->font) {
            _drawNormalTexts(*actProps, *docProps);
        } else if (!actProps->txt.empty()) {
            _drawTextStep(*actProps, *docProps);
        }
        return;
    }
    const TProperties& p = actProps ? *actProps : *standardProps;
    if (p.txt.empty()) return;
    _drawTextPropsOutline(p, _anchorX(p), _anchorY(p));
    _drawTextProps(p, p.txt, _anchorX(p), _anchorY(p), 1);
}

void TGuiObject::_drawNormalTexts(const TProperties& act, const TProperties& doc) {
    if (!act.txt.empty()) _drawTextProps(act, act.txt, _anchorX(act), _anchorY(act), 1 - stepPer);
    const TProperties& source = doc.txt.empty() ? act : doc;
    if (!source.txt.empty()) _drawTextProps(doc, source.txt, _anchorX(source), _anchorY(source), stepPer);
}

void TGuiObject::_drawTextStep(const TProperties& act, const TProperties& doc) {
    const TProperties& s = *standardProps;
    const float ax = _anchorX(act) + CountXStep(act, doc);
    const float ay = _anchorY(act) + CountYStep(act, doc);
    _drawTextPropsOutline(act, ax, ay);

    bool both = false;
    if (auto scale = StepValue(act.tScale, doc.tScale, s.tScale, stepPer, both)) {
        if (!both) *scale = TScale{scale->sx * scaleX, scale->sy * scaleY};
        GfxSetScale(scale->sx, scale->sy);
    }
    _applyTextFont(act);
    const std::optional<TRGB> colour = StepValue(act.tRgb, doc.tRgb, s.tRgb, stepPer, both);

    // The shadow follows the text opacity of whichever set decides it.
    float textAlpha = 1, shadowFactor = 1;
    const std::optional<TShadow>* shadow = nullptr;
    if (act.tAlpha && doc.tAlpha) {
        textAlpha = shadowFactor = Lerp(act.tAlpha->a, doc.tAlpha->a, stepPer);
        shadow = &act.tShadow;
    } else if (!act.tAlpha && !doc.tAlpha) {
        textAlpha = shadowFactor = s.tAlpha.value_or(TAlpha{}).a;
        shadow = &s.tShadow;
    } else {
        const TProperties& defining = act.tAlpha ? act : doc;
        textAlpha = defining.tAlpha->a;
        shadow = &defining.tShadow;
    }
    if (*shadow) _drawTextShadow(**shadow, act.txt, ax, ay, shadowFactor);
    GfxSetAlpha(textAlpha * alpha);
    if (colour) SetColorRGB(*colour);
    _drawMyText(act.txt, ax, ay);
}
