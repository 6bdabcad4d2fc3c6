#pragma once
// Polled keyboard and mouse. Key codes are Windows virtual-key codes (13 Enter,
// 27 Escape, 32 Space, 37-40 arrows, 44 Print Screen, 48-57 digits, 65-90 letters);
// mouse buttons are 1 left, 2 right, 3 middle. Every query first gathers pending
// window events.

namespace platform {

// A pad's buttons are keys of their own from 256 on, beside the keys their
// d-pad, A, B and Start also press for the menus.
namespace pad {
constexpr int A = 0, B = 1, X = 2, Y = 3, Back = 4, Guide = 5, Start = 6, LeftStick = 7, RightStick = 8,
              LeftShoulder = 9, RightShoulder = 10, Up = 11, Down = 12, Left = 13, Right = 14;
constexpr int Count = 21;
}  // namespace pad
constexpr int PadKey(int button) { return 256 + button; }
// A swipe on a touch screen presses a key of its own for an instant, after the
// pad's: up, down, left, right (the order of SwipeDirection). The four moves
// always answer them; they are no key a player binds.
constexpr int kSwipeDirections = 4;
constexpr int SwipeKey(int direction) { return PadKey(pad::Count) + direction; }

int KeyHit(int key);
// Down now, or pressed since the step began (see EndInputStep).
int KeyDown(int key);
int GetChar();
void FlushKeys();
void FlushMouse();
int MouseX();
int MouseY();
int MouseZ();
int MouseHit(int button);
// Down now, or pressed since the step began (see EndInputStep).
int MouseDown(int button);
// The end of a step of the game's loops: a key or button pressed and let go
// between two steps has been seen as down by this step, and is up from now on.
// So every press counts once, however short.
void EndInputStep();
int AppSuspended();
int AppTerminate();
// 1 while a close request waits for AppTerminate to take it; leaves it waiting.
int AppTerminatePending();
// 1 if Alt+Enter asked for full screen or a window since the last call (the
// full-screen key, F11 unless the player chose another, is an ordinary key).
int FullscreenToggleRequested();
// 1 for half a second after the display reopens (window to full screen or
// back): the pointer then jumps on its own, and screens that follow the
// pointer should not take that for the player's moving it.
int PointerSettling();
// 1 once for each press since the last call (Print Screen reaches the game
// only this way on some systems); a held key counts once.
int AsyncKeyHit(int key);
void MoveMouse(int x, int y);

// Gathers window events now (the queries above do this themselves).
void PollSystem();

}  // namespace platform
