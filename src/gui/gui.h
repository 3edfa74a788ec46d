// A GUI layout read from a ".gui" script: property classes, objects and an
// optional Lua script. The screen updates and draws it every frame and asks
// it by name which object was clicked or is under the mouse.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/focus.h"
#include "gui/gui_object.h"

class TGuiLua;

struct TGuiTOken {
    int line = 0;
    std::string txt;
};

struct TGuiBlock;
using GuiEntries = std::vector<std::unique_ptr<struct TGuiEntry>>;

struct TGuiEntry {
    std::string name;  // upper case
    std::string value;
    virtual ~TGuiEntry() = default;
    virtual const TGuiBlock* asBlock() const { return nullptr; }
};

struct TGuiBlock : TGuiEntry {
    GuiEntries entrys;
    const TGuiBlock* asBlock() const override { return this; }
};

// The GUI's way up to the sound manager.
struct TGuiHooks {
    std::function<void()> clickSound;  // an object was clicked; empty: silent
};
TGuiHooks& GuiHooks();

class TGui {
public:
    std::vector<std::shared_ptr<TGuiObject>> objects;  // script order = update and draw order
    std::vector<PropsPtr> propClasses;
    TGuiObject* over = nullptr;   // under the mouse in the last update
    TGuiObject* click = nullptr;  // clicked in the last update
    int visible = 1;
    std::deque<TGuiTOken> tokens;  // while reading
    std::string txt;
    int line = 1;
    int quote = 0;
    std::string myPath;
    std::unique_ptr<TGuiLua> luaObject;
    // The keyboard focus, on screens that take one (`EnableFocus`); none: the mouse alone.
    std::unique_ptr<TGuiFocus> focus;
    // The script's folder: every file the script names is taken from here.
    std::string remPath;
    // Set when the base language's script stands in for a language that has none of its own:
    // the base's code, whose text folder ("txt/<base>/") the script's text references name
    // and which is read as the language in use's instead. Empty for a language's own script.
    std::string textsStandIn;

    TGui();
    TGui(const TGui&) = delete;
    TGui& operator=(const TGui&) = delete;
    virtual ~TGui();

    virtual void setGuiAlpha(float a);
    // When on, every update also calls the Lua instance's "update" method.
    virtual void setLuaUpdate(int on);
    virtual void printObjects() const;
    virtual void show() { visible = 1; }
    virtual void hide() { visible = 0; }

    // Reading (gui_reader.cpp).
    virtual void parseTokens(const std::string& text);
    virtual void AddToken();
    virtual bool readEntrys(GuiEntries& out);
    virtual void readObjects();
    virtual void addObject();
    virtual void addPropClass();
    virtual void addScript();

    // Property sets and keywords (gui_keywords.cpp).
    virtual void ReadPropertiesOnly(const GuiEntries& entries, TProperties& set);
    virtual void ReadProperties(const GuiEntries& entries, TProperties& standard,
                                std::vector<PropsPtr>& states);
    virtual void CheckStandardData(TProperties& set) const;
    virtual int GetObjectAlign(const std::string& value) const;
    virtual std::shared_ptr<TImg> GetObjectGFX(const std::string& value) const;
    virtual TDim GetObjectDim(const std::string& value) const;
    virtual TRGB GetObjectRGB(const std::string& value) const;
    virtual std::optional<TShadow> GetObjectShadowData(const std::string& value) const;
    virtual std::optional<TScale> GetObjectScaleData(const std::string& value) const;
    virtual std::string GetObjectTextData(const std::string& value) const;
    virtual Font GetObjectFontData(const std::string& value) const;

    virtual std::shared_ptr<TGuiObject> GetObject(const std::string& name) const;
    virtual PropsPtr GetPropertiesClass(const std::string& name) const;
    virtual void addPropertiesClassToList(const PropsPtr& set);
    virtual void GiveObjectData(const std::string& name, const TProperties& standard,
                                const std::vector<PropsPtr>& states);
    virtual void CheckObjectsDims();
    virtual void CheckObjectsPins();

    // Gives the layout a keyboard focus that starts on the named control.
    TGuiFocus& EnableFocus(const std::string& defaultControl);
    virtual void update();
    virtual void VectorMe(float dx, float dy, float per);
    virtual int clickedItem(const std::string& name) const;
    virtual int overItem(const std::string& name) const;
    // The left button went down this frame over the named object, shown and active: read before
    // the update, so a screen can keep such a click from a tutorial tip that waits for one.
    bool pressedOn(const std::string& name) const;
    virtual void draw();
    // Forgets every object, class and the Lua instance.
    virtual void clear();
    // Reads the script at `path` ("#LANG#" replaced) and lays it out.
    virtual void LoadMe(const std::string& path);
    // Reads a script from text; files it names are taken from `folder`.
    virtual void LoadFromString(const std::string& text, const std::string& folder);

private:
    int luaUpdate = 0;
};

std::shared_ptr<TGui> LoadGui(const std::string& path);
