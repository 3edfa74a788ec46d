// Look-ups into the village and tutorial catalogues that the profile uses
// when it reads its item, blueprint and tip ids.
#pragma once

#include <memory>

#include "quest/profile.h"

// The land item with that id, null when none.
std::shared_ptr<TLandItem> FindLandItem(int id);
// The land item whose blueprint puzzle is that number, null when none.
std::shared_ptr<TLandItem> FindLandItemByPuzzle(int puzzleId);
// The tutorial tip with that number, null when none.
std::shared_ptr<TTutorialTip> FindTutorialTip(int id);
// A new list holding every tutorial tip, in catalogue order.
TutorialTipList AllTutorialTips();
