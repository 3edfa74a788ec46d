// The platform layer: every way the game draws, plays sound, reads input and
// touches files goes through these plain functions. Nothing outside
// src/platform includes an SDL header or sees an SDL type.
//
// Conventions
// - Coordinates are logical pixels of the virtual resolution, y down.
// - Drawing state (colour, alpha, blend, scale, rotation, origin, viewport,
//   font) is global state of the layer; every draw call applies it.
// - Missing resources load as a null handle; drawing or playing a null handle
//   does nothing.
// - Strings are UTF-8.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct GfxImageData;  // defined by the graphics implementation
struct GfxFontData;
struct SndSoundData;

using Image = std::shared_ptr<GfxImageData>;
using Font = std::shared_ptr<GfxFontData>;
using Sound = std::shared_ptr<SndSoundData>;
using Channel = int;  // 0 = no channel

// A grabbed rectangle of the back buffer, 8-bit RGBA, row-major, top row first.
struct Pixmap {
    int w = 0;
    int h = 0;
    std::vector<std::uint8_t> rgba;  // w * h * 4 bytes
};

// ---------------------------------------------------------------------------
// Start and stop
// ---------------------------------------------------------------------------
// Auto: the accelerated renderer unless it fails or rasterises on the CPU,
// then Software; Gpu and Software force one.
enum class RendererKind { Auto, Gpu, Software, Null };

struct PlatformConfig {
    bool headless = false;  // no window, no audio device; draws into an off-screen buffer
    RendererKind renderer = RendererKind::Auto;  // Gpu falls back to Software when unavailable
    bool fixedStep = false;                      // SysMillisecs advances 1000/60 ms per GfxFlip, no waiting
    bool audio = true;                           // false: a silent mixer that still counts channels
    std::string appName = "Brambleton";
    // A program that answers kRendererProbeArg (the game itself): the automatic renderer choice
    // then tries the accelerated renderer there instead of in this process. "" tries it here.
    std::string rendererProbeProgram;
};

// Initialises SDL subsystems as the config asks. Returns false (with a printed
// reason) only when no display exists and headless was not asked for.
bool PlatformInit(const PlatformConfig& config);
void PlatformShutdown();
const PlatformConfig& PlatformGetConfig();
// True while a display (window) is open, false in headless or before GfxOpen.
bool PlatformHasWindow();
// A file to remember the renderer trial's answer in (before GfxOpen): a later start opens its
// window at once with it while the trial runs again, and keeps the new answer for the next.
void PlatformRememberRendererIn(const std::string& path);

// ---------------------------------------------------------------------------
// Graphics
// ---------------------------------------------------------------------------
constexpr int GFX_BLEND_ALPHA = 3;
constexpr int GFX_BLEND_LIGHT = 4;  // additive
constexpr int GFX_IMAGE_MASKED = 1;
constexpr int GFX_IMAGE_FILTERED = 2;
constexpr int GFX_IMAGE_MIPMAPPED = 4;
constexpr int GFX_IMAGE_DEFAULT = -1;  // same as masked | filtered

// Opens the window (depth 0) or desktop full screen (depth 32) of w x h;
// reopening changes the existing window. False when the mode can't be had.
bool GfxOpen(int w, int h, int depth, int hz, int flags);
void GfxSetVirtualResolution(int w, int h);  // logical size, letterboxed into the window
int GfxVirtualWidth();
int GfxVirtualHeight();
void GfxCls();                                // clear the back buffer to black
void GfxFlip(int sync);                       // present; -1 holds 60 frames per second
void GfxSetColor(float r, float g, float b);  // 0..255 each
void GfxGetColor(float& r, float& g, float& b);
void GfxSetAlpha(float a);  // 0..1
float GfxGetAlpha();
void GfxSetBlend(int mode);  // GFX_BLEND_ALPHA or GFX_BLEND_LIGHT
int GfxGetBlend();
void GfxSetScale(float sx, float sy);
void GfxGetScale(float& sx, float& sy);
void GfxSetRotation(float degrees);  // clockwise on screen
float GfxGetRotation();
void GfxSetOrigin(float x, float y);  // added to every drawing position
void GfxGetOrigin(float& x, float& y);
void GfxSetViewport(int x, int y, int w, int h);  // clipping rectangle, logical units
// The plain drawing state: white, alpha blending at opacity `alpha`, scale 1,
// no rotation (origin, viewport and font stay as they are).
void GfxResetDrawState(float alpha = 1);
// Saves colour, alpha, blend, scale, rotation, origin and font, and puts them
// back when it goes out of scope: a draw that changes them for itself.
class GfxStateScope {
public:
    GfxStateScope();
    ~GfxStateScope();
    GfxStateScope(const GfxStateScope&) = delete;
    GfxStateScope& operator=(const GfxStateScope&) = delete;

private:
    float r_, g_, b_, alpha_, sx_, sy_, rotation_, ox_, oy_;
    int blend_;
    Font font_;
};

// PNG or JPEG; null when missing. A picture over 4096 x 4096 pixels (checked in its header
// before decoding), or one that would take the pictures alive past IMAGE_PIXEL_BUDGET, is refused
// with a message naming the file, and is null like a missing one.
Image GfxLoadImage(const std::string& path, int flags);
// Four times the pixels of every picture the game ships, all loaded at once.
constexpr long long IMAGE_PIXEL_BUDGET = 256LL * 1024 * 1024;
// Tests: another budget for the pixels of all pictures alive at once.
void GfxSetImagePixelBudget(long long pixels);
// The pixels of every picture alive now (read from a file or made).
long long GfxImagePixelsAlive();
// Decodes these files on one worker thread, in order, so that loading one of them later only
// wraps its pixels; paths spelt as they will be loaded. Pictures never loaded stay decoded
// until GfxStopPrefetch or PlatformShutdown.
void GfxPrefetchImages(const std::vector<std::string>& paths);
// Empties the queue, joins the worker and drops every picture decoded and not yet loaded.
void GfxStopPrefetch();
// Lets the pixels and the texture of a picture read from a file go (a screen that is left): its
// size and handle stay, and its next draw reads the file again. A made picture keeps its own.
void GfxReleaseImage(const Image& img);
// Queues the files of released pictures for decoding on the side, so that a screen entered again
// finds them ready; nothing with the null renderer, which never draws them.
void GfxPrefetchReleasedImages(const std::vector<Image>& images);
// Whether the picture draws now without reading its file: it holds its texture or pixels, or its
// file was decoded on the side. If not, its file is asked for on the side (once) and false comes
// back: something faint may skip a frame or two rather than stall one. True with the null
// renderer, which never draws.
bool GfxImageDrawsNow(const Image& img);
// Drops what was decoded on the side for these pictures and not yet taken (a screen left before
// it drew them all).
void GfxForgetPrefetchedImages(const std::vector<Image>& images);
// Queues the files of pictures that the software renderer will need the pixels of to draw them
// turned or scaled, and has not read yet (their pixels went with the texture), so that their
// first turned draw finds them decoded.
void GfxPrefetchTurnedPixels(const std::vector<Image>& images);
// Lets the software renderer's turned and scaled copies go (up to 4 MiB of textures), keeping the
// pixels they are made from: for a screen that is covered by a picture of itself for a while.
void GfxLetTurnedCopiesGo();
// Bytes of picture pixels held now, decoded or in textures, by every image alive (tests).
long long GfxResidentImageBytes();
// An image made from RGBA pixels (tests, generated pictures); null on bad sizes.
Image GfxCreateImage(int w, int h, const std::uint8_t* rgba, int flags);
// A black copy of `img` (same size and handle) whose opacity is `alpha` times the original's:
// a shadow drawn untinted, which software rendering does far faster than a tinted picture.
// Null without an image or its pixels.
Image GfxMakeShadowImage(const Image& img, float alpha);
void GfxDrawImage(const Image& img, float x, float y, int frame = 0);
void GfxDrawImageRect(const Image& img, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, float hx, float hy, int frame = 0);
int GfxImageWidth(const Image& img);
int GfxImageHeight(const Image& img);
void GfxMidHandle(const Image& img);
void GfxSetHandle(const Image& img, float x, float y);
float GfxImageHandleX(const Image& img);
float GfxImageHandleY(const Image& img);

constexpr int GFX_FONT_SMOOTH = 4;
Font GfxLoadFont(const std::string& path, int size, int style);  // null when missing
void GfxSetImageFont(const Font& font);
Font GfxGetImageFont();
void GfxDrawText(const std::string& text, float x, float y);  // top-left at (x, y)
int GfxTextWidth(const std::string& text);                    // unscaled, current font; 0 without font
int GfxTextHeight(const std::string& text);                   // unscaled line height of the current font

void GfxDrawRect(float x, float y, float w, float h);  // filled
void GfxDrawLine(float x1, float y1, float x2, float y2);

Pixmap GfxGrabPixmap(int x, int y, int w, int h);  // logical coordinates of the back buffer
// The back buffer's (x, y, w, h) as a picture held only as a texture: no second copy of its pixels
// stays, so a renderer change loses it (GfxImageLost). When `reuse` is such a picture of that size,
// its texture takes the new pixels and it is returned: one texture instead of two. Null when the
// buffer cannot be read.
Image GfxGrabImage(int x, int y, int w, int h, const Image& reuse = nullptr);
// A grabbed picture whose texture went with a renderer change: it draws nothing any more.
bool GfxImageLost(const Image& img);
bool GfxSavePng(const Pixmap& pix, const std::string& path, int level);
// Keeps a copy of every presented frame so that the last one can be saved
// after the back buffer was cleared (the --screenshot flag).
void GfxKeepLastFrame(bool keep);
Pixmap GfxLastFrame();

// ---------------------------------------------------------------------------
// Input. Keys are Windows virtual-key codes.
// ---------------------------------------------------------------------------
constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_TAB = 9;
constexpr int KEY_ENTER = 13;
constexpr int KEY_SHIFT = 16;
constexpr int KEY_CONTROL = 17;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_SPACE = 32;
constexpr int KEY_LEFT = 37;
constexpr int KEY_UP = 38;
constexpr int KEY_RIGHT = 39;
constexpr int KEY_DOWN = 40;
constexpr int KEY_DELETE = 46;
constexpr int KEY_F1 = 112;  // F2 = 113 ... F12 = 123
constexpr int KEY_LALT = 164;
constexpr int KEY_RALT = 165;

float InMouseX();
float InMouseY();
int InMouseHit(int button);  // 1 left, 2 right, 3 middle; resets the count
int InMouseDown(int button);
float InMouseZ();
int InKeyHit(int key);  // resets the count
int InKeyDown(int key);
// Enter pressed while an Alt key was held (the display switch); resets the count. Such an Enter
// counts as no hit of KEY_ENTER and is no typed character.
int InAltEnterHit();
void InFlushKeys();
void InFlushMouse();
void InSetCursorVisible(bool visible);
int InGetChar();  // next typed character code, 0 when none

// One input event in the game's own terms. The SDL backend, the virtual
// player and replays all feed the same queue.
struct InputEvent {
    enum Kind { MouseMove, MouseDown, MouseUp, Wheel, KeyDown, KeyUp, Char, Focus, Close };
    Kind kind = MouseMove;
    float x = 0, y = 0;  // MouseMove: logical position; Wheel: y = steps
    int code = 0;        // button, virtual key, character code, or focus (1 gained, 0 lost)
};
// The one way to build events (virtual player, replays, tests).
inline InputEvent MouseMoveEvent(float x, float y) { return {InputEvent::MouseMove, x, y, 0}; }
// Button 1 left, 2 right, 3 middle.
inline InputEvent MouseButtonEvent(bool down, int button = 1) {
    return {down ? InputEvent::MouseDown : InputEvent::MouseUp, 0, 0, button};
}
inline InputEvent KeyEvent(bool down, int key) {
    return {down ? InputEvent::KeyDown : InputEvent::KeyUp, 0, 0, key};
}
inline InputEvent CharEvent(int character) { return {InputEvent::Char, 0, 0, character}; }
inline InputEvent FocusEvent(bool gained) { return {InputEvent::Focus, 0, 0, gained ? 1 : 0}; }
// Queue an event; it takes effect at the next SysPoll, exactly like a real one.
void InPushEvent(const InputEvent& e);
// Observer that sees every event SysPoll applies (recording); empty to remove.
void InSetEventObserver(std::function<void(const InputEvent&)> observer);
// While on, events from the window system are dropped (replays, autoplay in a
// window) so that only fed events act.
void InIgnoreSystemInput(bool ignore);

// ---------------------------------------------------------------------------
// Sound
// ---------------------------------------------------------------------------
constexpr int SND_LOOP = 1;
Sound SndLoad(const std::string& path, int flags);  // WAV or Ogg Vorbis; null when missing
Channel SndCue(const Sound& snd);                   // a new paused channel, 0 for null
void ChnSetVolume(Channel ch, float v);             // 0..1
void ChnSetRate(Channel ch, float rate);            // 1 = normal speed
void ChnResume(Channel ch);
void ChnPause(Channel ch);
void ChnStop(Channel ch);
bool ChnPlaying(Channel ch);
// Mixes `frames` stereo frames of the current channels into out (interleaved
// float, -1..1). The audio device calls it; tests call it on a silent device.
void SndMixForTest(float* out, int frames);
int SndOutputRate();   // 44100
bool SndDeviceOpen();  // false when silent (no device, headless or disabled)

// ---------------------------------------------------------------------------
// Files. Paths are relative to the working directory and use "/"; every path
// component matches regardless of letter case.
// ---------------------------------------------------------------------------
int FsFileType(const std::string& path);  // 0 missing, 1 file, 2 folder
// The path as it exists on disk after case-blind matching; for missing
// components the given spelling is kept.
std::string FsResolvePath(const std::string& path);
std::string FsLoadText(const std::string& path);  // byte-order mark aware
bool FsSaveText(const std::string& text, const std::string& path);
std::string FsLoadString(const std::string& path);                    // raw bytes
bool FsSaveBytes(const std::string& bytes, const std::string& path);  // atomic: temp file, flush, rename
// Tests: while set, every save fails with `error` (ENOSPC: a full disk) after writing its
// temporary file, which is removed as after any failure; 0 saves again.
void FsSetSaveFailure(int error);
// True for the name of the temporary file FsSaveBytes writes beside its
// target ("name.tmp" + six letters or digits).
bool FsIsSaveTemporary(const std::string& name);
// Deletes such temporaries left in the folder by an interrupted save (a run
// killed mid-save); returns how many. Only while no save is under way.
int FsRemoveSaveTemporaries(const std::string& folder);
bool FsCreateDir(const std::string& path);  // one level
bool FsDeleteFile(const std::string& path);
bool FsDeleteDir(const std::string& path);  // an empty folder
bool FsRenameFile(const std::string& from, const std::string& to);
std::vector<std::string> FsListDir(const std::string& path);  // names, sorted
std::string FsRealPath(const std::string& path);
std::string FsSpecialFolder(int id);  // 35: the application-data folder
bool FsGrantFullAccess(const std::string& path, const std::string& group);
// Overrides the application-data folder (--user-dir); empty restores the default.
void FsSetSpecialFolderOverride(const std::string& path);

// ---------------------------------------------------------------------------
// System
// ---------------------------------------------------------------------------
int SysMillisecs();
// With the fixed-step clock: moves the clock on by ms at once, as a stall
// would (tests); without it the call does nothing.
void SysAdvanceFixedClock(int ms);
void SysPoll();
bool SysAppSuspended();
bool SysAppTerminate();                                 // a close request, reported once
void SysNotify(const std::string& text, bool serious);  // never blocks a headless run
void SysSetAppTitle(const std::string& text);
void SysSetWindowIcon();
// The folder of the running executable, ending in "/"; "" if the system cannot tell.
std::string SysProgramDir();
// A file dialog (zenity); the chosen path, "" when cancelled or no dialog can be shown.
std::string SysRequestFile(const std::string& title, const std::string& filter, bool save,
                           const std::string& path);
// A headless run shows no dialog: SysRequestFile answers it with this path instead (tests and
// scripted runs; "", the default, answers as cancelled).
void SysSetHeadlessFileAnswer(const std::string& path);
// Hands the memory freed so far back to the system: freed pictures and particles otherwise stay
// in the heap's gaps, where only later allocations of the game can use them (about 1 ms).
void SysReturnFreedMemory();

// ---------------------------------------------------------------------------
// Random numbers, one seeded generator for the whole game
// ---------------------------------------------------------------------------
int RandInt(int lo, int hi);          // both ends included
float RandFloat(float lo, float hi);  // lo <= r < hi
void RandSeed(int n);
// A seed drawn from the system's entropy and the clock, different every run.
int RandFreshSeed();
