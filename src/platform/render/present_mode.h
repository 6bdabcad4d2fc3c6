#pragma once
// How the renderer presents a frame, chosen from a few facts about the frame,
// the last one and the window, and what it knows afterwards of the frame it
// presented. Nothing here draws: `sdl/gl_frame_renderer.cpp` acts on it.

namespace platform {

// What the renderer knows of the last frame it presented.
enum class LastFrame {
  // None yet, or one drawn over the frame before it, or pixels of the frame
  // being recorded were already drawn over it (a read-back, a texture
  // change): it can be neither drawn again nor compared with.
  Unusable,
  // It painted the whole screen, and the off-screen frame holds its picture.
  OffScreen,
  // It painted the whole screen, into the window only: the off-screen frame
  // lags behind and is drawn from the frame's list when it is needed.
  OnlyInWindow,
};

enum class PresentMode {
  // The frame leaves pixels unpainted, or some of it is drawn already: it is
  // drawn off screen over the last frame's picture and copied to the window.
  OverLastFrame,
  // It differs from the last frame in small rectangles, and the window kept
  // that frame: drawn into the window inside the rectangles alone.
  DamageInWindow,
  // The same over the off-screen frame, which is then copied to the window.
  DamageOffScreen,
  // Drawn whole straight into a window of the logical size, its shared run
  // (when the cache holds it) from the cached picture.
  WholeToWindow,
  // Drawn whole off screen, the same way, then copied (scaled) to the window.
  WholeOffScreen,
};

struct PresentFacts {
  // Nothing of the frame is drawn yet, and its first command paints every
  // pixel, so it does not depend on the frame before.
  bool paintsWholeScreen = false;
  // It differs from a usable last frame only in rectangles small enough to
  // draw again alone.
  bool smallDamage = false;
  // The window's drawable is the logical picture's size, with no borders.
  bool windowIsLogicalSize = false;
  // The window keeps its back buffer across swaps and holds the last frame,
  // presented at this size and not exposed since.
  bool windowHoldsLastFrame = false;
};

PresentMode ChoosePresentMode(const PresentFacts& facts);
// What is known of a frame once it has been presented in `mode`.
LastFrame LastFrameAfter(PresentMode mode);
// Whether `mode` draws into the off-screen frame, to be copied to the window.
bool DrawsOffScreen(PresentMode mode);

}  // namespace platform
