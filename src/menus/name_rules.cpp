#include "menus/name_rules.h"

#include "frame/names.h"
#include "platform/text_encoding.h"
#include "quest/profile.h"

const std::vector<std::string>& ForbiddenNameChars() {
    static const std::vector<std::string> chars = {"\"", "{", "}", "(", ")", "[", "]", "+", "-", "=",
                                                   " ",  "*", "!", "@", "#", "$", "%", "^", "&", "\\",
                                                   "/",  "?", "<", ">", ".", ",", ":", ";", "'"};
    return chars;
}

bool IsRefusedNameChar(std::uint32_t c) {
    if (c < 32 || c == 127 || (c >= 0x80 && c < 0xA0)) return true;
    // Surrogates and code points beyond Unicode cannot be written as UTF-8.
    if ((c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) return true;
    if (c >= 128) return false;
    const std::string ch(1, static_cast<char>(c));
    for (const std::string& forbidden : ForbiddenNameChars())
        if (forbidden == ch) return true;
    return false;
}

std::uint32_t UpperLetter(std::uint32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    // Latin Extended-A: pairs of upper and lower case, mostly even then odd.
    if ((c >= 0x100 && c <= 0x137 && c != 0x131) || (c >= 0x14A && c <= 0x177))
        return (c % 2 == 1) ? c - 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 0) ? c - 1 : c;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;  // Greek
    if (c == 0x3C2) return 0x3A3;                               // final sigma
    if (c == 0x3AC) return 0x386;                               // Greek with tonos
    if (c >= 0x3AD && c <= 0x3AF) return c - 37;
    if (c == 0x3CC) return 0x38C;
    if (c == 0x3CD || c == 0x3CE) return c - 63;
    if (c >= 0x430 && c <= 0x44F) return c - 32;  // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

std::string UpperName(const std::string& name) {
    std::string out;
    for (std::size_t i = 0; i < name.size();) Utf8Append(out, UpperLetter(Utf8Next(name, i)));
    return out;
}

int LetterCount(const std::string& text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++n) Utf8Next(text, i);
    return n;
}

void RemoveLastLetter(std::string& text) {
    if (text.empty()) return;
    // Walk the letters so that a broken sequence still loses whole letters.
    std::size_t last = 0;
    for (std::size_t i = 0; i < text.size();) {
        last = i;
        Utf8Next(text, i);
    }
    text.erase(last);
}

bool AppendNameLetter(std::string& name, std::uint32_t c) {
    if (IsRefusedNameChar(c) || LetterCount(name) >= MAX_NAME_LETTERS) return false;
    Utf8Append(name, UpperLetter(c));
    return true;
}

std::string NameKey(const std::string& name) { return ProfileIdOf(UpperName(TrimBlanks(name))); }

bool NameTaken(const std::string& name, const std::vector<std::string>& taken) {
    const std::string key = NameKey(name);
    if (key.empty()) return false;
    for (const std::string& other : taken)
        if (NameKey(other) == key) return true;
    return false;
}
