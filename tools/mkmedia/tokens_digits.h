#pragma once
// The token column's two medallions, the editor's digit strip and the move counter's figures.

#include "image.h"

namespace mkmedia {

// Two 40 x 40 cells: the token of a solved level, then of a skipped one.
Image TokensPicture();
// Ten 40 x 74 cells with the digits 0 to 9.
Image DigitsPicture();
// counter.png: the move counter's figures, twelve 12 x 18 cells: 0 to 9, a
// dash for a par that is not known, and a slash between a best and a par. The baseline is 3 pixels above a
// cell's bottom.
Image CounterFiguresPicture();

}  // namespace mkmedia
