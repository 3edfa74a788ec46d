#include "words.h"

#include <fstream>

namespace art {

std::vector<std::string> LanguageLines(const std::string& gameDir, const std::string& code,
                                       const std::string& file) {
    std::ifstream in(gameDir + "/txt/" + code + "/" + file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace art
