#pragma once
// The one global drawing state that every drawing operation reads.

#include <cstdint>

namespace platform {

struct DrawState {
  int red = 255, green = 255, blue = 255;
  float alpha = 1.0f;
  int blend = 1;
  float rotation = 0.0f;
  float scaleX = 1.0f, scaleY = 1.0f;
  float originX = 0.0f, originY = 0.0f;
  int viewX = 0, viewY = 0, viewWidth = 0, viewHeight = 0;
  int clsRed = 0, clsGreen = 0, clsBlue = 0;
  int maskRed = 0, maskGreen = 0, maskBlue = 0;
  bool autoMidHandle = false;
  int defaultImageFlags = 3;

  // The rotation/scale matrix: a shape point (px, py) lands at
  // (px*ix + py*iy, px*jx + py*jy) before the position and origin are added.
  float ix = 1.0f, iy = 0.0f, jx = 0.0f, jy = 1.0f;
  void UpdateMatrix();
  // The colour and alpha that modulate every draw, packed R, G, B, A in memory order.
  uint32_t ModulationColour() const;
};

DrawState& CurrentDrawState();
// The defaults every opening of the display starts from.
void ResetDrawState(int width, int height);

}  // namespace platform
