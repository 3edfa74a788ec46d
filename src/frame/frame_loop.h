// The per-frame work every screen shares: the start of its update
// (CommonUpdate) and the end of its frame (FinishFrame).
#pragma once

#include <functional>
#include <string>

#include "frame/save_notice.h"
#include "platform/platform.h"

class TEkran;

// The largest frame delta a frame gets: a stall of 1/6 s or more moves
// the game on by 1/6 s.
constexpr float MAX_FRAME_DELTA = 10.0f;

// Ticks the frame timer, sets the frame delta and pumps the platform's events.
void UpdateDelta();
// Timer, mouse, sound, Alt+Enter, suspend loop, close request.
void CommonUpdate(TEkran* screen);
// Side frames, cursor, present, developer screenshot key, clear.
void FinishFrame();
// Saves the settings and the profile list, and reports the outcome to the save notices
// (frame/save_notice.h); false when anything was not written.
bool SaveAll();

// Ends the program now: runs the exit hooks (screenshot, frame statistics,
// recording) and shuts the platform down.
[[noreturn]] void EndProgram(int status);
void AddExitHook(std::function<void()> hook);

// Hooks that later parts of the game fill in; empty until then.
struct TFrameHooks {
    std::function<void()> soundUpdate;       // globalSnd.update
    std::function<void()> soundPause;        // globalSnd.Pause
    std::function<void()> soundResume;       // globalSnd.UnPause
    std::function<bool()> saveProfiles;      // profile manager's saveProfiles: false when not all saved
    std::function<void(float)> setMusicVol;  // globalSnd.setMusicVol
    // Shows a save notice over `screen` (a dialog of the menus); false while it cannot yet (its
    // dialog is not set up), and the notice waits. Empty: only the log has it.
    std::function<bool(TEkran* screen, SaveNotice notice)> showSaveNotice;
};
TFrameHooks& FrameHooks();

// Called after every presented frame of a screen, in the order added (the
// virtual player, replays, the frame limit).
void AddAfterFrameHook(std::function<void()> hook);
// Called after every presented frame, the paused screen's frames included:
// a replay must be able to bring the focus back and a frame limit must end
// a paused run.
void AddAfterAnyFrameHook(std::function<void()> hook);
// Presents a frame of the paused screen: it counts as a frame, and only the
// hooks added with AddAfterAnyFrameHook run after it.
void PresentPausedFrame();

// Frames presented since start-up, the paused screen's frames included.
long FrameCount();

extern Image frameLeft;
extern Image frameRight;
// Draws the wide picture's side pictures (once a frame: a still layer may hold them already).
void DrawSideFrames();
extern Image pointImage;

// One frame of a screen's main loop: clear, update, draw, present. Screens
// use it so that frame statistics see every frame the same way.
// `wholeStill`: the whole drawing goes through the still layer (dialogs: see RunDialogLoop).
void ScreenFrame(TEkran& screen, bool wholeStill = false);
// A dialog's modal loop inside the caller's frame: one ScreenFrame of the
// dialog, then `afterFrame` (its buttons), until `done` says so.
void RunDialogLoop(TEkran& dialog, const std::function<void()>& afterFrame,
                   const std::function<bool()>& done);
// Receives the update and draw times (ms) of each ScreenFrame.
void SetFrameTimeObserver(std::function<void(double updateMs, double drawMs)> observer);
