#pragma once
// A picture the renderer draws into off screen: a frame buffer with one
// texture of its own, which is then copied or laid over another target.

namespace platform {

struct PictureTarget {
  unsigned framebuffer = 0;
  unsigned texture = 0;
};

// Needs a current context; false when the driver cannot draw into it.
bool MakePictureTarget(PictureTarget& target, int width, int height);
void DeletePictureTarget(PictureTarget& target);

}  // namespace platform
