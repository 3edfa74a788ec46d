#include "frame/loading_steps.h"

#include <algorithm>
#include <chrono>

namespace {
struct Step {
    int slot;
    std::string name;
    std::function<void()> run;
    bool done = false;
};

std::vector<Step>& Steps() {
    static std::vector<Step> steps;
    return steps;
}

std::vector<Step>& LanguageSteps() {
    static std::vector<Step> steps;
    return steps;
}

std::vector<LoadingStepTime>& Times() {
    static std::vector<LoadingStepTime> times;
    return times;
}

void RunStep(Step& step) {
    if (step.done) return;
    step.done = true;
    const auto start = std::chrono::steady_clock::now();
    step.run();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    Times().push_back({step.name, took.count()});
}
}  // namespace

void AddLoadingStep(int slot, std::string name, std::function<void()> step) {
    auto& steps = Steps();
    // Kept in slot order as they come; steps of one slot stay in the order added.
    auto at = std::upper_bound(steps.begin(), steps.end(), slot,
                               [](int s, const Step& other) { return s < other.slot; });
    steps.insert(at, {slot, std::move(name), std::move(step)});
}

int LoadingStepCount() { return static_cast<int>(Steps().size()); }

void RunLoadingSlot(int slot) {
    // By index: a step may add further steps.
    for (size_t i = 0; i < Steps().size(); i++)
        if (Steps()[i].slot == slot) RunStep(Steps()[i]);
}

void RunRemainingLoadingSteps() {
    for (size_t i = 0; i < Steps().size(); i++) RunStep(Steps()[i]);
}

void RunLoadingSteps() { RunRemainingLoadingSteps(); }

const std::vector<LoadingStepTime>& LoadingStepTimes() { return Times(); }

void AddLanguageStep(std::string name, std::function<void()> step) {
    LanguageSteps().push_back({0, std::move(name), std::move(step)});
}

void RerunLanguageSteps() {
    for (size_t i = 0; i < LanguageSteps().size(); i++) LanguageSteps()[i].run();
}
