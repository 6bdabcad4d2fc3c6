// Every picture of the media folder: present under its exact name, decodable
// by the game's own loader, and cut into the cells the game asks for.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "media_files.h"

namespace {

using media_test::LoadPicture;

struct Strip {
  std::string file;
  int cellW, cellH, cells;
  int width = 0, height = 0;  // the whole picture's size, when it is fixed
};

std::vector<Strip> AllPictures() {
  std::vector<Strip> strips = {
      {"logo.png", 800, 600, 1, 800, 600},
      {"ball.png", 32, 32, 1, 32, 32},
      {"tiles/tile_border.png", 32, 32, 1, 32, 32},
      {"tiles/tile_key.png", 32, 32, 3},
      {"tiles/tile_marks.png", 32, 32, 7, 224, 32},
      {"borderred.png", 800, 600, 1, 800, 600},
      {"single_slot_column.png", 64, 256, 1, 64, 256},
      {"countdown.png", 40, 74, 10},
      {"counter.png", 12, 18, 12, 144, 18},
      {"levelSelect.png", 800, 600, 1, 800, 600},
      {"levelPlates.png", 72, 44, 8, 576, 44},
      {"parStar.png", 16, 16, 1, 16, 16},
      {"noWayOut.png", 520, 40, 1, 520, 40},
      {"tokens.png", 40, 40, 2},
      {"trail.png", 1, 1, 1},
      {"shade.png", 1, 1, 1},
      {"spark.png", 1, 1, 1},
      {"hover_menu.png", 1, 1, 1},
      {"hover_restart.png", 1, 1, 1},
      {"hover_skip.png", 1, 1, 1},
      {"hover_up.png", 1, 1, 1},
      {"hover_down.png", 1, 1, 1},
      {"hover_left.png", 1, 1, 1},
      {"hover_right.png", 1, 1, 1},
      {"postcard.jpg", 800, 600, 1, 800, 600},
      {"mainMenu.png", 256, 50, 10},
      {"submenu1.png", 1, 1, 1},
      {"menuInstructions.png", 325, 402, 2},
      {"menuOptions.png", 154, 30, 12},
      {"submenu2.png", 1, 1, 1},
      {"menuResetProf.png", 158, 30, 4},
      {"blank.png", 640, 448, 1, 640, 448},
      {"worldMap.png", 800, 600, 1, 800, 600},
      {"levelSquares.png", 1, 1, 1},
      {"menuYesNo.png", 30, 30, 2},
      {"sliderBack.png", 1, 1, 1},
      {"sliderX.png", 1, 1, 1},
      {"ending.png", 640, 448, 1, 640, 448},
      {"pagefigures.png", 20, 40, 10, 200, 40},
  };
  for (int i = 0; i < 10; ++i) strips.push_back({"tutorialtext" + media_test::TwoDigits(i) + ".png", 640, 448, 1, 640, 448});
  for (int i = 0; i < 17; ++i) {
    strips.push_back({media_test::WithPictureExtension("back/back" + media_test::TwoDigits(i)), 1, 1, 1});
    strips.push_back({media_test::WithPictureExtension("tiles/tiles" + media_test::TwoDigits(i)), 32, 32, 6});
  }
  return strips;
}

TEST(MediaPictures, EveryPictureDecodesWithItsCells) {
  ASSERT_FALSE(media_test::GameDir().empty()) << "MARROWICK_GAME_DIR is not set";
  for (const Strip& s : AllPictures()) {
    SCOPED_TRACE(s.file);
    ASSERT_TRUE(std::filesystem::exists(media_test::MediaPath(s.file))) << "missing";
    auto picture = LoadPicture(s.file);
    ASSERT_TRUE(picture.has_value()) << "does not decode";
    if (s.width) {
      EXPECT_EQ(picture->width, s.width);
      EXPECT_EQ(picture->height, s.height);
    }
    // The rule of LoadAnimImage: whole cells per row times whole rows.
    const int perRow = picture->width / s.cellW, rows = picture->height / s.cellH;
    EXPECT_GE(perRow * rows, s.cells);
    EXPECT_EQ(picture->width % s.cellW, 0);
    EXPECT_EQ(picture->height % s.cellH, 0);
  }
}

// Mean brightness step between column x and the next (or row y and the next,
// down), the last wrapping round to the first.
double MeanStep(const platform::PixelBuffer& p, int at, bool across) {
  const int length = across ? p.height : p.width, size = across ? p.width : p.height;
  double sum = 0;
  for (int i = 0; i < length; ++i) {
    const int x0 = across ? at : i, y0 = across ? i : at;
    const int x1 = across ? (at + 1) % size : i, y1 = across ? i : (at + 1) % size;
    sum += std::fabs(media_test::Luma(media_test::At(p, x0, y0)) - media_test::Luma(media_test::At(p, x1, y1)));
  }
  return sum / length;
}

TEST(MediaPictures, BackgroundsTileWithoutSeams) {
  for (int i = 0; i < 17; ++i) {
    const std::string file = media_test::WithPictureExtension("back/back" + media_test::TwoDigits(i));
    SCOPED_TRACE(file);
    auto p = LoadPicture(file);
    ASSERT_TRUE(p.has_value());
    // The step across the wrap-around edge must look like a step inside: like
    // the average one, or, where a laid floor has a joint on the edge, like
    // the steepest one.
    for (bool across : {true, false}) {
      const int size = across ? p->width : p->height;
      double mean = 0, steepest = 0;
      for (int at = 0; at + 1 < size; ++at) {
        const double step = MeanStep(*p, at, across);
        mean += step / (size - 1);
        steepest = std::max(steepest, step);
      }
      EXPECT_LT(MeanStep(*p, size - 1, across), std::max(mean * 2.0, steepest * 1.2) + 0.01)
          << (across ? "across" : "down");
    }
  }
}

struct StyleLook {
  media_test::Texel floor, walls;
};

StyleLook Measure(int style) {
  auto back = LoadPicture(media_test::WithPictureExtension("back/back" + media_test::TwoDigits(style)));
  auto tiles = LoadPicture(media_test::WithPictureExtension("tiles/tiles" + media_test::TwoDigits(style)));
  EXPECT_TRUE(back && tiles);
  if (!back || !tiles) return {};
  return {media_test::MeanColour(*back, 0, 0, back->width, back->height),
          media_test::MeanColour(*tiles, 0, 0, 32 * 6, 32)};
}

float Distance(const media_test::Texel& a, const media_test::Texel& b) {
  return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b));
}

TEST(MediaPictures, WallsAreMidToneAndStandOutFromTheFloor) {
  for (int style = 0; style < 17; ++style) {
    SCOPED_TRACE("style " + std::to_string(style));
    auto tiles = LoadPicture(media_test::WithPictureExtension("tiles/tiles" + media_test::TwoDigits(style)));
    ASSERT_TRUE(tiles.has_value());
    for (int look = 0; look < 6; ++look) {
      // The ball's glow is added on top of the walls: they must leave it room.
      float luma = media_test::Luma(media_test::MeanColour(*tiles, look * 32, 0, 32, 32));
      EXPECT_GT(luma, 0.15f) << "look " << look;
      EXPECT_LT(luma, 0.7f) << "look " << look;
    }
    StyleLook s = Measure(style);
    EXPECT_GT(Distance(s.floor, s.walls), 0.12f);
  }
}

TEST(MediaPictures, SeventeenStylesDifferFromEachOther) {
  std::vector<StyleLook> looks;
  for (int style = 0; style < 17; ++style) looks.push_back(Measure(style));
  for (int a = 0; a < 17; ++a)
    for (int b = a + 1; b < 17; ++b)
      EXPECT_GT(Distance(looks[a].floor, looks[b].floor) + Distance(looks[a].walls, looks[b].walls), 0.08f)
          << "styles " << a << " and " << b;
}

TEST(MediaPictures, BorderlessStylesCutTheirWallsOut) {
  // Styles 00 and 01 get no tile border: their walls are shapes of their own.
  for (int style = 0; style < 2; ++style) {
    auto tiles = LoadPicture("tiles/tiles" + media_test::TwoDigits(style) + ".png");
    ASSERT_TRUE(tiles.has_value());
    for (int look = 0; look < 6; ++look) {
      EXPECT_LT(media_test::At(*tiles, look * 32, 0).a, 0.1f);
      EXPECT_GT(media_test::At(*tiles, look * 32 + 16, 16).a, 0.99f);
    }
  }
}

TEST(MediaPictures, KeysAreGoldAndSilver) {
  auto keys = LoadPicture("tiles/tile_key.png");
  ASSERT_TRUE(keys.has_value());
  media_test::Texel lock = media_test::MeanColour(*keys, 0, 0, 32, 32);
  media_test::Texel gold = media_test::MeanColour(*keys, 32, 0, 32, 32);
  media_test::Texel silver = media_test::MeanColour(*keys, 64, 0, 32, 32);
  EXPECT_GT(lock.a, 0.2f);
  EXPECT_GT(gold.r - gold.b, 0.2f);
  EXPECT_LT(std::fabs(silver.r - silver.b), 0.1f);
  // Keys lie on the floor: their corners show it.
  EXPECT_EQ(media_test::At(*keys, 32, 0).a, 0.0f);
  EXPECT_EQ(media_test::At(*keys, 95, 31).a, 0.0f);
}

TEST(MediaPictures, BallShowsItsSpin) {
  auto ball = LoadPicture("ball.png");
  ASSERT_TRUE(ball.has_value());
  EXPECT_EQ(media_test::At(*ball, 0, 0).a, 0.0f);
  EXPECT_GT(media_test::At(*ball, 16, 16).a, 0.99f);
  // Around a circle inside the ball the brightness must change a lot, or a
  // turning ball would look still.
  float lo = 1, hi = 0;
  for (int k = 0; k < 36; ++k) {
    double a = k * 3.14159265 / 18;
    float l = media_test::Luma(media_test::At(*ball, 16 + static_cast<int>(std::lround(8 * std::cos(a))),
                                              16 + static_cast<int>(std::lround(8 * std::sin(a)))));
    lo = std::min(lo, l);
    hi = std::max(hi, l);
  }
  EXPECT_GT(hi - lo, 0.25f);
}

TEST(MediaPictures, EachArrowSitsOnItsOwnSideOfTheBall) {
  const char* files[4] = {"hover_up.png", "hover_right.png", "hover_down.png", "hover_left.png"};
  const int dx[4] = {0, 1, 0, -1}, dy[4] = {-1, 0, 1, 0};
  for (int d = 0; d < 4; ++d) {
    SCOPED_TRACE(files[d]);
    auto arrow = LoadPicture(files[d]);
    ASSERT_TRUE(arrow.has_value());
    ASSERT_EQ(arrow->width, arrow->height);
    const float c = arrow->width / 2.0f;
    double sx = 0, sy = 0, weight = 0;
    for (int y = 0; y < arrow->height; ++y)
      for (int x = 0; x < arrow->width; ++x) {
        float a = media_test::At(*arrow, x, y).a;
        // The ball itself stays clear.
        if (std::fabs(x + 0.5f - c) < 14 && std::fabs(y + 0.5f - c) < 14) {
          EXPECT_LT(a, 0.05f);
        }
        sx += (x + 0.5 - c) * a;
        sy += (y + 0.5 - c) * a;
        weight += a;
      }
    ASSERT_GT(weight, 0);
    EXPECT_GT((sx * dx[d] + sy * dy[d]) / weight, 16.0);
  }
}

}  // namespace
