// The GUI half of the screen base: a screen's layout is drawn and updated
// here, so that the frame below the GUI never includes it.
#include "frame/screen.h"
#include "gui/gui.h"

void TEkran::_drawGui() {
    if (gui) gui->draw();
}

void TEkran::_updateGui() {
    if (!gui) return;
    gui->setGuiAlpha(alpha);
    gui->update();
}
