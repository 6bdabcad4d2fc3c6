#pragma once
// The renderer's whole state in one object: the frame being recorded, the
// last frame presented and what is known of it (`LastFrame`), the off-screen
// frame, the cached run, the textures, and what the window shows. Each
// present picks its `PresentMode` (platform/render/present_mode.h) from them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/render/draw_list.h"
#include "platform/render/present_mode.h"
#include "platform/render/render_backend.h"
#include "platform/render/sdl/gl_picture_target.h"
#include "platform/render/sdl/gl_renderer.h"
#include "platform/render/sdl/gl_run_cache.h"
#include "platform/render/sdl/gl_textures.h"

namespace platform {

// Where a frame is presented: the window's drawable size and the letterbox
// the logical picture fills in it.
struct WindowView {
  Letterbox box;
  int width = 0, height = 0;
  bool operator==(const WindowView&) const = default;
};

class FrameRenderer {
 public:
  FrameRenderer() = default;
  FrameRenderer(const FrameRenderer&) = delete;
  FrameRenderer& operator=(const FrameRenderer&) = delete;

  // Needs a current context whose GL functions are loaded.
  bool Open(int logicalWidth, int logicalHeight);
  void Close();
  bool IsOpen() const { return open_; }

  // Recording: the back-end's calls.
  void SetBlend(Blend blend) { blend_ = blend; }
  void SetClip(const ClipRect& clip) { clip_ = clip; }
  void Submit(Primitive primitive, ImageFrame* frame, int imageFlags, const Vertex* vertices, int count,
              uint32_t colour);
  void Clear(uint32_t colour);
  PixelBuffer ReadPixels(int x, int y, int width, int height);
  void ReleaseTexture(ImageFrame& frame);

  // Presenting.
  bool SkipUnchangedFrame(const WindowView& window);
  void Present(const WindowView& window);
  void WindowExposed() { shown_.reset(); }

 private:
  PresentMode ChooseMode(const WindowView& window);
  bool SmallDamage();
  bool DamageWorthCaching() const;
  Blend EffectiveBlend(unsigned texture, uint32_t colour) const;
  void CatchUpOffScreen();
  void DrawPendingNow();
  void BeforeTextureChange();
  void CopyToWindow(const WindowView& window);

  bool open_ = false;
  int width_ = 0, height_ = 0;  // the logical picture's
  TextureStore textures_;
  // The logical picture off screen: what is read back.
  PictureTarget frame_;
  RunCache cache_;

  // The frame being recorded, not drawn yet, and the last one presented.
  DrawList lists_[2];
  DrawList* current_ = &lists_[0];
  DrawList* last_ = &lists_[1];
  Blend blend_ = Blend::Solid;
  ClipRect clip_;
  // Some of the frame being recorded is drawn already (read-backs and texture
  // changes draw what is pending at once), so it is not compared.
  bool partDrawn_ = false;
  LastFrame lastFrame_ = LastFrame::Unusable;
  // Where the last frame differs from the one being presented.
  std::vector<ClipRect> damage_;

  // The window's back buffer holds the last presented frame after the swap.
  bool windowKeepsFrames_ = false;
  // Where the window shows the last presented frame; none after opening and
  // after the window was exposed (its contents lost).
  std::optional<WindowView> shown_;
};

}  // namespace platform
