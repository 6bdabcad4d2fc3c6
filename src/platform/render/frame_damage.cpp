#include "platform/render/frame_damage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {
namespace {

struct Box {
  float left, top, right, bottom;
  float Area() const { return (right - left) * (bottom - top); }
};

Box Union(const Box& a, const Box& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// Beyond this many changed shapes their rectangles are not told apart.
constexpr size_t MaxShapes = 256;
// Rectangles nearer than this are drawn as one.
constexpr float JoinDistance = 8;

class DamageFinder {
 public:
  explicit DamageFinder(std::vector<Box>& boxes) : boxes_(boxes) {}

  // The pixels shape [first, first + count) of a command can reach, within
  // the command's clip.
  void AddShape(const DrawCommand& command, const std::vector<ListVertex>& vertices, int first, int count) {
    if (count <= 0) return;
    const VertexHull reach = ReachOf(HullOf(vertices, first, count));
    AddClipped(command.state.clip, {reach.left, reach.top, reach.right, reach.bottom});
  }

  void AddClipped(const ClipRect& clip, const Box& box) {
    const Box clipped{std::max(box.left, static_cast<float>(clip.x)), std::max(box.top, static_cast<float>(clip.y)),
                      std::min(box.right, static_cast<float>(clip.x + clip.width)),
                      std::min(box.bottom, static_cast<float>(clip.y + clip.height))};
    if (clipped.right > clipped.left && clipped.bottom > clipped.top) boxes_.push_back(clipped);
  }

  // Two versions of one command: the shapes that differ, lined up from both
  // ends (a particle born or gone shifts the rest), else the whole of both.
  void AddCommand(const DrawList& now, const DrawList& before, size_t i) {
    const DrawCommand &a = now.Commands()[i], &b = before.Commands()[i];
    if (a.state.clear) {
      AddClipped(a.state.clip, {-1e9f, -1e9f, 1e9f, 1e9f});
      AddClipped(b.state.clip, {-1e9f, -1e9f, 1e9f, 1e9f});
      return;
    }
    const int size = VerticesPerShape(a.state.primitive);
    if (a.state != b.state) {
      AddShape(a, now.Vertices(), a.first, a.count);
      AddShape(b, before.Vertices(), b.first, b.count);
      return;
    }
    const ListVertex* va = &now.Vertices()[a.first];
    const ListVertex* vb = &before.Vertices()[b.first];
    auto same = [&](int shapeA, int shapeB) {
      return std::memcmp(va + shapeA * size, vb + shapeB * size, sizeof(ListVertex) * size) == 0;
    };
    const int shapesA = a.count / size, shapesB = b.count / size;
    int head = 0;
    while (head < shapesA && head < shapesB && same(head, head)) ++head;
    int tail = 0;
    while (tail < shapesA - head && tail < shapesB - head && same(shapesA - 1 - tail, shapesB - 1 - tail)) ++tail;
    for (int s = head; s < shapesA - tail; ++s) AddShape(a, now.Vertices(), a.first + s * size, size);
    for (int s = head; s < shapesB - tail; ++s) AddShape(b, before.Vertices(), b.first + s * size, size);
  }

 private:
  std::vector<Box>& boxes_;
};

bool Near(const Box& a, const Box& b) {
  return a.left - JoinDistance < b.right && b.left - JoinDistance < a.right && a.top - JoinDistance < b.bottom &&
         b.top - JoinDistance < a.bottom;
}

// Joins rectangles that touch, then the pair that grows least, until few are left.
void Merge(std::vector<Box>& boxes) {
  if (boxes.size() > MaxShapes) {
    Box all = boxes.front();
    for (const Box& box : boxes) all = Union(all, box);
    boxes = {all};
    return;
  }
  for (bool joined = true; joined;) {
    joined = false;
    for (size_t i = 0; i < boxes.size() && !joined; ++i) {
      for (size_t j = i + 1; j < boxes.size() && !joined; ++j) {
        if (!Near(boxes[i], boxes[j])) continue;
        boxes[i] = Union(boxes[i], boxes[j]);
        boxes.erase(boxes.begin() + static_cast<std::ptrdiff_t>(j));
        joined = true;
      }
    }
  }
  while (boxes.size() > kMaxDamageRects) {
    size_t bestI = 0, bestJ = 1;
    float bestGrowth = 1e30f;
    for (size_t i = 0; i < boxes.size(); ++i) {
      for (size_t j = i + 1; j < boxes.size(); ++j) {
        const float growth = Union(boxes[i], boxes[j]).Area() - boxes[i].Area() - boxes[j].Area();
        if (growth < bestGrowth) bestGrowth = growth, bestI = i, bestJ = j;
      }
    }
    boxes[bestI] = Union(boxes[bestI], boxes[bestJ]);
    boxes.erase(boxes.begin() + static_cast<std::ptrdiff_t>(bestJ));
  }
}

}  // namespace

bool FindDamage(const DrawList& now, const DrawList& before, int width, int height, std::vector<ClipRect>& rects) {
  rects.clear();
  if (now.Commands().size() != before.Commands().size()) return false;
  std::vector<Box> boxes;
  DamageFinder finder(boxes);
  for (size_t i = 0; i < now.Commands().size(); ++i) {
    if (!SameShapes(now.Commands()[i].state, before.Commands()[i].state)) return false;
    if (!now.SameCommandAt(before, i)) finder.AddCommand(now, before, i);
  }
  if (boxes.empty()) return true;
  Merge(boxes);
  for (const Box& box : boxes) {
    const int left = std::max(0, static_cast<int>(std::floor(box.left)));
    const int top = std::max(0, static_cast<int>(std::floor(box.top)));
    const int right = std::min(width, static_cast<int>(std::ceil(box.right)));
    const int bottom = std::min(height, static_cast<int>(std::ceil(box.bottom)));
    if (right > left && bottom > top) rects.push_back({left, top, right - left, bottom - top});
  }
  return true;
}

}  // namespace platform
