// The ball with its spin and hover arrow, and the flash of a restart.

#include "draw_fixture.h"
#include "puzzle/ball.h"
#include "puzzle/flash.h"

using namespace platform;

namespace {

using BallDrawing = DrawTest;
using FlashDrawing = DrawTest;

TEST_F(BallDrawing, TheBallTurnsWithItsSpinOnTheCurrentMapAndShowsTheArrowOfItsHoverDirection) {
  std::shared_ptr<ballType> ball;
  InGameDir([&ball] { ball = ballType::Create(); });  // the arrows come from the media folder
  ASSERT_TRUE(ball->arrowUp && ball->arrowRight && ball->arrowDown && ball->arrowLeft);
  ball->SetPosition(6, 4);
  ball->subX = 2;  // two thirds of the way to the next cell: 21 pixels
  ball->spin = 33;
  CurrentMap = MapOf(FloorWith({}));
  CurrentMap->offsetX = 16;
  CurrentMap->offsetY = -8;
  // A map that is not the current one draws the ball on the current map's offset.
  const auto owner = MapOf(FloorWith({}));
  owner->ball = ball;

  const float bx = 16 + 6 * 32 + 21 + Origin, by = -8 + 4 * 32 + Origin;
  const TImage* arrows[] = {nullptr, &ball->arrowUp, &ball->arrowRight, &ball->arrowDown, &ball->arrowLeft};
  std::vector<std::vector<uint32_t>> frames;
  for (int hover = 0; hover <= 4; ++hover) {
    ball->hoverDirection = hover;
    const auto drawn = FrameOf([&owner] { owner->Draw(Origin, Origin, 0); });
    const auto expected = FrameOf([&] {
      SetBlend(LightBlend);  // the arrow shares the ball's blend
      SetRotation(33);
      DrawImage(ballImage, bx, by);
      SetRotation(0);
      if (arrows[hover]) DrawImage(*arrows[hover], bx, by);
    });
    EXPECT_TRUE(Same(drawn, expected)) << "hover " << hover;
    frames.push_back(drawn);
  }
  for (size_t a = 0; a < frames.size(); ++a) {
    for (size_t b = a + 1; b < frames.size(); ++b) EXPECT_FALSE(Same(frames[a], frames[b])) << a << " and " << b;
  }
  EXPECT_EQ(GetRotation(), 0.0f);
}

TEST_F(FlashDrawing, ARestartFlashCoversTheScreenAndIsGoneAfterSeventeenUpdates) {
  const auto flash = flashType::Create(0.06f, 1.0f);
  Clear(20, 40, 60);
  flash->Draw();
  for (auto [x, y] : {std::pair{0, 0}, {400, 300}, {799, 599}}) EXPECT_EQ(PixelAt(x, y), 0xFFFFFFu);
  EXPECT_EQ(GetAlpha(), 1.0f);

  for (int update = 1; update <= 17; ++update) {
    flash->Update();
    Clear(20, 40, 60);
    flash->Draw();
    const auto frame = Frame();
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

}  // namespace
