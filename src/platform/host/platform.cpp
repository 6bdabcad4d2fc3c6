#include "platform/host/platform.h"

#include "platform/files/game_folders.h"

namespace platform {

std::string HostPath(const std::string& gamePath) {
#ifdef _WIN32
  const char separator = '\\', foreign = '/';
#else
  const char separator = '/', foreign = '\\';
#endif
  std::string path = gamePath;
  for (char& c : path) {
    if (c == foreign) c = separator;
  }
  // The player's files are relative to the working folder, which is theirs.
  const std::string& data = CurrentGameFolders().data;
  if (!data.empty() && IsDataPath(gamePath)) path = data + separator + path;
  return path;
}

#ifndef __EMSCRIPTEN__
bool WaitForPlayersFirstGesture() { return false; }
#endif

}  // namespace platform
