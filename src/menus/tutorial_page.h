#pragma once
// The hint page that opens over a level the first time it is entered; holds so
// far its picture and making it.

#include <array>
#include <memory>

#include "menus/menu_screen.h"

// The ten hint pictures, loaded once at start-up.
extern std::array<platform::TImage, 10> tutorialImages;

class TutorialPage : public MenuScreen {
 public:
  static void LoadTutorialTexts();
  // A hidden page showing hint picture `index` (0-9); it opens without a sound.
  static std::shared_ptr<TutorialPage> Create(int index);
};
