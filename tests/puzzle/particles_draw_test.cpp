// Drawing particles with the game's pictures: where the projection puts them,
// which layer draws which, and faded particles leaving the chain.

#include "draw_fixture.h"

using namespace platform;

namespace {

using ParticleDrawing = DrawTest;

// The red-weighted centre of what is lit in the frame being drawn, and how much is lit.
struct Light {
  double x = 0, y = 0, total = 0;
};
Light LightIn(int left, int top, int right, int bottom) {
  const Frame frame = GrabFrame();
  Light light;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const double red = frame.At(x, y) >> 16;
      light.x += red * x;
      light.y += red * y;
      light.total += red;
    }
  }
  if (light.total > 0) light.x /= light.total, light.y /= light.total;
  return light;
}
Light LightOnScreen() { return LightIn(0, 0, 800, 600); }

size_t Count(const particleNodeType& head) {
  size_t count = 0;
  for (const particleNodeType* node = head.next.get(); node; node = node->next.get()) ++count;
  return count;
}

particleType& Newest(const particleNodeType& head) { return *static_cast<particleType*>(head.next.get()); }

TEST_F(ParticleDrawing, AParticleShowsWhereItWasEmittedOnTheBoardAndMovesWithTheMap) {
  level.CurrentMap = MapOf(FloorWith({}));
  level.CurrentMap->offsetX = 16;
  level.CurrentMap->offsetY = 8;
  Emit(3, 100, 50, 1.0f, 0, 0, level.Particles());  // a trail particle, at depth 200
  Newest(*level.ParticleChain).vx = 0;  // moving straight up: the picture is not turned
  Newest(*level.ParticleChain).vy = -0.01f;
  Clear();
  DrawParticlesInFront(*level.ParticleChain, Origin, Origin);
  const Light light = LightOnScreen();
  ASSERT_GT(light.total, 0);
  EXPECT_NEAR(light.x, 100 + 16 + Origin, 1.0);
  EXPECT_NEAR(light.y, 50 + 8 + Origin, 1.0);

  level.ParticleChain->Shift(-8, 24);
  Clear();
  DrawParticlesInFront(*level.ParticleChain, Origin, Origin);
  EXPECT_NEAR(LightOnScreen().x, 100 + 8 + Origin, 1.0);
  EXPECT_NEAR(LightOnScreen().y, 50 + 32 + Origin, 1.0);
}

TEST_F(ParticleDrawing, TheWorldMapsGlowsKeepToTheDrawingOriginWhateverTheBoardDoes) {
  level.CurrentMap = MapOf(FloorWith({}));
  level.CurrentMap->offsetX = 40;
  const auto chain = std::make_shared<particleNodeType>();
  Emit(5, 300, 200, 1.0f, -1, -1, ParticleSink{*chain});
  chain->Shift(-64, 32);
  Clear();
  chain->Draw(0, 0, 0, 1.0f);  // as the world map draws its chain: layer 0, every depth
  EXPECT_NEAR(LightOnScreen().x, 300, 1.5);
  EXPECT_NEAR(LightOnScreen().y, 200, 1.5);
}

TEST_F(ParticleDrawing, NearParticlesAreDrawnInFrontAndFarOnesBehindThenTheColourIsWhite) {
  Emit(3, 100, 100, 1.0f, 0, 0, level.Particles());
  Newest(*level.ParticleChain).z = 190;  // beyond the board
  Emit(4, 500, 300, 1.0f, 0, 0, level.Particles());  // a burst, nearer than the board
  auto lightNear = [](float x, float y) {
    return LightIn(static_cast<int>(x) - 30, static_cast<int>(y) - 30, static_cast<int>(x) + 30,
                   static_cast<int>(y) + 30)
        .total;
  };
  // On screen: the far one at 400 + (-75/190)*800, the burst at 400 + (25/210)*800.
  const float farX = 400 - 75 / 190.0f * 800 + Origin, farY = 300 - (100 - 100 / 3.0f) / 190 * 600 + Origin;
  const float nearX = 400 + 25 / 210.0f * 800 + Origin, nearY = 300 + 0 + Origin;

  Clear();
  DrawParticlesBehind(*level.ParticleChain, Origin, Origin);
  EXPECT_GT(lightNear(farX, farY), 0);
  EXPECT_EQ(lightNear(nearX, nearY), 0);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255);

  Clear();
  DrawParticlesInFront(*level.ParticleChain, Origin, Origin);
  EXPECT_EQ(lightNear(farX, farY), 0);
  EXPECT_GT(lightNear(nearX, nearY), 0);
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255);
}

TEST_F(ParticleDrawing, FadedParticlesLeaveTheChainWhenNextDrawn) {
  Emit(3, 200, 200, 1.0f, 0, 0, level.Particles());
  Emit(1, 300, 200, 15.0f, 0, 0, level.Particles());
  ASSERT_EQ(Count(*level.ParticleChain), 16u);
  for (int step = 1; step <= 100; ++step) level.UpdateParticles();
  Clear();
  DrawParticlesBehind(*level.ParticleChain, Origin, Origin);
  EXPECT_EQ(Count(*level.ParticleChain), 16u) << "the trail still has a trace of alpha after 100 steps";
  level.UpdateParticles();
  DrawParticlesBehind(*level.ParticleChain, Origin, Origin);
  EXPECT_EQ(Count(*level.ParticleChain), 15u) << "the trail is gone; the swirls stay until the board scrolls";

  level.ParticleChain->Shift(8, 0);
  for (int step = 1; step <= 25; ++step) level.UpdateParticles();
  Clear();
  DrawParticlesInFront(*level.ParticleChain, Origin, Origin);
  EXPECT_EQ(Count(*level.ParticleChain), 0u);
  EXPECT_EQ(LightOnScreen().total, 0);
}

TEST_F(ParticleDrawing, FiveThousandParticlesUpdateAndDrawInBothLayers) {
  Emit(3, 320, 224, 5000.0f, 0, 0, level.Particles());
  for (int step = 0; step < 3; ++step) level.UpdateParticles();
  Clear();
  DrawParticlesBehind(*level.ParticleChain, Origin, Origin);
  DrawParticlesInFront(*level.ParticleChain, Origin, Origin);
  EXPECT_EQ(Count(*level.ParticleChain), 5000u);
  EXPECT_GT(LightIn(300, 200, 430, 350).total, 0);
}

}  // namespace
