// The skeleton of the three level-end dialogs (summary, lose, continue): a
// panel that slides up from below over the calling screen, drawn dimmed
// behind it, buttons read after every frame of the dialog's own loop, and
// an answer in `gdzie`. Each dialog fills in its pictures, its preparing
// and its buttons.
#pragma once

#include <string>
#include <vector>

#include "frame/screen.h"

// The calling screen as a picture, so that the dialog's frames copy it instead
// of drawing the whole screen and a full-screen veil again each frame. Taken
// once plain while the veil and the stripes come in, then once dimmed for as
// long as they stay; taken anew for another caller or another showing.
struct TCallerPicture {
    Image plain;   // the caller alone
    Image dimmed;  // the caller under the veil and the stripes at `dimmedAt`
    float dimmedAt = -1;
    const TEkran* of = nullptr;
    void forget() { *this = TCallerPicture(); }
};

class TLevelEndDialog : public TEkran {
public:
    Image panel;
    std::string gdzie;                // the answer, set by a button
    float showPer = 0, dShowPer = 0;  // the panel's slide: 0 below the screen, 1 in place
    // The screen drawn behind the dialog. Set by the loop; tests may set it.
    TEkran* caller = nullptr;
    // True while the dialog's own loop runs (the virtual player reads it).
    bool running = false;
    // The caller as drawn behind this showing.
    TCallerPicture callerPicture;
    // Pictures drawn only under the dialog's pictures of its caller, for the rest of this showing:
    // the caller's own (the board's background), let go once the caller is grabbed, and the
    // backing's (the stripes), let go once the veil and the stripes rest in the dimmed picture.
    // Asked for again should they be drawn once more (the stripes moving, the answer given: the
    // caller draws once more as the loop ends). Set by the dialog; emptied when its loop ends.
    std::vector<Image> callerPictures, backingPictures;

    // Resets the dialog for another showing.
    virtual void prepare() = 0;
    // The buttons' answers after one frame of the loop.
    virtual void _checkButtons() = 0;
    // The loop is over (by default: faded out).
    virtual bool finished() const { return fadedOut(); }
    // The caller, dimmed, and the stripes.
    virtual void _drawBack();
    // The black veil's opacity over the caller once the stripes are in: none for the summary,
    // the lose and the continue dialog, which dim their caller with the stripes alone.
    virtual float veil() const { return 0; }
    bool dimsItsCaller() const override { return true; }
    // How far below its resting place the panel is (0 at rest).
    virtual float CountY() const;
    // The player has chosen: keep the answer and fade out.
    void answer(const std::string& choice);
    // The panel's slide toward dShowPer.
    virtual void _updateShow();

protected:
    explicit TLevelEndDialog(float panelHeight) : panelHeight_(panelHeight) {}
    // The panel's height: its picture's, or the designed one without it.
    float panelHeight() const;
    // Moves the dialog's GUI with its panel.
    void slideGui();
    // Every showing starts the same: no fade, the panel below the screen and
    // sliding in, the stripes coming in, no answer yet.
    void startShowing();
    // Prepares, then runs frames over `callerScreen` until finished; prints
    // "<name>: <answer>" and returns the answer.
    std::string runOver(TEkran* callerScreen, const std::string& name);

private:
    float panelHeight_;
};

// The calling screen (if any), then a black veil at `veil` x the dialog's stripeA and the
// stripes (DimCaller); the caller is drawn once into `picture` and copied from there afterwards.
// `letGo` (the caller's pictures the copy stands for) are let go as soon as the copy holds them,
// before the stripes take their memory. Leaves the drawing state plain.
void DrawDialogBackground(TEkran* caller, TEkran& dialog, TCallerPicture& picture, float veil,
                          const std::vector<Image>& letGo = {});
// What a dialog lays over its caller once the caller is drawn: the black veil at `veil` x stripeA,
// then the stripes (which move on toward dStripeA). Over a caller that dims its own caller (another
// dialog) neither is drawn: the screen behind is dimmed once already. Leaves the drawing state plain.
void DimCaller(const TEkran* caller, TEkran& dialog, float veil);
// sin(90 deg x per): how far a sliding panel has come in.
float SlideIn(float per);
// How far below its resting place a panel of height h is: h - h x SlideIn.
float SlideOffset(float h, float per);

// The screen codes the dialogs' answers lead to. Summary: "RESTART" 105,
// anything else 102 (next level). Lose: "MAIN-MENU" 1, anything else 105.
// Continue: "NEW" 101, "CONTINUE" 104, anything else 1 (the menu stays).
int SummaryAnswerCode(const std::string& answer);
int LoseAnswerCode(const std::string& answer);
int ContinueAnswerCode(const std::string& answer);
