// Styles of ice, crystal, jade and coral.

#include <cmath>

#include "filters.h"
#include "noise.h"
#include "style_helpers.h"
#include "styles.h"

namespace mkmedia {

namespace {

constexpr float kPi = 3.14159265f;

// Flat facets: each cellular cell is a tilted plane, so the lighting breaks
// into clean planes like cut stone or ice.
float FacetHeight(float u, float v, int cells, uint32_t seed) {
  CellSample c = Cellular(u, v, cells, seed, 0.9f);
  float ax = (HashUnit(static_cast<int>(c.id & 0xffff), 1, seed) - 0.5f) * 1.6f;
  float ay = (HashUnit(static_cast<int>(c.id & 0xffff), 2, seed) - 0.5f) * 1.6f;
  return 0.6f + ax * (u - c.pointU) + ay * (v - c.pointV);
}

float FacetEdge(float u, float v, int cells, uint32_t seed) {
  CellSample c = Cellular(u, v, cells, seed, 0.9f);
  return (c.second - c.nearest) / cells;
}

// Draws glints: a bright dot with a faint cross.
void Star(Image& image, float x, float y, float size, Rgba colour) {
  Fill(image, Around(x, y, size * 3 + 2), Circle(x, y, size * 0.55f), Solid(colour), Blend::Add, true);
  if (size > 1.1f) {
    Rgba faint = WithAlpha(colour, colour.a * 0.45f);
    Fill(image, Around(x, y, size * 4 + 2), Stroke({{x - size * 3, y}, {x + size * 3, y}}, 0.6f), Solid(faint),
         Blend::Add, true);
    Fill(image, Around(x, y, size * 4 + 2), Stroke({{x, y - size * 3}, {x, y + size * 3}}, 0.6f), Solid(faint),
         Blend::Add, true);
  }
}

}  // namespace

StyleArt IceStyle() {
  StyleArt art;
  // Deep lake ice: dark blue-black, with white fractures and frozen bubbles.
  art.background = BackgroundLook(
      [](float u, float v) {
        float n = Fractal(u, v, 3, 5, 801);
        Rgba ice = Ramp({Hex(0x060e22), Hex(0x0c1c3c), Hex(0x143058), Hex(0x1e4470)}, 0.5f + n * 0.9f);
        // The ice is crazed with fine cracks, and split by a few long ones.
        float wu = u + Fractal(u, v, 4, 3, 806) * 0.03f, wv = v + Fractal(u, v, 4, 3, 808) * 0.03f;
        CellSample fine = Cellular(wu, wv, 9, 802, 0.9f), big = Cellular(wu, wv, 3, 809, 0.9f);
        float crack = 1 - SmoothStep(0.0f, 0.03f, fine.second - fine.nearest);
        float split = 1 - SmoothStep(0.0f, 0.025f, big.second - big.nearest);
        float frost = SmoothStep(0.2f, 0.6f, Fractal(u, v, 6, 4, 807));
        ice = Mix(ice, Hex(0x6a8cb4), frost * 0.25f);
        ice = Mix(ice, Hex(0xd8ecff), crack * 0.3f + split * 0.75f);
        return Shade(ice, 0.92f + Fractal(u, v, 40, 2, 804) * 0.15f);
      },
      [](float u, float v) { return Fractal(u, v, 3, 5, 801) * 0.3f; },
      0.03f, 0.25f);
  Scatter(art.background, 40, 805, [&](Random& r, float x, float y) {
    float rad = static_cast<float>(r.Range(0.8, 2.2));
    Fill(art.background, Around(x, y, rad + 2), Ring(x, y, rad, 0.5f), Solid(Hex(0xbfe0f5, 0.5f)), Blend::Over, true);
  });

  // Cut blocks of clear ice.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 820 + look * 7;
    const int cells = look == 1 ? 4 : 3;
    auto albedo = [=](float u, float v) {
      float n = Fractal(u, v, 3, 3, seed + 1);
      Rgba ice = look == 5 ? Ramp({Hex(0x2a5c8c), Hex(0x4a86b4)}, 0.5f + n)
                           : Ramp({Hex(0x4f8fb8), Hex(0x78b4d6), Hex(0xa4d2ea)}, 0.5f + n);
      float edge = FacetEdge(u, v, cells, seed);
      ice = Mix(Hex(0xe6f6ff), ice, SmoothStep(0.0f, 0.025f, edge));
      if (look == 2) {
        CellSample b = Cellular(u, v, 7, seed + 2);
        if ((b.id & 3) == 0) ice = Mix(ice, Hex(0xf0f8ff), 1 - SmoothStep(0.05f, 0.09f, std::fabs(b.nearest - 0.18f)));
      }
      if (look == 3) ice = Mix(ice, Hex(0xf2f6fb), SmoothStep(-0.02f, 0.02f, 0.25f + Fractal(u, v, 3, 3, seed + 3) * 0.1f - v));
      if (look == 4) ice = Mix(ice, Hex(0xf4faff), SmoothStep(0.92f, 0.97f, Ridged(u, v, 2, 3, seed + 4)));
      return ice;
    };
    auto height = [=](float u, float v) { return FacetHeight(u, v, cells, seed); };
    art.walls[look] = WallLook(albedo, height, 0.35f, 0.5f, nullptr, 40.0f);
    NormaliseBrightness(art.walls[look], 0.55f);
  }
  return art;
}

StyleArt ReefStyle() {
  StyleArt art;
  // A sandy sea floor under green water, dappled with rippling light, with
  // pebbles and sea grass.
  art.background = BackgroundLook(
      [](float u, float v) {
        float n = Fractal(u, v, 3, 5, 901), patch = Fractal(u, v, 2, 4, 906);
        Rgba sea = Ramp({Hex(0x0a2a2a), Hex(0x164440), Hex(0x2a5a4a)}, 0.5f + n);
        sea = Mix(sea, Hex(0x4a6048), SmoothStep(0.0f, 0.4f, patch) * 0.6f);  // sand showing through
        // Caustics: the light's net, softened and warped.
        float wu = u + Fractal(u, v, 3, 3, 902) * 0.06f, wv = v + Fractal(u, v, 3, 3, 907) * 0.06f;
        CellSample c = Cellular(wu, wv, 9, 903, 1.0f);
        float caustic = std::pow(1 - SmoothStep(0.0f, 0.3f, c.second - c.nearest), 4.0f);
        sea = Mix(sea, Hex(0xa8e8c0), caustic * 0.3f);
        return Shade(sea, 0.92f + Fractal(u, v, 48, 2, 904) * 0.14f);
      },
      nullptr, 0);
  Scatter(art.background, 60, 908, [&](Random& r, float x, float y) {
    // Sea grass: a few curved blades swaying the same way.
    float lean = static_cast<float>(r.Range(-0.5, 0.5));
    for (int k = 0; k < 3; ++k) {
      float len = static_cast<float>(r.Range(9, 16)), bx = x + k * 2.0f;
      std::vector<Point> blade;
      for (int i = 0; i <= 4; ++i) {
        float t = i / 4.0f;
        blade.push_back({bx + lean * len * t * t + std::sin(t * 3 + k) * 0.8f, y - len * t});
      }
      Fill(art.background, Around(bx, y - len / 2, len + 3), Stroke(blade, 1.3f), Solid(Hex(0x4a8a3a, 0.8f)), Blend::Over, true);
    }
  });
  Scatter(art.background, 30, 905, [&](Random& r, float x, float y) {
    float rad = static_cast<float>(r.Range(1.2, 2.6));
    Fill(art.background, Around(x, y, rad + 2), Ellipse(x, y, rad, rad * 0.7f),
         RadialGradient({x - rad * 0.3f, y - rad * 0.3f}, rad * 1.5f, Hex(0x8a9a88), Hex(0x3a4a40)), Blend::Over, true);
  });

  // Coral: brain coral, polyps, tube coral, fans, anemones, barnacled rock.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 920 + look * 3;
    // All looks share the coral palette, from salmon to rose, so the reef reads as one.
    auto albedo = [=](float u, float v) -> Rgba {
      float n = Fractal(u, v, 4, 4, seed);
      Rgba base = Ramp({Hex(0x8a3a3a), Hex(0xc05a50), Hex(0xe08a6a)}, 0.5f + n);
      switch (look) {
        case 0: return Mix(Hex(0x7a3a30), Hex(0xe0a080), SmoothStep(0.6f, 0.9f, Ridged(u, v, 3, 2, seed + 1)));
        case 1: {
          CellSample c = Cellular(u, v, 7, seed + 2);
          return Mix(Hex(0xf8c8c0), Ramp({Hex(0x9a3a50), Hex(0xc85a6a)}, 0.5f + n), SmoothStep(0.15f, 0.25f, c.nearest));
        }
        case 2: {
          CellSample c = Cellular(u, v, 4, seed + 3, 0.7f);
          return Mix(Hex(0x4a1a10), Ramp({Hex(0xc0502a), Hex(0xf08a40)}, 0.5f + n), SmoothStep(0.12f, 0.2f, c.nearest));
        }
        case 3: {
          float a = std::atan2(v - 1.05f, u - 0.5f), r = std::hypot(u - 0.5f, v - 1.05f);
          float veins = 0.5f + 0.5f * std::sin(a * 30 + Fractal(u, v, 4, 2, seed) * 3);
          return Mix(Darken(base, 0.45f), Lighten(base, 0.2f), Clamp01(veins * 0.75f + 0.25f * std::sin(r * 50)));
        }
        case 4: {
          CellSample c = Cellular(u, v, 5, seed + 4, 0.8f);
          float tip = 1 - SmoothStep(0.08f, 0.14f, c.nearest);
          return Mix(base, (c.id & 1) ? Hex(0x9ad07a) : Hex(0xf0d070), tip);
        }
        default: {
          CellSample c = Cellular(u, v, 6, seed + 5);
          float ring = 1 - SmoothStep(0.0f, 0.06f, std::fabs(c.nearest - 0.25f));
          return Mix(Shade(base, 0.8f), Hex(0xf0e0d0), (c.id & 1) ? ring : 0.0f);
        }
      }
    };
    auto height = [=](float u, float v) -> float {
      switch (look) {
        case 0: return Ridged(u, v, 3, 2, seed + 1);
        case 1: return 1 - SmoothStep(0.0f, 0.25f, Cellular(u, v, 7, seed + 2).nearest) * 0.6f;
        case 2: return SmoothStep(0.1f, 0.25f, Cellular(u, v, 4, seed + 3, 0.7f).nearest);
        case 4: return 0.6f + (1 - SmoothStep(0.0f, 0.14f, Cellular(u, v, 5, seed + 4, 0.8f).nearest)) * 0.4f;
        default: return 0.5f + Fractal(u, v, 5, 4, seed + 6) * 0.4f;
      }
    };
    art.walls[look] = WallLook(albedo, height, 0.08f, 0.15f);
    NormaliseBrightness(art.walls[look], 0.44f);
  }
  return art;
}

namespace {

// The carved motifs of the jade tiles, as distances in cell pixels.
float JadeMotif(int look, float x, float y) {
  switch (look) {
    case 1: return std::fabs(CircleDistance(x, y, 16, 16, 8)) - 2.5f;                       // a bi disc
    case 2: {                                                                               // a square spiral
      std::vector<Point> p = {{8, 24}, {8, 8}, {24, 8}, {24, 24}, {12, 24}, {12, 12}, {20, 12}, {20, 20}, {16, 20}};
      float d = 1e9f;
      for (size_t i = 1; i < p.size(); ++i) d = std::min(d, SegmentDistance(x, y, p[i - 1], p[i]));
      return d - 1.1f;
    }
    case 3: {  // a cloud curl
      float d = 1e9f;
      Point prev{16, 16};
      for (int k = 1; k <= 60; ++k) {
        float t = k / 60.0f, a = t * 4.2f * kPi, r = 1 + t * 9;
        Point p{16 + std::cos(a) * r, 16 + std::sin(a) * r};
        d = std::min(d, SegmentDistance(x, y, prev, p));
        prev = p;
      }
      return d - 1.1f;
    }
    case 4: {  // a lattice of crossing bars
      float d = std::min({std::fabs(x - 11), std::fabs(x - 21), std::fabs(y - 11), std::fabs(y - 21)}) - 1.0f;
      return std::max(d, BoxDistance(x, y, 16, 16, 11, 11));
    }
    case 5: {  // a coin with a square hole
      float ring = std::fabs(CircleDistance(x, y, 16, 16, 10)) - 1.1f;
      float hole = std::fabs(BoxDistance(x, y, 16, 16, 3.5f, 3.5f)) - 1.1f;
      return std::min(ring, hole);
    }
    default: return std::fabs(BoxDistance(x, y, 16, 16, 11.5f, 11.5f, 3)) - 0.8f;  // a polished tile
  }
}

}  // namespace

StyleArt JadeStyle() {
  StyleArt art;
  // Black-green lacquer with drifting threads of gold.
  art.background = BackgroundLook(
      [](float u, float v) {
        float n = Fractal(u, v, 2, 4, 1001);
        Rgba lacquer = Ramp({Hex(0x06120c), Hex(0x0d2218), Hex(0x143024)}, 0.5f + n);
        float contour = Fractal(u, v, 2, 3, 1002) * 7;
        float line = std::fabs(contour - std::round(contour));
        float gold = 1 - SmoothStep(0.02f, 0.06f, line);
        return Mix(lacquer, Hex(0xb08a3a), gold * 0.55f);
      },
      [](float u, float v) { return Fractal(u, v, 2, 3, 1002) * 0.2f; }, 0.02f, 0.25f);

  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 1020 + look * 5;
    auto motif = [=](float u, float v) { return JadeMotif(look, u * kCell, v * kCell); };
    auto albedo = [=](float u, float v) {
      float cloud = Fractal(u, v, 3, 5, seed);
      Rgba jade = Ramp({Hex(0x2a6a48), Hex(0x3f8a5e), Hex(0x6ab088), Hex(0xa8d8b4)}, 0.45f + cloud * 0.9f);
      float vein = SmoothStep(0.9f, 0.97f, Ridged(u, v, 2, 3, seed + 1));
      jade = Mix(jade, Hex(0xd8f0dc), vein * 0.5f);
      float carved = Clamp01(0.5f - motif(u, v) * 1.2f);
      return Mix(jade, Hex(0x1c4a30), carved * 0.55f);
    };
    auto height = [=](float u, float v) {
      float carved = Clamp01(0.6f - motif(u, v) * 0.8f);
      float dome = 1 - 0.25f * (std::pow(std::fabs(u - 0.5f) * 2, 4.0f) + std::pow(std::fabs(v - 0.5f) * 2, 4.0f));
      return dome - carved * 0.35f;
    };
    art.walls[look] = WallLook(albedo, height, 0.06f, 0.45f, nullptr, 36.0f);
    NormaliseBrightness(art.walls[look], 0.42f);
  }
  return art;
}

StyleArt NightStyle() {
  StyleArt art;
  // A clear night: nebulae and stars.
  art.background = BackgroundLook(
      [](float u, float v) {
        float n = Fractal(u, v, 2, 6, 1101), m = Fractal(u, v, 3, 5, 1102);
        Rgba sky = Ramp({Hex(0x04040e), Hex(0x0a0a22), Hex(0x141236)}, 0.5f + n * 0.8f);
        float cloud = SmoothStep(0.0f, 0.5f, n + 0.1f);
        sky = Mix(sky, Ramp({Hex(0x3a1660), Hex(0x1a3a78), Hex(0x5a1a4a)}, 0.5f + m), cloud * 0.5f);
        return sky;
      },
      nullptr, 0);
  Scatter(art.background, 420, 1103, [&](Random& r, float x, float y) {
    float size = static_cast<float>(std::pow(r.Unit(), 5.0) * 2.2 + 0.5);
    Rgba c = Mix(Hex(0xfff4e0), Hex(0xc8d8ff), static_cast<float>(r.Unit()));
    Star(art.background, x, y, size, WithAlpha(c, static_cast<float>(r.Range(0.35, 1.0))));
  });

  // Amethyst and moonstone.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 1120 + look * 3;
    const int cells = 2 + look % 3;
    auto albedo = [=](float u, float v) -> Rgba {
      float n = Fractal(u, v, 3, 3, seed + 1);
      if (look == 5) {  // pale rose-amethyst
        Rgba gem = Ramp({Hex(0x6a3a8a), Hex(0x9a6ab8), Hex(0xc8a0e0)}, 0.5f + n);
        return Mix(Hex(0xf0e0ff), gem, SmoothStep(0.0f, 0.02f, FacetEdge(u, v, 5, seed)));
      }
      if (look == 4) {
        float r = std::hypot(u - 0.5f, v - 0.5f) * 2 + n * 0.1f;
        float band = 0.5f + 0.5f * std::sin(r * 22);
        Rgba geode = Mix(Hex(0x4a2a6a), Hex(0x9a70c8), band);
        return r < 0.35f ? Mix(Hex(0xe0c8ff), Hex(0x8a5ac0), Clamp01(FacetHeight(u, v, 6, seed))) : geode;
      }
      Rgba gem = Ramp({Hex(0x3a1a5a), Hex(0x6a3a9a), Hex(0x9a6ac8)}, 0.5f + n);
      return Mix(Hex(0xe8d8ff), gem, SmoothStep(0.0f, 0.02f, FacetEdge(u, v, cells, seed)));
    };
    auto height = [=](float u, float v) -> float {
      if (look == 5) return FacetHeight(u, v, 5, seed);
      if (look == 4) return 1 - std::hypot(u - 0.5f, v - 0.5f) * 0.4f;
      return FacetHeight(u, v, cells, seed);
    };
    art.walls[look] = WallLook(albedo, height, 0.3f, 0.45f, nullptr, 32.0f);
    if (look == 3) {
      // A star engraved in light.
      std::vector<Point> star;
      for (int k = 0; k < 10; ++k) {
        float a = -kPi / 2 + k * kPi / 5, rad = k % 2 ? 3.0f : 7.5f;
        star.push_back({16 + std::cos(a) * rad, 16.5f + std::sin(a) * rad});
      }
      Fill(art.walls[look], Around(16, 16, 9), Polygon(star), Solid(Hex(0xf4e8ff, 0.55f)), Blend::Add);
    }
    NormaliseBrightness(art.walls[look], 0.4f);
  }
  return art;
}

}  // namespace mkmedia
