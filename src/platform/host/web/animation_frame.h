#pragma once
// The page's frame clock.

namespace platform {

// Returns at the browser's next animation frame, having let it draw the canvas
// and run its events meanwhile.
void WaitForAnimationFrame();

}  // namespace platform
