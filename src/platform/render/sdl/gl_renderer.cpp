#include "platform/render/sdl/gl_renderer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/render/draw_list.h"
#include "platform/render/draw_state.h"
#include "platform/render/frame_damage.h"
#include "platform/render/render_backend.h"
#include "platform/render/sdl/gl_draw_executor.h"
#include "platform/render/sdl/gl_functions.h"
#include "platform/render/sdl/window_buffer_probe.h"

namespace platform {
namespace {

// Plain values only: images may release textures during static destruction.
bool rendererOpen = false;
int generation = 0;
int logicalW = 0, logicalH = 0;

// The logical picture off screen (what is read back), and the cached picture
// of a run of commands that recent frames share.
GLuint frameBuffer = 0, frameTexture = 0;
GLuint cacheBuffer = 0, cacheTexture = 0;

// This frame's commands, not drawn yet; the last presented frame's; the frame
// whose run of commands the cache holds.
DrawList* current = nullptr;
DrawList* last = nullptr;
DrawList* cached = nullptr;

// The cached run, drawn alone into a transparent picture so that it can stand
// in for the same commands wherever they recur. A run that starts with a
// cover hides what comes before it, and its picture is copied whole; any
// other is made only of commands whose pixels do not depend on what is under
// them, and its picture is laid over what the commands before it drew.
struct CachedRun {
  size_t first = 0, count = 0;
  bool covers = false;
  ClipRect bounds;
  double saving = 0;  // pixels painted by the commands, less those of the picture
};
CachedRun cachedRun;
// Per texture name: every texel opaque, so alpha blending it changes nothing.
std::vector<bool>* opaqueTexture = nullptr;
// Where this frame differs from the last.
std::vector<ClipRect>* damage = nullptr;

int blend = MaskBlend;
ClipRect clip;

// Nothing of this frame has been drawn yet (read-backs and texture changes
// draw what is pending at once, and such a frame is not compared).
bool frameWhole = true;
// The last frame is complete, painted the whole screen and can be drawn again.
bool lastReplayable = false;
// The last frame went straight to the window: the off-screen picture lags
// behind it until something needs it.
bool offScreenLags = false;
bool cacheValid = false;
// Raised whenever the pixels behind a texture name change or go: lists
// recorded before then draw something else now.
uint64_t textureEpoch = 0, lastEpoch = 0, cacheEpoch = 0;
Letterbox presentedBox;
int presentedWidth = 0, presentedHeight = 0;
bool mustPresent = true;
// The window's back buffer holds the last presented frame after the swap.
bool windowKeepsFrames = false;

size_t CachedRunIn(const DrawList& list);
void DrawFrameList(const DrawList& list, size_t cachedAt);

// Draws the last frame off screen when it went only to the window.
void CatchUpOffScreen() {
  if (!offScreenLags) return;
  offScreenLags = false;
  ExecutorBindTarget(frameBuffer, logicalW, logicalH);
  DrawFrameList(*last, CachedRunIn(*last));
}

// Draws this frame's pending commands at once, over the off-screen picture.
void DrawPendingNow() {
  if (current->Empty()) return;
  CatchUpOffScreen();
  ExecutorBindTarget(frameBuffer, logicalW, logicalH);
  ExecuteCommands(*current, 0, current->Commands().size());
  current->Reset();
  frameWhole = false;
  lastReplayable = false;
}

// The pixels behind a texture name are about to change or go: whatever was
// recorded with the old ones is drawn first.
void BeforeTextureChange() {
  CatchUpOffScreen();
  DrawPendingNow();
  ++textureEpoch;
}

// Where the cached run is in the list, or npos.
size_t CachedRunIn(const DrawList& list) {
  if (!cacheValid || cacheEpoch != textureEpoch) return DrawList::npos;
  return list.Find(*cached, cachedRun.first, cachedRun.count);
}

// A whole-screen list into the bound target, the cached run from the cache
// when the list has it at `at` (npos: it has not).
void DrawFrameList(const DrawList& list, size_t at) {
  if (at == DrawList::npos) {
    ExecuteCommands(list, 0, list.Commands().size());
    return;
  }
  if (cachedRun.covers) {
    ExecutorCopyPicture(cacheTexture, 0, 0, logicalW, logicalH, false);
  } else {
    ExecuteCommands(list, 0, at);
    ExecutorLayPicture(cacheTexture, cachedRun.bounds);
  }
  ExecuteCommands(list, at + cachedRun.count, list.Commands().size());
}

// Whether command i paints the same pixels whatever is under it, once its
// picture (premultiplied by coverage) is laid over that: alpha and light
// blends, clears and opaque copies. A masked copy writes its texels' own
// alpha, and a shade multiplies what is under it.
bool LaysOver(const DrawList& list, size_t i) {
  const DrawCommand& command = list.Commands()[i];
  if (command.clear || command.blend == AlphaBlend || command.blend == LightBlend) return true;
  if (command.blend != SolidBlend || (command.texture != 0 && !(*opaqueTexture)[command.texture])) return false;
  const auto& vertices = list.Vertices();
  return std::all_of(vertices.begin() + command.first, vertices.begin() + command.first + command.count,
                     [](const ListVertex& v) { return v.colour >> 24 == 255; });
}

// The run this frame shares with the last that spares the most drawing: the
// leading commands from the cover, or a run of commands that lay over. A run
// is worth its picture only when its commands paint half as many pixels
// again as the picture has: a shared background alone is not.
CachedRun BestSharedRun() {
  CachedRun best;
  auto consider = [&](size_t first, size_t count, bool covers) {
    if (count == 0) return;
    const ClipRect bounds = covers ? ClipRect{0, 0, logicalW, logicalH} : current->Bounds(first, first + count, logicalW, logicalH);
    const double picture = static_cast<double>(bounds.width) * bounds.height;
    const double painted = current->PaintedArea(first, first + count);
    if (painted >= 1.5 * picture && painted - picture > best.saving) best = {first, count, covers, bounds, painted - picture};
  };
  consider(0, current->CommonPrefix(*last), true);
  const SharedRun run = LongestSharedRun(*current, *last, [](size_t i) { return LaysOver(*current, i); });
  consider(run.first, run.count, false);
  return best;
}

// The cache is drawn again when this frame shares with the last a run that
// spares more than the one it holds (or when it holds none of this frame).
// Returns where the cached run is in this frame, or npos.
size_t UpdateCache() {
  const size_t held = CachedRunIn(*current);
  if (!lastReplayable || lastEpoch != textureEpoch) return held;
  const CachedRun best = BestSharedRun();
  if (best.count == 0 || (held != DrawList::npos && cachedRun.saving >= best.saving)) return held;
  ExecutorBindTarget(cacheBuffer, logicalW, logicalH);
  ExecutorClearTarget(0, 0, 0, 0);
  ExecuteCommands(*current, best.first, best.first + best.count);
  *cached = *current;
  cachedRun = best;
  cacheEpoch = textureEpoch;
  cacheValid = true;
  return best.first;
}

// Redrawing only the changed rectangles still sends every triangle (once per
// rectangle) and copies the whole picture to the window; it pays while they
// are small.
bool SmallDamage() {
  if (!lastReplayable || lastEpoch != textureEpoch) return false;
  if (!FindDamage(*current, *last, logicalW, logicalH, *damage)) return false;
  int64_t area = 0;
  for (const ClipRect& rect : *damage) area += static_cast<int64_t>(rect.width) * rect.height;
  return area * 3 <= static_cast<int64_t>(logicalW) * logicalH;
}

void CopyToWindow(const Letterbox& box, int drawableWidth, int drawableHeight) {
  ExecutorBindTarget(0, drawableWidth, drawableHeight);
  if (box.x > 0 || box.y > 0 || box.width < drawableWidth || box.height < drawableHeight) {
    ExecutorClearTarget(0, 0, 0);
  }
  const bool sameSize = box.width == logicalW && box.height == logicalH;
  ExecutorCopyPicture(frameTexture, box.x, box.y, box.width, box.height, !sameSize);
}

bool IsOpaque(const PixelBuffer& pixels) {
  return std::all_of(pixels.pixels.begin(), pixels.pixels.end(), [](uint32_t p) { return p >> 24 == 255; });
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
  ExecutorForgetTexture();
  const bool filtered = flags & FilteredImage;
  const bool mipmapped = flags & MipmappedImage;
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    mipmapped ? GL_LINEAR_MIPMAP_LINEAR : (filtered ? GL_LINEAR : GL_NEAREST));
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  gl::PixelStorei(GL_UNPACK_ALIGNMENT, 4);
  gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, frame.buffer.width, frame.buffer.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, frame.buffer.pixels.data());
  if (mipmapped) gl::GenerateMipmap(GL_TEXTURE_2D);
  if (opaqueTexture->size() <= frame.texture) opaqueTexture->resize(frame.texture + 1);
  (*opaqueTexture)[frame.texture] = IsOpaque(frame.buffer);
  frame.dirty = false;
}

unsigned TextureFor(ImageFrame& frame, int flags) {
  if (frame.buffer.width <= 0 || frame.buffer.height <= 0) return 0;
  const bool current = frame.generation == generation && frame.texture;
  if (current && !frame.dirty) return frame.texture;
  if (current) BeforeTextureChange();
  UploadFrame(frame, flags);
  return frame.texture;
}

int NormalBlend(int mode) {
  return mode == MaskBlend || mode == AlphaBlend || mode == LightBlend || mode == ShadeBlend ? mode : SolidBlend;
}

// An opaque picture at full alpha hides what is under it whatever the blend
// asks, and the software rasteriser copies far faster than it blends.
int EffectiveBlend(unsigned texture, uint32_t colour) {
  const int mode = NormalBlend(blend);
  const bool hides = (mode == AlphaBlend || mode == MaskBlend) && colour >> 24 == 255 &&
                     (texture == 0 || (*opaqueTexture)[texture]);
  return hides ? SolidBlend : mode;
}

GLuint MakeTargetTexture() {
  GLuint texture = 0;
  gl::GenTextures(1, &texture);
  gl::BindTexture(GL_TEXTURE_2D, texture);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  gl::TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, logicalW, logicalH, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  return texture;
}

bool MakeTarget(GLuint& framebuffer, GLuint& texture) {
  texture = MakeTargetTexture();
  gl::GenFramebuffers(1, &framebuffer);
  gl::BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  gl::FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  return gl::CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
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
  if (!current) {
    current = new DrawList();
    last = new DrawList();
    cached = new DrawList();
    opaqueTexture = new std::vector<bool>();
    damage = new std::vector<ClipRect>();
  }
  current->Reset();
  last->Reset();
  cached->Reset();
  opaqueTexture->clear();
  windowKeepsFrames = WindowKeepsFramesAfterSwap();
  if (!ExecutorOpen()) return false;
  if (!MakeTarget(frameBuffer, frameTexture) || !MakeTarget(cacheBuffer, cacheTexture)) {
    ExecutorClose();
    return false;
  }
  ExecutorForgetTexture();
  ExecutorBindTarget(frameBuffer, logicalW, logicalH);
  rendererOpen = true;
  blend = CurrentDrawState().blend;
  clip = {0, 0, logicalW, logicalH};
  frameWhole = true;
  lastReplayable = offScreenLags = cacheValid = false;
  mustPresent = true;
  return true;
}

void RendererClose() {
  if (!rendererOpen) return;
  current->Reset();
  last->Reset();
  cached->Reset();
  ExecutorClose();
  gl::BindFramebuffer(GL_FRAMEBUFFER, 0);
  const GLuint framebuffers[2] = {frameBuffer, cacheBuffer};
  const GLuint textures[2] = {frameTexture, cacheTexture};
  gl::DeleteFramebuffers(2, framebuffers);
  gl::DeleteTextures(2, textures);
  frameBuffer = frameTexture = cacheBuffer = cacheTexture = 0;
  rendererOpen = false;
}

bool RendererSkipUnchangedFrame(const Letterbox& box, int drawableWidth, int drawableHeight) {
  if (!rendererOpen || !frameWhole || !lastReplayable || lastEpoch != textureEpoch || mustPresent) return false;
  if (!(box == presentedBox) || drawableWidth != presentedWidth || drawableHeight != presentedHeight) return false;
  if (!current->SameAs(*last)) return false;
  current->Reset();
  return true;
}

void RendererWindowExposed() { mustPresent = true; }

void RendererPresent(const Letterbox& box, int drawableWidth, int drawableHeight) {
  if (!rendererOpen) return;
  if (!frameWhole || !current->StartsWithCover(logicalW, logicalH)) {
    // Drawn over the picture before it, as a frame that leaves parts unpainted expects.
    CatchUpOffScreen();
    ExecutorBindTarget(frameBuffer, logicalW, logicalH);
    ExecuteCommands(*current, 0, current->Commands().size());
    CopyToWindow(box, drawableWidth, drawableHeight);
    lastReplayable = false;
  } else {
    const bool straightToWindow = drawableWidth == logicalW && drawableHeight == logicalH &&
                                  box == Letterbox{0, 0, logicalW, logicalH};
    // The frame does not depend on the one before: it can be drawn anywhere,
    // drawn again later, and its shared part cached.
    if (SmallDamage()) {
      // Drawn again only where it differs from the last frame, over that
      // frame's picture: the window's own when it keeps it and is the
      // picture's size, else the off-screen one.
      const bool inWindow = windowKeepsFrames && straightToWindow && !mustPresent && box == presentedBox &&
                            drawableWidth == presentedWidth && drawableHeight == presentedHeight;
      if (!inWindow) CatchUpOffScreen();
      ExecutorBindTarget(inWindow ? 0 : frameBuffer, logicalW, logicalH);
      for (const ClipRect& rect : *damage) ExecuteCommands(*current, 0, current->Commands().size(), &rect);
      offScreenLags = inWindow;
      if (!inWindow) CopyToWindow(box, drawableWidth, drawableHeight);
    } else {
      const size_t cachedAt = UpdateCache();
      ExecutorBindTarget(straightToWindow ? 0 : frameBuffer, logicalW, logicalH);
      DrawFrameList(*current, cachedAt);
      offScreenLags = straightToWindow;
      if (!straightToWindow) CopyToWindow(box, drawableWidth, drawableHeight);
    }
    std::swap(current, last);
    lastReplayable = true;
    lastEpoch = textureEpoch;
  }
  current->Reset();
  frameWhole = true;
  presentedBox = box;
  presentedWidth = drawableWidth;
  presentedHeight = drawableHeight;
  mustPresent = false;
}

void BackendSubmit(Primitive primitive, ImageFrame* frame, int imageFlags, const Vertex* vertices, int count,
                   uint32_t colour) {
  if (!rendererOpen) return;
  const unsigned texture = frame ? TextureFor(*frame, imageFlags) : 0;
  if (frame && !texture) return;
  const int mode = EffectiveBlend(texture, colour);
  if (primitive == Primitive::Quads) {
    const int quads = count / 4;
    ListVertex* out = current->AddVertices(primitive, texture, mode, clip, 6 * quads);
    auto put = [&](const Vertex& v) { *out++ = {v.x, v.y, v.u, v.v, colour}; };
    for (int q = 0; q < quads; ++q) {
      const Vertex* c = vertices + 4 * q;
      put(c[0]);
      put(c[1]);
      put(c[2]);
      put(c[0]);
      put(c[2]);
      put(c[3]);
    }
  } else {
    ListVertex* out = current->AddVertices(primitive, texture, mode, clip, count);
    for (int i = 0; i < count; ++i) out[i] = {vertices[i].x, vertices[i].y, vertices[i].u, vertices[i].v, colour};
  }
}

void BackendSetBlend(int mode) { blend = mode; }

void BackendSetViewport(int x, int y, int width, int height) {
  clip = {x, y, std::max(0, width), std::max(0, height)};
}

void BackendClear(int red, int green, int blue) {
  if (!rendererOpen) return;
  const uint32_t colour = static_cast<uint32_t>(red & 255) | static_cast<uint32_t>(green & 255) << 8 |
                          static_cast<uint32_t>(blue & 255) << 16;
  current->AddClear(clip, colour);
}

PixelBuffer BackendReadPixels(int x, int y, int width, int height) {
  PixelBuffer result;
  if (!rendererOpen || width <= 0 || height <= 0) return result;
  CatchUpOffScreen();
  DrawPendingNow();
  ExecutorBindTarget(frameBuffer, logicalW, logicalH);
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
    BeforeTextureChange();
    gl::DeleteTextures(1, &frame.texture);
    ExecutorForgetTexture();
  }
  frame.texture = 0;
  frame.generation = -1;
}

bool BackendDisplayOpen() { return rendererOpen; }

int64_t BackendDrawCalls() { return ExecutorDrawCalls(); }

}  // namespace platform
