#include "platform/host/sdl/sdl_gamepad.h"

#include <cstdlib>
#include <map>
#include <set>

#include "platform/host/input.h"
#include "platform/host/input_state.h"

namespace platform {
namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
// A stick must pass well beyond its resting noise to count as pushed, and
// come back further than that before it counts as let go.
constexpr int kStickPressed = 16000;
constexpr int kStickReleased = 10000;

struct Pad {
  SDL_GameController* controller = nullptr;
  int stickX = 0, stickY = 0;
  int stickKey = 0;  // the arrow the stick holds down, or 0
  std::set<int> held;  // buttons down, so unplugging lets go of their keys
};

std::map<SDL_JoystickID, Pad> pads;

static_assert(pad::A == SDL_CONTROLLER_BUTTON_A && pad::Start == SDL_CONTROLLER_BUTTON_START &&
                  pad::Right == SDL_CONTROLLER_BUTTON_DPAD_RIGHT && pad::Count == SDL_CONTROLLER_BUTTON_MAX,
              "the pad's button numbers are SDL's");

int KeyForButton(int button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return kUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return kDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return kLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return kRight;
    case SDL_CONTROLLER_BUTTON_A: return kEnter;
    case SDL_CONTROLLER_BUTTON_B:
    case SDL_CONTROLLER_BUTTON_START: return kEscape;
    default: return 0;
  }
}

// The arrow of the axis pushed furthest, or 0 while the stick is near its centre.
int StickKey(const Pad& pad) {
  const int ax = std::abs(pad.stickX), ay = std::abs(pad.stickY);
  const int threshold = pad.stickKey != 0 ? kStickReleased : kStickPressed;
  if (ax < threshold && ay < threshold) return 0;
  if (ax > ay) return pad.stickX < 0 ? kLeft : kRight;
  return pad.stickY < 0 ? kUp : kDown;
}

// The stick leans as the d-pad presses: the arrow, and the d-pad's own button.
int DPadButtonOf(int arrow) {
  switch (arrow) {
    case kUp: return SDL_CONTROLLER_BUTTON_DPAD_UP;
    case kDown: return SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    case kLeft: return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    default: return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
  }
}

void LetGoOfStick(Pad& pad) {
  if (pad.stickKey == 0) return;
  InputKeyUp(pad.stickKey);
  InputKeyUp(PadKey(DPadButtonOf(pad.stickKey)));
  pad.stickKey = 0;
}

void MoveStick(Pad& pad, int axis, int value) {
  if (axis == SDL_CONTROLLER_AXIS_LEFTX) pad.stickX = value;
  if (axis == SDL_CONTROLLER_AXIS_LEFTY) pad.stickY = value;
  const int key = StickKey(pad);
  if (key == pad.stickKey) return;
  LetGoOfStick(pad);
  if (key != 0) {
    InputKeyDown(key);
    InputKeyDown(PadKey(DPadButtonOf(key)));
  }
  pad.stickKey = key;
}

void Press(Pad& pad, int button, bool down) {
  if (button < 0 || button >= pad::Count) return;
  if (down) {
    pad.held.insert(button);
    InputKeyDown(PadKey(button));
  } else {
    pad.held.erase(button);
    InputKeyUp(PadKey(button));
  }
  const int key = KeyForButton(button);
  if (key == 0) {
    if (down) InputTypedChar(' ');
    return;
  }
  if (!down) {
    InputKeyUp(key);
    return;
  }
  InputKeyDown(key);
  // Enter and Escape type their characters, as the keys do.
  if (key == kEnter || key == kEscape) InputTypedChar(key);
}

void Close(SDL_JoystickID id) {
  auto found = pads.find(id);
  if (found == pads.end()) return;
  LetGoOfStick(found->second);
  for (int button : found->second.held) {
    InputKeyUp(PadKey(button));
    if (const int key = KeyForButton(button)) InputKeyUp(key);
  }
  SDL_GameControllerClose(found->second.controller);
  pads.erase(found);
}

}  // namespace

void HandleGamepadEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED: {
      SDL_GameController* controller = SDL_GameControllerOpen(e.cdevice.which);
      if (controller) {
        const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
        if (pads.count(id)) {
          SDL_GameControllerClose(controller);  // already open: the add was reported twice
        } else {
          pads[id].controller = controller;
        }
      }
      break;
    }
    case SDL_CONTROLLERDEVICEREMOVED:
      Close(e.cdevice.which);
      break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      auto found = pads.find(e.cbutton.which);
      if (found != pads.end()) Press(found->second, e.cbutton.button, e.type == SDL_CONTROLLERBUTTONDOWN);
      break;
    }
    case SDL_CONTROLLERAXISMOTION: {
      auto found = pads.find(e.caxis.which);
      if (found != pads.end()) MoveStick(found->second, e.caxis.axis, e.caxis.value);
      break;
    }
    default:
      break;
  }
}

void CloseGamepads() {
  while (!pads.empty()) Close(pads.begin()->first);
}

}  // namespace platform
