// The rules of a profile name as the player types it: the refused
// characters, upper case for any alphabet, the length counted in letters
// (not bytes), and the clash with a name already in use.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Names hold at most this many letters.
constexpr int MAX_NAME_LETTERS = 15;
// The smallest a long name is drawn, in the profile list and as it is typed.
constexpr int NAME_MIN_SIZE = 20;

// The 29 characters a name may not hold (the space among them), in order.
const std::vector<std::string>& ForbiddenNameChars();
// True for a forbidden character and for control characters.
bool IsRefusedNameChar(std::uint32_t c);
// The upper-case letter of c: ASCII, Latin-1, Latin Extended-A, Greek and
// Cyrillic; anything else stays as it is.
std::uint32_t UpperLetter(std::uint32_t c);
// Every letter of a UTF-8 text upper-cased.
std::string UpperName(const std::string& name);
// Letters (code points) in a UTF-8 text.
int LetterCount(const std::string& text);
// Removes the last letter, however many bytes it takes; nothing when empty.
void RemoveLastLetter(std::string& text);
// Appends c (upper-cased) unless it is refused or the name is full; true
// when it was appended.
bool AppendNameLetter(std::string& name, std::uint32_t c);
// The key two names clash on: the profile id of the trimmed, upper-cased
// name, so that two names that would share a profile folder clash.
std::string NameKey(const std::string& name);
// True when `name` clashes with one of `taken`.
bool NameTaken(const std::string& name, const std::vector<std::string>& taken);
