#include "devtools/virtual_player_puzzle.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <queue>
#include <unordered_map>

#include "frame/frame_loop.h"
#include "puzzles/puzzle_game.h"
#include "puzzles/puzzle_memory.h"
#include "puzzles/puzzle_pairs.h"
#include "puzzles/puzzle_sliding.h"
#include "puzzles/puzzle_swap.h"

namespace {
// Boards the sliding search may look at before it gives up.
constexpr size_t SEARCH_BUDGET = 400000;

int Manhattan(const std::vector<int>& homes, int cols) {
    int sum = 0;
    for (size_t cell = 0; cell < homes.size(); cell++) {
        const int home = homes[cell];
        if (home < 0) continue;
        const int here = static_cast<int>(cell);
        sum += std::abs(here / cols - home / cols) + std::abs(here % cols - home % cols);
    }
    return sum;
}

std::string BoardKey(const std::vector<int>& homes) {
    std::string key(homes.size(), '\0');
    for (size_t i = 0; i < homes.size(); i++) key[i] = static_cast<char>(homes[i] + 1);
    return key;
}
}  // namespace

std::vector<int> PlanSlides(const std::vector<int>& homes, int rows, int cols) {
    if (rows < 1 || cols < 1 || homes.size() != static_cast<size_t>(rows * cols)) return {};
    // Weighted best-first search: the distance counts twice, which finds a
    // short (not always the shortest) way quickly.
    struct Node {
        std::vector<int> board;
        int cost = 0, score = 0;
        std::string parent;
        int clicked = -1;  // the cell clicked to reach it
    };
    std::unordered_map<std::string, std::pair<std::string, int>> came;  // key -> parent, clicked
    auto cmp = [](const std::shared_ptr<Node>& a, const std::shared_ptr<Node>& b) {
        return a->score > b->score;
    };
    std::priority_queue<std::shared_ptr<Node>, std::vector<std::shared_ptr<Node>>, decltype(cmp)> open(cmp);
    auto start = std::make_shared<Node>();
    start->board = homes;
    start->score = 2 * Manhattan(homes, cols);
    came[BoardKey(homes)] = {"", -1};
    open.push(start);
    while (!open.empty() && came.size() < SEARCH_BUDGET) {
        auto node = open.top();
        open.pop();
        if (Manhattan(node->board, cols) == 0) {
            std::vector<int> clicks;
            std::string key = BoardKey(node->board);
            for (auto it = came.find(key); it != came.end() && it->second.second >= 0; it = came.find(key)) {
                clicks.push_back(it->second.second);
                key = it->second.first;
            }
            std::reverse(clicks.begin(), clicks.end());
            return clicks;
        }
        const auto hole =
            static_cast<int>(std::find(node->board.begin(), node->board.end(), -1) - node->board.begin());
        if (hole >= rows * cols) return {};
        const int hr = hole / cols, hc = hole % cols;
        const int dr[4] = {-1, 1, 0, 0}, dc[4] = {0, 0, -1, 1};
        const std::string parentKey = BoardKey(node->board);
        for (int d = 0; d < 4; d++) {
            const int r = hr + dr[d], c = hc + dc[d];
            if (r < 0 || c < 0 || r >= rows || c >= cols) continue;
            const int cell = r * cols + c;
            auto next = std::make_shared<Node>();
            next->board = node->board;
            std::swap(next->board[static_cast<size_t>(cell)], next->board[static_cast<size_t>(hole)]);
            const std::string key = BoardKey(next->board);
            if (came.count(key)) continue;
            came[key] = {parentKey, cell};
            next->cost = node->cost + 1;
            next->score = next->cost + 2 * Manhattan(next->board, cols);
            open.push(next);
        }
    }
    return {};
}

void TPuzzleHand::clickAt(float x, float y, float w, float h) {
    const float jitterX = std::min(8.0f, w / 4), jitterY = std::min(8.0f, h / 4);
    AddClickAt(gesture, x + w / 2 + RandFloat(-jitterX, jitterX), y + h / 2 + RandFloat(-jitterY, jitterY));
}

bool TPuzzleHand::frame() {
    TPuzzleGame& screen = puzzleGame;
    if (!screen.running || !screen.level) {
        seenLevel = nullptr;
        return false;
    }
    if (screen.level.get() != seenLevel) {
        seenLevel = screen.level.get();
        remembered.clear();
        slides.clear();
        gesture.clear();
        waited = 0;
    }
    if (!gesture.empty()) {
        InPushEvent(gesture.front());
        gesture.pop_front();
        return true;
    }
    if (screen.state != PUZZLE_GAME) return true;
    if (auto* memory = dynamic_cast<TLevelType3*>(screen.level.get())) {
        // What is face up now is seen, whether or not it is time to move.
        for (auto& card : memory->puzzles)
            if (card->state == CARD_SHOW && card->isShowed()) remembered[card.get()] = card->chipN;
    }
    if (++waited < lookFrames) return true;
    waited = 0;
    TPuzzleLevel* level = screen.level.get();
    if (auto* swap = dynamic_cast<TLevelType1*>(level)) playSwap(*swap);
    else if (auto* pairs = dynamic_cast<TLevelType2*>(level)) playPairs(*pairs);
    else if (auto* memory = dynamic_cast<TLevelType3*>(level)) playMemory(*memory);
    else if (auto* sliding = dynamic_cast<TLevelType4*>(level)) playSliding(*sliding);
    return true;
}

void TPuzzleHand::playSwap(TLevelType1& level) {
    if (level.pair) return;
    for (auto& piece : level.puzzles) {
        if (piece->onPosition) continue;
        // The picture on the piece shows where it belongs.
        auto& home = level.at(piece->dr, piece->dc);
        if (level.picked && level.picked != piece) {
            clickAt(static_cast<float>(piece->x), static_cast<float>(piece->y), static_cast<float>(piece->iw),
                    static_cast<float>(piece->ih));
            return;
        }
        if (!level.picked)
            clickAt(static_cast<float>(piece->x), static_cast<float>(piece->y), static_cast<float>(piece->iw),
                    static_cast<float>(piece->ih));
        clickAt(static_cast<float>(home->x), static_cast<float>(home->y), static_cast<float>(home->iw),
                static_cast<float>(home->ih));
        return;
    }
}

void TPuzzleHand::playPairs(TLevelType2& level) {
    std::map<int, TPuzzle2*> firstOf;
    for (auto& tile : level.puzzles) {
        if (tile->fly.goingStart || tile->goingDown) continue;
        auto found = firstOf.find(tile->chipN);
        if (found == firstOf.end()) {
            firstOf[tile->chipN] = tile.get();
            continue;
        }
        TPuzzle2* a = found->second;
        if (level.picked.get() != a) clickAt(a->x, a->y, a->iw, a->ih);
        clickAt(tile->x, tile->y, tile->iw, tile->ih);
        return;
    }
}

void TPuzzleHand::playMemory(TLevelType3& level) {
    if (level.lastPicked) return;  // two cards are up: wait for them
    std::vector<TPuzzle3*> idle;
    for (auto& card : level.puzzles)
        if (card->state == CARD_IDLE && card->dAlpha > 0 && card->side == 0) idle.push_back(card.get());
    auto click = [this](const TPuzzle3* card) { clickAt(card->x, card->y, card->iw, card->ih); };
    auto known = [this](const TPuzzle3* card) { return remembered.count(card) > 0; };
    if (level.picked) {
        auto* first = static_cast<TPuzzle3*>(level.picked.get());
        if (!first->isShowed()) return;  // look at it first
        const int symbol = first->chipN;
        for (auto* card : idle)
            if (card != first && known(card) && remembered[card] == symbol) return click(card);
        for (auto* card : idle)
            if (card != first && !known(card)) return click(card);
        for (auto* card : idle)
            if (card != first) return click(card);
        return;
    }
    // Cards still turning back take no clicks yet.
    for (auto& card : level.puzzles)
        if (card->state == CARD_HIDE) return;
    std::map<int, const TPuzzle3*> seen;
    for (auto* card : idle) {
        if (!known(card)) continue;
        auto other = seen.find(remembered[card]);
        if (other != seen.end()) return click(other->second);  // the pair is known
        seen[remembered[card]] = card;
    }
    for (auto* card : idle)
        if (!known(card)) return click(card);
    if (!idle.empty()) click(idle.front());
}

void TPuzzleHand::playSliding(TLevelType4& level) {
    std::vector<int> homes(level.puzzles.size(), -1);
    for (size_t cell = 0; cell < level.puzzles.size(); cell++) {
        const auto& piece = level.puzzles[cell];
        if (!piece) continue;
        if (piece->movePer > 0) return;  // let the slide end
        homes[cell] = piece->dr * level.cols + piece->dc;
    }
    if (slides.empty() || homes != expected) {
        slides = PlanSlides(homes, level.rows, level.cols);
        expected = homes;
        if (slides.empty()) return;
    }
    const int cell = slides.front();
    slides.erase(slides.begin());
    const auto& piece = level.puzzles[static_cast<size_t>(cell)];
    if (!piece) return;
    // The board after this slide.
    const auto hole = std::find(expected.begin(), expected.end(), -1);
    std::iter_swap(hole, expected.begin() + cell);
    clickAt(static_cast<float>(piece->x), static_cast<float>(piece->y), static_cast<float>(piece->iw),
            static_cast<float>(piece->ih));
}

void StartPuzzlePlayer() {
    auto hand = std::make_shared<TPuzzleHand>();
    AddAfterFrameHook([hand] { hand->frame(); });
}
