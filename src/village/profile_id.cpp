// Profile ids: the folder name of a profile, made from its name.
#include <cstdint>

#include "village/profile.h"

namespace {

// The code point starting at s[i]; advances i. A byte that does not start a
// well-formed sequence stands for itself (as Latin-1).
std::uint32_t NextCodePoint(const std::string& s, size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    const int extra = b0 >= 0xF0 && b0 < 0xF5   ? 3
                      : b0 >= 0xE0 && b0 < 0xF0 ? 2
                      : b0 >= 0xC2 && b0 < 0xE0 ? 1
                                                : 0;
    if (extra == 0 || i + static_cast<size_t>(extra) >= s.size()) {
        ++i;
        return b0;
    }
    std::uint32_t cp = b0 & (0x3F >> extra);
    for (int k = 1; k <= extra; k++) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return b0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms and surrogates are not well formed.
    static constexpr std::uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return b0;
    }
    i += static_cast<size_t>(extra) + 1;
    return cp;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Upper case for ASCII and the Latin-1 letters that stay in Latin-1.
std::uint32_t Upper(std::uint32_t cp) {
    if (cp >= 'a' && cp <= 'z') return cp - 32;
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 32;
    return cp;
}

void AppendUnit(std::string& id, std::uint32_t unit) { id += std::to_string(unit) + "-"; }

}  // namespace

std::string ProfileIdOf(const std::string& name) {
    std::string id;
    for (size_t i = 0; i < name.size();) {
        const std::uint32_t cp = Upper(NextCodePoint(name, i));
        if (cp >= 0x10000) {
            AppendUnit(id, 0xD800 + ((cp - 0x10000) >> 10));
            AppendUnit(id, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            AppendUnit(id, cp);
        }
    }
    return id;
}

std::string GetMyId(const TProfile& profile, const std::string& name) {
    return ProfileIdOf(name.empty() ? profile.name : name);
}

std::string TProfile::GetMyId() const { return ProfileIdOf(name); }

namespace {
// The code units of an id; false when it is not a list of "number-" pieces.
bool IdUnits(const std::string& id, std::vector<std::uint32_t>& units) {
    units.clear();
    size_t i = 0;
    while (i < id.size()) {
        std::uint32_t value = 0;
        size_t digits = 0;
        while (i < id.size() && id[i] >= '0' && id[i] <= '9') {
            value = value * 10 + static_cast<std::uint32_t>(id[i] - '0');
            if (++digits > 5 || value > 0xFFFF) return false;
            ++i;
        }
        if (digits == 0 || i >= id.size() || id[i] != '-') return false;
        // Leading zeros never come out of ProfileIdOf.
        if (digits > 1 && id[i - digits] == '0') return false;
        units.push_back(value);
        ++i;
    }
    return true;
}
}  // namespace

bool IsValidProfileId(const std::string& id) {
    std::vector<std::uint32_t> units;
    return IdUnits(id, units);
}

std::string ProfileNameOfId(const std::string& id) {
    std::vector<std::uint32_t> units;
    if (!IdUnits(id, units)) return "";
    std::string name;
    for (size_t k = 0; k < units.size(); k++) {
        std::uint32_t u = units[k];
        const bool pair = k + 1 < units.size() && units[k + 1] >= 0xDC00 && units[k + 1] < 0xE000;
        if (u >= 0xD800 && u < 0xDC00 && pair) {
            u = 0x10000 + ((u - 0xD800) << 10) + (units[k + 1] - 0xDC00);
            ++k;
        } else if (u >= 0xD800 && u < 0xE000) {
            u = 0xFFFD;  // a lone surrogate
        }
        AppendUtf8(name, u);
    }
    return name;
}
