// Localised text files: one text per line, picked by line number (from 1).
// "#LANG#" in a path stands for the language code.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct TTxtFile {
    std::vector<std::string> txt;
    int lines() const { return static_cast<int>(txt.size()); }
};

extern const char* const TXT_BEYOND;

// The most one line of a text file may hold (34 times the longest line the game ships): a longer
// line is cut there with a message, so that a damaged file cannot make every frame lay out
// megabytes of text.
constexpr size_t TXT_MAX_LINE_BYTES = 4096;
// `text` cut to at most `maxBytes`, never inside a UTF-8 letter.
std::string CutTextAt(const std::string& text, size_t maxBytes);  // "(BEYOND TEXT ARRAY LENGTH!)"

std::string ReplaceLang(const std::string& path);                               // "#LANG#" -> lang
std::string ReplaceLangWith(const std::string& path, const std::string& code);  // "#LANG#" -> code
// The file a "#LANG#" path names for the language in use, or the base language's when the
// language has none of its own (pictures with no words, story timings).
std::string LocalisedFile(const std::string& path);
// A text file of language `from` ("game/txt/<from>/x.txt") as the same file of the language in
// use ("game/txt/<lang>/x.txt"); other paths as they are.
std::string TextsOfLanguageInUse(const std::string& path, const std::string& from);
std::shared_ptr<TTxtFile> LoadTxtFile(const std::string& path);
// Cuts a whole file text into lines as LoadTxtFile does: every line feed ends
// a line, a non-empty rest after the last one is one more line, carriage
// returns stay in their lines. Lines longer than TXT_MAX_LINE_BYTES are cut, with a message
// naming `source`.
std::shared_ptr<TTxtFile> TxtFileFromText(const std::string& text, const std::string& source = "a text");
std::string TxtLine(const TTxtFile* file, int n);
inline std::string TxtLine(const std::shared_ptr<TTxtFile>& file, int n) { return TxtLine(file.get(), n); }
std::string TxtRef(const std::string& reference);  // "[path|line]"
