#pragma once
// A horizontal 0-100 slider standing in for a menu button. The mouse sets it
// only strictly inside the track and its grab band, so it reaches 1-99 by hand;
// 0 and 100 come from the keyboard's volume steps.

#include <memory>

#include "menus/menu_button.h"

class Slider : public menuButtonType {
 public:
  int offsetX = 0, offsetY = 0;  // top-left of the track relative to the button centre
  int trackLength = 0;           // pixels
  int grabHeight = 0;            // the band reaches this far above the track and twice it below
  int value = 0;                 // 0-100

  static std::shared_ptr<Slider> Create(int x, int y, int width, int height, int offsetX, int offsetY,
                                        int trackLength, int grabHeight);
  void Draw(int screenX, int screenY) override;
  // 1 when the click belongs to the slider: on the track, or anywhere right of
  // 40 pixels before it (which changes nothing); 0 further left.
  int HandleMouse(int screenX, int screenY) override;
  double GetValue() override;
  void SetValue(double v) override;

 private:
  int TrackLeft(int screenX) const { return x + offsetX + screenX; }
  int TrackTop(int screenY) const { return y + offsetY + screenY; }
};
