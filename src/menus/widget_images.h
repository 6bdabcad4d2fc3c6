#pragma once
// The pictures every yes/no box and slider share, loaded by the first widget of
// each kind and kept for the whole run.

#include "platform/render/graphics.h"

extern platform::TImage yesNoImage;       // cell 0 off, cell 1 on, 30 x 30
extern platform::TImage sliderBackImage;  // the track
extern platform::TImage sliderKnobImage;

void LoadYesNoImage();
void LoadSliderImages();
