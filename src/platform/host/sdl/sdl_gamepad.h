#pragma once
// Game controllers: the d-pad and the left stick act as the arrow keys, A as
// Enter, B and Start as Escape; any other button counts as a typed character,
// which closes a hint page or the world map and means nothing elsewhere.

#include <SDL.h>

namespace platform {

// A controller's event: added, removed, a button or an axis.
void HandleGamepadEvent(const SDL_Event& e);
// Lets go of every key a controller holds and closes the controllers.
void CloseGamepads();

}  // namespace platform
