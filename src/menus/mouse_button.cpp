#include "menus/mouse_button.h"

#include <algorithm>

using namespace platform;

std::shared_ptr<MouseButton> MouseButton::Create(int left, int right, int top, int bottom, int drawX, int drawY,
                                                 const TImage& image) {
  auto button = std::make_shared<MouseButton>();
  button->left = left;
  button->right = right;
  button->top = top;
  button->bottom = bottom;
  button->drawX = drawX;
  button->drawY = drawY;
  button->image = image;
  return button;
}

void MouseButton::Update() {
  if (fade > 0) fade -= 1;
}

void MouseButton::Draw() const {
  if (fade <= 0) return;
  SetAlpha(fade / static_cast<float>(kFullFade));
  DrawImage(image, static_cast<float>(drawX), static_cast<float>(drawY), 0);
}

void MouseButton::TrackMouse(int mx, int my) {
  if (Contains(mx, my)) Raise();
}

void MouseButton::Raise() { fade = std::min(fade + 3, kFullFade); }

bool MouseButton::Contains(int mx, int my) const {
  return enabled == 1 && left <= mx && mx <= right && top <= my && my <= bottom;
}
