#include "puzzle/particle_kinds.h"

#include "puzzle/particles.h"

std::array<platform::TImage, 3> trailImages;

std::array<int, particlekind::Count> particleBlend{};
std::array<float, particlekind::Count> particleScale{};
std::array<int, particlekind::Count> particleImage{};
std::array<int, particlekind::Count> particleFade{};
std::array<int, particlekind::Count> particlePlacement{};

void FillParticleTables() {
  using namespace particlekind;
  particleBlend = {ColouredLight, ColouredLight, ColouredLight, ColouredLight, ColouredLight, ColouredLight,
                   WhiteShade};
  // Kind 0: the bursts of a finished level; 1: the teleport swirls and 5: the
  // beads of the exit ring, which live until the board scrolls; 2: the ball's
  // trail; 3 and 4: the world map's path dots and path head; 6: the dark pool
  // under an exit or a teleport, multiplied into the floor.
  particleScale = {4.0f, 3.4f, 2.0f, 0.7f, 1.75f, 1.5f, 3.6f};
  particleImage = {SparkImage, TrailImage, SparkImage, SparkImage, SparkImage, SparkImage, ShadeImage};
  particleFade = {3, 0, 10, 5, 10, 0, 0};
  particlePlacement = {WorldOnly, WithMapOffset, WithMapOffset, WithOriginOnly, WithOriginOnly, WithMapOffset,
                       WithMapOffset};
}
