// Outdoor styles: meadow, shore, forest floor and snowfield.

#include <cmath>

#include "filters.h"
#include "noise.h"
#include "style_helpers.h"
#include "styles.h"

namespace mkmedia {

namespace {

constexpr float kPi = 3.14159265f;

// A rounded, slightly lumpy boulder filling most of the cell (borderless styles).
float BoulderDistance(float u, float v, uint32_t seed, float half = 0.43f) {
  float angle = std::atan2(v - 0.5f, u - 0.5f);
  float wobble = 0.025f * Noise1(angle * 1.6f + 10, seed) + 0.012f * Noise1(angle * 4.0f + 3, seed + 1);
  return BoxDistance(u, v, 0.5f, 0.5f, half, half, 0.2f) - wobble;
}

}  // namespace

StyleArt MeadowStyle() {
  StyleArt art;
  // Sunny grass, darker in the hollows, with blades and a few flowers.
  art.background = BackgroundLook(
      [](float u, float v) {
        float n = Fractal(u, v, 4, 5, 101);
        float fine = Fractal(u, v, 48, 2, 102);
        Rgba c = Ramp({Hex(0x1f3d14), Hex(0x35621f), Hex(0x4f7f27), Hex(0x6a942f)}, 0.45f + n * 0.9f);
        return Shade(c, 0.92f + fine * 0.16f);
      },
      [](float u, float v) { return Fractal(u, v, 32, 3, 103) * 0.5f; }, 0.02f);
  Scatter(art.background, 2600, 104, [&](Random& r, float x, float y) {
    float len = static_cast<float>(r.Range(3.5, 8.0));
    float lean = static_cast<float>(r.Range(-0.6, 0.6));
    Rgba c = r.Chance(0.5) ? Hex(0x7aa83a, 0.55f) : Hex(0x17300f, 0.5f);
    Fill(art.background, Around(x, y, len + 2), Stroke({{x, y}, {x + lean * len, y - len}}, 0.9f), Solid(c),
         Blend::Over, true);
  });
  Scatter(art.background, 34, 105, [&](Random& r, float x, float y) {
    static const uint32_t petals[] = {0xf4f1e6, 0xf6d848, 0xe8a3c6, 0xbfd7f5};
    Rgba petal = Hex(petals[r.Int(0, 3)]);
    float angle = static_cast<float>(r.Range(0, 6.28));
    for (int k = 0; k < 5; ++k) {
      float a = angle + k * 2 * kPi / 5;
      Fill(art.background, Around(x, y, 5), Circle(x + std::cos(a) * 1.6f, y + std::sin(a) * 1.6f, 1.3f),
           Solid(petal), Blend::Over, true);
    }
    Fill(art.background, Around(x, y, 2), Circle(x, y, 0.9f), Solid(Hex(0xe0a020)), Blend::Over, true);
  });

  // Pale limestone boulders with moss, lichen and the odd flower.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 200 + look * 17;
    const float moss = look == 1 ? 0.75f : look == 3 ? 0.45f : 0.2f;
    auto distance = [=](float u, float v) { return BoulderDistance(u, v, seed); };
    auto height = [=](float u, float v) {
      float d = distance(u, v);
      float dome = BevelHeight(d, 0.22f);
      float lumps = Fractal(u, v, 3, 4, seed + 1) * 0.12f;
      float crack = look == 2 ? -0.35f * (1 - SmoothStep(0.0f, 0.02f, std::fabs(u - 0.45f - 0.12f * std::sin(v * 7))))
                              : 0.0f;
      return dome * (1 + lumps) + (dome > 0.5f ? crack : 0);
    };
    auto albedo = [=](float u, float v) {
      float n = Fractal(u, v, 4, 4, seed + 2);
      Rgba stone = Ramp({Hex(0x7d7766), Hex(0xa39c87), Hex(0xc2baa2)}, 0.5f + n);
      float m = Fractal(u, v, 3, 4, seed + 3) + (0.55f - v) * 0.9f;
      float mossy = SmoothStep(0.55f - moss, 0.7f - moss, m);
      stone = Mix(stone, Ramp({Hex(0x34501a), Hex(0x5a7626)}, 0.5f + n), mossy);
      if (look == 5) {
        float lichen = 1 - SmoothStep(0.18f, 0.24f, Cellular(u, v, 7, seed + 4).nearest);
        stone = Mix(stone, Hex(0xc99a3a), lichen * 0.7f);
      }
      return stone;
    };
    art.walls[look] = WallLook(albedo, height, 0.09f, 0.06f, [=](float u, float v) {
      return Clamp01(0.5f - distance(u, v) * kCell);
    });
    if (look == 4 || look == 3) {
      // A tuft of flowers in the moss on top.
      Random r(seed + 9);
      for (int k = 0; k < 4; ++k) {
        float x = static_cast<float>(r.Range(9, 23)), y = static_cast<float>(r.Range(6, 12));
        Fill(art.walls[look], Around(x, y, 3), Circle(x, y, 1.3f), Solid(look == 4 ? Hex(0xf6f0dc) : Hex(0xf2c94c)));
        Fill(art.walls[look], Around(x, y, 2), Circle(x, y, 0.5f), Solid(Hex(0xd08a1a)));
      }
    }
    NormaliseBrightness(art.walls[look], 0.5f);
    DropShadowInCell(art.walls[look]);
  }
  return art;
}

StyleArt ShoreStyle() {
  StyleArt art;
  // Wet sand combed into ripples by the tide, with pebbles and bits of shell.
  auto ripple = [](float u, float v) {
    float warp = Fractal(u, v, 3, 4, 301) * 0.09f + 0.02f * std::sin(2 * kPi * 2 * u);
    return 0.5f + 0.5f * std::sin(2 * kPi * 16 * (v + warp));
  };
  art.background = BackgroundLook(
      [=](float u, float v) {
        float n = Fractal(u, v, 4, 5, 302);
        Rgba sand = Ramp({Hex(0x5e4a33), Hex(0x7c6446), Hex(0x977b56)}, 0.5f + n * 0.9f);
        float grain = Fractal(u, v, 64, 2, 303);
        return Shade(Mix(sand, Hex(0xa48a62), ripple(u, v) * 0.18f), 0.94f + grain * 0.12f);
      },
      [=](float u, float v) { return ripple(u, v) * 0.5f + Fractal(u, v, 64, 2, 304) * 0.1f; }, 0.012f);
  Scatter(art.background, 70, 305, [&](Random& r, float x, float y) {
    float rx = static_cast<float>(r.Range(1.2, 3.2)), ry = rx * static_cast<float>(r.Range(0.6, 0.9));
    Rgba c = Ramp({Hex(0x4a4640), Hex(0x7d766b), Hex(0xb3a996)}, static_cast<float>(r.Unit()));
    Fill(art.background, Around(x, y, rx + 2), Ellipse(x + 0.6f, y + 0.8f, rx, ry), Solid(Hex(0x2a2016, 0.5f)),
         Blend::Over, true);
    Fill(art.background, Around(x, y, rx + 2), Ellipse(x, y, rx, ry),
         RadialGradient({x - rx * 0.4f, y - ry * 0.4f}, rx * 1.6f, Lighten(c, 0.35f), Darken(c, 0.2f)), Blend::Over,
         true);
  });
  Scatter(art.background, 26, 306, [&](Random& r, float x, float y) {
    float a = static_cast<float>(r.Range(0, 6.28)), len = static_cast<float>(r.Range(2, 3.5));
    Point tip{x + std::cos(a) * len, y + std::sin(a) * len};
    Point l{x + std::cos(a + 2.2f) * len * 0.7f, y + std::sin(a + 2.2f) * len * 0.7f};
    Point rr{x + std::cos(a - 2.2f) * len * 0.7f, y + std::sin(a - 2.2f) * len * 0.7f};
    Fill(art.background, Around(x, y, len + 2), Polygon({tip, l, rr}), Solid(Hex(0xe9d6c8, 0.85f)), Blend::Over,
         true);
  });

  // Dark wet sea rocks: barnacles, weed, a starfish, mussels.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 320 + look * 13;
    auto distance = [=](float u, float v) { return BoulderDistance(u, v, seed, 0.44f); };
    auto height = [=](float u, float v) {
      return BevelHeight(distance(u, v), 0.25f) * (1 + Fractal(u, v, 4, 4, seed + 1) * 0.15f);
    };
    auto albedo = [=](float u, float v) {
      float n = Fractal(u, v, 5, 4, seed + 2);
      Rgba rock = Ramp({Hex(0x2c3640), Hex(0x4b5863), Hex(0x6d7a84)}, 0.5f + n);
      if (look == 1 || look == 4) {
        CellSample c = Cellular(u, v, 9, seed + 3);
        float ring = 1 - SmoothStep(0.0f, 0.05f, std::fabs(c.nearest - 0.22f));
        if ((c.id & 3) == 0) rock = Mix(rock, Hex(0xcfc8b8), ring);
      }
      if (look == 2 || look == 5) {
        float weed = SmoothStep(0.1f, 0.25f, Fractal(u, v, 3, 4, seed + 4) + (v - 0.55f) * 1.4f);
        rock = Mix(rock, look == 2 ? Hex(0x3d5a24) : Hex(0x5f7a3a), weed * 0.85f);
      }
      return rock;
    };
    art.walls[look] = WallLook(albedo, height, 0.1f, 0.35f, [=](float u, float v) {
      return Clamp01(0.5f - distance(u, v) * kCell);
    }, 30.0f);
    Image& w = art.walls[look];
    if (look == 3) {
      std::vector<Point> star;
      for (int k = 0; k < 10; ++k) {
        float a = -kPi / 2 + k * kPi / 5 + 0.3f, rad = k % 2 ? 2.4f : 6.5f;
        star.push_back({14 + std::cos(a) * rad, 14 + std::sin(a) * rad});
      }
      Fill(w, Around(14, 14, 9), Grow(Polygon(star), 0.6f), RadialGradient({13, 13}, 8, Hex(0xf09a4a), Hex(0xb8502a)));
    }
    if (look == 4) {
      Random r(seed + 5);
      for (int k = 0; k < 5; ++k) {
        float x = static_cast<float>(r.Range(10, 22)), y = static_cast<float>(r.Range(14, 24));
        Fill(w, Around(x, y, 5), Transformed(Ellipse(0, 0, 3.2f, 1.6f), x, y, static_cast<float>(r.Range(-1, 1)), 1),
             LinearGradient({x - 2, y - 2}, Hex(0x4a5a86), {x + 2, y + 2}, Hex(0x161a2c)));
      }
    }
    NormaliseBrightness(w, 0.36f);
    DropShadowInCell(w);
  }
  return art;
}

namespace {

// Wood grain across a plank: along is the grain direction, across the other.
Rgba Wood(float along, float across, uint32_t seed, Rgba dark, Rgba light) {
  float warp = Fractal(along * 0.5f, across * 0.5f, 2, 3, seed) * 1.2f;
  float rings = 0.5f + 0.5f * std::sin((across * 9 + warp * 2.5f) * 2 * kPi);
  float streak = Fractal(along * 0.25f, across * 4, 4, 3, seed + 1);
  return Mix(dark, light, Clamp01(rings * 0.55f + 0.25f + streak * 0.5f));
}

}  // namespace

StyleArt ForestStyle() {
  StyleArt art;
  // Dark humus strewn with fallen leaves, needles and twigs.
  art.background = BackgroundLook(
      [](float u, float v) {
        float n = Fractal(u, v, 4, 5, 401), fine = Fractal(u, v, 48, 2, 402);
        return Shade(Ramp({Hex(0x1d150d), Hex(0x2f2316), Hex(0x45331f)}, 0.5f + n), 0.9f + fine * 0.2f);
      },
      [](float u, float v) { return Fractal(u, v, 24, 3, 403) * 0.5f; }, 0.02f);
  Scatter(art.background, 260, 404, [&](Random& r, float x, float y) {
    float a = static_cast<float>(r.Range(0, 6.28));
    Point p{x + std::cos(a) * 6, y + std::sin(a) * 6};
    Fill(art.background, Around(x, y, 8), Stroke({{x, y}, p}, 0.7f), Solid(Hex(0x6b5536, 0.6f)), Blend::Over, true);
  });
  Scatter(art.background, 150, 405, [&](Random& r, float x, float y) {
    static const uint32_t tones[] = {0x8a3b1a, 0xa3651f, 0x7d6a24, 0x5e2a18, 0x9c4f1c};
    Rgba c = Darken(Hex(tones[r.Int(0, 4)]), static_cast<float>(r.Range(0.25, 0.5)));
    float len = static_cast<float>(r.Range(4, 7.5)), a = static_cast<float>(r.Range(0, 6.28));
    Shape leaf = Transformed(Intersect(Circle(0, -len * 0.55f, len), Circle(0, len * 0.55f, len)), x, y, a, 1);
    Fill(art.background, Around(x, y, len * 1.3f + 2), Grow(leaf, 0.4f), Solid(Hex(0x0e0906, 0.5f)), Blend::Over,
         true);
    Fill(art.background, Around(x, y, len * 1.3f), leaf, Solid(c), Blend::Over, true);
    Point a0{x - std::cos(a) * len * 0.9f, y - std::sin(a) * len * 0.9f};
    Point a1{x + std::cos(a) * len * 0.9f, y + std::sin(a) * len * 0.9f};
    Fill(art.background, Around(x, y, len + 2), Stroke({a0, a1}, 0.5f), Solid(Darken(c, 0.4f)), Blend::Over, true);
  });

  // Planks, crates and log ends of oak.
  const Rgba dark = Hex(0x5a3b1f), light = Hex(0x9c6d3c);
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 420 + look * 11;
    auto albedo = [=](float u, float v) -> Rgba {
      switch (look) {
        case 1: {
          int plank = static_cast<int>(u * 3);
          return Wood(v, u * 3 - plank, seed + plank, dark, light);
        }
        case 2: {
          bool frame = u < 0.16f || u > 0.84f || v < 0.16f || v > 0.84f;
          if (frame) return Wood(u < 0.16f || u > 0.84f ? v : u, u < 0.16f || u > 0.84f ? u : v, seed, dark, light);
          return Wood((u + v) * 0.7f, (u - v) * 0.7f, seed + 1, Darken(dark, 0.1f), light);
        }
        case 3: {
          float r = std::hypot(u - 0.5f, v - 0.5f) * 2 + Fractal(u, v, 3, 3, seed) * 0.06f;
          if (r > 0.86f) return Ramp({Hex(0x3a2818), Hex(0x5a4028)}, Fractal(u, v, 8, 3, seed + 2) + 0.5f);
          float rings = 0.5f + 0.5f * std::sin(r * 38);
          return Mix(Hex(0x9a7448), Hex(0xc49a64), rings * 0.6f + (1 - r) * 0.3f);
        }
        default: {
          int plank = static_cast<int>(v * 3);
          Rgba wood = Wood(u, v * 3 - plank, seed + plank, dark, light);
          if (look == 4) {
            float moss = SmoothStep(0.15f, 0.3f, Fractal(u, v, 4, 4, seed + 5) + (0.35f - v) * 1.5f);
            wood = Mix(wood, Hex(0x4f6a24), moss);
          }
          return wood;
        }
      }
    };
    auto height = [=](float u, float v) -> float {
      auto grooves = [](float t, int n) { float f = t * n - std::floor(t * n); return SmoothStep(0.0f, 0.06f, f) * SmoothStep(1.0f, 0.94f, f); };
      switch (look) {
        case 1: return grooves(u, 3);
        case 2: {
          bool frame = u < 0.16f || u > 0.84f || v < 0.16f || v > 0.84f;
          float brace = std::fabs(u - v) < 0.1f ? 1.0f : 0.6f;
          return frame ? 1.0f : brace;
        }
        case 3: {
          float r = std::hypot(u - 0.5f, v - 0.5f) * 2;
          return r > 0.86f ? 0.8f + Fractal(u, v, 8, 3, seed + 2) * 0.3f : 0.9f - 0.03f * std::sin(r * 38);
        }
        default: return grooves(v, 3);
      }
    };
    art.walls[look] = WallLook(albedo, height, 0.05f, 0.05f);
    if (look == 5 || look == 2) {
      // Nail heads (and iron bands on look 5).
      Image& w = art.walls[look];
      if (look == 5)
        for (float y : {7.0f, 24.0f})
          Fill(w, {0, y - 3, 32, y + 3}, RoundBox(-2, y - 2, 34, y + 2, 0.5f),
               LinearGradient({0, y - 2}, Hex(0x8d8d92), {0, y + 2}, Hex(0x3b3b40)));
      const float rows[2] = {look == 5 ? 7.0f : 4.5f, look == 5 ? 24.0f : 27.5f};
      for (float x : {4.5f, 27.5f})
        for (float y : rows)
          Fill(w, Around(x, y, 3), Circle(x, y, 1.3f), RadialGradient({x - 0.5f, y - 0.5f}, 1.8f, Hex(0xc8c8cc), Hex(0x3a3a3e)));
    }
    NormaliseBrightness(art.walls[look], 0.42f);
  }
  return art;
}

StyleArt SnowStyle() {
  StyleArt art;
  // A snowfield at dusk: blue drifts with glints of frost.
  art.background = BackgroundLook(
      [](float u, float v) {
        float n = Fractal(u, v, 3, 5, 1201);
        return Ramp({Hex(0x28324c), Hex(0x3a4664), Hex(0x52608a), Hex(0x6c7aa0)}, 0.5f + n * 0.9f);
      },
      [](float u, float v) { return Fractal(u, v, 3, 5, 1201) * 0.8f + Fractal(u, v, 32, 2, 1202) * 0.05f; }, 0.05f,
      0.15f);
  Scatter(art.background, 160, 1203, [&](Random& r, float x, float y) {
    float s = static_cast<float>(r.Range(0.4, 1.0));
    Fill(art.background, Around(x, y, 3), Circle(x, y, 0.5f + s * 0.4f), Solid(Hex(0xf4f8ff, s)), Blend::Over, true);
  });

  // Granite blocks under caps of snow.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 1220 + look * 7;
    const float depthOfSnow = look == 3 ? 0.42f : look == 5 ? 0.12f : 0.26f;
    auto snow = [=](float u, float v) {
      return SmoothStep(-0.03f, 0.03f, depthOfSnow + Fractal(u, v, 3, 3, seed) * 0.12f - v);
    };
    auto albedo = [=](float u, float v) {
      float n = Fractal(u, v, 6, 3, seed + 1), speck = Fractal(u, v, 40, 1, seed + 2);
      Rgba granite = look == 5 ? Ramp({Hex(0x3e3c44), Hex(0x5a5660)}, 0.5f + n)
                               : Ramp({Hex(0x5d5660), Hex(0x7d7480), Hex(0x948a92)}, 0.5f + n);
      if (look == 1) {  // banded gneiss
        float band = 0.5f + 0.5f * std::sin((v * 5 + Fractal(u, v, 2, 3, seed + 7) * 1.2f) * 2 * kPi);
        granite = Mix(granite, Hex(0x3a3440), SmoothStep(0.6f, 0.9f, band) * 0.6f);
      }
      granite = Shade(granite, 0.85f + speck * 0.4f);
      if (look == 2) {
        float crack = Ridged(u, v, 2, 3, seed + 3);
        granite = Mix(granite, Hex(0xc8d8ee), SmoothStep(0.9f, 0.97f, crack) * 0.8f);
      }
      return Mix(granite, Ramp({Hex(0xb9c6dc), Hex(0xeef3fb)}, 0.5f + n), snow(u, v));
    };
    auto height = [=](float u, float v) {
      return snow(u, v) * 0.6f + Fractal(u, v, 6, 3, seed + 4) * 0.15f;
    };
    art.walls[look] = WallLook(albedo, height, 0.12f, 0.1f);
    Image& w = art.walls[look];
    if (look == 4) {
      // A frost star on the stone.
      for (int k = 0; k < 6; ++k) {
        float a = k * 3.14159265f / 3;
        Point tip{17 + std::cos(a) * 8, 20 + std::sin(a) * 8};
        Fill(w, {7, 10, 27, 30}, Stroke({{17, 20}, tip}, 1.1f), Solid(Hex(0xe8f2ff, 0.9f)));
        for (float side : {-0.6f, 0.6f}) {
          Point mid{17 + std::cos(a) * 5, 20 + std::sin(a) * 5};
          Fill(w, {7, 10, 27, 30}, Stroke({mid, {mid.x + std::cos(a + side) * 2.6f, mid.y + std::sin(a + side) * 2.6f}}, 0.8f),
               Solid(Hex(0xe8f2ff, 0.8f)));
        }
      }
    }
    NormaliseBrightness(w, 0.5f);
  }
  return art;
}

}  // namespace mkmedia
