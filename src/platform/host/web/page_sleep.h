#pragma once
// The game's sleep in a page.

namespace platform {

// Returns after `ms` milliseconds, having let the browser draw, play and run
// its events meanwhile; later while the page holds the game.
void PageSleep(unsigned ms);

}  // namespace platform
