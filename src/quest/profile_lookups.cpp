#include "quest/profile_lookups.h"

#include "quest/land_catalogue.h"
#include "quest/tutorial_catalogue.h"

namespace {
template <typename List, typename Pred>
typename List::value_type FirstWhere(const List& list, Pred pred) {
    for (const auto& x : list)
        if (x && pred(*x)) return x;
    return nullptr;
}
}  // namespace

std::shared_ptr<TLandItem> FindLandItem(int id) {
    return FirstWhere(landItems, [id](const TLandItem& i) { return i.id == id; });
}

std::shared_ptr<TLandItem> FindLandItemByPuzzle(int puzzleId) {
    return FirstWhere(landItems, [puzzleId](const TLandItem& i) { return i.puzzleId == puzzleId; });
}

std::shared_ptr<TTutorialTip> FindTutorialTip(int id) {
    return FirstWhere(tutorialTips, [id](const TTutorialTip& t) { return t.id == id; });
}

TutorialTipList AllTutorialTips() { return tutorialTips; }
