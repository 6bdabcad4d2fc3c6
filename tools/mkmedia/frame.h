#pragma once
// The play screen's frame (borderred.png) and the glows of its three buttons.

#include "image.h"

namespace mkmedia {

Image FramePicture();
// The hover glow of button 0 (menu), 1 (restart) or 2 (skip).
Image HoverPicture(int button);

}  // namespace mkmedia
