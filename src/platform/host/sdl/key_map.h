#pragma once
// SDL key codes to the Windows virtual-key codes the game uses.

#include <SDL.h>

namespace platform {

// 0 for keys the game has no code for.
int VirtualKeyFromSdl(SDL_Keycode key);

}  // namespace platform
