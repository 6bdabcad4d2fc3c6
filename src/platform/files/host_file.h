#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// Every path the game holds is UTF-8 (SDL names its folders that way). Windows
// reads a narrow path in the local code page, so a folder named in other
// letters (a user name with an accent in %APPDATA%) is only reached through
// the wide form the path type makes from UTF-8.
inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

// fopen for a UTF-8 path on every host.
std::FILE* OpenHostFile(const std::string& utf8Path, const char* mode);

// Pushes what was written to an open file through to the disk; false, with
// errno set, when the host could not. Devices that cannot sync are no failure.
bool SyncHostFile(std::FILE* file);

// Renames a file over another in the same folder in one step, and returns
// only once the new name is on the disk. Nothing when done, else why not, in
// words for the player.
std::optional<std::string> ReplaceHostFile(const std::string& fromUtf8, const std::string& toUtf8);

// The number of this process, which no other process running beside it has.
unsigned long HostProcessId();

}  // namespace platform
