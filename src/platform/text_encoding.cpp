#include "platform/text_encoding.h"

#include <vector>

namespace {
constexpr std::uint32_t kReplacement = 0xFFFD;

// Length of the well-formed UTF-8 sequence at s[i], 0 when there is none.
std::size_t SequenceLength(const std::string& s, std::size_t i, std::uint32_t& cp) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = at(i);
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    std::size_t len = 0;
    std::uint32_t min = 0;
    if ((c & 0xE0) == 0xC0) {
        len = 2, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < len; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (at(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return len;
}

std::string FromUtf16(const std::string& bytes, std::size_t start, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t k) {
        const auto a = static_cast<unsigned char>(bytes[k]);
        const auto b = static_cast<unsigned char>(bytes[k + 1]);
        return static_cast<std::uint32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
        std::uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;  // a lone surrogate
        }
        Utf8Append(out, cp);
    }
    return out;
}
}  // namespace

std::uint32_t Utf8Next(const std::string& s, std::size_t& i) {
    std::uint32_t cp = 0;
    const std::size_t len = SequenceLength(s, i, cp);
    if (len == 0) {
        return static_cast<unsigned char>(s[i++]);
    }
    i += len;
    return cp;
}

void Utf8Append(std::string& out, std::uint32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        cp = kReplacement;
    }
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

bool Utf8Valid(const std::string& s) {
    std::uint32_t cp = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = SequenceLength(s, i, cp);
        if (len == 0) {
            return false;
        }
        i += len;
    }
    return true;
}

std::string TextFromFileBytes(const std::string& bytes) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    if (bytes.size() >= 3 && b(0) == 0xEF && b(1) == 0xBB && b(2) == 0xBF) {
        return bytes.substr(3);
    }
    if (bytes.size() >= 2 && b(0) == 0xFF && b(1) == 0xFE) {
        return FromUtf16(bytes, 2, false);
    }
    if (bytes.size() >= 2 && b(0) == 0xFE && b(1) == 0xFF) {
        return FromUtf16(bytes, 2, true);
    }
    if (Utf8Valid(bytes)) {
        return bytes;
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        Utf8Append(out, b(i));
    }
    return out;
}

std::string TextToFileBytes(const std::string& text) {
    std::vector<std::uint32_t> cps;
    cps.reserve(text.size());
    bool narrow = true;
    for (std::size_t i = 0; i < text.size();) {
        const std::uint32_t cp = Utf8Next(text, i);
        narrow = narrow && cp < 256;
        cps.push_back(cp);
    }
    std::string out;
    if (narrow) {
        out.reserve(cps.size());
        for (std::uint32_t cp : cps) {
            out += static_cast<char>(cp);
        }
        // One byte each must read back as the same text: "Ã©" would come
        // back as "é" (the bytes form UTF-8), "ÿþ" as a UTF-16 mark. Such text
        // is written as UTF-8 behind the mark that selects it.
        if (TextFromFileBytes(out) == text) {
            return out;
        }
        out = "\xEF\xBB\xBF";
        for (std::uint32_t cp : cps) {
            Utf8Append(out, cp);
        }
        return out;
    }
    out.reserve(2 + cps.size() * 2);
    out += "\xFF\xFE";
    const auto put = [&](std::uint32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (std::uint32_t cp : cps) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}
