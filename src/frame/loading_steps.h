// The set-up steps that run once at start-up, in the loading order (slot 1
// to 46). The loading screen runs one step per frame; until it exists they
// run one after another.
#pragma once

#include <functional>
#include <string>

void AddLoadingStep(int slot, std::string name, std::function<void()> step);
int LoadingStepCount();
// Runs every step in slot order (steps of one slot in the order added).
void RunLoadingSteps();
