// The set-up steps that run once at start-up, in the loading order (slot 1
// to 46). The loading screen runs one step per frame; until it exists they
// run one after another.
#pragma once

#include <functional>
#include <string>
#include <vector>

void AddLoadingStep(int slot, std::string name, std::function<void()> step);
int LoadingStepCount();
// Runs every step in slot order (steps of one slot in the order added).
void RunLoadingSteps();
// Runs the steps of one slot, in the order added (the loading screen runs
// one slot per frame). Every step runs once: a slot run twice does nothing.
void RunLoadingSlot(int slot);
// Runs every step not yet run, in slot order.
void RunRemainingLoadingSteps();

// How long each step took, in the order run: the loading screen must not
// stall a frame, so the slowest is reported with the frame statistics.
struct LoadingStepTime {
    std::string name;
    double ms = 0;
};
const std::vector<LoadingStepTime>& LoadingStepTimes();

// What reads the texts of the language in use (text files, GUI scripts, pictures with words):
// the loading steps read them once, and these steps read them again after the language
// changed (`RerunLanguageSteps`), in the order added, without touching anything else.
void AddLanguageStep(std::string name, std::function<void()> step);
void RerunLanguageSteps();
