#pragma once
// Start and stop of the platform layer, and the folder the game's files live in.

#include <string>

namespace platform {

// Must run before anything else of the game. Given the program's path (argv[0]),
// it makes the program's own folder the working folder.
bool InitPlatform(const char* argv0 = nullptr);
void ShutdownPlatform();

// Whether the game can be left from within: a web page cannot (its tab is
// closed instead, and a game that stopped would leave a black page).
constexpr bool HostCanQuit() {
#ifdef __EMSCRIPTEN__
  return false;
#else
  return true;
#endif
}

// A web page shows the game's first picture under its "click to play" cover
// and holds it there until the player's first click, key or touch, from which
// on the browser lets the game's sound start: returns true once that has come.
// Elsewhere there is nothing to wait for: false at once.
bool WaitForPlayersFirstGesture();

// Game paths are written with "\"; this turns one into a host path.
std::string HostPath(const std::string& gamePath);

}  // namespace platform
