// When a level starts, a ring of light circles its exit and a swirl turns over
// each teleport, both over a dark pool that lets them show on light floors; in
// play the exit and teleports are seen only through them.

#include <array>
#include <cmath>

#include "puzzle/map.h"
#include "puzzle/particles.h"
#include "puzzle/teleport_pairs.h"

namespace {

constexpr int TeleportSwirlParticle = 1;
constexpr int ExitRingParticle = 2;
constexpr int PoolParticle = 7;
constexpr int ExitRingBeads = 21;
constexpr float ExitRingRadius = 10;  // pixels
constexpr double Pi = 3.14159265358979323846;

// One colour per teleport pair, so that twins are told apart at a glance.
constexpr std::array<ParticleColour, 5> PairColours = {{
    {80, 170, 255},  // blue
    {255, 70, 210},  // magenta
    {80, 240, 90},   // green
    {255, 70, 50},   // red
    {170, 110, 255},  // violet
}};

void Pool(const ParticleSink& sink, int x, int y) {
  Emit(PoolParticle, static_cast<float>(x), static_cast<float>(y), 1.0f, 0, 0, sink);
}

}  // namespace

void mapType::IntroSparkles(const ParticleSink& sink) {
  const int cell = board::CellSize;
  if (exitX >= 0 && exitY >= 0) {
    const int cx = cell * exitX, cy = cell * exitY;
    Pool(sink, cx, cy);
    for (int i = 0; i < ExitRingBeads; ++i) {
      const double angle = 2 * Pi * i / ExitRingBeads;
      Emit(ExitRingParticle, static_cast<float>(cx + ExitRingRadius * std::cos(angle)),
           static_cast<float>(cy + ExitRingRadius * std::sin(angle)), 1.0f, cx, cy, sink);
    }
  }
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      // By code, not by kind: an unknown code 4 answers the teleport kind but is no teleport.
      const int code = tiles[x][y];
      if (code >= tile::FirstTeleport && code <= tile::LastTeleport) {
        Pool(sink, cell * x, cell * y);
        Emit(TeleportSwirlParticle, static_cast<float>(cell * x), static_cast<float>(cell * y), 1.0f, 0, 0, sink,
             PairColours[TeleportPairOf(code)]);
      }
    }
  }
}
