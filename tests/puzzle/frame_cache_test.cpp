// The level frame as presented, against the same frame drawn afresh draw by
// draw, after each kind of change under the draws that frames share: a wall
// taken away, a lock opening, the board and the background scrolling, an edit
// in the editor, the world map coming over. Particles in front of the board
// move every frame, so frames are never equal. Kept together, they change a
// small rectangle, and only that is drawn again over the last frame; spread
// to opposite corners of the board, they change most of the screen, and the
// renderer's cache of the shared draws (background, board, frame picture and
// buttons) is what spares the redrawing.

#include <functional>
#include <string>
#include <vector>

#include "draw_fixture.h"

using namespace platform;

namespace {

class FrameCache : public DrawTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    UseArtStyle(1);
    Play(FloorWith({{3, 2, '#'}, {4, 2, '#'}, {12, 9, 'A'}, {8, 8, 'a'}, {6, 9, 'S'}, {15, 3, 'E'}}));
    CurrentMap->Restart();
    const bool spread = GetParam();
    Emit(3, 32 * (spread ? 0 : 10), 32 * (spread ? 0 : 7), 10.0f, 0, 0);
    Emit(3, 32 * (spread ? 19 : 10), 32 * (spread ? 13 : 7), 10.0f, 0, 0);
    for (particleNodeType* node = ParticleChain->next.get(); node; node = node->next.get()) {
      auto& particle = *static_cast<particleType*>(node);
      particle.z = 201;
      particle.fade = 0;
    }
  }

  // Frames through the play loop's drawing and Flip, the particles moving
  // between them; the draw calls of the last.
  static int64_t PresentFrames(int count) {
    int64_t calls = 0;
    for (int i = 0; i < count; ++i) {
      UpdateParticles();
      gameController->DrawPlayFrame();
      const int64_t before = DrawCallCount();
      Flip(0);
      calls = DrawCallCount() - before;
    }
    return calls;
  }

  // The frame as it stands drawn afresh: read back while drawn, every draw is sent.
  static std::vector<uint32_t> FreshFrame(int64_t* calls = nullptr) {
    const int64_t before = DrawCallCount();
    gameController->DrawPlayFrame();
    std::vector<uint32_t> pixels = Frame();
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
    const std::vector<uint32_t> presented = Frame();
    EXPECT_TRUE(Same(presented, FreshFrame()));
    // Still right once the changed frame's draws are the cached ones.
    PresentFrames(3);
    const std::vector<uint32_t> cached = Frame();
    EXPECT_TRUE(Same(cached, FreshFrame()));
  }
};

using SpreadParticles = FrameCache;

TEST_P(SpreadParticles, SpareRedrawingTheSharedDrawsWhichTheCacheHolds) {
  int64_t freshCalls = 0;
  PresentFrames(3);
  const int64_t cachedCalls = PresentFrames(1);
  const std::vector<uint32_t> presented = Frame();
  EXPECT_TRUE(Same(presented, FreshFrame(&freshCalls)));
  EXPECT_LT(cachedCalls, freshCalls / 2) << "the background, board and frame picture come from the cache";
  EXPECT_GE(cachedCalls, 1) << "the moving particles are drawn";
}

TEST_P(FrameCache, FollowsEveryChangeUnderTheSharedDraws) {
  ExpectPresentedAsDrawnAfter("a wall taken away", [] { CurrentMap->tiles[3][2] = CodeOf('.'); });
  ExpectPresentedAsDrawnAfter("a lock opening", [] { CurrentMap->lockState[0] = 1 - CurrentMap->lockState[0]; });
  ExpectPresentedAsDrawnAfter("the board scrolling", [] { CurrentMap->offsetX = 9; });
  ExpectPresentedAsDrawnAfter("the background scrolling", [] {
    UseArtStyle(0);
    ScrollTotalX += 5;
  });
  ExpectPresentedAsDrawnAfter("an edit in the editor", [] {
    EditorMode = 1;
    CurrentMap->tiles[10][5] = CodeOf('#');
  });
  ExpectPresentedAsDrawnAfter("the world map coming over", [] {
    EditorMode = 0;
    worldMap->Show();
    for (int step = 0; step < 10; ++step) worldMap->Update(false);
  });
}

INSTANTIATE_TEST_SUITE_P(Particles, FrameCache, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Spread" : "Together"; });
INSTANTIATE_TEST_SUITE_P(Particles, SpreadParticles, ::testing::Values(true));

}  // namespace
