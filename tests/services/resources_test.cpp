// The shared pictures found by their two-digit names with a JPEG fallback, the
// art styles' background flags, and the sounds paused while the window is in
// the background.

#include "services/resources.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/host/input_state.h"
#include "platform/stream_temp_folder.h"
#include "services/sound_manager.h"
#include "support/fake_clock.h"
#include "support/game_paths.h"

namespace {

class ResourcesTest : public ::testing::Test {
 protected:
  void TearDown() override {
    backgrounds = {};
    tileSets = {};
    ballImage = tileBorderImage = keyTileImage = borderImage = digitsImage = {};
    currentBackground = currentTileSet = {};
    mediaLoaded = 0;
    platform::ResetInputState();
  }

  // A picture of the built game copied under another name into this test's media folder.
  void CopyAs(const std::string& builtName, const std::string& name) const {
    std::filesystem::create_directories((folder.Path() / "media" / name).parent_path());
    std::filesystem::copy_file(std::filesystem::path(GameDir()) / "media" / builtName, folder.Path() / "media" / name);
  }

  TempFolder folder;
};

// A style's pictures are read when it is first selected, and kept.
TEST_F(ResourcesTest, BackgroundsAndTileSetsAreFoundAsPngElseAsJpegUnderTwoDigitNamesWhenSelected) {
  CopyAs("postcard.jpg", "back/back03.jpg");  // 800 x 600
  CopyAs("ball.png", "back/back10.png");      // 32 x 32
  CopyAs("postcard.jpg", "back/back10.jpg");  // never looked at: the PNG is there
  CopyAs("tokens.png", "back/back09.png");    // 80 x 40
  CopyAs("tokens.png", "back/back9.png");
  CopyAs("postcard.jpg", "tiles/tiles05.jpg");
  Resources::LoadMedia();
  for (int i = 0; i < 17; ++i) EXPECT_FALSE(backgrounds[i] || tileSets[i]) << "style " << i << " read early";
  for (int i = 0; i < 17; ++i) {
    Resources::SelectBackground(i);
    EXPECT_EQ(static_cast<bool>(currentBackground), i == 3 || i == 9 || i == 10) << i;
    EXPECT_EQ(static_cast<bool>(currentTileSet), i == 5) << i;
    EXPECT_EQ(currentBackground, backgrounds[i]);
    if (i < 16) {
      EXPECT_FALSE(backgrounds[i + 1] || tileSets[i + 1]) << "style " << i + 1 << " read early";
    }
    if (i == 3 || i == 9 || i == 10) {
      EXPECT_EQ(currentBackground.Width(), i == 3 ? 800 : i == 9 ? 80 : 32) << i;
    }
    if (i == 5) {
      EXPECT_EQ(currentTileSet.Frames(), 6);
      EXPECT_EQ(currentTileSet.Width(), 32);
    }
  }
  // Selected again, a style is not read again.
  const platform::TImage third = backgrounds[3];
  Resources::SelectBackground(3);
  EXPECT_EQ(currentBackground, third);
}

TEST_F(ResourcesTest, OnlyTheFirstBackgroundScrollsAndStylesFromTwoOnHaveTileBorders) {
  for (int i = 0; i < 17; ++i) {
    Resources::SelectBackground(i);
    EXPECT_EQ(backgroundIndex, i);
    EXPECT_EQ(backgroundScrolls, i == 0 ? 1 : 0) << i;
    EXPECT_EQ(tileBordersOn, i >= 2 ? 1 : 0) << i;
  }
}

// While the window is away the music and the ball sound are stopped; both
// start again, on fresh channels, when it returns. Outside a level the ball
// sound is left alone.
TEST_F(ResourcesTest, WaitingInTheBackgroundStopsTheMusicAndTheBallSoundAndStartsThemAgain) {
  const auto soundManager = std::make_shared<SoundManager>();
  soundManager->SetEffectsVolume(1.0f);
  soundManager->SetMusicVolume(1.0f);
  soundManager->StartBallSound();
  FakeClock clock;
  for (const int inLevel : {1, 0}) {
    const platform::TChannel music = soundManager->musicChannel, ball = soundManager->ballChannel;
    ASSERT_TRUE(music && ball);
    int waits = 0;
    clock.onSleep = [&] {
      EXPECT_FALSE(soundManager->musicChannel);
      EXPECT_EQ(static_cast<bool>(soundManager->ballChannel), inLevel == 0);
      if (++waits == 3) platform::InputSuspended(false);
    };
    platform::InputSuspended(true);
    Resources::WaitWhileInBackground(inLevel, soundManager.get());
    EXPECT_EQ(waits, 3);
    EXPECT_TRUE(soundManager->musicChannel && soundManager->musicChannel != music);
    EXPECT_TRUE(soundManager->ballChannel);
    EXPECT_EQ(soundManager->ballChannel == ball, inLevel == 0);
  }
  clock.onSleep = nullptr;
  Resources::WaitWhileInBackground(1, soundManager.get());  // in front: returns at once
  EXPECT_EQ(clock.slept, 3 * 2 * 5);
}

}  // namespace
