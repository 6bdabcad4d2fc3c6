// One busy play-screen frame through the real back-end: a full-screen
// background, 280 board tiles, 300 additive particles and the 800 x 600 frame
// picture. Run with SDL_VIDEODRIVER=offscreen; compare against 16.7 ms.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/render/graphics.h"
#include "platform/host/platform.h"

using namespace platform;

namespace {

TImage Filled(int w, int h, int frames, uint32_t seed) {
  TImage image = CreateImage(w, h, frames, 0);
  for (int f = 0; f < frames; ++f) {
    TPixmap p = LockImage(image, f);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) p.WritePixel(x, y, 0xFF000000u | ((x * 7 + y * 13 + f * 29 + seed) & 0xFFFFFF));
  }
  return image;
}

void BM_BusyFrame(benchmark::State& state) {
  InitPlatform();
  if (!OpenGraphics(800, 600, 0, 60, 0)) {
    state.SkipWithError("no display");
    return;
  }
  const TImage background = Filled(256, 256, 1, 1);
  const TImage tiles = Filled(32, 32, 6, 2);
  MidHandleImage(tiles);
  const TImage glow = Filled(16, 16, 1, 3);
  MidHandleImage(glow);
  TImage frame = Filled(800, 600, 1, 4);
  // The particles shift a pixel every frame: an unchanged frame would not be drawn.
  int shift = 0;
  for (auto _ : state) {
    shift = (shift + 1) % 32;
    SetOrigin(32, 30);
    SetBlend(AlphaBlend);
    TileImage(background, 0, 0);
    for (int cell = 0; cell < 280; ++cell) {
      SetAlpha(0.5f + (cell % 5) * 0.1f);
      DrawImage(tiles, 47 + 32.0f * (cell % 20), 47 + 32.0f * (cell / 20), cell % 6);
    }
    SetBlend(LightBlend);
    for (int i = 0; i < 300; ++i) {
      SetColor(255, 100 + i % 100, 0);
      SetScale(1.0f + (i % 7) * 0.2f, 1.0f + (i % 7) * 0.2f);
      SetRotation(static_cast<float>(i * 3));
      DrawImage(glow, static_cast<float>((i * 37 + shift) % 640), static_cast<float>((i * 53) % 448));
    }
    SetScale(1, 1);
    SetRotation(0);
    SetColor(255, 255, 255);
    SetOrigin(0, 0);
    SetBlend(AlphaBlend);
    DrawImage(frame, 0, 0);
    Flip(0);
  }
  ShutdownPlatform();
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
