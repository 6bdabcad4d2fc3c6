// The solver against a plain recursive model of the same search: one call per
// resting point and per move, a teleport continuing the move by calling again.
// The model cannot finish when teleports send the ball back and forth, so such
// boards are left out; on every other board both must agree cell for cell.

#include <optional>
#include <random>

#include "editor/editor_fixture.h"
#include "puzzle/teleport_pairs.h"

namespace {

class RecursiveModel {
 public:
  explicit RecursiveModel(const mapType& map) : map_(map) {
    for (auto& column : distance) {
      for (auto& cell : column) cell.fill(-1);
    }
  }

  void Solve() {
    int sx = 0, sy = 0;
    for (int x = 0; x < board::Width; ++x) {
      for (int y = 0; y < board::Height; ++y) {
        if (map_.TileKind(x, y) == tile::Start) sx = x, sy = y;
      }
    }
    Explore(sx, sy, 0, keyStateType::FromMap(map_));
  }

  mapSolverType::StateTable distance{};
  mapSolverType::StateTable marks{};
  bool endless = false;

 private:
  static constexpr int MaxTeleportsInAMove = 200;

  void Explore(int x, int y, int dist, const keyStateType& snapshot) {
    const int i = snapshot.Index();
    marks[x][y][i] = 4;
    distance[x][y][i] = dist;
    for (int dir : {direction::Up, direction::Down, direction::Left, direction::Right}) {
      Slide(x, y, dist, dir, snapshot, 0);
    }
  }

  void Slide(int x, int y, int dist, int dir, const keyStateType& snapshot, int teleports) {
    if (endless) return;
    keyStateType s = snapshot;
    int i = s.Index();
    std::optional<keyStateType> toggled;
    bool improved = false;
    bool blocked = false;
    while (!blocked) {
      if (dir == direction::Down) marks[x][y][i] |= 1;
      const int nx = x + (dir == direction::Right) - (dir == direction::Left);
      const int ny = y + (dir == direction::Down) - (dir == direction::Up);
      if (map_.CanEnter(nx, ny, &s)) {
        if (dir != direction::Down) marks[x][y][i] |= dir == direction::Up ? 1 : 2;
        x = nx;
        y = ny;
      } else {
        blocked = true;
      }
      if (toggled) {
        s = *toggled;
        i = s.Index();
        toggled.reset();
      }
      const int k = map_.TileKind(x, y);
      if (k == -2) return;
      if (k == 5) {
        toggled = s;
        toggled->Toggle(map_, x, y);
      }
      if (k == 4) {
        for (int px = 0; px < board::Width; ++px) {
          for (int py = 0; py < board::Height; ++py) {
            if (map_.tiles[px][py] != TeleportPartner(map_.tiles[x][y])) continue;
            if (teleports == MaxTeleportsInAMove) {
              endless = true;
            } else {
              Slide(px, py, dist + 1, dir, s, teleports + 1);
            }
            return;
          }
        }
      }
      if (!blocked) {
        improved = distance[x][y][i] == -1 || distance[x][y][i] > dist;
        if (improved) distance[x][y][i] = dist;
      }
    }
    if (improved) Explore(x, y, dist + 1, s);
  }

  const mapType& map_;
};

}  // namespace

using MapSolverModelTest = EditorTest;

TEST_F(MapSolverModelTest, EveryBoardFinishesAndWithoutEndlessTeleportsGivesTheModelsAnswer) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> percent(0, 99), x(0, board::Width - 1), y(0, board::Height - 1);
  const std::string rare = "aAbB0123456789 ?";
  int endless = 0;
  for (int m = 0; m < 300; ++m) {
    // Most boards get only keys and locks; some get teleports as well.
    const int rareKinds = m % 3 == 0 ? static_cast<int>(rare.size()) : 4;
    Picture rows(board::Height, std::string(board::Width, '.'));
    for (auto& row : rows) {
      for (char& cell : row) {
        const int roll = percent(random);
        if (roll < 10) cell = rare[roll * rareKinds / 10];
        else if (roll < 10 + 5 + m % 35) cell = '#';
      }
    }
    rows[y(random)][x(random)] = 'S';
    rows[y(random)][x(random)] = 'E';
    Play(rows);
    RecursiveModel model(*level.CurrentMap);
    model.Solve();
    gameController->mapSolver.Solve(*level.CurrentMap);  // finishes on every board
    if (model.endless) {
      ++endless;
      continue;
    }
    ASSERT_EQ(gameController->mapSolver.distance, model.distance) << "board " << m;
    ASSERT_EQ(gameController->mapSolver.marks, model.marks) << "board " << m;
  }
  EXPECT_GT(endless, 5);
  EXPECT_LT(endless, 50);
}
