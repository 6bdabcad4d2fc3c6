// "settings.dat" read at start-up. Whatever the file holds, the game must end
// up with a window size it can ask for (none, or both sides from 1 to 16384)
// and a saved file that reads back the same.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "services/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteFuzzFile("settings.dat", data, size);
  const PlayerSettings loaded = SettingsFile::Load();
  const bool noSize = loaded.windowWidth == 0 && loaded.windowHeight == 0;
  const bool usableSize = loaded.windowWidth >= 1 && loaded.windowWidth <= 16384 && loaded.windowHeight >= 1 &&
                          loaded.windowHeight <= 16384;
  if (!noSize && !usableSize) {
    FuzzFailure("window " + std::to_string(loaded.windowWidth) + " x " + std::to_string(loaded.windowHeight) +
                " after loading the settings");
  }
  SettingsFile::Save(loaded);
  if (!(SettingsFile::Load() == loaded)) FuzzFailure("the saved settings read back differently");
  return 0;
}
