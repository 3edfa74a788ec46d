#include "frame/names.h"

std::string UpperCase(std::string s) {
    for (char& c : s) c = UpperAscii(c);
    return s;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::string TrimBlanks(const std::string& s) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    size_t b = 0, e = s.size();
    while (b < e && blank(s[b])) ++b;
    while (e > b && blank(s[e - 1])) --e;
    return s.substr(b, e - b);
}
