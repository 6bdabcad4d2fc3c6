#include <array>
#include <cstdint>

#include "platform/host/clock.h"
#include "platform/host/input.h"
#include "platform/host/input_state.h"

namespace platform {
namespace {

constexpr int kKeys = SwipeKey(kSwipeDirections);
constexpr int kButtons = 4;
constexpr int kCharRing = 256;

struct InputState {
  std::array<bool, kKeys> keyDown{};
  std::array<int, kKeys> keyHits{};
  // Pressed since the step began: held as down until EndInputStep, so that a
  // press let go before the step reads it still counts.
  std::array<bool, kKeys> keyPressedThisStep{};
  std::array<int, kCharRing> chars{};
  int charHead = 0, charCount = 0;
  std::array<bool, kButtons> buttonDown{};
  std::array<int, kButtons> buttonHits{};
  std::array<bool, kButtons> buttonPressedThisStep{};
  int mouseX = 0, mouseY = 0, mouseZ = 0;
  bool suspended = false;
  bool terminate = false;
  bool fullscreenToggle = false;
  // Set when the display was reopened, with Millisecs() then: the pointer
  // reports that follow come from the new window appearing or the pointer
  // being centred, not from the player.
  bool reopened = false;
  int32_t reopenedAt = 0;
  std::array<bool, kKeys> asyncDown{};
  std::array<bool, kKeys> asyncPressed{};
};

InputState state;

bool ValidKey(int key) { return key >= 0 && key < kKeys; }
bool ValidButton(int button) { return button >= 1 && button < kButtons; }

void ClearKeys() {
  state.keyDown.fill(false);
  state.keyHits.fill(0);
  state.keyPressedThisStep.fill(false);
  state.charHead = state.charCount = 0;
}

void ClearMouse() {
  state.buttonDown.fill(false);
  state.buttonHits.fill(0);
  state.buttonPressedThisStep.fill(false);
  state.mouseZ = 0;
}

}  // namespace

void InputKeyDown(int key) {
  if (!ValidKey(key)) return;
  // Auto-repeat arrives as further downs while the key is held: not a hit.
  if (!state.keyDown[key]) {
    state.keyDown[key] = true;
    state.keyPressedThisStep[key] = true;
    ++state.keyHits[key];
  }
}

void InputKeyUp(int key) {
  if (ValidKey(key)) state.keyDown[key] = false;
}

void InputTypedChar(int code) {
  if (state.charCount == kCharRing) return;
  state.chars[(state.charHead + state.charCount) % kCharRing] = code;
  ++state.charCount;
}

void InputMouseButton(int button, bool down) {
  if (!ValidButton(button)) return;
  if (down && !state.buttonDown[button]) {
    ++state.buttonHits[button];
    state.buttonPressedThisStep[button] = true;
  }
  state.buttonDown[button] = down;
}

void InputMouseMoved(int x, int y) {
  state.mouseX = x;
  state.mouseY = y;
}

void InputWheel(int notches) { state.mouseZ += notches; }

void InputSuspended(bool suspended) {
  state.suspended = suspended;
  ClearKeys();
  ClearMouse();
}

void InputTerminateRequested() { state.terminate = true; }

void InputFullscreenToggleRequested() { state.fullscreenToggle = true; }

void InputAsyncKey(int key, bool down) {
  if (!ValidKey(key)) return;
  // The system's auto-repeat sends further downs while the key is held.
  if (down && !state.asyncDown[key]) state.asyncPressed[key] = true;
  state.asyncDown[key] = down;
}

// A quit or full-screen request made while the display was being reopened
// still counts.
void ResetInputState() {
  const bool terminate = state.terminate;
  const bool toggle = state.fullscreenToggle;
  state = InputState{};
  state.terminate = terminate;
  state.fullscreenToggle = toggle;
}

void InputDisplayReopened() {
  state.reopened = true;
  state.reopenedAt = Millisecs();
}

void PollSystem() { HostPumpEvents(); }

int KeyHit(int key) {
  HostPumpEvents();
  if (!ValidKey(key)) return 0;
  const int hits = state.keyHits[key];
  state.keyHits[key] = 0;
  return hits;
}

int KeyDown(int key) {
  HostPumpEvents();
  return ValidKey(key) && (state.keyDown[key] || state.keyPressedThisStep[key]) ? 1 : 0;
}

void EndInputStep() {
  state.keyPressedThisStep.fill(false);
  state.buttonPressedThisStep.fill(false);
}

int GetChar() {
  HostPumpEvents();
  if (state.charCount == 0) return 0;
  const int code = state.chars[state.charHead];
  state.charHead = (state.charHead + 1) % kCharRing;
  --state.charCount;
  return code;
}

void FlushKeys() {
  HostPumpEvents();
  ClearKeys();
}

void FlushMouse() { ClearMouse(); }

int MouseX() {
  HostPumpEvents();
  return state.mouseX;
}

int MouseY() {
  HostPumpEvents();
  return state.mouseY;
}

int MouseZ() {
  HostPumpEvents();
  return state.mouseZ;
}

int MouseHit(int button) {
  HostPumpEvents();
  if (!ValidButton(button)) return 0;
  const int hits = state.buttonHits[button];
  state.buttonHits[button] = 0;
  return hits;
}

int MouseDown(int button) {
  HostPumpEvents();
  return ValidButton(button) && (state.buttonDown[button] || state.buttonPressedThisStep[button]) ? 1 : 0;
}

int AppSuspended() {
  HostPumpEvents();
  return state.suspended ? 1 : 0;
}

// A request is answered once: asking takes it.
static int TakeRequest(bool& request) {
  HostPumpEvents();
  const bool requested = request;
  request = false;
  return requested ? 1 : 0;
}

int AppTerminate() { return TakeRequest(state.terminate); }

int AppTerminatePending() {
  HostPumpEvents();
  return state.terminate ? 1 : 0;
}

int FullscreenToggleRequested() { return TakeRequest(state.fullscreenToggle); }

int PointerSettling() {
  constexpr int kSettleMs = 500;
  if (!state.reopened) return 0;
  const int32_t since = Millisecs() - state.reopenedAt;
  return since >= 0 && since < kSettleMs ? 1 : 0;
}

int AsyncKeyHit(int key) {
  HostPumpEvents();
  if (!ValidKey(key)) return 0;
  const bool pressed = state.asyncPressed[key];
  state.asyncPressed[key] = false;
  return pressed ? 1 : 0;
}

}  // namespace platform
