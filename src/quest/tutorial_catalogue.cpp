#include "quest/tutorial_catalogue.h"

std::vector<std::shared_ptr<TTutorialTip>> tutorialTips;
