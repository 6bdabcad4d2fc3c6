#pragma once

#include <cstdio>
#include <filesystem>
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

}  // namespace platform
