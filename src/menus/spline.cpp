#include "menus/spline.h"

#include <cmath>

#include "platform/host/diagnostics.h"
#include "platform/host/text.h"

namespace {

constexpr int LengthChords = 100;

}  // namespace

SplineType SplineType::Create(int startX, int startY, int control1X, int control1Y, int endX, int endY, int control2X,
                              int control2Y) {
  SplineType piece;
  piece.xs = {startX, endX};
  piece.ys = {startY, endY};
  piece.controlXs = {control1X, control2X};
  piece.controlYs = {control1Y, control2Y};
  piece.ComputeLength();
  platform::DebugLog("Spline with length " + platform::Str(piece.length));
  return piece;
}

void SplineType::ComputeLength() {
  length = 0;
  SplinePoint previous = PointAt(0, *this);
  for (int i = 0; i <= LengthChords; ++i) {
    const SplinePoint current = PointAt(i * 1.0 / LengthChords, *this);
    length += Distance(current, previous);
    previous = current;
  }
}

double SplineType::Distance(const SplinePoint& a, const SplinePoint& b) {
  const int dx = a.x - b.x, dy = a.y - b.y;
  return std::sqrt(static_cast<double>(dx * dx + dy * dy));
}

SplinePoint PointAt(double t, const SplineType& piece) {
  const auto tf = static_cast<float>(t);
  return {EvaluateCubic(tf, piece.xs[0], piece.controlXs[0], piece.controlXs[1], piece.xs[1]),
          EvaluateCubic(tf, piece.ys[0], piece.controlYs[0], piece.controlYs[1], piece.ys[1])};
}

int EvaluateCubic(float t, int p0, int p1, int p2, int p3) {
  // Power form a t^3 + b t^2 + c t + p0. The powers of t are single precision;
  // the sum is not, and where it lands on a whole number decides the pixel.
  const int c = 3 * (p1 - p0);
  const int b = 3 * (p2 - p1) - c;
  const int a = p3 - p0 - c - b;
  const float t2 = t * t;
  const float t3 = t2 * t;
  const double value = static_cast<double>(a) * t3 + static_cast<double>(b) * t2 + static_cast<double>(c) * t + p0;
  return static_cast<int>(value);
}
