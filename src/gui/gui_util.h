// Small helpers of the GUI script reader: case-blind names, trimming, number
// lists, error messages and paths relative to a script's folder.
#pragma once

#include <string>
#include <vector>

#include "frame/names.h"

// Prints "ERROR: " + text to standard output.
void PrintError(const std::string& text);

// A decimal number at the start of the text ("12.5", "-3", ".5"); 0 when
// there is none. No exponents, infinities or NaNs; clamped to +-1e6 so that
// bad data cannot overflow later conversions.
float ParseDecimal(const std::string& s);
// The integer part of ParseDecimal.
int ParseInteger(const std::string& s);
// Splits at every single space: two spaces in a row give an empty piece.
std::vector<std::string> SplitNumbers(const std::string& s);

// The folder part of a path including its last "/", or "" for a bare name.
std::string ScriptDir(const std::string& path);
// A file named in a script, as a path from the working directory: absolute
// paths stay, others are taken from the script's folder; "." and "dir/.."
// pieces are folded away.
std::string ResolveScriptPath(const std::string& baseDir, const std::string& file);
