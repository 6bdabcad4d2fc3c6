#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace mkmedia {

float CircleDistance(float x, float y, float cx, float cy, float r) { return std::hypot(x - cx, y - cy) - r; }

float BoxDistance(float x, float y, float cx, float cy, float halfW, float halfH, float radius) {
  float qx = std::fabs(x - cx) - halfW + radius, qy = std::fabs(y - cy) - halfH + radius;
  float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float SegmentDistance(float x, float y, Point a, Point b) {
  float px = x - a.x, py = y - a.y, bx = b.x - a.x, by = b.y - a.y;
  float len2 = bx * bx + by * by;
  float t = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0f, 1.0f) : 0.0f;
  return std::hypot(px - bx * t, py - by * t);
}

float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry) {
  // Distance scaled by the local gradient: exact on the outline, close nearby.
  float dx = (x - cx) / rx, dy = (y - cy) / ry;
  float k = std::hypot(dx, dy);
  float gx = dx / rx, gy = dy / ry;
  float g = std::hypot(gx, gy);
  if (g < 1e-6f) return -std::min(rx, ry);
  return (k - 1.0f) * k / g;
}

float PolygonDistance(float x, float y, const std::vector<Point>& p) {
  float d = 1e9f;
  bool inside = false;
  for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
    d = std::min(d, SegmentDistance(x, y, p[j], p[i]));
    if (((p[i].y > y) != (p[j].y > y)) && (x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x))
      inside = !inside;
  }
  return inside ? -d : d;
}

Shape Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return CircleDistance(x, y, cx, cy, r); };
}

Shape RoundBox(float x0, float y0, float x1, float y1, float radius) {
  float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hw = (x1 - x0) / 2, hh = (y1 - y0) / 2;
  return [=](float x, float y) { return BoxDistance(x, y, cx, cy, hw, hh, radius); };
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
  return [=](float x, float y) { return EllipseDistance(x, y, cx, cy, rx, ry); };
}

Shape Polygon(std::vector<Point> points) {
  return [p = std::move(points)](float x, float y) { return PolygonDistance(x, y, p); };
}

Shape Stroke(std::vector<Point> points, float width) {
  return [p = std::move(points), half = width / 2](float x, float y) {
    float d = 1e9f;
    for (size_t i = 1; i < p.size(); ++i) d = std::min(d, SegmentDistance(x, y, p[i - 1], p[i]));
    if (p.size() == 1) d = std::hypot(x - p[0].x, y - p[0].y);
    return d - half;
  };
}

Shape Ring(float cx, float cy, float r, float width) {
  return [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - width / 2; };
}

Shape Union(Shape a, Shape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Shape Intersect(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Shape Subtract(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Shape Grow(Shape s, float amount) {
  return [=](float x, float y) { return s(x, y) - amount; };
}

Shape Transformed(Shape s, float cx, float cy, float angle, float scale) {
  float c = std::cos(angle), si = std::sin(angle);
  return [=](float x, float y) {
    float dx = x - cx, dy = y - cy;
    float rx = (dx * c + dy * si) / scale, ry = (-dx * si + dy * c) / scale;
    return s(rx, ry) * scale;
  };
}

Paint Solid(Rgba c) {
  return [c](float, float) { return c; };
}

Paint LinearGradient(Point from, Rgba c0, Point to, Rgba c1) {
  float dx = to.x - from.x, dy = to.y - from.y, len2 = dx * dx + dy * dy;
  return [=](float x, float y) {
    float t = Clamp01(((x - from.x) * dx + (y - from.y) * dy) / len2);
    return Mix(c0, c1, t);
  };
}

Paint RadialGradient(Point centre, float radius, Rgba inner, Rgba outer) {
  return [=](float x, float y) { return Mix(inner, outer, Clamp01(std::hypot(x - centre.x, y - centre.y) / radius)); };
}

namespace {

template <typename Visit>
void ForPixels(int width, int height, Bounds b, bool wrap, Visit visit) {
  int x0 = static_cast<int>(std::floor(b.x0)) - 1, y0 = static_cast<int>(std::floor(b.y0)) - 1;
  int x1 = static_cast<int>(std::ceil(b.x1)) + 1, y1 = static_cast<int>(std::ceil(b.y1)) + 1;
  if (!wrap) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width - 1);
    y1 = std::min(y1, height - 1);
  }
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) visit(x, y, x + 0.5f, y + 0.5f);
}

int WrapIndex(int v, int n) {
  int m = v % n;
  return m < 0 ? m + n : m;
}

}  // namespace

void Fill(Image& image, Bounds bounds, const Shape& shape, const Paint& paint, Blend mode, bool wrap) {
  ForPixels(image.Width(), image.Height(), bounds, wrap, [&](int x, int y, float px, float py) {
    float coverage = Clamp01(0.5f - shape(px, py));
    if (coverage <= 0) return;
    image.Put(x, y, paint(px, py), coverage, mode, wrap);
  });
}

void FillMask(Mask& mask, Bounds bounds, const Shape& shape, float value, bool wrap) {
  ForPixels(mask.Width(), mask.Height(), bounds, wrap, [&](int x, int y, float px, float py) {
    float coverage = Clamp01(0.5f - shape(px, py));
    if (coverage <= 0) return;
    float& m = mask.At(WrapIndex(x, mask.Width()), WrapIndex(y, mask.Height()));
    m = m + (value - m) * coverage;
  });
}

void ShapeMask(Mask& mask, Bounds bounds, const Shape& shape, const std::function<float(float)>& profile, bool wrap) {
  ForPixels(mask.Width(), mask.Height(), bounds, wrap, [&](int x, int y, float px, float py) {
    float d = shape(px, py);
    float coverage = Clamp01(0.5f - d);
    if (coverage <= 0) return;
    float& m = mask.At(WrapIndex(x, mask.Width()), WrapIndex(y, mask.Height()));
    m = std::max(m, profile(d) * coverage);
  });
}

Bounds Around(float cx, float cy, float radius) { return {cx - radius, cy - radius, cx + radius, cy + radius}; }

Bounds WholeImage(const Image& image) {
  return {0, 0, static_cast<float>(image.Width()), static_cast<float>(image.Height())};
}

}  // namespace mkmedia
