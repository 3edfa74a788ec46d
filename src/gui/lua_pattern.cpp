#include "gui/lua_pattern.h"

#include <cctype>
#include <cstring>

namespace luapattern {
namespace {
constexpr char ESC = '%';

int Byte(char c) { return static_cast<unsigned char>(c); }

const char* Fail(MatchState& ms, const char* message) {
    if (ms.fault == Fault::None) {
        ms.fault = Fault::Pattern;
        ms.message = message;
    }
    return nullptr;
}

bool Spend(MatchState& ms, long steps = 1) {
    ms.stepsLeft -= steps;
    if (ms.stepsLeft >= 0) return true;
    if (ms.fault == Fault::None) ms.fault = Fault::Budget;
    return false;
}

// %a, %d, ... : upper-case class letters are the complement.
bool ClassMatches(int c, int cl) {
    bool res;
    switch (std::tolower(cl)) {
        case 'a':
            res = std::isalpha(c);
            break;
        case 'c':
            res = std::iscntrl(c);
            break;
        case 'd':
            res = std::isdigit(c);
            break;
        case 'l':
            res = std::islower(c);
            break;
        case 'p':
            res = std::ispunct(c);
            break;
        case 's':
            res = std::isspace(c);
            break;
        case 'u':
            res = std::isupper(c);
            break;
        case 'w':
            res = std::isalnum(c);
            break;
        case 'x':
            res = std::isxdigit(c);
            break;
        case 'z':
            res = (c == 0);
            break;
        default:
            return cl == c;
    }
    return std::isupper(cl) ? !res : res;
}

// The end of the single-character class starting at p, or nullptr on a malformed one.
const char* ClassEnd(MatchState& ms, const char* p) {
    const char c = *p++;
    if (c == ESC) {
        if (p >= ms.patEnd) return Fail(ms, "malformed pattern (ends with '%')");
        return p + 1;
    }
    if (c == '[') {
        if (p < ms.patEnd && *p == '^') p++;
        do {  // the first character of a set is never its end, so "[]]" is a set
            if (p >= ms.patEnd) return Fail(ms, "malformed pattern (missing ']')");
            if (*p++ == ESC && p < ms.patEnd) p++;
        } while (p >= ms.patEnd || *p != ']');
        return p + 1;
    }
    return p;
}

// c against the set [p, ec], p at "[" and ec at "]".
bool SetMatches(int c, const char* p, const char* ec) {
    bool sig = true;
    if (*(p + 1) == '^') {
        sig = false;
        p++;
    }
    while (++p < ec) {
        if (*p == ESC) {
            p++;
            if (ClassMatches(c, Byte(*p))) return sig;
        } else if (*(p + 1) == '-' && p + 2 < ec) {
            p += 2;
            if (Byte(*(p - 2)) <= c && c <= Byte(*p)) return sig;
        } else if (Byte(*p) == c) {
            return sig;
        }
    }
    return !sig;
}

bool SingleMatch(const MatchState& ms, const char* s, const char* p, const char* ep) {
    if (s >= ms.srcEnd) return false;
    const int c = Byte(*s);
    switch (*p) {
        case '.':
            return true;
        case ESC:
            return ClassMatches(c, Byte(*(p + 1)));
        case '[':
            return SetMatches(c, p, ep - 1);
        default:
            return Byte(*p) == c;
    }
}

const char* Match(MatchState& ms, const char* s, const char* p);

const char* MatchBalance(MatchState& ms, const char* s, const char* p) {
    if (p + 1 >= ms.patEnd) return Fail(ms, "unbalanced pattern");
    if (s >= ms.srcEnd || *s != *p) return nullptr;
    const char open = *p, close = *(p + 1);
    int depth = 1;
    while (++s < ms.srcEnd) {
        if (!Spend(ms)) return nullptr;
        if (*s == close) {
            if (--depth == 0) return s + 1;
        } else if (*s == open) {
            depth++;
        }
    }
    return nullptr;
}

// Greedy repetition: as many as possible, then back off one by one.
const char* MaxExpand(MatchState& ms, const char* s, const char* p, const char* ep) {
    long i = 0;
    while (SingleMatch(ms, s + i, p, ep)) {
        if (!Spend(ms)) return nullptr;
        i++;
    }
    for (; i >= 0; i--) {
        const char* res = Match(ms, s + i, ep + 1);
        if (res || ms.fault != Fault::None) return res;
    }
    return nullptr;
}

// Lazy repetition: as few as possible, then one more at a time.
const char* MinExpand(MatchState& ms, const char* s, const char* p, const char* ep) {
    for (;;) {
        const char* res = Match(ms, s, ep + 1);
        if (res || ms.fault != Fault::None) return res;
        if (!SingleMatch(ms, s, p, ep)) return nullptr;
        s++;
    }
}

const char* StartCapture(MatchState& ms, const char* s, const char* p, long what) {
    if (ms.level >= MAX_CAPTURES) return Fail(ms, "too many captures");
    ms.capture[ms.level] = {s, what};
    ms.level++;
    const char* res = Match(ms, s, p);
    if (!res) ms.level--;
    return res;
}

const char* EndCapture(MatchState& ms, const char* s, const char* p) {
    int open = ms.level - 1;
    while (open >= 0 && ms.capture[open].len != CAP_UNFINISHED) open--;
    if (open < 0) return Fail(ms, "invalid pattern capture");
    ms.capture[open].len = s - ms.capture[open].init;
    const char* res = Match(ms, s, p);
    if (!res) ms.capture[open].len = CAP_UNFINISHED;
    return res;
}

// %1 .. %9: the text of an earlier, closed capture again.
const char* MatchBackReference(MatchState& ms, const char* s, int digit) {
    const int l = digit - '1';
    if (l < 0 || l >= ms.level || ms.capture[l].len == CAP_UNFINISHED) {
        return Fail(ms, "invalid capture index");
    }
    const long len = ms.capture[l].len;
    if (len < 0 || ms.srcEnd - s < len || !Spend(ms, len)) return nullptr;
    return std::memcmp(ms.capture[l].init, s, static_cast<size_t>(len)) == 0 ? s + len : nullptr;
}

// %f[set]: the position between a character outside the set and one inside.
const char* MatchFrontier(MatchState& ms, const char* s, const char* p, const char** next) {
    if (p >= ms.patEnd || *p != '[') return Fail(ms, "missing '[' after '%f' in pattern");
    const char* ep = ClassEnd(ms, p);
    if (!ep) return nullptr;
    const int before = (s == ms.srcInit) ? 0 : Byte(*(s - 1));
    const int here = (s < ms.srcEnd) ? Byte(*s) : 0;
    if (SetMatches(before, p, ep - 1) || !SetMatches(here, p, ep - 1)) return nullptr;
    *next = ep;
    return s;
}

const char* MatchItems(MatchState& ms, const char* s, const char* p) {
    for (;;) {
        if (!Spend(ms)) return nullptr;
        if (p == ms.patEnd) return s;
        switch (*p) {
            case '(':
                if (p + 1 < ms.patEnd && *(p + 1) == ')') return StartCapture(ms, s, p + 2, CAP_POSITION);
                return StartCapture(ms, s, p + 1, CAP_UNFINISHED);
            case ')':
                return EndCapture(ms, s, p + 1);
            case '$':
                if (p + 1 == ms.patEnd) return s == ms.srcEnd ? s : nullptr;
                break;
            case ESC:
                if (p + 1 >= ms.patEnd) break;  // ClassEnd reports it
                if (*(p + 1) == 'b') {
                    s = MatchBalance(ms, s, p + 2);
                    if (!s) return nullptr;
                    p += 4;
                    continue;
                }
                if (*(p + 1) == 'f') {
                    s = MatchFrontier(ms, s, p + 2, &p);
                    if (!s) return nullptr;
                    continue;
                }
                if (std::isdigit(Byte(*(p + 1)))) {
                    s = MatchBackReference(ms, s, Byte(*(p + 1)));
                    if (!s) return nullptr;
                    p += 2;
                    continue;
                }
                break;
            default:
                break;
        }
        const char* ep = ClassEnd(ms, p);
        if (!ep) return nullptr;
        const bool matched = SingleMatch(ms, s, p, ep);
        const char suffix = ep < ms.patEnd ? *ep : '\0';
        if (suffix == '?') {
            if (matched) {
                const char* res = Match(ms, s + 1, ep + 1);
                if (res || ms.fault != Fault::None) return res;
            }
            p = ep + 1;
            continue;
        }
        if (suffix == '*') return MaxExpand(ms, s, p, ep);
        if (suffix == '+') return matched ? MaxExpand(ms, s + 1, p, ep) : nullptr;
        if (suffix == '-') return MinExpand(ms, s, p, ep);
        if (!matched) return nullptr;
        s++;
        p = ep;
    }
}

// Every nested pattern item goes through here: the depth bound keeps the C
// stack safe, the step budget keeps backtracking finite.
const char* Match(MatchState& ms, const char* s, const char* p) {
    if (ms.fault != Fault::None) return nullptr;
    if (ms.depth >= MAX_DEPTH) return Fail(ms, "pattern too complex");
    ms.depth++;
    const char* res = MatchItems(ms, s, p);
    ms.depth--;
    return res;
}
}  // namespace

void Begin(MatchState& ms, const char* s, size_t ls, const char* p, size_t lp, long steps) {
    ms.srcInit = s;
    ms.srcEnd = s + ls;
    ms.patEnd = p + lp;
    ms.level = 0;
    ms.depth = 0;
    ms.stepsLeft = steps;
    ms.fault = Fault::None;
    ms.message = nullptr;
}

const char* MatchAt(MatchState& ms, const char* s, const char* p) {
    ms.level = 0;
    ms.depth = 0;
    return Match(ms, s, p);
}

bool IsPlain(const char* p, size_t lp) {
    for (size_t i = 0; i < lp; ++i) {
        if (std::strchr("^$*+?.([%-", p[i]) && p[i] != '\0') return false;
    }
    return true;
}

const char* FindPlain(MatchState& ms, const char* s, size_t ls, const char* p, size_t lp) {
    if (lp == 0) return s;
    if (lp > ls) return nullptr;
    const char* last = s + (ls - lp);
    while (s <= last) {
        const void* hit = std::memchr(s, *p, static_cast<size_t>(last - s) + 1);
        if (!hit) return nullptr;
        s = static_cast<const char*>(hit);
        if (!Spend(ms, static_cast<long>(lp))) return nullptr;
        if (std::memcmp(s + 1, p + 1, lp - 1) == 0) return s;
        s++;
    }
    return nullptr;
}

}  // namespace luapattern
