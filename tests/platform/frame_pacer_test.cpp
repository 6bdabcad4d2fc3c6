#include <gtest/gtest.h>

#include "platform/render/frame_pacer.h"
#include "support/fake_clock.h"

using platform::FramePacer;

TEST(FramePacer, SixtyFramesTakeExactlyOneSecond) {
  FakeClock fake;
  FramePacer pacer;
  pacer.Reset(60);
  const int32_t start = fake.now;
  for (int i = 0; i < 60; ++i) pacer.Wait();
  EXPECT_EQ(fake.now - start, 1000);  // 16 ms a frame plus 40 spare milliseconds spread out
  for (int i = 0; i < 600; ++i) pacer.Wait();
  EXPECT_EQ(fake.now - start, 11000);
}

TEST(FramePacer, ALateFrameIsNotCaughtUpBySkippingSleeps) {
  FakeClock fake;
  FramePacer pacer;
  pacer.Reset(60);
  fake.Advance(500);  // a long stall
  pacer.Wait();       // late: no sleep, the target moves to now
  EXPECT_EQ(fake.slept, 0);
  const int32_t afterStall = fake.now;
  pacer.Wait();
  EXPECT_GE(fake.now - afterStall, 16);
  EXPECT_LE(fake.now - afterStall, 17);
}

TEST(FramePacer, OnlyAnUnchangedFrameAfterChangedOnesComesBackEarly) {
  FakeClock fake;
  FramePacer pacer;
  pacer.Reset(60);
  auto waited = [&](bool changed) {
    const int32_t before = fake.now;
    changed ? pacer.Wait() : pacer.WaitAfterUnchangedFrame();
    return fake.now - before;
  };
  waited(true);
  waited(true);
  // The pass came before its step: a quarter of a frame later, and again, up
  // to a frame in all, until the step is taken.
  for (int early = 0; early < 4; ++early) EXPECT_EQ(waited(false), 4) << early;
  EXPECT_GE(waited(false), 16) << "a screen that stopped changing goes back to whole frames";
  waited(true);
  waited(true);
  EXPECT_EQ(waited(false), 4);
  // The pace goes on a whole frame from there.
  EXPECT_GE(waited(true), 16);
  // A screen changing every other frame, and a still one, keep the whole frame.
  for (bool changed : {false, true, false, false, false}) {
    const int32_t took = waited(changed);
    EXPECT_GE(took, 16) << (changed ? "changed" : "unchanged");
    EXPECT_LE(took, 17) << (changed ? "changed" : "unchanged");
  }
}
