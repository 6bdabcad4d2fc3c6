#include "platform/host/touch_gestures.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

bool TouchGestures::FingerDown(int64_t finger, int x, int y) {
  if (tracking_) return false;
  tracking_ = true;
  finger_ = finger;
  startX_ = x;
  startY_ = y;
  farthest_ = 0;
  return true;
}

bool TouchGestures::FingerMoved(int64_t finger, int x, int y) {
  if (!tracking_ || finger != finger_) return false;
  farthest_ = std::max({farthest_, std::abs(x - startX_), std::abs(y - startY_)});
  return true;
}

TouchGesture TouchGestures::FingerUp(int64_t finger, int x, int y) {
  if (!tracking_ || finger != finger_) return {};
  tracking_ = false;
  const int dx = x - startX_, dy = y - startY_;
  const int travel = std::max(std::abs(dx), std::abs(dy));
  TouchGesture gesture;
  if (travel < kSwipeDistance) {
    // Wandered far and came back: neither a tap on where it ended nor a swipe.
    if (farthest_ >= kSwipeDistance) return {};
    gesture.kind = TouchGesture::Kind::Tap;
    gesture.x = x;
    gesture.y = y;
    return gesture;
  }
  // A diagonal that leans neither way clearly is not guessed at.
  if (std::abs(std::abs(dx) - std::abs(dy)) * 4 < travel) return {};
  gesture.kind = TouchGesture::Kind::Swipe;
  if (std::abs(dx) > std::abs(dy)) {
    gesture.direction = dx > 0 ? SwipeDirection::Right : SwipeDirection::Left;
  } else {
    gesture.direction = dy > 0 ? SwipeDirection::Down : SwipeDirection::Up;
  }
  return gesture;
}

}  // namespace platform
