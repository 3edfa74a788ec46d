#include "frame/loading_steps.h"

#include <algorithm>
#include <vector>

namespace {
struct Step {
    int slot;
    std::string name;
    std::function<void()> run;
};

std::vector<Step>& Steps() {
    static std::vector<Step> steps;
    return steps;
}
}  // namespace

void AddLoadingStep(int slot, std::string name, std::function<void()> step) {
    Steps().push_back({slot, std::move(name), std::move(step)});
}

int LoadingStepCount() { return static_cast<int>(Steps().size()); }

void RunLoadingSteps() {
    auto& steps = Steps();
    std::stable_sort(steps.begin(), steps.end(),
                     [](const Step& a, const Step& b) { return a.slot < b.slot; });
    for (auto& step : steps) step.run();
}
