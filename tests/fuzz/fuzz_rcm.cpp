// Arbitrary bytes as an RCM data file: reading, look-ups, updates, writing and
// reading the written text again must never crash or leak. When the tree holds
// no structural characters or quotes in its names and values, writing what was
// read back in must give the same text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "frame/rcm.h"

namespace {

bool CleanText(const std::string& s) { return s.find_first_of("{}=\n\"") == std::string::npos; }

bool CleanTree(const TRCMGroup& group, bool root) {
    if (!root && (group._id.empty() || !CleanText(group._id))) {
        return false;
    }
    for (const auto& entry : group._listaWpisow) {
        if (!CleanText(entry->_id)) {
            return false;
        }
        for (const auto& value : entry->_value) {
            if (!CleanText(value)) {
                return false;
            }
        }
    }
    for (const auto& sub : group._listaGrup) {
        if (!CleanTree(*sub, false)) {
            return false;
        }
    }
    return true;
}

// Some paths of the tree, for look-ups: every entry of the first groups.
void CollectPaths(const TRCMGroup& group, const std::string& prefix, std::vector<std::string>& out) {
    for (const auto& entry : group._listaWpisow) {
        if (out.size() < 64) {
            out.push_back(prefix + entry->_id);
        }
    }
    for (const auto& sub : group._listaGrup) {
        if (out.size() < 64) {
            CollectPaths(*sub, prefix + sub->_id + "::", out);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::cout.rdbuf(nullptr);  // the reader's messages are not wanted here
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TRCMFile file;
    file.LoadFromText(text);

    std::vector<std::string> paths;
    CollectPaths(*file._grupa, "", paths);
    paths.push_back(text.substr(0, text.find('\n')));  // the first line as a path
    for (const auto& path : paths) {
        int count = file.valueCount(path);
        for (int i = -1; i <= count; ++i) {
            (void)file.getString(path, i);
            (void)RcmTruncate(file.getFloat(path, i));
            (void)file.getInt(path, i);
        }
    }

    const std::string written = file.saveText();
    if (CleanTree(*file._grupa, true)) {
        TRCMFile again;
        again.LoadFromText(written);
        if (again.saveText() != written) {
            std::abort();
        }
    }

    // Updates through paths taken from the input, then write and read again.
    const size_t cut = size / 2;
    const std::string path = text.substr(0, cut < 200 ? cut : 200);
    const int index = size > 0 ? data[0] % 8 : 0;
    file.setString(path, text.substr(cut), index);
    file.setFloat(path + "::n", static_cast<float>(size) / 3.0f, index);
    file.setFloat(path, -1e30f, 0);
    TRCMFile reread;
    reread.LoadFromText(file.saveText());
    (void)reread.getFloat(path);
    return 0;
}
