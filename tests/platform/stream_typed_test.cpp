#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "platform/files/memory_stream.h"
#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"

using namespace platform;
using Bytes = std::vector<uint8_t>;

TEST(StreamTypedValues, WriteLittleEndianBytesAndReadThemBack) {
  TempFolder folder;
  Stream out = WriteFile("values.dat");
  ASSERT_TRUE(out);
  out->WriteByte(0x1FE);  // only the low byte
  out->WriteShort(-2);
  out->WriteInt(-123456789);
  out->WriteInt(65281);
  out->WriteFloat(1.5f);
  out->WriteFloat(-0.0f);
  out->WriteFloat(std::bit_cast<float>(0x7FC00123u));  // a NaN with payload
  out->Close();
  EXPECT_TRUE(out->WritesOk());

  EXPECT_EQ(folder.Bytes("values.dat"),
            (Bytes{0xFE, 0xFE, 0xFF, 0xEB, 0x32, 0xA4, 0xF8, 0x01, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x3F,
                   0x00, 0x00, 0x00, 0x80, 0x23, 0x01, 0xC0, 0x7F}));

  Stream in = ReadFile("values.dat");
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadByte(), 0xFE);
  EXPECT_EQ(in->ReadShort(), 65534);  // shorts read unsigned
  EXPECT_EQ(in->ReadInt(), -123456789);
  EXPECT_EQ(in->ReadInt(), 65281);
  EXPECT_EQ(in->ReadFloat(), 1.5f);
  const float negativeZero = in->ReadFloat();
  EXPECT_TRUE(negativeZero == 0.0f && std::signbit(negativeZero));
  EXPECT_EQ(std::bit_cast<uint32_t>(in->ReadFloat()), 0x7FC00123u);
  EXPECT_TRUE(in->Eof());
}

TEST(StreamTypedValues, ReadsAtOrAcrossTheEndGiveZero) {
  Stream in = OpenMemoryStream({0x05, 0xAA, 0xBB, 0xCC});
  EXPECT_FALSE(in->Eof());
  EXPECT_EQ(in->ReadByte(), 5);
  EXPECT_EQ(in->ReadInt(), 0);  // three bytes left: cut short
  EXPECT_TRUE(in->Eof());
  EXPECT_EQ(in->ReadByte(), 0);
  EXPECT_EQ(in->ReadShort(), 0);
  EXPECT_EQ(in->ReadInt(), 0);
  EXPECT_EQ(in->ReadFloat(), 0.0f);
  EXPECT_EQ(in->ReadLine(), "");
}

TEST(StreamLines, TerminatorsAndCarriageReturns) {
  Stream in = OpenMemoryStream({'a', 'b', 13, 10, 'c'});
  EXPECT_EQ(in->ReadLine(), "ab");
  EXPECT_EQ(in->ReadLine(), "c");
  EXPECT_TRUE(in->Eof());
  EXPECT_EQ(in->ReadLine(), "");

  // A zero byte ends a line too; a lone CR anywhere is dropped; high bytes stay one character each.
  in = OpenMemoryStream({'x', 13, 'y', 0, 0xE9, 0xFF, 10, 10, 'z'});
  EXPECT_EQ(in->ReadLine(), "xy");
  EXPECT_EQ(in->ReadLine(), "\xE9\xFF");
  EXPECT_EQ(in->ReadLine(), "");
  EXPECT_EQ(in->ReadLine(), "z");
}

TEST(StreamLines, LimitedReadStopsInsideALongLine) {
  Stream in = OpenMemoryStream({'a', 'b', 'c', 'd', 10, 'e'});
  EXPECT_EQ(in->ReadLine(3), "abc");
  EXPECT_EQ(in->ReadLine(3), "d");
  EXPECT_EQ(in->ReadLine(3), "e");
}

TEST(StreamLines, WriteLineEndsWithCrLf) {
  TempFolder folder;
  Stream out = WriteFile("lines.txt");
  out->WriteLine("GET /");
  out->WriteLine("");
  out->WriteLine(std::string("\xE9", 1));
  out->Close();
  EXPECT_EQ(folder.Bytes("lines.txt"), (Bytes{'G', 'E', 'T', ' ', '/', 13, 10, 13, 10, 0xE9, 13, 10}));
}

TEST(StreamFiles, WriteFileTruncatesAnExistingFile) {
  TempFolder folder;
  folder.Write("old.dat", Bytes(100, 7));
  Stream out = WriteFile("old.dat");
  ASSERT_TRUE(out);
  EXPECT_EQ(std::filesystem::file_size(folder.Path() / "old.dat"), 0u);
  EXPECT_TRUE(out->Eof());  // nothing to read, and asking spoils no write
  out->WriteByte(1);
  EXPECT_TRUE(out->Flush());
  out->Close();
  EXPECT_TRUE(out->WritesOk());
  EXPECT_EQ(folder.Bytes("old.dat"), (Bytes{1}));
}

TEST(StreamFiles, ReadWriteModeUpdatesInPlace) {
  TempFolder folder;
  folder.Write("both.dat", {1, 2, 3, 4});
  Stream both = OpenStream("both.dat", true, true);
  ASSERT_TRUE(both);
  EXPECT_EQ(both->ReadByte(), 1);
  both->WriteByte(9);  // a write straight after a read
  EXPECT_EQ(both->ReadByte(), 3);
  EXPECT_EQ(both->Size(), 4);
  both->Close();
  EXPECT_EQ(folder.Bytes("both.dat"), (Bytes{1, 9, 3, 4}));
}

TEST(StreamFiles, OpeningFailsSafely) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "sub");
  EXPECT_FALSE(ReadFile("missing.dat"));
  EXPECT_FALSE(OpenStream("missing.dat", true, true));  // r+b does not create
  EXPECT_FALSE(ReadFile("sub"));                        // a folder is no file
  EXPECT_FALSE(WriteFile("nowhere\\file.dat"));
  EXPECT_FALSE(OpenStream("sub\\x.dat", false, false));
  EXPECT_FALSE(OpenStream("ftp::example.com/x", true, false));
  EXPECT_TRUE(Eof(Stream()));
}

TEST(StreamFiles, EmptyFileIsAtItsEnd) {
  TempFolder folder;
  folder.Write("empty.dat", {});
  Stream in = ReadFile("empty.dat");
  ASSERT_TRUE(in);
  EXPECT_TRUE(Eof(in));
  EXPECT_EQ(in->Size(), 0);
}

TEST(StreamFiles, BackslashAndSlashPathsReachTheSameFile) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "sub");
  Stream out = WriteFile("sub\\a.dat");
  ASSERT_TRUE(out);
  out->WriteInt(42);
  CloseStream(out);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "sub" / "a.dat"));
  Stream in = ReadStream("sub/a.dat");
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadInt(), 42);
}
