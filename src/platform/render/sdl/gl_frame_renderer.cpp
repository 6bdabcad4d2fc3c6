#include "platform/render/sdl/gl_frame_renderer.h"

#include <algorithm>
#include <utility>

#include "platform/render/draw_state.h"
#include "platform/render/frame_damage.h"
#include "platform/render/sdl/gl_draw_executor.h"
#include "platform/render/sdl/gl_functions.h"
#include "platform/render/sdl/window_buffer_probe.h"

namespace platform {

bool FrameRenderer::Open(int logicalWidth, int logicalHeight) {
  width_ = logicalWidth;
  height_ = logicalHeight;
  textures_.Open();
  current_->Reset();
  last_->Reset();
  windowKeepsFrames_ = WindowKeepsFramesAfterSwap();
  if (!ExecutorOpen()) return false;
  if (!MakePictureTarget(frame_, width_, height_) || !cache_.Open(width_, height_)) {
    ExecutorClose();
    return false;
  }
  ExecutorForgetTexture();
  ExecutorBindTarget(frame_.framebuffer, width_, height_);
  open_ = true;
  blend_ = BlendFromMode(CurrentDrawState().blend);
  clip_ = {0, 0, width_, height_};
  partDrawn_ = false;
  lastFrame_ = LastFrame::Unusable;
  shown_.reset();
  return true;
}

void FrameRenderer::Close() {
  if (!open_) return;
  current_->Reset();
  last_->Reset();
  ExecutorClose();
  gl::BindFramebuffer(GL_FRAMEBUFFER, 0);
  DeletePictureTarget(frame_);
  cache_.Close();
  open_ = false;
}

// Recording.

// An opaque picture at full alpha hides what is under it whatever the blend
// asks, and the software rasteriser copies far faster than it blends.
Blend FrameRenderer::EffectiveBlend(unsigned texture, uint32_t colour) const {
  switch (blend_) {
    case Blend::Alpha:
    case Blend::Mask: {
      const bool hides = colour >> 24 == 255 && (texture == 0 || textures_.Opaque(texture));
      return hides ? Blend::Solid : blend_;
    }
    case Blend::Solid:
    case Blend::Light:
    case Blend::Shade:
      return blend_;
  }
  return blend_;
}

void FrameRenderer::Submit(Primitive primitive, ImageFrame* frame, int imageFlags, const Vertex* vertices,
                           int count, uint32_t colour) {
  CommandState state;
  state.primitive = primitive;
  if (frame) {
    if (textures_.WouldReplace(*frame)) BeforeTextureChange();
    state.texture = textures_.Prepare(*frame, imageFlags);
    if (!state.texture.name) return;
  }
  state.blend = EffectiveBlend(state.texture.name, colour);
  state.clip = clip_;
  current_->AddShapes(state, vertices, count, colour);
}

void FrameRenderer::Clear(uint32_t colour) { current_->AddClear(clip_, colour); }

// The last frame, when it went only to the window, drawn off screen.
void FrameRenderer::CatchUpOffScreen() {
  if (lastFrame_ != LastFrame::OnlyInWindow) return;
  lastFrame_ = LastFrame::OffScreen;
  ExecutorBindTarget(frame_.framebuffer, width_, height_);
  cache_.Draw(*last_, cache_.Find(*last_));
}

// This frame's pending commands drawn at once, over the off-screen picture.
void FrameRenderer::DrawPendingNow() {
  if (current_->Empty()) return;
  CatchUpOffScreen();
  ExecutorBindTarget(frame_.framebuffer, width_, height_);
  ExecuteCommands(*current_, 0, current_->Commands().size());
  current_->Reset();
  partDrawn_ = true;
  lastFrame_ = LastFrame::Unusable;
}

// The pixels behind a texture name are about to change or go: whatever was
// recorded with the old ones is drawn first.
void FrameRenderer::BeforeTextureChange() {
  CatchUpOffScreen();
  DrawPendingNow();
}

PixelBuffer FrameRenderer::ReadPixels(int x, int y, int width, int height) {
  PixelBuffer result;
  if (width <= 0 || height <= 0) return result;
  CatchUpOffScreen();
  DrawPendingNow();
  ExecutorBindTarget(frame_.framebuffer, width_, height_);
  result.width = width;
  result.height = height;
  result.pixels.assign(static_cast<size_t>(width) * height, 0xFF000000u);
  // Only the part inside the frame is read; the rest stays opaque black.
  const int left = std::max(0, x), top = std::max(0, y);
  const int right = std::min(width_, x + width), bottom = std::min(height_, y + height);
  if (right <= left || bottom <= top) return result;
  std::vector<uint32_t> rows(static_cast<size_t>(right - left) * (bottom - top));
  gl::PixelStorei(GL_PACK_ALIGNMENT, 4);
  gl::ReadPixels(left, height_ - bottom, right - left, bottom - top, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  for (int row = top; row < bottom; ++row) {
    const uint32_t* from = &rows[static_cast<size_t>(bottom - 1 - row) * (right - left)];
    uint32_t* to = &result.pixels[static_cast<size_t>(row - y) * width + (left - x)];
    for (int i = 0; i < right - left; ++i) to[i] = from[i] | 0xFF000000u;
  }
  return result;
}

void FrameRenderer::ReleaseTexture(ImageFrame& frame) {
  if (open_ && textures_.Holds(frame)) {
    BeforeTextureChange();
    textures_.Delete(frame);
  }
  TextureStore::Detach(frame);
}

// Presenting.

bool FrameRenderer::SkipUnchangedFrame(const WindowView& window) {
  if (!open_ || partDrawn_ || lastFrame_ == LastFrame::Unusable || shown_ != window) return false;
  if (!current_->SameAs(*last_)) return false;
  current_->Reset();
  return true;
}

// Redrawing only the changed rectangles still sends every triangle (once per
// rectangle) and copies the whole picture to the window; it pays while they
// are small.
bool FrameRenderer::SmallDamage() {
  if (lastFrame_ == LastFrame::Unusable) return false;
  if (!FindDamage(*current_, *last_, width_, height_, damage_)) return false;
  int64_t area = 0;
  for (const ClipRect& rect : damage_) area += static_cast<int64_t>(rect.width) * rect.height;
  return area * 3 <= static_cast<int64_t>(width_) * height_;
}

// Drawing the cached picture costs about a whole frame; damage this large
// (particles over the board) pays for it within a few frames. Smaller damage
// draws it only for a run that has lasted (the cache's own rule), so a
// rolling ball that changes the run every frame never does.
bool FrameRenderer::DamageWorthCaching() const {
  int64_t area = 0;
  for (const ClipRect& rect : damage_) area += static_cast<int64_t>(rect.width) * rect.height;
  return area * 8 >= static_cast<int64_t>(width_) * height_;
}

PresentMode FrameRenderer::ChooseMode(const WindowView& window) {
  PresentFacts facts;
  facts.paintsWholeScreen = !partDrawn_ && current_->StartsWithCover(width_, height_);
  facts.smallDamage = facts.paintsWholeScreen && SmallDamage();
  facts.windowIsLogicalSize = window == WindowView{{0, 0, width_, height_}, width_, height_};
  facts.windowHoldsLastFrame = windowKeepsFrames_ && shown_ == window;
  return ChoosePresentMode(facts);
}

void FrameRenderer::CopyToWindow(const WindowView& window) {
  const Letterbox& box = window.box;
  ExecutorBindTarget(0, window.width, window.height);
  if (box.x > 0 || box.y > 0 || box.width < window.width || box.height < window.height) {
    ExecutorClearTarget(0, 0, 0);
  }
  const bool sameSize = box.width == width_ && box.height == height_;
  ExecutorCopyPicture(frame_.texture, box.x, box.y, box.width, box.height, !sameSize);
}

void FrameRenderer::Present(const WindowView& window) {
  if (!open_) return;
  const PresentMode mode = ChooseMode(window);
  const size_t commands = current_->Commands().size();
  switch (mode) {
    case PresentMode::OverLastFrame:
      CatchUpOffScreen();
      ExecutorBindTarget(frame_.framebuffer, width_, height_);
      ExecuteCommands(*current_, 0, commands);
      break;
    case PresentMode::DamageInWindow:
    case PresentMode::DamageOffScreen: {
      if (mode == PresentMode::DamageOffScreen) CatchUpOffScreen();
      const size_t cachedAt = cache_.Update(*current_, *last_, textures_, DamageWorthCaching());
      ExecutorBindTarget(mode == PresentMode::DamageInWindow ? 0 : frame_.framebuffer, width_, height_);
      for (const ClipRect& rect : damage_) cache_.Draw(*current_, cachedAt, &rect);
      break;
    }
    case PresentMode::WholeToWindow:
    case PresentMode::WholeOffScreen: {
      const size_t cachedAt =
          lastFrame_ == LastFrame::Unusable ? cache_.Find(*current_) : cache_.Update(*current_, *last_, textures_);
      ExecutorBindTarget(mode == PresentMode::WholeToWindow ? 0 : frame_.framebuffer, width_, height_);
      cache_.Draw(*current_, cachedAt);
      break;
    }
  }
  if (DrawsOffScreen(mode)) CopyToWindow(window);
  lastFrame_ = LastFrameAfter(mode);
  // A frame that paints the whole screen is the one the next is compared with.
  if (lastFrame_ != LastFrame::Unusable) std::swap(current_, last_);
  current_->Reset();
  partDrawn_ = false;
  shown_ = window;
  // The driver starts drawing now, not at the swap: where the swap waits for
  // the pacer's sleep, a software rasteriser draws while the game sleeps, and
  // only the finished picture is left to put on screen when it wakes.
  gl::Flush();
}

}  // namespace platform
