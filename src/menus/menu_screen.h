#pragma once
// A panel over the screen that fades in and out and takes the keyboard while
// shown; holds so far its position, picture strip, fade state and showing,
// closing and hiding.

#include <cstdint>

#include "platform/graphics.h"

// Millisecs() when a screen was last shown or a button last activated.
extern int64_t lastActivationTime;

class MenuScreen {
 public:
  virtual ~MenuScreen() = default;

  int playOpenSound = 1;  // 0: the screen opens without the page-turn sound
  int x = 0, y = 0;
  platform::TImage buttonStrip;
  int fade = 0;   // 0-40
  int state = 0;  // 0 hidden, 1 shown, 2 fading in, 3 fading out
  int screenId = 0;
  int inputBlocked = 0;

  virtual void Show();
  virtual void Close();
  virtual void Hide();
};
