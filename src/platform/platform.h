#pragma once
// Start and stop of the platform layer, and the folder the game's files live in.

#include <string>

namespace platform {

// Must run before anything else of the game; makes the program's own folder the
// working folder when given the program's path.
bool InitPlatform(const char* argv0 = nullptr);
void ShutdownPlatform();

// Game paths are written with "\"; this turns one into a host path.
std::string HostPath(const std::string& gamePath);

}  // namespace platform
