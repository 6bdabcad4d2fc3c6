#include "menus/instructions_menu.h"

#include <string>

#include "game_version.h"
#include "menus/hint_pages_menu.h"
#include "menus/screens.h"
#include "platform/render/builtin_font.h"
#include "platform/host/input.h"
#include "platform/render/graphics.h"

using namespace platform;

std::shared_ptr<InstructionsMenu> InstructionsMenu::Create(MenuHost& host) {
  auto menu = std::make_shared<InstructionsMenu>(host);
  menu->Init(430, 145, 1, -1, -1, 165, 205, 325, 402, 30, "submenu1.png", "menuInstructions.png", 1, "", 0, 0);
  menu->Setup();
  return menu;
}

void InstructionsMenu::Setup() {
  state = Hidden;
  fade = 0;
}

namespace {

// The band of the text's line that offers the hint pages, from the panel's
// top (the text stands 4 pixels down in the 402-pixel button).
constexpr int HintPagesLineTop = 344;
constexpr int HintPagesLineBottom = 368;

}  // namespace

void InstructionsMenu::HandleInput() {
  if (host.GetActiveScreen() == screenId && KeyHit(39) != 0) {
    OpenHintPages();
    return;
  }
  MenuScreen::HandleInput();
}

void InstructionsMenu::Activate(bool byMouse) {
  const int pointerY = MouseY() - y;
  if (byMouse && pointerY >= HintPagesLineTop && pointerY < HintPagesLineBottom) {
    OpenHintPages();
  } else if (selected == 0) {
    Close();
  }
}

// This panel goes first: going, it gives up the keyboard the pages take.
void InstructionsMenu::OpenHintPages() {
  HintPagesMenu& pages = *host.Screens().hintPagesMenu;
  if (pages.SeenPages().empty()) return;
  Hide();
  pages.ShowSeenPages();
}

void InstructionsMenu::Cancel() { Close(); }

// So that a player reporting a problem can say which game they have: small
// and plain in the bottom right-hand corner of the 800 x 600 screen, clear of
// the panel, and fading in and out with it.
void InstructionsMenu::DrawExtra() {
  const std::string text = "Version " MARROWICK_VERSION;
  const int width = kGlyphWidth * static_cast<int>(text.size());
  DrawTextIn(text, static_cast<float>(800 - 8 - width), static_cast<float>(600 - 6 - kGlyphHeight), 214, 196, 160);
}
