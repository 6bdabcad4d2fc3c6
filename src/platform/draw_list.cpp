#include "platform/draw_list.h"

#include <algorithm>
#include <cstring>

#include "platform/graphics.h"

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

void DrawList::Reset() {
  commands_.clear();
  vertices_.clear();
}

void DrawList::AddClear(const ClipRect& clip, uint32_t colour) {
  DrawCommand command;
  command.clear = true;
  command.clearColour = colour;
  command.clip = clip;
  command.first = static_cast<int>(vertices_.size());
  commands_.push_back(command);
}

ListVertex* DrawList::AddVertices(Primitive primitive, unsigned texture, int blend, const ClipRect& clip, int count) {
  const bool continues = !commands_.empty() && !commands_.back().clear && commands_.back().primitive == primitive &&
                         commands_.back().texture == texture && commands_.back().blend == blend &&
                         commands_.back().clip == clip;
  if (!continues) {
    DrawCommand command;
    command.primitive = primitive;
    command.texture = texture;
    command.blend = blend;
    command.clip = clip;
    command.first = static_cast<int>(vertices_.size());
    commands_.push_back(command);
  }
  commands_.back().count += count;
  vertices_.resize(vertices_.size() + static_cast<size_t>(count));
  return vertices_.data() + vertices_.size() - count;
}

bool DrawList::SameCommandAt(const DrawList& other, size_t i) const {
  const DrawCommand &a = commands_[i], &b = other.commands_[i];
  if (!SameStateAt(other, i) || a.count != b.count) return false;
  return a.count == 0 ||
         std::memcmp(&vertices_[a.first], &other.vertices_[b.first], sizeof(ListVertex) * a.count) == 0;
}

bool DrawList::SameStateAt(const DrawList& other, size_t i) const {
  const DrawCommand &a = commands_[i], &b = other.commands_[i];
  return a.clear == b.clear && a.primitive == b.primitive && a.blend == b.blend && a.texture == b.texture &&
         a.clearColour == b.clearColour && a.clip == b.clip;
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

bool DrawList::StartsWithCover(int width, int height) const {
  if (commands_.empty()) return false;
  const DrawCommand& first = commands_.front();
  if (!ClipCovers(first.clip, width, height)) return false;
  if (first.clear) return true;
  if (first.blend != SolidBlend || first.primitive != Primitive::Quads ||
      static_cast<size_t>(first.count / 6) > MaxCoverQuads) {
    return false;
  }
  std::vector<Span> rects;
  return UprightRects(first, vertices_, rects) && RectsCover(rects, width, height);
}

}  // namespace platform
