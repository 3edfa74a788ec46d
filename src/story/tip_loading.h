// Loading the tutorial: the tips of "data/tutorial.txt" with their speeches,
// and the adviser's pictures, names and fonts.
#pragma once

#include <memory>
#include <vector>

class TRCMFile;
class TTutorialTip;
struct TTxtFile;

// Bounds on what a file may ask for; more is read as this many.
constexpr int MAX_TUTORIAL_TIPS = 500;
constexpr int MAX_TIP_ARROWS = 16;

// The tips of a tutorial file in file order, their speeches laid out from
// `texts` in the speech fonts loaded so far (none: the lines stay unmeasured).
std::vector<std::shared_ptr<TTutorialTip>> ReadTutorialTips(const TRCMFile& file, const TTxtFile* texts);

// The loading step: fonts, pictures, the advisers' names, then every tip into
// `tutorialTips`.
void LoadTutorialTips();
// The advisers' names and every tip's speech read again in the language in use.
void ReadTutorialTipTexts();
