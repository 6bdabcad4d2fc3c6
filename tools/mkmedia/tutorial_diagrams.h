#pragma once
// Small ink diagrams for the tutorial pages, with the real ball, keys and tokens.

#include "image.h"

namespace mkmedia {

// Draws diagram `page` (0-9) into the box whose top-left corner is (x, y),
// 200 x 240 pixels. Pages without a picture draw nothing.
void TutorialDiagram(Image& image, int page, float x, float y);
bool HasTutorialDiagram(int page);

}  // namespace mkmedia
