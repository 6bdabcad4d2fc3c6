#pragma once
// The player's settings that "options.dat" has no room for, kept in
// "settings.dat" beside the save as lines of text, a name and its values:
//
//   reduce-flashing 1
//   window 1600 1200
//
// A line this version does not know, or whose values are out of range, is
// passed over and its setting keeps its default, so a file from a later
// version still reads. A setting is added as a field here and a row in the
// table of settings_file.cpp.

#include <string>

#include "services/controls.h"

namespace platform {
class StreamObject;
}

struct PlayerSettings {
  // Full-screen flashes become a brief dim.
  bool reduceFlashing = false;
  // The window's size the player last had, in pixels; 0 x 0 until one was kept.
  int windowWidth = 0;
  int windowHeight = 0;
  // Lines "key-undo 90 8" and "pad-undo 258", one of each for every action.
  Controls controls = Controls::Defaults();

  bool operator==(const PlayerSettings&) const = default;
};

class SettingsFile {
 public:
  static constexpr const char* FileName = "settings.dat";
  // The defaults when there is no file; an unreadable one is reported, and
  // saving leaves it alone.
  static PlayerSettings Load();
  // The settings in a file's bytes, read as Load reads them.
  static PlayerSettings ReadFrom(platform::StreamObject& stream);
  static void Save(const PlayerSettings& settings);

  // The file's text, and the settings read from one.
  static std::string Text(const PlayerSettings& settings);
  static PlayerSettings FromText(const std::string& text);
};
