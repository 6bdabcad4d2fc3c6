#include "platform/render/sdl/gl_run_cache.h"

#include <algorithm>

#include "platform/render/sdl/gl_draw_executor.h"

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
  run_ = {};
  return MakePictureTarget(picture_, width, height);
}

void RunCache::Close() {
  list_.Reset();
  run_ = {};
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

size_t RunCache::Update(const DrawList& now, const DrawList& last, const TextureStore& textures) {
  const size_t held = Find(now);
  const Run best = BestSharedRun(now, last, textures);
  if (best.count == 0 || (held != DrawList::npos && run_.saving >= best.saving)) return held;
  ExecutorBindTarget(picture_.framebuffer, width_, height_);
  ExecutorClearTarget(0, 0, 0, 0);
  ExecuteCommands(now, best.first, best.first + best.count);
  list_ = now;
  run_ = best;
  return best.first;
}

void RunCache::Draw(const DrawList& list, size_t at) const {
  if (at == DrawList::npos) {
    ExecuteCommands(list, 0, list.Commands().size());
    return;
  }
  if (run_.covers) {
    ExecutorCopyPicture(picture_.texture, 0, 0, width_, height_, false);
  } else {
    ExecuteCommands(list, 0, at);
    ExecutorLayPicture(picture_.texture, run_.bounds);
  }
  ExecuteCommands(list, at + run_.count, list.Commands().size());
}

}  // namespace platform
