#pragma once
// The token column's two medallions and the editor's digit strip.

#include "image.h"

namespace mkmedia {

// Two 40 x 40 cells: the token of a solved level, then of a skipped one.
Image TokensPicture();
// Ten 40 x 74 cells with the digits 0 to 9.
Image DigitsPicture();

}  // namespace mkmedia
