#pragma once
// The OpenGL renderer: shaders and vertex buffers within what OpenGL 2.1,
// OpenGL ES 2.0 and WebGL 1 share. A frame's draws are recorded and reach the
// driver when it is presented (or when pixels are read back): a frame equal
// to the last one is not drawn again, a run of draws that frames share is
// kept in a cached picture (the board under a scrolling background and moving
// particles, say), and a frame that paints the whole screen goes
// straight to a window of the logical size. The logical 800 x 600 picture
// stays readable at all times, so screenshots and GrabImage see logical pixels.

namespace platform {

struct Letterbox {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Letterbox&) const = default;
};

// Needs a current GL context; false when the context lacks what we need.
bool RendererOpen(int logicalWidth, int logicalHeight);
void RendererClose();
// Draws the frame and puts it into the window's back buffer.
void RendererPresent(const Letterbox& box, int drawableWidth, int drawableHeight);
// True when this frame draws exactly what the window already shows: the frame
// is dropped and nothing need be presented or swapped.
bool RendererSkipUnchangedFrame(const Letterbox& box, int drawableWidth, int drawableHeight);
// The window's contents were lost (uncovered): the next frame is presented.
void RendererWindowExposed();
Letterbox FitLetterbox(int logicalWidth, int logicalHeight, int targetWidth, int targetHeight);

}  // namespace platform
