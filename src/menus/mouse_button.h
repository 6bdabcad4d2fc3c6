#pragma once
// An image that fades in while the mouse is over its rectangle, and answers
// whether a point lies inside it: the glowing buttons of the bottom bar.

#include <memory>

#include "platform/render/graphics.h"

class MouseButton {
 public:
  // Inclusive screen rectangle.
  int left = 0, right = 0, top = 0, bottom = 0;
  // Top-left screen position of the image.
  int drawX = 0, drawY = 0;
  int fade = 0;  // 0-40
  platform::TImage image;
  int enabled = 1;

  static constexpr int kFullFade = 40;

  static std::shared_ptr<MouseButton> Create(int left, int right, int top, int bottom, int drawX, int drawY,
                                             const platform::TImage& image);
  void Update();
  // Leaves the alpha as it set it; the caller restores it.
  void Draw() const;
  void TrackMouse(int mx, int my);
  void Raise();
  bool Contains(int mx, int my) const;
};
