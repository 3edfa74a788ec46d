// One element of a GUI layout: an image, a text or both, placed by position,
// pin and alignment, changing smoothly between its property sets as the mouse
// moves over it and presses it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/properties.h"

using PropsPtr = std::shared_ptr<TProperties>;

class TGuiObject {
public:
    PropsPtr standardProps;
    PropsPtr actProps;                 // the set the object is in (transition source)
    PropsPtr docProps;                 // the set it moves to, or none
    std::vector<PropsPtr> properties;  // state sets in script order
    TDim dim;                          // hit rectangle and drawing centre
    float per = 0, dPer = 0, stepPer = 0;
    float stepDelta = 1;
    float scaleX = 1, scaleY = 1;
    std::string id;  // upper case
    int visible = 1, active = 1;
    float alpha = 1;                   // opacity factor of the screen
    std::vector<TGuiObject*> objects;  // the objects pinned to this one
    TGuiObject* pinTo = nullptr;
    int over = 0, clicked = 0, holded = 0;
    // -1: the mouse says whether the object is pointed at; 0 or 1: the keyboard focus, shown, says.
    int pointedByFocus = -1;
    int lastAction = 0;
    int wasRemembered = 0;
    float startCX = 0, startCY = 0;

    virtual ~TGuiObject() = default;

    // Moves the drawing centre: (dx, dy) away at per 0, home at per 1.
    virtual void VectorMe(float dx, float dy, float p);
    // The screen's switch: (0, 0) hides, (1, 1) shows.
    virtual void SetState(int newVisible, int newActive);

    // Layout.
    virtual void _InitPosByAlign();
    virtual void _InitPosition();
    virtual void _InitDimByImg();
    virtual void _InitDimByTxt();
    virtual void InitDim();
    virtual void InitObject();
    virtual void PinMeTo(TGuiObject* target);

    virtual PropsPtr GetPropertiesByAction(int action) const;
    virtual PropsPtr GetPropertiesByActionString(const std::string& name) const;

    // Drawing (gui_object_draw.cpp).
    virtual void draw();
    virtual void _drawImage();
    virtual void _drawText();

    // Per-frame state.
    virtual void _updateOver();
    virtual void _updatePer();
    virtual void update();

protected:
    void _drawOnlyProps(const TProperties& p);
    void _drawNormalImages(const TProperties& act, const TProperties& doc);
    void _drawImageStep(const TProperties& act, const TProperties& doc);
    void _drawTextProps(const TProperties& p, const std::string& text, float ax, float ay, float factor);
    void _drawTextPropsOutline(const TProperties& p, float ax, float ay);
    void _drawNormalTexts(const TProperties& act, const TProperties& doc);
    void _drawTextStep(const TProperties& act, const TProperties& doc);
    void _drawTextShadow(const TShadow& s, const std::string& text, float ax, float ay, float factor);
    void _drawMyText(const std::string& text, float x, float y);
    void _applyTextScale(const TProperties& p) const;
    void _applyTextFont(const TProperties& p) const;
    float _textAlpha(const TProperties& p) const;
    void _applyTextRGB(const TProperties& p) const;
    float _anchorX(const TProperties& p) const;
    float _anchorY(const TProperties& p) const;
    float CountXStep(const TProperties& act, const TProperties& doc) const;
    float CountYStep(const TProperties& act, const TProperties& doc) const;
    // The disabled set with what it lacks taken from the standard set.
    TProperties _disabledLook() const;
};
