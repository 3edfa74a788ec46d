// Input: SDL events become InputEvents at the boundary; SysPoll applies queued
// and fresh events to the mouse, key and character state the game queries.
#include <algorithm>
#include <deque>
#include <functional>
#include <iterator>
#include <vector>

#include "platform/key_map.h"
#include "platform/platform_internal.h"
#include "platform/text_encoding.h"

namespace {
constexpr int kKeyCount = 256;
constexpr int kButtonCount = 8;
constexpr std::size_t kMaxChars = 256;  // typed characters nobody reads are dropped beyond this

struct InputState {
    float mouseX = 0, mouseY = 0, mouseZ = 0;
    int mouseHits[kButtonCount]{};
    bool mouseDown[kButtonCount]{};
    int keyHits[kKeyCount]{};
    bool keyDown[kKeyCount]{};
    std::deque<int> chars;
    int altEnterHits = 0;  // Enter pressed with Alt held: the display switch, no Enter
    std::vector<InputEvent> pending;
    std::function<void(const InputEvent&)> observer;
    bool ignoreSystem = false;
};

InputState& S() {
    static InputState* state = new InputState;
    return *state;
}

bool ValidKey(int key) { return key > 0 && key < kKeyCount; }
bool ValidButton(int button) { return button > 0 && button < kButtonCount; }

void PushChar(int code) {
    InputState& s = S();
    if (code <= 0) {
        return;
    }
    if (s.chars.size() >= kMaxChars) {
        s.chars.pop_front();
    }
    s.chars.push_back(code);
}

void ReleaseAll() {
    InputState& s = S();
    std::fill(std::begin(s.keyDown), std::end(s.keyDown), false);
    std::fill(std::begin(s.mouseDown), std::end(s.mouseDown), false);
}

bool AltHeld() {
    const InputState& s = S();
    return s.keyDown[KEY_LALT] || s.keyDown[KEY_RALT];
}

void SetKey(int key, bool down) {
    InputState& s = S();
    if (!ValidKey(key)) {
        return;
    }
    if (down) {
        ++s.keyHits[key];
    }
    s.keyDown[key] = down;
    const int generic = GenericVirtualKey(key);
    if (generic != 0) {
        const int left = generic == 16 ? 160 : (generic == 17 ? 162 : 164);
        if (down) {
            ++s.keyHits[generic];
        }
        s.keyDown[generic] = s.keyDown[left] || s.keyDown[left + 1];
    }
}

void Dispatch(const InputEvent& e) {
    InApplyEvent(e);
    InputState& s = S();
    if (s.observer) {
        s.observer(e);
    }
}

int MouseButton(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 3;
        default:
            return sdlButton;  // extra buttons keep SDL's numbers
    }
}

void Emit(InputEvent::Kind kind, int code, float x = 0, float y = 0) { Dispatch({kind, x, y, code}); }

void TranslateWindowEvent(const SDL_WindowEvent& w) {
    switch (w.event) {
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED:
            Emit(InputEvent::Focus, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_RESTORED:
            Emit(InputEvent::Focus, 1);
            break;
        case SDL_WINDOWEVENT_CLOSE:
            Emit(InputEvent::Close, 0);
            break;
        default:
            break;
    }
    switch (w.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED:
            GfxS().presentDamage.MarkWhole();  // the window's pixels must all be shown again
            break;
        default:
            break;
    }
}

void TranslateInputEvent(const SDL_Event& ev) {
    const InputState& s = S();
    switch (ev.type) {
        case SDL_MOUSEMOTION:
            Emit(InputEvent::MouseMove, 0, static_cast<float>(ev.motion.x), static_cast<float>(ev.motion.y));
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const auto x = static_cast<float>(ev.button.x);
            const auto y = static_cast<float>(ev.button.y);
            if (x != s.mouseX || y != s.mouseY) {
                Emit(InputEvent::MouseMove, 0, x, y);
            }
            const bool down = ev.type == SDL_MOUSEBUTTONDOWN;
            Emit(down ? InputEvent::MouseDown : InputEvent::MouseUp, MouseButton(ev.button.button));
            break;
        }
        case SDL_MOUSEWHEEL: {
            const int steps = ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -ev.wheel.y : ev.wheel.y;
            Emit(InputEvent::Wheel, 0, 0, static_cast<float>(steps));
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int vk = VirtualKeyFromSdl(ev.key.keysym.sym, ev.key.keysym.scancode);
            if (ev.type == SDL_KEYUP) {
                if (vk != 0) {
                    Emit(InputEvent::KeyUp, vk);
                }
            } else if (ev.key.repeat != 0) {
                if (vk == KEY_BACKSPACE) {
                    Emit(InputEvent::Char, KEY_BACKSPACE);  // holding Backspace keeps erasing
                }
            } else if (vk != 0) {
                Emit(InputEvent::KeyDown, vk);
            }
            break;
        }
        case SDL_TEXTINPUT: {
            const std::string text = ev.text.text;
            for (std::size_t i = 0; i < text.size();) {
                Emit(InputEvent::Char, static_cast<int>(Utf8Next(text, i)));
            }
            break;
        }
        default:
            break;
    }
}

void Translate(const SDL_Event& ev) {
    if (ev.type == SDL_QUIT) {
        Emit(InputEvent::Close, 0);
    } else if (ev.type == SDL_WINDOWEVENT) {
        TranslateWindowEvent(ev.window);
    } else if (!S().ignoreSystem) {
        TranslateInputEvent(ev);
    }
}
}  // namespace

void InApplyEvent(const InputEvent& e) {
    InputState& s = S();
    switch (e.kind) {
        case InputEvent::MouseMove:
            s.mouseX = e.x;
            s.mouseY = e.y;
            break;
        case InputEvent::MouseDown:
        case InputEvent::MouseUp:
            if (ValidButton(e.code)) {
                const bool down = e.kind == InputEvent::MouseDown;
                s.mouseHits[e.code] += down ? 1 : 0;
                s.mouseDown[e.code] = down;
            }
            break;
        case InputEvent::Wheel:
            s.mouseZ += e.y;
            break;
        case InputEvent::KeyDown:
            if (e.code == KEY_ENTER && AltHeld()) {
                // Alt+Enter switches the display: neither an Enter hit nor a
                // typed Enter reaches the screens (a dialog would answer it).
                ++s.altEnterHits;
                break;
            }
            SetKey(e.code, true);
            if (e.code == KEY_ENTER || e.code == KEY_ESCAPE || e.code == KEY_BACKSPACE) {
                PushChar(e.code);
            }
            break;
        case InputEvent::KeyUp:
            SetKey(e.code, false);
            break;
        case InputEvent::Char:
            if (e.code != KEY_ENTER || !AltHeld()) {
                PushChar(e.code);
            }
            break;
        case InputEvent::Focus:
            SysSetSuspended(e.code == 0);
            if (e.code == 0) {
                ReleaseAll();  // keys let go in another window must not stick
            }
            break;
        case InputEvent::Close:
            SysRequestClose();
            break;
    }
}

void InResetState() {
    InputState& s = S();
    auto observer = std::move(s.observer);
    const bool ignore = s.ignoreSystem;
    s = InputState();
    s.observer = std::move(observer);
    s.ignoreSystem = ignore;
}

void SysPoll() {
    InputState& s = S();
    // Fed events were queued before this poll, so they act first.
    std::vector<InputEvent> pending;
    pending.swap(s.pending);
    for (const InputEvent& e : pending) {
        Dispatch(e);
    }
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) {
        return;
    }
    // SDL maps mouse positions to logical units for the window target.
    GfxUseWindowTarget(true);
    SDL_Event ev;
    while (SDL_PollEvent(&ev) != 0) {
        Translate(ev);
    }
    GfxUseWindowTarget(false);
}

void InPushEvent(const InputEvent& e) { S().pending.push_back(e); }

void InSetEventObserver(std::function<void(const InputEvent&)> observer) {
    S().observer = std::move(observer);
}

void InIgnoreSystemInput(bool ignore) { S().ignoreSystem = ignore; }

float InMouseX() { return S().mouseX; }
float InMouseY() { return S().mouseY; }
float InMouseZ() { return S().mouseZ; }

int InMouseHit(int button) {
    if (!ValidButton(button)) {
        return 0;
    }
    const int hits = S().mouseHits[button];
    S().mouseHits[button] = 0;
    return hits;
}

int InMouseDown(int button) { return ValidButton(button) && S().mouseDown[button] ? 1 : 0; }

int InKeyHit(int key) {
    if (!ValidKey(key)) {
        return 0;
    }
    const int hits = S().keyHits[key];
    S().keyHits[key] = 0;
    return hits;
}

int InKeyDown(int key) { return ValidKey(key) && S().keyDown[key] ? 1 : 0; }

int InAltEnterHit() {
    const int hits = S().altEnterHits;
    S().altEnterHits = 0;
    return hits;
}

void InFlushKeys() {
    InputState& s = S();
    std::fill(std::begin(s.keyHits), std::end(s.keyHits), 0);
    s.altEnterHits = 0;
    s.chars.clear();
}

void InFlushMouse() {
    InputState& s = S();
    std::fill(std::begin(s.mouseHits), std::end(s.mouseHits), 0);
}

void InSetCursorVisible(bool visible) {
    if (PlatformVideoReady()) {
        SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    }
}

int InGetChar() {
    InputState& s = S();
    if (s.chars.empty()) {
        return 0;
    }
    const int c = s.chars.front();
    s.chars.pop_front();
    return c;
}
