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
// Print Screen and its kind: down now, or pressed since the last asynchronous query.
void InputAsyncKey(int key, bool down);
void ResetInputState();

// Implemented by the host back-end: gathers pending window events.
void HostPumpEvents();

}  // namespace platform
