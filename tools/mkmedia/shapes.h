#pragma once
// Anti-aliased drawing from signed distance functions: a shape is a function
// giving, for a point, its distance in pixels to the outline (negative inside).
// Shapes combine with min/max, and any shape can be filled with any paint.

#include <functional>
#include <vector>

#include "image.h"

namespace mkmedia {

using Shape = std::function<float(float x, float y)>;
using Paint = std::function<Rgba(float x, float y)>;

struct Point {
  float x, y;
};

struct Bounds {
  float x0, y0, x1, y1;
};

// Distances (negative inside).
float CircleDistance(float x, float y, float cx, float cy, float r);
float BoxDistance(float x, float y, float cx, float cy, float halfW, float halfH, float radius = 0);
float SegmentDistance(float x, float y, Point a, Point b);
float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry);
float PolygonDistance(float x, float y, const std::vector<Point>& points);

Shape Circle(float cx, float cy, float r);
Shape RoundBox(float x0, float y0, float x1, float y1, float radius);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Polygon(std::vector<Point> points);
// A stroke of the given width along an open polyline, with round ends.
Shape Stroke(std::vector<Point> points, float width);
Shape Ring(float cx, float cy, float r, float width);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
// Moves the outline outwards (positive) or inwards.
Shape Grow(Shape s, float amount);
Shape Transformed(Shape s, float cx, float cy, float angle, float scale);

Paint Solid(Rgba c);
Paint LinearGradient(Point from, Rgba c0, Point to, Rgba c1);
Paint RadialGradient(Point centre, float radius, Rgba inner, Rgba outer);

// Paints every pixel of the bounds by the shape's coverage. With wrap,
// pixels outside the picture land on the opposite side (for seamless tiles).
void Fill(Image& image, Bounds bounds, const Shape& shape, const Paint& paint, Blend mode = Blend::Over,
          bool wrap = false);
// The shape's coverage added into a mask (for shadows, glows and height fields).
void FillMask(Mask& mask, Bounds bounds, const Shape& shape, float value = 1.0f, bool wrap = false);
// Like FillMask, but the value is a function of the signed distance (for domes and bevels).
void ShapeMask(Mask& mask, Bounds bounds, const Shape& shape, const std::function<float(float)>& profile,
               bool wrap = false);

Bounds Around(float cx, float cy, float radius);
Bounds WholeImage(const Image& image);

}  // namespace mkmedia
