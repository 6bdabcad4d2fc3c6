#include "platform/render/draw_list.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/render/graphics.h"

namespace platform {
namespace {

struct Span {
  float left, top, right, bottom;
};

bool ClipCovers(const ClipRect& clip, int width, int height) {
  return clip.x <= 0 && clip.y <= 0 && clip.x + clip.width >= width && clip.y + clip.height >= height;
}

// The quads of a command as rectangles; false when one is not an upright
// rectangle (rotated or sheared), which the cover test does not follow.
bool UprightRects(const DrawCommand& command, const std::vector<ListVertex>& vertices, std::vector<Span>& rects) {
  for (int q = command.first; q + 5 < command.first + command.count; q += 6) {
    const ListVertex &a = vertices[q], &b = vertices[q + 1], &c = vertices[q + 2], &d = vertices[q + 5];
    if (a.y != b.y || b.x != c.x || c.y != d.y || d.x != a.x) return false;
    rects.push_back({std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)});
  }
  return true;
}

// Whether the rectangles together cover the screen: inside it they add up to
// its area and no two overlap (so no part is counted twice).
bool RectsCover(const std::vector<Span>& rects, int width, int height) {
  std::vector<Span> inside;
  double area = 0;
  for (const Span& r : rects) {
    const Span c{std::max(r.left, 0.0f), std::max(r.top, 0.0f), std::min(r.right, static_cast<float>(width)),
                 std::min(r.bottom, static_cast<float>(height))};
    if (c.right <= c.left || c.bottom <= c.top) continue;
    inside.push_back(c);
    area += (static_cast<double>(c.right) - c.left) * (static_cast<double>(c.bottom) - c.top);
  }
  if (area < static_cast<double>(width) * height) return false;
  for (size_t i = 0; i < inside.size(); ++i) {
    for (size_t j = i + 1; j < inside.size(); ++j) {
      const Span &a = inside[i], &b = inside[j];
      if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) return false;
    }
  }
  return true;
}

// Beyond this many quads a first command is not taken for a cover (the test
// grows with the square of it); a background of 64-pixel tiles is 130.
constexpr size_t MaxCoverQuads = 512;

}  // namespace

VertexHull HullOf(const std::vector<ListVertex>& vertices, int first, int count) {
  VertexHull hull{vertices[first].x, vertices[first].y, vertices[first].x, vertices[first].y};
  for (int i = first + 1; i < first + count; ++i) {
    hull.left = std::min(hull.left, vertices[i].x);
    hull.right = std::max(hull.right, vertices[i].x);
    hull.top = std::min(hull.top, vertices[i].y);
    hull.bottom = std::max(hull.bottom, vertices[i].y);
  }
  return hull;
}

VertexHull ReachOf(const VertexHull& hull) {
  return {hull.left - 1, hull.top - 1, hull.right + 1, hull.bottom + 1};
}

void DrawList::Reset() {
  commands_.clear();
  vertices_.clear();
  fingerprints_.clear();
}

void DrawList::AddClear(const ClipRect& clip, uint32_t colour) {
  DrawCommand command;
  command.state.clear = true;
  command.state.clearColour = colour;
  command.state.clip = clip;
  command.first = static_cast<int>(vertices_.size());
  commands_.push_back(command);
  fingerprints_.clear();
}

ListVertex* DrawList::AddVertices(const CommandState& state, int count) {
  if (commands_.empty() || commands_.back().state != state) {
    DrawCommand command;
    command.state = state;
    command.first = static_cast<int>(vertices_.size());
    commands_.push_back(command);
  }
  commands_.back().count += count;
  fingerprints_.clear();
  vertices_.resize(vertices_.size() + static_cast<size_t>(count));
  return vertices_.data() + vertices_.size() - count;
}

void DrawList::AddShapes(const CommandState& state, const Vertex* vertices, int count, uint32_t colour) {
  switch (state.primitive) {
    case Primitive::Quads: {
      const int quads = count / 4;
      ListVertex* out = AddVertices(state, VerticesPerShape(Primitive::Quads) * quads);
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
      return;
    }
    case Primitive::Lines: {
      ListVertex* out = AddVertices(state, count);
      for (int i = 0; i < count; ++i) out[i] = {vertices[i].x, vertices[i].y, vertices[i].u, vertices[i].v, colour};
      return;
    }
  }
}

bool DrawList::SameCommandAt(const DrawList& other, size_t i) const { return SameCommand(i, other, i); }

bool DrawList::SameCommand(size_t i, const DrawList& other, size_t j) const {
  const DrawCommand &a = commands_[i], &b = other.commands_[j];
  if (a.state != b.state || a.count != b.count) return false;
  return a.count == 0 ||
         std::memcmp(&vertices_[a.first], &other.vertices_[b.first], sizeof(ListVertex) * a.count) == 0;
}

size_t DrawList::CommonPrefix(const DrawList& other) const {
  const size_t limit = std::min(commands_.size(), other.commands_.size());
  size_t i = 0;
  while (i < limit && SameCommandAt(other, i)) ++i;
  return i;
}

bool DrawList::SameAs(const DrawList& other) const {
  return commands_.size() == other.commands_.size() && CommonPrefix(other) == commands_.size();
}

bool DrawList::StartsWithCover(int width, int height) const { return CoversAt(0, width, height); }

bool DrawList::CoversAt(size_t i, int width, int height) const {
  if (i >= commands_.size()) return false;
  const DrawCommand& command = commands_[i];
  const CommandState& state = command.state;
  if (!ClipCovers(state.clip, width, height)) return false;
  if (state.clear) return true;
  // Only solid quads hide what is under them.
  switch (state.blend) {
    case Blend::Solid:
      break;
    case Blend::Mask:
    case Blend::Alpha:
    case Blend::Light:
    case Blend::Shade:
      return false;
  }
  switch (state.primitive) {
    case Primitive::Quads:
      break;
    case Primitive::Lines:
      return false;
  }
  if (static_cast<size_t>(command.count / VerticesPerShape(Primitive::Quads)) > MaxCoverQuads) return false;
  std::vector<Span> rects;
  return UprightRects(command, vertices_, rects) && RectsCover(rects, width, height);
}

const std::vector<uint64_t>& DrawList::Fingerprints() const {
  if (fingerprints_.size() == commands_.size()) return fingerprints_;
  fingerprints_.clear();
  for (const DrawCommand& command : commands_) {
    uint64_t hash = MixHash(HashOf(command.state), static_cast<uint64_t>(static_cast<uint32_t>(command.count)));
    const size_t words = sizeof(ListVertex) * static_cast<size_t>(command.count) / sizeof(uint32_t);
    const auto* bytes = reinterpret_cast<const unsigned char*>(vertices_.data() + command.first);
    for (size_t w = 0; w < words; ++w) {
      uint32_t word;
      std::memcpy(&word, bytes + w * sizeof(word), sizeof(word));
      hash = MixHash(hash, word);
    }
    fingerprints_.push_back(hash);
  }
  return fingerprints_;
}

// Asked every frame: comparing the commands outright (states and counts
// first, then the vertices' bytes) costs less than hashing every vertex.
size_t DrawList::Find(const DrawList& other, size_t first, size_t count) const {
  if (count == 0 || first + count > other.commands_.size() || count > commands_.size()) return npos;
  for (size_t at = 0; at + count <= commands_.size(); ++at) {
    size_t k = 0;
    while (k < count && SameCommand(at + k, other, first + k)) ++k;
    if (k == count) return at;
  }
  return npos;
}

double DrawList::PaintedArea(size_t from, size_t to) const {
  double area = 0;
  for (size_t i = from; i < to && i < commands_.size(); ++i) {
    const DrawCommand& command = commands_[i];
    const CommandState& state = command.state;
    if (state.clear) {
      area += static_cast<double>(state.clip.width) * state.clip.height;
      continue;
    }
    switch (state.primitive) {
      case Primitive::Quads:
        break;
      case Primitive::Lines:
        continue;  // a line paints next to nothing
    }
    for (int t = command.first; t + 2 < command.first + command.count; t += 3) {
      const ListVertex &a = vertices_[t], &b = vertices_[t + 1], &c = vertices_[t + 2];
      area += std::abs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2.0;
    }
  }
  return area;
}

ClipRect DrawList::Bounds(size_t from, size_t to, int width, int height) const {
  int left = width, top = height, right = 0, bottom = 0;
  auto include = [&](const VertexHull& reach, const ClipRect& clip) {
    const int x0 = std::max({0, clip.x, static_cast<int>(std::floor(reach.left))});
    const int y0 = std::max({0, clip.y, static_cast<int>(std::floor(reach.top))});
    const int x1 = std::min({width, clip.x + clip.width, static_cast<int>(std::ceil(reach.right))});
    const int y1 = std::min({height, clip.y + clip.height, static_cast<int>(std::ceil(reach.bottom))});
    if (x1 <= x0 || y1 <= y0) return;
    left = std::min(left, x0);
    top = std::min(top, y0);
    right = std::max(right, x1);
    bottom = std::max(bottom, y1);
  };
  for (size_t i = from; i < to && i < commands_.size(); ++i) {
    const DrawCommand& command = commands_[i];
    const ClipRect& clip = command.state.clip;
    if (command.state.clear) {
      include({static_cast<float>(clip.x), static_cast<float>(clip.y), static_cast<float>(clip.x + clip.width),
               static_cast<float>(clip.y + clip.height)},
              clip);
      continue;
    }
    if (command.count == 0) continue;
    include(ReachOf(HullOf(vertices_, command.first, command.count)), clip);
  }
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

SharedRun LongestSharedRun(const DrawList& list, const DrawList& other, const std::function<bool(size_t)>& eligible) {
  SharedRun best;
  const size_t n = list.Commands().size(), m = other.Commands().size();
  // The comparison grows with the product of the lengths; a frame has a few dozen commands.
  constexpr size_t kMaxPairs = 1u << 20;
  if (n == 0 || m == 0 || n * m > kMaxPairs) return best;
  const auto& mine = list.Fingerprints();
  const auto& theirs = other.Fingerprints();
  // run[j]: how long the shared run is that ends at command i of `list` and j of `other`.
  std::vector<size_t> run(m + 1, 0), next(m + 1, 0);
  for (size_t i = 0; i < n; ++i) {
    const bool usable = eligible(i);
    for (size_t j = 0; j < m; ++j) {
      next[j + 1] = usable && mine[i] == theirs[j] && list.SameCommand(i, other, j) ? run[j] + 1 : 0;
      if (next[j + 1] > best.count) best = {i + 1 - next[j + 1], j + 1 - next[j + 1], next[j + 1]};
    }
    std::swap(run, next);
  }
  return best;
}

}  // namespace platform
