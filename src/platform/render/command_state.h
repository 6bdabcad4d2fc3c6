#pragma once
// The state a recorded draw command draws under: everything besides its
// vertices that decides its pixels. It is one value with one equality and one
// hash, and they are what every comparison of commands uses: joining draws
// into one command, an unchanged frame, the damage between two frames, the
// runs that frames share and their fingerprints.

#include <cstdint>

#include "platform/render/render_backend.h"

namespace platform {

// A scissor rectangle in logical pixels, top-left origin.
struct ClipRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const ClipRect&) const = default;
  bool Empty() const { return width <= 0 || height <= 0; }
};
// The part two rectangles share (empty when none).
ClipRect Intersection(const ClipRect& a, const ClipRect& b);

// A texture as a command draws it: the driver's name and the texture epoch it
// was recorded in. A name can stand for other pixels later (a picture's pixels
// uploaded again, a texture deleted and its name reused); the epoch is raised
// each time, so a command recorded before is not equal to one recorded after.
struct TextureRef {
  unsigned name = 0;  // 0: untextured
  uint64_t epoch = 0;
  bool operator==(const TextureRef&) const = default;
};

struct CommandState {
  bool clear = false;  // clears the clip to clearColour; draws nothing else
  Primitive primitive = Primitive::Quads;
  Blend blend = Blend::Solid;
  TextureRef texture;
  uint32_t clearColour = 0;  // bytes R, G, B
  ClipRect clip;

  // Every member counts: two commands with equal states and equal vertices
  // draw the same pixels.
  bool operator==(const CommandState&) const = default;
};

// A hash of every member: unequal hashes mean unequal states.
uint64_t HashOf(const CommandState& state);

// The mixing step of HashOf, for hashes that go on from a state's (a
// command's vertices, say).
constexpr uint64_t kHashSeed = 0x9E3779B97F4A7C15ull;
inline uint64_t MixHash(uint64_t hash, uint64_t word) {
  hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
  return hash ^ hash >> 32;
}

// Whether two commands' vertices form the same kind of shapes (both clears,
// or both quads, or both lines), so their shapes can be lined up one by one.
bool SameShapes(const CommandState& a, const CommandState& b);

// How many recorded vertices make one shape: a quad is stored as two triangles.
int VerticesPerShape(Primitive primitive);

}  // namespace platform
