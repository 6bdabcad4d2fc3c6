#pragma once
// Whether the window's back buffer still holds the last frame after a swap
// (a copying swap, as software drivers on X do). Only then can a frame that
// differs from the last in a few small rectangles be drawn into the window
// in those rectangles alone. Nothing in OpenGL or SDL promises it, so it is
// tried: three swaps of three colours, the back buffer read after each.

#include "platform/render/graphics.h"

namespace platform {

// Needs the window's context current; swaps the window three times (without
// waiting for the display) and leaves the back buffer cleared to black.
bool WindowKeepsFramesAfterSwap();

// The window's back buffer as it stands, top row first (for tests: what the
// player would see after the next swap).
PixelBuffer ReadWindowBackBuffer(int width, int height);

}  // namespace platform
