// The busy level frame drawn by the game's renderer and by a reference drawn
// with SDL2's own batched SDL_Renderer (its OpenGL driver, on the same GL
// driver), paired in one run: the same pictures and counts (the tiled
// background, 280 walls with borders, every wall glowing, 500 additive
// particles spread over the board, the 800 x 600 frame picture, the tokens and
// the button glows), the two alternating which goes first. The particles move
// one step between pairs, so no frame equals the one before. Each frame ends
// with a pixel read back from its window, so neither side leaves work queued.
// BM_BusyFrame is the level at rest under its moving particles, which the
// game redraws only where they changed; BM_BusyFrameScrolling also scrolls the
// background a pixel a frame, so every pixel changes and the game draws the
// whole frame every time, as the reference does.
//
// Reported: the medians of each side's CPU time per frame (the whole process,
// the software driver's threads included), the median of the per-pair ratio
// game / reference, and the 10th and 90th percentiles of each as the spread.
// Run with SDL_VIDEODRIVER=offscreen (or a display) from anywhere; the media are
// looked for in MARROWICK_GAME_DIR, else in the build folder above this program.

#include <SDL.h>
#include <SDL_opengl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <vector>

#include "busy_level.h"
#include "game_folder.h"
#include "platform/host/platform.h"
#include "puzzle/level_start.h"
#include "puzzle/particle_kinds.h"

using namespace platform;

namespace {

// Forces the context's queued drawing to finish, as a game reading a pixel would.
void ReadOnePixel() {
  using BindFn = void(APIENTRY*)(GLenum, GLuint);
  using ReadFn = void(APIENTRY*)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*);
  using GetFn = void(APIENTRY*)(GLenum, GLint*);
  static const auto bind = reinterpret_cast<BindFn>(SDL_GL_GetProcAddress("glBindFramebuffer"));
  static const auto read = reinterpret_cast<ReadFn>(SDL_GL_GetProcAddress("glReadPixels"));
  static const auto get = reinterpret_cast<GetFn>(SDL_GL_GetProcAddress("glGetIntegerv"));
  GLint bound = 0;
  get(GL_FRAMEBUFFER_BINDING, &bound);
  bind(GL_FRAMEBUFFER, 0);
  uint8_t pixel[4];
  read(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  bind(GL_FRAMEBUFFER, static_cast<GLuint>(bound));
  benchmark::DoNotOptimize(pixel);
}

// The busy frame through SDL_Renderer, in its own window.
class ReferenceFrame {
 public:
  bool Open() {
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    // Naming a driver turns SDL's batching off unless it is asked for.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    window_ = SDL_CreateWindow("reference", 0, 0, 800, 600, SDL_WINDOW_OPENGL);
    renderer_ = window_ ? SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED) : nullptr;
    return renderer_ != nullptr;
  }

  void Draw() {
    const float originX = 32, originY = 30;
    if (backgroundScrolls == 1) {
      DrawTiled(currentBackground, originX + static_cast<float>(gameController->level.ScrollTotalX), originY + static_cast<float>(gameController->level.ScrollTotalY));
    } else {
      DrawTiled(currentBackground, originX + 31, originY);
    }
    DrawParticles(false);
    const TImage& tiles = currentTileSet;
    const float half = 16;
    // Layer by layer, as the game groups them: walls, borders, their glows.
    for (int layer = 0; layer < 4; ++layer) {
      const bool glow = layer >= 2;
      const TImage& image = layer % 2 == 0 ? tiles : tileBorderImage;
      for (int x = 0; x < board::Width; ++x) {
        for (int y = 0; y < board::Height; ++y) {
          const float px = originX + BoardOrigin + 32.0f * x, py = originY + BoardOrigin + 32.0f * y;
          const int frame = layer % 2 == 0 ? (x + y) % 6 : 0;
          const float alpha = glow ? (gameController->level.CurrentMap->glow[x][y] - 2) / 30.0f : 1.0f;
          Copy(image, frame, px - half, py - half, 1, 0, alpha, glow ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND);
        }
      }
    }
    const float cx = originX + BoardOrigin + 32.0f * gameController->level.CurrentMap->startX;
    const float cy = originY + BoardOrigin + 32.0f * gameController->level.CurrentMap->startY;
    Copy(ballImage, 0, cx - ballImage->handleX, cy - ballImage->handleY, 1, 0, 1, SDL_BLENDMODE_BLEND);
    Copy(borderImage, 0, -borderImage->handleX, -borderImage->handleY, 1, 0, 1, SDL_BLENDMODE_BLEND);
    for (int i = 0; i < TokenColumn::SlotCount; ++i) {
      Copy(tokenImage, 0, 754 - tokenImage->handleX, 120.0f + 64 * i - tokenImage->handleY, 1, 0, 1,
           SDL_BLENDMODE_BLEND);
    }
    for (const auto& button : gameController->inGameButtons->buttons) {
      if (!button || !button->image) continue;
      Copy(button->image, 0, button->drawX - button->image->handleX, button->drawY - button->image->handleY, 1, 0,
           1, SDL_BLENDMODE_ADD);
    }
    DrawParticles(true);
    SDL_RenderPresent(renderer_);
    ReadOnePixel();
  }

 private:
  SDL_Texture* TextureOf(const TImage& image, int frame) {
    ImageFrame* pixels = &image->frames[frame];
    auto found = textures_.find(pixels);
    if (found != textures_.end()) return found->second;
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC,
                                             pixels->buffer.width, pixels->buffer.height);
    SDL_UpdateTexture(texture, nullptr, pixels->buffer.pixels.data(), pixels->buffer.width * 4);
    textures_[pixels] = texture;
    return texture;
  }

  void Copy(const TImage& image, int frame, float x, float y, float scale, double angle, float alpha,
            SDL_BlendMode mode, SDL_Color colour = {255, 255, 255, 255}) {
    SDL_Texture* texture = TextureOf(image, frame);
    SDL_SetTextureBlendMode(texture, mode);
    SDL_SetTextureAlphaMod(texture, static_cast<Uint8>(std::clamp(alpha, 0.0f, 1.0f) * 255));
    SDL_SetTextureColorMod(texture, colour.r, colour.g, colour.b);
    const float w = static_cast<float>(image.Width()) * scale, h = static_cast<float>(image.Height()) * scale;
    const SDL_FRect to{x, y, w, h};
    if (angle == 0) {
      SDL_RenderCopyF(renderer_, texture, nullptr, &to);
    } else {
      SDL_RenderCopyExF(renderer_, texture, nullptr, &to, angle, nullptr, SDL_FLIP_NONE);
    }
  }

  void DrawTiled(const TImage& image, float anchorX, float anchorY) {
    const float w = static_cast<float>(image.Width()), h = static_cast<float>(image.Height());
    const float left = anchorX - image->handleX - std::ceil((anchorX - image->handleX) / w) * w;
    const float top = anchorY - image->handleY - std::ceil((anchorY - image->handleY) / h) * h;
    for (float y = top; y < 600; y += h) {
      for (float x = left; x < 800; x += w) Copy(image, 0, x, y, 1, 0, 1, SDL_BLENDMODE_BLEND);
    }
  }

  // Each particle where the game puts it: perspective from its depth, turned
  // along its motion, coloured and added.
  void DrawParticles(bool inFront) {
    for (particleNodeType* node = gameController->level.ParticleChain->next.get(); node; node = node->next.get()) {
      const auto& p = *static_cast<particleType*>(node);
      if ((p.z >= 200) != inFront || p.delay > 0 || !(p.alpha > 0)) continue;
      const TImage& image = trailImages[particleImage[p.kind]];
      const float scale = particleScale[p.kind] * 60 / p.z;
      const float sx = 32 + BoardOrigin + 400 + p.x / p.z * 800 + p.offsetX;
      const float sy = 30 + BoardOrigin + 300 + p.y / p.z * 600 + p.offsetY;
      const double angle = std::atan2(p.vx, -p.vy) * 180 / M_PI;
      const SDL_Color colour{static_cast<Uint8>(p.red), static_cast<Uint8>(p.green), static_cast<Uint8>(p.blue), 255};
      Copy(image, 0, sx - image.Width() * scale / 2, sy - image.Height() * scale / 2, scale, angle, p.alpha,
           SDL_BLENDMODE_ADD, colour);
    }
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  std::map<const ImageFrame*, SDL_Texture*> textures_;
};

struct Spread {
  double median, low, high;
};

Spread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  auto at = [&](double q) { return values[static_cast<size_t>(q * static_cast<double>(values.size() - 1))]; };
  return {at(0.5), at(0.1), at(0.9)};
}

ReferenceFrame reference;
SDL_Window* gameWindow = nullptr;
SDL_GLContext gameContext = nullptr;

double GameFrameSeconds() {
  SDL_GL_MakeCurrent(gameWindow, gameContext);
  const double start = ProcessCpuSeconds();
  DrawPlayFrame();
  ReadOnePixel();
  return ProcessCpuSeconds() - start;
}

double ReferenceFrameSeconds() {
  const double start = ProcessCpuSeconds();
  reference.Draw();
  return ProcessCpuSeconds() - start;
}

void MeasurePairs(benchmark::State& state, bool scrolling) {
  backgroundScrolls = scrolling ? 1 : 0;
  std::vector<double> game, ref, ratio;
  bool gameFirst = true;
  for (auto _ : state) {
    gameController->level.UpdateParticles();
    if (scrolling) gameController->level.ScrollTotalX = (gameController->level.ScrollTotalX + 1) % 256;
    double g, r;
    if (gameFirst) {
      g = GameFrameSeconds();
      r = ReferenceFrameSeconds();
    } else {
      r = ReferenceFrameSeconds();
      g = GameFrameSeconds();
    }
    gameFirst = !gameFirst;
    game.push_back(g * 1e3);
    ref.push_back(r * 1e3);
    ratio.push_back(g / r);
  }
  const Spread g = SpreadOf(game), r = SpreadOf(ref), q = SpreadOf(ratio);
  state.counters["game_ms"] = g.median;
  state.counters["game_p10"] = g.low;
  state.counters["game_p90"] = g.high;
  state.counters["sdl_ms"] = r.median;
  state.counters["sdl_p10"] = r.low;
  state.counters["sdl_p90"] = r.high;
  state.counters["ratio"] = q.median;
  state.counters["ratio_p10"] = q.low;
  state.counters["ratio_p90"] = q.high;
}

void BM_BusyFrame(benchmark::State& state) { MeasurePairs(state, false); }
BENCHMARK(BM_BusyFrame)->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_BusyFrameScrolling(benchmark::State& state) { MeasurePairs(state, true); }
BENCHMARK(BM_BusyFrameScrolling)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const auto gameDir = GameFolder(argv[0]);
  if (!InitPlatform() || !OpenGraphics(800, 600, 0, 60, 0)) {
    std::cerr << "no display: " << LastDisplayError() << "\n";
    return 1;
  }
  gameWindow = SDL_GL_GetCurrentWindow();
  gameContext = SDL_GL_GetCurrentContext();
  LoadGameMedia(gameDir);
  MakeBusyLevel();
  if (!currentTileSet || !currentBackground || !borderImage || !trailImages[2] || !tokenImage) {
    std::cerr << "the game's media were not found in " << gameDir << "\n";
    return 1;
  }
  if (!reference.Open()) {
    std::cerr << "no SDL_Renderer: " << SDL_GetError() << "\n";
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ShutdownPlatform();
  return 0;
}
