#include "puzzle/level_rules.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "puzzle/level_chain.h"
#include "puzzle/map.h"
#include "puzzle/teleport_pairs.h"

namespace {

constexpr int MinWallLooks = 3;
constexpr double MinWallsInShapes = 0.8;
constexpr double MinSameLookPairs = 0.8;
constexpr int MinChoicePoints = 2;
constexpr int MinReachedColumns = 16;
constexpr int MinReachedRows = 10;

bool IsWall(int code) { return code >= tile::FirstWall && code <= tile::LastWall; }
bool IsTeleport(int code) { return code >= tile::FirstTeleport && code <= tile::LastTeleport; }

bool IsKnown(int code) {
  return code == tile::Start || code == tile::Exit || code == tile::Floor || IsWall(code) || IsTeleport(code) ||
         (code >= tile::FirstKey && code <= tile::LastLock);
}

int FeatureOf(int code) {
  if (code == tile::FirstKey || code == tile::FirstLock) return feature::GoldLock;
  if (code == tile::LastKey || code == tile::LastLock) return feature::SilverGate;
  return IsTeleport(code) ? feature::Teleports : 0;
}

// The same level with the keys of one colour, or every teleport, turned into
// floor: its locks then never change, or the ball rolls straight on.
mapType Without(const mapType& map, int featureBit) {
  mapType plain = map;
  for (auto& column : plain.tiles) {
    for (int& code : column) {
      const bool key = code == tile::FirstKey || code == tile::LastKey;
      if (FeatureOf(code) == featureBit && (key || featureBit == feature::Teleports)) code = tile::Floor;
    }
  }
  return plain;
}

void ReviewTiles(const mapType& map, LevelReview& review) {
  std::map<int, int> counts;
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      const int code = map.tiles[x][y];
      ++counts[code];
      review.features |= FeatureOf(code);
      if (!IsKnown(code)) ++review.unknownCodes;
    }
  }
  review.starts = counts[tile::Start];
  review.exits = counts[tile::Exit];
  for (int code = tile::FirstWall; code <= tile::LastWall; ++code) review.wallLooks += counts[code] > 0 ? 1 : 0;
  if ((counts[tile::FirstKey] > 0) != (counts[tile::FirstLock] > 0)) review.halfFeatures |= feature::GoldLock;
  if ((counts[tile::LastKey] > 0) != (counts[tile::LastLock] > 0)) review.halfFeatures |= feature::SilverGate;
  for (int code = tile::FirstTeleport; code <= tile::LastTeleport; ++code) {
    const int partners = counts[TeleportPartner(code)];
    if (counts[code] > 1 || (counts[code] == 1 && partners != 1)) review.halfFeatures |= feature::Teleports;
  }
}

bool OnBorder(int x, int y) { return x == 0 || y == 0 || x == board::Width - 1 || y == board::Height - 1; }

// The border is a frame by nature; the shapes inside it tell design from noise.
void ReviewLooks(const mapType& map, LevelReview& review) {
  int walls = 0, touching = 0, pairs = 0, samePairs = 0;
  std::array<bool, 4> walled{}, reached{};
  int left = board::Width, right = -1, top = board::Height, bottom = -1;
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      const int code = map.tiles[x][y];
      const int quadrant = (x < board::Width / 2 ? 0 : 1) + (y < board::Height / 2 ? 0 : 2);
      if (review.solution.visited[x][y]) {
        reached[quadrant] = true;
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
      }
      if (!IsWall(code)) continue;
      walled[quadrant] = true;
      bool besideWall = false;
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nx = x + dx, ny = y + dy;
        if (!board::Contains(nx, ny) || !IsWall(map.tiles[nx][ny])) continue;
        besideWall = true;
        // Each pair once, and only pairs reaching inside the border.
        if ((dx < 0 || dy < 0) || (OnBorder(x, y) && OnBorder(nx, ny))) continue;
        ++pairs;
        samePairs += map.tiles[nx][ny] == code ? 1 : 0;
      }
      if (OnBorder(x, y)) continue;
      ++walls;
      touching += besideWall ? 1 : 0;
    }
  }
  review.quadrantsReached = static_cast<int>(std::count(reached.begin(), reached.end(), true));
  review.reachedColumns = std::max(0, right - left + 1);
  review.reachedRows = std::max(0, bottom - top + 1);
  review.quadrantsWalled = static_cast<int>(std::count(walled.begin(), walled.end(), true));
  review.wallsInShapes = walls > 0 ? static_cast<double>(touching) / walls : 1;
  review.sameLookPairs = pairs > 0 ? static_cast<double>(samePairs) / pairs : 1;
}

void ReviewChain(const mapType& map, const mapType* previous, LevelReview& review) {
  if (!previous) {
    review.shiftAsChained = map.shiftX == 0 && map.shiftY == 0;
    return;
  }
  const ChainLink link = LinkFromExit(previous->exitX, previous->exitY);
  review.shiftAsChained = map.shiftX == link.shiftX && map.shiftY == link.shiftY;
  review.startAsChained = map.startX == previous->exitX - map.shiftX && map.startY == previous->exitY - map.shiftY;
  review.chainMismatches = ChainMismatches(*previous, map);
}

// Two decimals, as the table prints them.
std::string Fixed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

std::string Level(int number) { return "level " + std::to_string(number) + ": "; }

}  // namespace

LevelReview ReviewLevel(const mapType& map, const mapType* previous) {
  LevelReview review;
  review.number = map.number;
  review.solution = SolveLevel(map);
  ReviewTiles(map, review);
  ReviewLooks(map, review);
  ReviewChain(map, previous, review);
  for (const int bit : {feature::GoldLock, feature::Teleports, feature::SilverGate}) {
    if ((review.features & bit) && SolveLevel(Without(map, bit)).leastMoves == review.solution.leastMoves) {
      review.uselessFeatures |= bit;
    }
  }
  return review;
}

std::vector<std::string> LevelProblems(const LevelReview& r) {
  std::vector<std::string> problems;
  const auto add = [&](const std::string& text) { problems.push_back(Level(r.number) + text); };
  const LevelSolution& s = r.solution;
  const int n = r.number;

  if (r.starts != 1) add(std::to_string(r.starts) + " starts");
  if (r.exits != 1) add(std::to_string(r.exits) + " exits");
  if (r.unknownCodes > 0) add(std::to_string(r.unknownCodes) + " cells with codes the game does not use");
  if (r.halfFeatures != 0) add("keys, locks or teleports without their partners: " + FeatureNames(r.halfFeatures));

  const struct {
    int bit, first;
    const char* name;
  } arrivals[] = {{feature::GoldLock, schedule::FirstGoldLock, "the gold key and lock"},
                  {feature::Teleports, schedule::FirstTeleports, "teleports"},
                  {feature::SilverGate, schedule::FirstSilverGate, "the silver key and gateway"}};
  for (const auto& arrival : arrivals) {
    if (n < arrival.first && (r.features & arrival.bit)) add(std::string("has ") + arrival.name + " before their page");
    if (n == arrival.first && !(r.features & arrival.bit)) add(std::string("does not bring in ") + arrival.name);
  }
  if (r.uselessFeatures != 0) add("taking these away changes nothing: " + FeatureNames(r.uselessFeatures));

  if (s.leastMoves < 0) add("cannot be solved from its start");
  if (s.endlessRolls > 0) add(std::to_string(s.endlessRolls) + " moves that never end");
  if (s.wallEntries > 0) add(std::to_string(s.wallEntries) + " moves that teleport the ball into a wall or lock");
  if (n < schedule::FirstFallOff && s.fallOffs > 0) add("the ball can roll off the board");
  if (n == schedule::FirstFallOff && s.fallOffs == 0) add("rolling off the board is no danger yet");

  if (n <= schedule::LastEasy && (s.leastMoves < 1 || s.leastMoves > 3)) add("an opening level should take 1-3 moves");
  if (n >= schedule::FirstLong && s.leastMoves < schedule::LongMoves) {
    add("takes " + std::to_string(s.leastMoves) + " moves, fewer than " + std::to_string(schedule::LongMoves));
  }
  if (n >= schedule::FirstWithDeadEnds && s.deadEnds == 0) add("has no dead ends");
  if (n >= schedule::FirstWithDeadEnds && s.choicePoints < MinChoicePoints) add("offers no real choices");
  if (n >= schedule::FirstDeep && s.leastMoves >= 0 && s.solutionChoices < schedule::SolutionChoices) {
    add("only " + std::to_string(s.solutionChoices) + " choices on its shortest solution");
  }
  if (n >= schedule::FirstDeep && __builtin_popcount(static_cast<unsigned>(r.features)) < 2) {
    add("combines no two kinds of keys, locks and teleports");
  }
  if (n > schedule::LastEasy && r.LiveStates() <= s.leastMoves + 1) add("is one forced path");

  if (r.quadrantsReached < 4) add("the ball reaches only " + std::to_string(r.quadrantsReached) + " quarters of the board");
  if (r.reachedColumns < MinReachedColumns || r.reachedRows < MinReachedRows) {
    add("the ball gets into only " + std::to_string(r.reachedColumns) + " x " + std::to_string(r.reachedRows) +
        " cells of the board");
  }
  if (r.quadrantsWalled < 4) add("walls in only " + std::to_string(r.quadrantsWalled) + " quarters of the board");
  if (r.wallLooks < MinWallLooks) add("only " + std::to_string(r.wallLooks) + " wall looks");
  if (r.wallsInShapes < MinWallsInShapes) add("walls scattered like noise");
  if (r.sameLookPairs < MinSameLookPairs) add("wall looks mixed like noise");

  if (!r.shiftAsChained) add("its shift does not follow the previous exit");
  if (!r.startAsChained) add("its start is not where the previous exit was");
  if (r.chainMismatches > 0) add(std::to_string(r.chainMismatches) + " cells jump when the board scrolls in");
  return problems;
}

template <typename Measure>
double GroupMean(const std::vector<LevelReview>& reviews, int group, Measure measure) {
  double total = 0;
  int count = 0;
  for (const LevelReview& r : reviews) {
    if (r.number / levels::GroupSize != group) continue;
    total += measure(r.solution);
    ++count;
  }
  return count > 0 ? total / count : 0;
}

double GroupAverage(const std::vector<LevelReview>& reviews, int group) {
  return GroupMean(reviews, group, [](const LevelSolution& s) { return static_cast<double>(s.leastMoves); });
}

double GroupGuessing(const std::vector<LevelReview>& reviews, int group) {
  return GroupMean(reviews, group, [](const LevelSolution& s) { return s.guessingMoves; });
}

std::vector<std::string> LevelSetProblems(const std::vector<LevelReview>& reviews) {
  std::vector<std::string> problems;
  const auto add = [&](int group, const std::string& text) {
    problems.push_back("group " + std::to_string(group) + " " + text);
  };
  const int lastGroup = levels::Last / levels::GroupSize;
  for (int group = 1; group <= lastGroup; ++group) {
    const double before = GroupAverage(reviews, group - 1);
    const double now = GroupAverage(reviews, group);
    if (now <= before) {
      add(group, "averages " + Fixed(now) + " moves, no more than group " + std::to_string(group - 1) + "'s " +
                     Fixed(before));
    }
    if (group > schedule::FirstGuessedGroup && GroupGuessing(reviews, group) <= GroupGuessing(reviews, group - 1)) {
      add(group, "needs " + Fixed(GroupGuessing(reviews, group)) + " guessed moves, no more than group " +
                     std::to_string(group - 1) + "'s " + Fixed(GroupGuessing(reviews, group - 1)));
    }
    if (group >= schedule::FirstLong / levels::GroupSize && now < schedule::LongGroupMoves) {
      add(group, "averages " + Fixed(now) + " moves, fewer than " + Fixed(schedule::LongGroupMoves));
    }
  }
  const double firstGuessed = GroupGuessing(reviews, schedule::FirstGuessedGroup);
  const double lastGuessed = GroupGuessing(reviews, lastGroup);
  if (lastGuessed < schedule::LastGuessingFactor * firstGuessed) {
    add(lastGroup, "needs " + Fixed(lastGuessed) + " guessed moves, less than " +
                       Fixed(schedule::LastGuessingFactor) + " times group " +
                       std::to_string(schedule::FirstGuessedGroup) + "'s " + Fixed(firstGuessed));
  }
  int hardest = 0;
  for (const LevelReview& r : reviews) hardest = std::max(hardest, r.solution.leastMoves);
  if (hardest < schedule::HardestMoves) {
    problems.push_back("the hardest level takes " + std::to_string(hardest) + " moves, fewer than " +
                       std::to_string(schedule::HardestMoves));
  }
  return problems;
}

std::string FeatureNames(int features) {
  std::string names;
  for (const auto& [bit, name] : {std::pair{feature::GoldLock, "gold"}, {feature::Teleports, "teleports"},
                                  {feature::SilverGate, "silver"}}) {
    if (!(features & bit)) continue;
    if (!names.empty()) names += ' ';
    names += name;
  }
  return names.empty() ? "-" : names;
}
