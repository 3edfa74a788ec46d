#include "gui/gui.h"

#include <cstdio>

#include "frame/mouse.h"
#include "gui/gui_lua.h"
#include "gui/gui_util.h"

TGuiHooks& GuiHooks() {
    static TGuiHooks hooks;
    return hooks;
}

TGui::TGui() = default;
TGui::~TGui() = default;

void TGui::setGuiAlpha(float a) {
    for (auto& o : objects) o->alpha = a;
}

void TGui::setLuaUpdate(int on) { luaUpdate = on; }

void TGui::printObjects() const {
    for (const auto& o : objects) std::printf("ob.id = %s\n", o->id.c_str());
    std::fflush(stdout);
}

std::shared_ptr<TGuiObject> TGui::GetObject(const std::string& name) const {
    for (const auto& o : objects) {
        if (EqualNoCase(o->id, name)) return o;
    }
    return nullptr;
}

PropsPtr TGui::GetPropertiesClass(const std::string& name) const {
    for (const auto& c : propClasses) {
        if (EqualNoCase(c->id, name)) return c;
    }
    return nullptr;
}

void TGui::addPropertiesClassToList(const PropsPtr& set) { propClasses.push_back(set); }

void TGui::GiveObjectData(const std::string& name, const TProperties& standard,
                          const std::vector<PropsPtr>& states) {
    auto o = std::make_shared<TGuiObject>();
    o->id = name;
    o->standardProps = std::make_shared<TProperties>(standard);
    o->actProps = o->standardProps;
    o->properties = states;
    o->stepDelta = standard.stepP;
    o->InitObject();
    objects.push_back(o);
}

void TGui::CheckObjectsDims() {
    for (auto& o : objects) o->InitDim();
}

void TGui::CheckObjectsPins() {
    for (auto& o : objects) {
        const std::string& target = o->standardProps->pinToString;
        if (target.empty()) continue;
        std::shared_ptr<TGuiObject> t = GetObject(UpperCase(target));
        // Pinning to itself would only make the layout read its own place.
        if (t && t.get() != o.get()) o->PinMeTo(t.get());
    }
}

TGuiFocus& TGui::EnableFocus(const std::string& defaultControl) {
    focus = std::make_unique<TGuiFocus>(defaultControl);
    return *focus;
}

void TGui::update() {
    if (!visible) return;
    over = nullptr;
    click = nullptr;
    if (focus) focus->beforeObjects(*this);
    for (auto& o : objects) {
        o->update();
        if (o->over) over = o.get();
        if (o->clicked) click = o.get();
    }
    if (focus && focus->pressed()) {
        // Enter or Space: the very click the mouse would make.
        click = focus->pressed();
        click->clicked = 1;
    }
    if (click && GuiHooks().clickSound) GuiHooks().clickSound();
    if (luaUpdate && luaObject) luaObject->callMethod("update");
}

void TGui::VectorMe(float dx, float dy, float per) {
    for (auto& o : objects) o->VectorMe(dx, dy, per);
}

int TGui::clickedItem(const std::string& name) const { return click && EqualNoCase(click->id, name) ? 1 : 0; }

bool TGui::pressedOn(const std::string& name) const {
    if (!visible || !mouse.leftPressed) return false;
    const auto object = GetObject(name);
    return object && object->visible && object->active && mouse.inDim(object->dim);
}

int TGui::overItem(const std::string& name) const { return over && EqualNoCase(over->id, name) ? 1 : 0; }

void TGui::draw() {
    if (!visible) return;
    for (auto& o : objects) o->draw();
    if (focus) focus->draw();
}

void TGui::clear() {
    over = nullptr;
    click = nullptr;
    objects.clear();
    propClasses.clear();
    tokens.clear();
    luaObject.reset();
    if (focus) focus->startAgain();
}
