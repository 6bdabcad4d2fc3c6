// Two copies of the real game on one player folder, as a double click on the
// icon starts them: the second says so and leaves without touching the
// player's files, and a killed first copy leaves the folder free.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "support/game_paths.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The player's files in the folder (all but the program and what the copies said) and their bytes.
std::map<std::string, std::string> PlayerFiles(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename();
    if (!entry.is_regular_file() || name == "marrowick" || name.ends_with(".said")) continue;
    files[name] = Contents(entry.path());
  }
  return files;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::seconds limit = std::chrono::seconds(60)) {
  for (const auto until = Clock::now() + limit; Clock::now() < until;) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return condition();
}

class SecondCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder);
    // A portable copy: the program itself, its data beside it, the player's files with it.
    fs::copy_file(GameDir() + "/marrowick", folder / "marrowick");
    fs::create_directory_symlink(fs::absolute(GameDir()) / "media", folder / "media");
    fs::create_directory_symlink(fs::absolute(SourceDir()) / "levels", folder / "levels");
  }
  void TearDown() override {
    for (pid_t pid : started) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    fs::remove_all(folder);
  }

  // Starts the game as a player would, off screen and silent; what it says
  // on standard error goes to a file of its own.
  pid_t Start(const std::string& name) {
    const pid_t pid = fork();
    if (pid == 0) {
      const std::string said = (folder / (name + ".said")).string();
      if (!freopen(said.c_str(), "w", stderr)) _exit(126);
      setenv("MARROWICK_DEBUGLOG", "1", 1);
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
      setenv("SDL_VIDEODRIVER", "offscreen", 1);
      setenv("SDL_AUDIODRIVER", "dummy", 1);
      // Mesa's and SDL's own allocations are no business of this test.
      setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
      const std::string program = (folder / "marrowick").string();
      execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    started.push_back(pid);
    return pid;
  }

  // The exit status, or -1 if it did not end in time.
  int WaitForExit(pid_t pid) {
    int status = 0;
    if (!WaitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; })) return -1;
    std::erase(started, pid);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  std::string Said(const std::string& name) const { return Contents(folder / (name + ".said")); }

  fs::path folder = fs::temp_directory_path() / ("marrowick-two-copies-" + std::to_string(getpid()));
  std::vector<pid_t> started;
};

}  // namespace

TEST_F(SecondCopyTest, TheSecondSaysSoAndLeavesAndAKilledFirstLeavesTheFolderFree) {
  const pid_t first = Start("first");
  // Past its start-up saves of the identifier and the progress.
  ASSERT_TRUE(WaitFor([&] { return Said("first").find("start at level 0") != std::string::npos; })) << Said("first");
  const auto before = PlayerFiles(folder);
  ASSERT_TRUE(before.contains("save0.dat") && before.contains("uniqueID.idn"));

  const pid_t second = Start("second");
  EXPECT_EQ(WaitForExit(second), 1);
  const std::string message = "Marrowick is already running with the player files in " + folder.string() + "\n";
  EXPECT_NE(Said("second").find(message), std::string::npos) << Said("second");
  EXPECT_TRUE(PlayerFiles(folder) == before) << "the second copy changed the player's files";

  kill(first, SIGKILL);
  EXPECT_EQ(WaitForExit(first), 128 + SIGKILL);

  // The third plays: it writes its identifier anew, and quits as asked, saving its options.
  const std::string identifier = Contents(folder / "uniqueID.idn");
  const pid_t third = Start("third");
  EXPECT_TRUE(WaitFor([&] { return Contents(folder / "uniqueID.idn") != identifier; })) << Said("third");
  kill(third, SIGTERM);
  EXPECT_EQ(WaitForExit(third), 0) << Said("third");
  EXPECT_EQ(Said("third").find("already running"), std::string::npos) << Said("third");
  EXPECT_EQ(fs::file_size(folder / "options.dat"), 12u);
}
