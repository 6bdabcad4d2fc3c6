#pragma once
// Where ctest says the built game and the sources are.

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::string GameDir() {
  const char* dir = std::getenv("MARROWICK_GAME_DIR");
  return dir ? dir : ".";
}

inline std::string SourceDir() {
  const char* dir = std::getenv("MARROWICK_SOURCE_DIR");
  return dir ? dir : ".";
}

// The built game's media, seen from a test's working folder.
inline void LinkGameMedia(const std::filesystem::path& folder) {
  std::filesystem::create_directory_symlink(std::filesystem::absolute(GameDir()) / "media", folder / "media");
}
