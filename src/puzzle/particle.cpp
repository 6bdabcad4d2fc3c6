// One particle: its step (move, pull toward the target, fade), its drawing in
// perspective, and how it follows the board when the maps scroll.

#include <algorithm>
#include <cmath>

#include "platform/host/diagnostics.h"
#include "platform/render/graphics.h"
#include "platform/host/random.h"
#include "platform/host/text.h"
#include "puzzle/particle_kinds.h"
#include "puzzle/particles.h"

namespace {

constexpr float FrontDepth = 200;  // the depth of the board: nearer particles are drawn over it
constexpr float SpringReach = 5;
constexpr float HomingPull = 8;
constexpr float HomingDrag = 0.97f;

bool KnownKind(int kind) { return kind >= 0 && kind < particlekind::Count; }

int RoundedRnd(double min, double max) { return static_cast<int>(std::lround(platform::Rnd(min, max))); }

// The image points along the motion. Without vertical motion there is no slope
// to take the arc tangent of; the angle is then the one a vanishing vertical
// speed would give.
float MotionAngle(float vx, float vy) {
  if (vy == 0) return vx > 0 ? 90.0f : (vx < 0 ? 270.0f : 180.0f);
  const float angle = static_cast<float>(platform::ATan(-vx / vy));
  return vy >= 0 ? angle + 180 : angle;
}

void SetKindLook(const particleType& p) {
  switch (particleBlend[p.kind]) {
    case particlekind::ColouredLight:
      platform::SetColor(static_cast<int>(p.red), static_cast<int>(p.green), static_cast<int>(p.blue));
      platform::SetBlend(platform::LightBlend);
      break;
    case particlekind::WhiteShade:
      platform::SetColor(255, 255, 255);
      platform::SetBlend(platform::ShadeBlend);
      break;
    default:
      platform::RuntimeError("Fooze");
  }
}

}  // namespace

void particleType::UpdateSelf() {
  if (delay >= 1) {
    delay -= 1;
    return;
  }
  if (spinning == 1) {
    // A steady turn: a step that wandered at random would only make it shiver.
    angle += spinStep;
    if (angle > 360) angle -= 360;
    if (angle < 0) angle += 360;
  }
  vx += ax / 1000;
  vy += ay / 1000;
  vz += az / 1000;
  x += 10 * vx;
  y += 10 * vy;
  z += 10 * vz;
  if (attract == 1) {
    ax = -std::clamp(x - targetX, -SpringReach, SpringReach);
    ay = -std::clamp(y - targetY, -SpringReach, SpringReach);
    az = 0;
    vz = 0;
  } else if (attract == 2) {
    const float d = std::hypot(x - targetX, y - targetY);
    vx *= HomingDrag;
    vy *= HomingDrag;
    vz *= HomingDrag;
    // On the target itself there is no direction to pull in.
    ax = d > 0 ? -HomingPull * (x - targetX) / d : 0;
    ay = d > 0 ? -HomingPull * (y - targetY) / d : 0;
    az = 0;
    vz = 0;
  }
  alpha -= static_cast<float>(fade) / 1000;
}

void particleType::DrawSelf(float originX, float originY, int layer, float alphaFactor) {
  if (delay > 0) return;
  if (!(alpha > 0)) {
    Unlink();
    return;
  }
  if ((layer < 0 && z >= FrontDepth) || (layer > 0 && z < FrontDepth)) return;
  if (!KnownKind(kind)) platform::RuntimeError("Fooze");

  SetKindLook(*this);
  platform::SetAlpha(alpha * alphaFactor);
  const float scale = particleScale[kind] * 60 / z;
  platform::SetScale(scale, scale);
  platform::SetRotation(spinning == 1 ? static_cast<float>(angle) : MotionAngle(vx, vy));
  float sx = 400 + x / z * 800 + originX;
  float sy = 300 + y / z * 600 + originY;
  if (particlePlacement[kind] != particlekind::WithOriginOnly) {
    sx += offsetX;
    sy += offsetY;
  }
  platform::DrawImage(trailImages[particleImage[kind]], sx, sy);
  platform::SetRotation(0);
}

std::shared_ptr<particleNodeType> particleType::CopySelf() const { return std::make_shared<particleType>(*this); }

void particleType::ShiftSelf(int dx, int dy) {
  if (!KnownKind(kind)) return;
  switch (particlePlacement[kind]) {
    case particlekind::WorldOnly:
      // Computed in whole world units: a scroll step under four pixels leaves it in place.
      x += static_cast<float>(dx * 200 / 800);
      y += static_cast<float>(dy * 200 / 600);
      break;
    case particlekind::WithMapOffset:
      offsetX += static_cast<float>(dx);
      offsetY += static_cast<float>(dy);
      // Swirls that never fade on their own die away once the board moves.
      if (fade == 0) fade = RoundedRnd(40, 100);
      break;
    default:
      break;
  }
}
