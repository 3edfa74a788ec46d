// RCM data files: the brace check and the reader.
#include "frame/rcm.h"

#include "platform/platform.h"

namespace {

// Deeper groups are skipped with a message: real data nests a few levels,
// and a bounded tree keeps writing and freeing it off the edge of the stack.
constexpr size_t kMaxDepth = 256;

// One group body being read: the group and its two pending texts.
struct BodyState {
    std::shared_ptr<TRCMGroup> group;
    size_t bodyStart = 0;
    std::string pendingName;
    std::string pendingEntry;
    bool equalsSeen = false;
};

bool IsStructural(char c) { return c == '{' || c == '}' || c == '\n' || c == '='; }

// Index just after the "}" matching a "{" that ends before `pos`, or the end.
size_t SkipGroup(const std::string& text, size_t pos) {
    size_t depth = 1;
    while (pos < text.size() && depth > 0) {
        if (text[pos] == '{') {
            ++depth;
        } else if (text[pos] == '}') {
            --depth;
        }
        ++pos;
    }
    return pos;
}

}  // namespace

void TRCMFile::Load(const std::string& path) {
    _path = path;
    _realPath = FsRealPath(path);
    _grupa = std::make_shared<TRCMGroup>();
    _txt.clear();
    if (FsFileType(path) == 0) {
        errorMsg("Nie znaleziono pliku : " + path);
        return;
    }
    LoadFromText(FsLoadText(path));
}

void TRCMFile::LoadFromText(const std::string& text) {
    _grupa = std::make_shared<TRCMGroup>();
    _txt = text;
    if (_txt.empty() || !checkTxt()) {
        return;
    }
    _grupa = readAll(_txt, "MAINGROUP");
}

bool TRCMFile::checkGroups() {
    size_t open = 0;
    size_t close = 0;
    bool quoted = false;
    for (char c : _txt) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '{') {
            ++open;
        } else if (!quoted && c == '}') {
            ++close;
        }
    }
    if (open == close) {
        return true;
    }
    errorMsg("Blad nawiasow klamrowych! \"{\" - " + std::to_string(open) + " \"}\" - " +
             std::to_string(close));
    return false;
}

bool TRCMFile::checkTxt() {
    if (!_txt.empty() && _txt.back() == '}') {
        _txt += '\n';
    }
    return checkGroups();
}

std::shared_ptr<TRCMEntry> TRCMFile::readEntry(const std::string& line) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) {
        return nullptr;
    }
    size_t next = line.find('=', eq + 1);
    std::string valueText =
        line.substr(eq + 1, next == std::string::npos ? std::string::npos : next - eq - 1);
    std::string trimmed = myTrim(valueText);
    if (trimmed.empty()) {
        errorMsg("Wpis bez wartosci : " + line);
        return nullptr;
    }
    auto entry = std::make_shared<TRCMEntry>();
    entry->_id = myTrim(line.substr(0, eq));
    bool number = (trimmed[0] >= '0' && trimmed[0] <= '9') || trimmed[0] == '-';
    entry->_type = number ? TRCMEntry::NUMBER : TRCMEntry::STRING;

    // Split at every comma outside double quotes; the quotes stay in the pieces.
    size_t start = 0;
    bool quoted = false;
    for (size_t i = 0; i <= valueText.size(); ++i) {
        if (i < valueText.size() && valueText[i] == '"') {
            quoted = !quoted;
        }
        if (i < valueText.size() && (quoted || valueText[i] != ',')) {
            continue;
        }
        std::string piece = valueText.substr(start, i - start);
        if (!number) {
            // The written form is a blank, a quote, the text and a quote.
            piece = piece.size() >= 3 ? RcmUnescapeString(piece.substr(2, piece.size() - 3)) : std::string();
        }
        entry->_value.push_back(std::move(piece));
        start = i + 1;
    }
    return entry;
}

std::shared_ptr<TRCMGroup> TRCMFile::readAll(const std::string& text, const std::string& name) {
    auto root = std::make_shared<TRCMGroup>();
    root->_id = name;
    std::vector<BodyState> stack(1);
    stack.back().group = root;
    bool depthReported = false;

    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        BodyState& body = stack.back();
        // Ordinary characters go to both pending texts a run at a time.
        size_t run = i;
        while (run < n && !IsStructural(text[run])) {
            ++run;
        }
        if (run > i) {
            body.pendingName.append(text, i, run - i);
            body.pendingEntry.append(text, i, run - i);
            i = run;
            continue;
        }
        char c = text[i++];
        if (c == '=') {
            body.pendingName += c;
            body.pendingEntry += c;
            body.equalsSeen = true;
        } else if (c == '\n') {
            if (body.equalsSeen) {
                if (auto entry = readEntry(myTrim(body.pendingEntry))) {
                    body.group->_listaWpisow.push_back(std::move(entry));
                }
                body.pendingName.clear();
                body.pendingEntry.clear();
                body.equalsSeen = false;
            }
        } else if (c == '{') {
            std::string groupName = myTrim(body.pendingName);
            body.pendingName.clear();
            if (stack.size() > kMaxDepth) {
                if (!depthReported) {
                    errorMsg("Zbyt gleboko zagniezdzone grupy, pominieto : " + groupName);
                    depthReported = true;
                }
                i = SkipGroup(text, i);
                continue;
            }
            auto group = std::make_shared<TRCMGroup>();
            group->_id = std::move(groupName);
            body.group->_listaGrup.push_back(group);
            BodyState inner;
            inner.group = std::move(group);
            inner.bodyStart = i;
            stack.push_back(std::move(inner));  // `body` is not used past this point
        } else {                                // '}'
            body.group->_pos = static_cast<int>(i - body.bodyStart);
            if (stack.size() == 1) {
                return root;  // a brace closing the top level ends reading
            }
            stack.pop_back();
        }
    }
    for (auto& body : stack) {
        body.group->_pos = static_cast<int>(n - body.bodyStart);
    }
    return root;
}
