#include <gtest/gtest.h>

#include "services/level_log_record.h"
#include "services/log_encoder.h"
#include "services/option_log_record.h"

namespace {

LogBytes ArrayOf(const std::string& content) {
  LogBytes bytes{};
  bytes[0] = static_cast<uint8_t>(content.size() + 1);
  std::copy(content.begin(), content.end(), bytes.begin() + 1);
  return bytes;
}

}  // namespace

TEST(LogEncoder, EncodesWithDotPadding) {
  EXPECT_EQ(LogEncoder::Encode(ArrayOf("abc")), "YWJj");
  EXPECT_EQ(LogEncoder::Encode(ArrayOf("ab")), "YWI.");
  EXPECT_EQ(LogEncoder::Encode(ArrayOf("a")), "YQ..");
  EXPECT_EQ(LogEncoder::Encode(ArrayOf("")), "");
  EXPECT_EQ(LogEncoder::Encode(LogBytes{}), "");
  // The two characters that differ from plain base64.
  EXPECT_EQ(LogEncoder::Encode(ArrayOf("\xFB\xFF\xBF")), "-_-_");
}

TEST(LogEncoder, AnElementCountBeyondTheArrayStopsAtItsEnd) {
  LogBytes bytes{};
  bytes.fill(0xFF);
  bytes[0] = 255;
  EXPECT_EQ(LogEncoder::Encode(bytes).size(), 320u);  // 239 bytes
}

TEST(LogEncoder, BigEndianValues) {
  LogBytes bytes{};
  EXPECT_EQ(LogEncoder::PutIntBE(65281, bytes, 2), 5);
  EXPECT_EQ(bytes[2], 0x00);
  EXPECT_EQ(bytes[3], 0x00);
  EXPECT_EQ(bytes[4], 0xFF);
  EXPECT_EQ(bytes[5], 0x01);

  EXPECT_EQ(LogEncoder::PutIntBE(-2, bytes, 6), 9);
  EXPECT_EQ((std::vector<int>{bytes[6], bytes[7], bytes[8], bytes[9]}), (std::vector<int>{255, 255, 255, 254}));

  EXPECT_EQ(LogEncoder::PutShortBE(0x1280, bytes, 10), 11);
  EXPECT_EQ(bytes[10], 0x12);
  EXPECT_EQ(bytes[11], 0x80);

  LogEncoder::PutIntBE(0x01020304, bytes, LogBytesSize - 2);  // only what fits
  EXPECT_EQ(bytes[LogBytesSize - 2], 1);
  EXPECT_EQ(bytes[LogBytesSize - 1], 2);
}

TEST(LogRecords, ByteLayoutsAndLists) {
  LogBytes bytes{};
  auto option = OptionLogRecord::Create(OptionLogRecord::MusicVolume, 300, 150, 75);
  EXPECT_EQ(option->ToBytes(bytes, 20), 26);
  EXPECT_EQ((std::vector<int>(bytes.begin() + 20, bytes.begin() + 26)), (std::vector<int>{1, 2, 1, 44, 150, 75}));

  auto level = LevelLogRecord::Create(80, 65536 + 7, LevelLogRecord::SkippedFinish, 513, 3);
  EXPECT_EQ(level->ToBytes(bytes, 6), 15);
  EXPECT_EQ((std::vector<int>(bytes.begin() + 6, bytes.begin() + 15)),
            (std::vector<int>{2, 80, 0, 7, 2, 2, 1, 0, 3}));

  level->Append(LevelLogRecord::Create(1, 0, 1, 0, 0));
  level->Append(LevelLogRecord::Create(2, 0, 1, 0, 0));
  ASSERT_TRUE(level->next && level->next->next);
  EXPECT_EQ(level->next->level, 1);
  EXPECT_EQ(level->next->next->level, 2);
  EXPECT_FALSE(level->next->next->next);
}
