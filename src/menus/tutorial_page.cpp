#include "menus/tutorial_page.h"

#include "platform/text.h"

std::array<platform::TImage, 10> tutorialImages;

void TutorialPage::LoadTutorialTexts() {
  platform::AutoMidHandle(false);
  for (int i = 0; i < static_cast<int>(tutorialImages.size()); ++i) {
    tutorialImages[i] = platform::LoadAnimImage("media\\tutorialtext0" + platform::Str(i) + ".png", 640, 448, 0, 1, -1);
  }
  platform::AutoMidHandle(true);
}

std::shared_ptr<TutorialPage> TutorialPage::Create(int index) {
  auto page = std::make_shared<TutorialPage>();
  page->x = 64;
  page->y = 64;
  page->screenId = 1;
  if (index >= 0 && index < static_cast<int>(tutorialImages.size())) page->buttonStrip = tutorialImages[index];
  page->state = 0;
  page->fade = 0;
  page->playOpenSound = 0;
  return page;
}
