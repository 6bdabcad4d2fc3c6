// The settings file: what a line says, what is passed over, and a save that
// reads back the same.

#include <gtest/gtest.h>

#include "platform/stream_temp_folder.h"
#include "services/settings_file.h"

namespace {

PlayerSettings With(bool reduceFlashing, int width, int height) {
  PlayerSettings settings;
  settings.reduceFlashing = reduceFlashing;
  settings.windowWidth = width;
  settings.windowHeight = height;
  return settings;
}

}  // namespace

TEST(SettingsFile, EachLineIsReadOrPassedOverAlone) {
  struct Case {
    const char* text;
    PlayerSettings read;
  } cases[] = {
      {"", {}},
      {"reduce-flashing 1\nwindow 1600 1200\n", With(true, 1600, 1200)},
      {"window 2400 1800\r\nreduce-flashing 1\r\n", With(true, 2400, 1800)},  // any order, Windows line ends
      {"reduce-flashing 1\nreduce-flashing 0", With(false, 0, 0)},           // the last one holds
      {"bindings up 38 40\nreduce-flashing 1\n", With(true, 0, 0)},           // a later version's line
      {"reduce-flashing 2\nwindow 800 600\n", With(false, 800, 600)},         // out of range
      {"reduce-flashing 1 0\nwindow -800 600\n", {}},                         // too many values, negative
      {"window 800\nwindow 99999 600\nwindow 800 x\n", {}},                   // too few, too large, no number
      {"window 0 0\n", {}},                                                   // no size kept yet
      {"  reduce-flashing\t1  \n\n", With(true, 0, 0)},
      {"reduce-flashing 99999999999999999999\n", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SettingsFile::FromText(c.text), c.read) << c.text;
}

TEST(SettingsFile, SavedSettingsReadBackTheSame) {
  TempFolder folder;
  EXPECT_EQ(SettingsFile::Load(), PlayerSettings{}) << "no file";
  for (const PlayerSettings& settings : {With(true, 1600, 1200), With(false, 0, 0), With(true, 0, 0)}) {
    SettingsFile::Save(settings);
    EXPECT_EQ(SettingsFile::Load(), settings) << SettingsFile::Text(settings);
  }
  // A line longer than any the game writes is cut, not read forever.
  folder.Write("settings.dat", std::vector<uint8_t>(100000, 'x'));
  EXPECT_EQ(SettingsFile::Load(), PlayerSettings{});
}
