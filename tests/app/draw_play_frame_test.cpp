// The level loop's whole frame at a known state, drawn by the controller with
// pictures of one colour each, so that where every layer lands can be read
// off the frame: the tiled background, a wall, the ball, the ring round the
// exit, particles in front of and behind the walls, and the frame picture.

#include <array>
#include <cstdlib>
#include <string>

#include "app/game_draw_fixture.h"

using namespace platform;

namespace {

constexpr uint32_t Black = 0x000000;
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t WallBlue = 0x000078;
constexpr uint32_t BallGreen = 0x00C800;
constexpr uint32_t FrameGrey = 0x5A5A5A;
// The art styles' particle colour, added by light blending.
constexpr uint32_t Orange = 0xFF6400;

TImage Solid(int width, int height, int frames, uint32_t argb) {
  TImage image = CreateImage(width, height, frames, -1);
  for (int f = 0; f < frames; ++f) {
    TPixmap pixels = LockImage(image, f);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) pixels.WritePixel(x, y, argb);
    }
    UnlockImage(image, f);
  }
  MidHandleImage(image);
  return image;
}

// 64 x 64, black but for a white top-left pixel: each copy of the tile marks its corner.
TImage MarkedBackground() {
  TImage image = Solid(64, 64, 1, 0xFF000000);
  TPixmap pixels = LockImage(image, 0);
  pixels.WritePixel(0, 0, 0xFFFFFFFF);
  UnlockImage(image, 0);
  SetImageHandle(image, 0, 0);
  return image;
}

// The frame picture: clear but for a 10 x 10 grey block in its top-left corner.
TImage MarkedFrame() {
  TImage image = Solid(800, 600, 1, 0x00000000);
  TPixmap pixels = LockImage(image, 0);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) pixels.WritePixel(x, y, 0xFF000000 | FrameGrey);
  }
  UnlockImage(image, 0);
  SetImageHandle(image, 0, 0);
  return image;
}

class PlayFrameTest : public GameDrawTest {
 protected:
  void SetUp() override {
    GameDrawTest::SetUp();
    for (size_t i = 0; i < saved_.size(); ++i) saved_[i] = *Replaced()[i];
    backgrounds[0] = backgrounds[1] = MarkedBackground();
    tileSets[0] = tileSets[1] = Solid(32, 32, 6, 0xFF000000 | WallBlue);
    ballImage = Solid(32, 32, 1, 0xFF000000 | BallGreen);
    borderImage = MarkedFrame();
    trailImages[0] = Solid(8, 8, 1, 0xFFFFFFFF);
    trailImages[2] = Solid(16, 16, 1, 0xFFFFFFFF);
  }
  void TearDown() override {
    for (size_t i = 0; i < saved_.size(); ++i) *Replaced()[i] = saved_[i];
    GameDrawTest::TearDown();
  }

 private:
  // The game's pictures this test draws with pictures of its own.
  static std::array<TImage*, 8> Replaced() {
    return {&backgrounds[0], &backgrounds[1], &tileSets[0], &tileSets[1],
            &ballImage,      &borderImage,    &trailImages[0], &trailImages[2]};
  }
  std::array<TImage, 8> saved_;
};

// Screen pixel of a board cell's centre: the play area's origin (32, 30) plus
// the board's (47, 47) plus 32 pixels a cell.
int CentreX(int cell) { return 32 + 47 + 32 * cell; }
int CentreY(int cell) { return 30 + 47 + 32 * cell; }

bool IsOrange(uint32_t c) { return (c >> 16 & 255) >= 200 && (c >> 8 & 255) < 200; }

TEST_F(PlayFrameTest, EveryLayerLandsWhereThePlayAreaAndTheBoardPutIt) {
  // Walls at (3, 2) and (12, 9), the ball at (6, 9), the exit at (15, 3).
  Play(FloorWith({{3, 2, '#'}, {12, 9, '#'}, {6, 9, 'S'}, {15, 3, 'E'}}));
  // A spark in front of the first wall and one just behind the board at the second.
  Emit(3, 32 * 3, 32 * 2, 1.0f, 0, 0, level.Particles());
  Emit(3, 32 * 12, 32 * 9, 1.0f, 0, 0, level.Particles());
  static_cast<particleType*>(level.ParticleChain->next.get())->z = 199.9f;

  // Art style 1 tiles its background from (31, 0) in the play area; style 0
  // scrolls with the boards, here (63, 63).
  for (const int style : {1, 0}) {
    UseArtStyle(style);
    Clear(50, 50, 50);
    gameController->DrawPlayFrame();
    const Frame frame = GrabFrame();
    SCOPED_TRACE("art style " + std::to_string(style));

    const int markX = style == 1 ? 32 + 31 + 64 * 4 : 32 + 63 + 64 * 4;
    const int markY = style == 1 ? 30 + 0 + 64 * 4 : 30 + 63 + 64 * 3;
    const int otherX = style == 1 ? 32 + 63 + 64 * 4 : 32 + 31 + 64 * 4;
    const int otherY = style == 1 ? 30 + 63 + 64 * 3 : 30 + 0 + 64 * 4;
    EXPECT_EQ(frame.At(markX, markY), White);
    EXPECT_EQ(frame.At(markX + 1, markY), Black);
    EXPECT_EQ(frame.At(markX, markY - 1), Black);
    EXPECT_EQ(frame.At(otherX, otherY), Black);

    // The wall's 32 x 32 picture is centred on its cell.
    EXPECT_EQ(frame.At(CentreX(3) - 16, CentreY(2) - 16), WallBlue);
    EXPECT_EQ(frame.At(CentreX(3) + 15, CentreY(2) + 15), WallBlue);
    EXPECT_NE(frame.At(CentreX(3) - 17, CentreY(2) - 16), WallBlue);
    EXPECT_NE(frame.At(CentreX(3) + 15, CentreY(2) + 16), WallBlue);
    // The spark in front lights the wall; the one behind is hidden by its wall.
    EXPECT_EQ(frame.At(CentreX(3), CentreY(2)), Orange | WallBlue);
    EXPECT_EQ(frame.At(CentreX(12), CentreY(9)), WallBlue);

    // The ball, light added to the black background.
    EXPECT_EQ(frame.At(CentreX(6) - 16, CentreY(9) - 16), BallGreen);
    EXPECT_EQ(frame.At(CentreX(6) + 15, CentreY(9) + 15), BallGreen);
    EXPECT_EQ(frame.At(CentreX(6) - 17, CentreY(9)), Black);
    EXPECT_EQ(frame.At(CentreX(6), CentreY(9) + 16), Black);

    // The exit's ring lights the pixels round its centre (a pixel or more for
    // each of its 21 sparks), and no spark shows anywhere else on the board
    // but the one in front of the wall.
    int ring = 0, elsewhere = 0;
    for (int y = CentreY(0) - 16; y < CentreY(13) + 16; ++y) {
      for (int x = CentreX(0) - 16; x < CentreX(19) + 16; ++x) {
        const bool byExit = std::abs(x - CentreX(15)) <= 24 && std::abs(y - CentreY(3)) <= 24;
        const bool byWall = std::abs(x - CentreX(3)) <= 8 && std::abs(y - CentreY(2)) <= 8;
        const uint32_t colour = frame.At(x, y);
        if (byExit) {
          if (colour != Black && colour != White) ++ring;  // lit by the ring's sparks
        } else if (IsOrange(colour) && !byWall) {
          ++elsewhere;
        }
      }
    }
    EXPECT_GE(ring, 21);
    EXPECT_EQ(elsewhere, 0);

    // The frame picture is placed by the screen's corner, not the play area's.
    EXPECT_EQ(frame.At(0, 0), FrameGrey);
    EXPECT_EQ(frame.At(9, 9), FrameGrey);
    EXPECT_NE(frame.At(32 + 9, 30 + 9), FrameGrey);
  }
}

}  // namespace
