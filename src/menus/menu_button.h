#pragma once
// One entry of a menu screen's button column: the centre and hit rectangle of a
// plain image button, and the base of the widgets that may take its place.

class menuButtonType {
 public:
  virtual ~menuButtonType() = default;

  int x = 0, y = 0;  // centre, relative to the screen's position
  int width = 0, height = 0;
  int kind = 0;  // 1: a widget, drawn by itself under the button's strip cell

  // A plain button draws nothing of its own, takes no mouse and has no value.
  virtual void Draw(int screenX, int screenY);
  virtual int HandleMouse(int screenX, int screenY);
  virtual double GetValue();
  virtual void SetValue(double value);
};
