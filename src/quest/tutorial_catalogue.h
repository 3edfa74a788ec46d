// The tutorial tips of "data/tutorial.txt", in file order. A profile keeps
// the tips it has not yet shown and dismissed as references into this list.
//
// For now a tip carries only its number. The tutorial adds the speech,
// arrows, trigger conditions and drawing to this class and fills the list
// during loading.
#pragma once

#include <memory>
#include <vector>

class TTutorialTip {
public:
    int id = 0;  // tip number (N of its keys)

    virtual ~TTutorialTip() = default;
};

extern std::vector<std::shared_ptr<TTutorialTip>> tutorialTips;
