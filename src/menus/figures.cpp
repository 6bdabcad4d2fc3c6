#include "menus/figures.h"

#include "platform/render/graphics.h"
#include "services/resources.h"

namespace {

// The figures are cut 12 pixels wide but set closer, as type is.
constexpr float Pitch = 10;
constexpr float CellHeight = 18;
constexpr float BaselineFromTop = 15;

int FrameOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c == '-') return 10;
  if (c == '/') return 11;
  return -1;
}

}  // namespace

void DrawFigures(const std::string& text, float x, float baseline, FigureAlign align) {
  const float width = Pitch * static_cast<float>(text.size());
  float left = align == FigureAlign::Left ? x : align == FigureAlign::Centre ? x - width / 2 : x - width;
  // The figures are drawn about their cells' centres.
  const float centreY = baseline - BaselineFromTop + CellHeight / 2;
  for (const char c : text) {
    const int frame = FrameOf(c);
    if (frame >= 0) platform::DrawImage(counterFigures, left + Pitch / 2, centreY, frame);
    left += Pitch;
  }
}
