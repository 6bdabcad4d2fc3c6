#include "services/resources.h"

#include "platform/host/clock.h"
#include "platform/host/input.h"
#include "services/options_file.h"
#include "services/sound_manager.h"

using namespace platform;

int fullscreen = 0;
int displayOpen = 0;
int backgroundIndex = 0;
TImage currentBackground;
TImage currentTileSet;
int tileBordersOn = 0;
int backgroundScrolls = 0;
std::array<int, 19> backgroundScrollTable = {1};
std::array<TImage, 17> backgrounds;
std::array<TImage, 17> tileSets;
TImage ballImage;
TImage tileBorderImage;
TImage keyTileImage;
TImage boardMarksImage;
TImage borderImage;
TImage digitsImage;
TImage counterFigures;
TImage parStarImage;
int mediaLoaded = 0;

void Resources::InitWindow() {
  SetFullscreen(savedFullscreen);
  SetWindowIcon("chest.ico");
  EnableMinimizeBox();
}

void Resources::SetFullscreen(int mode) {
  if (mode != fullscreen || displayOpen == 0) {
    fullscreen = mode;
    OpenDisplay();
  }
}

void Resources::ToggleFullscreen() {
  fullscreen = fullscreen == 1 ? 0 : 1;
  OpenDisplay();
}

void Resources::OpenDisplay() {
  if (displayOpen == 1) CloseGraphics();
  displayOpen = 1;
  SelectGraphicsDriver(0, 2);
  OpenGraphics(800, 600, fullscreen == 1 ? 32 : 0, 60, 0);
  AutoMidHandle(true);
  SelectBackground(backgroundIndex);
}

void Resources::CloseDisplay() {
  if (displayOpen == 1) CloseGraphics();
  displayOpen = 0;
}

// A player meets the styles a few at a time: once the media are loaded, a
// style's pictures are read when it is first selected.
void Resources::SelectBackground(int index) {
  if (index < 0 || index >= static_cast<int>(backgrounds.size())) return;
  if (currentBackground && index == backgroundIndex) return;
  if (mediaLoaded == 1) LoadArtStyle(index);
  backgroundIndex = index;
  tileBordersOn = index >= 2 ? 1 : 0;
  currentBackground = backgrounds[index];
  backgroundScrolls = backgroundScrollTable[index];
  currentTileSet = tileSets[index];
}

std::string Resources::TwoDigits(int index) {
  std::string digits = std::to_string(index);
  if (index < 10) digits.insert(0, 1, '0');
  return digits;
}

void Resources::LoadMedia() {
  if (mediaLoaded == 1) return;
  mediaLoaded = 1;
  ballImage = LoadAnimImage("media\\ball.png", 32, 32, 0, 1, -1);
  tileBorderImage = LoadImage("media\\tiles\\tile_border.png", -1);
  keyTileImage = LoadAnimImage("media\\tiles\\tile_key.png", 32, 32, 0, 3, -1);
  boardMarksImage = LoadAnimImage("media\\tiles\\tile_marks.png", 32, 32, 0, 7, -1);
  AutoMidHandle(false);
  borderImage = LoadImage("media\\borderred.png", -1);
  AutoMidHandle(true);
  digitsImage = LoadAnimImage("media\\countdown.png", 40, 74, 0, 10, -1);
  counterFigures = LoadAnimImage("media\\counter.png", 12, 18, 0, 12, -1);
  parStarImage = LoadImage("media\\parStar.png", -1);
}

void Resources::LoadArtStyle(int index) {
  const std::string nn = TwoDigits(index);
  AutoMidHandle(false);
  if (!backgrounds[index]) {
    backgrounds[index] = LoadImage("media\\back\\back" + nn + ".png", -1);
    if (!backgrounds[index]) backgrounds[index] = LoadImage("media\\back\\back" + nn + ".jpg", -1);
  }
  AutoMidHandle(true);
  if (!tileSets[index]) {
    tileSets[index] = LoadAnimImage("media\\tiles\\tiles" + nn + ".png", 32, 32, 0, 6, -1);
    if (!tileSets[index]) tileSets[index] = LoadAnimImage("media\\tiles\\tiles" + nn + ".jpg", 32, 32, 0, 6, -1);
  }
}

void Resources::WaitWhileInBackground(int inLevel, SoundManager* sounds) {
  if (AppSuspended() == 0) return;
  if (sounds) {
    sounds->StopMusic();
    if (inLevel == 1) sounds->StopBallSound();
  }
  // A close request (the window's, or the system's at logout) ends the wait:
  // the loop that called this quits at the end of its pass.
  while (AppSuspended() == 1 && AppTerminatePending() == 0) Delay(5);
  if (AppTerminatePending() == 1) return;
  if (sounds) {
    sounds->StartMusic();
    if (inLevel == 1) sounds->StartBallSound();
  }
}

bool Resources::SaveScreenshot(const std::string& path) {
  const TImage image = CreateImage(GraphicsWidth(), GraphicsHeight(), 1, -1);
  GrabImage(image, 0, 0, 0);
  const TPixmap pixmap = LockImage(image, 0, true, true);
  return SavePixmapPNG(pixmap, path, 5);
}
