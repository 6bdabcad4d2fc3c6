#include "menus/widget_images.h"

using namespace platform;

TImage yesNoImage;
TImage sliderBackImage;
TImage sliderKnobImage;

// Widgets place their pictures by the top-left corner.
void LoadYesNoImage() {
  if (yesNoImage) return;
  AutoMidHandle(false);
  yesNoImage = LoadAnimImage("media\\menuYesNo.png", 30, 30, 0, 2, -1);
  AutoMidHandle(true);
}

void LoadSliderImages() {
  if (sliderKnobImage) return;
  AutoMidHandle(false);
  sliderBackImage = LoadImage("media\\sliderBack.png", -1);
  sliderKnobImage = LoadImage("media\\sliderX.png", -1);
  AutoMidHandle(true);
}
