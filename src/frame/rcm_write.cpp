// RCM data files: number texts and the writer.
#include "frame/rcm.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/platform.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipBlanks(const std::string& text, size_t i) {
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return i;
}

size_t SkipDigits(const std::string& text, size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

// The number at the start of a value, as a double (see RcmToNumber).
double ReadNumber(const std::string& text) {
    size_t i = SkipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t mantissa = i;
    size_t end = SkipDigits(text, i);
    size_t digits = end - mantissa;
    if (end < text.size() && text[end] == '.') {
        size_t fraction = SkipDigits(text, end + 1);
        digits += fraction - end - 1;
        end = fraction;
    }
    if (digits == 0) {
        return 0.0;
    }
    bool tinyExponent = false;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t e = end + 1;
        bool minus = e < text.size() && text[e] == '-';
        if (e < text.size() && (text[e] == '-' || text[e] == '+')) {
            ++e;
        }
        if (e < text.size() && IsDigit(text[e])) {
            end = SkipDigits(text, e);
            tinyExponent = minus;
        }
    }
    double value = 0.0;
    auto result = std::from_chars(text.data() + mantissa, text.data() + end, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = tinyExponent ? 0.0 : std::numeric_limits<double>::max();
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

// The integer reading of a value: blanks, optional sign, the digits up to the
// first other character; saturates instead of overflowing.
double ReadInteger(const std::string& text) {
    size_t i = SkipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long long limit = std::numeric_limits<long long>::max() / 10 - 1;
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (value > limit) {
            return negative ? -1e300 : 1e300;  // never equal to a number reading of the same text
        }
        value = value * 10 + (text[i] - '0');
    }
    return static_cast<double>(negative ? -value : value);
}

// How one NUMBER value is written: a whole number as an integer, anything
// else as its stored text. Surrounding blanks are left out, so that the blank
// the reader keeps after "=" does not grow the file at every save.
std::string NumberValueText(const std::string& value) {
    double integer = ReadInteger(value);
    if (integer == ReadNumber(value)) {
        return std::to_string(static_cast<long long>(integer));
    }
    return TRCMFile::myTrim(value);
}

void AppendGroup(std::string& out, const TRCMGroup& group, const std::string& indent) {
    const bool named = !group._id.empty();
    if (named) {
        out += indent;
        out += group._id;
        out += " {\n";
    }
    if (group._listaWpisow.empty()) {
        out += '\n';
    }
    for (const auto& entry : group._listaWpisow) {
        out += indent;
        out += '\t';
        out += entry->toTxt();
        out += '\n';
    }
    const std::string inner = indent + '\t';
    for (const auto& sub : group._listaGrup) {
        AppendGroup(out, *sub, inner);
    }
    if (named) {
        out += indent;
        out += "}\n\n";
    }
}

}  // namespace

float RcmToNumber(const std::string& text) {
    double value = ReadNumber(text);
    if (value > FLT_MAX) {
        return FLT_MAX;
    }
    if (value < -FLT_MAX) {
        return -FLT_MAX;
    }
    return static_cast<float>(value);
}

std::string RcmNumberText(float value) {
    // Like printf's "%#.9g", but independent of the C locale's decimal point.
    double v = std::isfinite(value) ? static_cast<double>(value) : 0.0;
    char buf[64];
    auto sci = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 8);
    std::string text(buf, sci.ptr);
    size_t e = text.find('e');
    int exponent = std::atoi(text.c_str() + e + 1);
    if (exponent < -4 || exponent >= 9) {
        return text;  // "1.00000000e+09" keeps its point from the precision
    }
    auto fixed = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 8 - exponent);
    text.assign(buf, fixed.ptr);
    if (text.find('.') == std::string::npos) {
        text += '.';
    }
    return text;
}

std::string RcmEscapeString(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\q";
                break;
            case '{':
                out += "\\o";
                break;
            case '}':
                out += "\\c";
                break;
            case '=':
                out += "\\e";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string RcmUnescapeString(const std::string& text) {
    if (text.find('\\') == std::string::npos) return text;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const char* meant = nullptr;
        if (text[i] == '\\') {
            switch (next) {
                case '\\':
                    meant = "\\";
                    break;
                case 'q':
                    meant = "\"";
                    break;
                case 'o':
                    meant = "{";
                    break;
                case 'c':
                    meant = "}";
                    break;
                case 'e':
                    meant = "=";
                    break;
                case 'n':
                    meant = "\n";
                    break;
                default:
                    break;
            }
        }
        if (meant) {
            out += meant;
            ++i;
        } else {
            out += text[i];  // any other backslash stands for itself
        }
    }
    return out;
}

std::string TRCMEntry::toTxt() const {
    std::string out = _id;
    out += " = ";
    for (size_t i = 0; i < _value.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        if (_type == NUMBER) {
            out += NumberValueText(_value[i]);
        } else {
            out += '"';
            out += RcmEscapeString(_value[i]);
            out += '"';
        }
    }
    return out;
}

std::string TRCMGroup::save(const std::string& indent) const {
    std::string out;
    AppendGroup(out, *this, indent);
    return out;
}

std::string TRCMFile::saveText() const {
    // Entries lying directly in the root are not written.
    std::string out;
    for (const auto& group : _grupa->_listaGrup) {
        AppendGroup(out, *group, "");
    }
    return out;
}

bool TRCMFile::save(const std::string& path) const { return FsSaveText(saveText(), path); }
