#include "m3_fixture.h"

#include "audio/game_sound.h"
#include "effects/effects.h"
#include "frame/globals.h"
#include "match3/board_fx.h"
#include "match3/flying.h"

namespace {

std::shared_ptr<TChip> Proto(int id, int res) {
    auto c = std::make_shared<TChip>();
    c->id = id;
    c->res = res;
    c->resQ = res >= 0 ? 2 : 0;
    c->rgb = NewRGB(200, 100, 50);
    return c;
}

int IdOf(char ch) {
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 1;
    if (ch == 'X') return 101;
    if (ch == 'S') return 201;
    if (ch == 'Z') return 99;
    return 0;
}

char LetterOf(int id) {
    if (id >= 1 && id <= 6) return static_cast<char>('A' + id - 1);
    if (id == 101) return 'X';
    if (id == 201) return 'S';
    return '?';
}

std::string Row(const std::string& name, int r, const std::string& line, bool chips) {
    std::string out = "\t\trow" + std::to_string(r) + " = ";
    for (size_t c = 0; c < line.size(); c++) {
        int v = chips ? IdOf(line[c]) : (line[c] == '.' ? 0 : line[c] - '0');
        out += (c ? ", " : "") + std::to_string(v);
    }
    (void)name;
    return out + "\n";
}

std::string Group(const std::string& name, const std::vector<std::string>& rows, bool chips,
                  const std::string& flag) {
    if (rows.empty()) return "";
    std::string out = "\t" + name + " {\n";
    if (!flag.empty()) out += "\t\t" + flag + " = 1\n";
    for (size_t r = 0; r < rows.size(); r++) out += Row(name, static_cast<int>(r), rows[r], chips);
    return out + "\t}\n\n";
}

}  // namespace

void InstallTestCatalogue() {
    chipCatalogue = {Proto(1, 0),  Proto(2, 1),  Proto(3, 2),    Proto(4, 3),
                     Proto(5, -1), Proto(6, -1), Proto(101, -1), Proto(201, -1)};
}

std::string LevelText(const LevelSpec& spec) {
    int rows = static_cast<int>(spec.tiles.size());
    int cols = rows ? static_cast<int>(spec.tiles[0].size()) : 0;
    std::string out = "level {\n\tdata {\n";
    out += "\t\tavailableChips = \"" + spec.available + "\"\n";
    out += "\t\tsize = " + std::to_string(rows) + ", " + std::to_string(cols) + "\n";
    out += spec.extraData;
    out += "\t}\n\n";
    out += Group("tile", spec.tiles, false, "");
    out += Group("chips", spec.chips, true, "");
    out += Group("chains", spec.chains, false, "isChain");
    out += Group("chests", spec.chests, false, "isChests");
    if (!spec.creators.empty()) {
        out += "\tcreators {\n\t\ti = " + std::to_string(spec.creators.size()) + "\n";
        for (size_t j = 0; j < spec.creators.size(); j++)
            out += "\t\tc" + std::to_string(j + 1) + " = " + std::to_string(spec.creators[j].first) + ", " +
                   std::to_string(spec.creators[j].second) + "\n";
        out += "\t}\n\n";
    }
    return out + "}\n";
}

void Match3Test::SetUp() {
    ASSERT_TRUE(StartHeadlessPlatform(RendererKind::Null));
    RandSeed(7);
    frameDelta = 1;
    InstallTestCatalogue();
    ClearFlyingChips();
    ClearFlyingChests();
    auto& hooks = BoardHooks();
    hooks = TBoardHooks{};
    SoundHooks() = TSoundHooks{};
    SoundHooks().play = [this](const std::string& name) { sounds.push_back(name); };
    hooks.collectingSlot = [this] { return collectingSlot; };
    hooks.chargeSlot = [this](int slot) { charges[slot]++; };
}

void Match3Test::TearDown() {
    board.SetLevel(nullptr);
    ClearFlyingChips();
    ClearFlyingChests();
    ClearParticles();
    ClearFlyers();
    ClearOdpadeks();
    BoardHooks() = TBoardHooks{};
    SoundHooks() = TSoundHooks{};
    frameDelta = 1;
    StopHeadlessPlatform();
}

TLevel& Match3Test::Load(const LevelSpec& spec) {
    board.SetLevel(LoadLevelFromText(LevelText(spec)));
    return *board.level;
}

int Match3Test::ChipId(int r, int c) const {
    TTile* t = T(r, c);
    return (t && t->chip) ? t->chip->id : 0;
}

void Match3Test::Step(int frames) {
    for (int i = 0; i < frames; i++) {
        board.update();
        GfxFlip(0);
    }
}

bool Match3Test::RunUntilCalm(int maxFrames) {
    for (int i = 0; i < maxFrames; i++) {
        Step();
        if (board.isCalm()) return true;
    }
    return false;
}

int Match3Test::CountSound(const std::string& name) const {
    int n = 0;
    for (auto& s : sounds)
        if (s == name) n++;
    return n;
}

std::vector<std::string> Match3Test::ChipRows() const {
    std::vector<std::string> rows;
    for (int r = 0; r < board.level->rows; r++) {
        std::string line;
        for (int c = 0; c < board.level->cols; c++) line += ChipId(r, c) ? LetterOf(ChipId(r, c)) : '.';
        rows.push_back(line);
    }
    return rows;
}

bool GridHasLine(const std::vector<std::string>& g) {
    const int rows = static_cast<int>(g.size()), cols = static_cast<int>(g[0].size());
    for (int r = 0; r < rows; r++)
        for (int c = 0; c + 2 < cols; c++)
            if (g[r][c] != '.' && g[r][c] == g[r][c + 1] && g[r][c] == g[r][c + 2]) return true;
    for (int c = 0; c < cols; c++)
        for (int r = 0; r + 2 < rows; r++)
            if (g[r][c] != '.' && g[r][c] == g[r + 1][c] && g[r][c] == g[r + 2][c]) return true;
    return false;
}
