// RCM data files: the game's hierarchical key/value text format. A file is a
// tree of named groups holding entries; an entry has a key and one or more
// values, all strings or all numbers. Paths join names with "::", names match
// regardless of letter case, the first match in list order wins.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct TRCMEntry {
    static constexpr int STRING = 0;
    static constexpr int NUMBER = 1;

    std::string _id;
    std::vector<std::string> _value;  // NUMBER values are kept as their text
    int _type = STRING;

    std::string toTxt() const;                           // "key = values" as the writer puts it
    void setValue(const std::string& value, int index);  // grows the array as needed
    void createArray(int n);
};

struct TRCMGroup {
    std::string _id;
    int _pos = 0;
    std::vector<std::shared_ptr<TRCMGroup>> _listaGrup;
    std::vector<std::shared_ptr<TRCMEntry>> _listaWpisow;

    std::string save(const std::string& indent) const;
    void showGroup(const std::string& indent) const;
    TRCMGroup* getGroup(const std::string& name) const;  // own sub-groups only
    TRCMEntry* getEntry(const std::string& key) const;   // own entries only
    void setStringEntry(const std::string& key, const std::string& value, int index);
    void setFloatEntry(const std::string& key, float value, int index);
    TRCMEntry* _addEntry(const std::string& key, int type);

private:
    // Lower-case name -> position of its first match, so that a look-up costs
    // the same in a group of ten entries as in one of a hundred thousand.
    // Built lazily as the lists grow; the lists are only appended to (reader,
    // setters), and a list that shrank or a stale hit rebuilds it.
    struct NameIndex {
        std::unordered_map<std::string, size_t> first;
        size_t covered = 0;  // list elements indexed so far
    };
    mutable NameIndex _groupIndex, _entryIndex;
    template <typename List>
    static typename List::value_type::element_type* _find(const List& list, NameIndex& index,
                                                          const std::string& name);
};

class TRCMFile {
public:
    std::shared_ptr<TRCMGroup> _grupa;  // root: "" for a new file, "MAINGROUP" once loaded
    std::string _path;
    std::string _realPath;
    std::string _txt;

    TRCMFile();
    virtual ~TRCMFile() = default;

    bool save(const std::string& path) const;  // atomic write; false when it failed
    std::string saveText() const;              // the text save writes
    void Load(const std::string& path);
    // Reads a whole file text as Load does after opening the file (tests, tools).
    void LoadFromText(const std::string& text);
    bool checkGroups();
    bool checkTxt();
    std::shared_ptr<TRCMGroup> readAll(const std::string& text, const std::string& name);
    static std::string myTrim(const std::string& text);
    std::shared_ptr<TRCMEntry> readEntry(const std::string& line);
    TRCMGroup* getGroupSet(const std::vector<std::string>& pieces);
    void setString(const std::string& path, const std::string& value, int index = 0);
    void setFloat(const std::string& path, float value, int index = 0);
    std::string getString(const std::string& path, int index = 0) const;
    float getFloat(const std::string& path, int index = 0, int show = 0) const;
    TRCMGroup* getGroup(const std::vector<std::string>& pieces) const;
    int valueCount(const std::string& path) const;  // number of values of an entry, 0 when missing
    // getFloat truncated toward zero and clamped to the int range.
    int getInt(const std::string& path, int index = 0) const;
    // getInt kept within lo..hi: a number whose use would overflow (times 1000, summed) cannot.
    int getIntIn(const std::string& path, int lo, int hi, int index = 0) const;
    void printAll() const;
    static void errorMsg(const std::string& message);
};

std::shared_ptr<TRCMFile> LoadRCM(const std::string& path);
std::shared_ptr<TRCMFile> NewRCM();
// Splits an RCM path at every "::".
std::vector<std::string> SplitRcmPath(const std::string& path);
// The reading of a number value: leading blanks skipped, then a decimal
// number; text that is not a number gives 0.
float RcmToNumber(const std::string& text);
// The stored text of a number: nine significant digits, always with a decimal
// point ("100.000000", "0.500000000", "-2.50000000").
std::string RcmNumberText(float value);
// A text value as written between its quotes: the characters the format cannot hold there are
// written as a backslash and a letter (\q a double quote, \o "{", \c "}", \e "=", \n a line
// feed) and a backslash as two, so that the file's braces and quotes still balance.
std::string RcmEscapeString(const std::string& value);
// The reading of a written text value: those pairs back; any other backslash stays as it is.
std::string RcmUnescapeString(const std::string& text);
// Float to int as the game reads numbers: toward zero, clamped to the int range.
int RcmTruncate(float value);
