#pragma once
// The display (window or full screen), the images shared by the level screens,
// the current background and tile set, and screenshots.

#include <array>
#include <string>

#include "platform/render/graphics.h"

class SoundManager;

extern int fullscreen;
extern int displayOpen;
extern int backgroundIndex;
extern platform::TImage currentBackground;
extern platform::TImage currentTileSet;
extern int tileBordersOn;
extern int backgroundScrolls;
extern std::array<int, 19> backgroundScrollTable;
extern std::array<platform::TImage, 17> backgrounds;
extern std::array<platform::TImage, 17> tileSets;
extern platform::TImage ballImage;
extern platform::TImage tileBorderImage;
extern platform::TImage keyTileImage;
extern platform::TImage boardMarksImage;  // the gateways' and teleport pairs' shapes
extern platform::TImage borderImage;
extern platform::TImage digitsImage;
// The move counter's figures (0-9, a dash, a slash) and the star of a level solved at par.
extern platform::TImage counterFigures;
extern platform::TImage parStarImage;
extern int mediaLoaded;

class Resources {
 public:
  static void InitWindow();
  static void SetFullscreen(int mode);
  static void ToggleFullscreen();
  static void OpenDisplay();
  // Closes the display for good; the next SetFullscreen opens it anew.
  static void CloseDisplay();
  static void SelectBackground(int index);
  // The pictures every level shares; an art style's are read when it is selected.
  static void LoadMedia();
  // Style `index`'s background (PNG, else JPEG) and tile set, where not loaded yet.
  static void LoadArtStyle(int index);
  // While the game is in the background; the music and (inLevel 1) the ball's
  // sound pause meanwhile when there are sounds.
  static void WaitWhileInBackground(int inLevel, SoundManager* sounds);
  static bool SaveScreenshot(const std::string& path);
  static int DefaultParticleRed() { return 255; }
  static int DefaultParticleGreen() { return 100; }
  static int DefaultParticleBlue() { return 0; }
  // The two-digit file-name form of a background or tile-set index.
  static std::string TwoDigits(int index);
};
