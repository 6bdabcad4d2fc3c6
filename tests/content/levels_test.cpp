// The shipped levels, as the build lays them out beside the game: every file
// laid out as the game writes it and the same as the committed one, and every
// level proved by the solver against the rules of the level set, with a table
// of what each level holds.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "puzzle/level_file.h"
#include "puzzle/level_rules.h"
#include "puzzle/map.h"
#include "support/game_paths.h"

namespace {

namespace fs = std::filesystem;

constexpr int LevelCount = levels::Last + 1;

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int32_t IntAt(const std::vector<uint8_t>& bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | bytes[offset + i];
  return static_cast<int32_t>(value);
}

fs::path LevelPath(const fs::path& folder, int number) {
  return folder / "levels" / (std::to_string(number) + ".lvl");
}

std::string Moves(const std::vector<int>& moves) {
  std::string text;
  for (const int move : moves) text += " URDL"[move];
  return text;
}

TEST(ShippedLevelsTest, EveryFileIsLaidOutAsTheGameWritesIt) {
  const fs::path game = GameDir();
  int files = 0;
  for (const auto& entry : fs::directory_iterator(game / "levels")) files += entry.path().extension() == ".lvl";
  EXPECT_EQ(files, LevelCount);

  for (int n = 0; n < LevelCount; ++n) {
    const std::vector<uint8_t> bytes = ReadBytes(LevelPath(game, n));
    ASSERT_EQ(bytes.size(), static_cast<size_t>(levelfile::Size)) << "level " << n;
    EXPECT_EQ(IntAt(bytes, 0), levelfile::CurrentVersion) << "level " << n;
    EXPECT_EQ(IntAt(bytes, 4), n / levels::GroupSize) << "level " << n;
    EXPECT_EQ(IntAt(bytes, 8), -1) << "level " << n;
    EXPECT_EQ(ReadBytes(LevelPath(SourceDir(), n)), bytes) << "level " << n << " differs from the committed file";
  }
}

TEST(ShippedLevelsTest, EveryLevelKeepsTheRulesOfTheSet) {
  fs::current_path(GameDir());
  std::vector<mapType> maps;
  std::vector<LevelReview> reviews;
  std::vector<std::string> problems;
  std::printf("level style moves states dead choices onpath falls      guessed  features                  solution\n");
  for (int n = 0; n < LevelCount; ++n) {
    maps.push_back(*mapType::Create(n));
    reviews.push_back(ReviewLevel(maps.back(), n > 0 ? &maps[n - 1] : nullptr));
    const LevelReview& r = reviews.back();
    const LevelSolution& s = r.solution;
    std::printf("%5d %5d %5d %6d %4d %7d %6d %5d %12.0f  %-25s %s\n", n, maps.back().artStyle, s.leastMoves,
                s.restingStates, s.deadEnds, s.choicePoints, s.solutionChoices, s.fallOffs, s.guessingMoves,
                FeatureNames(r.features).c_str(), Moves(s.moves).c_str());
    for (const std::string& problem : LevelProblems(r)) problems.push_back(problem);
  }
  for (int group = 0; group <= levels::Last / levels::GroupSize; ++group) {
    std::printf("group %2d averages %5.2f moves, %12.0f guessed\n", group, GroupAverage(reviews, group),
                GroupGuessing(reviews, group));
  }
  for (const std::string& problem : LevelSetProblems(reviews)) problems.push_back(problem);
  for (const std::string& problem : problems) ADD_FAILURE() << problem;
}

}  // namespace
