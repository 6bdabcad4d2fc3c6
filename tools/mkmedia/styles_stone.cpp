// Built stone styles: courtyard, temple, volcano and cathedral.

#include <cmath>

#include "filters.h"
#include "noise.h"
#include "style_helpers.h"
#include "styles.h"

namespace mkmedia {

namespace {

constexpr float kPi = 3.14159265f;

float Hash01(int a, int b, uint32_t seed) { return HashUnit(a, b, seed); }

}  // namespace

StyleArt CourtyardStyle() {
  StyleArt art;
  // Rounded cobbles set in dark mortar, in the blue of early evening.
  auto cobble = [](float u, float v) { return Cellular(u, v, 11, 501, 0.8f); };
  art.background = BackgroundLook(
      [=](float u, float v) {
        CellSample c = cobble(u, v);
        float edge = c.second - c.nearest;
        float tone = HashUnit(static_cast<int>(c.id & 0xffff), 3, 502);
        Rgba stone = Ramp({Hex(0x3b3f4a), Hex(0x505562), Hex(0x5f5a58), Hex(0x6a6e78)}, tone);
        stone = Shade(stone, 0.9f + Fractal(u, v, 40, 2, 503) * 0.25f);
        Rgba mortar = Ramp({Hex(0x1a1b1f), Hex(0x2a2a2c)}, 0.5f + Fractal(u, v, 20, 2, 504));
        return Mix(mortar, stone, SmoothStep(0.05f, 0.1f, edge));
      },
      [=](float u, float v) {
        CellSample c = cobble(u, v);
        return std::sqrt(SmoothStep(0.04f, 0.35f, c.second - c.nearest)) + Fractal(u, v, 40, 2, 505) * 0.05f;
      },
      0.03f, 0.06f);

  // Red brick in four courses, mortar recessed.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 520 + look * 9;
    auto albedo = [=](float u, float v) {
      BrickCell b = Bricks(u, v, 4, 2);
      float tone = Hash01(b.row, b.column + look * 7, seed);
      Rgba brick = look == 1 ? Ramp({Hex(0x4c2219), Hex(0x6e3424), Hex(0x7e4a35)}, tone)
                             : Ramp({Hex(0x7a3322), Hex(0x94452c), Hex(0xa65a3a), Hex(0x8a4a3a)}, tone);
      if (look == 5 && b.row == 1 && b.column == 1) brick = Ramp({Hex(0x9a958a), Hex(0xb8b2a4)}, tone);
      brick = Shade(brick, 0.88f + Fractal(u, v, 12, 3, seed + 1) * 0.3f);
      if (look == 2) {
        float moss = SmoothStep(0.1f, 0.3f, Fractal(u, v, 3, 4, seed + 2) + (v - 0.6f) * 1.4f);
        brick = Mix(brick, Hex(0x4c6a2a), moss);
      }
      Rgba mortar = Hex(0x8d877a);
      return Mix(mortar, brick, SmoothStep(0.012f, 0.022f, b.edge));
    };
    auto height = [=](float u, float v) {
      BrickCell b = Bricks(u, v, 4, 2);
      float h = SmoothStep(0.008f, 0.04f, b.edge);
      if (look == 4) h -= 0.5f * (1 - SmoothStep(0.1f, 0.14f, std::hypot(u - 0.72f, v - 0.38f)));
      return h + Fractal(u, v, 10, 3, seed + 3) * 0.08f;
    };
    art.walls[look] = WallLook(albedo, height, 0.05f, 0.04f);
    if (look == 3) {
      // Ivy climbing over the bricks.
      Image& w = art.walls[look];
      Random r(seed + 4);
      Point previous{6, 32};
      for (int k = 0; k < 9; ++k) {
        Point p{previous.x + static_cast<float>(r.Range(0.5, 3.5)), previous.y - static_cast<float>(r.Range(2.5, 4))};
        Fill(w, {0, 0, 32, 32}, Stroke({previous, p}, 0.9f), Solid(Hex(0x3b2a1a)));
        float side = k % 2 ? 1.0f : -1.0f;
        Point leaf{p.x + side * 3, p.y};
        Fill(w, Around(leaf.x, leaf.y, 4), Circle(leaf.x, leaf.y, 2.4f),
             RadialGradient({leaf.x - 1, leaf.y - 1}, 3, Hex(0x6c9a38), Hex(0x2f5a1c)));
        previous = p;
      }
    }
    NormaliseBrightness(art.walls[look], 0.4f);
  }
  return art;
}

namespace {

// One engraved glyph of the temple's blocks, as a distance in cell pixels (0..32).
float GlyphDistance(int look, float x, float y) {
  switch (look) {
    case 1: {  // an eye
      float lid = EllipseDistance(x, y, 16, 16, 9.5f, 5.0f);
      return std::min(std::fabs(lid) - 1.1f, CircleDistance(x, y, 16, 16, 2.6f));
    }
    case 2: {  // the sun with rays
      float d = std::fabs(CircleDistance(x, y, 16, 16, 5.0f)) - 1.2f;
      for (int k = 0; k < 8; ++k) {
        float a = k * kPi / 4;
        Point a0{16 + std::cos(a) * 8, 16 + std::sin(a) * 8}, a1{16 + std::cos(a) * 11.5f, 16 + std::sin(a) * 11.5f};
        d = std::min(d, SegmentDistance(x, y, a0, a1) - 1.0f);
      }
      return d;
    }
    case 3: {  // water: three zigzags
      float d = 1e9f;
      for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 5; ++k) {
          float yy = 10 + row * 6;
          Point p0{6 + k * 4.0f, yy + (k % 2 ? -1.8f : 1.8f)}, p1{10 + k * 4.0f, yy + (k % 2 ? 1.8f : -1.8f)};
          d = std::min(d, SegmentDistance(x, y, p0, p1) - 0.9f);
        }
      return d;
    }
    case 4: {  // a looped cross
      float loop = std::fabs(EllipseDistance(x, y, 16, 10, 4.0f, 5.0f)) - 1.1f;
      float stem = SegmentDistance(x, y, {16, 15}, {16, 27}) - 1.2f;
      float bar = SegmentDistance(x, y, {9, 17.5f}, {23, 17.5f}) - 1.2f;
      return std::min({loop, stem, bar});
    }
    case 5: {  // a bird in profile
      float body = EllipseDistance(x, y, 15, 18, 7.0f, 4.2f);
      float head = CircleDistance(x, y, 21.5f, 11.5f, 2.8f);
      float beak = PolygonDistance(x, y, {{23.5f, 10.5f}, {28, 12.5f}, {23.5f, 13}});
      float tail = PolygonDistance(x, y, {{9, 16}, {3, 22}, {10, 20.5f}});
      float legs = std::min(SegmentDistance(x, y, {14, 21}, {13, 27}), SegmentDistance(x, y, {17, 21}, {18, 27})) - 0.7f;
      return std::min({body, head, beak, tail, legs});
    }
    default: {  // a plain block with a carved band
      return std::fabs(BoxDistance(x, y, 16, 16, 10, 10, 1.5f)) - 0.9f;
    }
  }
}

}  // namespace

StyleArt TempleStyle() {
  StyleArt art;
  // Worn sandstone flags in the dim of a temple hall.
  auto slab = [](float u, float v) { return Bricks(u, v, 4, 4, 0.5f); };
  art.background = BackgroundLook(
      [=](float u, float v) {
        BrickCell b = slab(u, v);
        float tone = HashUnit((b.row + 4) % 4, (b.column + 4) % 4, 601);
        Rgba stone = Ramp({Hex(0x2a231c), Hex(0x3a3026), Hex(0x47392b)}, tone * 0.7f + 0.15f +
                                                                          Fractal(u, v, 8, 4, 602) * 0.5f);
        float crack = SmoothStep(0.93f, 0.98f, Ridged(u, v, 4, 3, 603));
        stone = Mix(stone, Hex(0x15100b), crack * 0.7f);
        float sand = SmoothStep(0.1f, 0.4f, Fractal(u, v, 3, 4, 605));
        stone = Mix(stone, Hex(0x6a5234), sand * 0.35f);
        return Mix(Hex(0x120d08), stone, SmoothStep(0.004f, 0.01f, b.edge));
      },
      [=](float u, float v) {
        BrickCell b = slab(u, v);
        return SmoothStep(0.0f, 0.03f, b.edge) * 0.8f + Fractal(u, v, 16, 3, 604) * 0.1f;
      },
      0.02f, 0.05f);

  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 620 + look * 5;
    auto glyph = [=](float u, float v) { return GlyphDistance(look, u * kCell, v * kCell); };
    auto albedo = [=](float u, float v) {
      float n = Fractal(u, v, 5, 4, seed);
      Rgba stone = Ramp({Hex(0xa47a40), Hex(0xc29552), Hex(0xd8b070)}, 0.5f + n);
      stone = Shade(stone, 0.9f + Fractal(u, v, 30, 2, seed + 1) * 0.2f);
      float carved = Clamp01(0.5f - glyph(u, v) * 1.2f);
      return Mix(stone, Hex(0x5a3f22), carved * 0.65f);
    };
    auto height = [=](float u, float v) {
      float carved = Clamp01(0.6f - glyph(u, v) * 0.8f);
      return 1.0f - carved * 0.45f + Fractal(u, v, 6, 4, seed + 2) * 0.1f;
    };
    art.walls[look] = WallLook(albedo, height, 0.05f, 0.03f);
    NormaliseBrightness(art.walls[look], 0.52f);
  }
  return art;
}

StyleArt VolcanoStyle() {
  StyleArt art;
  // Black crust over glowing lava cracks.
  auto plate = [](float u, float v) {
    CellSample c = Cellular(u, v, 6, 701, 0.9f);
    return c.second - c.nearest + Fractal(u, v, 8, 3, 702) * 0.08f;
  };
  art.background = BackgroundLook(
      [=](float u, float v) {
        float n = Fractal(u, v, 6, 5, 703);
        Rgba crust = Ramp({Hex(0x100c0c), Hex(0x1e1717), Hex(0x2e2423)}, 0.5f + n);
        float p = plate(u, v);
        float glow = 1 - SmoothStep(0.0f, 0.22f, p), core = 1 - SmoothStep(0.0f, 0.05f, p);
        crust = Mix(crust, Hex(0x5c1206), glow * glow * 0.85f);
        return Mix(crust, Ramp({Hex(0xc2380a), Hex(0xf5901e), Hex(0xffd870)}, core), core);
      },
      [=](float u, float v) { return SmoothStep(0.0f, 0.2f, plate(u, v)) * 0.7f + Fractal(u, v, 24, 3, 704) * 0.2f; },
      0.025f, 0.04f);

  // Basalt: hexagonal columns, glowing veins, obsidian, ash, pumice.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 720 + look * 3;
    auto columns = [=](float u, float v) { return Cellular(u, v, look == 4 ? 2 : 3, seed, 0.35f); };
    auto albedo = [=](float u, float v) -> Rgba {
      float n = Fractal(u, v, 5, 4, seed + 2);
      CellSample c = columns(u, v);
      float joint = SmoothStep(0.03f, 0.07f, c.second - c.nearest);
      float tone = HashUnit(static_cast<int>(c.id & 0xfff), 1, seed);
      Rgba rock = Shade(Ramp({Hex(0x3c3438), Hex(0x564b50), Hex(0x6e6166)}, 0.5f + n), 0.85f + tone * 0.3f);
      switch (look) {
        case 2: rock = Ramp({Hex(0x141018), Hex(0x2a2232), Hex(0x463c52)}, 0.5f + n + tone * 0.3f); break;
        case 3: rock = Mix(rock, Hex(0x948c88), SmoothStep(-0.1f, 0.25f, Fractal(u, v, 3, 4, seed + 3) + 0.3f - v)); break;
        case 5: {
          float pore = Cellular(u, v, 11, seed + 4).nearest;
          rock = Mix(Shade(Hex(0x7a6a62), 0.9f + n * 0.3f), Hex(0x2e2624), 1 - SmoothStep(0.12f, 0.2f, pore));
          break;
        }
        default: break;
      }
      Rgba seam = Hex(0x1a1416);
      if (look == 1 || look == 4) {
        // Lava still glowing in the joints between the columns.
        seam = Ramp({Hex(0xffd060), Hex(0xf07a18), Hex(0x8a2008)}, SmoothStep(0.0f, 0.07f, c.second - c.nearest));
        joint = SmoothStep(0.02f, look == 4 ? 0.09f : 0.06f, c.second - c.nearest);
      }
      return Mix(seam, rock, joint);
    };
    auto height = [=](float u, float v) -> float {
      CellSample c = columns(u, v);
      float top = SmoothStep(0.02f, 0.12f, c.second - c.nearest);
      if (look == 5) top *= 0.7f + 0.3f * SmoothStep(0.1f, 0.2f, Cellular(u, v, 11, seed + 4).nearest);
      return top + HashUnit(static_cast<int>(c.id & 0xfff), 2, seed) * 0.25f;
    };
    art.walls[look] = WallLook(albedo, height, 0.06f, look == 2 ? 0.45f : 0.08f, nullptr, look == 2 ? 40.0f : 24.0f);
    NormaliseBrightness(art.walls[look], 0.36f);
  }
  return art;
}

namespace {

// Which pane of a stained-glass design a point lies in, and how far it is from the lead.
struct Pane {
  uint32_t id;
  float lead;  // distance to the nearest lead line, in cell pixels
};

Pane GlassPane(int look, float x, float y, uint32_t seed) {
  float cx = x - 16, cy = y - 16;
  switch (look) {
    case 1: {  // a small rose window
      float r = std::hypot(cx, cy), a = std::atan2(cy, cx);
      int ring = r < 5 ? 0 : r < 11 ? 1 : 2;
      int petal = static_cast<int>(std::floor((a + kPi) / (kPi / 4)));
      float sector = std::fabs(std::fmod(a + kPi + 8 * kPi, kPi / 4) - kPi / 8);
      float lead = std::min({std::fabs(r - 5), std::fabs(r - 11), ring ? r * std::fabs(std::sin(kPi / 8 - sector)) : 99.0f});
      return {static_cast<uint32_t>(ring * 8 + (ring ? petal : 0)), lead};
    }
    case 2: {  // diamond lattice
      float a = (cx + cy) / 8, b = (cx - cy) / 8;
      float fa = a - std::floor(a), fb = b - std::floor(b);
      float lead = std::min(std::min(fa, 1 - fa), std::min(fb, 1 - fb)) * 8 * 0.7071f;
      return {static_cast<uint32_t>(static_cast<int>(std::floor(a)) * 7 + static_cast<int>(std::floor(b)) * 3 + 50), lead};
    }
    case 3: {  // a cross within a border
      float border = std::fabs(BoxDistance(x, y, 16, 16, 12.5f, 12.5f));
      float arm = std::min(BoxDistance(x, y, 16, 16, 2.5f, 9), BoxDistance(x, y, 16, 13, 7, 2.5f));
      uint32_t id = BoxDistance(x, y, 16, 16, 12.5f, 12.5f) > 0 ? 1u : arm < 0 ? 2u : 3u;
      return {id, std::min(border, std::fabs(arm))};
    }
    case 4: {  // two round-headed lancets, each split by a transom
      auto lancet = [&](float cx) { return std::min(BoxDistance(x, y, cx, 21, 4.5f, 7), CircleDistance(x, y, cx, 14, 4.5f)); };
      float left = lancet(10), right = lancet(22);
      float arch = std::min(left, right);
      if (arch >= 0) return {6u, arch};
      uint32_t id = (x < 16 ? 4u : 5u) + (y < 17 ? 10u : 0u);
      return {id, std::min(-arch, std::fabs(y - 17))};
    }
    case 5: {  // concentric squares
      float d = std::max(std::fabs(cx), std::fabs(cy));
      int band = static_cast<int>(d / 4.5f);
      float f = d / 4.5f - band;
      return {static_cast<uint32_t>(band + 20), std::min(f, 1 - f) * 4.5f};
    }
    default: {  // irregular mosaic
      CellSample c = Cellular(x / 32, y / 32, 3, seed, 0.9f);
      return {c.id, (c.second - c.nearest) * 32 / 3 * 0.5f};
    }
  }
}

}  // namespace

StyleArt CathedralStyle() {
  StyleArt art;
  // A chequered marble floor, laid on the diagonal, in coloured light
  // falling through the windows.
  auto square = [](float u, float v) {
    const int n = 4;  // squares across the tile along each diagonal
    float a = (u + v) * n, b = (u - v) * n;
    float fa = a - std::floor(a), fb = b - std::floor(b);
    struct { bool dark; float edge; } s{((static_cast<int>(std::floor(a)) + static_cast<int>(std::floor(b))) & 1) != 0,
                                         std::min(std::min(fa, 1 - fa), std::min(fb, 1 - fb)) / n};
    return s;
  };
  art.background = BackgroundLook(
      [=](float u, float v) {
        auto s = square(u, v);
        float vein = SmoothStep(0.9f, 0.98f, Ridged(u, v, 3, 4, s.dark ? 1502 : 1506));
        Rgba marble = s.dark ? Ramp({Hex(0x141620), Hex(0x1e2230)}, 0.5f + Fractal(u, v, 6, 4, 1505))
                             : Ramp({Hex(0x4a4a52), Hex(0x5c5a62)}, 0.5f + Fractal(u, v, 6, 4, 1507));
        marble = Mix(marble, s.dark ? Hex(0x3a3e52) : Hex(0x8a8890), vein * 0.6f);
        float light = Fractal(u, v, 2, 3, 1503);
        Rgba tint = Ramp({Hex(0x8a1c3a), Hex(0x2a3c9a), Hex(0xb08a20), Hex(0x1c7a5a)}, 0.5f + Fractal(u, v, 2, 2, 1504));
        marble = Mix(marble, Mix(marble, tint, 0.55f), SmoothStep(0.0f, 0.4f, light) * 0.6f);
        return Mix(Hex(0x0c0d10), marble, SmoothStep(0.001f, 0.003f, s.edge));
      },
      [=](float u, float v) { return SmoothStep(0.0f, 0.006f, square(u, v).edge); }, 0.01f, 0.3f, 2);

  static const uint32_t jewels[] = {0x9c1a2c, 0x1f3f9a, 0xc08a1a, 0x1c7a4a, 0x6a2a8a, 0xb84a1a, 0x2a7aa8};
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 1520 + look;
    auto albedo = [=](float u, float v) {
      Pane p = GlassPane(look, u * kCell, v * kCell, seed);
      Rgba glass = Hex(jewels[HashCoords(static_cast<int>(p.id), look, seed) % 7]);
      float ripple = Fractal(u, v, 6, 3, seed + 1);
      glass = Shade(glass, 0.85f + ripple * 0.35f + (1 - v) * 0.15f);
      return Mix(Hex(0x2a2a30), glass, SmoothStep(0.6f, 1.2f, p.lead));
    };
    auto height = [=](float u, float v) {
      Pane p = GlassPane(look, u * kCell, v * kCell, seed);
      return 1 - SmoothStep(0.4f, 1.4f, p.lead) * 0.5f + Fractal(u, v, 8, 2, seed + 2) * 0.05f;
    };
    art.walls[look] = WallLook(albedo, height, 0.04f, 0.25f, nullptr, 30.0f);
    NormaliseBrightness(art.walls[look], 0.4f);
  }
  return art;
}

}  // namespace mkmedia
