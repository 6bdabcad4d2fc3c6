#include <gtest/gtest.h>

#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"
#include "services/progress.h"

using Bytes = std::vector<uint8_t>;

namespace {

class ProgressTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::SetRenameHook({}); }

  // A save file whose first levels hold the given states, the rest zero.
  void WriteSave(const Bytes& firstLevels, const Bytes& tutorials = {}) {
    Bytes bytes(510, 0);
    std::copy(firstLevels.begin(), firstLevels.end(), bytes.begin());
    std::copy(tutorials.begin(), tutorials.end(), bytes.begin() + 500);
    folder.Write("save0.dat", bytes);
  }

  TempFolder folder;
};

}  // namespace

TEST_F(ProgressTest, AFreshProfileIsWrittenAtOnce) {
  auto fresh = Progress::Create(0);
  Bytes expected(510, 0);
  expected[0] = 3;
  EXPECT_EQ(folder.Bytes("save0.dat"), expected);
  EXPECT_EQ(fresh->currentLevel, 0);
  EXPECT_EQ(fresh->LevelState(-1), Progress::Open);
  EXPECT_EQ(fresh->groupStates[0], Progress::GroupFrontier);
  EXPECT_EQ(fresh->groupStates[1], Progress::GroupAhead);
  EXPECT_EQ(fresh->frontierGroup, 0);

  EXPECT_EQ(Progress::Create(3)->FileName(), "save3.dat");
  EXPECT_EQ(folder.Bytes("save3.dat").size(), 510u);
}

TEST_F(ProgressTest, LoadingOpensTheFirstUnfinishedLevel) {
  WriteSave({1, 1, 1, 1, 1, 1, 1, 0, 1, 3, 2}, {1, 0, 1});
  auto loaded = Progress::Create(0);
  EXPECT_EQ(loaded->currentLevel, 7);
  EXPECT_EQ(loaded->currentGroup, 1);
  EXPECT_EQ(loaded->levelStates[7], Progress::Open);
  EXPECT_EQ(loaded->levelStates[8], Progress::Solved);  // later entries load unchanged
  EXPECT_EQ(loaded->levelStates[9], Progress::Open);
  EXPECT_EQ(loaded->levelStates[10], Progress::Skipped);
  EXPECT_EQ(loaded->groupStates[0], Progress::GroupSolved);
  EXPECT_EQ(loaded->groupStates[1], Progress::GroupFrontier);
  EXPECT_EQ(loaded->groupStates[2], Progress::GroupAhead);
  EXPECT_EQ(loaded->tutorialSeen[0], 1);
  EXPECT_EQ(loaded->tutorialSeen[1], 0);
  EXPECT_EQ(loaded->tutorialSeen[2], 1);
  EXPECT_EQ(loaded->PositionInGroup(-1), 2);
  EXPECT_EQ(loaded->GroupLevelState(3), Progress::Solved);
}

TEST_F(ProgressTest, ShortAndOddFilesLoadSafely) {
  folder.Write("save0.dat", {1, 2, 9, 7});
  auto loaded = Progress::Create(0);
  EXPECT_EQ(loaded->currentLevel, 2);
  EXPECT_EQ(loaded->levelStates[2], Progress::Open);
  EXPECT_EQ(loaded->levelStates[3], Progress::Locked);  // no such state: locked
  EXPECT_EQ(loaded->tutorialSeen, (std::array<int, 10>{}));

  // A file ending before the first unfinished level still opens it.
  folder.Write("save0.dat", {1, 1, 1});
  loaded = Progress::Create(0);
  EXPECT_EQ(loaded->currentLevel, 3);
  EXPECT_EQ(loaded->levelStates[3], Progress::Open);
  folder.Write("save0.dat", {});
  EXPECT_EQ(Progress::Create(0)->LevelState(0), Progress::Open);

  // Every stored level finished: the player stands at the journey's end.
  folder.Write("save0.dat", Bytes(500, 1));
  loaded = Progress::Create(0);
  EXPECT_EQ(loaded->currentLevel, 80);
  EXPECT_EQ(loaded->groupStates[99], Progress::GroupSolved);
}

// A save from elsewhere may claim levels the game does not have; play stays on
// the levels there are rather than on an empty board numbered 100.
TEST_F(ProgressTest, ASaveBeyondTheLastLevelKeepsPlayOnTheLevelsThereAre) {
  WriteSave(Bytes(100, Progress::Solved));
  auto loaded = Progress::Create(0);
  EXPECT_EQ(loaded->currentLevel, 80);
  EXPECT_EQ(loaded->currentGroup, 16);
  EXPECT_EQ(loaded->levelStates[100], Progress::Open);  // the stored states stay as they were

  Bytes skippedToTheEnd(81, Progress::Solved);
  skippedToTheEnd[80] = Progress::Skipped;
  WriteSave(skippedToTheEnd);
  EXPECT_EQ(Progress::Create(0)->currentLevel, 80);
}

TEST_F(ProgressTest, GroupScoresFromSolvedAndSkippedLevels) {
  WriteSave({1, 1, 1, 1});
  auto solved = Progress::Create(0);
  solved->MarkLevelFinished(4, 1);
  EXPECT_EQ(solved->groupStates[0], Progress::GroupSolved);
  EXPECT_EQ(solved->groupStates[1], Progress::GroupFrontier);
  EXPECT_EQ(solved->frontierGroup, 1);
  EXPECT_EQ(solved->currentLevel, 5);
  EXPECT_EQ(solved->currentGroup, 1);
  EXPECT_EQ(folder.Bytes("save0.dat")[4], 1);
  EXPECT_EQ(folder.Bytes("save0.dat")[5], 3);

  WriteSave({1, 1, 2, 1});
  auto skipped = Progress::Create(0);
  skipped->MarkLevelFinished(4, 1);
  EXPECT_EQ(skipped->groupStates[0], Progress::GroupPassed);
  EXPECT_EQ(skipped->IsNotSkipped(2), 0);
  EXPECT_EQ(skipped->IsNotSkipped(3), 1);
}

TEST_F(ProgressTest, SelectingALevel) {
  auto progress = Progress::Create(0);
  std::filesystem::remove(folder.Path() / "save0.dat");
  progress->SelectLevel(0);
  EXPECT_EQ(progress->currentLevel, 0);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "save0.dat"));

  progress->SelectLevel(12);
  EXPECT_EQ(progress->currentLevel, 12);
  EXPECT_EQ(progress->LevelState(12), Progress::Open);
  EXPECT_EQ(progress->currentGroup, 2);
  EXPECT_EQ(folder.Bytes("save0.dat")[12], 3);
}

TEST_F(ProgressTest, TutorialPagesAreMarkedOnceAndSavedLater) {
  auto progress = Progress::Create(0);
  EXPECT_EQ(progress->MarkTutorialSeen(3), 1);
  EXPECT_EQ(progress->MarkTutorialSeen(3), 0);
  EXPECT_EQ(progress->MarkTutorialSeen(-1), 0);
  EXPECT_EQ(progress->MarkTutorialSeen(10), 0);
  EXPECT_EQ(folder.Bytes("save0.dat")[503], 0);
  progress->SaveProgress();
  EXPECT_EQ(folder.Bytes("save0.dat")[503], 1);

  EXPECT_EQ(Progress::tutorialForLevel[0], 0);
  EXPECT_EQ(Progress::tutorialForLevel[4], 5);
  EXPECT_EQ(Progress::tutorialForLevel[80], 6);
  EXPECT_EQ(Progress::tutorialForLevel[5], -1);
}

TEST_F(ProgressTest, LevelsOutsideTheTablesChangeNothing) {
  auto progress = Progress::Create(0);
  progress->SelectLevel(499);
  const auto states = progress->levelStates;
  progress->AdvanceFrom(499);
  progress->MarkLevelFinished(500, 1);
  progress->MarkLevelFinished(-3, 1);
  progress->SelectLevel(500);
  EXPECT_EQ(progress->levelStates, states);
  EXPECT_EQ(progress->currentLevel, 499);
  EXPECT_EQ(progress->LevelState(500), Progress::Locked);
  EXPECT_EQ(progress->LevelState(-2), Progress::Locked);
  EXPECT_EQ(progress->IsNotSkipped(1000), 1);
  EXPECT_EQ(progress->GroupLevelState(5), Progress::Locked);
}

TEST_F(ProgressTest, ResetGivesAFreshProfile) {
  WriteSave({1, 1, 1, 1, 1, 1, 2}, {1, 1});
  auto progress = Progress::Create(0);
  progress->ResetProgress();
  Bytes expected(510, 0);
  expected[0] = 3;
  EXPECT_EQ(folder.Bytes("save0.dat"), expected);
  EXPECT_EQ(progress->currentLevel, 0);
  EXPECT_EQ(progress->groupStates[0], Progress::GroupFrontier);
  EXPECT_EQ(progress->groupStates[1], Progress::GroupAhead);
}

TEST_F(ProgressTest, ACrashWhileSavingLeavesThePreviousSaveReadable) {
  auto progress = Progress::Create(0);
  progress->MarkLevelFinished(0, 1);
  const Bytes before = folder.Bytes("save0.dat");
  platform::SetRenameHook([](const std::string&, const std::string&) { return false; });
  progress->MarkLevelFinished(1, 1);
  EXPECT_EQ(progress->currentLevel, 2);  // play goes on in memory
  EXPECT_EQ(folder.Bytes("save0.dat"), before);

  platform::SetRenameHook({});
  auto reloaded = Progress::Create(0);
  EXPECT_EQ(reloaded->currentLevel, 1);
}
