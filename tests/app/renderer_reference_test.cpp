// Whole frames against pictures kept under tests/app/reference/, captured
// from the renderer as it stood before it moved to shaders (fixed function,
// client-side arrays): every blend the game uses with colour, alpha, rotation,
// scale, filtering, lines, text and a clipped viewport, the busy level frame
// and a shipped level in play. The renderer must give the same pixels, each
// channel within the tolerance below.
//
// MARROWICK_WRITE_REFERENCES=1 writes the pictures instead of comparing (only
// ever from a renderer known to draw right).

#include <cstdlib>
#include <iostream>
#include <string>

#include "app/game_draw_fixture.h"
#include "platform/codecs/image_codec.h"

using namespace platform;

namespace {

// Both renderers run on the same rasteriser with the same vertex positions;
// the fragment arithmetic may round differently by one step.
constexpr int kChannelTolerance = 1;
// The old renderer cut small pictures with clear parts (the particles, the
// tile borders) into pieces; drawn whole, a turned or scaled picture may pick
// the neighbouring texel on a pixel that lay on a seam between two pieces.
// A handful of such pixels per frame is allowed; a wrong blend, offset or
// filter changes thousands.
constexpr int kSeamPixels = 8;

std::string ReferencePath(const std::string& name) {
  return SourceDir() + "/tests/app/reference/" + name + ".png";
}

// A picture whose pixels come from `argb(x, y, frame)`.
template <typename Paint>
TImage Painted(int width, int height, int frames, int flags, Paint argb) {
  TImage image = CreateImage(width, height, frames, flags);
  for (int f = 0; f < frames; ++f) {
    TPixmap pixels = LockImage(image, f);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) pixels.WritePixel(x, y, argb(x, y, f));
    }
    UnlockImage(image, f);
  }
  return image;
}

uint32_t Argb(int a, int r, int g, int b) {
  return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
         static_cast<uint32_t>(b);
}

class RendererReference : public GameDrawTest {
 protected:
  // The frame `draw` makes against the stored picture of that name: read back
  // while it is drawn, and again once presented (the renderer then takes
  // another way: the frame compared with the last, straight to the window).
  static void ExpectReference(const std::string& name, const std::function<void()>& draw) {
    draw();
    ExpectFrameIs(name);
    if (std::getenv("MARROWICK_WRITE_REFERENCES")) return;
    SCOPED_TRACE("presented");
    draw();
    Flip(0);
    ExpectFrameIs(name);
  }

  static void ExpectFrameIs(const std::string& name) {
    const TPixmap drawn = GrabBackBuffer();
    ASSERT_EQ(drawn.Width(), 800);
    if (std::getenv("MARROWICK_WRITE_REFERENCES")) {
      ASSERT_TRUE(SavePixmapPNG(drawn, ReferencePath(name), 9));
      return;
    }
    const auto expected = DecodeImageFile(ReferencePath(name));
    ASSERT_TRUE(expected) << ReferencePath(name);
    ASSERT_EQ(expected->width, drawn.Width());
    ASSERT_EQ(expected->height, drawn.Height());
    int worst = 0, rounded = 0, beyond = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < drawn.Height(); ++y) {
      for (int x = 0; x < drawn.Width(); ++x) {
        const uint32_t a = drawn.get()->pixels[static_cast<size_t>(y) * drawn.Width() + x];
        const uint32_t b = expected->pixels[static_cast<size_t>(y) * expected->width + x];
        int most = 0;
        for (int shift = 0; shift < 24; shift += 8) {
          most = std::max(most, std::abs(static_cast<int>(a >> shift & 255) - static_cast<int>(b >> shift & 255)));
        }
        worst = std::max(worst, most);
        if (most == 0) continue;
        if (most <= kChannelTolerance) {
          ++rounded;
        } else if (beyond++ == 0) {
          firstX = x, firstY = y;
        }
      }
    }
    std::cout << name << ": " << rounded << " pixels within " << kChannelTolerance << ", " << beyond
              << " beyond, the largest difference " << worst << "\n";
    EXPECT_LE(beyond, kSeamPixels) << name << ": the first beyond the tolerance at (" << firstX << ", " << firstY
                                   << ")";
  }

  void MakeBusyLevel() {
    Resources::SelectBackground(2);
    level.CurrentMap = std::make_shared<mapType>();
    for (int x = 0; x < board::Width; ++x) {
      for (int y = 0; y < board::Height; ++y) level.CurrentMap->tiles[x][y] = tile::FirstWall + (x + y) % 6;
    }
    level.CurrentMap->startX = board::Width / 2;
    level.CurrentMap->startY = board::Height / 2;
    level.CurrentMap->lockState = level.CurrentMap->lockInitial = {0, 1};
    level.CurrentMap->Restart();
    for (auto& column : level.CurrentMap->glow) column.fill(24);
    SeedRnd(7);
    level.ClearParticles();
    Emit(3, 32 * 10, 32 * 7, 500.0f, 0, 0, level.Particles());
    for (int step = 0; step < 60; ++step) level.UpdateParticles();
  }
};

TEST_F(RendererReference, EveryBlendWithColourAlphaRotationScaleAndFiltering) {
  const TImage floor = Painted(64, 64, 1, 0, [](int x, int y, int) {
    return Argb(255, x * 4, y * 4, (x ^ y) * 4 & 255);
  });
  // Alpha steps across the picture: clear, under, at and over the mask's half.
  const TImage steps = Painted(48, 48, 2, 0, [](int x, int y, int f) {
    static const int alphas[] = {0, 100, 127, 128, 200, 255};
    return Argb(alphas[x / 8], 250 - y * 5, 60 + f * 120, y * 5);
  });
  const TImage glow = Painted(32, 32, 1, 0, [](int x, int y, int) {
    const int d = std::abs(x - 16) + std::abs(y - 16);
    return Argb(std::max(0, 255 - d * 16), 255, 180, 90);
  });
  const TImage shade = Painted(40, 40, 1, 0, [](int x, int y, int) { return Argb(255, x * 6, 128, y * 6); });
  const TImage soft = Painted(16, 16, 1, FilteredImage, [](int x, int y, int) {
    return Argb((x + y) * 8, x * 16, 255 - y * 16, 128);
  });
  const TImage fine = Painted(64, 64, 1, FilteredImage | MipmappedImage, [](int x, int y, int) {
    return Argb(255, (x / 4 + y / 4) % 2 * 255, 90, 30);
  });
  MidHandleImage(steps);
  MidHandleImage(glow);

  ExpectReference("blends", [&] {
    Clear(20, 40, 60);
    SetBlend(AlphaBlend);
    TileImage(floor, 13, 7);
    int x = 40;
    for (const int blend : {MaskBlend, SolidBlend, AlphaBlend, LightBlend, ShadeBlend}) {
      SetBlend(blend);
      DrawImage(blend == ShadeBlend ? shade : steps, static_cast<float>(x), 60, 1);
      SetColor(200, 120, 255);
      SetAlpha(0.6f);
      SetRotation(30);
      SetScale(1.5f, 0.75f);
      DrawImage(blend == LightBlend ? glow : steps, static_cast<float>(x), 160, 0);
      SetRotation(0);
      SetScale(1, 1);
      DrawRect(static_cast<float>(x) - 20, 230, 40, 25);
      DrawLine(static_cast<float>(x) - 30, 270, static_cast<float>(x) + 30, 300);
      DrawText("Blend " + std::to_string(blend), static_cast<float>(x) - 30, 310);
      SetColor(255, 255, 255);
      SetAlpha(1);
      x += 150;
    }
    SetBlend(AlphaBlend);
    SetScale(2.3f, 2.3f);
    DrawImage(soft, 100, 400);
    SetScale(0.4f, 0.4f);
    SetRotation(12);
    DrawImage(fine, 300, 400);
    SetRotation(0);
    SetScale(1, 1);
    SetBlend(LightBlend);
    SetViewport(450, 380, 120, 90);
    TileImage(glow, 0, 0);
    SetViewport(0, 0, 800, 600);
  });
}

TEST_F(RendererReference, BusyLevelFrame) {
  MakeBusyLevel();
  inGameButtons->tokenColumn->tokenState.fill(1);
  inGameButtons->tokenColumn->tokenAlpha.fill(1.0f);
  ExpectReference("busy_level", [this] { gameController->DrawPlayFrame(); });
}

TEST_F(RendererReference, ShippedLevelInPlay) {
  InGameDir([this] { level.CurrentMap = mapType::Create(40); });
  ASSERT_GE(level.CurrentMap->exitX, 0);
  UseArtStyle(level.CurrentMap->artStyle);
  level.CurrentMap->Restart();
  level.CurrentMap->IntroSparkles(level.Particles());
  for (int step = 0; step < 90; ++step) {
    level.StepMap(PlayRequests{}, 1);
    level.UpdateParticles();
  }
  ExpectReference("level_40", [this] { gameController->DrawPlayFrame(); });
}

}  // namespace
