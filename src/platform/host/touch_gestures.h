#pragma once
// A finger on the screen becomes what a mouse or the keys would do: a touch
// that stays put is a click where it was let go, one that travels is a swipe in
// the direction it travelled most. Only the first finger down counts; others
// are ignored until it is lifted, so a palm resting on the edge does nothing.

#include <cstdint>

namespace platform {

enum class SwipeDirection { Up, Down, Left, Right };

struct TouchGesture {
  enum class Kind { None, Tap, Swipe } kind = Kind::None;
  int x = 0, y = 0;  // where a tap was let go, in the drawing area's pixels
  SwipeDirection direction = SwipeDirection::Up;
};

class TouchGestures {
 public:
  // Travel (in the drawing area's pixels) from which a touch is a swipe
  // rather than a tap: about a twentieth of the 800-pixel picture, well beyond
  // a fingertip's wobble on a phone.
  static constexpr int kSwipeDistance = 40;

  // Whether this is the finger followed, which the pointer then follows too,
  // so that the board's arrow shows where a tap would send the ball.
  bool FingerDown(int64_t finger, int x, int y);
  bool FingerMoved(int64_t finger, int x, int y);
  // What the touch that ends here amounts to.
  TouchGesture FingerUp(int64_t finger, int x, int y);
  // The display closed or reopened: a touch under way is forgotten.
  void Forget() { tracking_ = false; }

 private:
  bool tracking_ = false;
  int64_t finger_ = 0;
  int startX_ = 0, startY_ = 0;
  // The farthest the finger has been from where it came down, so that a
  // swipe that comes back before lifting is still not a tap.
  int farthest_ = 0;
};

}  // namespace platform
