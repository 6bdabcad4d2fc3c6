#pragma once
// The hint pages shown over the board: a blank page and ten text pictures.

#include "image.h"

namespace mkmedia {

constexpr int kTutorialPages = 10;

Image BlankPage();             // blank.png, 640 x 448
Image TutorialText(int page);  // tutorialtext00.png ... 09, 640 x 448, transparent

}  // namespace mkmedia
