// Emitting particles: how many, how they fade and are pulled, how the
// board's scroll moves them, and the sparkles a level starts with.

#include <algorithm>
#include <cmath>
#include <map>

#include "puzzle_fixture.h"

namespace {

using ParticleEmitTest = PuzzleTest;

std::vector<particleType*> Particles(particleNodeType& head) {
  std::vector<particleType*> particles;
  for (particleNodeType* node = head.next.get(); node; node = node->next.get()) {
    particles.push_back(static_cast<particleType*>(node));
  }
  return particles;
}

// World units from screen pixels, as particles keep their positions.
float WorldX(float x) { return x * 200 / 800 - 100; }
float WorldY(float y) { return y * 200 / 600 - 100; }

TEST_F(ParticleEmitTest, TheAmountIsRoundedToWholeParticles) {
  const std::pair<float, size_t> cases[] = {{0.4f, 0}, {0.5f, 1}, {2.6f, 3}, {30.0f, 30}, {-3.0f, 0}, {NAN, 0}};
  for (auto [amount, count] : cases) {
    const auto chain = std::make_shared<particleNodeType>();
    Emit(3, 10, 10, amount, 0, 0, ParticleSink{*chain});
    EXPECT_EQ(Particles(*chain).size(), count) << "amount " << amount;
  }
}

TEST_F(ParticleEmitTest, ATrailParticleLosesAHundredthOfItsAlphaAStep) {
  Emit(3, 64, 64, 1.0f, 0, 0, level.Particles());
  particleType& p = *Particles(*level.ParticleChain).front();
  for (int step = 1; step <= 99; ++step) level.UpdateParticles();
  EXPECT_NEAR(p.alpha, 0.01f, 1e-5f);
  level.UpdateParticles();
  EXPECT_NEAR(p.alpha, 0.0f, 1e-5f) << "faded out after 100 steps";
}

TEST_F(ParticleEmitTest, TeleportSwirlsLiveUntilTheBoardScrollsAndThenDieWithinTwentyFiveSteps) {
  Emit(1, 64, 64, 15.0f, 0, 0, level.Particles());
  const auto swirls = Particles(*level.ParticleChain);
  ASSERT_EQ(swirls.size(), 15u);
  for (int step = 0; step < 1000; ++step) level.UpdateParticles();
  for (const particleType* p : swirls) {
    EXPECT_EQ(p->alpha, 1.0f);
    EXPECT_GE(p->angle, 0);
    EXPECT_LE(p->angle, 360);
  }
  level.ParticleChain->Shift(8, 0);
  for (int step = 0; step < 9; ++step) level.UpdateParticles();
  for (const particleType* p : swirls) EXPECT_GT(p->alpha, 0.0f) << "fade " << p->fade;
  for (int step = 9; step < 25; ++step) level.UpdateParticles();
  for (const particleType* p : swirls) EXPECT_LE(p->alpha, 0.0f) << "fade " << p->fade;
}

TEST_F(ParticleEmitTest, AScrollMovesEachKindItsOwnWay) {
  const auto chain = std::make_shared<particleNodeType>();
  for (int type : {0, 3, 5}) Emit(type, 400, 300, 1.0f, 0, 0, ParticleSink{*chain});
  const auto particles = Particles(*chain);  // newest first: types 5, 3, 0
  struct Place {
    float x, y, offsetX, offsetY;
  };
  auto placeOf = [](const particleType* p) { return Place{p->x, p->y, p->offsetX, p->offsetY}; };
  const Place spot = placeOf(particles[2]), trail = placeOf(particles[1]), dot = placeOf(particles[0]);

  chain->Shift(8, -8);
  // Kind 0 moves in world units, truncated: 8 pixels across are 2 units, 8 down are 2.
  EXPECT_EQ(particles[2]->x, spot.x + 2);
  EXPECT_EQ(particles[2]->y, spot.y - 2);
  EXPECT_EQ(particles[2]->offsetX, spot.offsetX);
  // The trail keeps its world position and carries the map's offset.
  EXPECT_EQ(particles[1]->x, trail.x);
  EXPECT_EQ(particles[1]->offsetX, trail.offsetX + 8);
  EXPECT_EQ(particles[1]->offsetY, trail.offsetY - 8);
  EXPECT_EQ(particles[1]->fade, 10) << "a particle that fades anyway keeps its pace";
  // The world map's glows do not move with the board.
  EXPECT_EQ(particles[0]->x, dot.x);
  EXPECT_EQ(particles[0]->offsetX, dot.offsetX);

  chain->Shift(3, 3);  // under a world unit: kind 0 stays put
  EXPECT_EQ(particles[2]->x, spot.x + 2);
}

TEST_F(ParticleEmitTest, BurstsHomeOnTheLevelsTokenSquare) {
  Emit(4, 32 * 2, 32 * 3, 30.0f, 0, 0, ParticleSink{*level.ParticleChain, 0, 0, 3});  // fourth of its group
  const auto bursts = Particles(*level.ParticleChain);
  ASSERT_EQ(bursts.size(), 30u);
  for (int step = 0; step < 200; ++step) level.UpdateParticles();
  for (const particleType* p : bursts) {
    EXPECT_FLOAT_EQ(p->targetX, WorldX(680));
    EXPECT_FLOAT_EQ(p->targetY, WorldY(64 * 3 + 40));
    EXPECT_LT(std::hypot(p->x - p->targetX, p->y - p->targetY), 6.0f);
  }

  // Right on the target there is no direction to pull in.
  particleType& p = *bursts.front();
  p.x = p.targetX;
  p.y = p.targetY;
  level.UpdateParticles();
  EXPECT_FALSE(std::isnan(p.ax) || std::isnan(p.ay) || std::isnan(p.x) || std::isnan(p.y));
}

// What a level starts with, sorted by what each particle is.
struct Intro {
  std::vector<particleType*> ring, swirls, pools;
};

Intro IntroOf(particleNodeType& head) {
  Intro intro;
  for (particleType* p : Particles(head)) {
    if (p->attract == 1) {
      intro.ring.push_back(p);
    } else if (p->spinning == 1) {
      intro.swirls.push_back(p);
    } else {
      intro.pools.push_back(p);
    }
  }
  return intro;
}

TEST_F(ParticleEmitTest, ALevelStartsWithARingRoundItsExitAndASwirlOverEachTeleportEachOverAPool) {
  Play({"S.0......E", "..1."});
  level.CurrentMap->tiles[3][1] = 4;  // an unknown code that answers the teleport kind
  level.ClearParticles();
  level.CurrentMap->IntroSparkles(level.Particles());
  Intro intro = IntroOf(*level.ParticleChain);
  EXPECT_EQ(intro.ring.size(), 21u);
  for (const particleType* p : intro.ring) {
    EXPECT_FLOAT_EQ(p->targetX, WorldX(32 * 9));
    EXPECT_FLOAT_EQ(p->targetY, WorldY(0));
    EXPECT_EQ(p->fade, 0);
  }
  EXPECT_EQ(intro.swirls.size(), 2u) << "one over each of the two teleports";
  for (const particleType* p : intro.swirls) EXPECT_EQ(p->fade, 0);
  ASSERT_EQ(intro.pools.size(), 3u) << "under the exit and both teleports";
  for (const particleType* p : intro.pools) {
    EXPECT_LT(p->z, 200.0f) << "behind the board: the ball and the walls cover it";
    EXPECT_GT(p->z, 199.0f) << "and still where it was put, to a pixel";
    EXPECT_EQ(p->fade, 0);
  }
  // Each pool is drawn before what it lies under.
  const auto all = Particles(*level.ParticleChain);
  auto place = [&all](const particleType* p) { return std::find(all.begin(), all.end(), p) - all.begin(); };
  EXPECT_GT(place(intro.pools.back()), place(intro.ring.front()));

  level.CurrentMap->exitX = level.CurrentMap->exitY = -1;
  level.ClearParticles();
  level.CurrentMap->IntroSparkles(level.Particles());
  EXPECT_EQ(Particles(*level.ParticleChain).size(), 4u);
}

TEST_F(ParticleEmitTest, TheExitRingKeepsToAHollowCircleAsItTurns) {
  Play({"S......", "...E"});
  level.ClearParticles();
  level.CurrentMap->IntroSparkles(level.Particles());
  const Intro intro = IntroOf(*level.ParticleChain);
  ASSERT_EQ(intro.ring.size(), 21u);
  // On screen, relative to the exit's centre (a world unit is 4 pixels across, 3 down).
  auto fromExit = [](const particleType* p) {
    return std::hypot((p->x - p->targetX) * 4, (p->y - p->targetY) * 3);
  };
  const particleType& bead = *intro.ring.front();
  const float startX = bead.x, startY = bead.y;
  bool cameBack = false, wentAway = false;
  for (int step = 1; step <= 300; ++step) {
    level.UpdateParticles();
    for (const particleType* p : intro.ring) {
      ASSERT_GT(fromExit(p), 9.0f) << "step " << step;
      ASSERT_LT(fromExit(p), 11.0f) << "step " << step;
    }
    const float moved = std::hypot((bead.x - startX) * 4, (bead.y - startY) * 3);
    if (moved > 15) wentAway = true;
    if (wentAway && moved < 2) cameBack = true;
  }
  EXPECT_TRUE(cameBack) << "a bead goes round and comes back in a few seconds";
}

TEST_F(ParticleEmitTest, SwirlsTurnSteadilyOneWay) {
  Emit(1, 64, 64, 3.0f, 0, 0, level.Particles());
  const auto swirls = Particles(*level.ParticleChain);
  ASSERT_EQ(swirls.size(), 3u);
  std::vector<int> start;
  for (const particleType* p : swirls) start.push_back(p->angle);
  for (int step = 1; step <= 200; ++step) {
    level.UpdateParticles();
    for (size_t i = 0; i < swirls.size(); ++i) {
      const int turned = ((swirls[i]->angle - start[i]) % 360 + 360) % 360;
      ASSERT_EQ(turned, (3 * step) % 360) << "step " << step;
    }
  }
}

TEST_F(ParticleEmitTest, TwinTeleportsShareAColourAndEachPairHasItsOwn) {
  Play({"S.0.2.4.6.8.E", "..1.3.5.7.9."});
  level.ClearParticles();
  level.CurrentMap->IntroSparkles(level.Particles());
  const Intro intro = IntroOf(*level.ParticleChain);
  ASSERT_EQ(intro.swirls.size(), 10u);
  std::map<int, std::vector<const particleType*>> byPair;
  for (const particleType* p : intro.swirls) {
    const int cellX = static_cast<int>(std::lround((p->x + 100) * 800 / 200 / 32));
    const int cellY = static_cast<int>(std::lround((p->y + 100) * 600 / 200 / 32));
    byPair[(level.CurrentMap->tiles[cellX][cellY] - 16) / 2].push_back(p);
  }
  ASSERT_EQ(byPair.size(), 5u);
  auto distance = [](const particleType* a, const particleType* b) {
    return std::sqrt((a->red - b->red) * (a->red - b->red) + (a->green - b->green) * (a->green - b->green) +
                     (a->blue - b->blue) * (a->blue - b->blue)) / 255;
  };
  for (const auto& [pair, twins] : byPair) {
    ASSERT_EQ(twins.size(), 2u);
    EXPECT_EQ(distance(twins[0], twins[1]), 0.0f) << "pair " << pair;
    for (const auto& [other, others] : byPair) {
      if (other > pair) {
        EXPECT_GT(distance(twins[0], others[0]), 0.4f) << "pairs " << pair << " and " << other;
      }
    }
    // Not the exit ring's warm white, nor the ball's orange trail.
    EXPECT_GT(distance(twins[0], intro.ring.front()), 0.3f) << "pair " << pair;
  }
}

}  // namespace
