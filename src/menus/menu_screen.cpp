#include "menus/menu_screen.h"

#include "app/game_controller.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "services/sound_manager.h"

int64_t lastActivationTime = 0;

namespace {

constexpr int Hidden = 0;
constexpr int Shown = 1;
constexpr int FadingIn = 2;
constexpr int FadingOut = 3;

}  // namespace

void MenuScreen::Show() {
  platform::FlushKeys();
  if (state == Hidden || state == FadingOut) {
    lastActivationTime = platform::Millisecs();
    state = FadingIn;  // the fade goes on from where it stands
    if (playOpenSound == 1) soundManager->PlayPageTurn();
  }
  gameController->SetActiveScreen(screenId);
  inputBlocked = 0;
}

void MenuScreen::Close() {
  if (state != FadingIn && state != Shown) return;
  state = FadingOut;
  gameController->SetActiveScreen(0);
}

void MenuScreen::Hide() {
  state = Hidden;
  fade = 0;
  gameController->SetActiveScreen(0);
}
