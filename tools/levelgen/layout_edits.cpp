#include "layout_edits.h"

#include <algorithm>

#include "puzzle/level_rules.h"

namespace {

constexpr int LastX = board::Width - 1;
constexpr int LastY = board::Height - 1;
constexpr int MaxGaps = 5;

// How many of each kind of piece a level may hold. Teleports come and go in pairs.
struct PieceLimit {
  int code, least, most;
  bool pair = false;
};

std::vector<PieceLimit> LimitsFor(const LevelPlan& plan) {
  std::vector<PieceLimit> limits;
  const int pairs = plan.number >= schedule::FirstDeep ? 3 : 2;
  if (plan.features & feature::GoldLock) {
    limits.push_back({tile::FirstKey, 1, 1});
    limits.push_back({tile::FirstLock, 1, 3});
  }
  if (plan.features & feature::SilverGate) {
    limits.push_back({tile::LastKey, 1, 1});
    limits.push_back({tile::LastLock, 1, 3});
  }
  if (plan.features & feature::Teleports) {
    for (int pair = 0; pair < pairs; ++pair) limits.push_back({tile::FirstTeleport + 2 * pair, pair == 0 ? 1 : 0, 1, true});
  }
  return limits;
}

int CountOf(const Layout& layout, int code) {
  return static_cast<int>(std::count_if(layout.pieces.begin(), layout.pieces.end(),
                                        [code](const Piece& p) { return p.code == code; }));
}

bool IsLock(int code) { return code == tile::FirstLock || code == tile::LastLock; }

// Pieces stay off the border, which may be carried over into the next level.
bool Inside(int x, int y, const LevelGround& ground) {
  return x > 0 && y > 0 && x < LastX && y < LastY && !ground.fixed[x][y];
}

void PlaceShape(WallShape& shape, const LevelPlan& plan, RandomSource& random) {
  shape.form = random.Below(static_cast<int>(ShapeForms().size()));
  shape.x = random.Between(0, LastX);
  shape.y = random.Between(0, LastY);
  shape.mirrored = plan.symmetry != Symmetry::None && random.Percent(75);
}

// Locks often sit in a wall shape as a door; everything else on open board.
void PlacePiece(Piece& piece, const Layout& layout, const LevelGround& ground, RandomSource& random) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (IsLock(piece.code) && !layout.shapes.empty() && random.Percent(50)) {
      const WallShape& shape = layout.shapes[random.Below(static_cast<int>(layout.shapes.size()))];
      const auto& cells = ShapeForms()[shape.form].cells;
      const auto [dx, dy] = cells[random.Below(static_cast<int>(cells.size()))];
      piece.x = shape.x + dx;
      piece.y = shape.y + dy;
    } else {
      piece.x = random.Between(1, LastX - 1);
      piece.y = random.Between(1, LastY - 1);
    }
    if (Inside(piece.x, piece.y, ground)) return;
  }
}

// Mostly on the edge the plan prefers, sometimes on another edge but the start's.
void PlaceExit(Layout& layout, const LevelPlan& plan, const LevelGround& ground, RandomSource& random) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    const int edge = random.Percent(60) ? plan.exitEdge : random.Between(1, 4);
    if (edge == plan.startEdge) continue;
    const bool across = edge == direction::Up || edge == direction::Down;
    const int along = random.Between(1, (across ? LastX : LastY) - 1);
    const int x = across ? along : edge == direction::Left ? 0 : LastX;
    const int y = across ? (edge == direction::Up ? 0 : LastY) : along;
    if (ground.fixed[x][y]) continue;
    layout.exitX = x;
    layout.exitY = y;
    return;
  }
}

FrameGap RandomGap(RandomSource& random) {
  FrameGap gap;
  gap.edge = random.Between(1, 4);
  const int side = gap.edge == direction::Up || gap.edge == direction::Down ? board::Width : board::Height;
  gap.length = random.Between(1, 4);
  gap.from = random.Between(1, side - 1 - gap.length);
  return gap;
}

void ChangeShapes(Layout& layout, const LevelPlan& plan, RandomSource& random) {
  auto& shapes = layout.shapes;
  const int choice = random.Below(5);
  if ((choice == 0 && static_cast<int>(shapes.size()) < plan.mostShapes) || shapes.empty()) {
    shapes.emplace_back();
    PlaceShape(shapes.back(), plan, random);
    return;
  }
  WallShape& shape = shapes[random.Below(static_cast<int>(shapes.size()))];
  switch (choice) {
    case 1:
      if (static_cast<int>(shapes.size()) > plan.fewestShapes) {
        std::swap(shape, shapes.back());
        shapes.pop_back();
      }
      break;
    case 2:
      shape.x += random.Between(-1, 1);
      shape.y += random.Between(-1, 1);
      break;
    case 3: shape.form = random.Below(static_cast<int>(ShapeForms().size())); break;
    default:
      if (plan.symmetry != Symmetry::None) shape.mirrored = !shape.mirrored;
      break;
  }
}

// `count` more of a kind of piece (both ends of a teleport pair).
void AddPieces(Layout& layout, const PieceLimit& limit, int count, const LevelGround& ground, RandomSource& random) {
  for (int i = 0; i < count; ++i) {
    for (int end = 0; end < (limit.pair ? 2 : 1); ++end) {
      layout.pieces.push_back({limit.code + end, 0, 0});
      PlacePiece(layout.pieces.back(), layout, ground, random);
    }
  }
}

void ChangePieces(Layout& layout, const LevelPlan& plan, const LevelGround& ground, RandomSource& random) {
  const std::vector<PieceLimit> limits = LimitsFor(plan);
  if (limits.empty()) return;
  const PieceLimit& limit = limits[random.Below(static_cast<int>(limits.size()))];
  const int count = CountOf(layout, limit.code);
  auto& pieces = layout.pieces;
  const int choice = random.Below(4);
  if (choice == 0 && count < limit.most) {
    AddPieces(layout, limit, 1, ground, random);
    return;
  }
  if (choice == 1 && count > limit.least) {
    if (limit.pair) {
      std::erase_if(pieces, [&](const Piece& p) { return p.code == limit.code || p.code == limit.code + 1; });
    } else {
      pieces.erase(std::find_if(pieces.begin(), pieces.end(), [&](const Piece& p) { return p.code == limit.code; }));
    }
    return;
  }
  if (pieces.empty()) return;
  Piece& piece = pieces[random.Below(static_cast<int>(pieces.size()))];
  if (choice == 2) {
    PlacePiece(piece, layout, ground, random);
  } else {
    const int x = piece.x + random.Between(-1, 1), y = piece.y + random.Between(-1, 1);
    if (Inside(x, y, ground)) piece.x = x, piece.y = y;
  }
}

void ChangeGaps(Layout& layout, RandomSource& random) {
  auto& gaps = layout.gaps;
  if (gaps.empty() || (random.Percent(40) && static_cast<int>(gaps.size()) < MaxGaps)) {
    gaps.push_back(RandomGap(random));
  } else if (random.Percent(50)) {
    gaps.erase(gaps.begin() + random.Below(static_cast<int>(gaps.size())));
  } else {
    gaps[random.Below(static_cast<int>(gaps.size()))] = RandomGap(random);
  }
}

}  // namespace

Layout RandomLayout(const LevelPlan& plan, const LevelGround& ground, RandomSource& random) {
  Layout layout;
  layout.shapes.resize(random.Between(plan.fewestShapes, (plan.fewestShapes + plan.mostShapes) / 2));
  for (WallShape& shape : layout.shapes) PlaceShape(shape, plan, random);
  if (!plan.closedFrame) {
    const int gaps = random.Between(1, 3);
    for (int i = 0; i < gaps; ++i) layout.gaps.push_back(RandomGap(random));
  }
  for (const PieceLimit& limit : LimitsFor(plan)) AddPieces(layout, limit, limit.least, ground, random);
  PlaceExit(layout, plan, ground, random);
  return layout;
}

void Mutate(Layout& layout, const LevelPlan& plan, const LevelGround& ground, RandomSource& random) {
  const int roll = random.Below(100);
  if (roll < 55) {
    ChangeShapes(layout, plan, random);
  } else if (roll < 80) {
    if (plan.features != 0) {
      ChangePieces(layout, plan, ground, random);
    } else {
      ChangeShapes(layout, plan, random);
    }
  } else if (roll < 90) {
    if (!plan.closedFrame) {
      ChangeGaps(layout, random);
    } else {
      ChangeShapes(layout, plan, random);
    }
  } else {
    PlaceExit(layout, plan, ground, random);
  }
}
