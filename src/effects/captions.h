// Animated caption pictures over a screen: "get ready", "go", "level
// completed", "no moves" and the two unlock notices of the puzzle screen.
// Each caption runs its steps from its start time on and leaves the caption
// list when its animation ends.
#pragma once

#include <array>
#include <memory>

#include "frame/safe_list.h"
#include "platform/platform.h"

enum : int {
    CAPTION_GET_READY = 0,
    CAPTION_GO = 1,
    CAPTION_LEVEL_COMPLETED = 2,
    CAPTION_NO_MOVES = 3,
    CAPTION_UNLOCKED_BUILDING = 4,
    CAPTION_UNLOCKED_UPGRADE = 5,
};

class TCaption {
public:
    int n = 0;    // kind and caption image slot
    float p = 0;  // progress of the current step, 0..1
    float x = 0, y = 0;
    float sx = 0, sy = 0;
    float a = 0;
    float rot = 0;
    int startTime = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
    float per = 0;  // eased progress
    int myStep = 0;
    int infoState = 0;
    float slideDownY = 0;

    virtual ~TCaption() = default;

    virtual void draw();
    virtual void _update_Caption_Get_Ready_1();
    virtual void _update_Caption_Get_Ready_2();
    virtual void _update_Caption_Get_Ready_3();
    virtual void _update_Caption_Get_Ready();
    virtual void _update_Caption_Go_1();
    virtual void _update_Caption_Go_2();
    virtual void _update_Caption_Go();
    virtual void _update_Caption_Level_Completed_1();
    virtual void _update_Caption_Level_Completed_2();
    virtual void _update_Caption_Level_Completed_3();
    virtual void _update_Caption_Level_Completed();
    virtual void _update_Caption_No_Moves();
    virtual void _update_Caption_UnlockInfo();
    virtual void update();
    virtual void destroy();

    SafeList<TCaption>::Handle node;  // its place in the caption list

private:
    void _moveOnPath();
    // The pop of "go" and "level completed": the scale wobbles toward
    // (0.75, 0.8) as per goes to 1.
    void _popScale();
};

extern SafeList<TCaption> captionList;
extern std::array<Image, 6> captionImages;

std::shared_ptr<TCaption> CreateCaptionGetReady(int delay);
std::shared_ptr<TCaption> CreateCaptionGo(int delay);
std::shared_ptr<TCaption> CreateCaptionLevelCompleted(int delay);
// Shown 200 ms after the call.
std::shared_ptr<TCaption> CreateCaptionNoMoves();
// kind CAPTION_UNLOCKED_BUILDING or CAPTION_UNLOCKED_UPGRADE.
std::shared_ptr<TCaption> CreateCaptionUnlockInfo(int kind, int delay);

void UpdateCaptions();
void DrawCaptions();
void ClearCaptions();
// Loads the caption pictures of the current language.
void LoadCaptionImages();
