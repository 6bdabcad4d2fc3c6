#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"

using namespace platform;
using Bytes = std::vector<uint8_t>;

namespace {

Bytes Pattern(size_t size) {
  Bytes bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return bytes;
}

WriteResult WriteInts(const std::string& path, std::initializer_list<int> values) {
  return WriteFileAtomically(path, [&](StreamObject& stream) {
    for (int value : values) stream.WriteInt(value);
    return stream.WritesOk();
  });
}

struct RenameHookGuard {
  ~RenameHookGuard() { SetRenameHook({}); }
};

}  // namespace

TEST(CopyFile, CopiesWholeBlocksAndTheRest) {
  TempFolder folder;
  const Bytes source = Pattern(3 * 4096 + 123);
  folder.Write("source.lvl", source);
  folder.Write("copy.lvl", Bytes(50000, 1));  // longer: must be truncated
  EXPECT_TRUE(CopyFile("source.lvl", "copy.lvl"));
  EXPECT_EQ(folder.Bytes("copy.lvl"), source);

  folder.Write("empty.lvl", {});
  EXPECT_TRUE(CopyFile("empty.lvl", "copy2.lvl"));
  EXPECT_TRUE(folder.Bytes("copy2.lvl").empty());
}

TEST(CopyFile, FailuresAnswerFalse) {
  TempFolder folder;
  folder.Write("source.lvl", Pattern(5000));
  std::filesystem::create_directory(folder.Path() / "folder");
  EXPECT_FALSE(CopyFile("missing.lvl", "copy.lvl"));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "copy.lvl"));
  EXPECT_FALSE(CopyFile("source.lvl", "no such folder\\copy.lvl"));
  EXPECT_FALSE(CopyFile("folder", "copy.lvl"));
  if (std::filesystem::exists("/dev/full")) {
    EXPECT_FALSE(CopyFile("source.lvl", "/dev/full"));  // the disk fills part-way
  }
}

TEST(CopyFile, OntoItselfKeepsTheFile) {
  TempFolder folder;
  const Bytes source = Pattern(100);
  folder.Write("level.lvl", source);
  EXPECT_TRUE(CopyFile("level.lvl", "./level.lvl"));
  EXPECT_EQ(folder.Bytes("level.lvl"), source);
}

TEST(AtomicSave, ReplacesTheFileWhole) {
  TempFolder folder;
  folder.Write("save.dat", Pattern(300));
  EXPECT_TRUE(WriteInts("save.dat", {1, 2}));
  EXPECT_EQ(folder.Bytes("save.dat"), (Bytes{1, 0, 0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"save.dat"});
}

TEST(AtomicSave, ACrashBeforeTheRenameLeavesThePreviousSave) {
  TempFolder folder;
  RenameHookGuard restore;
  ASSERT_TRUE(WriteInts("save.dat", {7}));
  SetRenameHook([](const std::string&, const std::string&) { return false; });
  EXPECT_FALSE(WriteInts("save.dat", {8, 9}));
  EXPECT_EQ(folder.Bytes("save.dat"), (Bytes{7, 0, 0, 0}));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"save.dat"});

  SetRenameHook({});
  EXPECT_TRUE(WriteInts("save.dat", {8}));
  EXPECT_EQ(folder.Bytes("save.dat"), (Bytes{8, 0, 0, 0}));
}

TEST(AtomicSave, AnAbandonedOrImpossibleWriteKeepsTheOldFile) {
  TempFolder folder;
  folder.Write("save.dat", {5});
  EXPECT_FALSE(WriteFileAtomically("save.dat", [](StreamObject& stream) {
    stream.WriteByte(1);
    return false;
  }));
  EXPECT_EQ(folder.Bytes("save.dat"), (Bytes{5}));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"save.dat"});

  EXPECT_FALSE(WriteInts("missing folder\\save.dat", {1}));

  // A folder where the file should be cannot be replaced by a file.
  std::filesystem::create_directory(folder.Path() / "taken");
  EXPECT_FALSE(WriteInts("taken", {1}));
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "taken"));
}

// Two copies of the game quitting at once save at once: each write has a
// temporary file of its own, or one would write into the other's and rename
// it away under it.
TEST(AtomicSave, ASaveBegunWhileAnotherIsWritingKeepsItsOwnTemporaryFile) {
  TempFolder folder;
  WriteResult inner;
  const WriteResult outer = WriteFileAtomically("save.dat", [&](StreamObject& stream) {
    stream.WriteInt(1);
    inner = WriteInts("save.dat", {2});
    stream.WriteInt(3);
    return stream.WritesOk();
  });
  EXPECT_TRUE(inner) << inner.reason;
  EXPECT_TRUE(outer) << outer.reason;
  EXPECT_EQ(folder.Bytes("save.dat"), (Bytes{1, 0, 0, 0, 3, 0, 0, 0}));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"save.dat"});
}

// A game killed while saving leaves its temporary file; the next copy to take
// the folder removes such files, and only those.
TEST(AtomicSave, WritesCutShortAreClearedAwayAndNothingElse) {
  TempFolder folder;
  std::vector<std::string> during;
  WriteFileAtomically("save0.dat", [&](StreamObject&) {
    during = folder.Names();
    return false;
  });
  ASSERT_EQ(during.size(), 1u);
  const std::vector<std::string> abandoned = {during[0], "options.dat.77-12.tmp"};
  std::vector<std::string> kept = {"save0.dat", "notes.tmp", "save0.dat.tmp", "save0.dat.1-2.tmp.old",
                                   "save0.dat.1-x.tmp", "save0.dat.-2.tmp", ".1-2.tmp"};
  for (const std::string& name : abandoned) folder.Write(name, {1});
  for (const std::string& name : kept) folder.Write(name, {1});
  std::filesystem::create_directory(folder.Path() / "shots.3-4.tmp");
  kept.push_back("shots.3-4.tmp");

  RemoveAbandonedWrites(folder.Path().string());
  std::vector<std::string> left = folder.Names();
  std::sort(left.begin(), left.end());
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(left, kept);
}
