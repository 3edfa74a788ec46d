#include "gui/gui_object.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/screen.h"
#include "gui/gui_util.h"
#include "platform/platform.h"

void TGuiObject::VectorMe(float dx, float dy, float p) {
    if (!wasRemembered) {
        wasRemembered = 1;
        startCX = dim.cx;
        startCY = dim.cy;
    }
    dim.cx = startCX + dx - dx * p;
    dim.cy = startCY + dy - dy * p;
}

void TGuiObject::SetState(int newVisible, int newActive) {
    visible = newVisible;
    active = newActive;
}

void TGuiObject::_InitPosByAlign() {
    if (!pinTo) return;  // an aligned object without a target stays where it is
    const TDim& t = pinTo->dim;
    const float ax = standardProps->addX(), ay = standardProps->addY();
    switch (standardProps->dimAlign) {
        case TProperties::ALIGN_LEFT:
            dim.x = t.x + ax;
            dim.y = t.y + t.h / 2 - dim.h / 2 + ay;
            break;
        case TProperties::ALIGN_UP:
            dim.x = t.x + t.w / 2 - dim.w / 2 + ax;
            dim.y = t.y + ay;
            break;
        case TProperties::ALIGN_DOWN:
            dim.x = t.x + t.w / 2 - dim.w / 2 + ax;
            dim.y = t.y + t.h - dim.h + ay;
            break;
        case TProperties::ALIGN_RIGHT:
            dim.x = t.x + t.w - dim.w + ax;
            dim.y = t.y + t.h / 2 - dim.h / 2 + ay;
            break;
        default:
            break;
    }
}

void TGuiObject::_InitPosition() {
    if (standardProps->dimAlign != TProperties::ALIGN_NONE) {
        _InitPosByAlign();
        return;
    }
    dim.x = standardProps->dim.x + standardProps->addX();
    dim.y = standardProps->dim.y + standardProps->addY();
    if (pinTo) {
        // The declared place of the target, not its computed one.
        const TProperties& t = *pinTo->standardProps;
        dim.x += t.dim.x + t.addX();
        dim.y += t.dim.y + t.addY();
    }
}

void TGuiObject::_InitDimByImg() {
    dim.w = standardProps->img->w;
    dim.h = standardProps->img->h;
}

void TGuiObject::_InitDimByTxt() {
    const Font previous = GfxGetImageFont();
    if (standardProps->font) GfxSetImageFont(standardProps->font);
    dim.w = static_cast<float>(GfxTextWidth(standardProps->txt));
    dim.h = static_cast<float>(GfxTextHeight(standardProps->txt));
    GfxSetImageFont(previous);
}

void TGuiObject::InitDim() {
    if (dim.w != 0) return;
    if (standardProps->img) {
        _InitDimByImg();
    } else if (!standardProps->txt.empty()) {
        _InitDimByTxt();
    }
}

void TGuiObject::InitObject() {
    _InitPosition();
    dim.cx = dim.x + dim.w / 2;
    dim.cy = dim.y + dim.h / 2;
}

void TGuiObject::PinMeTo(TGuiObject* target) {
    pinTo = target;
    target->objects.push_back(this);
    InitObject();
}

PropsPtr TGuiObject::GetPropertiesByAction(int action) const {
    for (const auto& p : properties) {
        if (p->action == action) return p;
    }
    return nullptr;
}

PropsPtr TGuiObject::GetPropertiesByActionString(const std::string& name) const {
    const std::string n = UpperCase(name);
    if (n == "OVER") return GetPropertiesByAction(TProperties::OVER);
    if (n == "CLICK") return GetPropertiesByAction(TProperties::CLICK);
    if (n == "UNACTIVE") return GetPropertiesByAction(TProperties::UNACTIVE);
    return GetPropertiesByAction(TProperties::STANDARD);
}

void TGuiObject::_updateOver() {
    if (!active) {
        over = clicked = holded = 0;
        actProps = docProps = GetPropertiesByAction(TProperties::UNACTIVE);
        return;
    }
    const int oldHolded = holded;
    over = clicked = holded = 0;
    // Leaving the disabled state starts again from the standard set.
    actProps = standardProps;
    const bool byFocus = pointedByFocus >= 0;
    if (byFocus ? pointedByFocus == 0 : !mouse.inDim(dim)) {
        dPer = 0;
    } else {
        over = 1;
        if (docProps) lastAction = docProps->action;
        if (!byFocus && (mouse.leftHolded || mouse.leftPressed)) {
            docProps = GetPropertiesByAction(TProperties::CLICK);
            holded = 1;
        } else {
            docProps = GetPropertiesByAction(TProperties::OVER);
        }
        if (docProps && docProps->action != lastAction) per = 0;
        dPer = 1;
    }
    if (oldHolded && !holded) clicked = 1;
}

void TGuiObject::_updatePer() {
    per = std::clamp(Approach(per, dPer, stepDelta), 0.0f, 1.0f);
    stepPer = static_cast<float>(std::sin(per * std::numbers::pi / 2));
    if (dPer == 0 && per == 0) docProps = nullptr;
}

void TGuiObject::update() {
    _updateOver();
    _updatePer();
}
