// The size the window opens at, for desktops from a netbook to 4K and for a
// player who resized it before.

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/host/platform.h"
#include "platform/render/graphics.h"
#include "platform/render/window_size.h"

using platform::ChooseWindowSize;
using platform::WindowSize;

TEST(WindowSize, LargestWholeMultipleThatFitsOrThePlayersOwn) {
  const WindowSize picture{800, 600};
  struct Case {
    WindowSize usable, playersOwn, chosen;
  } cases[] = {
      {{1920, 1040}, {}, {800, 600}},      // 1080p with a task bar: 1200 rows do not fit
      {{2560, 1400}, {}, {1600, 1200}},    // 1440p
      {{3840, 2112}, {}, {2400, 1800}},    // 4K
      {{3840, 1900}, {}, {1600, 1200}},    // 1800 rows leave no room for the title bar
      {{7680, 4320}, {}, {4800, 3600}},    // 8K: six times
      {{1024, 560}, {}, {700, 525}},       // smaller than the picture: its shape, scaled down
      {{640, 400}, {}, {600, 450}},        // never below the readable least
      {{}, {}, {800, 600}},                // a driver that cannot tell
      {{2560, 1400}, {1000, 700}, {1000, 700}},   // the player's own size
      {{1920, 1040}, {2400, 1800}, {1920, 975}},  // kept from a larger desktop
      {{2560, 1400}, {300, 200}, {600, 450}},     // below the least
      {{}, {300, 200}, {600, 450}},
  };
  for (const Case& c : cases) {
    const WindowSize chosen = ChooseWindowSize(picture, c.usable, c.playersOwn);
    EXPECT_EQ(chosen, c.chosen) << "usable " << c.usable.width << " x " << c.usable.height << ", player's "
                                << c.playersOwn.width << " x " << c.playersOwn.height << ": chose " << chosen.width
                                << " x " << chosen.height;
  }
}

// A window the player resized comes back at their size from full screen, and
// that size is what the game keeps; one they left alone keeps nothing.
TEST(WindowSize, APlayersSizeSurvivesAFullScreenRoundTrip) {
#ifdef _WIN32
  // Under Wine on a private X server, leaving full screen unmaps a window the
  // server no longer knows and the X connection ends the program; the round
  // trip is the same code on every host, and Linux checks it.
  GTEST_SKIP() << "full screen is not switched under the Windows build's tests";
#endif
  ASSERT_TRUE(platform::InitPlatform());
  ASSERT_TRUE(platform::OpenGraphics(800, 600, 0, 60, 0)) << platform::LastDisplayError();
  EXPECT_FALSE(platform::PlayersWindowSize().Known());
  SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 900, 675);
  for (int depth : {32, 0}) ASSERT_TRUE(platform::OpenGraphics(800, 600, depth, 60, 0)) << depth;
  int width = 0, height = 0;
  SDL_GetWindowSize(SDL_GL_GetCurrentWindow(), &width, &height);
  EXPECT_EQ((WindowSize{width, height}), (WindowSize{900, 675}));
  EXPECT_EQ(platform::PlayersWindowSize(), (WindowSize{900, 675}));
  EXPECT_EQ(platform::GraphicsWidth(), 800) << "the picture keeps its own size";
  platform::ShutdownPlatform();
}
