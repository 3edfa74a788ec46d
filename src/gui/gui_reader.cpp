// Reading a GUI script: tokens, statements and entry lists.
#include "frame/globals.h"
#include "frame/languages.h"
#include "frame/text_file.h"
#include "gui/gui.h"
#include "gui/gui_lua.h"
#include "gui/gui_util.h"
#include "platform/notify_batch.h"
#include "platform/platform.h"

namespace {
bool IsClosing(const TGuiTOken& t) { return t.txt == "}"; }
}  // namespace

void TGui::AddToken() {
    const std::string t = TrimBlanks(txt);
    // Inside quotes the text goes on, even across a line feed or ";".
    if (t.empty() || quote) return;
    tokens.push_back(TGuiTOken{line, t});
    txt.clear();
}

void TGui::parseTokens(const std::string& text) {
    tokens.clear();
    txt.clear();
    line = 1;
    quote = 0;
    for (char c : text) {
        if (c == ' ') {
            if (quote) {
                txt += c;
            } else {
                AddToken();
            }
        } else if (c == '\n') {
            AddToken();
            ++line;
        } else if (c == ';') {
            AddToken();
        } else if (c == '"') {
            quote = !quote;
        } else {
            txt += c;
        }
    }
    AddToken();
    txt.clear();
    quote = 0;
}

bool TGui::readEntrys(GuiEntries& out) {
    while (!tokens.empty()) {
        const TGuiTOken nameToken = tokens.front();
        tokens.pop_front();
        if (IsClosing(nameToken)) return true;
        if (tokens.empty()) return false;
        const TGuiTOken sep = tokens.front();
        tokens.pop_front();
        if (IsClosing(sep)) return true;  // a "}" ends the list wherever it stands
        if (sep.txt == "=") {
            if (tokens.empty()) return false;
            const TGuiTOken value = tokens.front();
            tokens.pop_front();
            if (IsClosing(value)) return true;
            auto entry = std::make_unique<TGuiEntry>();
            entry->name = UpperCase(nameToken.txt);
            entry->value = value.txt;
            out.push_back(std::move(entry));
        } else if (sep.txt == "{") {
            auto block = std::make_unique<TGuiBlock>();
            block->name = UpperCase(nameToken.txt);
            if (!readEntrys(block->entrys)) {
                PrintError("Not enough tokens in line " + std::to_string(sep.line) + "!");
                return false;
            }
            out.push_back(std::move(block));
        } else {
            PrintError("Expected '=' or '{' but " + sep.txt + " found in line " + std::to_string(sep.line) +
                       "!");
            return false;
        }
    }
    return false;
}

void TGui::addObject() {
    if (tokens.size() < 3) {
        PrintError("Not enough tokens in object declaration!");
        return;
    }
    const std::string name = UpperCase(tokens.front().txt);
    tokens.pop_front();
    tokens.pop_front();  // the opening brace, whatever it is
    GuiEntries entries;
    if (!readEntrys(entries)) {
        PrintError("No data for object '" + name + "'!");
        return;
    }
    TProperties standard;
    std::vector<PropsPtr> states;
    ReadProperties(entries, standard, states);
    CheckStandardData(standard);
    GiveObjectData(name, standard, states);
}

void TGui::addPropClass() {
    if (tokens.size() < 3) return;
    const std::string name = tokens.front().txt;
    tokens.pop_front();
    tokens.pop_front();
    GuiEntries entries;
    if (!readEntrys(entries)) return;
    auto set = std::make_shared<TProperties>();
    ReadPropertiesOnly(entries, *set);
    set->id = name;
    addPropertiesClassToList(set);
}

void TGui::addScript() {
    if (tokens.empty()) return;
    const std::string file = ResolveScriptPath(remPath, tokens.front().txt);
    tokens.pop_front();
    if (FsFileType(file) != 1) {
        PrintError("Couldn't find Lua script '" + file + "'!");
        return;
    }
    if (!luaObject) luaObject = std::make_unique<TGuiLua>();
    luaObject->loadClass(FsLoadString(file), file);
}

void TGui::readObjects() {
    // An empty script simply gives an empty layout.
    while (!tokens.empty()) {
        const std::string keyword = UpperCase(tokens.front().txt);
        tokens.pop_front();
        if (keyword == "OBJECT") {
            addObject();
        } else if (keyword == "PROPCLASS") {
            addPropClass();
        } else if (keyword == "LUASCRIPT") {
            addScript();
        }
    }
}

void TGui::LoadFromString(const std::string& text, const std::string& folder) {
    clear();
    remPath = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    parseTokens(text);
    readObjects();
    CheckObjectsDims();
    CheckObjectsPins();
}

void TGui::LoadMe(const std::string& path) {
    myPath = ReplaceLang(path);
    textsStandIn.clear();
    // A language without a script of its own for this screen uses the base language's layout
    // with its own texts; a script of its own, where one exists, wins.
    if (FsFileType(myPath) != 1 && lang != kBaseLanguage) {
        const std::string base = ReplaceLangWith(path, kBaseLanguage);
        if (base != myPath && FsFileType(base) == 1) {
            myPath = base;
            textsStandIn = kBaseLanguage;
        }
    }
    // One box for the pictures a script misses, not one a picture.
    const SysNotifyBatch batch(myPath);
    if (FsFileType(myPath) != 1) PrintError("Couldn't find GUI script '" + myPath + "'!");
    LoadFromString(FsLoadString(myPath), ScriptDir(myPath));
}

std::shared_ptr<TGui> LoadGui(const std::string& path) {
    auto gui = std::make_shared<TGui>();
    gui->LoadMe(path);
    return gui;
}
