#pragma once
// A game controller for tests: SDL's virtual joystick with every button and
// axis of a standard pad, and SDL told to pass its input to the off-screen
// window, which never holds the keyboard focus SDL otherwise asks for.

#include <SDL.h>

// The new joystick's device index, or -1 (SDL_GetError says why).
inline int AttachVirtualGamepad() {
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "Marrowick test pad";
  return SDL_JoystickAttachVirtualEx(&desc);
}
