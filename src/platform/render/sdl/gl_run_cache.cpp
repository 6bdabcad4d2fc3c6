#include "platform/render/sdl/gl_run_cache.h"

#include <algorithm>

#include "platform/render/sdl/gl_draw_executor.h"
#include "platform/render/sdl/gl_functions.h"

namespace platform {
namespace {

// Whether command i paints the same pixels whatever is under it, once its
// picture (premultiplied by coverage) is laid over that: alpha and light
// blends, clears and opaque copies. A masked copy writes its texels' own
// alpha, and a shade multiplies what is under it.
bool LaysOver(const DrawList& list, size_t i, const TextureStore& textures) {
  const DrawCommand& command = list.Commands()[i];
  const CommandState& state = command.state;
  if (state.clear) return true;
  switch (state.blend) {
    case Blend::Alpha:
    case Blend::Light:
      return true;
    case Blend::Mask:
    case Blend::Shade:
      return false;
    case Blend::Solid:
      break;
  }
  if (state.texture.name != 0 && !textures.Opaque(state.texture.name)) return false;
  const auto& vertices = list.Vertices();
  return std::all_of(vertices.begin() + command.first, vertices.begin() + command.first + command.count,
                     [](const ListVertex& v) { return v.colour >> 24 == 255; });
}

}  // namespace

bool RunCache::Open(int width, int height) {
  width_ = width;
  height_ = height;
  list_.Reset();
  run_ = lastBest_ = {};
  return MakePictureTarget(picture_, width, height);
}

void RunCache::Close() {
  list_.Reset();
  run_ = lastBest_ = {};
  DeletePictureTarget(picture_);
}

size_t RunCache::Find(const DrawList& list) const { return list.Find(list_, run_.first, run_.count); }

// The run `now` shares with `last` that spares the most drawing: the leading
// commands from the cover, or a run of commands that lay over. A run is worth
// its picture only when its commands paint half as many pixels again as the
// picture has: a shared background alone is not.
RunCache::Run RunCache::BestSharedRun(const DrawList& now, const DrawList& last, const TextureStore& textures) const {
  Run best;
  auto consider = [&](size_t first, size_t count, bool covers) {
    if (count == 0) return;
    const ClipRect bounds = covers ? ClipRect{0, 0, width_, height_} : now.Bounds(first, first + count, width_, height_);
    const double picture = static_cast<double>(bounds.width) * bounds.height;
    const double painted = now.PaintedArea(first, first + count);
    if (painted >= 1.5 * picture && painted - picture > best.saving) best = {first, count, covers, bounds, painted - picture};
  };
  consider(0, now.CommonPrefix(last), true);
  const SharedRun run = LongestSharedRun(now, last, [&](size_t i) { return LaysOver(now, i, textures); });
  consider(run.first, run.count, false);
  return best;
}

size_t RunCache::Update(const DrawList& now, const DrawList& last, const TextureStore& textures, bool mayRedraw) {
  const size_t held = Find(now);
  if (mayRedraw || held == DrawList::npos) {
    const Run best = BestSharedRun(now, last, textures);
    const bool settled = best == lastBest_;
    lastBest_ = best;
    if (best.count != 0 && (held == DrawList::npos || run_.saving < best.saving) && (mayRedraw || settled)) {
      ExecutorBindTarget(picture_.framebuffer, width_, height_);
      ExecutorClearTarget(0, 0, 0, 0);
      ExecuteCommands(now, best.first, best.first + best.count);
      list_ = now;
      run_ = best;
      regions_ = {};
      regionsSought_ = false;
      return best.first;
    }
  }
  // A picture that lasts is worth reading back once; one redrawn every frame
  // (a lock turning inside the run) is not.
  if (held != DrawList::npos && !run_.covers && !regionsSought_) FindRegions();
  return held;
}

void RunCache::FindRegions() {
  regionsSought_ = true;
  ExecutorBindTarget(picture_.framebuffer, width_, height_);
  gl::PixelStorei(GL_PACK_ALIGNMENT, 4);
  const int width = width_, height = height_;
  regions_ = FindPictureRegions(width, height, [width, height](int top, int count, uint32_t* out) {
    gl::ReadPixels(0, height - top - count, width, count, GL_RGBA, GL_UNSIGNED_BYTE, out);
    // Frame buffers keep their bottom row first.
    for (int y = 0; y < count / 2; ++y) {
      std::swap_ranges(out + static_cast<size_t>(y) * width, out + static_cast<size_t>(y + 1) * width,
                       out + static_cast<size_t>(count - 1 - y) * width);
    }
  });
}

void RunCache::Draw(const DrawList& list, size_t at, const ClipRect* within) const {
  const ClipRect screen{0, 0, width_, height_};
  const ClipRect area = within ? Intersection(*within, screen) : screen;
  if (at == DrawList::npos) {
    ExecuteCommands(list, 0, list.Commands().size(), within);
    return;
  }
  if (run_.covers) {
    ExecutorCopyPicturePart(picture_.texture, area);
  } else {
    DrawLaidRun(list, at, area);
  }
  ExecuteCommands(list, at + run_.count, list.Commands().size(), within);
}

// The commands before the run, then its picture laid over them: inside
// `area`, and where the regions are known, nothing drawn under the opaque
// parts, those copied, and nothing laid over the empty ones.
void RunCache::DrawLaidRun(const DrawList& list, size_t at, const ClipRect& area) const {
  if (!regions_.Known()) {
    ExecuteCommands(list, 0, at, &area);
    const ClipRect laid = Intersection(run_.bounds, area);
    if (!laid.Empty()) ExecutorLayPicture(picture_.texture, laid);
    return;
  }
  auto inside = [&](const std::vector<ClipRect>& rects, auto draw) {
    for (const ClipRect& rect : rects) {
      const ClipRect part = Intersection(rect, area);
      if (!part.Empty()) draw(part);
    }
  };
  auto under = [&](const ClipRect& part) { ExecuteCommands(list, 0, at, &part); };
  inside(regions_.empty, under);
  inside(regions_.translucent, under);
  inside(regions_.opaque, [&](const ClipRect& part) { ExecutorCopyPicturePart(picture_.texture, part); });
  inside(regions_.translucent, [&](const ClipRect& part) { ExecutorLayPicture(picture_.texture, part); });
}

}  // namespace platform
