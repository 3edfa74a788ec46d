// Localised text files: one text per line, picked by line number.
#include "frame/text_file.h"

#include <cstdio>

#include "frame/globals.h"
#include "frame/languages.h"
#include "platform/platform.h"

const char* const TXT_BEYOND = "(BEYOND TEXT ARRAY LENGTH!)";

std::string ReplaceLang(const std::string& path) { return ReplaceLangWith(path, lang); }

std::string LocalisedFile(const std::string& path) {
    const std::string own = ReplaceLang(path);
    if (FsFileType(own) == 1) return own;
    const std::string base = ReplaceLangWith(path, kBaseLanguage);
    return FsFileType(base) == 1 ? base : own;
}

std::string TextsOfLanguageInUse(const std::string& path, const std::string& from) {
    const std::string folder = "txt/" + from + "/";
    const size_t at = path.rfind(folder);
    // Only a whole folder name: "txt/en/" and not "otxt/en/".
    if (at == std::string::npos || (at > 0 && path[at - 1] != '/')) return path;
    return path.substr(0, at) + "txt/" + lang + "/" + path.substr(at + folder.size());
}

std::string ReplaceLangWith(const std::string& path, const std::string& code) {
    static const std::string placeholder = "#LANG#";
    std::string out;
    size_t start = 0;
    for (size_t pos = path.find(placeholder); pos != std::string::npos; pos = path.find(placeholder, start)) {
        out.append(path, start, pos - start);
        out += code;
        start = pos + placeholder.size();
    }
    out.append(path, start, std::string::npos);
    return out;
}

std::string CutTextAt(const std::string& text, size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    size_t end = maxBytes;
    // Back to the start of the letter the cut would split (continuation bytes are 10xxxxxx).
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

std::shared_ptr<TTxtFile> TxtFileFromText(const std::string& text, const std::string& source) {
    auto file = std::make_shared<TTxtFile>();
    auto add = [&](size_t start, size_t length) {
        if (length <= TXT_MAX_LINE_BYTES) {
            file->txt.push_back(text.substr(start, length));
            return;
        }
        std::printf("Line %d of %s has %zu bytes: only its first %zu are kept\n", file->lines() + 1,
                    source.c_str(), length, TXT_MAX_LINE_BYTES);
        file->txt.push_back(CutTextAt(text.substr(start, TXT_MAX_LINE_BYTES + 4), TXT_MAX_LINE_BYTES));
    };
    size_t start = 0;
    for (size_t pos = text.find('\n'); pos != std::string::npos; pos = text.find('\n', start)) {
        add(start, pos - start);
        start = pos + 1;
    }
    if (start < text.size()) {
        add(start, text.size() - start);
    }
    return file;
}

std::shared_ptr<TTxtFile> LoadTxtFile(const std::string& path) {
    std::string real = ReplaceLang(path);
    // A missing file reads as an empty text.
    return TxtFileFromText(FsFileType(real) == 1 ? FsLoadText(real) : std::string(), real);
}

std::string TxtLine(const TTxtFile* file, int n) {
    if (!file || n < 1 || n > file->lines()) {
        return TXT_BEYOND;
    }
    return file->txt[static_cast<size_t>(n - 1)];
}

// The line number of a reference: blanks, optional sign, digits; else 0.
static int ReadLineNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32) {
        ++i;
    }
    bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1000000000) {
            return 0;  // no file has that many lines
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::string TxtRef(const std::string& reference) {
    if (reference.size() < 2) {
        return TXT_BEYOND;
    }
    std::string inner = reference.substr(1, reference.size() - 2);
    size_t bar = inner.find('|');
    if (bar == std::string::npos) {
        return TXT_BEYOND;
    }
    size_t end = inner.find('|', bar + 1);
    std::string number = inner.substr(bar + 1, end == std::string::npos ? std::string::npos : end - bar - 1);
    return TxtLine(LoadTxtFile(inner.substr(0, bar)), ReadLineNumber(number));
}
