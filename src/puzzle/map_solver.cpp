// The search behind the editor's distance map. What each cell does and whether
// the next one may be entered are the roll rule's answers, as for the ball;
// the way the search strings them together is its own, and the overlay shows
// it: it rolls on over the exit, a teleport without a partner is floor to it,
// after a partner it asks whether the next cell may be entered (the ball goes
// on regardless) and a partner it cannot leave sends it back through, and a
// cell is marked as the ball leaves it, before looking ahead when going down.

#include "puzzle/map_solver.h"

#include <algorithm>
#include <vector>

#include "puzzle/level_chain.h"
#include "puzzle/map.h"
#include "puzzle/roll_rule.h"

namespace {

constexpr int ExploreOrder[] = {direction::Up, direction::Down, direction::Left, direction::Right};

// Moves (x, y) one cell on when the ball may enter the next one, marking how
// the cell it leaves was crossed; false when blocked. Going down marks the
// cell before looking ahead, so a ball stopped by something below marks it too.
bool StepOnce(const RollRule& rule, mapSolverType::StateTable& marks, int& x, int& y, int direction,
              const keyStateType& s) {
  const int locks = s.Index();
  int& mark = marks[x][y][locks];
  switch (direction) {
    case direction::Up:
      if (!rule.MayEnter(x, y - 1, locks)) return false;
      mark |= mapSolverType::CrossedVertically;
      y -= 1;
      return true;
    case direction::Down:
      mark |= mapSolverType::CrossedVertically;
      if (!rule.MayEnter(x, y + 1, locks)) return false;
      y += 1;
      return true;
    case direction::Left:
      if (!rule.MayEnter(x - 1, y, locks)) return false;
      mark |= mapSolverType::CrossedHorizontally;
      x -= 1;
      return true;
    case direction::Right:
      if (!rule.MayEnter(x + 1, y, locks)) return false;
      mark |= mapSolverType::CrossedHorizontally;
      x += 1;
      return true;
    default:
      return false;
  }
}

// Where the teleport at (x, y) sends the move on; none when it has no partner,
// which the distance map takes for floor.
std::optional<BoardCell> PartnerAway(const RollRule& rule, int x, int y) {
  const BoardCell partner = rule.PartnerOf(x, y);
  if (partner.x == x && partner.y == y) return std::nullopt;
  return partner;
}

}  // namespace

void mapSolverType::CycleShownState() {
  shownState += 1;
  if (shownState >= StateCount) shownState = -1;
}

std::shared_ptr<mapSolverType> mapSolverType::Create() { return std::make_shared<mapSolverType>(); }

void mapSolverType::Solve(const mapType& map) {
  maxDistance = 0;
  for (auto& column : distance) {
    for (auto& cell : column) cell.fill(-1);
  }
  for (auto& column : marks) {
    for (auto& cell : column) cell.fill(0);
  }
  int sx = 0, sy = 0;
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      const int kind = map.TileKind(x, y);
      if (kind == tile::Start) {
        sx = x;
        sy = y;
      } else if (kind == tilekind::Exit) {
        exitX = x;
        exitY = y;
      }
    }
  }

  Explore(map, sx, sy, 0, keyStateType::FromMap(map));

  for (const auto& column : distance) {
    for (const auto& cell : column) maxDistance = std::max(maxDistance, cell[0]);
  }
}

void mapSolverType::CreateNextMap(const mapType& current, mapType& next) {
  Solve(current);
  // A map without an exit has no strip to hand over; the exit of an earlier
  // map is no guide to this one.
  if (current.TileKind(exitX, exitY) != tilekind::Exit) return;
  CarryStripOver(current, exitX, exitY, next);
}

int mapSolverType::NearestEdge(int x, int y) { return EdgeNearestTo(x, y); }

void mapSolverType::Explore(const mapType& map, int x, int y, int dist, const keyStateType& snapshot) {
  // Each resting point tries its four moves in turn, and a move that improves
  // a resting point explores it fully before the next move is tried. The
  // points waiting for their next move are kept here rather than on the call
  // stack, so no board can run the search out of stack.
  struct Pending {
    RestingPoint at;
    int nextMove = 0;
  };
  std::vector<Pending> work;
  work.reserve(64);
  const auto arrive = [this, &work](const RestingPoint& point) {
    const int i = point.snapshot.Index();
    marks[point.x][point.y][i] = Rested;
    distance[point.x][point.y][i] = point.dist;
    work.push_back({point, 0});
  };

  arrive({x, y, dist, snapshot.Copy()});
  while (!work.empty()) {
    Pending& top = work.back();
    if (top.nextMove == static_cast<int>(std::size(ExploreOrder))) {
      work.pop_back();
      continue;
    }
    const int move = ExploreOrder[top.nextMove++];
    const RestingPoint from = top.at;  // arrive may move the stack
    if (const auto rest = Slide(map, from.x, from.y, from.dist, move, from.snapshot)) arrive(*rest);
  }
}

std::optional<mapSolverType::RestingPoint> mapSolverType::Slide(const mapType& map, int x, int y, int dist,
                                                                int direction, const keyStateType& snapshot) {
  const RollRule rule(map);
  keyStateType entry = snapshot.Copy();
  std::vector<int> jumps;  // (partner cell, lock state) pairs this move was sent on from

  // One stretch of straight rolling per pass; a teleport starts the next
  // stretch from its partner, one move further on.
  for (;;) {
    keyStateType s = entry.Copy();
    int i = s.Index();
    std::optional<keyStateType> toggled;  // a key takes effect after the next step
    std::optional<BoardCell> partner;
    bool improved = false;
    bool blocked = false;
    while (!blocked) {
      blocked = !StepOnce(rule, marks, x, y, direction, s);
      if (toggled) {
        s = *toggled;
        i = s.Index();
        toggled.reset();
      }
      const CellEffect effect = rule.EffectAt(x, y);
      if (effect == CellEffect::OffBoard) return std::nullopt;
      if (effect == CellEffect::Key) {
        toggled = s.Copy();
        toggled->Toggle(map, x, y);
      } else if (effect == CellEffect::Teleport && (partner = PartnerAway(rule, x, y))) {
        break;
      }
      if (!blocked) {
        int& known = distance[x][y][i];
        improved = known == -1 || known > dist;
        if (improved) known = dist;
      }
    }
    if (!partner) {
      if (!improved) return std::nullopt;
      return RestingPoint{x, y, dist + 1, s};
    }

    // A stretch depends only on where it starts and the locks, so coming back
    // to a partner with the same locks would repeat the same stretches for ever.
    const int jump = (partner->x * board::Height + partner->y) * StateCount + s.Index();
    if (std::find(jumps.begin(), jumps.end(), jump) != jumps.end()) return std::nullopt;
    jumps.push_back(jump);
    x = partner->x;
    y = partner->y;
    dist += 1;
    entry = s;
  }
}
