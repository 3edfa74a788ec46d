#include "asset_scan.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace assets {

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r\n\"");
    if (a == std::string::npos) return "";
    const size_t b = s.find_last_not_of(" \t\r\n\"");
    return s.substr(a, b - a + 1);
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

const char* kMedia[] = {".png", ".jpg", ".ogg", ".ttf", ".wav"};

bool IsMediaName(const std::string& lower) {
    for (const char* e : kMedia)
        if (EndsWith(lower, e)) return true;
    return false;
}

bool MentionsMedia(const std::string& lower) {
    for (const char* e : kMedia)
        if (lower.find(e) != std::string::npos) return true;
    return false;
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string ReplaceLang(std::string s) {
    for (size_t i; (i = s.find("#LANG#")) != std::string::npos;) s.replace(i, 6, "en");
    return s;
}

// Names the game writes, or only uses when present.
// Files the game writes rather than reads, and the optional splash pictures.
bool Ignored(const std::string& lower) {
    return lower == "screenshot.png" || lower == "/balance.png" || lower.find("splash") != std::string::npos;
}

// Source text without its comments, so names mentioned in prose are not taken for files.
std::string StripComments(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    char quote = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            out += c;
            if (c == '\\' && i + 1 < text.size()) out += text[++i];
            else if (c == quote || c == '\n') quote = 0;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i < text.size() && text[i] != '\n') ++i;
            out += '\n';
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 1;
            out += ' ';
        } else {
            if (c == '"' || c == '\'') quote = c;
            out += c;
        }
    }
    return out;
}

}  // namespace

fs::path FindNoCase(const fs::path& root, const std::string& rel) {
    fs::path cur = root;
    std::stringstream parts(rel);
    for (std::string part; std::getline(parts, part, '/');) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            cur = cur.parent_path();
            continue;
        }
        std::error_code ec;
        if (fs::exists(cur / part, ec)) {
            cur /= part;
            continue;
        }
        bool found = false;
        for (const auto& e : fs::directory_iterator(cur, ec)) {
            if (Lower(e.path().filename().string()) == Lower(part)) {
                cur = e.path();
                found = true;
                break;
            }
        }
        if (!found) return {};
    }
    return cur;
}

bool AnyFileEndsWith(const fs::path& root, const std::string& fragment) {
    const std::string tail = Lower(fragment);
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(root, ec))
        if (e.is_regular_file() && EndsWith(Lower(fs::relative(e.path(), root).generic_string()), tail))
            return true;
    return false;
}

std::vector<Reference> ScanSourceText(const std::string& source, const std::string& where) {
    std::vector<Reference> out;
    const std::string text = StripComments(source);
    static const std::regex literal(R"re("((?:[^"\\\n]|\\.)*)")re");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), literal); it != std::sregex_iterator();
         ++it) {
        const std::string value = ReplaceLang((*it)[1].str());
        const std::string lower = Lower(value);
        const bool rooted =
            lower.rfind("gfx/", 0) == 0 || lower.rfind("sfx/", 0) == 0 || lower.rfind("music/", 0) == 0;
        if (!rooted && !MentionsMedia(lower)) continue;
        if (Ignored(lower) || lower.find(' ') != std::string::npos) continue;
        if (rooted && IsMediaName(lower)) {
            out.push_back({value, where, false});
        } else if (IsMediaName(lower) && lower.size() > 4 && lower[0] != '.') {
            // A piece of a name put together at run time ("-over.png", "/go.png", "font1.ttf").
            out.push_back({value, where, true});
        }
    }
    return out;
}

std::vector<Reference> ScanDataText(const std::string& text, const std::string& where) {
    std::vector<Reference> out;
    std::stringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::stringstream values(line.substr(eq + 1));
        for (std::string v; std::getline(values, v, ',');) {
            const std::string name = ReplaceLang(Trim(v));
            if (IsMediaName(Lower(name)) && !Ignored(Lower(name))) out.push_back({name, where, false});
        }
    }
    return out;
}

std::vector<Reference> ScanGuiText(const std::string& text, const std::string& where,
                                   const std::string& guiFolder) {
    std::vector<Reference> out;
    static const std::regex entry(R"re((?:^|[\s;])(GFX|FONT)\s+=\s+"?([^"\s;|]+))re", std::regex::icase);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), entry); it != std::sregex_iterator();
         ++it) {
        const std::string file = (*it)[2].str();
        const fs::path rel = (fs::path(guiFolder) / file).lexically_normal();
        out.push_back({rel.generic_string(), where, false});
    }
    return out;
}

namespace {

// Names the code builds from pieces at run time, listed whole.
std::vector<Reference> RuntimeNames() {
    std::vector<Reference> out;
    auto add = [&](const std::string& p) { out.push_back({p, "built at run time", false}); };
    for (int k = 1; k <= 10; ++k) add("gfx/backgrounds/background-" + std::to_string(k) + ".jpg");
    const char* tools[] = {"hammer", "hourglass", "pickaxe", "dynamite", "bomb", "color"};
    for (int s = 0; s < 6; ++s) {
        const std::string base = std::string("gfx/gui/mainGame/power-up-") + tools[s];
        add(base + ".png");
        add(base + "-normal.png");
        add(base + "-over.png");
        add("gfx/gui/research/powerUpIcon" + std::to_string(s) + ".png");
        for (int k = 0; k < (s == 1 ? 2 : 3); ++k)
            add("gfx/gui/mainGame/plank-" + std::to_string(s) + "-" + std::to_string(k) + ".png");
    }
    for (const char* c :
         {"get-ready", "go", "level-completed", "noMoves", "unlocked_building", "unlocked_upgrade"})
        add(std::string("gfx/captions/en/") + c + ".png");
    for (const char* r : {"wood", "food", "gold", "rock"}) {
        add(std::string("gfx/gui/res_") + r + ".png");
        add(std::string("gfx/gui/levelSummary/res_") + r + ".png");
    }
    add("gfx/gui/mainMenu/en/logo.png");
    for (const char* f : {"font1", "arial", "Tahoma", "aparaj"}) add(std::string("gfx/fonts/") + f + ".ttf");
    return out;
}

}  // namespace

std::vector<Reference> CollectAll(const fs::path& srcDir, const fs::path& gameDir) {
    std::vector<Reference> out = RuntimeNames();
    std::error_code ec;
    auto append = [&](std::vector<Reference> more) { out.insert(out.end(), more.begin(), more.end()); };
    for (const auto& e : fs::recursive_directory_iterator(srcDir, ec)) {
        const std::string ext = Lower(e.path().extension().string());
        if (e.is_regular_file() && (ext == ".cpp" || ext == ".h"))
            append(ScanSourceText(ReadAll(e.path()),
                                  fs::relative(e.path(), srcDir.parent_path()).generic_string()));
    }
    for (const auto& e : fs::recursive_directory_iterator(gameDir / "data", ec))
        if (e.is_regular_file() && Lower(e.path().extension().string()) == ".txt")
            append(ScanDataText(ReadAll(e.path()), fs::relative(e.path(), gameDir).generic_string()));
    for (const auto& e : fs::recursive_directory_iterator(gameDir / "gfx", ec))
        if (e.is_regular_file() && Lower(e.path().extension().string()) == ".gui") {
            const fs::path rel = fs::relative(e.path(), gameDir);
            append(ScanGuiText(ReadAll(e.path()), rel.generic_string(), rel.parent_path().generic_string()));
        }
    return out;
}

std::pair<int, int> ImageSize(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() > 24 && b[0] == 0x89 && b[1] == 'P')
        return {(b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19],
                (b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]};
    for (size_t i = 2; i + 9 < b.size();) {
        if (b[i] != 0xFF) return {0, 0};
        const int marker = b[i + 1];
        const int len = (b[i + 2] << 8) | b[i + 3];
        if (marker >= 0xC0 && marker <= 0xC2) return {(b[i + 7] << 8) | b[i + 8], (b[i + 5] << 8) | b[i + 6]};
        i += 2 + static_cast<size_t>(len);
    }
    return {0, 0};
}

}  // namespace assets
