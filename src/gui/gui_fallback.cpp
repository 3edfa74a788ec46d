#include "gui/gui_fallback.h"

#include "gui/gui_object.h"
#include "gui/gui_util.h"

bool GuiButtonUsable(const TGui& gui, const std::string& name) {
    const auto obj = gui.GetObject(name);
    if (!obj || !obj->visible || !obj->active) return false;
    const TDim& d = obj->dim;
    // Somewhere on the 1024 x 768 play area (the wide picture's sides hold no buttons).
    return d.w >= 1 && d.h >= 1 && d.x + d.w > 0 && d.y + d.h > 0 && d.x < 1024 && d.y < 768;
}

std::shared_ptr<TGui> LoadGuiOrBuiltIn(const std::string& path, const std::vector<std::string>& needed,
                                       const std::string& builtIn) {
    auto gui = LoadGui(path);
    std::string missing;
    for (const std::string& name : needed)
        if (!GuiButtonUsable(*gui, name)) missing += (missing.empty() ? "" : ", ") + name;
    if (missing.empty()) return gui;
    PrintError("GUI script '" + gui->myPath + "' gives no usable " + missing +
               ": the built-in layout is used");
    auto fallback = std::make_shared<TGui>();
    fallback->myPath = gui->myPath;
    fallback->LoadFromString(builtIn, ScriptDir(gui->myPath));
    return fallback;
}
