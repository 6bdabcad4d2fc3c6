#pragma once
// The player's two volumes and display mode, kept in "options.dat" (12 bytes:
// effects volume and music volume as little-endian floats, then the display
// mode as an int, 1 = full screen). Read once at start-up into the saved values
// below, written once at the normal end of the game.

extern float savedEffectsVolume;
extern float savedMusicVolume;
extern int savedFullscreen;

class OptionsFile {
 public:
  // A value whose bytes are missing from a short file keeps what it held, so
  // a short file is not the same as no file.
  static void LoadOptions();
  // The current settings: the sound manager's volumes and the display mode.
  static void SaveOptions(float effectsVolume, float musicVolume, int fullscreen);
  static void SetDefaultOptions();
};
