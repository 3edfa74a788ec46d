// RCM data files: the tree of groups and entries, look-ups and updates.
// Reading lives in rcm_read.cpp, writing and number texts in rcm_write.cpp.
#include "frame/rcm.h"

#include "frame/names.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <limits>

// ---------------------------------------------------------------------------
// Names and paths
// ---------------------------------------------------------------------------
std::vector<std::string> SplitRcmPath(const std::string& path) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t pos = path.find("::"); pos != std::string::npos; pos = path.find("::", start)) {
        pieces.push_back(path.substr(start, pos - start));
        start = pos + 2;
    }
    pieces.push_back(path.substr(start));
    return pieces;
}

int RcmTruncate(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    // 2147483648.0f is the first float beyond the int range.
    if (value >= 2147483648.0f) {
        return std::numeric_limits<int>::max();
    }
    if (value <= -2147483648.0f) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

// ---------------------------------------------------------------------------
// TRCMEntry
// ---------------------------------------------------------------------------
void TRCMEntry::setValue(const std::string& value, int index) {
    if (index < 0) {
        return;
    }
    if (static_cast<size_t>(index) >= _value.size()) {
        _value.resize(static_cast<size_t>(index) + 1);
    }
    _value[static_cast<size_t>(index)] = value;
}

void TRCMEntry::createArray(int n) { _value.assign(n > 0 ? static_cast<size_t>(n) : 0, std::string()); }

// ---------------------------------------------------------------------------
// TRCMGroup
// ---------------------------------------------------------------------------
static std::string LowerName(const std::string& name) {
    std::string lower = name;
    for (char& c : lower) {
        c = LowerAscii(c);
    }
    return lower;
}

template <typename List>
typename List::value_type::element_type* TRCMGroup::_find(const List& list, NameIndex& index,
                                                          const std::string& name) {
    // Elements are appended (reader, setters); a shorter list or a stale hit
    // means someone edited it otherwise, and the index starts again.
    for (int pass = 0; pass < 2; ++pass) {
        if (index.covered > list.size()) {
            index = NameIndex();
        }
        for (; index.covered < list.size(); ++index.covered) {
            // emplace keeps the first position: the first match in list order wins.
            index.first.emplace(LowerName(list[index.covered]->_id), index.covered);
        }
        const auto hit = index.first.find(LowerName(name));
        if (hit == index.first.end()) {
            return nullptr;
        }
        if (EqualNoCase(list[hit->second]->_id, name)) {
            return list[hit->second].get();
        }
        index = NameIndex();
    }
    return nullptr;
}

TRCMGroup* TRCMGroup::getGroup(const std::string& name) const { return _find(_listaGrup, _groupIndex, name); }

TRCMEntry* TRCMGroup::getEntry(const std::string& key) const { return _find(_listaWpisow, _entryIndex, key); }

TRCMEntry* TRCMGroup::_addEntry(const std::string& key, int type) {
    auto entry = std::make_shared<TRCMEntry>();
    entry->_id = key;
    entry->_type = type;
    _listaWpisow.push_back(entry);
    return entry.get();
}

void TRCMGroup::setStringEntry(const std::string& key, const std::string& value, int index) {
    if (index < 0) {
        return;
    }
    TRCMEntry* entry = getEntry(key);
    if (!entry) {
        entry = _addEntry(key, TRCMEntry::STRING);
    }
    entry->setValue(value, index);
}

void TRCMGroup::setFloatEntry(const std::string& key, float value, int index) {
    if (index < 0) {
        return;
    }
    TRCMEntry* entry = getEntry(key);
    if (!entry) {
        entry = _addEntry(key, TRCMEntry::NUMBER);
    }
    entry->setValue(RcmNumberText(value), index);
}

void TRCMGroup::showGroup(const std::string& indent) const {
    std::cout << indent << _id << " {\n";
    for (const auto& e : _listaWpisow) {
        std::cout << indent << '\t' << e->toTxt() << '\n';
    }
    for (const auto& g : _listaGrup) {
        g->showGroup(indent + '\t');
    }
    std::cout << indent << "}\n";
}

// ---------------------------------------------------------------------------
// TRCMFile: look-ups and updates
// ---------------------------------------------------------------------------
TRCMFile::TRCMFile() : _grupa(std::make_shared<TRCMGroup>()) {}

std::string TRCMFile::myTrim(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) {
        --end;
    }
    return text.substr(begin, end - begin);
}

void TRCMFile::errorMsg(const std::string& message) {
    std::cout << "Napotkano problem : " << message << std::endl;
}

TRCMGroup* TRCMFile::getGroup(const std::vector<std::string>& pieces) const {
    TRCMGroup* group = _grupa.get();
    for (size_t i = 0; group && i + 1 < pieces.size(); ++i) {
        group = group->getGroup(pieces[i]);
    }
    return group;
}

TRCMGroup* TRCMFile::getGroupSet(const std::vector<std::string>& pieces) {
    TRCMGroup* group = _grupa.get();
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        TRCMGroup* next = group->getGroup(pieces[i]);
        if (!next) {
            auto created = std::make_shared<TRCMGroup>();
            created->_id = pieces[i];
            group->_listaGrup.push_back(created);
            next = created.get();
        }
        group = next;
    }
    return group;
}

// The value number `index` of the entry a path names, or null.
static const std::string* FindValue(const TRCMFile& file, const std::string& path, int index,
                                    TRCMGroup** groupOut = nullptr) {
    auto pieces = SplitRcmPath(path);
    TRCMGroup* group = file.getGroup(pieces);
    if (groupOut) {
        *groupOut = group;
    }
    if (!group) {
        return nullptr;
    }
    const TRCMEntry* entry = group->getEntry(pieces.back());
    if (!entry || index < 0 || static_cast<size_t>(index) >= entry->_value.size()) {
        return nullptr;
    }
    return &entry->_value[static_cast<size_t>(index)];
}

std::string TRCMFile::getString(const std::string& path, int index) const {
    const std::string* value = FindValue(*this, path, index);
    return value ? *value : std::string();
}

float TRCMFile::getFloat(const std::string& path, int index, int show) const {
    TRCMGroup* group = nullptr;
    const std::string* value = FindValue(*this, path, index, &group);
    if (show && group) {
        group->showGroup("");
    }
    return value ? RcmToNumber(*value) : 0.0f;
}

int TRCMFile::getInt(const std::string& path, int index) const { return RcmTruncate(getFloat(path, index)); }

int TRCMFile::getIntIn(const std::string& path, int lo, int hi, int index) const {
    return std::clamp(getInt(path, index), lo, hi);
}

int TRCMFile::valueCount(const std::string& path) const {
    auto pieces = SplitRcmPath(path);
    const TRCMGroup* group = getGroup(pieces);
    const TRCMEntry* entry = group ? group->getEntry(pieces.back()) : nullptr;
    return entry ? static_cast<int>(entry->_value.size()) : 0;
}

void TRCMFile::setString(const std::string& path, const std::string& value, int index) {
    auto pieces = SplitRcmPath(path);
    getGroupSet(pieces)->setStringEntry(pieces.back(), value, index);
}

void TRCMFile::setFloat(const std::string& path, float value, int index) {
    auto pieces = SplitRcmPath(path);
    getGroupSet(pieces)->setFloatEntry(pieces.back(), value, index);
}

void TRCMFile::printAll() const { _grupa->showGroup(""); }

std::shared_ptr<TRCMFile> LoadRCM(const std::string& path) {
    auto file = std::make_shared<TRCMFile>();
    file->Load(path);
    return file;
}

std::shared_ptr<TRCMFile> NewRCM() { return std::make_shared<TRCMFile>(); }
