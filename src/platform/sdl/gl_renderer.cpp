#include "platform/sdl/gl_renderer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/draw_state.h"
#include "platform/render_backend.h"
#include "platform/sdl/gl_functions.h"

namespace platform {
namespace {

struct BatchKey {
  unsigned texture = 0;
  Primitive primitive = Primitive::Quads;
  bool operator==(const BatchKey&) const = default;
};

struct BatchVertex {
  float x, y, u, v;
  uint32_t colour;
};

// Plain values only: images may release textures during static destruction.
bool rendererOpen = false;
int generation = 0;
int logicalW = 0, logicalH = 0;
GLuint frameBuffer = 0, frameTexture = 0;
int64_t drawCalls = 0;
std::vector<BatchVertex>* batch = nullptr;
BatchKey batchKey;

void Flush() {
  if (!rendererOpen || !batch || batch->empty()) return;
  if (batchKey.texture) {
    gl::Enable(GL_TEXTURE_2D);
    gl::BindTexture(GL_TEXTURE_2D, batchKey.texture);
  } else {
    gl::Disable(GL_TEXTURE_2D);
  }
  const BatchVertex* first = batch->data();
  gl::VertexPointer(2, GL_FLOAT, sizeof(BatchVertex), &first->x);
  gl::TexCoordPointer(2, GL_FLOAT, sizeof(BatchVertex), &first->u);
  gl::ColorPointer(4, GL_UNSIGNED_BYTE, sizeof(BatchVertex), &first->colour);
  gl::DrawArrays(batchKey.primitive == Primitive::Lines ? GL_LINES : GL_TRIANGLES, 0,
                 static_cast<GLsizei>(batch->size()));
  ++drawCalls;
  batch->clear();
}

void ApplyBlend(int mode) {
  switch (mode) {
    case MaskBlend:
      gl::Disable(GL_BLEND);
      gl::Enable(GL_ALPHA_TEST);
      gl::AlphaFunc(GL_GEQUAL, 0.5f);
      break;
    case AlphaBlend:
      gl::Enable(GL_BLEND);
      gl::Disable(GL_ALPHA_TEST);
      gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      break;
    case LightBlend:
      gl::Enable(GL_BLEND);
      gl::Disable(GL_ALPHA_TEST);
      gl::BlendFunc(GL_SRC_ALPHA, GL_ONE);
      break;
    case ShadeBlend:
      gl::Enable(GL_BLEND);
      gl::Disable(GL_ALPHA_TEST);
      gl::BlendFunc(GL_DST_COLOR, GL_ZERO);
      break;
    default:  // SolidBlend and anything unknown: an opaque copy
      gl::Disable(GL_BLEND);
      gl::Disable(GL_ALPHA_TEST);
      break;
  }
}

void UploadFrame(ImageFrame& frame, int flags) {
  const bool fresh = frame.generation != generation || frame.texture == 0;
  if (fresh) {
    GLuint id = 0;
    gl::GenTextures(1, &id);
    frame.texture = id;
    frame.generation = generation;
  }
  gl::BindTexture(GL_TEXTURE_2D, frame.texture);
  const bool filtered = flags & FilteredImage;
  const bool mipmapped = flags & MipmappedImage;
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    mipmapped ? GL_LINEAR_MIPMAP_LINEAR : (filtered ? GL_LINEAR : GL_NEAREST));
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  gl::PixelStorei(GL_UNPACK_ALIGNMENT, 4);
  gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, frame.buffer.width, frame.buffer.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, frame.buffer.pixels.data());
  if (mipmapped) gl::GenerateMipmap(GL_TEXTURE_2D);
  frame.dirty = false;
}

unsigned TextureFor(ImageFrame& frame, int flags) {
  if (frame.buffer.width <= 0 || frame.buffer.height <= 0) return 0;
  if (frame.generation == generation && frame.texture && !frame.dirty) return frame.texture;
  // Re-uploading changes the bound texture, so pending draws go first.
  Flush();
  UploadFrame(frame, flags);
  return frame.texture;
}

void SetProjection() {
  gl::MatrixMode(GL_PROJECTION);
  gl::LoadIdentity();
  gl::Ortho(0, logicalW, logicalH, 0, -1, 1);
  gl::MatrixMode(GL_MODELVIEW);
  gl::LoadIdentity();
}

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
  ++generation;
  logicalW = logicalWidth;
  logicalH = logicalHeight;
  if (!batch) batch = new std::vector<BatchVertex>();
  batch->clear();
  batch->reserve(6 * 4096);

  gl::GenTextures(1, &frameTexture);
  gl::BindTexture(GL_TEXTURE_2D, frameTexture);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, logicalW, logicalH, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  gl::GenFramebuffers(1, &frameBuffer);
  gl::BindFramebuffer(GL_FRAMEBUFFER, frameBuffer);
  gl::FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, frameTexture, 0);
  if (gl::CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;

  gl::Viewport(0, 0, logicalW, logicalH);
  SetProjection();
  gl::EnableClientState(GL_VERTEX_ARRAY);
  gl::EnableClientState(GL_TEXTURE_COORD_ARRAY);
  gl::EnableClientState(GL_COLOR_ARRAY);
  gl::TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  gl::Enable(GL_SCISSOR_TEST);
  gl::Scissor(0, 0, logicalW, logicalH);
  rendererOpen = true;
  batchKey = {};
  ApplyBlend(CurrentDrawState().blend);
  return true;
}

void RendererClose() {
  if (!rendererOpen) return;
  batch->clear();
  gl::BindFramebuffer(GL_FRAMEBUFFER, 0);
  gl::DeleteFramebuffers(1, &frameBuffer);
  gl::DeleteTextures(1, &frameTexture);
  frameBuffer = frameTexture = 0;
  rendererOpen = false;
}

void RendererPresent(const Letterbox& box, int drawableWidth, int drawableHeight) {
  if (!rendererOpen) return;
  Flush();
  gl::BindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer);
  gl::BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  gl::Disable(GL_SCISSOR_TEST);
  gl::Viewport(0, 0, drawableWidth, drawableHeight);
  gl::ClearColor(0, 0, 0, 1);
  gl::Clear(GL_COLOR_BUFFER_BIT);
  // The frame is stored bottom row first, as the window is, so the copy keeps its way up.
  const int bottom = drawableHeight - box.y - box.height;
  const bool sameSize = box.width == logicalW && box.height == logicalH;
  gl::BlitFramebuffer(0, 0, logicalW, logicalH, box.x, bottom, box.x + box.width, bottom + box.height,
                      GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
  gl::BindFramebuffer(GL_FRAMEBUFFER, frameBuffer);
  gl::Viewport(0, 0, logicalW, logicalH);
  gl::Enable(GL_SCISSOR_TEST);
}

void BackendSubmit(Primitive primitive, ImageFrame* frame, int imageFlags, const Vertex* vertices, int count,
                   uint32_t colour) {
  if (!rendererOpen) return;
  const unsigned texture = frame ? TextureFor(*frame, imageFlags) : 0;
  if (frame && !texture) return;
  const BatchKey key{texture, primitive};
  if (!(key == batchKey)) {
    Flush();
    batchKey = key;
  }
  auto push = [&](const Vertex& v) { batch->push_back({v.x, v.y, v.u, v.v, colour}); };
  if (primitive == Primitive::Quads) {
    for (int q = 0; q + 3 < count; q += 4) {
      const Vertex* c = vertices + q;
      push(c[0]);
      push(c[1]);
      push(c[2]);
      push(c[0]);
      push(c[2]);
      push(c[3]);
    }
  } else {
    for (int i = 0; i < count; ++i) push(vertices[i]);
  }
}

void BackendSetBlend(int mode) {
  if (!rendererOpen) return;
  Flush();
  ApplyBlend(mode);
}

void BackendSetViewport(int x, int y, int width, int height) {
  if (!rendererOpen) return;
  Flush();
  gl::Scissor(x, logicalH - y - height, std::max(0, width), std::max(0, height));
}

void BackendClear(int red, int green, int blue) {
  if (!rendererOpen) return;
  Flush();
  gl::ClearColor(red / 255.0f, green / 255.0f, blue / 255.0f, 1.0f);
  gl::Clear(GL_COLOR_BUFFER_BIT);
}

PixelBuffer BackendReadPixels(int x, int y, int width, int height) {
  PixelBuffer result;
  if (!rendererOpen || width <= 0 || height <= 0) return result;
  Flush();
  result.width = width;
  result.height = height;
  result.pixels.assign(static_cast<size_t>(width) * height, 0xFF000000u);
  // Only the part inside the frame is read; the rest stays opaque black.
  const int left = std::max(0, x), top = std::max(0, y);
  const int right = std::min(logicalW, x + width), bottom = std::min(logicalH, y + height);
  if (right <= left || bottom <= top) return result;
  std::vector<uint32_t> rows(static_cast<size_t>(right - left) * (bottom - top));
  gl::PixelStorei(GL_PACK_ALIGNMENT, 4);
  gl::ReadPixels(left, logicalH - bottom, right - left, bottom - top, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  for (int row = top; row < bottom; ++row) {
    const uint32_t* from = &rows[static_cast<size_t>(bottom - 1 - row) * (right - left)];
    uint32_t* to = &result.pixels[static_cast<size_t>(row - y) * width + (left - x)];
    for (int i = 0; i < right - left; ++i) to[i] = from[i] | 0xFF000000u;
  }
  return result;
}

void BackendReleaseTexture(ImageFrame& frame) {
  if (rendererOpen && frame.texture && frame.generation == generation) {
    Flush();
    gl::DeleteTextures(1, &frame.texture);
  }
  frame.texture = 0;
  frame.generation = -1;
}

bool BackendDisplayOpen() { return rendererOpen; }

int64_t BackendDrawCalls() { return drawCalls; }

}  // namespace platform
