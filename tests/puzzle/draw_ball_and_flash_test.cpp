// The ball with its spin and hover arrow, and the flash of a restart.

#include "draw_fixture.h"
#include "puzzle/ball.h"
#include "puzzle/flash.h"

using namespace platform;

namespace {

using BallDrawing = DrawTest;
using FlashDrawing = DrawTest;

TEST_F(BallDrawing, TheBallTurnsWithItsSpinOnItsMapAndShowsTheArrowOfItsHoverDirection) {
  std::shared_ptr<ballType> ball;
  InGameDir([&ball] { ball = ballType::Create(); });  // the arrows come from the media folder
  ASSERT_TRUE(ball->arrowUp && ball->arrowRight && ball->arrowDown && ball->arrowLeft);
  ball->SetPosition(6, 4);
  ball->subX = 2;  // two thirds of the way to the next cell: 21 pixels
  ball->spin = 33;
  // The ball rides on the map that draws it, scrolled as that map is.
  const auto owner = MapOf(FloorWith({}));
  owner->offsetX = 16;
  owner->offsetY = -8;
  owner->ball = ball;

  const float bx = 16 + 6 * 32 + 21 + Origin, by = -8 + 4 * 32 + Origin;
  const TImage* arrows[] = {nullptr, &ball->arrowUp, &ball->arrowRight, &ball->arrowDown, &ball->arrowLeft};
  std::vector<std::vector<uint32_t>> frames;
  for (int hover = 0; hover <= 4; ++hover) {
    ball->hoverDirection = hover;
    const auto drawn = FrameOf([&owner] { owner->Draw(Origin, Origin, 0); });
    const auto expected = FrameOf([&] {
      SetRotation(33);
      DrawImage(ballImage, bx, by);  // painted over the floor
      SetRotation(0);
      SetBlend(LightBlend);  // the arrow is added as light
      if (arrows[hover]) DrawImage(*arrows[hover], bx, by);
    });
    EXPECT_TRUE(Same(drawn, expected)) << "hover " << hover;
    frames.push_back(drawn);
  }
  for (size_t a = 0; a < frames.size(); ++a) {
    for (size_t b = a + 1; b < frames.size(); ++b) EXPECT_FALSE(Same(frames[a], frames[b])) << a << " and " << b;
  }
  EXPECT_EQ(GetRotation(), 0.0f);
  EXPECT_EQ(GetBlend(), LightBlend) << "left for the caller to reset";
}

TEST_F(BallDrawing, TheBallDarkensALightFloorAtItsRimInsteadOfMeltingIntoIt) {
  std::shared_ptr<ballType> ball;
  InGameDir([&ball] { ball = ballType::Create(); });
  ball->SetPosition(4, 4);
  level.CurrentMap = MapOf(FloorWith({}));
  level.CurrentMap->ball = ball;
  const auto frame = FrameOf([this] {
    SetColor(230, 225, 200);  // a pale floor
    DrawRect(0, 0, 800, 600);
    SetColor(255, 255, 255);
    level.CurrentMap->Draw(Origin, Origin, 0);
  });
  auto luma = [&frame](int x, int y) {
    const uint32_t c = frame[static_cast<size_t>(y) * 800 + x];
    return 0.299 * Red(c) + 0.587 * Green(c) + 0.114 * Blue(c);
  };
  const int bx = static_cast<int>(CellX(4)), by = static_cast<int>(CellY(4));
  // Round the rim, every way (pixels whose centres lie 13.5 from the ball's),
  // the ball is much darker than the floor further out.
  for (auto [dx, dy] : {std::pair{13, 0}, {-14, 0}, {0, 13}, {0, -14}, {9, 9}, {-10, -10}}) {
    EXPECT_LT(luma(bx + dx, by + dy), 0.5 * luma(bx + 2 * dx, by + 2 * dy)) << dx << ", " << dy;
  }
}

TEST_F(FlashDrawing, ARestartFlashCoversTheScreenAndIsGoneAfterSeventeenUpdates) {
  const auto flash = flashType::Create(0.06f, 1.0f);
  Clear(20, 40, 60);
  flash->Draw();
  const Frame flashed = GrabFrame();
  for (auto [x, y] : {std::pair{0, 0}, {400, 300}, {799, 599}}) EXPECT_EQ(flashed.At(x, y), 0xFFFFFFu);
  EXPECT_EQ(GetAlpha(), 1.0f);

  for (int update = 1; update <= 17; ++update) {
    flash->Update();
    Clear(20, 40, 60);
    flash->Draw();
    const auto frame = GrabFrame().Pixels();
    const auto untouched = std::count(frame.begin(), frame.end(), 0x14283Cu);
    if (update < 17) {
      EXPECT_EQ(untouched, 0) << "update " << update;
    } else {
      EXPECT_EQ(flash->mode, 0);
      EXPECT_EQ(untouched, static_cast<long>(frame.size()));
    }
  }
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255);
}

TEST_F(FlashDrawing, AReducedFlashOnlyDimsTheScreenBriefly) {
  const auto flash = flashType::Create(0.06f, 1.0f, true);
  int updates = 0;
  for (; flash->mode != 0 && updates < 20; ++updates) {
    Clear(120, 150, 180);
    flash->Draw();
    const uint32_t pixel = GrabFrame().At(400, 300);
    // Darker, never lighter, and never below two thirds of the light.
    EXPECT_LE(Red(pixel), 120) << "update " << updates;
    EXPECT_GE(Red(pixel), 79) << "update " << updates;
    EXPECT_GE(Blue(pixel), 119) << "update " << updates;
    flash->Update();
  }
  EXPECT_EQ(updates, 6) << "a tenth of a second";
}

}  // namespace
