// The board must read at a glance on every floor: the teleport swirl is a
// swirl that shows its turning, the pool under it darkens only where it lies,
// the ball stands out from all seventeen floors, no floor looks like the
// frame round it, and laid floors keep their joints on the cells' edges.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "media_files.h"

namespace {

using media_test::At;
using media_test::LoadPicture;
using media_test::Texel;

constexpr double Pi = 3.14159265358979323846;

std::string Floor(int style) { return media_test::WithPictureExtension("back/back" + media_test::TwoDigits(style)); }

// Alpha of a 32 x 32 picture at a point given from its centre, in pixels.
float AlphaAt(const platform::PixelBuffer& p, double radius, double angle) {
  const int x = static_cast<int>(std::floor(16 + radius * std::cos(angle)));
  const int y = static_cast<int>(std::floor(16 + radius * std::sin(angle)));
  return At(p, std::clamp(x, 0, 31), std::clamp(y, 0, 31)).a;
}

// The brightest direction round a circle of the picture, in radians.
double BrightestAngle(const platform::PixelBuffer& p, double radius, double from, double to) {
  double best = from, bestAlpha = -1;
  for (double a = from; a < to; a += Pi / 180) {
    const float alpha = AlphaAt(p, radius, a);
    if (alpha > bestAlpha) bestAlpha = alpha, best = a;
  }
  return best;
}

TEST(MediaBoard, TheTeleportSwirlHasThreeCurlingArmsAndLooksDifferentWhenTurned) {
  auto swirl = LoadPicture("trail.png");
  ASSERT_TRUE(swirl.has_value());
  ASSERT_EQ(swirl->width, 32);
  ASSERT_EQ(swirl->height, 32);

  // Round a circle half-way out: three bright arms with dark gaps between
  // (counted with some slack, as the pixels step along the circle).
  int arms = 0;
  float least = 1, most = 0;
  bool inArm = AlphaAt(*swirl, 8, 0) > 0.5f;
  for (int step = 1; step <= 180; ++step) {
    const float alpha = AlphaAt(*swirl, 8, step * Pi / 90);
    least = std::min(least, alpha), most = std::max(most, alpha);
    if (!inArm && alpha > 0.6f) inArm = true, ++arms;
    if (inArm && alpha < 0.3f) inArm = false;
  }
  EXPECT_EQ(arms, 3);
  EXPECT_GT(most - least, 0.6f);

  // An arm curls: nearer the rim it lies further round than nearer the eye.
  const double inner = BrightestAngle(*swirl, 5, 0, 2 * Pi / 3);
  double outer = BrightestAngle(*swirl, 11, inner - Pi / 3, inner + Pi / 3);
  EXPECT_GT(std::fabs(outer - inner), 20 * Pi / 180);

  // Turned by a sixth of a turn, the picture changes: turning shows.
  double change = 0;
  int counted = 0;
  for (double r = 3; r < 14; r += 1)
    for (double a = 0; a < 2 * Pi; a += Pi / 45, ++counted)
      change += std::fabs(AlphaAt(*swirl, r, a) - AlphaAt(*swirl, r, a + Pi / 3));
  EXPECT_GT(change / counted, 0.2);
}

TEST(MediaBoard, ThePoolDarkensTheFloorUnderItAndLeavesTheRestAlone) {
  auto pool = LoadPicture("shade.png");
  ASSERT_TRUE(pool.has_value());
  // Multiplied into the floor: white changes nothing, dark darkens.
  const Texel centre = At(*pool, 16, 16);
  EXPECT_LT(centre.r, 0.35f);
  EXPECT_FLOAT_EQ(centre.r, centre.g);
  EXPECT_FLOAT_EQ(centre.g, centre.b);
  for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}, {0, 16}, {16, 0}}) {
    const Texel t = At(*pool, x, y);
    EXPECT_EQ(t.r + t.g + t.b, 3.0f) << x << ", " << y;
  }
}

// Relative luminance of a gamma-encoded colour, and the contrast ratio of two.
double Linear(float c) { return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
double Luminance(const Texel& t) { return 0.2126 * Linear(t.r) + 0.7152 * Linear(t.g) + 0.0722 * Linear(t.b); }
double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

Texel Over(const Texel& top, const Texel& under) {
  return {top.r * top.a + under.r * (1 - top.a), top.g * top.a + under.g * (1 - top.a),
          top.b * top.a + under.b * (1 - top.a), 1};
}

// Mean luminance of the ball's pixels between two radii, painted over a colour.
double BallLuminance(const platform::PixelBuffer& ball, const Texel& floor, double from, double to) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const double r = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
      if (r < from || r >= to) continue;
      sum += Luminance(Over(At(ball, x, y), floor));
      ++count;
    }
  return sum / count;
}

TEST(MediaBoard, TheBallStandsOutFromEveryFloorByItsBodyOrItsRim) {
  auto ball = LoadPicture("ball.png");
  ASSERT_TRUE(ball.has_value());
  // Its own light body against its dark rim: the ball has an edge of its own.
  const Texel grey{0.5f, 0.5f, 0.5f, 1};
  EXPECT_GT(Contrast(BallLuminance(*ball, grey, 0, 9), BallLuminance(*ball, grey, 12.5, 14.5)), 4.5);
  EXPECT_LT(At(*ball, 0, 0).a, 0.05f) << "the corners let the floor show";

  for (int style = 0; style < 17; ++style) {
    SCOPED_TRACE("style " + std::to_string(style));
    auto floor = LoadPicture(Floor(style));
    ASSERT_TRUE(floor.has_value());
    const Texel mean = media_test::MeanColour(*floor, 0, 0, floor->width, floor->height);
    const double floorLight = Luminance(mean);
    const double body = Contrast(BallLuminance(*ball, mean, 0, 9), floorLight);
    const double rim = Contrast(BallLuminance(*ball, mean, 12.5, 14.5), floorLight);
    EXPECT_GT(std::max(body, rim), 2.5) << "body " << body << ", rim " << rim;
  }
}

// CIE L*a*b* of a gamma-encoded colour (D65 white): distances in it follow
// what the eye sees, hue included.
std::array<double, 3> Lab(const Texel& t) {
  const double r = Linear(t.r), g = Linear(t.g), b = Linear(t.b);
  const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
  const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
  auto f = [](double v) { return v > 0.008856 ? std::cbrt(v) : 7.787 * v + 16.0 / 116; };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

TEST(MediaBoard, NoFloorLooksLikeTheFrameRoundTheBoard) {
  auto frame = LoadPicture("borderred.png");
  ASSERT_TRUE(frame.has_value());
  // The frame's own colour: its opaque pixels, away from the board's hole.
  const auto frameColour = Lab(media_test::MeanColour(*frame, 0, 0, 30, frame->height));
  for (int style = 0; style < 17; ++style) {
    auto floor = LoadPicture(Floor(style));
    ASSERT_TRUE(floor.has_value());
    const auto f = Lab(media_test::MeanColour(*floor, 0, 0, floor->width, floor->height));
    const double difference = std::hypot(f[0] - frameColour[0], f[1] - frameColour[1], f[2] - frameColour[2]);
    // A crimson floor in the crimson frame differed by 8; the nearest floor now by over 20.
    EXPECT_GT(difference, 15.0) << "style " << style;
  }
}

// The game lays a floor's copies from screen (31, 0); the cells' edges lie at
// 31 + 32k across and down, between screen pixels 30 and 31.
constexpr int FloorLeft = 31, FloorTop = 0, CellEdge = 31;

// Per screen column (or row) modulo a cell, how far its mean brightness lies
// from the floor's: a laid floor's joints make one phase stand out.
std::vector<double> Profile(const platform::PixelBuffer& p, bool across) {
  std::vector<double> sum(32, 0.0);
  double all = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const double luma = media_test::Luma(At(p, x, y));
      const int screen = across ? x + FloorLeft : y + FloorTop;
      sum[screen % 32] += luma;
      all += luma;
    }
  const double perPhase = static_cast<double>(p.width) * p.height / 32;
  for (double& s : sum) s = std::fabs(s / perPhase - all / (perPhase * 32));
  return sum;
}

TEST(MediaBoard, LaidFloorsKeepTheirJointsOnTheCellsEdges) {
  int laid = 0;
  for (int style = 0; style < 17; ++style) {
    auto floor = LoadPicture(Floor(style));
    ASSERT_TRUE(floor.has_value());
    for (bool across : {true, false}) {
      std::vector<double> profile = Profile(*floor, across);
      const int peak = static_cast<int>(std::max_element(profile.begin(), profile.end()) - profile.begin());
      std::vector<double> sorted = profile;
      std::nth_element(sorted.begin(), sorted.begin() + 16, sorted.end());
      // Only a pattern with a strong grid has joints to line up.
      if (profile[peak] < 4 * sorted[16] || profile[peak] < 4.0 / 255) continue;
      ++laid;
      // Joints straddle the edge; their shading may reach a pixel further.
      auto apart = [](int a, int b) { return std::min((a - b + 32) % 32, (b - a + 32) % 32); };
      const int fromEdge = std::min(apart(peak, CellEdge - 1), apart(peak, CellEdge));
      EXPECT_LE(fromEdge, 2) << "style " << style << (across ? " across" : " down") << ": joints at phase " << peak;
    }
  }
  EXPECT_GE(laid, 6) << "slabs, parquet, tiles and flagstones at least";
}

}  // namespace
