#pragma once
// The start-up picture, held on screen while the game loads.

#include <memory>
#include <string>

#include "platform/render/graphics.h"

struct LogoSplash {
  int shownAt = 0;
  int duration = 0;
  platform::TImage image;

  static std::shared_ptr<LogoSplash> Create(const std::string& path, int durationMs);
  void Show();
  // Returns once the logo has been up for `duration` ms or a skip key or the
  // left button is held; in a web page, once the player's first gesture has
  // lifted the page's cover.
  void Wait() const;
  bool SkipRequested() const;
};
