#include "platform/host/touch_gestures.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

struct Point {
  int x, y;
};

struct Case {
  const char* what;
  std::vector<Point> path;  // down, moves, up
  TouchGesture::Kind kind;
  SwipeDirection direction = SwipeDirection::Up;
};

TEST(TouchGestures, AFingersPathIsATapASwipeOrNothing) {
  const Case cases[] = {
      {"still", {{100, 100}, {100, 100}}, TouchGesture::Kind::Tap},
      {"a wobble short of a swipe", {{100, 100}, {120, 90}, {139, 100}}, TouchGesture::Kind::Tap},
      {"right", {{100, 100}, {150, 110}, {200, 110}}, TouchGesture::Kind::Swipe, SwipeDirection::Right},
      {"left", {{300, 300}, {250, 290}}, TouchGesture::Kind::Swipe, SwipeDirection::Left},
      {"up", {{300, 300}, {310, 200}}, TouchGesture::Kind::Swipe, SwipeDirection::Up},
      {"down", {{300, 300}, {290, 400}}, TouchGesture::Kind::Swipe, SwipeDirection::Down},
      {"a diagonal leaning neither way", {{100, 100}, {190, 180}}, TouchGesture::Kind::None},
      {"out and back again", {{100, 100}, {200, 100}, {105, 100}}, TouchGesture::Kind::None},
  };
  for (const Case& c : cases) {
    TouchGestures touches;
    touches.FingerDown(7, c.path.front().x, c.path.front().y);
    for (size_t i = 1; i + 1 < c.path.size(); ++i) touches.FingerMoved(7, c.path[i].x, c.path[i].y);
    const TouchGesture gesture = touches.FingerUp(7, c.path.back().x, c.path.back().y);
    EXPECT_EQ(gesture.kind, c.kind) << c.what;
    if (c.kind == TouchGesture::Kind::Swipe) {
      EXPECT_EQ(gesture.direction, c.direction) << c.what;
    }
    if (c.kind == TouchGesture::Kind::Tap) {
      EXPECT_EQ(gesture.x, c.path.back().x) << c.what;
    }
  }
}

// A second finger neither starts a gesture of its own nor ends the first's.
TEST(TouchGestures, OnlyTheFirstFingerDownCounts) {
  TouchGestures touches;
  touches.FingerDown(1, 100, 100);
  touches.FingerDown(2, 500, 500);
  EXPECT_EQ(touches.FingerUp(2, 500, 300).kind, TouchGesture::Kind::None);
  EXPECT_EQ(touches.FingerUp(1, 300, 100).kind, TouchGesture::Kind::Swipe);
  EXPECT_EQ(touches.FingerUp(1, 300, 100).kind, TouchGesture::Kind::None);
}

}  // namespace
}  // namespace platform
