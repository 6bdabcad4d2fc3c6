#pragma once
// The OpenGL renderer: draws into an off-screen frame of the logical size and
// scales it into the window when presenting, so reading pixels back always sees
// the logical 800 x 600 picture.

namespace platform {

struct Letterbox {
  int x = 0, y = 0, width = 0, height = 0;
};

// Needs a current GL context; false when the context lacks what we need.
bool RendererOpen(int logicalWidth, int logicalHeight);
void RendererClose();
// Sends pending draws and copies the frame into the window's back buffer.
void RendererPresent(const Letterbox& box, int drawableWidth, int drawableHeight);
Letterbox FitLetterbox(int logicalWidth, int logicalHeight, int targetWidth, int targetHeight);

}  // namespace platform
