#include "menus/hint_pages_menu.h"

#include <string>

#include "menus/instructions_menu.h"
#include "menus/screens.h"
#include "menus/tutorial_page.h"
#include "platform/host/input.h"
#include "platform/render/builtin_font.h"
#include "platform/render/graphics.h"
#include "services/progress.h"

using namespace platform;

std::shared_ptr<HintPagesMenu> HintPagesMenu::Create(MenuHost& host) {
  auto menu = std::make_shared<HintPagesMenu>(host);
  // As a hint page over a level: the sheet, with the page's picture taking
  // the strip's place (read when it is turned to).
  menu->Init(64, 64, 1, -1, -1, 0, 0, 325, 402, 30, "blank.png", "thisIntentionallyFails.png", 12, "", 0, 0);
  menu->Setup();
  return menu;
}

void HintPagesMenu::Setup() {
  state = Hidden;
  fade = 0;
}

std::vector<int> HintPagesMenu::SeenPages() const {
  std::vector<int> seen;
  const Progress& progress = host.PlayerProgress();
  for (int page = 0; page < static_cast<int>(progress.tutorialSeen.size()); ++page) {
    if (progress.tutorialSeen[page] == 1) seen.push_back(page);
  }
  return seen;
}

bool HintPagesMenu::ShowSeenPages() {
  pages = SeenPages();
  if (pages.empty()) return false;
  shown = 0;
  Show();
  // After Show, which reads the sheet (and no strip) again.
  buttonStrip = TutorialPage::LoadText(pages[shown]);
  return true;
}

void HintPagesMenu::Turn(int way) {
  const size_t next = shown + static_cast<size_t>(way > 0 ? 1 : pages.size() - 1);
  shown = next % pages.size();
  buttonStrip = TutorialPage::LoadText(pages[shown]);
}

void HintPagesMenu::HandleInput() {
  if (host.GetActiveScreen() != screenId || pages.empty()) return;
  // A turn uses the step: the arrow is still down in it, and would close the page.
  if (KeyHit(39) != 0) {
    Turn(1);
  } else if (KeyHit(37) != 0) {
    Turn(-1);
  } else {
    PopupScreen::HandleInput();
  }
}

void HintPagesMenu::Close() {
  const bool open = state == FadingIn || state == Shown;
  PopupScreen::Close();
  if (open) host.Screens().instructionsMenu->Show();
}

void HintPagesMenu::DrawExtra() {
  if (pages.empty()) return;
  const std::string footer =
      "Page " + std::to_string(shown + 1) + " of " + std::to_string(pages.size()) + ":  Left and Right turn the pages";
  const float width = static_cast<float>(kGlyphWidth * static_cast<int>(footer.size()));
  // In the sheet's blank top margin, clear of the page's title and last line.
  DrawTextIn(footer, static_cast<float>(x) + (640 - width) / 2, static_cast<float>(y + 22), 106, 74, 36);
}
