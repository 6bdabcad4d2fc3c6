#pragma once
// The keyboard and mouse state the input queries read. The host back-end feeds
// it with events already translated into virtual-key codes and logical pixels.

namespace platform {

void InputKeyDown(int key);
void InputKeyUp(int key);
void InputTypedChar(int code);
void InputMouseButton(int button, bool down);
void InputMouseMoved(int x, int y);
void InputWheel(int notches);
void InputSuspended(bool suspended);
void InputTerminateRequested();
void InputFullscreenToggleRequested();
// Print Screen and its kind: down now, or pressed since the last asynchronous query.
void InputAsyncKey(int key, bool down);
// Clears keys, mouse and typed characters for a newly opened display; a pending
// quit or full-screen request is kept.
void ResetInputState();
// The display opened again (window to full screen or back): for a moment the
// pointer's jumps are the window's, not the player's.
void InputDisplayReopened();

// Implemented by the host back-end: gathers pending window events.
void HostPumpEvents();

}  // namespace platform
