#include "menus.h"

#include <cmath>
#include <string>
#include <vector>

#include "filters.h"
#include "shapes.h"
#include "ui_kit.h"

namespace mkmedia {

namespace {

// Sizes fixed by the menu screens' layout.
constexpr int kMainW = 256, kMainH = 50;
constexpr int kPanelW = 330, kPanelH = 472;
constexpr int kPageW = 325, kPageH = 402;
constexpr int kOptionW = 154, kOptionH = 30;
constexpr int kOptionControlsW = 120;
constexpr int kResetW = 200, kResetH = 190;
constexpr int kAnswerW = 158, kAnswerH = 30;

const Rgba kInk = Hex(0x3a2410);
const Rgba kInkHighlight = Hex(0x8a1420);

// The biggest size up to `size` at which the text fits the width.
TextStyle Fitted(TextStyle style, std::string_view text, float width) {
  while (style.size > 8 && TextWidth(style, text) > width) style.size -= 0.5f;
  return style;
}

// One main-menu button cell: cream lettering, or gold lettering on a lit ribbon.
void MainButton(Image& strip, int cell, const std::string& label, bool highlighted) {
  const float top = static_cast<float>(cell * kMainH), cx = kMainW / 2.0f, cy = top + kMainH / 2.0f;
  const TextStyle style{Face::SerifBold, 31, 0.5f};
  const float baseline = cy + CapHeight(style) / 2;
  const float half = TextWidth(style, label) / 2;
  if (highlighted) {
    Image light(kMainW, kMainH, Rgba{0, 0, 0, 0});
    Fill(light, WholeImage(light), RoundBox(8, 7, kMainW - 8, kMainH - 7, 18), [&](float x, float y) {
      float fade = 1 - std::pow(std::fabs(x - cx) / (kMainW / 2.0f - 8), 3.0f);
      float v = 1 - std::fabs(y - kMainH / 2.0f) / (kMainH / 2.0f);
      return Rgba{0.16f, 0.05f, 0.02f, Clamp01(fade) * (0.55f + 0.2f * v)};
    });
    Fill(light, WholeImage(light), Stroke({{30, 8}, {kMainW - 30.0f, 8}}, 1.2f), Solid(Hex(0xe0b860, 0.7f)));
    Fill(light, WholeImage(light), Stroke({{30, kMainH - 8.0f}, {kMainW - 30.0f, kMainH - 8.0f}}, 1.2f),
         Solid(Hex(0xe0b860, 0.7f)));
    strip.Paste(light, 0, static_cast<int>(top));
    for (float side : {-1.0f, 1.0f}) {
      float x = cx + side * (half + 16);
      Fill(strip, Around(x, cy, 7), Polygon({{x, cy - 5}, {x + 5, cy}, {x, cy + 5}, {x - 5, cy}}), GoldPaint(cy - 5, cy + 5));
    }
  }
  TextLook look;
  look.fill = highlighted ? GoldPaint(baseline - 24, baseline + 2) : Solid(Hex(0xf6ead0));
  look.shadow = Rgba{0.05f, 0.02f, 0.0f, highlighted ? 0.9f : 0.8f};
  look.shadowBlur = 2.5f;
  if (highlighted) {
    look.glow = Hex(0xff9a30, 0.45f);
    look.glowRadius = 7;
  }
  PaintText(strip, style, cx, baseline, label, look, Align::Centre);
}

// A button-shaped cell for panel actions (Reset profile, Back, Yes, No); a
// button narrower than its cell stands in the cell's middle.
void PanelButton(Image& strip, int cell, int width, int height, const std::string& label, bool highlighted,
                 int cellWidth = 0) {
  const float top = static_cast<float>(cell * height);
  const float left = cellWidth > width ? (cellWidth - width) / 2.0f : 0;
  Bounds box{left + 3, top + 2, left + width - 3.0f, top + height - 2};
  Shape shape = RoundBox(box.x0, box.y0, box.x1, box.y1, 9);
  Fill(strip, box, Grow(shape, 1), Solid(Hex(0x6a4a24, 0.9f)));
  Fill(strip, box, shape,
       highlighted ? LinearGradient({0, box.y0}, Hex(0xf8d890), {0, box.y1}, Hex(0xd09a48))
                   : LinearGradient({0, box.y0}, Hex(0xf2e4c4), {0, box.y1}, Hex(0xd6c096)));
  const TextStyle style = Fitted(TextStyle{Face::SansBold, 16, 0.3f}, label, width - 20.0f);
  TextLook look;
  look.fill = Solid(highlighted ? kInkHighlight : kInk);
  look.shadow = highlighted ? Rgba{1, 0.95f, 0.8f, 0.6f} : Rgba{1, 1, 1, 0.4f};
  look.shadowBlur = 0.6f;
  look.shadowDx = 0;
  look.shadowDy = 1;
  PaintText(strip, style, left + width / 2.0f, top + height / 2.0f + CapHeight(style) / 2, label, look,
            Align::Centre);
}

// A setting's label, left-aligned. The options screen draws the setting's
// widget first and this cell over it, so nothing of the cell may reach
// `widgetFrom`, where the widget begins.
void SettingLabel(Image& strip, int cell, const std::string& label, float widgetFrom, bool highlighted) {
  const float top = static_cast<float>(cell * kOptionH), left = 5, pad = 4;
  const TextStyle style = Fitted(TextStyle{Face::SerifBold, 18, 0.2f}, label, widgetFrom - left - pad - 2);
  const float baseline = top + kOptionH / 2.0f + CapHeight(style) / 2;
  if (highlighted) {
    float right = left + TextWidth(style, label) + pad;
    Fill(strip, {0, top, right + 1, top + kOptionH}, RoundBox(0, top + 3, right, top + kOptionH - 3, 8),
         LinearGradient({0, 0}, Hex(0xf0c060, 0.75f), {right, 0}, Hex(0xf0c060, 0.15f)));
  }
  TextLook look;
  look.fill = Solid(highlighted ? kInkHighlight : kInk);
  PaintText(strip, style, left, baseline, label, look);
}

}  // namespace

Image MainMenuStrip() {
  Image strip(kMainW, kMainH * 10);
  const char* labels[5] = {"Play", "Levels", "Instructions", "Options", "Quit"};
  for (int i = 0; i < 5; ++i) {
    MainButton(strip, 2 * i, labels[i], false);
    MainButton(strip, 2 * i + 1, labels[i], true);
  }
  return strip;
}

namespace {

TextLook PanelInk() {
  TextLook ink;
  ink.fill = Solid(kInk);
  ink.shadow = Rgba{1, 1, 1, 0.35f};
  ink.shadowBlur = 0.6f;
  ink.shadowDx = 0;
  ink.shadowDy = 1;
  return ink;
}

// The parchment of the panels beside the main menu, with its title.
Image TitledPanel(const std::string& title) {
  Image panel(kPanelW, kPanelH);
  Mask shadow(kPanelW, kPanelH);
  FillMask(shadow, WholeImage(panel), RoundBox(4, 6, kPanelW - 3.0f, kPanelH - 2.0f, 16));
  PaintMask(panel, shadow, Solid(Rgba{0, 0, 0, 0.35f}));
  Parchment(panel, {0, 0, kPanelW - 6.0f, kPanelH - 6.0f}, 16, 71);
  PaintText(panel, TextStyle{Face::SerifBold, 30, 0.5f}, (kPanelW - 6) / 2.0f, 52, title, PanelInk(), Align::Centre);
  Flourish(panel, (kPanelW - 6) / 2.0f, 64, 70, Hex(0x8a6a3a));
  return panel;
}

}  // namespace

Image ControlsPanel() {
  Image panel = TitledPanel("Controls");
  // Over the key and pad columns the game writes its rows in (x 124 and 240).
  const TextStyle heading{Face::SerifItalic, 16, 0};
  PaintText(panel, heading, 124, 90, "Keyboard", PanelInk(), Align::Left);
  PaintText(panel, heading, 240, 90, "Pad", PanelInk(), Align::Left);
  return panel;
}

Image OptionsPanel() {
  Image panel = TitledPanel("Options");
  // Small loudspeakers beside the two volume tracks (at y 150 and 210).
  for (float y : {150.0f, 210.0f}) {
    float x = 250;
    Shape speaker = Union(RoundBox(x, y - 3.5f, x + 4, y + 3.5f, 0.5f), Polygon({{x + 3, y - 3.5f}, {x + 9, y - 8}, {x + 9, y + 8}, {x + 3, y + 3.5f}}));
    Fill(panel, Around(x + 8, y, 16), speaker, Solid(Hex(0x6a4a24)));
    for (int k = 1; k <= 2; ++k)
      Fill(panel, Around(x + 8, y, 18),
           Intersect(Ring(x + 8, y, 4.0f + k * 4, 1.3f), Polygon({{x + 9, y}, {x + 30, y - 16}, {x + 30, y + 16}})),
           Solid(Hex(0x6a4a24, 0.8f)));
  }
  return panel;
}

Image InstructionsStrip() {
  Image strip(kPageW, kPageH * 2);
  for (int cell = 0; cell < 2; ++cell) {
    Image page(kPageW, kPageH);
    Parchment(page, {0, 0, static_cast<float>(kPageW), static_cast<float>(kPageH)}, 14, 72);
    TextLook ink;
    ink.fill = Solid(kInk);
    PaintText(page, TextStyle{Face::SerifBold, 28, 0.4f}, kPageW / 2.0f, 46, "How to play", ink, Align::Centre);
    Flourish(page, kPageW / 2.0f, 58, 64, Hex(0x8a6a3a));

    const TextStyle body{Face::Serif, 15, 0};
    float y = 82;
    for (const char* paragraph :
         {"Roll the ball to the ring of light that marks the exit. It rolls on until a wall stops it; off the "
          "edge, the level starts again.",
          "Gold keys open the locked walls, silver keys close open gateways; swirls of light are teleports.",
          "Levels replays any level reached; Options, Controls sets keys of your own."}) {
      for (const std::string& line : WrapText(body, paragraph, kPageW - 50)) {
        PaintText(page, body, 25, y, line, ink);
        y += 17;
      }
      y += 4;
    }
    y += 4;
    const TextStyle key{Face::SansBold, 13, 0.2f}, what{Face::Serif, 15, 0};
    const char* controls[][2] = {{"Arrows or click", "roll the ball"}, {"Z or Backspace", "take back a move"},
                                 {"H", "a hint: the next move"},    {"R, S", "restart, skip the level"},
                                 {"Esc", "back to the menu"},       {"F11 or Alt+Enter", "full screen or window"},
                                 {"Print Screen", "screenshot"}};
    for (const auto& c : controls) {
      float w = TextWidth(key, c[0]);
      Fill(page, {20, y - 16, 150, y + 6}, RoundBox(132 - w - 8, y - 13, 132, y + 4, 4), Solid(Hex(0x6a4a24, 0.18f)));
      Fill(page, {20, y - 16, 150, y + 6},
           Subtract(Grow(RoundBox(132 - w - 8, y - 13, 132, y + 4, 4), 0.5f), Grow(RoundBox(132 - w - 8, y - 13, 132, y + 4, 4), -0.5f)),
           Solid(Hex(0x6a4a24, 0.7f)));
      PaintText(page, key, 128, y, c[0], ink, Align::Right);
      PaintText(page, what, 142, y, c[1], ink);
      y += 19;
    }
    TextLook footer;
    footer.fill = Solid(cell ? kInkHighlight : Hex(0x6a4a24));
    // The game opens the hint pages for a click on the first of these lines
    // (the band from 62 to 38 pixels above the page's foot), and closes the
    // page for one elsewhere.
    PaintText(page, TextStyle{Face::SerifItalic, 15, 0}, kPageW / 2.0f, kPageH - 46.0f,
              "Right, or a click here: the hint pages again", footer, Align::Centre);
    PaintText(page, TextStyle{Face::SerifItalic, 17, 0}, kPageW / 2.0f, kPageH - 20.0f,
              "Click elsewhere or press Enter to close", footer, Align::Centre);
    strip.Paste(page, 0, cell * kPageH, Blend::Replace);
  }
  return strip;
}

Image OptionsStrip() {
  Image strip(kOptionW, kOptionH * 14);
  // The yes/no boxes start 137 pixels into their cells; the volume tracks 107
  // pixels into theirs, and a knob at zero reaches 10 further left.
  for (int h = 0; h < 2; ++h) {
    SettingLabel(strip, 0 + h, "Full screen", 137, h != 0);
    SettingLabel(strip, 2 + h, "Sound effects", 97, h != 0);
    SettingLabel(strip, 4 + h, "Music", 97, h != 0);
    SettingLabel(strip, 6 + h, "Reduce flashing", 137, h != 0);
    PanelButton(strip, 8 + h, kOptionW, kOptionH, "Reset profile", h != 0);
    // Beside Back, on its row.
    PanelButton(strip, 10 + h, kOptionControlsW, kOptionH, "Controls", h != 0, kOptionW);
    PanelButton(strip, 12 + h, kOptionW, kOptionH, "Back", h != 0);
  }
  return strip;
}

Image ResetPanel() {
  Image panel(kResetW, kResetH);
  Mask shadow(kResetW, kResetH);
  FillMask(shadow, WholeImage(panel), RoundBox(4, 6, kResetW - 1.0f, kResetH - 1.0f, 14));
  PaintMask(panel, shadow, Solid(Rgba{0, 0, 0, 0.35f}));
  Parchment(panel, {0, 0, kResetW - 4.0f, kResetH - 4.0f}, 14, 73);
  TextLook ink;
  ink.fill = Solid(kInk);
  PaintText(panel, TextStyle{Face::SerifBold, 22, 0.3f}, (kResetW - 4) / 2.0f, 38, "Reset progress?", ink, Align::Centre);
  TextLook soft;
  soft.fill = Solid(Hex(0x6a4a24));
  PaintText(panel, TextStyle{Face::SerifItalic, 15, 0}, (kResetW - 4) / 2.0f, 60, "Every level starts afresh.", soft,
            Align::Centre);
  return panel;
}

Image ResetStrip() {
  Image strip(kAnswerW, kAnswerH * 4);
  for (int h = 0; h < 2; ++h) {
    PanelButton(strip, h, kAnswerW, kAnswerH, "Yes", h != 0);
    PanelButton(strip, 2 + h, kAnswerW, kAnswerH, "No", h != 0);
  }
  return strip;
}

Image YesNoPicture() {
  Image boxes(60, 30);
  for (int cell = 0; cell < 2; ++cell) {
    float ox = cell * 30.0f;
    Shape box = RoundBox(ox + 4, 4, ox + 26, 26, 4);
    Fill(boxes, {ox, 0, ox + 30, 30}, Grow(box, 1.2f), Solid(Hex(0x6a4a24)));
    Fill(boxes, {ox, 0, ox + 30, 30}, box, LinearGradient({0, 4}, Hex(0xcdb88e), {0, 26}, Hex(0xf4e8cc)));
    if (cell == 1) {
      Shape tick = Stroke({{ox + 8.5f, 15.5f}, {ox + 13, 20.5f}, {ox + 23, 8.5f}}, 3.4f);
      Mask m(60, 30);
      FillMask(m, {ox, 0, ox + 30, 30}, tick);
      Mask s = m;
      BlurMask(s, 1.0f);
      PaintMask(boxes, s, Solid(Rgba{0.2f, 0.05f, 0, 0.5f}), 0, 1);
      PaintMask(boxes, m, Solid(kInkHighlight));
    }
  }
  return boxes;
}

Image SliderTrackPicture() {
  Image track(100, 20);
  Shape groove = RoundBox(1, 7, 99, 13, 3);
  Fill(track, WholeImage(track), Grow(groove, 1), Solid(Hex(0x6a4a24, 0.9f)));
  Fill(track, WholeImage(track), groove, LinearGradient({0, 7}, Hex(0x4a3418), {0, 13}, Hex(0x8a6a40)));
  for (int k = 0; k <= 4; ++k) {
    float x = 1.5f + k * 24.25f;
    Fill(track, WholeImage(track), Stroke({{x, 15.5f}, {x, 18.5f}}, 1.0f), Solid(Hex(0x6a4a24, 0.8f)));
  }
  return track;
}

Image SliderKnobPicture() {
  Image knob(20, 20);
  Mask m(20, 20);
  FillMask(m, WholeImage(knob), Circle(10, 10, 8));
  ShadowUnder(knob, m, 1, 1, 1.2f, Rgba{0, 0, 0, 0.5f});
  Fill(knob, WholeImage(knob), Circle(10, 10, 8.2f), Solid(Hex(0x5a3a10)));
  Fill(knob, WholeImage(knob), Circle(10, 10, 7.2f), LinearGradient({3, 3}, Hex(0xfff0b0), {17, 17}, Hex(0x9a6a18)));
  Fill(knob, WholeImage(knob), Circle(10, 10, 4.6f), LinearGradient({3, 3}, Hex(0xb8862a), {17, 17}, Hex(0xf8dc88)));
  return knob;
}

}  // namespace mkmedia
