#include "layout.h"

#include "puzzle/level_chain.h"

namespace {

constexpr int LastX = board::Width - 1;
constexpr int LastY = board::Height - 1;

using Cells = std::vector<std::pair<int, int>>;

Cells Turned(const Cells& cells, int quarterTurns) {
  Cells turned = cells;
  for (int i = 0; i < quarterTurns; ++i) {
    for (auto& [x, y] : turned) std::tie(x, y) = std::pair{-y, x};
  }
  return turned;
}

std::vector<ShapeForm> MakeForms() {
  std::vector<ShapeForm> forms;
  forms.push_back({0, {{0, 0}}});
  for (int length = 2; length <= 5; ++length) {
    Cells across, down;
    for (int i = 0; i < length; ++i) across.push_back({i, 0}), down.push_back({0, i});
    forms.push_back({1, across});
    forms.push_back({1, down});
  }
  forms.push_back({2, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}});
  forms.push_back({2, {{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}}});
  const Cells bulky[] = {
      {{0, 0}, {1, 0}, {2, 0}, {0, 1}},                  // corner
      {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}},          // wide corner
      {{-1, 0}, {0, 0}, {1, 0}, {0, 1}},                 // tee
      {{-1, 0}, {0, 0}, {1, 0}, {-1, 1}, {1, 1}},        // cup
  };
  for (const Cells& cells : bulky) {
    for (int turns = 0; turns < 4; ++turns) forms.push_back({2, Turned(cells, turns)});
  }
  return forms;
}

bool OnEdge(int edge, int x, int y) {
  switch (edge) {
    case direction::Up: return y == 0;
    case direction::Down: return y == LastY;
    case direction::Left: return x == 0;
    default: return x == LastX;
  }
}

// The cell a symmetry sends (x, y) to.
std::pair<int, int> Reflect(Symmetry symmetry, int x, int y) {
  switch (symmetry) {
    case Symmetry::LeftRight: return {LastX - x, y};
    case Symmetry::TopBottom: return {x, LastY - y};
    case Symmetry::Turned: return {LastX - x, LastY - y};
    default: return {x, y};
  }
}

}  // namespace

const std::vector<ShapeForm>& ShapeForms() {
  static const std::vector<ShapeForm> forms = MakeForms();
  return forms;
}

LevelGround GroundFor(int number, const mapType* previous) {
  LevelGround ground;
  mapType& base = ground.base;
  base.number = number;
  base.artStyle = number / levels::GroupSize;
  base.lockState = base.lockInitial = {0, 1};
  if (!previous) {
    // The first level starts near the left of the board, half way down.
    base.startX = 3;
    base.startY = board::Height / 2;
    base.tiles[base.startX][base.startY] = tile::Start;
    ground.fixed[base.startX][base.startY] = true;
    return ground;
  }
  CarryStripOver(*previous, base);
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) ground.fixed[x][y] = base.IsEditable(x, y) == 0;
  }
  for (const int edge : {direction::Up, direction::Right, direction::Down, direction::Left}) {
    if (OnEdge(edge, base.startX, base.startY)) ground.startEdge = edge;
  }
  return ground;
}

mapType PaintLevel(const Layout& layout, const LevelPlan& plan, const LevelGround& ground) {
  mapType map = ground.base;
  auto paint = [&](int x, int y, int code) {
    if (board::Contains(x, y) && !ground.fixed[x][y]) map.tiles[x][y] = code;
  };
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      const bool border = x == 0 || y == 0 || x == LastX || y == LastY;
      paint(x, y, border ? FrameLook : tile::Floor);
    }
  }
  for (const FrameGap& gap : layout.gaps) {
    for (int i = gap.from; i < gap.from + gap.length; ++i) {
      switch (gap.edge) {
        case direction::Up: paint(i, 0, tile::Floor); break;
        case direction::Down: paint(i, LastY, tile::Floor); break;
        case direction::Left: paint(0, i, tile::Floor); break;
        default: paint(LastX, i, tile::Floor); break;
      }
    }
  }
  // Shapes stand inside the frame, so that the frame keeps one look.
  auto paintInside = [&](int x, int y, int code) {
    if (x > 0 && y > 0 && x < LastX && y < LastY) paint(x, y, code);
  };
  for (const WallShape& shape : layout.shapes) {
    const ShapeForm& form = ShapeForms()[shape.form];
    const int look = plan.looks[form.lookClass];
    for (const auto& [dx, dy] : form.cells) {
      paintInside(shape.x + dx, shape.y + dy, look);
      if (shape.mirrored) {
        const auto [mx, my] = Reflect(plan.symmetry, shape.x + dx, shape.y + dy);
        paintInside(mx, my, look);
      }
    }
  }
  for (const Piece& piece : layout.pieces) paint(piece.x, piece.y, piece.code);
  paint(layout.exitX, layout.exitY, tile::Exit);

  map.exitX = map.exitY = -1;
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      if (map.tiles[x][y] == tile::Start) map.startX = x, map.startY = y;
      if (map.tiles[x][y] == tile::Exit) map.exitX = x, map.exitY = y;
    }
  }
  return map;
}
