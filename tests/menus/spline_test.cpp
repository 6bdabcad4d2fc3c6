// Curve pieces: exact ends, truncated points and pixel-polyline lengths.

#include <gtest/gtest.h>

#include "menus/world_map.h"

namespace {

TEST(Spline, EndsAreExactAndNegativeValuesTruncateTowardZero) {
  const SplineType piece = SplineType::Create(101, 273, 100, 325, 191, 378, 130, 377);
  EXPECT_EQ(PointAt(0, piece).x, 101);
  EXPECT_EQ(PointAt(0, piece).y, 273);
  EXPECT_EQ(PointAt(1, piece).x, 191);
  EXPECT_EQ(PointAt(1, piece).y, 378);
  // From 0 to -1 with both controls at -1: -0.5 and less in between.
  EXPECT_EQ(EvaluateCubic(0.5f, 0, -1, -1, -1), 0);
  EXPECT_EQ(EvaluateCubic(0.5f, 0, -2, -2, -2), -1);
  EXPECT_EQ(EvaluateCubic(0.5f, 3, 7, 9, 11), 7);
}

TEST(Spline, LengthsAreThoseOfTheTruncatedPolyline) {
  EXPECT_NEAR(SplineType::Create(101, 273, 100, 325, 191, 378, 130, 377).length, 161.2, 0.05);
  EXPECT_DOUBLE_EQ(SplineType::Create(601, 336, 602, 335, 603, 335, 602, 335).length, 3.0);
  EXPECT_DOUBLE_EQ(SplineType::Create(630, 328, 633, 328, 630, 328, 637, 328).length, 6.0);
  EXPECT_DOUBLE_EQ(SplineType::Distance({0, 0}, {3, 4}), 5.0);
}

}  // namespace
