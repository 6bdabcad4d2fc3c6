// The level frame as presented, against the same frame drawn afresh draw by
// draw, after each kind of change under the draws that frames share: a wall
// taken away, a lock opening, the board and the background scrolling, an edit
// in the editor, the world map coming over. Particles in front of the board
// move every frame, so frames are never equal: they change a small rectangle,
// and only that is drawn again over the last frame. With a fading light over
// the whole screen on top, every pixel changes, and the renderer's cache of
// the shared draws (background, board, frame picture and buttons) is what
// spares the redrawing. With the background scrolling every frame and the
// particles moving behind the board, frames share no leading draws; the board,
// frame picture and buttons between them are cached as a picture of their
// own, laid over the background and particles.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/game_draw_fixture.h"

using namespace platform;

namespace {

class FrameCache : public GameDrawTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    GameDrawTest::SetUp();
    UseArtStyle(1);
    Play(FloorWith({{3, 2, '#'}, {4, 2, '#'}, {12, 9, 'A'}, {8, 8, 'a'}, {6, 9, 'S'}, {15, 3, 'E'}}));
    level.CurrentMap->Restart();
    Emit(3, 32 * 10, 32 * 7, 20.0f, 0, 0, level.Particles());
    for (particleNodeType* node = level.ParticleChain->next.get(); node; node = node->next.get()) {
      auto& particle = *static_cast<particleType*>(node);
      particle.z = 201;
      particle.fade = 0;
    }
  }

  // The level frame, under the fading light when the test has it.
  void DrawFrame() const {
    gameController->DrawPlayFrame();
    if (!GetParam()) return;
    SetBlend(LightBlend);
    SetAlpha(static_cast<float>(fade_ % 8) / 32);
    DrawRect(0, 0, 800, 600);
    SetAlpha(1);
    SetBlend(AlphaBlend);
  }

  // Frames through the play loop's drawing and Flip, the particles moving and
  // the light fading between them; the draw calls of the last.
  int64_t PresentFrames(int count) {
    int64_t calls = 0;
    for (int i = 0; i < count; ++i) {
      if (scrolling_) level.ScrollTotalX += 1;
      level.UpdateParticles();
      ++fade_;
      DrawFrame();
      const int64_t before = DrawCallCount();
      Flip(0);
      calls = DrawCallCount() - before;
    }
    return calls;
  }

  // The frame as it stands drawn afresh: read back while drawn, every draw is sent.
  std::vector<uint32_t> FreshFrame(int64_t* calls = nullptr) const {
    const int64_t before = DrawCallCount();
    DrawFrame();
    std::vector<uint32_t> pixels = GrabFrame().Pixels();
    if (calls) *calls = DrawCallCount() - before;
    Flip(0);
    return pixels;
  }

  // After `change`, the presented frame is the frame drawn afresh.
  void ExpectPresentedAsDrawnAfter(const std::string& what, const std::function<void()>& change) {
    SCOPED_TRACE(what);
    PresentFrames(3);  // the cache holds the shared draws again
    change();
    PresentFrames(1);
    const std::vector<uint32_t> presented = GrabFrame().Pixels();
    EXPECT_TRUE(Same(presented, FreshFrame()));
    // Still right once the changed frame's draws are the cached ones.
    PresentFrames(3);
    const std::vector<uint32_t> cached = GrabFrame().Pixels();
    EXPECT_TRUE(Same(cached, FreshFrame()));
  }

  bool scrolling_ = false;

 private:
  int fade_ = 0;
};

using FadingLight = FrameCache;

TEST_P(FadingLight, SparesRedrawingTheSharedDrawsWhichTheCacheHolds) {
  int64_t freshCalls = 0;
  PresentFrames(3);
  const int64_t cachedCalls = PresentFrames(1);
  const std::vector<uint32_t> presented = GrabFrame().Pixels();
  EXPECT_TRUE(Same(presented, FreshFrame(&freshCalls)));
  EXPECT_LT(cachedCalls, freshCalls / 2) << "the background, board and frame picture come from the cache";
  EXPECT_GE(cachedCalls, 1) << "the moving particles are drawn";
}

TEST_P(FrameCache, FollowsEveryChangeUnderTheSharedDraws) {
  ExpectPresentedAsDrawnAfter("a wall taken away", [this] { level.CurrentMap->tiles[3][2] = CodeOf('.'); });
  ExpectPresentedAsDrawnAfter("a lock opening", [this] { level.CurrentMap->lockState[0] = 1 - level.CurrentMap->lockState[0]; });
  ExpectPresentedAsDrawnAfter("the board scrolling", [this] { level.CurrentMap->offsetX = 9; });
  ExpectPresentedAsDrawnAfter("the background scrolling", [this] {
    UseArtStyle(0);
    level.ScrollTotalX += 5;
  });
  ExpectPresentedAsDrawnAfter("an edit in the editor", [this] {
    EditorMode = 1;
    level.CurrentMap->tiles[10][5] = CodeOf('#');
  });
  ExpectPresentedAsDrawnAfter("the world map coming over", [this] {
    EditorMode = 0;
    worldMap->Show();
    for (int step = 0; step < 10; ++step) worldMap->Update(false);
  });
}

using ScrollingBackground = FrameCache;

// The picture laid over holds its pixels premultiplied by their coverage, in
// bytes: where the board is half transparent (the glows' fringes, rounded
// edges) a pixel can come out one step off the one drawn directly, never more.
TEST_P(ScrollingBackground, TheBoardBetweenTheBackgroundAndTheParticlesIsLaidOverFromTheCache) {
  UseArtStyle(2);  // walls with borders
  backgroundScrolls = 1;
  scrolling_ = true;
  // A busy board: walls on two cells in three, every one lit by the ball's glow.
  const auto floor = level.CurrentMap->tiles[0][0];
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      if (level.CurrentMap->tiles[x][y] == floor && (x + 2 * y) % 3 != 0) level.CurrentMap->tiles[x][y] = CodeOf('#');
    }
    level.CurrentMap->glow[static_cast<size_t>(x)].fill(24);
  }
  for (particleNodeType* node = level.ParticleChain->next.get(); node; node = node->next.get()) {
    static_cast<particleType*>(node)->z = 150;
  }
  PresentFrames(3);
  const int64_t cachedCalls = PresentFrames(1);
  const std::vector<uint32_t> presented = GrabFrame().Pixels();
  int64_t freshCalls = 0;
  const std::vector<uint32_t> fresh = FreshFrame(&freshCalls);
  backgroundScrolls = 0;
  ASSERT_EQ(presented.size(), fresh.size());
  size_t differing = 0;
  int largest = 0;
  for (size_t i = 0; i < fresh.size(); ++i) {
    if (presented[i] == fresh[i]) continue;
    ++differing;
    for (int shift = 0; shift < 24; shift += 8) {
      largest = std::max(largest, std::abs(static_cast<int>(presented[i] >> shift & 255) -
                                           static_cast<int>(fresh[i] >> shift & 255)));
    }
  }
  std::printf("laid over: %zu of %zu pixels one step off\n", differing, fresh.size());
  EXPECT_LE(largest, 1);
  EXPECT_LT(differing, fresh.size() / 20);
  EXPECT_LT(cachedCalls, freshCalls / 2) << "the board, frame picture and buttons come from the cache";
}

INSTANTIATE_TEST_SUITE_P(Level, FrameCache, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "UnderAFadingLight" : "WithMovingParticles"; });
INSTANTIATE_TEST_SUITE_P(Level, FadingLight, ::testing::Values(true));
INSTANTIATE_TEST_SUITE_P(Level, ScrollingBackground, ::testing::Values(false));

}  // namespace
