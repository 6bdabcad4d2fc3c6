#include "platform/render/draw_state.h"

#include <cmath>

namespace platform {

void DrawState::UpdateMatrix() {
  const double radians = rotation * 3.14159265358979323846 / 180.0;
  const float c = static_cast<float>(std::cos(radians));
  const float s = static_cast<float>(std::sin(radians));
  ix = c * scaleX;
  iy = -s * scaleY;
  jx = s * scaleX;
  jy = c * scaleY;
}

uint32_t DrawState::ModulationColour() const {
  const auto a = static_cast<uint32_t>(std::lround(alpha * 255.0f));
  return static_cast<uint32_t>(red & 255) | static_cast<uint32_t>(green & 255) << 8 |
         static_cast<uint32_t>(blue & 255) << 16 | a << 24;
}

DrawState& CurrentDrawState() {
  static DrawState state;
  return state;
}

void ResetDrawState(int width, int height) {
  DrawState& state = CurrentDrawState();
  state = DrawState{};
  state.viewWidth = width;
  state.viewHeight = height;
  state.UpdateMatrix();
}

}  // namespace platform
