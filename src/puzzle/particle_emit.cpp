// The emission types: how fast and in which directions their particles
// leave, what pulls them, their kind and colour.

#include <cmath>
#include <optional>

#include "platform/host/random.h"
#include "platform/host/text.h"
#include "puzzle/particle_kinds.h"
#include "puzzle/particles.h"
#include "services/resources.h"

namespace {

enum class Pull { None, Spring, Homing, Swirl };

struct Emission {
  float z = 200;  // the board's depth; nearer is in front of it
  float ax = 0, ay = 0, az = 0;
  float hMin = 0, hMax = 360, vMin = 0, vMax = 360;  // degrees
  float speed = 0;
  int kind = 0;
  Pull pull = Pull::None;
  float red = static_cast<float>(Resources::DefaultParticleRed());
  float green = static_cast<float>(Resources::DefaultParticleGreen());
  float blue = static_cast<float>(Resources::DefaultParticleBlue());
};

// A swirl turns this many degrees a step, always the same way, so that it is
// seen turning.
constexpr int SwirlTurn = 3;

// A spring swings a particle round its target at a tenth of a radian a step
// (about 63 steps a turn); as a step moves it by ten times its velocity, its
// orbit speed is a hundredth of its distance. Started at right angles to the
// pull, a bead of the exit ring keeps to a circle on screen, where a world
// unit is 4 pixels across and 3 down.
constexpr float OrbitRate = 0.01f;
constexpr float PixelsPerUnitX = 4, PixelsPerUnitY = 3;

// Just behind the board's depth: drawn before the board, so that the walls and
// the ball cover it; nearer than the board by less than a pixel on screen.
constexpr float UnderTheBoard = 199.9f;

// The level's square on the in-game group display, where a burst flies when it
// is given no target of its own.
constexpr float TokenSquareX = 680;
constexpr float TokenSquareTop = 40;
constexpr float TokenSquareSpacing = 64;

Emission EmissionOf(int type) {
  Emission e;
  switch (type) {
    case 0:  // falling sparks
      e.speed = 0.1f;
      e.ay = 2;
      break;
    case 1:  // teleport swirl, in its pair's colour
      e.speed = 0.0000001f;
      e.kind = 1;
      e.pull = Pull::Swirl;
      break;
    case 2:  // a bead of the exit ring, circling the exit
      e.kind = 5;
      e.pull = Pull::Spring;
      e.red = 255, e.green = 232, e.blue = 160;
      break;
    case 3:  // ball trail
      e.speed = 0.01f;
      e.kind = 2;
      break;
    case 4:  // burst flying to the level's token
      e.speed = 0.1f;
      e.ay = 2;
      e.pull = Pull::Homing;
      e.z = 210;
      break;
    case 5:  // world map path dot
      e.speed = 0.0025f;
      e.kind = 3;
      e.red = 255, e.green = 100, e.blue = 0;
      break;
    case 6:  // world map path head
      e.speed = 0.005f;
      e.kind = 4;
      e.red = 255, e.green = 100, e.blue = 0;
      break;
    case 7:  // the dark pool under an exit or a teleport
      e.speed = 0;
      e.kind = 6;
      e.z = UnderTheBoard;
      e.red = e.green = e.blue = 255;
      break;
    default:
      break;
  }
  return e;
}

float WorldX(float screenX) { return screenX * 200 / 800 - 100; }
float WorldY(float screenY) { return screenY * 200 / 600 - 100; }

std::shared_ptr<particleType> MakeParticle(const Emission& e, float x, float y, float h, float v, float targetX,
                                           float targetY, int offsetX, int offsetY) {
  auto p = std::make_shared<particleType>();
  p->x = WorldX(x);
  p->y = WorldY(y);
  p->z = e.z;
  p->ax = e.ax, p->ay = e.ay, p->az = e.az;
  p->vx = static_cast<float>(platform::Cos(h) * platform::Cos(v) * e.speed);
  p->vy = static_cast<float>(platform::Cos(h) * platform::Sin(v) * e.speed);
  p->vz = static_cast<float>(platform::Sin(h) * e.speed);
  p->red = e.red, p->green = e.green, p->blue = e.blue;
  p->alpha = 1;
  if (e.pull == Pull::Spring) {
    // In orbit from the start: moving at right angles to the pull, and pulled already.
    p->attract = 1;
    const float dx = p->x - WorldX(targetX), dy = p->y - WorldY(targetY);
    p->vx = -OrbitRate * dy * PixelsPerUnitY / PixelsPerUnitX;
    p->vy = OrbitRate * dx * PixelsPerUnitX / PixelsPerUnitY;
    p->vz = 0;
    p->ax = -dx;
    p->ay = -dy;
  }
  if (e.pull == Pull::Homing) p->attract = 2;
  if (e.pull == Pull::Swirl) {
    p->spinning = 1;
    p->angle = static_cast<int>(std::lround(h));
    p->spinStep = SwirlTurn;
  }
  p->targetX = WorldX(targetX);
  p->targetY = WorldY(targetY);
  p->offsetX = static_cast<float>(offsetX);
  p->offsetY = static_cast<float>(offsetY);
  p->kind = e.kind;
  p->fade = particleFade[e.kind];
  return p;
}

}  // namespace

void Emit(int type, float x, float y, float amount, int targetX, int targetY, const ParticleSink& sink,
          std::optional<ParticleColour> colour) {
  Emission e = EmissionOf(type);
  if (colour) e.red = colour->red, e.green = colour->green, e.blue = colour->blue;
  float tx = static_cast<float>(targetX);
  float ty = static_cast<float>(targetY);
  if (e.pull == Pull::Homing && targetX == 0 && targetY == 0) {
    tx = TokenSquareX;
    ty = TokenSquareSpacing * static_cast<float>(sink.groupPosition) + TokenSquareTop;
  }

  // Amounts below a half make nothing; a NaN amount is no amount at all.
  if (!(amount >= 0.5f)) return;
  const long count = std::lround(amount);
  for (long i = 1; i <= count; ++i) {
    float h = static_cast<float>(platform::Rnd(e.hMin, e.hMax));
    const float v = static_cast<float>(platform::Rnd(e.vMin, e.vMax));
    if (e.pull == Pull::Swirl) h = static_cast<float>(static_cast<double>(i) * platform::Rnd(60, 80));
    MakeParticle(e, x, y, h, v, tx, ty, sink.offsetX, sink.offsetY)->InsertAfter(sink.chain);
  }
}
