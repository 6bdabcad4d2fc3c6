// The renderer's entry points: the host window's (gl_renderer.h) and the
// drawing code's (render_backend.h), each handed to the one FrameRenderer.

#include "platform/render/sdl/gl_renderer.h"

#include <algorithm>
#include <cstdint>

#include "platform/render/render_backend.h"
#include "platform/render/sdl/gl_draw_executor.h"
#include "platform/render/sdl/gl_frame_renderer.h"
#include "platform/render/sdl/gl_functions.h"
#include "platform/render/sdl/gl_textures.h"

namespace platform {
namespace {

// Made at the first opening and never destroyed: pictures may release their
// textures during static destruction.
FrameRenderer* renderer = nullptr;

bool IsOpen() { return renderer && renderer->IsOpen(); }

}  // namespace

Letterbox FitLetterbox(int logicalWidth, int logicalHeight, int targetWidth, int targetHeight) {
  Letterbox box;
  if (logicalWidth <= 0 || logicalHeight <= 0 || targetWidth <= 0 || targetHeight <= 0) return box;
  // The largest picture of the logical aspect that fits, centred.
  if (static_cast<int64_t>(targetWidth) * logicalHeight <= static_cast<int64_t>(targetHeight) * logicalWidth) {
    box.width = targetWidth;
    box.height = static_cast<int>(static_cast<int64_t>(targetWidth) * logicalHeight / logicalWidth);
  } else {
    box.height = targetHeight;
    box.width = static_cast<int>(static_cast<int64_t>(targetHeight) * logicalWidth / logicalHeight);
  }
  box.x = (targetWidth - box.width) / 2;
  box.y = (targetHeight - box.height) / 2;
  return box;
}

bool RendererOpen(int logicalWidth, int logicalHeight) {
  if (!gl::LoadFunctions()) return false;
  if (!renderer) renderer = new FrameRenderer();
  return renderer->Open(logicalWidth, logicalHeight);
}

void RendererClose() {
  if (renderer) renderer->Close();
}

bool RendererSkipUnchangedFrame(const Letterbox& box, int drawableWidth, int drawableHeight) {
  return IsOpen() && renderer->SkipUnchangedFrame({box, drawableWidth, drawableHeight});
}

void RendererWindowExposed() {
  if (renderer) renderer->WindowExposed();
}

void RendererPresent(const Letterbox& box, int drawableWidth, int drawableHeight) {
  if (IsOpen()) renderer->Present({box, drawableWidth, drawableHeight});
}

void BackendSubmit(Primitive primitive, ImageFrame* frame, int imageFlags, const Vertex* vertices, int count,
                   uint32_t colour) {
  if (IsOpen()) renderer->Submit(primitive, frame, imageFlags, vertices, count, colour);
}

void BackendSetBlend(Blend blend) {
  if (renderer) renderer->SetBlend(blend);
}

void BackendSetViewport(int x, int y, int width, int height) {
  if (renderer) renderer->SetClip({x, y, std::max(0, width), std::max(0, height)});
}

void BackendClear(int red, int green, int blue) {
  if (!IsOpen()) return;
  renderer->Clear(static_cast<uint32_t>(red & 255) | static_cast<uint32_t>(green & 255) << 8 |
                  static_cast<uint32_t>(blue & 255) << 16);
}

PixelBuffer BackendReadPixels(int x, int y, int width, int height) {
  return IsOpen() ? renderer->ReadPixels(x, y, width, height) : PixelBuffer{};
}

void BackendReleaseTexture(ImageFrame& frame) {
  if (renderer) {
    renderer->ReleaseTexture(frame);
  } else {
    TextureStore::Detach(frame);
  }
}

bool BackendDisplayOpen() { return IsOpen(); }

int64_t BackendDrawCalls() { return ExecutorDrawCalls(); }

}  // namespace platform
