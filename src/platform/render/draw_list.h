#pragma once
// One frame's drawing as the renderer records it before anything reaches the
// driver: commands in order, each with the whole state it draws under, and
// the vertices they read. Two frames' lists can be compared, so the renderer
// can tell an unchanged frame (nothing to draw or swap) and a run of commands
// that several frames share, wherever it falls in each (drawn once into a
// cached picture).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/render/command_state.h"
#include "platform/render/render_backend.h"

namespace platform {

// A vertex as the driver reads it: logical position, texture coordinates and
// the modulating colour as bytes R, G, B, A.
struct ListVertex {
  float x, y, u, v;
  uint32_t colour;
};

// The smallest upright rectangle holding some vertices.
struct VertexHull {
  float left, top, right, bottom;
};
// Vertices [first, first + count) of `vertices`; count must be positive.
VertexHull HullOf(const std::vector<ListVertex>& vertices, int first, int count);
// The pixels a shape can touch: its hull widened by a pixel on every side (a
// line's pixels reach half a pixel beyond its ends, a rounded edge a pixel).
// The damage between frames, a cached run's bounds and what a command drawn
// within a rectangle can reach all take it from here.
VertexHull ReachOf(const VertexHull& hull);

struct DrawCommand {
  CommandState state;        // quads are stored as two triangles each
  int first = 0, count = 0;  // the command's vertices
};

class DrawList {
 public:
  void Reset();
  void AddClear(const ClipRect& clip, uint32_t colour);
  // Room for `count` vertices drawn under `state` (not a clear), continuing
  // the last command when it draws under the same state (so consecutive draws
  // of one picture are one draw call).
  ListVertex* AddVertices(const CommandState& state, int count);
  // The back-end's shapes (four vertices a quad, two a line) under `state`,
  // each vertex modulated by `colour`.
  void AddShapes(const CommandState& state, const Vertex* vertices, int count, uint32_t colour);

  const std::vector<DrawCommand>& Commands() const { return commands_; }
  const std::vector<ListVertex>& Vertices() const { return vertices_; }
  bool Empty() const { return commands_.empty(); }

  // How many leading commands of the two lists draw exactly the same.
  size_t CommonPrefix(const DrawList& other) const;
  bool SameAs(const DrawList& other) const;
  // Command i of both lists draws the same.
  bool SameCommandAt(const DrawList& other, size_t i) const;
  // Command i of this list draws what command j of the other does.
  bool SameCommand(size_t i, const DrawList& other, size_t j) const;
  // True when the first command paints every pixel of a width x height screen
  // without reading what was there (a clear, or opaque quads that tile it), so
  // the frame does not depend on the one before.
  bool StartsWithCover(int width, int height) const;
  // The same for command i: what comes before it is hidden.
  bool CoversAt(size_t i, int width, int height) const;

  // Where the `count` commands from `first` of `other` occur in this list, or npos.
  size_t Find(const DrawList& other, size_t first, size_t count) const;
  // The pixels commands [from, to) paint, counted once per draw (overlaps
  // count twice): what drawing them costs a software rasteriser.
  double PaintedArea(size_t from, size_t to) const;
  // The rectangle commands [from, to) can touch, within a width x height screen.
  ClipRect Bounds(size_t from, size_t to, int width, int height) const;

  // A hash of each command's state and vertices, made when first asked for:
  // commands with different fingerprints draw differently.
  const std::vector<uint64_t>& Fingerprints() const;

  static constexpr size_t npos = static_cast<size_t>(-1);

 private:
  std::vector<DrawCommand> commands_;
  std::vector<ListVertex> vertices_;
  mutable std::vector<uint64_t> fingerprints_;
};

// Commands [first, first + count) of one list that draw alike to those from
// `otherFirst` of another.
struct SharedRun {
  size_t first = 0, otherFirst = 0, count = 0;
};

// The longest run the two lists share made only of commands of `list` that
// `eligible` accepts (by index). Lists too long to compare share nothing.
SharedRun LongestSharedRun(const DrawList& list, const DrawList& other, const std::function<bool(size_t)>& eligible);

}  // namespace platform
