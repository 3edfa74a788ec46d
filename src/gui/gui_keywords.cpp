// Property sets of a GUI script: the keywords of an entry list and the
// state sets of an object block.
#include "frame/text_file.h"
#include "gui/gui.h"
#include "gui/gui_util.h"

namespace {
// The numbers of a list value, missing ones 0.
struct Numbers {
    std::vector<std::string> parts;
    explicit Numbers(const std::string& value) : parts(SplitNumbers(value)) {}
    size_t count() const { return parts.size(); }
    float at(size_t i) const { return i < parts.size() ? ParseDecimal(parts[i]) : 0.0f; }
    float integer(size_t i) const {
        return i < parts.size() ? static_cast<float>(ParseInteger(parts[i])) : 0.0f;
    }
};

int StateOfName(const std::string& name) {
    if (name == "OVER") return TProperties::OVER;
    if (name == "CLICK") return TProperties::CLICK;
    if (name == "UNACTIVE") return TProperties::UNACTIVE;
    return TProperties::STANDARD;
}

constexpr int DEFAULT_FONT_SIZE = 20;
}  // namespace

int TGui::GetObjectAlign(const std::string& value) const {
    const std::string v = UpperCase(TrimBlanks(value));
    if (v == "LEFT") return TProperties::ALIGN_LEFT;
    if (v == "UP") return TProperties::ALIGN_UP;
    if (v == "DOWN") return TProperties::ALIGN_DOWN;
    if (v == "RIGHT") return TProperties::ALIGN_RIGHT;
    return TProperties::ALIGN_NONE;
}

std::shared_ptr<TImg> TGui::GetObjectGFX(const std::string& value) const {
    return LoadGfxValue(value, remPath);
}

TDim TGui::GetObjectDim(const std::string& value) const {
    const Numbers n(value);
    return NewDimRect(n.at(0), n.at(1), n.at(2), n.at(3));
}

TRGB TGui::GetObjectRGB(const std::string& value) const {
    const Numbers n(value);
    TRGB c;  // missing components stay 255
    if (n.count() > 0) c.r = n.integer(0);
    if (n.count() > 1) c.g = n.integer(1);
    if (n.count() > 2) c.b = n.integer(2);
    return c;
}

std::optional<TShadow> TGui::GetObjectShadowData(const std::string& value) const {
    const Numbers n(value);
    TShadow s{n.integer(0), n.integer(1), n.at(2)};
    if (TrimBlanks(value).empty() || s.a == 0) return std::nullopt;
    return s;
}

std::optional<TScale> TGui::GetObjectScaleData(const std::string& value) const {
    const Numbers n(value);
    if (n.count() < 2) return std::nullopt;
    return TScale{n.at(0), n.at(1)};
}

std::string TGui::GetObjectTextData(const std::string& value) const {
    if (value.size() > 5 && value.front() == '[' && value.back() == ']') {
        // A localised line; its file is named relative to the script.
        const std::string inner = value.substr(1, value.size() - 2);
        const size_t bar = inner.find('|');
        if (bar == std::string::npos) return TxtRef(value);
        std::string file = ResolveScriptPath(remPath, inner.substr(0, bar));
        if (!textsStandIn.empty()) file = TextsOfLanguageInUse(file, textsStandIn);
        return TxtRef("[" + file + inner.substr(bar) + "]");
    }
    return value;
}

Font TGui::GetObjectFontData(const std::string& value) const {
    const size_t bar = value.find('|');
    int size = DEFAULT_FONT_SIZE;
    if (bar == std::string::npos) {
        PrintError("No size for font '" + value + "', using " + std::to_string(DEFAULT_FONT_SIZE) + "!");
    } else {
        size = ParseInteger(value.substr(bar + 1));
    }
    if (size <= 0 || size > 1000) {
        PrintError("Bad font size in '" + value + "'!");
        return nullptr;
    }
    return GetFont(ResolveScriptPath(remPath, TrimBlanks(value.substr(0, bar))), size);
}

void TGui::ReadPropertiesOnly(const GuiEntries& entries, TProperties& set) {
    for (const auto& e : entries) {
        if (e->asBlock()) continue;
        const std::string& k = e->name;
        const std::string& v = e->value;
        if (k == "PROPCLASS") {
            if (PropsPtr cls = GetPropertiesClass(v)) {
                set.copyFromProperties(*cls);
            } else {
                PrintError("Couldn't find properties class '" + v + "'!");
            }
        } else if (k == "GFX") {
            set.img = GetObjectGFX(v);
        } else if (k == "POSITION") {
            set.dim = GetObjectDim(v);
        } else if (k == "RGB") {
            set.rgb = GetObjectRGB(v);
        } else if (k == "SCALE") {
            if (auto s = GetObjectScaleData(v)) set.scale = s;
        } else if (k == "TXT") {
            set.txt = GetObjectTextData(v);
        } else if (k == "FONT") {
            set.font = GetObjectFontData(v);
        } else if (k == "ALPHA") {
            set.alpha = TAlpha{ParseDecimal(v)};
        } else if (k == "TEXTOUTLINE") {
            set.outRgb = GetObjectRGB(v);
        } else if (k == "TEXTALPHA") {
            set.tAlpha = TAlpha{ParseDecimal(v)};
        } else if (k == "TEXTSCALE") {
            if (auto s = GetObjectScaleData(v)) set.tScale = s;
        } else if (k == "TEXTRGB") {
            set.tRgb = GetObjectRGB(v);
        } else if (k == "TEXTADDDIM") {
            set.textAddDim = GetObjectDim(v);
        } else if (k == "TEXTSHADOW") {
            set.tShadow = GetObjectShadowData(v);
        } else if (k == "STEPDELTA") {
            set.stepP = ParseDecimal(v);
        } else if (k == "LUAONCLICK") {
            set.onClick = v;
        } else if (k == "LUAONOVER") {
            set.onOver = v;
        } else if (k == "ADDDIM") {
            set.addDim = GetObjectDim(v);
        } else if (k == "ALIGN") {
            set.dimAlign = GetObjectAlign(v);
        } else if (k == "PINTO") {
            set.pinToString = v;
        }
    }
}

void TGui::ReadProperties(const GuiEntries& entries, TProperties& standard, std::vector<PropsPtr>& states) {
    ReadPropertiesOnly(entries, standard);
    standard.action = TProperties::STANDARD;
    for (const auto& e : entries) {
        if (const TGuiBlock* block = e->asBlock()) {
            auto set = std::make_shared<TProperties>();
            ReadPropertiesOnly(block->entrys, *set);
            set->action = StateOfName(block->name);  // after a PROPCLASS copy, which sets it too
            states.push_back(set);
            continue;
        }
        const int state = StateOfName(e->name);
        if (state == TProperties::STANDARD) continue;
        PropsPtr cls = GetPropertiesClass(e->value);
        if (!cls) {
            PrintError("Couldn't find properties class '" + e->value + "'!");
            continue;
        }
        auto set = std::make_shared<TProperties>();
        set->copyFromProperties(*cls);
        set->action = state;
        states.push_back(set);
    }
}

void TGui::CheckStandardData(TProperties& set) const {
    if (!set.rgb) set.rgb = TRGB{};
    if (!set.scale) set.scale = TScale{};
    if (!set.alpha) set.alpha = TAlpha{};
    if (!set.addDim) set.addDim = TDim{};
    if (!set.txt.empty()) {
        if (!set.tScale) set.tScale = TScale{};
        if (!set.tAlpha) set.tAlpha = TAlpha{};
        if (!set.tRgb) set.tRgb = TRGB{};
    }
}
