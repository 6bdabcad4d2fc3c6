// The ball turning with its spin, and the arrow of the way a click would send it.

#include "platform/render/graphics.h"
#include "puzzle/ball.h"
#include "puzzle/map.h"
#include "services/resources.h"

using namespace platform;

// The ball is painted over the floor, its dark rim parting it from light floors, where
// added light would melt into them; the arrow is added as light, and that
// blend is left set for the caller to reset.
void ballType::Draw(int originX, int originY) {
  const int bx = PixelX() + originX;
  const int by = PixelY() + originY;
  SetRotation(static_cast<float>(spin));
  SetBlend(AlphaBlend);
  DrawImage(ballImage, static_cast<float>(bx), static_cast<float>(by), 0);
  SetRotation(0);
  SetBlend(LightBlend);
  DrawArrow(bx, by);
}

void ballType::DrawArrow(int x, int y) {
  const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
  switch (hoverDirection) {
    case direction::Up: DrawImage(arrowUp, fx, fy, 0); break;
    case direction::Down: DrawImage(arrowDown, fx, fy, 0); break;
    case direction::Left: DrawImage(arrowLeft, fx, fy, 0); break;
    case direction::Right: DrawImage(arrowRight, fx, fy, 0); break;
    default: break;
  }
}
