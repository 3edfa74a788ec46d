// Names of groups and keys, GUI objects, sounds and tracks compare
// regardless of (ASCII) letter case; texts read from files are trimmed of
// blanks. One helper for each, used by every reader.
#pragma once

#include <string>

inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
// The text with a..z made A..Z; other bytes unchanged.
std::string UpperCase(std::string s);
// Equal regardless of ASCII letter case.
bool EqualNoCase(const std::string& a, const std::string& b);
// Removes blanks (spaces, tabs, carriage returns, every control character) at both ends.
std::string TrimBlanks(const std::string& s);
