#pragma once
// The level being played, as one value: the map now and the one scrolling in
// after it, the hand-over between them, the board's particles and the scroll
// the background follows. The game controller owns one; a test or a tool may
// own another. A copy is a level of its own: stepping it leaves the original
// as it was.

#include <memory>

#include "puzzle/level_listener.h"
#include "puzzle/level_start.h"
#include "puzzle/map.h"
#include "puzzle/particles.h"

class Progress;

// The moves and commands the player asks for in one step, as read from the
// keys, the pad and the pointer. The ball acts on the moves only at rest;
// undo and the hint are the game's to answer (app/play_aids.h).
struct PlayRequests {
  bool up = false, down = false, left = false, right = false;
  bool restart = false, skip = false;
  bool undo = false, hint = false;
};

struct LevelState {
  std::shared_ptr<mapType> CurrentMap;
  std::shared_ptr<mapType> NextMap;  // while a finished level hands over
  std::shared_ptr<levelStartType> LevelStart;
  std::shared_ptr<particleNodeType> ParticleChain = std::make_shared<particleNodeType>();
  // Every scroll step ever made, from 63; the scrolling background follows it.
  int ScrollTotalX = 63;
  int ScrollTotalY = 63;
  // Not owned; the listener outlives the level. A copy reports to the same one.
  LevelListener* listener = &silent;
  // Not owned: the player's progress, whose place in the group colours the
  // particles; none for a level played alone (tests, tools).
  const Progress* progress = nullptr;

  LevelState() = default;
  LevelState(const LevelState& other);
  LevelState& operator=(const LevelState& other);
  LevelState(LevelState&&) = default;
  LevelState& operator=(LevelState&&) = default;

  // One 1/60 s step of the board: the hand-over first, then the map (the ball
  // unless the editor is on, the glow, the locks). playerControl 0 ignores the requests.
  void Step(const PlayRequests& requests, int playerControl);
  void StepHandOver();
  void StepMap(const PlayRequests& requests, int playerControl);
  void UpdateParticles() { ParticleChain->Update(); }
  void ClearParticles() { ParticleChain = std::make_shared<particleNodeType>(); }
  // Locks back to how they start, the ball on the start, the presses spent.
  void Restart();
  // Where the current map's particles go.
  ParticleSink Particles() const;

 private:
  static LevelListener silent;
};
