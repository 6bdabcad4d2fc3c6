#pragma once
// The level screen with a display: a level fixture (the puzzle's own, or the
// game's for whole play frames, tests/app/game_draw_fixture.h), the
// real back-end (the offscreen driver under ctest) and the game's own media
// from the build. Frames are compared with frames drawn straight through the
// platform, or read pixel by pixel (GrabFrame).

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/render/graphics.h"
#include "platform/host/platform.h"
#include "puzzle/particles.h"
#include "puzzle_fixture.h"
#include "services/resources.h"
#include "support/game_paths.h"
#include "support/grabbed_frame.h"

// Where the game draws cell (x, y) of a map at rest with the board origin (47, 47).
constexpr int Origin = 47;
inline float CellX(int x) { return static_cast<float>(Origin + 32 * x); }
inline float CellY(int y) { return static_cast<float>(Origin + 32 * y); }

// A cell set on a board of floor: x, y and the character as in the puzzle tests.
struct Put {
  int x, y;
  char c;
};

inline Picture FloorWith(std::initializer_list<Put> cells) {
  Picture rows(board::Height, std::string(board::Width, '.'));
  for (const Put& p : cells) rows[p.y][p.x] = p.c;
  return rows;
}

template <class LevelFixture>
class DrawTestOn : public LevelFixture {
 protected:
  void SetUp() override {
    LevelFixture::SetUp();
    ASSERT_TRUE(platform::InitPlatform());
    ASSERT_TRUE(platform::OpenGraphics(800, 600, 0, 60, 0)) << platform::LastDisplayError();
    InGameDir([] {
      // As start-up does: default flags 0 and centred handles before the media.
      platform::AutoImageFlags(0);
      platform::AutoMidHandle(true);
      Resources::LoadMedia();
      Resources::LoadArtStyle(0);
      Resources::LoadArtStyle(2);
      trailImages = {platform::LoadImage("media\\trail.png"), platform::LoadImage("media\\shade.png"),
                     platform::LoadImage("media\\spark.png")};
    });
    ASSERT_TRUE(ballImage && keyTileImage && tileBorderImage && tileSets[0] && tileSets[2])
        << "the media folder of " << GameDir();
    ASSERT_TRUE(trailImages[0] && trailImages[2]);
    UseArtStyle(0);
  }

  void TearDown() override {
    platform::ShutdownPlatform();
    LevelFixture::TearDown();
  }

  // Runs `work` with the built game's folder as the working folder.
  static void InGameDir(const std::function<void()>& work) {
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(GameDir());
    work();
    std::filesystem::current_path(here);
  }

  // Read from the game's media when first selected, as in the game.
  static void UseArtStyle(int style) {
    backgroundIndex = -1;
    InGameDir([style] { Resources::SelectBackground(style); });
  }

  // The resting drawing state the level's drawing expects, on a cleared frame.
  static void Clear(int r = 0, int g = 0, int b = 0) {
    platform::SetOrigin(0, 0);
    platform::SetScale(1, 1);
    platform::SetRotation(0);
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1.0f);
    platform::SetBlend(platform::AlphaBlend);
    platform::SetClsColor(r, g, b);
    platform::Cls();
  }

  // The frame `draw` makes on a black screen.
  static std::vector<uint32_t> FrameOf(const std::function<void()>& draw) {
    Clear();
    draw();
    return GrabFrame().Pixels();
  }

  // Pictures of equal size compared pixel by pixel, naming the first difference.
  static ::testing::AssertionResult Same(const std::vector<uint32_t>& drawn, const std::vector<uint32_t>& expected) {
    if (drawn.size() != expected.size()) return ::testing::AssertionFailure() << "sizes differ";
    size_t differing = 0, first = 0;
    for (size_t i = 0; i < drawn.size(); ++i) {
      if (drawn[i] != expected[i] && differing++ == 0) first = i;
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ, the first at index " << first << ": "
                                         << std::hex << std::showbase << drawn[first] << " drawn, " << expected[first] << " expected";
  }

  static int Red(uint32_t c) { return static_cast<int>(c >> 16 & 255); }
  static int Green(uint32_t c) { return static_cast<int>(c >> 8 & 255); }
  static int Blue(uint32_t c) { return static_cast<int>(c & 255); }

  // A map without a file or a ball: `rows` as in the puzzle tests.
  static std::shared_ptr<mapType> MapOf(const Picture& rows) {
    auto map = std::make_shared<mapType>();
    map->tiles = GridOf(rows);
    map->lockState = map->lockInitial = {0, 1};
    return map;
  }
};

using DrawTest = DrawTestOn<PuzzleTest>;
