#include "output.h"

#include <filesystem>

namespace mkmedia {

Output::Output(std::string gameDir) : gameDir_(std::move(gameDir)) {}

std::string Output::Media(const std::string& relative) const {
  std::filesystem::path path = std::filesystem::path(gameDir_) / "media" / relative;
  std::filesystem::create_directories(path.parent_path());
  return path.string();
}

std::string Output::Game(const std::string& name) const {
  const std::filesystem::path path = std::filesystem::path(gameDir_) / name;
  std::filesystem::create_directories(path.parent_path());
  return path.string();
}

}  // namespace mkmedia
