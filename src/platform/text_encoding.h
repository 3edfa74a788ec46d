// UTF-8 helpers and the byte encodings of text files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The code point starting at s[i]; advances i. A byte that does not start a
// well-formed sequence stands for itself (read as Latin-1).
std::uint32_t Utf8Next(const std::string& s, std::size_t& i);
void Utf8Append(std::string& out, std::uint32_t cp);
bool Utf8Valid(const std::string& s);

// File bytes to UTF-8: a byte-order mark selects UTF-8, UTF-16LE or UTF-16BE;
// without one, bytes that form valid UTF-8 stay as they are and anything else
// is read one character per byte (Latin-1).
std::string TextFromFileBytes(const std::string& bytes);
// UTF-8 to file bytes: one byte per character when every character is below
// 256, otherwise UTF-16LE with its byte-order mark.
std::string TextToFileBytes(const std::string& text);
