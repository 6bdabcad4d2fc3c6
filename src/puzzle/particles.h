// Light effects as particles in doubly linked chains headed by a bare node;
// holds so far the chain, each particle's state, emission and shifting.
#pragma once

#include <memory>

struct particleNodeType : std::enable_shared_from_this<particleNodeType> {
  std::shared_ptr<particleNodeType> next;
  particleNodeType* previous = nullptr;

  particleNodeType() = default;
  particleNodeType(const particleNodeType&) = delete;
  particleNodeType& operator=(const particleNodeType&) = delete;
  // Releases the rest of the chain one node at a time, however long it is.
  virtual ~particleNodeType();

  // Links this node into a chain right after `node`.
  void InsertAfter(particleNodeType& node);
  // Moves every particle from here to the end of the chain by (dx, dy) screen pixels.
  void Shift(int dx, int dy);

 protected:
  virtual void ShiftSelf(int, int) {}
};

struct particleType : particleNodeType {
  float x = 0, y = 0, z = 200;  // world position; z is the depth
  float ax = 0, ay = 0, az = 0;
  float vx = 0, vy = 0, vz = 0;
  float red = 255, green = 255, blue = 255;
  float alpha = 1;
  int attract = 0;   // 0 none, 1 spring toward the target, 2 homing
  int spinning = 0;  // 1 for swirl particles
  float targetX = 0, targetY = 0;
  int fade = 0;  // alpha lost per step, in thousandths
  int kind = 0;
  int delay = 0;
  int angle = 0;     // degrees, swirl particles
  int spinStep = 0;  // degrees per step, swirl particles
  float offsetX = 0, offsetY = 0;

 protected:
  void ShiftSelf(int dx, int dy) override;
};

// x, y in screen pixels relative to the board origin; a null chain means ParticleChain.
void Emit(int type, float x, float y, float amount, int targetX, int targetY,
          const std::shared_ptr<particleNodeType>& chain = nullptr);
// All particles of the level screen vanish.
void ClearParticles();

extern std::shared_ptr<particleNodeType> ParticleChain;
