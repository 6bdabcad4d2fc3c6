// The rules across the level set and the deep levels' own rules, on made-up
// reviews: a set that climbs as it should passes, and each bound it can miss
// is named.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "puzzle/level_rules.h"

namespace {

// Least moves and guessed moves both climbing from group to group, the last
// three groups long and the last level the hardest.
std::vector<LevelReview> ClimbingSet() {
  std::vector<LevelReview> reviews(levels::Last + 1);
  for (int n = 0; n <= levels::Last; ++n) {
    const int group = n / levels::GroupSize;
    reviews[n].number = n;
    reviews[n].solution.leastMoves = group < 14 ? 2 + group : 18 + 2 * (group - 14);
    reviews[n].solution.guessingMoves = 100.0 * (group + 1) * (group + 1);
  }
  reviews[levels::Last].solution.leastMoves = schedule::HardestMoves;
  return reviews;
}

bool Names(const std::vector<std::string>& problems, const std::string& part) {
  return std::any_of(problems.begin(), problems.end(),
                     [&](const std::string& problem) { return problem.find(part) != std::string::npos; });
}

TEST(LevelRulesTest, TheSetMustClimbToAHardEndBothInMovesAndInGuesses) {
  std::vector<LevelReview> reviews = ClimbingSet();
  EXPECT_EQ(LevelSetProblems(reviews), std::vector<std::string>{});

  // Guessing may fall before group 8, not after it.
  reviews = ClimbingSet();
  for (int n = 25; n < 30; ++n) reviews[n].solution.guessingMoves = 1;
  EXPECT_EQ(LevelSetProblems(reviews), std::vector<std::string>{});
  for (int n = 50; n < 55; ++n) reviews[n].solution.guessingMoves = 1;
  EXPECT_TRUE(Names(LevelSetProblems(reviews), "group 10 needs 1.00 guessed moves, no more than group 9's"));

  // The last group no more than three times as hard to guess as group 8.
  reviews = ClimbingSet();
  for (int n = 40; n < 45; ++n) reviews[n].solution.guessingMoves = 1e6;
  for (int n = 45; n < 80; ++n) reviews[n].solution.guessingMoves = 1e6 + n;
  reviews[80].solution.guessingMoves = 2.9e6;
  EXPECT_TRUE(Names(LevelSetProblems(reviews), "group 16 needs 2900000.00 guessed moves, less than 3.00 times"));

  // Short last groups and a hardest level under the bound.
  reviews = ClimbingSet();
  for (int n = 70; n < 75; ++n) reviews[n].solution.leastMoves = 17;
  reviews[80].solution.leastMoves = 23;
  const std::vector<std::string> problems = LevelSetProblems(reviews);
  EXPECT_TRUE(Names(problems, "group 14 averages 17.00 moves, fewer than 18.00"));
  EXPECT_TRUE(Names(problems, "the hardest level takes 23 moves, fewer than 24"));
}

TEST(LevelRulesTest, DeepLevelsCombineKindsAndOfferChoicesOnTheWay) {
  LevelReview review;
  review.number = schedule::FirstDeep;
  review.solution.leastMoves = 12;
  review.solution.solutionChoices = 2;
  review.features = feature::Teleports;
  std::vector<std::string> problems = LevelProblems(review);
  EXPECT_TRUE(Names(problems, "only 2 choices on its shortest solution"));
  EXPECT_TRUE(Names(problems, "combines no two kinds"));

  review.solution.solutionChoices = 3;
  review.features = feature::Teleports | feature::SilverGate;
  problems = LevelProblems(review);
  EXPECT_FALSE(Names(problems, "choices on its shortest solution"));
  EXPECT_FALSE(Names(problems, "combines"));

  // The opening levels are held to neither.
  review.number = schedule::FirstDeep - 1;
  review.solution.solutionChoices = 0;
  review.features = 0;
  problems = LevelProblems(review);
  EXPECT_FALSE(Names(problems, "choices on its shortest solution"));
  EXPECT_FALSE(Names(problems, "combines"));
}

}  // namespace
