#include <SDL.h>
#include <gtest/gtest.h>

#include "app/developer_mode.h"
#include "app/logo_splash.h"
#include "platform/host/platform.h"
#include "support/fake_clock.h"

class LogoSplashTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(platform::InitPlatform()); }
  void TearDown() override {
    DeveloperMode = 0;
    platform::ShutdownPlatform();
  }
};

TEST_F(LogoSplashTest, HoldsTwoSecondsFromPresentation) {
  FakeClock fake;
  auto splash = LogoSplash::Create("media\\no-such-logo.png", 2000);
  EXPECT_FALSE(splash->image);  // a missing picture is simply not drawn
  splash->shownAt = fake.now;
  fake.now += 500;  // loading after the logo counts towards its time
  splash->Wait();
  EXPECT_EQ(fake.now - splash->shownAt, 2000);
  EXPECT_EQ(fake.slept, 1500);

  fake.slept = 0;
  splash->shownAt = fake.now - 2500;  // loading took longer than the hold
  splash->Wait();
  EXPECT_EQ(fake.slept, 0);
}

TEST_F(LogoSplashTest, HeldSkipKeyOrLeftButtonEndsTheWait) {
  FakeClock fake;
  auto splash = LogoSplash::Create("media\\no-such-logo.png", 2000);
  for (SDL_Keycode key : {SDLK_ESCAPE, SDLK_SPACE, SDLK_RETURN}) {
    splash->shownAt = fake.now;
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
    splash->Wait();
    EXPECT_LT(fake.now - splash->shownAt, 2000) << key;
    e.type = SDL_KEYUP;
    SDL_PushEvent(&e);
  }
  splash->shownAt = fake.now;
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.button = SDL_BUTTON_LEFT;
  SDL_PushEvent(&click);
  splash->Wait();
  EXPECT_LT(fake.now - splash->shownAt, 2000);
}

TEST_F(LogoSplashTest, DeveloperBuildShortensTheLogo) {
  DeveloperMode = 1;
  EXPECT_EQ(LogoSplash::Create("x.png", 2000)->duration, 30);
  DeveloperMode = 0;
  EXPECT_EQ(LogoSplash::Create("x.png", 2000)->duration, 2000);
}
