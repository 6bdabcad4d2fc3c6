#include "menus/slider.h"

#include "menus/widget_images.h"
#include "platform/host/diagnostics.h"
#include "platform/host/input.h"
#include "platform/host/text.h"

using namespace platform;

namespace {

constexpr int KnobHalfWidth = 10;
constexpr int ClickReach = 40;  // pixels left of the track that still count as the slider's

}  // namespace

std::shared_ptr<Slider> Slider::Create(int x, int y, int width, int height, int offsetX, int offsetY, int trackLength,
                                       int grabHeight) {
  LoadSliderImages();
  auto slider = std::make_shared<Slider>();
  slider->x = x;
  slider->y = y;
  slider->width = width;
  slider->height = height;
  slider->kind = 1;
  slider->offsetX = offsetX;
  slider->offsetY = offsetY;
  slider->trackLength = trackLength;
  slider->grabHeight = grabHeight;
  return slider;
}

void Slider::Draw(int screenX, int screenY) {
  const int left = TrackLeft(screenX), top = TrackTop(screenY);
  DrawImage(sliderBackImage, static_cast<float>(left), static_cast<float>(top), 0);
  DrawImage(sliderKnobImage, static_cast<float>(left - KnobHalfWidth + value * trackLength / 100),
            static_cast<float>(top), 0);
}

int Slider::HandleMouse(int screenX, int screenY) {
  const int left = TrackLeft(screenX), top = TrackTop(screenY);
  const int mx = MouseX(), my = MouseY();
  if (left < mx && mx < left + trackLength && top - grabHeight < my && my < top + 2 * grabHeight) {
    value = (mx - left) * 100 / trackLength;
    return 1;
  }
  return mx > left - ClickReach ? 1 : 0;
}

double Slider::GetValue() { return value; }

void Slider::SetValue(double v) {
  DebugLog("Slider value set to " + Str(v));
  value = static_cast<int>(v);
}
