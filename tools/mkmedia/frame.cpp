#include "frame.h"

#include <cmath>
#include <string>
#include <vector>

#include "filters.h"
#include "frame_layout.h"
#include "noise.h"
#include "ui_kit.h"

namespace mkmedia {

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr float kPi = 3.14159265f;

const TextStyle kLabel{Face::SansBold, 21, 0.6f};
const TextStyle kHint{Face::SansMedium, 11, 0.8f};

float LabelBaseline(const FrameButton& b) { return (b.plate.y0 + b.plate.y1) / 2 + 3; }

// The small pictogram left of each label, centred on (cx, cy).
Shape ButtonIcon(int button, float cx, float cy) {
  switch (button) {
    case 0:  // three bars
      return Union(Union(RoundBox(cx - 7, cy - 6, cx + 7, cy - 3.6f, 1), RoundBox(cx - 7, cy - 1.2f, cx + 7, cy + 1.2f, 1)),
                   RoundBox(cx - 7, cy + 3.6f, cx + 7, cy + 6, 1));
    case 1: {  // a circular arrow
      Shape arc = Subtract(Ring(cx, cy, 6, 2.6f), Polygon({{cx, cy}, {cx + 10, cy - 10}, {cx + 10, cy + 1}}));
      Shape head = Polygon({{cx + 3.5f, cy - 9.5f}, {cx + 10, cy - 5}, {cx + 2.5f, cy - 1.5f}});
      return Union(arc, head);
    }
    default:  // two chevrons and a bar
      return Union(Union(Polygon({{cx - 8, cy - 6}, {cx - 2, cy}, {cx - 8, cy + 6}}),
                         Polygon({{cx - 2, cy - 6}, {cx + 4, cy}, {cx - 2, cy + 6}})),
                   RoundBox(cx + 4.5f, cy - 6, cx + 7, cy + 6, 0.5f));
  }
}

float IconWidth() { return 20; }

// Left edge of the label's text, with the icon before it, the pair centred on the plate.
float LabelLeft(const FrameButton& b) {
  float total = IconWidth() + 6 + TextWidth(kLabel, b.label);
  return (b.plate.x0 + b.plate.x1) / 2 - total / 2 + IconWidth() + 6;
}

Shape LabelIcon(int button) {
  const FrameButton& b = kFrameButtons[button];
  return ButtonIcon(button, LabelLeft(b) - 6 - IconWidth() / 2, LabelBaseline(b) - 7.5f);
}

// Height of the frame's relief: 0.5 on the flat, raised gold mouldings,
// recessed plates and token sockets.
Mask FrameHeight(int tokenSlots) {
  Mask h(kWidth, kHeight, 0.5f);
  const Bounds all{0, 0, kWidth, kHeight};
  // The moulding around the board: a rounded ridge six pixels wide.
  Shape moulding = Subtract(RoundBox(kBoardHole.x0 - 7, kBoardHole.y0 - 7, kBoardHole.x1 + 7, kBoardHole.y1 + 7, 4),
                            RoundBox(kBoardHole.x0, kBoardHole.y0, kBoardHole.x1, kBoardHole.y1, 0));
  ShapeMask(h, all, moulding, [](float d) { return 0.5f + 0.5f * std::sin(Clamp01(-d / 3.5f) * kPi / 2); });
  // A thin raised rule just inside the screen's edge.
  Shape rim = Subtract(RoundBox(4, 4, kWidth - 4, kHeight - 4, 6), RoundBox(8, 8, kWidth - 8, kHeight - 8, 4));
  ShapeMask(h, all, rim, [](float d) { return 0.5f + 0.35f * Clamp01(-d / 1.5f); });
  // Button plates: a raised rim around a sunken face.
  for (const FrameButton& b : kFrameButtons) {
    Shape plate = RoundBox(b.plate.x0, b.plate.y0, b.plate.x1, b.plate.y1, 10);
    ShapeMask(h, b.plate, plate, [](float d) { return 0.5f + 0.3f * Clamp01(-d / 2.5f); });
    Bounds inner{b.plate.x0 + 4, b.plate.y0 + 4, b.plate.x1 - 4, b.plate.y1 - 4};
    Shape face = RoundBox(inner.x0, inner.y0, inner.x1, inner.y1, 7);
    for (int y = static_cast<int>(inner.y0) - 1; y <= static_cast<int>(inner.y1) + 1; ++y)
      for (int x = static_cast<int>(inner.x0) - 1; x <= static_cast<int>(inner.x1) + 1; ++x) {
        float d = face(x + 0.5f, y + 0.5f);
        if (d < 0.5f) h.At(x, y) = std::min(h.At(x, y), 0.8f - 0.55f * Clamp01((0.5f - d) / 3.0f));
      }
  }
  // Token sockets: bowls with a raised lip.
  for (int i = 0; i < tokenSlots; ++i) {
    float cy = kTokenFirstY + kTokenStep * i;
    for (int y = static_cast<int>(cy) - 26; y <= static_cast<int>(cy) + 26; ++y)
      for (int x = static_cast<int>(kTokenX) - 26; x <= static_cast<int>(kTokenX) + 26; ++x) {
        float r = std::hypot(x + 0.5f - kTokenX, y + 0.5f - cy);
        if (r < 21) h.At(x, y) = 0.2f + 0.25f * SmoothStep(14, 21, r);
        else if (r < 25) h.At(x, y) = std::max(h.At(x, y), 0.5f + 0.3f * std::sin((r - 21) / 4 * kPi));
      }
  }
  return h;
}

// Where the frame is gold rather than lacquer, 0..1.
Mask GoldAreas(int tokenSlots) {
  Mask g(kWidth, kHeight);
  const Bounds all{0, 0, kWidth, kHeight};
  FillMask(g, all, Subtract(RoundBox(kBoardHole.x0 - 7, kBoardHole.y0 - 7, kBoardHole.x1 + 7, kBoardHole.y1 + 7, 4),
                            RoundBox(kBoardHole.x0, kBoardHole.y0, kBoardHole.x1, kBoardHole.y1, 0)));
  FillMask(g, all, Subtract(RoundBox(4, 4, kWidth - 4, kHeight - 4, 6), RoundBox(8, 8, kWidth - 8, kHeight - 8, 4)));
  for (const FrameButton& b : kFrameButtons)
    FillMask(g, b.plate, Subtract(RoundBox(b.plate.x0, b.plate.y0, b.plate.x1, b.plate.y1, 10),
                                  RoundBox(b.plate.x0 + 3, b.plate.y0 + 3, b.plate.x1 - 3, b.plate.y1 - 3, 8)));
  for (int i = 0; i < tokenSlots; ++i) {
    float cy = kTokenFirstY + kTokenStep * i;
    FillMask(g, Around(kTokenX, cy, 27), Ring(kTokenX, cy, 23, 3.6f));
  }
  return g;
}

void Ornaments(Image& frame) {
  const Rgba gold = Hex(0xd8b060);
  // A diamond between the Restart and Skip plates; the move counter has the other gap.
  const float x = 556;
  Fill(frame, Around(x, 560, 10), Polygon({{x, 551}, {x + 7, 560}, {x, 569}, {x - 7, 560}}), GoldPaint(551, 569));
  Fill(frame, Around(x, 560, 40), Stroke({{x - 30, 560}, {x - 10, 560}}, 1.2f), Solid(WithAlpha(gold, 0.8f)));
  Fill(frame, Around(x, 560, 40), Stroke({{x + 10, 560}, {x + 30, 560}}, 1.2f), Solid(WithAlpha(gold, 0.8f)));
  // Diamonds down the left side.
  for (int k = 0; k < 3; ++k) {
    float y = 200 + k * 100;
    Fill(frame, Around(32, y, 9), Polygon({{32, y - 7}, {38, y}, {32, y + 7}, {26, y}}), GoldPaint(y - 7, y + 7));
  }
  // An emblem below the token column: a gold compass star, plainly no slot.
  const float ex = kTokenX, ey = 452;
  std::vector<Point> star;
  for (int k = 0; k < 16; ++k) {
    float a = k * kPi / 8 - kPi / 2, r = k % 4 == 0 ? 26.0f : k % 2 == 0 ? 15.0f : 7.0f;
    star.push_back({ex + std::cos(a) * r, ey + std::sin(a) * r});
  }
  Mask shadow(kWidth, kHeight);
  FillMask(shadow, Around(ex, ey, 30), Polygon(star));
  BlurMask(shadow, 2);
  PaintMask(frame, shadow, Solid(Rgba{0.05f, 0, 0, 0.8f}), 1, 2);
  Fill(frame, Around(ex, ey, 30), Polygon(star), GoldPaint(ey - 26, ey + 26));
  Fill(frame, Around(ex, ey, 30), Ring(ex, ey, 11, 1.5f), Solid(Hex(0x6a4010)));
  Fill(frame, Around(ex, ey, 10), Circle(ex, ey, 3), Solid(Hex(0x6a4010)));
}

}  // namespace

Image FramePicture(int tokenSlots) {
  Image frame(kWidth, kHeight);
  // Crimson lacquer with a leathery grain, deeper towards the screen's edges.
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float u = x / 800.0f, v = y / 800.0f;
      float n = Fractal(u, v, 6, 5, 31), grain = Fractal(u, v, 160, 2, 32);
      Rgba c = Ramp({Hex(0x3c060e), Hex(0x5c0c18), Hex(0x761422)}, 0.55f + n * 0.7f);
      float edge = std::min({x, y, kWidth - 1 - x, kHeight - 1 - y}) / 40.0f;
      c = Shade(c, (0.75f + 0.25f * Clamp01(edge)) * (0.94f + grain * 0.12f));
      // A faint tooled lattice, as on bound leather.
      float a = (x + y) / 22.0f, b = (x - y + 1100) / 22.0f;
      float line = std::min(std::fabs(a - std::round(a)), std::fabs(b - std::round(b))) * 22;
      c = Shade(c, 1 - 0.1f * (1 - SmoothStep(0.3f, 1.1f, line)));
      frame.At(x, y) = c;
    }
  Mask gold = GoldAreas(tokenSlots);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float g = gold.At(x, y);
      if (g > 0) frame.At(x, y) = Mix(frame.At(x, y), Hex(0xc89a48), g);
    }
  Mask specular;
  Mask shade = Relief(FrameHeight(tokenSlots), 4.0f, false, &specular, 20.0f);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      Rgba& c = frame.At(x, y);
      float s = shade.At(x, y), h = specular.At(x, y) * (0.15f + 0.5f * gold.At(x, y));
      c = {Clamp01(c.r * s + h), Clamp01(c.g * s + h * 0.9f), Clamp01(c.b * s + h * 0.7f), 1};
    }
  Ornaments(frame);

  // The title, engraved in gold over the board.
  TextStyle title{Face::SerifBold, 40, 1.5f};
  TextLook gilt;
  gilt.fill = GoldPaint(18, 46);
  gilt.shadow = Rgba{0.08f, 0.0f, 0.01f, 0.85f};
  gilt.shadowBlur = 2;
  gilt.outline = Hex(0x2a0408, 0.8f);
  PaintText(frame, title, 383, 45, "Marrowick", gilt, Align::Centre);
  const float titleHalf = TextWidth(title, "Marrowick") / 2;
  for (float side : {-1.0f, 1.0f}) {
    float x0 = 383 + side * (titleHalf + 16), x1 = 383 + side * (titleHalf + 150);
    Fill(frame, {std::min(x0, x1) - 8, 24, std::max(x0, x1) + 8, 40}, Stroke({{x0, 32}, {x1, 32}}, 1.3f),
         Solid(Hex(0xd8b060, 0.85f)));
    Fill(frame, Around(x0 + side * 2, 32, 8), Polygon({{x0 + side * 2, 27}, {x0 + side * 7, 32}, {x0 + side * 2, 37}, {x0 - side * 3, 32}}),
         GoldPaint(27, 37));
    Fill(frame, Around(x1, 32, 4), Circle(x1, 32, 2.2f), GoldPaint(30, 34));
  }

  // The token column's heading.
  TextLook small;
  small.fill = GoldPaint(72, 88);
  small.shadow = Rgba{0, 0, 0, 0.7f};
  small.shadowBlur = 1;
  small.shadowDx = 0;
  small.shadowDy = 1;
  PaintText(frame, TextStyle{Face::SansBold, 13, 2.0f}, kTokenX, 86, "LEVELS", small, Align::Centre);
  // The move counter's labels, in the heading's lettering; a hairline between the rows.
  PaintText(frame, TextStyle{Face::SansBold, 12, 1.6f}, kCounterLeft, kMovesBaseline, "MOVES", small);
  PaintText(frame, TextStyle{Face::SansBold, 12, 1.6f}, kCounterLeft, kParBaseline, "PAR", small);
  const float rule = (kMovesBaseline + kParBaseline) / 2 - 5;
  Fill(frame, {kCounterLeft - 4, rule - 3, kCounterRight + 4, rule + 3},
       Stroke({{kCounterLeft, rule}, {kCounterRight, rule}}, 0.8f), Solid(Hex(0xd8b060, 0.45f)));

  // Button labels with their icons and keys.
  for (int i = 0; i < 3; ++i) {
    const FrameButton& b = kFrameButtons[i];
    float base = LabelBaseline(b);
    TextLook label;
    label.fill = GoldPaint(base - 16, base + 2);
    label.shadow = Rgba{0.05f, 0, 0, 0.9f};
    label.shadowBlur = 1.2f;
    label.shadowDx = 0;
    label.shadowDy = 1;
    PaintText(frame, kLabel, LabelLeft(b), base, b.label, label);
    Mask icon(kWidth, kHeight);
    FillMask(icon, b.plate, LabelIcon(i));
    Mask iconShadow = icon;
    BlurMask(iconShadow, 1.2f);
    PaintMask(frame, iconShadow, Solid(Rgba{0.05f, 0, 0, 0.9f}), 0, 1);
    PaintMask(frame, icon, GoldPaint(base - 16, base + 2));
    TextLook hint;
    hint.fill = Solid(Hex(0xd8b878, 0.85f));
    PaintText(frame, kHint, (b.plate.x0 + b.plate.x1) / 2, base + 17, std::string(b.key) + " key", hint,
              Align::Centre);
  }

  // The board shows through.
  for (int y = static_cast<int>(kBoardHole.y0); y < static_cast<int>(kBoardHole.y1); ++y)
    for (int x = static_cast<int>(kBoardHole.x0); x < static_cast<int>(kBoardHole.x1); ++x) frame.At(x, y) = {0, 0, 0, 0};
  return frame;
}

Image SingleSlotColumn() {
  const int top = static_cast<int>(kTokenFirstY + kTokenStep - kTokenStep / 2);
  return FramePicture(1).Crop(kSlotColumnLeft, top, kSlotColumnWidth, static_cast<int>(kTokenStep) * (kTokenSlots - 1));
}

Image HoverPicture(int button) {
  const FrameButton& b = kFrameButtons[button];
  // Light is gathered on black and turned into colour and strength at the end,
  // since the game adds the picture's colour times its alpha to the screen.
  Image light(b.hoverW, b.hoverH, Rgba{0, 0, 0, 1});
  const float ox = static_cast<float>(b.hoverX), oy = static_cast<float>(b.hoverY);
  const Bounds all = WholeImage(light);
  // Light over the plate's face, strongest in the middle.
  Shape face = RoundBox(b.plate.x0 + 4 - ox, b.plate.y0 + 4 - oy, b.plate.x1 - 4 - ox, b.plate.y1 - 4 - oy, 7);
  Point centre{(b.plate.x0 + b.plate.x1) / 2 - ox, (b.plate.y0 + b.plate.y1) / 2 - oy};
  Fill(light, all, face, RadialGradient(centre, (b.plate.x1 - b.plate.x0) * 0.6f, Hex(0xffb040, 0.3f), Hex(0xff8020, 0.08f)),
       Blend::Add);
  // The rim lights up.
  Shape rim = Subtract(RoundBox(b.plate.x0 - ox, b.plate.y0 - oy, b.plate.x1 - ox, b.plate.y1 - oy, 10),
                       RoundBox(b.plate.x0 + 3 - ox, b.plate.y0 + 3 - oy, b.plate.x1 - 3 - ox, b.plate.y1 - 3 - oy, 8));
  Fill(light, all, rim, Solid(Hex(0xffd070, 0.5f)), Blend::Add);
  // And the label and its icon glow, exactly over the frame's own.
  Mask label = TextCoverage(b.hoverW, b.hoverH, kLabel, LabelLeft(b) - ox, LabelBaseline(b) - oy, b.label);
  FillMask(label, all, Transformed(LabelIcon(button), -ox, -oy, 0, 1));
  Mask halo = label;
  BlurMask(halo, 4);
  PaintMask(light, halo, Solid(Hex(0xffc050, 0.8f)), 0, 0, Blend::Add);
  PaintMask(light, label, Solid(Hex(0xfff0c0, 0.7f)), 0, 0, Blend::Add);
  return LightToGlow(light);
}

}  // namespace mkmedia
