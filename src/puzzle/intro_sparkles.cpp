// When a level starts, sparks circle its exit and swirl over each teleport;
// in play the exit and teleports are seen only through them.

#include <cmath>

#include "platform/random.h"
#include "puzzle/editor_mode.h"
#include "puzzle/map.h"
#include "puzzle/map_solver.h"
#include "puzzle/particles.h"

namespace {

constexpr int ExitRingParticle = 2;
constexpr int TeleportSwirlParticle = 1;
constexpr int ExitRingSize = 21;

int RoundedRnd(double min, double max) { return static_cast<int>(std::lround(platform::Rnd(min, max))); }

}  // namespace

void mapType::IntroSparkles() {
  // The editor shows every level it arrives at already solved.
  if (EditorMode == 1 && MapSolver) MapSolver->Solve();
  const int cell = board::CellSize;
  if (exitX >= 0 && exitY >= 0) {
    for (int i = 0; i < ExitRingSize; ++i) {
      const int ox = RoundedRnd(4, 20);
      const int oy = RoundedRnd(-10, 10);
      Emit(ExitRingParticle, static_cast<float>(cell * exitX + ox), static_cast<float>(cell * exitY + oy), 1.0f,
           cell * exitX, cell * exitY);
    }
  }
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      // By code, not by kind: an unknown code 4 answers the teleport kind but is no teleport.
      const int code = tiles[x][y];
      if (code >= tile::FirstTeleport && code <= tile::LastTeleport) {
        Emit(TeleportSwirlParticle, static_cast<float>(cell * x), static_cast<float>(cell * y), 15.0f, 0, 0);
      }
    }
  }
}
