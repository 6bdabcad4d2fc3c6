#pragma once
// One cubic curve piece of the world map's path, in integer screen points.
// Points are evaluated from single-precision powers of t and truncated; a piece's length
// is that of the pixel polyline through 101 such points, measured once.

#include <array>

struct SplinePoint {
  int x = 0, y = 0;
};

struct SplineType {
  std::array<int, 2> xs{};         // start, end
  std::array<int, 2> ys{};
  std::array<int, 2> controlXs{};  // control pulling the start, control pulling the end
  std::array<int, 2> controlYs{};
  double length = 0;

  // Note the order: start, first control, end, second control.
  static SplineType Create(int startX, int startY, int control1X, int control1Y, int endX, int endY,
                           int control2X, int control2Y);
  void ComputeLength();
  static double Distance(const SplinePoint& a, const SplinePoint& b);
};

// The point at parameter t, 0 (start) to 1 (end).
SplinePoint PointAt(double t, const SplineType& piece);
// One coordinate of the cubic Bézier curve from p0 to p3 with controls p1 and p2.
int EvaluateCubic(float t, int p0, int p1, int p2, int p3);
