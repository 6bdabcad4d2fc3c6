#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "platform/host/diagnostics.h"
#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"
#include "services/options_file.h"

using Bytes = std::vector<uint8_t>;

namespace {

class OptionsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedEffectsVolume = 0;
    savedMusicVolume = 0;
    savedFullscreen = 0;
    platform::SetDebugLogHook([this](const std::string& line) { log.push_back(line); });
  }
  void TearDown() override {
    platform::SetDebugLogHook({});
    platform::SetRenameHook({});
  }

  TempFolder folder;
  std::vector<std::string> log;
};

}  // namespace

TEST_F(OptionsFileTest, NoFileGivesTheDefaults) {
  OptionsFile::LoadOptions();
  EXPECT_EQ(savedEffectsVolume, 1.0f);
  EXPECT_EQ(savedMusicVolume, 0.0f);
  EXPECT_EQ(savedFullscreen, 0);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "options.dat"));
}

TEST_F(OptionsFileTest, EmptyFileIsNotTheDefaults) {
  folder.Write("options.dat", {});
  OptionsFile::LoadOptions();
  EXPECT_EQ(savedEffectsVolume, 0.0f);
  EXPECT_EQ(savedMusicVolume, 0.0f);
  EXPECT_EQ(savedFullscreen, 0);
  EXPECT_EQ(log, std::vector<std::string>{"fileVolume 0.00000000"});
}

TEST_F(OptionsFileTest, ShortAndFullFiles) {
  folder.Write("options.dat", {0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0xC0, 0x3F});
  OptionsFile::LoadOptions();
  EXPECT_EQ(savedEffectsVolume, 0.5f);
  EXPECT_EQ(savedMusicVolume, 1.5f);
  EXPECT_EQ(savedFullscreen, 0);
  EXPECT_EQ(log, std::vector<std::string>{"fileVolume 0.500000000"});

  // Bytes after the twelfth are ignored.
  folder.Write("options.dat", {0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x40, 0x01, 0x00, 0x00, 0x00, 0x09});
  OptionsFile::LoadOptions();
  EXPECT_EQ(savedEffectsVolume, 1.0f);
  EXPECT_EQ(savedMusicVolume, 2.0f);
  EXPECT_EQ(savedFullscreen, 1);
  EXPECT_EQ(log.back(), "fileVolume 1.00000000");
}

TEST_F(OptionsFileTest, SavingWritesTwelveBytes) {
  OptionsFile::SaveOptions(0.5f, 1.5f, 1);
  EXPECT_EQ(folder.Bytes("options.dat"),
            (Bytes{0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0xC0, 0x3F, 0x01, 0x00, 0x00, 0x00}));
  EXPECT_EQ(log, std::vector<std::string>{"saving volume as 0.500000000"});

  OptionsFile::LoadOptions();
  EXPECT_EQ(savedEffectsVolume, 0.5f);
  EXPECT_EQ(savedMusicVolume, 1.5f);
  EXPECT_EQ(savedFullscreen, 1);
}

TEST_F(OptionsFileTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
  OptionsFile::SaveOptions(1.0f, 0.0f, 0);
  const Bytes before = folder.Bytes("options.dat");
  platform::SetRenameHook([](const std::string&, const std::string&) { return false; });
  log.clear();
  OptionsFile::SaveOptions(0.25f, 2.0f, 1);
  EXPECT_EQ(folder.Bytes("options.dat"), before);
  EXPECT_EQ(log.back(), "Could not save options");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"options.dat"});
}

TEST_F(OptionsFileTest, AnUnwritableFileIsReported) {
  std::filesystem::create_directory(folder.Path() / "options.dat");
  OptionsFile::SaveOptions(1.0f, 1.0f, 0);
  EXPECT_EQ(log.back(), "Could not save options");
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "options.dat"));
}

namespace {

Bytes OptionsBytes(float effects, float music, int32_t fullscreen) {
  Bytes bytes(12);
  std::memcpy(bytes.data(), &effects, 4);
  std::memcpy(bytes.data() + 4, &music, 4);
  std::memcpy(bytes.data() + 8, &fullscreen, 4);
  return bytes;
}

}  // namespace

// A damaged or hand-edited file never reaches the sliders and the mixer with a
// volume they cannot show: no number means the default, out of range the nearer end.
TEST_F(OptionsFileTest, VolumesAndDisplayModeAreReadAsUsableValues) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    float effects, music;
    int32_t fullscreen;
    float wantEffects, wantMusic;
    int wantFullscreen;
  };
  const Case cases[] = {
      {nan, inf, 7, 1.0f, 0.0f, 0},        {1e30f, -1e30f, -1, 2.0f, 0.0f, 0},
      {-inf, 2.5f, 1, 1.0f, 2.0f, 1},      {-0.5f, nan, 2, 0.0f, 0.0f, 0},
      {0.75f, 1.25f, 1, 0.75f, 1.25f, 1},
  };
  for (const Case& c : cases) {
    folder.Write("options.dat", OptionsBytes(c.effects, c.music, c.fullscreen));
    OptionsFile::LoadOptions();
    EXPECT_EQ(savedEffectsVolume, c.wantEffects) << c.effects;
    EXPECT_EQ(savedMusicVolume, c.wantMusic) << c.music;
    EXPECT_EQ(savedFullscreen, c.wantFullscreen) << c.fullscreen;
  }
}
