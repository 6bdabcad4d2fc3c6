// A save, options, settings, identifier or records file that is there but cannot be read (its
// permission lost, a folder in its place) is never replaced: the game plays on
// with defaults, says which file, and leaves the player's data where it is.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/stream_temp_folder.h"
#include "services/game_log.h"
#include "services/level_records.h"
#include "services/options_file.h"
#include "services/progress.h"
#include "services/settings_file.h"
#include "support/unprivileged_run.h"

using Bytes = std::vector<uint8_t>;

namespace {

class UnreadableFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::permissions(folder.Path(), std::filesystem::perms::all); }

  // Plays the file's load and save in a child that cannot read it; returns what it said.
  std::string LoadAndSaveWithout(const std::string& name, const Bytes& bytes, const std::function<void()>& play) {
    folder.Write(name, bytes);
    chmod((folder.Path() / name).c_str(), S_IWUSR);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(RunUnprivileged(play));
    chmod((folder.Path() / name).c_str(), S_IRUSR | S_IWUSR);
    EXPECT_EQ(folder.Bytes(name), bytes) << name;
    return testing::internal::GetCapturedStderr();
  }

  TempFolder folder;
};

}  // namespace

TEST_F(UnreadableFilesTest, NoneIsSavedOverAndEachIsNamed) {
  Bytes save(510, 0);
  for (int level = 0; level < 7; ++level) save[level] = Progress::Solved;
  save[500] = save[503] = 1;
  const std::string saveSaid = LoadAndSaveWithout("save0.dat", save, [] {
    auto loaded = Progress::Create(0);
    loaded->MarkLevelFinished(loaded->currentLevel, 1);
  });
  EXPECT_NE(saveSaid.find("could not read save0.dat"), std::string::npos) << saveSaid;

  const Bytes options{0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0xC0, 0x3F, 0x01, 0x00, 0x00, 0x00};
  const std::string optionsSaid = LoadAndSaveWithout("options.dat", options, [] {
    OptionsFile::LoadOptions();
    OptionsFile::SaveOptions(savedEffectsVolume, savedMusicVolume, savedFullscreen);
  });
  EXPECT_NE(optionsSaid.find("could not read options.dat"), std::string::npos) << optionsSaid;

  const Bytes settings{'r', 'e', 'd', 'u', 'c', 'e', '-', 'f', 'l', 'a', 's', 'h', 'i', 'n', 'g', ' ', '1', '\n'};
  const std::string settingsSaid = LoadAndSaveWithout("settings.dat", settings, [] {
    SettingsFile::Save(SettingsFile::Load());
  });
  EXPECT_NE(settingsSaid.find("could not read settings.dat"), std::string::npos) << settingsSaid;

  const Bytes identifier{0x78, 0x56, 0x34, 0x12, 0x05, 0x00};
  const std::string identifierSaid = LoadAndSaveWithout("uniqueID.idn", identifier, [] { GameLog::Create(); });
  EXPECT_NE(identifierSaid.find("could not read uniqueID.idn"), std::string::npos) << identifierSaid;

  const Bytes records{12, 0, 1, 1};
  const std::string recordsSaid = LoadAndSaveWithout("records.dat", records, [] {
    LevelRecords loaded;
    loaded.Load();
    loaded.NoteSolved(0, 3, 3, 0);
  });
  EXPECT_NE(recordsSaid.find("could not read records.dat"), std::string::npos) << recordsSaid;
}

// A folder where the file should be is as unreadable; the game still starts.
TEST_F(UnreadableFilesTest, AFolderInPlaceOfTheSaveGivesAFreshProfileInMemory) {
  std::filesystem::create_directories(folder.Path() / "save0.dat" / "kept");
  testing::internal::CaptureStderr();
  auto loaded = Progress::Create(0);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("could not read save0.dat"), std::string::npos);
  EXPECT_EQ(loaded->currentLevel, 0);
  EXPECT_EQ(loaded->LevelState(0), Progress::Open);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "save0.dat" / "kept"));
}
