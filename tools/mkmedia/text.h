#pragma once
// Anti-aliased text from the OFL fonts Debian ships (EB Garamond for titles
// and reading text, Cabin for labels), rendered by FreeType into masks.

#include <string>
#include <string_view>
#include <vector>

#include "image.h"

namespace mkmedia {

enum class Face { Serif, SerifBold, SerifItalic, Sans, SansMedium, SansBold, SansItalic };

struct TextStyle {
  Face face = Face::Serif;
  float size = 20;      // pixels per em
  float tracking = 0;   // extra pixels between letters
};

float TextWidth(const TextStyle& style, std::string_view utf8);
float Ascent(const TextStyle& style);   // above the baseline, positive
float Descent(const TextStyle& style);  // below the baseline, positive
// Height of capital letters above the baseline, for centring labels by eye.
float CapHeight(const TextStyle& style);

// Adds the text's coverage into the mask; (x, baseline) is where the pen starts.
void DrawText(Mask& mask, const TextStyle& style, float x, float baseline, std::string_view utf8);

// Breaks a paragraph into lines no wider than maxWidth (at spaces).
std::vector<std::string> WrapText(const TextStyle& style, std::string_view utf8, float maxWidth);

}  // namespace mkmedia
