#pragma once
// A save, options or identifier file that is there but cannot be read still
// holds the player's progress or settings (a permission gone wrong, a folder
// restored in its place). The game plays on with defaults in memory and never
// writes over it; the player is told which file, so they can put it right.

#include <string>

// True when the file exists but cannot be read; then says so on standard error.
bool ReportIfUnreadable(const std::string& fileName);
