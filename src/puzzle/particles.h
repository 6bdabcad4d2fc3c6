// Light effects as particles in a small perspective space: the ball's trail and
// sparkles, the teleport swirls, the ring round the exit and the dark pools
// under both, the bursts of a finished level and the glows of the world map. Particles live in doubly
// linked chains headed by a bare node; the level screen's chain belongs to its
// LevelState, the world map keeps its own.
//
// Files: particles.cpp (the chain), particle.cpp (one particle's step, drawing
// and shift), particle_emit.cpp (the emission types), particle_kinds.cpp
// (the kind tables and the particle images).
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "platform/render/graphics.h"

// A bare node heads a chain; every particle is a node too. A call on a node
// reaches every node after it first, the end of the chain acting first, and
// then the node itself: a particle that unlinks while drawn has already let
// the rest of the chain draw. The walk is a loop, so chains of any length are
// safe.
struct particleNodeType : std::enable_shared_from_this<particleNodeType> {
  std::shared_ptr<particleNodeType> next;
  particleNodeType* previous = nullptr;

  particleNodeType() = default;
  particleNodeType& operator=(const particleNodeType&) = delete;
  // Releases the rest of the chain one node at a time, however long it is.
  virtual ~particleNodeType();

  // Links this node into a chain right after `node`.
  void InsertAfter(particleNodeType& node);
  // One step for every particle from here to the end of the chain.
  void Update();
  // layer -1 draws the particles behind the board (z < 200), 1 those in front,
  // 0 all of them. A particle that has faded out leaves the chain here.
  void Draw(float originX, float originY, int layer, float alphaFactor);
  // Moves every particle from here to the end of the chain by (dx, dy) screen pixels.
  void Shift(int dx, int dy);
  // A new chain holding a copy of every particle from here to the end, in order.
  std::shared_ptr<particleNodeType> CopyChain() const;

 protected:
  // A copy of this node's own contents, unlinked.
  particleNodeType(const particleNodeType&) : std::enable_shared_from_this<particleNodeType>() {}
  virtual std::shared_ptr<particleNodeType> CopySelf() const;
  virtual void UpdateSelf() {}
  virtual void DrawSelf(float, float, int, float) {}
  virtual void ShiftSelf(int, int) {}
  // Takes this node out of its chain; the chain's owner releases it.
  void Unlink();
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
  int kind = 0;  // row of the kind tables
  int delay = 0;
  int angle = 0;     // degrees, swirl particles
  int spinStep = 0;  // degrees per step, swirl particles
  float offsetX = 0, offsetY = 0;

 protected:
  void UpdateSelf() override;
  void DrawSelf(float originX, float originY, int layer, float alphaFactor) override;
  void ShiftSelf(int dx, int dy) override;
  std::shared_ptr<particleNodeType> CopySelf() const override;
};

struct ParticleColour {
  float red, green, blue;  // 0-255
};

// Where new particles go: the chain they join, and the scroll offset of the
// board they are born over, which they keep as the board scrolls on.
struct ParticleSink {
  particleNodeType& chain;
  int offsetX = 0, offsetY = 0;
  int groupPosition = 0;  // the level's place in its group: a burst with no target flies to its token
};

// x, y in screen pixels (relative to the board origin on the level screen). A
// colour given replaces the type's own.
void Emit(int type, float x, float y, float amount, int targetX, int targetY, const ParticleSink& sink,
          std::optional<ParticleColour> colour = {});
// A chain's particles behind and in front of the board, then colour white.
void DrawParticlesBehind(particleNodeType& chain, float originX, float originY);
void DrawParticlesInFront(particleNodeType& chain, float originX, float originY);

// The kind tables, filled once at start-up before any particle is drawn.
void FillParticleTables();

// The particle pictures, loaded at start-up: 0 trail (the teleport swirl),
// 1 shade (the pool), 2 spark.
extern std::array<platform::TImage, 3> trailImages;
