#include "platform/key_map.h"

namespace {
struct KeyPair {
    SDL_Keycode sdl;
    int vk;
};

constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, 8},      {SDLK_TAB, 9},          {SDLK_RETURN, 13},       {SDLK_KP_ENTER, 13},
    {SDLK_PAUSE, 19},         {SDLK_CAPSLOCK, 20},    {SDLK_ESCAPE, 27},       {SDLK_SPACE, 32},
    {SDLK_PAGEUP, 33},        {SDLK_PAGEDOWN, 34},    {SDLK_END, 35},          {SDLK_HOME, 36},
    {SDLK_LEFT, 37},          {SDLK_UP, 38},          {SDLK_RIGHT, 39},        {SDLK_DOWN, 40},
    {SDLK_PRINTSCREEN, 44},   {SDLK_INSERT, 45},      {SDLK_DELETE, 46},       {SDLK_LGUI, 91},
    {SDLK_RGUI, 92},          {SDLK_APPLICATION, 93}, {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},     {SDLK_KP_PERIOD, 110},  {SDLK_KP_DIVIDE, 111},   {SDLK_NUMLOCKCLEAR, 144},
    {SDLK_SCROLLLOCK, 145},   {SDLK_LSHIFT, 160},     {SDLK_RSHIFT, 161},      {SDLK_LCTRL, 162},
    {SDLK_RCTRL, 163},        {SDLK_LALT, 164},       {SDLK_RALT, 165},        {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},       {SDLK_COMMA, 188},      {SDLK_MINUS, 189},       {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},        {SDLK_BACKQUOTE, 192},  {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
};

int FromKeycode(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) {
        return 'A' + (key - SDLK_a);
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return '0' + (key - SDLK_0);
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return 112 + (key - SDLK_F1);
    }
    if (key >= SDLK_F13 && key <= SDLK_F24) {
        return 124 + (key - SDLK_F13);
    }
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) {
        return 97 + (key - SDLK_KP_1);
    }
    if (key == SDLK_KP_0) {
        return 96;
    }
    for (const KeyPair& k : kKeys) {
        if (k.sdl == key) {
            return k.vk;
        }
    }
    return 0;
}
}  // namespace

int VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scan) {
    const int vk = FromKeycode(key);
    if (vk != 0) {
        return vk;
    }
    // Layouts without Latin letters still have keys in the letter places.
    if (scan >= SDL_SCANCODE_A && scan <= SDL_SCANCODE_Z) {
        return 'A' + (scan - SDL_SCANCODE_A);
    }
    if (scan >= SDL_SCANCODE_1 && scan <= SDL_SCANCODE_9) {
        return '1' + (scan - SDL_SCANCODE_1);
    }
    if (scan == SDL_SCANCODE_0) {
        return '0';
    }
    return 0;
}

int GenericVirtualKey(int vk) {
    switch (vk) {
        case 160:
        case 161:
            return 16;
        case 162:
        case 163:
            return 17;
        case 164:
        case 165:
            return 18;
        default:
            return 0;
    }
}
