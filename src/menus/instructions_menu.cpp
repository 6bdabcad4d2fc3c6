#include "menus/instructions_menu.h"

#include <string>

#include "game_version.h"
#include "platform/render/builtin_font.h"
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

void InstructionsMenu::Activate(bool) {
  if (selected == 0) Close();
}

void InstructionsMenu::Cancel() { Close(); }

// So that a player reporting a problem can say which game they have: small
// and plain in the bottom right-hand corner of the 800 x 600 screen, clear of
// the panel, and fading in and out with it.
void InstructionsMenu::DrawExtra() {
  const std::string text = "Version " MARROWICK_VERSION;
  const int width = kGlyphWidth * static_cast<int>(text.size());
  int red, green, blue;
  GetColor(red, green, blue);
  SetColor(214, 196, 160);
  DrawText(text, static_cast<float>(800 - 8 - width), static_cast<float>(600 - 6 - kGlyphHeight));
  SetColor(red, green, blue);
}
