#pragma once
// A browser may take the page's WebGL context away (a driver reset, too many
// tabs with WebGL, a laptop switching graphics) and give it back later empty:
// no textures, programs or frame buffers. The game then builds its renderer
// again and uploads its pictures from the pixels it keeps.

namespace platform {

// Listens on the game's canvas; called again whenever a new context is made,
// since deleting a context drops the canvas's listeners.
void WatchForLostContext();
// True once for each time the browser has given the context back.
bool TakeRestoredContext();

}  // namespace platform
