// The GUI preview for script writers (brambleton --gui PATH): one script over
// a neutral background, live, with the names of clicked objects printed.
#pragma once

#include <string>

#include "frame/screen.h"

class TGuiPreview : public TEkran {
public:
    std::string path;

    explicit TGuiPreview(std::string scriptPath);
    // (Re)reads the script.
    void prepare();
    void update() override;
    void draw() override;
    // The grey-blue gradient behind the layout.
    static void DrawBackdrop();
};

// Shows the script until the program ends: Escape ends it, F5 reads the
// script again. Never returns.
[[noreturn]] int RunGuiPreview(const std::string& path);
