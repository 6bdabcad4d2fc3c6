#pragma once
// Where the generated files go: <game folder>/media/... and the icon beside the game.

#include <string>

namespace mkmedia {

class Output {
 public:
  explicit Output(std::string gameDir);
  // Full path of a file inside media/ (relative, "/"-separated); makes its folder.
  std::string Media(const std::string& relative) const;
  // Full path of a file in the game folder itself (relative, "/"-separated); makes its folder.
  std::string Game(const std::string& name) const;

 private:
  std::string gameDir_;
};

}  // namespace mkmedia
