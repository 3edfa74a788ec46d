// Reading and writing a level file. Bad data never stops the game: each
// problem is printed and the reader goes on with a default; a level that
// cannot be played is refused (0 x 0) with a message.
#include <algorithm>
#include <cstdio>
#include <set>

#include "frame/rcm.h"
#include "match3/level.h"

const char* const LEVEL_MESSAGE_PREFIX = "Level: ";

namespace {

// A piece of the chip id list read as the data files read numbers: leading
// blanks skipped, a decimal number, anything else 0.
int PieceToInt(const std::string& piece) { return RcmTruncate(RcmToNumber(piece)); }

void Message(const std::string& text) { std::printf("%s%s\n", LEVEL_MESSAGE_PREFIX, text.c_str()); }

int Get(const TRCMFile& f, const std::string& key, int index = 0) { return f.getInt(key, index); }

std::string RowKey(const char* group, int r) {
    return std::string("level::") + group + "::row" + std::to_string(r);
}

}  // namespace

std::shared_ptr<TLevel> LoadLevel(const std::string& path) {
    auto level = std::make_shared<TLevel>();
    level->_Load(path);
    return level;
}

std::shared_ptr<TLevel> LoadLevelFromText(const std::string& text) {
    auto level = std::make_shared<TLevel>();
    TRCMFile f;
    f.LoadFromText(text);
    level->_LoadFrom(f);
    return level;
}

void TLevel::_Load(const std::string& path) {
    auto f = LoadRCM(path);
    _LoadFrom(*f);
}

void TLevel::_LoadFrom(const TRCMFile& f) {
    _loadData(f);
    _loadTiles(f);
    _loadChips(f);
    _loadChains(f);
    _loadChests(f);
    _loadCreators(f);
    Init();
    if (IsPresent()) _checkPlayable();
    if (IsPresent()) _reportDesignFaults();
}

void TLevel::_refuse(const std::string& why) {
    Message(why + "; the level is refused");
    rows = cols = 0;
    tile.clear();
    creators.clear();
    availableChips.clear();
    Init();
}

void TLevel::_makeEmptyBoard() {
    tile.clear();
    tile.reserve(static_cast<size_t>(rows * cols));
    for (int r = 0; r < rows; r++) {
        for (int c = 0; c < cols; c++) {
            auto t = std::make_shared<TTile>();
            t->r = r;
            t->c = c;
            t->level = this;
            tile.push_back(t);
        }
    }
}

void TLevel::_checkPlayable() {
    if (std::none_of(tile.begin(), tile.end(), [](const std::shared_ptr<TTile>& t) { return t->id != 0; })) {
        _refuse("the board has no tile (every tile id is 0)");
        return;
    }
    if (!availableChips.empty()) return;
    // Repair: new chips are drawn from the ordinary kinds lying on the board.
    std::set<int> seen;
    for (auto& chip : GetAllChipsList()) {
        if (chip->isSpecialChip() || chip->isPowerUp() || !seen.insert(chip->id).second) continue;
        if (auto proto = FindChip(chip->id)) availableChips.push_back(proto->Copy());
    }
    if (availableChips.empty()) {
        _refuse("no chip kinds to draw new chips from (\"level::data::availableChips\" is empty)");
        return;
    }
    Message("\"level::data::availableChips\" is empty; new chips are drawn from the kinds on the board");
}

void TLevel::_loadData(const TRCMFile& f) {
    availableChips.clear();
    std::string list = f.getString("level::data::availableChips");
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        size_t sp = list.find(' ', start);
        pieces.push_back(list.substr(start, sp == std::string::npos ? std::string::npos : sp - start));
        if (sp == std::string::npos) break;
        start = sp + 1;
    }
    if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();  // a trailing space gives no piece
    for (auto& piece : pieces) {
        int id = PieceToInt(piece);
        if (auto proto = FindChip(id)) availableChips.push_back(proto->Copy());
        else std::printf("Nie ma chipsa: %d tab: %s\n", id, piece.c_str());
    }
    rows = Get(f, "level::data::size", 0);
    cols = Get(f, "level::data::size", 1);
    backgroundUrl = f.getString("level::data::background");
    time = Get(f, "level::data::time", 0);
    maxTime = Get(f, "level::data::time", 1);
    if (maxTime < 0 || time < 0) Message("negative clock in \"level::data::time\"; the default is used");
    if (maxTime <= 0) maxTime = 840;
    if (time <= 0) time = maxTime;
    if (time > maxTime) time = maxTime;
    tilesAtStart = Get(f, "level::data::tilesAtStart");
    for (int i = 0; i < 4; i++) res[i] = Get(f, "level::data::res" + std::to_string(i));
    bool anySize = rows != 0 || cols != 0 || (f._grupa && !f._grupa->_listaGrup.empty());
    if (!LevelBoardFits(rows, cols)) {
        if (anySize)
            _refuse("board size " + std::to_string(rows) + " x " + std::to_string(cols) +
                    " does not fit between the resource counters, the time bar and the power-up bar"
                    " (at most 20 columns and 10 rows, 11 rows for 1 or 2 columns)");
        rows = cols = 0;
    }
    _makeEmptyBoard();
}

void TLevel::_loadTiles(const TRCMFile& f) {
    for (int r = 0; r < rows; r++) {
        std::string key = RowKey("tile", r);
        for (int c = 0; c < cols; c++) {
            int id = Get(f, key, c);
            if (id < 0 || id > 3) {
                Message("tile id " + std::to_string(id) + " at row " + std::to_string(r) + ", column " +
                        std::to_string(c) + " is not 0..3; a plain tile is used");
                id = 1;
            }
            At(r, c)->id = id;
        }
    }
}

void TLevel::_loadChips(const TRCMFile& f) {
    for (int r = 0; r < rows; r++) {
        std::string key = RowKey("chips", r);
        for (int c = 0; c < cols; c++) {
            TTile* t = At(r, c);
            auto chip = CreateChip(Get(f, key, c));
            if (chip && t->id != 0) t->PutChip(chip);  // a hole holds no chip
        }
    }
}

void TLevel::_loadChests(const TRCMFile& f) {
    if (Get(f, "level::chests::isChests") == 0) return;
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < cols; c++)
            if (TTile* t = At(r, c); t->id != 0) t->chest = Get(f, RowKey("chests", r), c);
}

void TLevel::_loadChains(const TRCMFile& f) {
    if (Get(f, "level::chains::isChain") == 0) return;
    for (int r = 0; r < rows; r++) {
        for (int c = 0; c < cols; c++) {
            TTile* t = At(r, c);
            int chain = Get(f, RowKey("chains", r), c);
            if (t->id == 0 || chain < 0) chain = 0;
            if (chain > 2) chain = 2;
            t->chain = chain;
        }
    }
}

void TLevel::_loadCreators(const TRCMFile& f) {
    creators.clear();
    int k = Get(f, "level::creators::i");
    if (rows == 0) return;
    if (k > rows * cols) {
        Message(std::to_string(k) + " creators on a board of " + std::to_string(rows * cols) +
                " cells; only the first " + std::to_string(rows * cols) + " are read");
        k = rows * cols;
    }
    for (int j = 1; j <= k; j++) {
        std::string key = "level::creators::c" + std::to_string(j);
        int r = Get(f, key, 0), c = Get(f, key, 1);
        TTile* t = At(r, c);
        if (!t || t->id == 0) {
            Message("creator " + std::to_string(j) + " at row " + std::to_string(r) + ", column " +
                    std::to_string(c) + " is not a tile of the board; skipped");
            continue;
        }
        creators.push_back(tile[static_cast<size_t>(r * cols + c)]);
        t->isCreator = 1;
    }
}

// ---------------------------------------------------------------------------
// Writing
// ---------------------------------------------------------------------------
void TLevel::_saveData(TRCMFile& f) const {
    std::string ids, zeros;
    for (auto& chip : availableChips) {
        ids += std::to_string(chip->id) + " ";
        zeros += zeros.empty() ? "0" : " 0";
    }
    if (!ids.empty()) ids.pop_back();
    f.setString("level::data::availableChips", ids);
    f.setString("level::data::toCollect", zeros);
    f.setFloat("level::data::size", static_cast<float>(rows), 0);
    f.setFloat("level::data::size", static_cast<float>(cols), 1);
    f.setString("level::data::background", backgroundUrl);
    f.setFloat("level::data::time", static_cast<float>(time), 0);
    f.setFloat("level::data::time", static_cast<float>(maxTime), 1);
    f.setFloat("level::data::tilesAtStart", static_cast<float>(tilesAtStart));
    for (int i = 0; i < 4; i++)
        f.setFloat("level::data::res" + std::to_string(i), static_cast<float>(res[i]));
}

namespace {

template <typename Value>
void SaveRows(const TLevel& level, TRCMFile& f, const char* group, Value value) {
    for (int r = 0; r < level.rows; r++)
        for (int c = 0; c < level.cols; c++)
            f.setFloat(RowKey(group, r), static_cast<float>(value(*level.At(r, c))), c);
}

}  // namespace

void TLevel::_saveTiles(TRCMFile& f) const {
    SaveRows(*this, f, "tile", [](const TTile& t) { return t.id; });
}

void TLevel::_saveChips(TRCMFile& f) const {
    SaveRows(*this, f, "chips", [](const TTile& t) { return t.chip ? t.chip->id : 0; });
}

void TLevel::_saveChains(TRCMFile& f) const {
    f.setFloat("level::chains::isChain", 1);
    SaveRows(*this, f, "chains", [](const TTile& t) { return t.chain; });
}

void TLevel::_saveChests(TRCMFile& f) const {
    f.setFloat("level::chests::isChests", 1);
    SaveRows(*this, f, "chests", [](const TTile& t) { return t.chest; });
}

void TLevel::_saveCreators(TRCMFile& f) const {
    f.setFloat("level::creators::i", static_cast<float>(creators.size()));
    for (size_t j = 0; j < creators.size(); j++) {
        std::string key = "level::creators::c" + std::to_string(j + 1);
        f.setFloat(key, static_cast<float>(creators[j]->r), 0);
        f.setFloat(key, static_cast<float>(creators[j]->c), 1);
    }
}

std::shared_ptr<TRCMFile> TLevel::_saveAll() const {
    auto f = NewRCM();
    _saveData(*f);
    _saveTiles(*f);
    _saveChips(*f);
    _saveChains(*f);
    _saveChests(*f);
    _saveCreators(*f);
    return f;
}

bool TLevel::Save(const std::string& path) const { return _saveAll()->save(path); }

std::string TLevel::SaveText() const { return _saveAll()->saveText(); }
