#include "menus/menu_screen.h"

#include <cstdlib>

#include "menus/menu_host.h"
#include "platform/host/clock.h"
#include "platform/host/diagnostics.h"
#include "platform/host/input.h"
#include "platform/host/text.h"
#include "services/sound_manager.h"

using namespace platform;

int64_t lastActivationTime = 0;

namespace {

constexpr double KeyRepeatMs = 250;
constexpr double ActivationGuardMs = 600;

int64_t Now() { return static_cast<int64_t>(Millisecs()); }

double Since(int64_t then) { return static_cast<double>(Now() - then); }

}  // namespace

void MenuScreen::Setup() {}

void MenuScreen::Init(int x_, int y_, int buttonCount_, int leftTarget_, int rightTarget_, int buttonX_,
                      int firstButtonY_, int buttonWidth_, int buttonHeight_, int buttonGap_,
                      const std::string& backgroundName, const std::string& stripName, int screenId_,
                      const std::string& foreName, int foreX_, int foreY_) {
  x = x_;
  y = y_;
  buttonCount = buttonCount_ > 0 ? buttonCount_ : 0;
  leftTarget = leftTarget_;
  rightTarget = rightTarget_;
  buttonX = buttonX_;
  firstButtonY = firstButtonY_;
  buttonWidth = buttonWidth_;
  buttonHeight = buttonHeight_;
  buttonGap = buttonGap_;
  screenId = screenId_;

  buttons.clear();
  for (int i = 0; i < buttonCount; ++i) {
    auto button = std::make_shared<menuButtonType>();
    button->x = buttonX;
    button->y = firstButtonY + i * (buttonHeight + buttonGap);
    button->width = buttonWidth;
    button->height = buttonHeight;
    buttons.push_back(std::move(button));
  }
  state = FadingIn;

  backgroundName_ = backgroundName;
  stripName_ = stripName;
  foreName_ = foreName;
  picturesReleased_ = false;
  LoadPictures();

  foreX = foreX_;
  foreY = foreY_;
  TrackMouse();
  Select(0);
}

void MenuScreen::LoadPictures() {
  // Mid-handling is on here, so every strip cell is drawn centred on its button.
  buttonStrip = LoadAnimImage("media\\" + stripName_, buttonWidth, buttonHeight, 0, 2 * buttonCount, -1);
  AutoMidHandle(false);
  background = LoadImage("media\\" + backgroundName_, 0);
  if (!foreName_.empty()) {
    foreImage = LoadImage("media\\" + foreName_, -1);
    DebugLog("Menu loaded fore image");
  }
  AutoMidHandle(true);
}

void MenuScreen::ReleasePictures() {
  if (picturesReleased_) return;
  background = foreImage = buttonStrip = platform::TImage();
  picturesReleased_ = true;
}

void MenuScreen::RestorePictures() {
  if (!picturesReleased_) return;
  LoadPictures();
  picturesReleased_ = false;
}

void MenuScreen::Show() {
  RestorePictures();
  // A key or button held from before the screen appeared acts on nothing of it.
  FlushKeys();
  FlushMouse();
  if (state == Hidden || state == FadingOut) {
    lastActivationTime = Now();
    state = FadingIn;  // the fade goes on from where it stands
    if (playOpenSound == 1) host.Sounds().PlayPageTurn();
  }
  host.SetActiveScreen(screenId);
  inputBlocked = 0;
}

void MenuScreen::Close() {
  if (state != FadingIn && state != Shown) return;
  state = FadingOut;
  host.SetActiveScreen(0);
}

void MenuScreen::Hide() {
  state = Hidden;
  fade = 0;
  host.SetActiveScreen(0);
}

void MenuScreen::Update(bool inputSuppressed) {
  if (state == FadingIn) {
    fade += 1;
    if (fade >= FullFade) state = Shown;
  } else if (state == FadingOut) {
    fade -= 1;
    if (fade <= 0) state = Hidden;
  }
  if ((state == Shown || state == FadingIn) && inputBlocked == 0) {
    if (!InterceptInput() && !inputSuppressed) HandleInput();
  }
}

void MenuScreen::HandleInput() {
  // With nothing highlighted (the pointer left the buttons) the first arrow,
  // Enter or Space highlights the first item and does nothing more: the press
  // is used up, and so is a button held over no item.
  if (noSelection == 1 && host.GetActiveScreen() == screenId &&
      (KeyHit(40) || KeyHit(38) || KeyHit(37) || KeyHit(39) || KeyDown(13) || KeyDown(32))) {
    Select(0);
    FlushKeys();
    FlushMouse();
  }
  if (host.GetActiveScreen() == screenId) {
    if (KeyHit(27)) Cancel();
    // A press moves at once; Down is looked at before Up.
    if (KeyHit(40)) {
      Select(selected + 1);
      NoteMove();
    } else if (KeyHit(38)) {
      Select(selected - 1);
      NoteMove();
    } else if (KeyHit(37) && leftTarget >= 0) {
      Select(leftTarget);
      DebugLog("Left to " + Str(leftTarget));
    } else if (KeyHit(39) && rightTarget >= 0) {
      Select(rightTarget);
      DebugLog("Right to " + Str(rightTarget));
    }
    // A held key repeats; here Up is looked at before Down.
    if (RepeatDue()) {
      if (KeyDown(38)) {
        Select(selected - 1);
        NoteMove();
      } else if (KeyDown(40)) {
        Select(selected + 1);
        NoteMove();
      }
    }
    if ((KeyDown(13) || KeyDown(32)) && noSelection == 0 && Since(lastActivationTime) > ActivationGuardMs) {
      lastActivationTime = Now();
      Activate(false);
    }
  }
  TrackMouse();
  if (MouseDown(1) && noSelection == 0 && Since(lastActivationTime) > ActivationGuardMs) {
    lastActivationTime = Now();
    Activate(true);
  }
}

void MenuScreen::NoteMove() { lastNavTime = Now(); }

bool MenuScreen::RepeatDue() const { return Since(lastNavTime) > KeyRepeatMs; }

bool MenuScreen::InterceptInput() { return false; }

void MenuScreen::Cancel() {}

void MenuScreen::Activate(bool) {}

void MenuScreen::TrackMouse() {
  const int mx = MouseX(), my = MouseY();
  // Right after the display reopened the pointer jumps by itself (centred in
  // full screen, found again in the window): the highlight stays put.
  if (PointerSettling()) {
    lastMouseX = mx;
    lastMouseY = my;
    return;
  }
  if (std::abs(mx - lastMouseX) > 1 || std::abs(my - lastMouseY) > 1) {
    Select(ButtonAt(mx, my));
    lastMouseX = mx;
    lastMouseY = my;
  }
}

void MenuScreen::Select(int index) {
  if (index == NoButton) {
    noSelection = 1;
    return;
  }
  if (index < 0) index = buttonCount - 1;
  if (index >= buttonCount) index = 0;
  selected = index;
  noSelection = 0;
}

int MenuScreen::ButtonAt(int mouseX, int mouseY) {
  const int rx = mouseX - x, ry = mouseY - y;
  for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
    const menuButtonType* b = buttons[i].get();
    if (!b) continue;
    if (b->x - b->width / 2 <= rx && rx < b->x + b->width / 2 && b->y - b->height / 2 <= ry &&
        ry < b->y + b->height / 2) {
      return i;
    }
  }
  return NoButton;
}

// A screen faded to nothing (a hidden one) is drawn at alpha 0, which changes
// no pixel: it is left out rather than filling the screen for nothing and
// making textures of pictures never seen.
void MenuScreen::Draw(bool) {
  SetBlend(AlphaBlend);
  if (fade > 0) {
    SetAlpha(Alpha());
    DrawImage(background, static_cast<float>(x), static_cast<float>(y), 0);
    if (foreImage) DrawImage(foreImage, static_cast<float>(x + foreX), static_cast<float>(y + foreY), 0);
    DrawExtra();
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
      if (!buttons[i]) continue;
      if (buttons[i]->kind == 1) buttons[i]->Draw(x, y);
      DrawButton(i, i == selected && noSelection == 0 ? 2 * i + 1 : 2 * i);
    }
  }
  SetAlpha(1);
}

void MenuScreen::DrawExtra() {}

void MenuScreen::DrawButton(int index, int cell) {
  const menuButtonType& b = *buttons[index];
  DrawImage(buttonStrip, static_cast<float>(x + b.x), static_cast<float>(y + b.y), cell);
}
