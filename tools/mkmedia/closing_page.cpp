#include "closing_page.h"

#include <string>

#include "ui_kit.h"

namespace mkmedia {

namespace {

constexpr int kWidth = 640, kHeight = 448;
// The game writes the counts right-aligned at x 470 on these baselines, with
// figures whose baseline lies 30 pixels down a 20 x 40 cell.
constexpr float kSolvedBaseline = 262, kSkippedBaseline = 304;
constexpr int kFigureWidth = 20, kFigureHeight = 40;
constexpr float kFigureBaseline = 30;

TextLook Ink(uint32_t hex) {
  TextLook look;
  look.fill = Solid(Hex(hex));
  return look;
}

}  // namespace

Image ClosingPageText() {
  Image text(kWidth, kHeight);
  const TextLook ink = Ink(0x3a2410);
  PaintText(text, TextStyle{Face::SerifBold, 34, 0.4f}, kWidth / 2.0f, 78, "The end of the journey", ink,
            Align::Centre);
  Flourish(text, kWidth / 2.0f, 94, 90, Hex(0x8a6a3a));

  const TextStyle body{Face::Serif, 21, 0};
  float y = 136;
  for (const std::string& line :
       WrapText(body, "You have rolled the ball through every level of Marrowick, and the road on the map is "
                      "travelled to its end.",
                kWidth - 96.0f)) {
    PaintText(text, body, 48, y, line, ink);
    y += 27;
  }

  const TextStyle label{Face::SerifItalic, 24, 0};
  PaintText(text, label, 170, kSolvedBaseline, "Levels solved", ink);
  PaintText(text, label, 170, kSkippedBaseline, "Levels skipped", ink);
  Flourish(text, kWidth / 2.0f, kSkippedBaseline + 24, 150, Hex(0x8a6a3a));

  y = kSkippedBaseline + 56;
  for (const std::string& line :
       WrapText(body, "Play takes you back to the last level, or to the first level you skipped, to try it again.",
                kWidth - 96.0f)) {
    PaintText(text, body, 48, y, line, ink);
    y += 27;
  }

  PaintText(text, TextStyle{Face::SerifItalic, 18, 0}, kWidth / 2.0f, kHeight - 30.0f,
            "Press any key or click to continue", Ink(0x6a4a24), Align::Centre);
  return text;
}

Image PageFigures() {
  Image figures(kFigureWidth * 10, kFigureHeight);
  const TextStyle style{Face::SerifBold, 30, 0};
  for (int digit = 0; digit < 10; ++digit) {
    PaintText(figures, style, kFigureWidth * digit + kFigureWidth / 2.0f, kFigureBaseline, std::to_string(digit),
              Ink(0x3a2410), Align::Centre);
  }
  return figures;
}

}  // namespace mkmedia
