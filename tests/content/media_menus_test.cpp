// The menu pictures: every button cell carries its label, a highlighted cell
// differs from its normal one, and the option labels leave room for the
// widgets the options screen draws over them.

#include <gtest/gtest.h>

#include <string>

#include "media_files.h"

namespace {

using media_test::At;
using media_test::LoadPicture;

// Share of a cell's pixels that are visibly drawn.
double Coverage(const platform::PixelBuffer& p, int x0, int y0, int w, int h) {
  int drawn = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) drawn += At(p, x, y).a > 0.5f;
  return static_cast<double>(drawn) / (w * h);
}

int DifferingPixels(const platform::PixelBuffer& p, int ay, int by, int w, int h) {
  int n = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) n += p.pixels[static_cast<size_t>(ay + y) * p.width + x] != p.pixels[static_cast<size_t>(by + y) * p.width + x];
  return n;
}

struct StripCase {
  const char* file;
  int cellW, cellH, buttons;
};

TEST(MediaMenus, EveryButtonHasALabelAndAHighlight) {
  for (const StripCase& s : {StripCase{"mainMenu.png", 256, 50, 5}, StripCase{"menuOptions.png", 154, 30, 5},
                             StripCase{"menuResetProf.png", 158, 30, 2}, StripCase{"menuInstructions.png", 325, 402, 1}}) {
    SCOPED_TRACE(s.file);
    auto strip = LoadPicture(s.file);
    ASSERT_TRUE(strip.has_value());
    ASSERT_EQ(strip->width, s.cellW);  // one column: cell i is row i
    for (int b = 0; b < s.buttons; ++b) {
      const int normal = 2 * b * s.cellH, highlighted = (2 * b + 1) * s.cellH;
      EXPECT_GT(Coverage(*strip, 0, normal, s.cellW, s.cellH), 0.02) << "button " << b;
      EXPECT_GT(DifferingPixels(*strip, normal, highlighted, s.cellW, s.cellH), 200) << "button " << b;
    }
  }
}

TEST(MediaMenus, OptionLabelsLeaveRoomForTheirWidgets) {
  auto strip = LoadPicture("menuOptions.png");
  ASSERT_TRUE(strip.has_value());
  // The yes/no box starts 137 pixels into the full-screen cells, the volume
  // tracks 107 pixels into theirs (less the knob's half width at zero).
  const int widgetFrom[6] = {137, 137, 97, 97, 97, 97};
  for (int cell = 0; cell < 6; ++cell)
    for (int y = cell * 30; y < cell * 30 + 30; ++y)
      for (int x = widgetFrom[cell]; x < 154; ++x) ASSERT_EQ(At(*strip, x, y).a, 0.0f) << "cell " << cell << " at " << x;
}

TEST(MediaMenus, PanelsAreSolidWhereTheirButtonsSit) {
  // The options and reset panels carry their buttons: the button centres
  // must fall on the panel, not on a transparent corner.
  auto options = LoadPicture("submenu1.png");
  auto reset = LoadPicture("submenu2.png");
  ASSERT_TRUE(options && reset);
  for (int y : {90, 150, 210, 270, 330}) EXPECT_GT(At(*options, 100, y).a, 0.99f);
  EXPECT_GT(At(*options, 175, 210).a, 0.99f);  // the sliders' tracks
  for (int y : {90, 150}) EXPECT_GT(At(*reset, 100, y).a, 0.99f);
  EXPECT_GE(options->width, 330);
  EXPECT_GE(options->height, 406);
}

TEST(MediaMenus, TutorialPagesCarryTextOverAnOpaquePage) {
  auto blank = LoadPicture("blank.png");
  ASSERT_TRUE(blank.has_value());
  EXPECT_GT(Coverage(*blank, 20, 20, 600, 408), 0.999);
  for (int i = 0; i < 10; ++i) {
    const std::string file = "tutorialtext" + media_test::TwoDigits(i) + ".png";
    SCOPED_TRACE(file);
    auto page = LoadPicture(file);
    ASSERT_TRUE(page.has_value());
    const double ink = Coverage(*page, 0, 0, page->width, page->height);
    EXPECT_GT(ink, 0.01);  // there is something to read
    EXPECT_LT(ink, 0.35);  // and the page shows through it
  }
}

TEST(MediaMenus, DigitsAreTenDifferentFigures) {
  auto digits = LoadPicture("countdown.png");
  ASSERT_TRUE(digits.has_value());
  for (int a = 0; a < 10; ++a) {
    EXPECT_GT(Coverage(*digits, a * 40, 0, 40, 74), 0.05) << a;
    for (int b = a + 1; b < 10; ++b) {
      int differ = 0;
      for (int y = 0; y < 74; ++y)
        for (int x = 0; x < 40; ++x) differ += (At(*digits, a * 40 + x, y).a > 0.5f) != (At(*digits, b * 40 + x, y).a > 0.5f);
      EXPECT_GT(differ, 40) << a << " and " << b;
    }
  }
}

}  // namespace
