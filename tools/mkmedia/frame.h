#pragma once
// The play screen's frame (borderred.png) and the glows of its three buttons.

#include "frame_layout.h"
#include "image.h"

namespace mkmedia {

// With the token column's first `tokenSlots` sockets.
Image FramePicture(int tokenSlots = kTokenSlots);
// The token column below its first socket as the frame is with one socket
// only (a group of one level), laid by the game over the frame.
Image SingleSlotColumn();
// The hover glow of button 0 (menu), 1 (restart) or 2 (skip).
Image HoverPicture(int button);

}  // namespace mkmedia
