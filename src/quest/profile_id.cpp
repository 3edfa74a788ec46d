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

// The pieces of one letter: a UTF-16 code unit each.
std::string LetterPieces(std::uint32_t cp) {
    std::string pieces;
    if (cp >= 0x10000) {
        AppendUnit(pieces, 0xD800 + ((cp - 0x10000) >> 10));
        AppendUnit(pieces, 0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
        AppendUnit(pieces, cp);
    }
    return pieces;
}

// FNV-1a, 64 bits: the same name gives the same folder on every machine and build.
std::uint64_t NameHash(const std::string& id) {
    std::uint64_t h = 14695981039346656037ull;
    for (const unsigned char c : id) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

}  // namespace

std::string ProfileIdOf(const std::string& name) {
    std::string id;
    std::vector<std::string> letters;
    for (size_t i = 0; i < name.size();) {
        letters.push_back(LetterPieces(Upper(Utf8Next(name, i))));
        id += letters.back();
    }
    if (id.size() <= PROFILE_ID_MAX_BYTES) return id;
    // Too long for a folder name: the leading letters, the unit 0 (no name holds it) and the
    // whole id's hash in four units. Shorter names keep their ids, so their folders are found.
    constexpr size_t kTail = 2 + 4 * 6;  // "0-" and four "65535-"
    std::string cut;
    for (const std::string& letter : letters) {
        if (cut.size() + letter.size() + kTail > PROFILE_ID_MAX_BYTES) break;
        cut += letter;
    }
    cut += "0-";
    const std::uint64_t h = NameHash(id);
    for (int k = 0; k < 4; k++) AppendUnit(cut, static_cast<std::uint32_t>((h >> (16 * k)) & 0xFFFF));
    return cut;
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
        if (u == 0) break;  // the hash of a name too long for its id follows
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
