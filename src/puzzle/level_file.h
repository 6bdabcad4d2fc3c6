#pragma once
// Where level files live and how they are laid out. Every field is a 32-bit
// little-endian integer: the layout version (2), the art style, a reserved -1,
// the 280 tile codes with x outer and y inner, then the shift x and y. Files of
// the older layout have only the version before the tiles.

#include <string>

namespace levelfile {

constexpr int CurrentVersion = 2;
constexpr int Size = 1140;  // bytes, current layout

// Relative to the working folder, where levels are loaded from.
std::string LoadPath(int number);
// The program's own folder, where levels and their backups are saved.
std::string ProgramFolder();
std::string SavePath(int number);
std::string BackupPath(int number);

}  // namespace levelfile
