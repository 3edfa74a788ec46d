#include "gui/gui_util.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

void PrintError(const std::string& text) {
    std::printf("ERROR: %s\n", text.c_str());
    std::fflush(stdout);
}

float ParseDecimal(const std::string& raw) {
    const std::string s = TrimBlanks(raw);
    size_t i = 0;
    double sign = 1;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        if (s[i] == '-') sign = -1;
        ++i;
    }
    double value = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > 1e7) value = 1e7;
    }
    if (i < s.size() && s[i] == '.') {
        double scale = 0.1;
        for (++i; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
            value += (s[i] - '0') * scale;
            scale /= 10;
        }
    }
    return static_cast<float>(std::clamp(sign * value, -1e6, 1e6));
}

int ParseInteger(const std::string& s) { return static_cast<int>(ParseDecimal(s)); }

std::vector<std::string> SplitNumbers(const std::string& s) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t sp = s.find(' ', start);
        if (sp == std::string::npos) {
            parts.push_back(s.substr(start));
            return parts;
        }
        parts.push_back(s.substr(start, sp - start));
        start = sp + 1;
    }
}

std::string ScriptDir(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ResolveScriptPath(const std::string& baseDir, const std::string& file) {
    const bool absolute = !file.empty() && file[0] == '/';
    const std::string joined = absolute ? file : baseDir + file;
    const bool rooted = !joined.empty() && joined[0] == '/';
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= joined.size()) {
        size_t slash = joined.find('/', start);
        if (slash == std::string::npos) slash = joined.size();
        std::string piece = joined.substr(start, slash - start);
        start = slash + 1;
        if (piece.empty() || piece == ".") continue;
        if (piece == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
            continue;
        }
        if (piece == ".." && rooted) continue;
        parts.push_back(piece);
    }
    std::string out = rooted ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) out += (i ? "/" : "") + parts[i];
    return out;
}
