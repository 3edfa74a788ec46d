// Profile ids: the folder name of a profile, made from its name.
#include <cstdint>

#include "platform/text_encoding.h"
#include "quest/profile.h"

namespace {

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
        const std::uint32_t cp = Upper(Utf8Next(name, i));
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
        Utf8Append(name, u);
    }
    return name;
}
