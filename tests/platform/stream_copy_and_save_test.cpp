#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>

#include "platform/helper_program.h"
#include "platform/stream.h"
#include "platform/stream_temp_folder.h"

using namespace platform;
using Bytes = std::vector<uint8_t>;

namespace {

Bytes Pattern(size_t size) {
  Bytes bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return bytes;
}

bool WriteInts(const std::string& path, std::initializer_list<int> values) {
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

// A finished save must survive a power cut: after the rename the folder itself
// is synced, or its new entry may never reach the disk. Seen from outside by
// tracing this very test, run again with the save as its only work.
TEST(AtomicSave, TheRenameIsSyncedIntoItsFolder) {
  if (const char* target = std::getenv("MARROWICK_TRACED_SAVE")) {
    EXPECT_TRUE(WriteInts(target, {1, 2, 3}));
    return;
  }
  const std::optional<std::string> strace = FindHelperProgram("strace");
  if (!strace) GTEST_SKIP() << "strace is not installed";
  TempFolder folder;
  const std::string trace = (folder.Path() / "trace.txt").string();
  const std::string target = (folder.Path() / "save0.dat").string();
  // LeakSanitizer cannot work under a tracer.
  const std::string command = "ASAN_OPTIONS=detect_leaks=0 MARROWICK_TRACED_SAVE='" + target + "' " + *strace +
                              " -f -qq -e trace=rename,renameat,renameat2,openat,fsync -o '" + trace +
                              "' /proc/" + std::to_string(getpid()) +
                              "/exe --gtest_filter=AtomicSave.TheRenameIsSyncedIntoItsFolder >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);

  std::ifstream lines(trace);
  std::string line, folderDescriptor;
  bool renamed = false, synced = false;
  const std::regex openedFolder("openat\\(.*O_DIRECTORY.*\\)\\s+= (\\d+)");
  std::smatch match;
  while (std::getline(lines, line)) {
    if (line.find("rename") != std::string::npos && line.find("save0.dat.tmp") != std::string::npos) renamed = true;
    if (renamed && std::regex_search(line, match, openedFolder)) folderDescriptor = match[1];
    if (renamed && !folderDescriptor.empty() &&
        std::regex_search(line, std::regex("fsync\\(" + folderDescriptor + "\\)\\s+= 0")))
      synced = true;
  }
  EXPECT_TRUE(renamed);
  EXPECT_TRUE(synced);
  EXPECT_EQ(folder.Bytes("save0.dat"), (Bytes{1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
}
