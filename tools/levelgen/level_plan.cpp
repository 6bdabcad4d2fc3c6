#include "level_plan.h"

#include <algorithm>

#include "puzzle/board.h"
#include "puzzle/level_rules.h"
#include "random_source.h"

namespace {

// 1, 2 and 3 moves for the opening levels, then a steady climb, steeper in
// the deep levels and steepest in the last three groups.
int BaseMoves(int number) {
  constexpr int Opening[] = {1, 2, 3, 3, 4};
  constexpr int Deep[] = {11, 12, 13, 14, 15, 16, 18, 20, 24};  // groups 8 to 16
  if (number < 5) return Opening[number];
  if (number >= schedule::FirstDeep) return Deep[(number - schedule::FirstDeep) / levels::GroupSize];
  return 4 + (number - 5) * 11 / 75;
}

int FeaturesFor(int number, RandomSource& random) {
  using namespace feature;
  if (number < schedule::FirstGoldLock) return 0;
  if (number < schedule::FirstTeleports) return GoldLock;
  if (number == schedule::FirstTeleports) return Teleports;
  if (number < schedule::FirstSilverGate) {
    constexpr int Mixes[] = {GoldLock, Teleports, GoldLock | Teleports};
    return Mixes[random.Below(3)];
  }
  if (number == schedule::FirstSilverGate) return SilverGate;
  // Later levels mix one or two kinds; the deep ones two, or all three.
  constexpr int Mixes[] = {GoldLock,  Teleports,  SilverGate,
                           GoldLock | Teleports, GoldLock | SilverGate, Teleports | SilverGate,
                           GoldLock | Teleports | SilverGate};
  if (number >= schedule::FirstDeep) return Mixes[3 + random.Below(4)];
  return Mixes[random.Below(6)];
}

int ExitEdgeFor(int startEdge, RandomSource& random) {
  if (startEdge == 0) return direction::Right;
  const int opposite = (startEdge + 1) % 4 + 1;
  if (random.Percent(50)) return opposite;
  const int side = startEdge % 4 + 1;  // one of the two edges beside the start's
  return random.Percent(50) ? side : (side + 1) % 4 + 1;
}

// About a 5 x 4 field; levels 79 and 80 left 49 and 42 bare cells without it.
constexpr int TopLevelsEmptyArea = 20;

}  // namespace

LevelPlan PlanLevel(int number, int startEdge, const LevelFloor& floor, RandomSource& random) {
  const bool deep = number >= schedule::FirstDeep;
  LevelPlan plan;
  plan.number = number;
  plan.targetMoves = std::max(BaseMoves(number), floor.moves);
  plan.slack = number == schedule::LastEasy ? 0 : 1;
  if (deep) {
    plan.leastGuessing = floor.guessing;
    plan.solutionChoices = schedule::SolutionChoices;
  }
  plan.features = FeaturesFor(number, random);
  plan.closedFrame = number < schedule::FirstFallOff;
  plan.needsFallOff = number == schedule::FirstFallOff;
  plan.wantsDeadEnds = number >= 5;
  constexpr Symmetry Symmetries[] = {Symmetry::None, Symmetry::None, Symmetry::LeftRight, Symmetry::LeftRight,
                                     Symmetry::TopBottom, Symmetry::Turned};
  plan.symmetry = Symmetries[random.Below(6)];
  plan.startEdge = startEdge;
  plan.exitEdge = ExitEdgeFor(startEdge, random);

  std::array<int, 5> others = {11, 12, 13, 14, 15};
  for (int i = 0; i < 3; ++i) {
    std::swap(others[i], others[i + random.Below(5 - i)]);
    plan.looks[i] = others[i];
  }
  // Opening levels are sparse; later ones may be busier.
  plan.fewestShapes = number < 5 ? 3 : 5;
  plan.mostShapes = number < 5 ? 8 : number < 20 ? 12 : deep ? 20 : 16;
  // The last levels, the top of the journey, use their whole board: a bare
  // field there reads as unfinished. Earlier levels keep the layouts their
  // seeds give without this aim.
  if (number >= levels::Last - 1) plan.largestEmptyArea = TopLevelsEmptyArea;
  plan.restarts = 4;
  plan.steps = deep ? 2500 : 1500;
  return plan;
}
