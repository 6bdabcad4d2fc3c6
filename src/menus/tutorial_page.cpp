#include "menus/tutorial_page.h"

#include "services/resources.h"

using namespace platform;

// A page is shown once per level at most, so its picture is read when the
// page opens rather than all ten at start-up, and goes with the page.
TImage TutorialPage::LoadText(int index) {
  if (index < 0 || index >= kTexts) return {};
  AutoMidHandle(false);
  TImage text = LoadAnimImage("media\\tutorialtext" + Resources::TwoDigits(index) + ".png", 640, 448, 0, 1, -1);
  AutoMidHandle(true);
  return text;
}

std::shared_ptr<TutorialPage> TutorialPage::Create(MenuHost& host, int index) {
  auto page = std::make_shared<TutorialPage>(host);
  // The page's picture is not a strip of its own: the hint picture takes the
  // strip's place, so the strip's name is one that never exists.
  page->Init(64, 64, 1, -1, -1, 0, 0, 325, 402, 30, "blank.png", "thisIntentionallyFails.png", 1, "", 0, 0);
  page->buttonStrip = LoadText(index);
  page->Setup();
  return page;
}

void TutorialPage::Setup() {
  state = Hidden;
  fade = 0;
  playOpenSound = 0;
}

void TutorialPage::Activate(bool) { Close(); }
