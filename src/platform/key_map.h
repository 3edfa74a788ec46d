// SDL keys to Windows virtual-key codes, the codes the game asks about.
#pragma once

#include <SDL.h>

// The virtual-key code of a key, 0 when the game has no name for it.
int VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scan);
// The generic code a left/right key also counts as (16 Shift, 17 Control,
// 18 Alt), 0 for other keys.
int GenericVirtualKey(int vk);
