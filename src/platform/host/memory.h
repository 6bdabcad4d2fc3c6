#pragma once
// How the C library's allocator hands memory back to the system.

namespace platform {

// Large blocks (decoded pictures, the textures' pixels, files read whole)
// get pages of their own, given back as soon as the block is freed. Left to
// itself, the C library raises that size to the largest block freed so far,
// and later pictures land in the heap, where the free space they leave
// behind is kept: a process that lets a menu's pictures go in play would
// stay as large as it was.
void ReturnLargeBlocksWhenFreed();

}  // namespace platform
