// Crafted styles: library, clockwork, porcelain, circuit board and treasury.

#include <cmath>
#include <vector>

#include "filters.h"
#include "noise.h"
#include "style_helpers.h"
#include "styles.h"

namespace mkmedia {

namespace {

constexpr float kPi = 3.14159265f;

float Fract(float x) { return x - std::floor(x); }

// Basketweave parquet: blocks of four planks, turning a quarter at each block.
struct Parquet {
  float along, across;  // position along and across the plank
  float edge;           // distance to the nearest joint, in u units
  int plank;
};

Parquet ParquetAt(float u, float v, int blocks) {
  float x = u * blocks, y = v * blocks;
  int bx = static_cast<int>(std::floor(x)), by = static_cast<int>(std::floor(y));
  float fx = x - bx, fy = y - by;
  bx = (bx % blocks + blocks) % blocks;
  by = (by % blocks + blocks) % blocks;
  bool turned = ((bx + by) & 1) != 0;
  float along = turned ? fy : fx, across = (turned ? fx : fy) * 4;
  int plank = static_cast<int>(across);
  float f = across - plank;
  Parquet p{};
  p.along = along + bx * 0.37f + by * 0.61f;
  p.across = f;
  p.plank = plank + 4 * (bx * 31 + by * 17);
  p.edge = std::min({std::min(fx, 1 - fx), std::min(fy, 1 - fy), std::min(f, 1 - f) / 4}) / blocks;
  return p;
}

struct Book {
  float left, right, top;
  Rgba colour;
  int band;
};

// The books of one shelf row, filling u from 0.07 to 0.93.
std::vector<Book> ShelfRow(uint32_t seed, float rowTop, float rowBottom) {
  static const uint32_t colours[] = {0x7a1c1c, 0x1c4a2a, 0x1c2a5a, 0x8a6a1c, 0x5a2a10, 0x4a1a3a, 0x2a5a5a, 0x9a4a1a};
  std::vector<Book> books;
  Random r(seed);
  float x = 0.07f;
  while (x < 0.93f) {
    float w = static_cast<float>(r.Range(0.07, 0.13));
    if (x + w > 0.93f) w = 0.93f - x;
    if (w < 0.04f) break;
    float top = rowTop + static_cast<float>(r.Range(0.0, 0.35)) * (rowBottom - rowTop);
    books.push_back({x, x + w, top, Hex(colours[r.Int(0, 7)]), r.Int(0, 2)});
    x += w + 0.006f;
  }
  return books;
}

}  // namespace

StyleArt LibraryStyle() {
  StyleArt art;
  // Oak basketweave parquet, dark with age.
  art.background = BackgroundLook(
      [](float u, float v) {
        Parquet p = ParquetAt(u, v, 8);
        float tone = HashUnit(p.plank, 0, 1301);
        float grain = 0.5f + 0.5f * std::sin((p.across * 3 + Fractal(p.along * 0.5f, tone, 2, 2, 1302) * 2) * 2 * kPi);
        Rgba wood = Ramp({Hex(0x2a180c), Hex(0x3e2614), Hex(0x56361c)}, tone * 0.6f + grain * 0.3f);
        return Mix(Hex(0x120a04), wood, SmoothStep(0.0008f, 0.0025f, p.edge));
      },
      [](float u, float v) { return SmoothStep(0.0f, 0.004f, ParquetAt(u, v, 8).edge); }, 0.01f, 0.18f, 2);

  // Bookshelves: two rows of spines in a dark oak case.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 1320 + look * 7;
    const std::vector<Book> rows[2] = {ShelfRow(seed, 0.08f, 0.46f), ShelfRow(seed + 1, 0.54f, 0.92f)};
    auto find = [&rows](float u, float v) -> const Book* {
      int row = v < 0.5f ? 0 : 1;
      float bottom = row == 0 ? 0.46f : 0.92f;
      if (v > bottom) return nullptr;
      for (const Book& b : rows[row])
        if (u >= b.left && u < b.right && v >= b.top) return &b;
      return nullptr;
    };
    auto albedo = [=](float u, float v) -> Rgba {
      Rgba oak = Ramp({Hex(0x3a2412), Hex(0x5a3a1e)}, 0.5f + Fractal(u * 0.3f, v * 3, 2, 3, seed + 2));
      const Book* b = find(u, v);
      if (!b) {
        bool inside = u > 0.07f && u < 0.93f && ((v > 0.08f && v < 0.46f) || (v > 0.54f && v < 0.92f));
        return inside ? Hex(0x140c06) : oak;
      }
      float x = (u - b->left) / (b->right - b->left);
      Rgba c = Shade(b->colour, 0.8f + 0.4f * std::sin(x * kPi));
      float bandY = b->top + 0.05f + b->band * 0.04f;
      if (std::fabs(v - bandY) < 0.012f || std::fabs(v - bandY - 0.2f) < 0.012f) c = Hex(0xc8a040);
      return c;
    };
    auto height = [=](float u, float v) -> float {
      const Book* b = find(u, v);
      if (!b) {
        bool inside = u > 0.07f && u < 0.93f && ((v > 0.08f && v < 0.46f) || (v > 0.54f && v < 0.92f));
        return inside ? 0.0f : 1.0f;
      }
      float x = (u - b->left) / (b->right - b->left);
      return 0.5f + 0.3f * std::sin(x * kPi);
    };
    art.walls[look] = WallLook(albedo, height, 0.04f, 0.05f);
    NormaliseBrightness(art.walls[look], 0.34f);
  }
  return art;
}

namespace {

float GearDistance(float x, float y, float cx, float cy, float radius, int teeth) {
  float a = std::atan2(y - cy, x - cx), r = std::hypot(x - cx, y - cy);
  float tooth = SmoothStep(-0.3f, 0.3f, std::cos(a * teeth)) * radius * 0.22f;
  return std::max(r - radius * 0.8f - tooth, -(r - radius * 0.3f));
}

}  // namespace

StyleArt ClockworkStyle() {
  StyleArt art;
  // Steel tread plate.
  auto lozenge = [](float u, float v) {
    const int n = 16;
    float x = u * n, y = v * n;
    int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    float fx = x - cx - 0.5f, fy = y - cy - 0.5f;
    float a = ((cx + cy) & 1) ? 0.785f : -0.785f;
    float rx = fx * std::cos(a) + fy * std::sin(a), ry = -fx * std::sin(a) + fy * std::cos(a);
    return EllipseDistance(rx, ry, 0, 0, 0.36f, 0.09f);
  };
  art.background = BackgroundLook(
      [=](float u, float v) {
        Rgba steel = Ramp({Hex(0x1e2126), Hex(0x2c3036), Hex(0x3a3f46)}, 0.5f + Fractal(u, v, 4, 5, 1401));
        float wear = Fractal(u, v, 24, 2, 1402);
        return Shade(steel, 0.9f + wear * 0.2f);
      },
      [=](float u, float v) { return SmoothStep(0.05f, -0.05f, lozenge(u, v)) * 0.6f; }, 0.03f, 0.35f);

  // Brass machine panels.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 1420 + look * 5;
    auto feature = [=](float x, float y) -> float {  // negative where the part stands out
      switch (look) {
        case 0: return GearDistance(x, y, 16, 16, 11, 10);
        case 2: {
          float slot = 1e9f;
          for (int k = 0; k < 5; ++k) slot = std::min(slot, BoxDistance(x, y, 16, 7.5f + k * 4.3f, 9, 1.1f, 1));
          return -slot;  // slots are cut in
        }
        case 3: return BoxDistance(x, y, 16, 16, 17, 5.5f, 0);
        case 4: return CircleDistance(x, y, 16, 16, 10);
        case 5: {
          std::vector<Point> hex;
          for (int k = 0; k < 6; ++k) hex.push_back({16 + std::cos(k * kPi / 3) * 6.5f, 16 + std::sin(k * kPi / 3) * 6.5f});
          return PolygonDistance(x, y, hex);
        }
        default: return 99.0f;
      }
    };
    auto albedo = [=](float u, float v) -> Rgba {
      float x = u * kCell, y = v * kCell;
      float brushed = Fractal(u * 0.2f, v * 6, 2, 3, seed);
      Rgba brass = Ramp({Hex(0x6a4a1a), Hex(0x9a7430), Hex(0xc09a48)}, 0.5f + brushed * 0.8f);
      float f = feature(x, y);
      if (look == 3 && f < 0) {
        float across = (y - 10.5f) / 11;
        return Ramp({Hex(0x8a4020), Hex(0xd0804a), Hex(0x6a2a10)}, across);
      }
      if (look == 4 && f < 0) {
        Rgba face = Hex(0xe8dcc0);
        float r = std::hypot(x - 16, y - 16), a = std::atan2(y - 16, x - 16);
        if (r > 6.5f && r < 8.5f && std::fabs(std::sin(a * 6)) < 0.18f) face = Hex(0x2a2010);
        if (SegmentDistance(x, y, {16, 16}, {21, 11.5f}) < 0.7f) face = Hex(0x8a1a10);
        if (r < 1.3f) face = Hex(0x2a2010);
        return Mix(Hex(0x4a3410), face, SmoothStep(0.0f, -1.0f, f + 0.8f));
      }
      if (look == 2 && f > 0) return Hex(0x181208);
      return brass;
    };
    auto height = [=](float u, float v) -> float {
      float x = u * kCell, y = v * kCell;
      float f = feature(x, y);
      float h = 0.5f;
      if (look == 3) h = f < 0 ? 0.5f + 0.5f * std::sqrt(Clamp01(1 - std::pow((y - 16) / 5.5f, 2.0f))) : 0.5f;
      else if (look == 2) h = f > 0 ? 0.1f : 0.5f;
      else h = 0.5f + 0.35f * SmoothStep(0.5f, -1.0f, f);
      // Rivets in the corners.
      for (float cx : {4.5f, 27.5f})
        for (float cy : {4.5f, 27.5f}) {
          float d = std::hypot(x - cx, y - cy);
          if (d < 2.2f) h = std::max(h, 0.5f + 0.4f * std::sqrt(1 - d * d / 4.84f));
        }
      return h;
    };
    art.walls[look] = WallLook(albedo, height, 0.12f, 0.35f, nullptr, 28.0f);
    NormaliseBrightness(art.walls[look], 0.45f);
  }
  return art;
}

namespace {

// Cobalt brushwork on the porcelain blocks, as a distance in cell pixels.
float PorcelainMotif(int look, float x, float y) {
  float cx = x - 16, cy = y - 16, r = std::hypot(cx, cy), a = std::atan2(cy, cx);
  switch (look) {
    case 1: {  // waves
      float d = 1e9f;
      for (int row = 0; row < 3; ++row) d = std::min(d, std::fabs(y - (9 + row * 7) - 2.2f * std::sin(x * 0.55f)));
      return d - 1.0f;
    }
    case 2: {  // a chequered rim around a dot
      bool rim = std::max(std::fabs(cx), std::fabs(cy)) > 10;
      bool check = ((static_cast<int>(std::floor(x / 4)) + static_cast<int>(std::floor(y / 4))) & 1) != 0;
      return rim ? (check ? -1.0f : 1.0f) : CircleDistance(x, y, 16, 16, 3.5f);
    }
    case 3: {  // a branch with leaves
      float d = SegmentDistance(x, y, {5, 26}, {27, 7}) - 0.9f;
      for (int k = 1; k < 5; ++k) {
        Point p{5 + k * 4.4f, 26 - k * 3.8f};
        float side = k % 2 ? 1.0f : -1.0f;
        d = std::min(d, EllipseDistance(x, y, p.x + side * 3, p.y + side * 2.2f, 2.6f, 1.4f));
      }
      return d;
    }
    case 4: {  // a lattice of diamonds
      float u = Fract((cx + cy) / 8), v = Fract((cx - cy) / 8);
      return std::min(std::min(u, 1 - u), std::min(v, 1 - v)) * 5.6f - 0.7f;
    }
    case 5: return std::fabs(Fract(r / 5) - 0.5f) * 5 - 1.2f + (r > 13 ? 9 : 0);  // rings
    default: {  // a rosette of eight petals
      float petal = r - (6 + 5 * std::fabs(std::cos(a * 4)));
      return std::min(std::fabs(petal) - 0.9f, CircleDistance(x, y, 16, 16, 2.5f));
    }
  }
}

}  // namespace

StyleArt PorcelainStyle() {
  StyleArt art;
  // Deep cobalt glazed tiles with a pale painted star on each.
  art.background = BackgroundLook(
      [](float u, float v) {
        BrickCell t = Bricks(u, v, 4, 4, 0.0f);
        float x = t.localU - 0.5f, y = t.localV - 0.5f;
        float r = std::hypot(x, y), a = std::atan2(y, x);
        float star = r - (0.16f + 0.14f * std::pow(std::fabs(std::cos(a * 2)), 3.0f));
        float corner = std::min({std::hypot(t.localU, t.localV), std::hypot(1 - t.localU, t.localV),
                                 std::hypot(t.localU, 1 - t.localV), std::hypot(1 - t.localU, 1 - t.localV)}) - 0.14f;
        Rgba glaze = Ramp({Hex(0x0a1a48), Hex(0x10265e), Hex(0x18327a)}, 0.5f + Fractal(u, v, 6, 4, 1601));
        float paint = Clamp01(1 - SmoothStep(0.0f, 0.02f, std::min(std::fabs(star) - 0.01f, std::fabs(corner) - 0.01f)));
        glaze = Mix(glaze, Hex(0x4a6ab8), paint * 0.8f);
        return Mix(Hex(0x8a8a90), glaze, SmoothStep(0.002f, 0.006f, t.edge));
      },
      [](float u, float v) { return SmoothStep(0.0f, 0.02f, Bricks(u, v, 4, 4, 0.0f).edge); }, 0.02f, 0.5f);

  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 1620 + look;
    auto albedo = [=](float u, float v) {
      Rgba white = Ramp({Hex(0xc8ccd8), Hex(0xe4e8f0)}, 0.5f + Fractal(u, v, 3, 3, seed));
      float d = PorcelainMotif(look, u * kCell, v * kCell);
      float paint = Clamp01(0.5f - d);
      return Mix(white, Mix(Hex(0x1a3a9a), Hex(0x3a5ab8), Fractal(u, v, 8, 2, seed + 1) + 0.5f), paint * 0.9f);
    };
    auto height = [=](float u, float v) {
      return 1 - 0.4f * (std::pow(std::fabs(u - 0.5f) * 2, 6.0f) + std::pow(std::fabs(v - 0.5f) * 2, 6.0f));
    };
    art.walls[look] = WallLook(albedo, height, 0.08f, 0.55f, nullptr, 40.0f);
    NormaliseBrightness(art.walls[look], 0.52f);
  }
  return art;
}

StyleArt CircuitStyle() {
  StyleArt art;
  // A circuit board: dark laminate, teal traces, pads and vias.
  art.background = BackgroundLook(
      [](float u, float v) {
        return Ramp({Hex(0x04100e), Hex(0x081a18), Hex(0x0c2420)}, 0.5f + Fractal(u, v, 4, 4, 1701));
      },
      nullptr, 0);
  {
    Random r(1702);
    const float grid = 8;
    for (int k = 0; k < 70; ++k) {
      float x = static_cast<float>(r.Int(0, 31)) * grid + 4, y = static_cast<float>(r.Int(0, 31)) * grid + 4;
      std::vector<Point> path = {{x, y}};
      int dir = r.Int(0, 3);
      for (int step = 0, n = r.Int(3, 8); step < n; ++step) {
        float len = grid * static_cast<float>(r.Int(1, 4));
        static const float dx[] = {1, 0, -1, 0}, dy[] = {0, 1, 0, -1};
        // Traces bend 45 degrees now and then, as on a real board.
        float bx = dx[dir], by = dy[dir];
        if (r.Chance(0.3)) {
          bx += dy[dir];
          by += -dx[dir];
        }
        x += bx * len;
        y += by * len;
        path.push_back({x, y});
        if (r.Chance(0.4)) dir = (dir + (r.Chance(0.5) ? 1 : 3)) % 4;
      }
      Bounds b{1e9f, 1e9f, -1e9f, -1e9f};
      for (Point p : path) b = {std::min(b.x0, p.x - 4), std::min(b.y0, p.y - 4), std::max(b.x1, p.x + 4), std::max(b.y1, p.y + 4)};
      Rgba copper = r.Chance(0.5) ? Hex(0x2a8a7a, 0.75f) : Hex(0x7a8a3a, 0.6f);
      Fill(art.background, b, Stroke(path, 1.4f), Solid(copper), Blend::Over, true);
      for (Point end : {path.front(), path.back()}) {
        Fill(art.background, Around(end.x, end.y, 4), Circle(end.x, end.y, 2.4f), Solid(Hex(0xb0a050)), Blend::Over, true);
        Fill(art.background, Around(end.x, end.y, 2), Circle(end.x, end.y, 0.9f), Solid(Hex(0x04100e)), Blend::Over, true);
      }
    }
  }

  // Components in steel-blue housings with glowing detail.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 1720 + look;
    auto albedo = [=](float u, float v) -> Rgba {
      float x = u * kCell, y = v * kCell;
      Rgba body = Ramp({Hex(0x2e3a4c), Hex(0x44546a), Hex(0x56687e)}, 0.5f + Fractal(u, v, 3, 3, seed) + (1 - v) * 0.2f);
      switch (look) {
        case 0: {  // a chip: gold pins and a notch
          bool pin = (x < 4 || x > 28) && Fract(y / 4.0f) > 0.35f && y > 4 && y < 28;
          if (pin) return Hex(0xc8a040);
          if (x < 4 || x > 28) return Hex(0x0a1210);
          if (CircleDistance(x, y, 9, 9, 1.8f) < 0) return Hex(0x1a2230);
          return Darken(body, 0.3f);
        }
        case 1: {  // heat sink fins
          return Fract(x / 4.0f) < 0.5f ? Lighten(body, 0.25f) : Darken(body, 0.35f);
        }
        case 2: {  // LEDs
          float fx = Fract(x / 8.0f) - 0.5f, fy = Fract(y / 8.0f) - 0.5f;
          if (std::hypot(fx, fy) < 0.26f) {
            static const uint32_t leds[] = {0x40f0d0, 0xf04080, 0xf0c040};
            int i = static_cast<int>(x / 8) + static_cast<int>(y / 8);
            return Hex(leds[i % 3]);
          }
          return Darken(body, 0.2f);
        }
        case 3: {  // glowing cross-lines
          float d = std::min(std::fabs(x - 16), std::fabs(y - 16));
          return Mix(body, Hex(0x50f0e0), 1 - SmoothStep(0.6f, 1.6f, d));
        }
        case 4: {  // a connector slot
          if (BoxDistance(x, y, 16, 16, 11, 4, 1) < 0) {
            bool contact = Fract(x / 3.0f) < 0.4f && std::fabs(y - 16) < 2.5f;
            return contact ? Hex(0xc8a040) : Hex(0x0a0e14);
          }
          return body;
        }
        default: {  // a hexagonal mesh
          CellSample c = Cellular(u, v, 4, seed + 1, 0.0f);
          return Mix(Hex(0x1a2230), body, SmoothStep(0.06f, 0.12f, c.second - c.nearest));
        }
      }
    };
    auto height = [=](float u, float v) -> float {
      float x = u * kCell, y = v * kCell;
      switch (look) {
        case 1: return 0.5f + 0.4f * std::sin(Fract(x / 4.0f) * kPi);
        case 4: return BoxDistance(x, y, 16, 16, 11, 4, 1) < 0 ? 0.1f : 0.7f;
        case 5: return SmoothStep(0.04f, 0.14f, Cellular(u, v, 4, seed + 1, 0.0f).second - Cellular(u, v, 4, seed + 1, 0.0f).nearest);
        default: return 0.6f;
      }
    };
    art.walls[look] = WallLook(albedo, height, 0.08f, 0.4f, nullptr, 30.0f);
    NormaliseBrightness(art.walls[look], 0.38f);
  }
  return art;
}

namespace {

// The damask motif, mirrored so that it repeats seamlessly: a distance in motif units.
float DamaskDistance(float u, float v) {
  float x = Fract(u * 4), y = Fract(v * 4);
  // Alternate rows are offset by half a motif.
  if (static_cast<int>(std::floor(v * 4)) % 2) x = Fract(x + 0.5f);
  float mx = std::fabs(x - 0.5f), my = y - 0.5f;
  float bud = EllipseDistance(mx, my, 0, -0.12f, 0.09f, 0.2f);
  float leaf = EllipseDistance(mx, my, 0.17f, 0.08f, 0.16f, 0.07f);
  float stem = SegmentDistance(mx, my, {0, -0.05f}, {0, 0.32f}) - 0.025f;
  float curl = std::fabs(CircleDistance(mx, my, 0.22f, -0.18f, 0.1f)) - 0.018f;
  return std::min({bud, leaf, stem, curl});
}

}  // namespace

StyleArt TreasuryStyle() {
  StyleArt art;
  // Royal blue velvet with a gold damask: the frame round the board is the
  // crimson one.
  art.background = BackgroundLook(
      [](float u, float v) {
        float n = Fractal(u, v, 3, 5, 1801), pile = Fractal(u, v, 64, 2, 1802);
        Rgba velvet = Shade(Ramp({Hex(0x060a2c), Hex(0x0c1646), Hex(0x142262)}, 0.5f + n), 0.9f + pile * 0.2f);
        float d = DamaskDistance(u, v);
        return Mix(velvet, Hex(0xa07a30), (1 - SmoothStep(-0.004f, 0.004f, d)) * 0.5f);
      },
      [](float u, float v) { return (1 - SmoothStep(-0.01f, 0.01f, DamaskDistance(u, v))) * 0.3f; }, 0.01f, 0.2f);

  // Gold: ingots, jewelled plates, engraving.
  for (int look = 0; look < kWallLooks; ++look) {
    const uint32_t seed = 1820 + look;
    static const uint32_t gems[] = {0xc01028, 0x10a050, 0x2050d0};
    auto gem = [=](float x, float y) {
      if (look < 1 || look > 3) return 99.0f;
      std::vector<Point> p;
      for (int k = 0; k < 8; ++k) p.push_back({16 + std::cos(k * kPi / 4 + kPi / 8) * 7, 16 + std::sin(k * kPi / 4 + kPi / 8) * 7});
      return PolygonDistance(x, y, p);
    };
    auto albedo = [=](float u, float v) -> Rgba {
      float x = u * kCell, y = v * kCell;
      Rgba gold = Ramp({Hex(0x7a5410), Hex(0xb8862a), Hex(0xe0b850)}, 0.5f + Fractal(u, v, 3, 3, seed) * 0.8f);
      float g = gem(x, y);
      if (g < 0) {
        Rgba c = Hex(gems[look - 1]);
        float facet = std::fabs(std::sin(std::atan2(y - 16, x - 16) * 4));
        return Mix(Darken(c, 0.4f), Lighten(c, 0.35f), facet * 0.6f + (16 - y) / 16 * 0.3f);
      }
      if (look == 0) {
        BrickCell b = Bricks(u, v, 2, 1, 0.5f);
        return Mix(Hex(0x4a3008), gold, SmoothStep(0.01f, 0.03f, b.edge));
      }
      if (look == 4 || look == 5) {
        float d = look == 4 ? std::fabs(CircleDistance(x, y, 16, 16, 8)) - 0.8f
                            : std::fabs(std::sin(std::atan2(y - 16, x - 16) * 3 + std::hypot(x - 16, y - 16) * 0.5f)) * 3 - 0.8f;
        if (look == 5 && std::hypot(x - 16, y - 16) > 12) d = 9;
        return Mix(gold, Hex(0x5a3a08), Clamp01(0.5f - d) * 0.6f);
      }
      return gold;
    };
    auto height = [=](float u, float v) -> float {
      float x = u * kCell, y = v * kCell;
      float g = gem(x, y);
      if (g < 0) return 0.8f + 0.2f * SmoothStep(0.0f, -3.0f, g);
      if (look == 0) return SmoothStep(0.0f, 0.08f, Bricks(u, v, 2, 1, 0.5f).edge) * 0.7f;
      float plate = 1 - 0.3f * (std::pow(std::fabs(u - 0.5f) * 2, 4.0f) + std::pow(std::fabs(v - 0.5f) * 2, 4.0f));
      return g < 1.5f ? 0.55f : plate * 0.7f;
    };
    art.walls[look] = WallLook(albedo, height, 0.08f, 0.55f, nullptr, 26.0f);
    NormaliseBrightness(art.walls[look], 0.5f);
  }
  return art;
}

}  // namespace mkmedia
