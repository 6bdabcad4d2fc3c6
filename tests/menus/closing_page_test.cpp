// The closing page writes its counts right-aligned on one edge, each figure
// as close to the next as the typeface sets it.

#include "menu_fixture.h"
#include "menus/closing_page.h"

namespace {

using ClosingPageTest = MenuTest;

// The columns of the counts' band holding dark ink, left to right, split into
// runs (one per figure, as the page's figures do not touch).
std::vector<std::pair<int, int>> InkRuns(const Frame& frame, int baseline) {
  std::vector<std::pair<int, int>> runs;
  for (int x = 400; x < 600; ++x) {
    bool ink = false;
    for (int y = 64 + baseline - 26; y <= 64 + baseline + 2 && !ink; ++y) {
      const uint32_t p = frame.At(x, y);
      ink = ((p >> 16 & 255) + (p >> 8 & 255) + (p & 255)) < 3 * 110;
    }
    if (!ink) continue;
    if (!runs.empty() && runs.back().second == x) {
      runs.back().second = x + 1;
    } else {
      runs.push_back({x, x + 1});
    }
  }
  return runs;
}

TEST_F(ClosingPageTest, CountsEndOnOneEdgeAndTheirFiguresAreEvenlySet) {
  struct Case {
    int solved, skipped;
  } cases[] = {{81, 0}, {1, 80}, {8, 11}, {70, 4}};
  for (const Case& c : cases) {
    auto page = ClosingPage::Create(*gameController, c.solved, c.skipped);
    page->Show();
    for (int i = 0; i < MenuScreen::FullFade; ++i) page->Update(true);
    ClearTo(0, 0, 0);
    page->Draw();
    const Frame frame = GrabFrame();
    for (auto [count, baseline] : {std::pair{c.solved, 262}, {c.skipped, 304}}) {
      const auto runs = InkRuns(frame, baseline);
      const std::string digits = std::to_string(count);
      ASSERT_EQ(runs.size(), digits.size()) << count;
      EXPECT_NEAR(runs.back().second, 64 + 470, 1) << count << ": its right edge";
      for (size_t i = 1; i < runs.size(); ++i) {
        const int gap = runs[i].first - runs[i - 1].second;
        EXPECT_GE(gap, 1) << count;
        EXPECT_LE(gap, 4) << count << ": no wide space between figures";
      }
    }
  }
}

}  // namespace
