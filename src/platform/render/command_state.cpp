#include "platform/render/command_state.h"

#include <algorithm>

namespace platform {

ClipRect Intersection(const ClipRect& a, const ClipRect& b) {
  const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
  const int right = std::min(a.x + a.width, b.x + b.width), bottom = std::min(a.y + a.height, b.y + b.height);
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

uint64_t HashOf(const CommandState& state) {
  uint64_t hash = kHashSeed;
  hash = MixHash(hash, static_cast<uint64_t>(state.clear) | static_cast<uint64_t>(state.primitive) << 1 |
                           static_cast<uint64_t>(state.blend) << 8 | uint64_t{state.texture.name} << 32);
  hash = MixHash(hash, state.texture.epoch);
  hash = MixHash(hash, state.clearColour);
  hash = MixHash(hash, static_cast<uint64_t>(static_cast<uint32_t>(state.clip.x)) |
                           static_cast<uint64_t>(static_cast<uint32_t>(state.clip.y)) << 32);
  hash = MixHash(hash, static_cast<uint64_t>(static_cast<uint32_t>(state.clip.width)) |
                           static_cast<uint64_t>(static_cast<uint32_t>(state.clip.height)) << 32);
  return hash;
}

bool SameShapes(const CommandState& a, const CommandState& b) {
  return a.clear == b.clear && (a.clear || a.primitive == b.primitive);
}

int VerticesPerShape(Primitive primitive) {
  switch (primitive) {
    case Primitive::Quads:
      return 6;
    case Primitive::Lines:
      return 2;
  }
  return 0;
}

}  // namespace platform
