// The world map is drawn for the path the map screen traces over it: the
// road must run under every point where one of the path's pieces begins.

#include <gtest/gtest.h>

#include <algorithm>

#include "media_files.h"

namespace {

// The start point of each of the 28 pieces of the map screen's path.
const int kPieceStarts[28][2] = {{101, 273}, {191, 378}, {274, 298}, {302, 296}, {354, 307}, {579, 301}, {586, 323},
                                 {601, 336}, {603, 335}, {588, 344}, {589, 375}, {651, 376}, {657, 369}, {657, 339},
                                 {635, 340}, {630, 328}, {630, 328}, {655, 302}, {675, 300}, {692, 287}, {687, 263},
                                 {679, 254}, {573, 259}, {439, 254}, {394, 255}, {325, 247}, {282, 259}, {189, 168}};

TEST(MediaWorldMap, TheRoadRunsAlongThePath) {
  auto map = media_test::LoadPicture("worldMap.png");
  ASSERT_TRUE(map.has_value());
  ASSERT_EQ(map->width, 800);
  ASSERT_EQ(map->height, 600);
  for (const auto& p : kPieceStarts) {
    SCOPED_TRACE(std::to_string(p[0]) + ", " + std::to_string(p[1]));
    // The pale, warm road surface (or a waymark on it) is within a pixel.
    float best = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        media_test::Texel t = media_test::At(*map, p[0] + dx, p[1] + dy);
        if (t.r > t.b + 0.1f) best = std::max(best, media_test::Luma(t));
      }
    EXPECT_GT(best, 0.55f);
  }
}

TEST(MediaWorldMap, ThePathCrossesLandNotSea) {
  auto map = media_test::LoadPicture("worldMap.png");
  ASSERT_TRUE(map.has_value());
  // Twenty pixels off the road the map shows land: green or ochre, never the sea's blue.
  for (const auto& p : kPieceStarts) {
    for (int d : {-20, 20}) {
      media_test::Texel t = media_test::At(*map, p[0], p[1] + d);
      EXPECT_GT(t.r + t.g, 2 * t.b) << p[0] << ", " << p[1] + d;
    }
  }
}

}  // namespace
