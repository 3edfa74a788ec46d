// The words a picture carries, per language: the lines of game/txt/<code>/<file>.
#pragma once

#include <string>
#include <vector>

namespace art {

// The lines of gameDir/txt/<code>/<file> (UTF-8, line feeds; a carriage return before one is
// dropped); empty when the language has no such file.
std::vector<std::string> LanguageLines(const std::string& gameDir, const std::string& code,
                                       const std::string& file);

}  // namespace art
