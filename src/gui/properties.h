// One property set of a GUI object: what a state (normal, over, pressed,
// disabled) looks like. Absent values fall back to the standard set.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "frame/value_types.h"
#include "gui/gui_image.h"

class TProperties {
public:
    static constexpr int STANDARD = 0;
    static constexpr int OVER = 1;
    static constexpr int CLICK = 2;
    static constexpr int UNACTIVE = 3;

    static constexpr int ALIGN_NONE = 0;
    static constexpr int ALIGN_LEFT = 1;
    static constexpr int ALIGN_UP = 2;
    static constexpr int ALIGN_DOWN = 3;
    static constexpr int ALIGN_RIGHT = 4;

    std::string id;  // class name, for property classes
    int action = STANDARD;
    int visible = 1;
    int active = 1;
    TDim dim;  // POSITION
    int dimAlign = ALIGN_NONE;
    std::optional<TDim> addDim;
    std::optional<TAlpha> alpha;
    std::optional<TShadow> shadow;
    std::optional<TScale> scale;
    std::shared_ptr<TImg> img;
    std::optional<TRGB> rgb;
    std::string txt;
    std::optional<TAlpha> tAlpha;
    std::optional<TShadow> tShadow;
    std::optional<TScale> tScale;
    std::optional<TRGB> tRgb;
    Font font;
    std::optional<TRGB> outRgb;
    std::optional<TDim> textAddDim;
    std::string onClick, onOver, pinToString;
    std::string url, fontUrl;
    float stepP = 1;

    virtual ~TProperties() = default;
    // Fills what this set lacks from `src`; the state number, the step speed
    // and the two urls always come from `src`.
    virtual void copyFromProperties(const TProperties& src);

    // The offset of the set, (0, 0) when absent.
    float addX() const { return addDim ? addDim->x : 0; }
    float addY() const { return addDim ? addDim->y : 0; }
};
