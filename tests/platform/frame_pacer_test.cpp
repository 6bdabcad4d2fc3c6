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
