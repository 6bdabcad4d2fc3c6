#pragma once
// Where a benchmark finds the built game (media/ and levels/): the folder named
// by MARROWICK_GAME_DIR, else the build folder above the program's own folder.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "puzzle/level_rules.h"
#include "puzzle/map.h"

inline std::filesystem::path GameFolder(const char* programPath) {
  const char* configured = std::getenv("MARROWICK_GAME_DIR");
  if (configured) return configured;
  return std::filesystem::absolute(programPath).parent_path().parent_path();
}

// Every shipped level, loaded with the game folder as the working folder (which
// it stays); nothing, with the reason on stderr, when a level is missing.
inline std::optional<std::vector<std::shared_ptr<mapType>>> LoadShippedLevels(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::current_path(folder, error);
  if (error) {
    std::cerr << "cannot open " << folder << ": " << error.message() << "\n";
    return std::nullopt;
  }
  std::vector<std::shared_ptr<mapType>> shipped;
  for (int n = 0; n <= levels::Last; ++n) {
    shipped.push_back(mapType::Create(n));
    if (shipped.back()->exitX < 0) {
      std::cerr << "level " << n << " was not found in " << folder << "/levels\n";
      return std::nullopt;
    }
  }
  return shipped;
}
