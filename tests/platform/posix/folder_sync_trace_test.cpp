#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>

#include "platform/host/helper_program.h"
#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"

using namespace platform;
using Bytes = std::vector<uint8_t>;

namespace {

WriteResult WriteInts(const std::string& path, std::initializer_list<int> values) {
  return WriteFileAtomically(path, [&](StreamObject& stream) {
    for (int value : values) stream.WriteInt(value);
    return stream.WritesOk();
  });
}

}  // namespace

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
    if (std::regex_search(line, std::regex(R"(rename.*save0\.dat\.[0-9]+-[0-9]+\.tmp)"))) renamed = true;
    if (renamed && std::regex_search(line, match, openedFolder)) folderDescriptor = match[1];
    if (renamed && !folderDescriptor.empty() &&
        std::regex_search(line, std::regex("fsync\\(" + folderDescriptor + "\\)\\s+= 0")))
      synced = true;
  }
  EXPECT_TRUE(renamed);
  EXPECT_TRUE(synced);
  EXPECT_EQ(folder.Bytes("save0.dat"), (Bytes{1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
}
