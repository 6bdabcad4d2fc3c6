#pragma once
// The player's two volumes and display mode, kept in "options.dat" (12 bytes:
// effects volume and music volume as little-endian floats, then the display
// mode as an int, 1 = full screen). Read once at start-up into the saved values
// below, written once at the normal end of the game.

namespace platform {
class StreamObject;
}

extern float savedEffectsVolume;
extern float savedMusicVolume;
extern int savedFullscreen;

class OptionsFile {
 public:
  static constexpr const char* FileName = "options.dat";
  struct StoredOptions {
    float effectsVolume;
    float musicVolume;
    int fullscreen;
  };

  // A value whose bytes are missing from a short file keeps what it held, so
  // a short file is not the same as no file.
  static void LoadOptions();
  // The current settings: the sound manager's volumes and the display mode.
  static void SaveOptions(float effectsVolume, float musicVolume, int fullscreen);
  static void SetDefaultOptions();
  static StoredOptions Defaults();
  // The file's bytes, as LoadOptions reads them over `options` and as
  // SaveOptions writes them.
  static void ReadFrom(platform::StreamObject& stream, StoredOptions& options);
  static bool WriteTo(platform::StreamObject& stream, const StoredOptions& options);
};
