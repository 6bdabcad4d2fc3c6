#pragma once
// One frame's drawing as the renderer records it before anything reaches the
// driver: commands in order, each with the whole state it draws under, and
// the vertices they read. Two frames' lists can be compared, so the renderer
// can tell an unchanged frame (nothing to draw or swap) and the leading part
// that several frames share (drawn once into a cached picture).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/render_backend.h"

namespace platform {

// A vertex as the driver reads it: logical position, texture coordinates and
// the modulating colour as bytes R, G, B, A.
struct ListVertex {
  float x, y, u, v;
  uint32_t colour;
};

// A scissor rectangle in logical pixels, top-left origin.
struct ClipRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const ClipRect&) const = default;
};

struct DrawCommand {
  bool clear = false;
  Primitive primitive = Primitive::Quads;  // quads are stored as two triangles each
  int blend = 0;
  unsigned texture = 0;
  uint32_t clearColour = 0;
  ClipRect clip;
  int first = 0, count = 0;  // the command's vertices
};

class DrawList {
 public:
  void Reset();
  void AddClear(const ClipRect& clip, uint32_t colour);
  // Room for `count` vertices, continuing the last command when it draws under
  // the same state (so consecutive draws of one picture are one draw call).
  ListVertex* AddVertices(Primitive primitive, unsigned texture, int blend, const ClipRect& clip, int count);

  const std::vector<DrawCommand>& Commands() const { return commands_; }
  const std::vector<ListVertex>& Vertices() const { return vertices_; }
  bool Empty() const { return commands_.empty(); }

  // How many leading commands of the two lists draw exactly the same.
  size_t CommonPrefix(const DrawList& other) const;
  bool SameAs(const DrawList& other) const;
  // Command i of both lists draws under the same state / draws the same.
  bool SameStateAt(const DrawList& other, size_t i) const;
  bool SameCommandAt(const DrawList& other, size_t i) const;
  // True when the first command paints every pixel of a width x height screen
  // without reading what was there (a clear, or opaque quads that tile it), so
  // the frame does not depend on the one before.
  bool StartsWithCover(int width, int height) const;

 private:
  std::vector<DrawCommand> commands_;
  std::vector<ListVertex> vertices_;
};

}  // namespace platform
