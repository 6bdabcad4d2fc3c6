#pragma once
// The open and save dialogs behind RequestFile (declared with the streams).
// The game's filter text, "Level files:dat,lvl;All Files:*", lists groups split
// by ";", each a description, ":" and extensions split by ",".

#include <string>
#include <vector>

namespace platform {

struct FileFilterChoice {
  std::string description;
  std::vector<std::string> patterns;  // "*.dat", "*.lvl", "*.*"
};

// The system's list of choices for a filter text; empty for an empty filter,
// one group named "Files" for a filter without ":".
std::vector<FileFilterChoice> ConvertFileFilter(const std::string& filter);

// The extension a save dialog adds to a name typed without one: the first of
// the first group, or "" when that is a wildcard.
std::string DefaultExtension(const std::vector<FileFilterChoice>& choices);

}  // namespace platform
