#include <gtest/gtest.h>

#include "menus/mouse_button.h"

TEST(MouseButton, BrightensTwoPerStepWhileHoveredAndFadesOnePerStepAfter) {
  auto button = MouseButton::Create(60, 208, 525, 590, 58, 527, {});
  int steps = 0;
  while (button->fade < 40) {
    button->Update();
    button->TrackMouse(100, 550);
    ++steps;
  }
  EXPECT_EQ(steps, 20);
  button->Update();
  button->TrackMouse(100, 550);
  EXPECT_EQ(button->fade, 40);  // capped
  for (int i = 0; i < 39; ++i) {
    button->Update();
    button->TrackMouse(0, 0);
  }
  EXPECT_EQ(button->fade, 1);
  button->Update();
  EXPECT_EQ(button->fade, 0);
  button->Update();
  EXPECT_EQ(button->fade, 0);
}

TEST(MouseButton, RectangleIsInclusiveAndDisabledButtonsNeverAnswer) {
  auto button = MouseButton::Create(336, 527, 525, 599, 337, 529, {});
  EXPECT_TRUE(button->Contains(336, 525));
  EXPECT_TRUE(button->Contains(527, 599));
  EXPECT_FALSE(button->Contains(335, 550));
  EXPECT_FALSE(button->Contains(400, 600));
  button->fade = 39;
  button->Raise();
  EXPECT_EQ(button->fade, 40);
  button->fade = 0;
  button->enabled = 0;
  EXPECT_FALSE(button->Contains(400, 550));
  button->TrackMouse(400, 550);
  EXPECT_EQ(button->fade, 0);
}
