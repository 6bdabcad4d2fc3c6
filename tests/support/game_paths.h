#pragma once
// Where ctest says the built game and the sources are.

#include <cstdlib>
#include <string>

inline std::string GameDir() {
  const char* dir = std::getenv("MARROWICK_GAME_DIR");
  return dir ? dir : ".";
}

inline std::string SourceDir() {
  const char* dir = std::getenv("MARROWICK_SOURCE_DIR");
  return dir ? dir : ".";
}
