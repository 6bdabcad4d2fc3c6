#include <gtest/gtest.h>

#include "app/frame_accumulator.h"
#include "support/fake_clock.h"

namespace {
int StepsAfter(FrameAccumulator& clock, FakeClock& fake, int elapsedBeforeTick) {
  fake.Advance(elapsedBeforeTick);
  clock.Tick();  // sleeps 1 ms of fake time
  int steps = 0;
  while (clock.TakeStep()) ++steps;
  return steps;
}
}  // namespace

TEST(FrameAccumulator, TakesOneStepPerBankedSixtiethAndKeepsTheRest) {
  FakeClock fake;
  FrameAccumulator clock;
  clock.Start();
  EXPECT_EQ(StepsAfter(clock, fake, 15), 0);  // 16 ms banked: not above 16.66667
  EXPECT_EQ(StepsAfter(clock, fake, 0), 1);   // 17 ms
  EXPECT_NEAR(clock.Banked(), 17 - 16.66667, 1e-9);
  EXPECT_EQ(StepsAfter(clock, fake, 0), 0);
  // A long stall (the window was in the background) is caught up in one pass.
  EXPECT_EQ(StepsAfter(clock, fake, 999), 60);
}

TEST(FrameAccumulator, SixtyStepsPerSecondOverManyPasses) {
  FakeClock fake;
  FrameAccumulator clock;
  clock.Start();
  int steps = 0;
  for (int pass = 0; pass < 1000; ++pass) steps += StepsAfter(clock, fake, 6);  // 7 ms per pass
  EXPECT_EQ(steps, 419);  // 7000 ms is a hair short of 420 steps of 16.66667 ms
}

TEST(FrameAccumulator, SurvivesTheMillisecondCounterWrapping) {
  FakeClock fake;
  fake.now = 2147483600;
  FrameAccumulator clock;
  clock.Start();
  EXPECT_EQ(StepsAfter(clock, fake, 109), 6);  // 110 ms, through the wrap to negative counts
}
