#include "menus/popup_screen.h"

#include "platform/host/input.h"

using namespace platform;

void PopupScreen::HandleInput() {
  const bool pressed = GetChar() != 0 || KeyDown(40) || KeyDown(38) || KeyDown(37) || KeyDown(39) ||
                       KeyDown(13) || KeyDown(32) || MouseDown(1);
  if (pressed && state != FadingIn) Close();
}

// As a menu screen, a page faded to nothing is left out.
void PopupScreen::Draw(bool) {
  SetBlend(AlphaBlend);
  if (fade > 0) {
    SetAlpha(Alpha());
    DrawImage(background, static_cast<float>(x), static_cast<float>(y), 0);
    DrawExtra();
    SetBlend(AlphaBlend);
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
      if (!buttons[i]) continue;
      if (buttons[i]->kind == 1) buttons[i]->Draw(x, y);
      DrawButton(i, i);
    }
  }
  SetAlpha(1);
}
