// The world map's path for different progress, its dots and head, and its
// showing and closing over a level.

#include "menu_fixture.h"
#include "services/resources.h"

namespace {

struct Glows {
  int dots = 0;
  int heads = 0;
};

Glows Count(const std::shared_ptr<particleNodeType>& chain) {
  Glows glows;
  for (particleNodeType* node = chain ? chain->next.get() : nullptr; node; node = node->next.get()) {
    const auto* particle = dynamic_cast<particleType*>(node);
    if (particle && particle->kind == 3) glows.dots += 1;
    if (particle && particle->kind == 4) glows.heads += 1;
  }
  return glows;
}

class WorldMapTest : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    FillParticleTables();
    gameController->StartLevel(0);
  }
  void CompleteGroups(int count) {
    for (int group = 1; group <= count; ++group) progress->groupStates[group] = group % 2 ? 1 : 2;
  }
  // Steps of the level loop's order for the map: its update, and the level's paused one.
  void MapSteps(int count) {
    for (int i = 0; i < count; ++i) {
      clock.Advance(StepMs);
      worldMap->Update(false);
    }
  }
  double PathLength() const {
    double sum = 0;
    for (const SplineType& piece : worldMap->path) sum += piece.length;
    return sum;
  }
};

TEST_F(WorldMapTest, ThePathIsAClosedLoopOfAbout1753Pixels) {
  EXPECT_NEAR(PathLength(), 1752.9, 0.05);
  EXPECT_EQ(worldMap->path[27].xs[1], worldMap->path[0].xs[0]);
  EXPECT_EQ(worldMap->path[27].ys[1], worldMap->path[0].ys[0]);
  EXPECT_EQ(worldMap->state, MenuScreen::Hidden);
}

TEST_F(WorldMapTest, WithoutCompletedGroupsOnlyThePictureShows) {
  progress->groupStates[0] = 1;  // group 0 never counts
  worldMap->Show();
  MapSteps(60);
  EXPECT_EQ(worldMap->drawnLength, 0);
  EXPECT_EQ(Count(worldMap->particles).dots + Count(worldMap->particles).heads, 0);
  EXPECT_EQ(worldMap->headX, -1);
}

TEST_F(WorldMapTest, OneNewGroupGrowsOnePixelEverySecondStep) {
  CompleteGroups(1);
  worldMap->Show();
  MapSteps(1);
  EXPECT_EQ(worldMap->drawnLength, 0);
  MapSteps(1);
  EXPECT_EQ(worldMap->drawnLength, 1);
  EXPECT_EQ(Count(worldMap->particles).heads, 1);
  MapSteps(2 * 80 - 2);
  EXPECT_EQ(worldMap->drawnLength, 80);
  // The next advance puts dots 40 pixels apart from 0.54 x 40 while below 81 pixels.
  worldMap->phase = 0.5;
  const int before = Count(worldMap->particles).dots;
  MapSteps(2);
  EXPECT_EQ(Count(worldMap->particles).dots - before, 2);
  MapSteps(400);
  EXPECT_EQ(worldMap->drawnLength, 117);
  const SplinePoint end = PointAt((117 - 0.0) / worldMap->path[0].length, worldMap->path[0]);
  EXPECT_EQ(worldMap->headX, end.x);
  EXPECT_EQ(worldMap->headY, end.y);

  // The ball is drawn at the head once the map is more than half faded in.
  platform::AutoMidHandle(true);
  ballImage = platform::LoadImage("media\\ball.png", -1);
  auto around = [&] {
    const Frame frame = GrabFrame();
    std::vector<uint32_t> pixels;
    for (int dy = -6; dy <= 6; dy += 3) {
      for (int dx = -6; dx <= 6; dx += 3) pixels.push_back(frame.At(end.x + dx, end.y + dy));
    }
    return pixels;
  };
  auto ballShows = [&](int fade) {
    worldMap->fade = fade;
    const int headX = worldMap->headX;
    ClearTo(0, 0, 0);
    worldMap->Draw(false);
    const auto withHead = around();
    worldMap->headX = -1;
    ClearTo(0, 0, 0);
    worldMap->Draw(false);
    worldMap->headX = headX;
    return around() != withHead;
  };
  EXPECT_TRUE(ballShows(MenuScreen::FullFade));
  EXPECT_TRUE(ballShows(MenuScreen::FullFade / 2 + 1));
  EXPECT_FALSE(ballShows(MenuScreen::FullFade / 2)) << "at half faded in the ball is not yet drawn";
}

// Each advance moves the dot pattern 1.6 pixels on along the path.
// The map comes over a board that is still scrolling to the next level; its
// dots keep to the road, not to the board's scroll.
TEST_F(WorldMapTest, TheDotsCreepForwardAlongThePathWhereverTheBoardHasScrolled) {
  CompleteGroups(3);
  worldMap = WorldMap::Create(*gameController);
  worldMap->Show();
  MapSteps(2 * 9);
  worldMap->particles = std::make_shared<particleNodeType>();
  gameController->level.CurrentMap->Scroll(-200, 96);
  MapSteps(2);  // the tenth advance
  // The dot nearest the path's start was made first, so it ends the chain.
  const particleType* first = nullptr;
  for (particleNodeType* node = worldMap->particles->next.get(); node; node = node->next.get()) {
    first = dynamic_cast<const particleType*>(node);
  }
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(first->kind, 3);
  const SplinePoint expected = PointAt(10 * 1.6 / worldMap->path[0].length, worldMap->path[0]);
  // A dot drifts a tenth of a pixel in the step after it was made.
  EXPECT_NEAR((first->x + 100) * 4, expected.x, 1.0);
  EXPECT_NEAR((first->y + 100) * 3, expected.y, 1.0);
  EXPECT_EQ(first->offsetX, 0);
  EXPECT_EQ(first->offsetY, 0);
}

TEST_F(WorldMapTest, FifteenGroupsFillThePathAndTheHeadRestsAtItsEnd) {
  CompleteGroups(20);
  worldMap = WorldMap::Create(*gameController);
  EXPECT_EQ(worldMap->drawnLength, 20 * 117);
  worldMap->Show();
  MapSteps(2);
  EXPECT_EQ(worldMap->headX, 101);
  EXPECT_EQ(worldMap->headY, 273);
  // Dots every 40 pixels up to the end of the last piece: 44 of them.
  EXPECT_EQ(Count(worldMap->particles).dots, static_cast<int>((PathLength() - 0.04 * 40) / 40) + 1);
}

TEST_F(WorldMapTest, AfterAResetThePathVanishesAtTheNextAdvance) {
  CompleteGroups(3);
  worldMap = WorldMap::Create(*gameController);
  progress->ResetProgress();
  worldMap->Show();
  MapSteps(1);
  EXPECT_EQ(worldMap->drawnLength, 3 * 117);
  MapSteps(1);
  EXPECT_EQ(worldMap->drawnLength, 0);
  EXPECT_EQ(worldMap->headX, -1);
  EXPECT_EQ(Count(worldMap->particles).heads, 0);
}

TEST_F(WorldMapTest, InputWaitsForTheFadeInAndTheFadeOutHoldsOpaqueFirst) {
  worldMap->Show();
  Key(SDLK_SPACE, true);
  MapSteps(MenuScreen::FullFade - 1);
  EXPECT_EQ(worldMap->state, MenuScreen::FadingIn);
  MapSteps(1);  // fully in: the held key closes it at once
  Key(SDLK_SPACE, false);
  EXPECT_EQ(worldMap->state, MenuScreen::FadingOut);
  EXPECT_EQ(worldMap->fade, 60);
  EXPECT_EQ(gameController->GetActiveScreen(), 0);
  MapSteps(20);
  EXPECT_EQ(worldMap->fade, 40);
  MapSteps(40);
  EXPECT_EQ(worldMap->state, MenuScreen::Hidden);
}

// The map's 800 x 600 picture is held only while the map can be seen.
TEST_F(WorldMapTest, ThePictureIsReadWhenShownAndLetGoOnceFadedOut) {
  EXPECT_FALSE(worldMap->background);
  for (int showing = 0; showing < 2; ++showing) {
    worldMap->Show();
    ASSERT_TRUE(worldMap->background);
    EXPECT_EQ(worldMap->background.Width(), 800);
    MapSteps(MenuScreen::FullFade);
    worldMap->Close();
    MapSteps(MenuScreen::FullFade - 1);
    EXPECT_EQ(worldMap->state, MenuScreen::FadingOut);
    EXPECT_TRUE(worldMap->background);
    MapSteps(MenuScreen::FullFade);
    EXPECT_EQ(worldMap->state, MenuScreen::Hidden);
    EXPECT_FALSE(worldMap->background);
  }
}

}  // namespace
