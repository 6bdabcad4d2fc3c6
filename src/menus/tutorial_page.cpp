#include "menus/tutorial_page.h"

#include "services/resources.h"

using namespace platform;

std::array<TImage, 10> tutorialImages;

void TutorialPage::LoadTutorialTexts() {
  AutoMidHandle(false);
  for (int i = 0; i < static_cast<int>(tutorialImages.size()); ++i) {
    tutorialImages[i] = LoadAnimImage("media\\tutorialtext" + Resources::TwoDigits(i) + ".png", 640, 448, 0, 1, -1);
  }
  AutoMidHandle(true);
}

std::shared_ptr<TutorialPage> TutorialPage::Create(int index) {
  auto page = std::make_shared<TutorialPage>();
  // The page's picture is not a strip of its own: the hint picture takes the
  // strip's place, so the strip's name is one that never exists.
  page->Init(64, 64, 1, -1, -1, 0, 0, 325, 402, 30, "blank.png", "thisIntentionallyFails.png", 1, "", 0, 0);
  page->buttonStrip = index >= 0 && index < static_cast<int>(tutorialImages.size()) ? tutorialImages[index] : TImage();
  page->Setup();
  return page;
}

void TutorialPage::Setup() {
  state = Hidden;
  fade = 0;
  playOpenSound = 0;
}

void TutorialPage::Activate(bool) { Close(); }
