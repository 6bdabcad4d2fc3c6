#pragma once
// A full-screen flash over the level that fades away: a restart shows one.
// For a player who asked for less flashing it is a brief dim instead.

#include <memory>

struct flashType {
  int mode = 0;  // 0 off, 1 rising, 2 fading
  float alpha = 0;
  float speed = 0;  // alpha change per step
  int red = 255, green = 255, blue = 255;

  // A white flash that starts fading from alpha; reduced, a black one a
  // third as strong, which fades in a third of the time.
  static std::shared_ptr<flashType> Create(float speed, float alpha, bool reduced = false);
  void Update();
  void Draw();
};
