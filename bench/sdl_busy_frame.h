#pragma once
// The busy level drawn through SDL2's own batched SDL_Renderer (its OpenGL
// driver, on the game's GL driver), in a window of its own: the yardsticks of
// busy_frame_pair_bench. Three of them share the pictures and the placing:
//
// - NaiveSdlFrame draws and blends everything every frame.
// - FairSdlFrame is what a careful SDL_Renderer program would do: the static
//   layers (walls, borders, glows, ball, frame picture, tokens, buttons) drawn
//   once into a transparent target texture whose pixels end premultiplied and
//   which is laid over with (ONE, ONE_MINUS_SRC_ALPHA); the opaque background
//   copied without blending; at rest only the box the particles cover now or
//   covered in the frame before drawn again (over the window's kept back
//   buffer where the driver keeps it, else over a frame texture copied whole);
//   the particles' light premultiplied and added (ONE, ONE), as the game adds it.
// - FloorSdlFrame is the full-screen copying a scrolling frame cannot avoid:
//   one opaque 800 x 600 copy (the scrolled background) and one 800 x 600
//   picture laid over it blended (the board and frame layer), nothing else.
//
// Each frame ends with SDL_RenderPresent and a pixel read back.

#include <SDL.h>
#include <SDL_opengl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "busy_level.h"
#include "puzzle/particle_kinds.h"

// Forces the current context's queued drawing to finish, as a game reading a
// pixel would.
inline void ReadOnePixel() {
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

using platform::ImageFrame;
using platform::TImage;

// The window, the renderer, the game's pictures as textures and the level's
// shapes placed as the game places them.
class SdlBusyFrame {
 public:
  static constexpr int kWidth = 800, kHeight = 600;

  SdlBusyFrame() = default;
  SdlBusyFrame(const SdlBusyFrame&) = delete;
  SdlBusyFrame& operator=(const SdlBusyFrame&) = delete;
  virtual ~SdlBusyFrame() = default;

  virtual bool Open(const char* title) {
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    // Naming a driver turns SDL's batching off unless it is asked for.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    window_ = SDL_CreateWindow(title, 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL);
    renderer_ = window_ ? SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE)
                        : nullptr;
    return renderer_ != nullptr;
  }
  virtual void Draw() = 0;

 protected:
  static constexpr float kOriginX = 32, kOriginY = 30;

  // Draws into a transparent target and leaves its pixels premultiplied by
  // their coverage: "over" for the alpha blend, "add, alpha as it is" for light.
  static SDL_BlendMode PremultipliedOver() {
    return SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
                                      SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ONE,
                                      SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
  }
  static SDL_BlendMode PremultipliedAdd() {
    return SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD,
                                      SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD);
  }
  // Lays a premultiplied picture over the target.
  static SDL_BlendMode LayPremultiplied() {
    return SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
                                      SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ONE,
                                      SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
  }

  void Present() {
    SDL_RenderPresent(renderer_);
    ReadOnePixel();
  }

  // The background tiled from the level's scroll, blended or copied.
  void DrawBackground(SDL_BlendMode mode) {
    const TImage& image = currentBackground;
    float anchorX = kOriginX + 31, anchorY = kOriginY;
    if (backgroundScrolls == 1) {
      anchorX = kOriginX + static_cast<float>(gameController->level.ScrollTotalX);
      anchorY = kOriginY + static_cast<float>(gameController->level.ScrollTotalY);
    }
    const float w = static_cast<float>(image.Width()), h = static_cast<float>(image.Height());
    const float left = anchorX - image->handleX - std::ceil((anchorX - image->handleX) / w) * w;
    const float top = anchorY - image->handleY - std::ceil((anchorY - image->handleY) / h) * h;
    for (float y = top; y < kHeight; y += h) {
      for (float x = left; x < kWidth; x += w) Copy(image, 0, x, y, 1, 0, 1, mode);
    }
  }

  // Walls, borders and their glows layer by layer as the game groups them,
  // the ball, the frame picture, the token column and the button glows.
  void DrawStaticLayers(SDL_BlendMode over, SDL_BlendMode add) {
    const TImage& tiles = currentTileSet;
    const float half = 16;
    for (int layer = 0; layer < 4; ++layer) {
      const bool glow = layer >= 2;
      const TImage& image = layer % 2 == 0 ? tiles : tileBorderImage;
      for (int x = 0; x < board::Width; ++x) {
        for (int y = 0; y < board::Height; ++y) {
          const float px = kOriginX + BoardOrigin + 32.0f * x, py = kOriginY + BoardOrigin + 32.0f * y;
          const int frame = layer % 2 == 0 ? (x + y) % 6 : 0;
          const float alpha = glow ? (gameController->level.CurrentMap->glow[x][y] - 2) / 30.0f : 1.0f;
          Copy(image, frame, px - half, py - half, 1, 0, alpha, glow ? add : over);
        }
      }
    }
    const float cx = kOriginX + BoardOrigin + 32.0f * gameController->level.CurrentMap->startX;
    const float cy = kOriginY + BoardOrigin + 32.0f * gameController->level.CurrentMap->startY;
    Copy(ballImage, 0, cx - ballImage->handleX, cy - ballImage->handleY, 1, 0, 1, over);
    Copy(borderImage, 0, -borderImage->handleX, -borderImage->handleY, 1, 0, 1, over);
    for (int i = 0; i < TokenColumn::SlotCount; ++i) {
      Copy(tokenImage, 0, 754 - tokenImage->handleX, 120.0f + 64 * i - tokenImage->handleY, 1, 0, 1, over);
    }
    for (const auto& button : gameController->inGameButtons->buttons) {
      if (!button || !button->image) continue;
      Copy(button->image, 0, button->drawX - button->image->handleX, button->drawY - button->image->handleY, 1, 0,
           1, add);
    }
  }

  // A particle where the game puts it: perspective from its depth, turned
  // along its motion, coloured; false when it is not drawn.
  struct PlacedParticle {
    const TImage* image;
    float x, y, width, height, alpha;
    double angle;
    SDL_Color colour;
  };
  static bool Place(const particleType& p, PlacedParticle& placed) {
    if (p.delay > 0 || !(p.alpha > 0)) return false;
    const TImage& image = trailImages[particleImage[p.kind]];
    const float scale = particleScale[p.kind] * 60 / p.z;
    const float w = static_cast<float>(image.Width()) * scale, h = static_cast<float>(image.Height()) * scale;
    const float sx = kOriginX + BoardOrigin + 400 + p.x / p.z * 800 + p.offsetX;
    const float sy = kOriginY + BoardOrigin + 300 + p.y / p.z * 600 + p.offsetY;
    placed = {&image, sx - w / 2, sy - h / 2, w, h, p.alpha, std::atan2(p.vx, -p.vy) * 180 / M_PI,
              {static_cast<Uint8>(p.red), static_cast<Uint8>(p.green), static_cast<Uint8>(p.blue), 255}};
    return true;
  }
  template <typename Visit>
  static void ForEachParticle(Visit visit) {
    for (particleNodeType* node = gameController->level.ParticleChain->next.get(); node; node = node->next.get()) {
      const auto& p = *static_cast<particleType*>(node);
      PlacedParticle placed;
      if (Place(p, placed)) visit(p, placed);
    }
  }

  void DrawParticles(bool inFront) {
    ForEachParticle([&](const particleType& p, const PlacedParticle& placed) {
      if ((p.z >= 200) != inFront) return;
      const float scale = placed.width / static_cast<float>(placed.image->Width());
      Copy(*placed.image, 0, placed.x, placed.y, scale, placed.angle, placed.alpha, SDL_BLENDMODE_ADD, placed.colour);
    });
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

  // A transparent 800 x 600 texture that can be drawn into.
  SDL_Texture* MakeTarget() {
    SDL_Texture* target = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_TARGET, kWidth,
                                            kHeight);
    if (!target) return nullptr;
    SDL_SetRenderTarget(renderer_, target);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0);
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    SDL_RenderClear(renderer_);
    SDL_SetRenderTarget(renderer_, nullptr);
    return target;
  }

  // The static layers drawn once into a premultiplied target.
  SDL_Texture* MakeLayersTarget() {
    SDL_Texture* layers = MakeTarget();
    if (!layers) return nullptr;
    SDL_SetRenderTarget(renderer_, layers);
    DrawStaticLayers(PremultipliedOver(), PremultipliedAdd());
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_SetTextureBlendMode(layers, LayPremultiplied());
    return layers;
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;

 protected:
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

 private:
  std::map<const ImageFrame*, SDL_Texture*> textures_;
};

class NaiveSdlFrame : public SdlBusyFrame {
 public:
  void Draw() override {
    DrawBackground(SDL_BLENDMODE_BLEND);
    DrawParticles(false);
    DrawStaticLayers(SDL_BLENDMODE_BLEND, SDL_BLENDMODE_ADD);
    DrawParticles(true);
    Present();
  }
};

class FairSdlFrame : public SdlBusyFrame {
 public:
  bool Open(const char* title) override {
    if (!SdlBusyFrame::Open(title)) return false;
    layers_ = MakeLayersTarget();
    if (!layers_) return false;
    if (!WindowKeepsBackBuffer()) {
      frame_ = MakeTarget();
      if (!frame_) return false;
      SDL_SetTextureBlendMode(frame_, SDL_BLENDMODE_NONE);
    }
    return true;
  }

  // The whole frame when the background scrolls (or nothing was drawn yet),
  // else only the particles' box, this frame's and the last one's.
  void Draw() override {
    const bool whole = backgroundScrolls == 1 || !drawnBefore_;
    const SDL_Rect now = ParticleBox();
    SDL_Rect both = now, box{0, 0, 0, 0};
    if (!SDL_RectEmpty(&lastBox_)) SDL_UnionRect(&both, &lastBox_, &both);
    const SDL_Rect screen{0, 0, kWidth, kHeight};
    if (!SDL_IntersectRect(&both, &screen, &box)) box = {0, 0, 0, 0};
    lastBox_ = now;
    SDL_SetRenderTarget(renderer_, frame_);
    if (!whole) SDL_RenderSetClipRect(renderer_, &box);
    if (whole || !SDL_RectEmpty(&box)) {
      DrawBackground(SDL_BLENDMODE_NONE);
      DrawParticlesBatched(false);
      SDL_RenderCopy(renderer_, layers_, whole ? nullptr : &box, whole ? nullptr : &box);
      DrawParticlesBatched(true);
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
    if (frame_) {
      SDL_SetRenderTarget(renderer_, nullptr);
      SDL_RenderCopy(renderer_, frame_, nullptr, nullptr);
    }
    drawnBefore_ = true;
    Present();
  }

 private:
  // The particles as one geometry call per picture with their colours in the
  // vertices, as SDL_RenderCopyEx cannot batch particles whose colours differ.
  // Added light is the same in any order. Like the game, the light comes
  // premultiplied (the pictures' pixels and the vertex colours by their
  // alpha) and the blend only adds.
  void DrawParticlesBatched(bool inFront) {
    std::map<const TImage*, std::vector<SDL_Vertex>> batches;
    ForEachParticle([&](const particleType& p, const PlacedParticle& placed) {
      if ((p.z >= 200) != inFront) return;
      const float radians = static_cast<float>(placed.angle * M_PI / 180);
      const float c = std::cos(radians), s = std::sin(radians);
      const float cx = placed.x + placed.width / 2, cy = placed.y + placed.height / 2;
      const float alpha = std::clamp(placed.alpha, 0.0f, 1.0f);
      auto times = [alpha](Uint8 channel) { return static_cast<Uint8>(std::lround(channel * alpha)); };
      const SDL_Color colour{times(placed.colour.r), times(placed.colour.g), times(placed.colour.b),
                             static_cast<Uint8>(std::lround(alpha * 255))};
      auto corner = [&](float u, float v) {
        const float dx = (u - 0.5f) * placed.width, dy = (v - 0.5f) * placed.height;
        return SDL_Vertex{{cx + dx * c - dy * s, cy + dx * s + dy * c}, colour, {u, v}};
      };
      const SDL_Vertex a = corner(0, 0), b = corner(1, 0), d = corner(1, 1), e = corner(0, 1);
      batches[placed.image].insert(batches[placed.image].end(), {a, b, d, a, d, e});
    });
    for (const auto& [image, vertices] : batches) {
      SDL_Texture* texture = PremultipliedTextureOf(*image);
      SDL_RenderGeometry(renderer_, texture, vertices.data(), static_cast<int>(vertices.size()), nullptr, 0);
    }
  }

  // A picture's first frame with its colours multiplied by its alpha, set to be added.
  SDL_Texture* PremultipliedTextureOf(const TImage& image) {
    auto found = premultiplied_.find(&image);
    if (found != premultiplied_.end()) return found->second;
    const platform::PixelBuffer& pixels = platform::FramePixels(image->frames[0]);
    std::vector<uint32_t> times(pixels.pixels);
    for (uint32_t& p : times) {
      const uint32_t a = p >> 24;
      auto channel = [&](int shift) { return ((p >> shift & 255) * a + 127) / 255 << shift; };
      p = a << 24 | channel(16) | channel(8) | channel(0);
    }
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC,
                                             pixels.width, pixels.height);
    SDL_UpdateTexture(texture, nullptr, times.data(), pixels.width * 4);
    SDL_SetTextureBlendMode(texture, SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE,
                                                                SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ZERO,
                                                                SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD));
    premultiplied_[&image] = texture;
    return texture;
  }

  // Where the particles fall: turned any way, a picture stays within half
  // its diagonal of its middle.
  static SDL_Rect ParticleBox() {
    SDL_Rect box{0, 0, 0, 0};
    ForEachParticle([&](const particleType&, const PlacedParticle& placed) {
      const float reach = std::hypot(placed.width, placed.height) / 2 + 1;
      const float cx = placed.x + placed.width / 2, cy = placed.y + placed.height / 2;
      const SDL_Rect mine{static_cast<int>(std::floor(cx - reach)), static_cast<int>(std::floor(cy - reach)),
                          static_cast<int>(std::ceil(2 * reach)) + 1, static_cast<int>(std::ceil(2 * reach)) + 1};
      if (SDL_RectEmpty(&box)) {
        box = mine;
      } else {
        SDL_UnionRect(&box, &mine, &box);
      }
    });
    return box;
  }

  // Whether what was presented is still in the back buffer after the swap,
  // as on software drivers drawing to X and on the offscreen driver: a frame
  // cleared to one colour is presented, then one that paints only a corner,
  // and a pixel outside it read. The corner is filled, not cleared: SDL's
  // clear ignores the clip rectangle, and wiped the whole window, so the
  // yardstick thought the buffer lost and paid a whole-frame copy each frame.
  bool WindowKeepsBackBuffer() {
    SDL_SetRenderDrawColor(renderer_, 10, 200, 30, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderPresent(renderer_);
    const SDL_Rect corner{0, 0, 4, 4};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderFillRect(renderer_, &corner);
    const SDL_Rect probe{kWidth / 2, kHeight / 2, 1, 1};
    uint8_t pixel[4] = {};
    SDL_RenderReadPixels(renderer_, &probe, SDL_PIXELFORMAT_ABGR8888, pixel, 4);
    SDL_RenderPresent(renderer_);
    return pixel[0] == 10 && pixel[1] == 200 && pixel[2] == 30;
  }

  SDL_Texture* layers_ = nullptr;
  std::map<const TImage*, SDL_Texture*> premultiplied_;
  SDL_Texture* frame_ = nullptr;  // null: the window keeps its back buffer
  SDL_Rect lastBox_{0, 0, 0, 0};
  bool drawnBefore_ = false;
};

class FloorSdlFrame : public SdlBusyFrame {
 public:
  bool Open(const char* title) override {
    if (!SdlBusyFrame::Open(title)) return false;
    layers_ = MakeLayersTarget();
    background_ = MakeTarget();
    if (!layers_ || !background_) return false;
    SDL_SetRenderTarget(renderer_, background_);
    DrawBackground(SDL_BLENDMODE_NONE);
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_SetTextureBlendMode(background_, SDL_BLENDMODE_NONE);
    return true;
  }

  void Draw() override {
    SDL_RenderCopy(renderer_, background_, nullptr, nullptr);
    SDL_RenderCopy(renderer_, layers_, nullptr, nullptr);
    Present();
  }

 private:
  SDL_Texture* layers_ = nullptr;
  SDL_Texture* background_ = nullptr;
};
