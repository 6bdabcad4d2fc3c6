// The real program, started as a player would, with no usable display.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>
#include <unistd.h>
#include <string>
#include <utility>
#include <sys/wait.h>

#include "support/game_paths.h"

namespace {

// What a shell command printed (both streams, as the command redirects them) and its wait status.
std::pair<std::string, int> RunAndCapture(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {"popen failed", -1};
  std::string output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
  return {output, pclose(pipe)};
}

}  // namespace

TEST(ProgramWithoutDisplay, SaysWhyOnStandardErrorAndExitsNonZero) {
  const std::string command = "SDL_VIDEODRIVER=no-such-driver '" + GameDir() + "/marrowick' 2>&1";
  const auto [output, status] = RunAndCapture(command);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 0);
  EXPECT_NE(output.find("Marrowick cannot start: "), std::string::npos) << output;
  EXPECT_EQ(output.find("Sanitizer"), std::string::npos) << output;
  EXPECT_EQ(output.find("runtime error"), std::string::npos) << output;
}

// With no display at all and no driver asked for, the game does not fall back
// to an invisible off-screen one: it says so and leaves no file behind.
TEST(ProgramWithoutDisplay, NoDisplayAtAllStopsAtOnceWritingNothing) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("marrowick-no-display-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(GameDir() + "/marrowick", folder / "marrowick");
  const std::string command = "cd '" + folder.string() +
                              "' && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 ./marrowick 2>&1";
  const auto [output, status] = RunAndCapture(command);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) left.push_back(entry.path().filename());
  std::filesystem::remove_all(folder);

  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 0);
  EXPECT_NE(WEXITSTATUS(status), 124) << "still running when timed out";
  EXPECT_NE(output.find("Marrowick cannot start: no display"), std::string::npos) << output;
  EXPECT_EQ(left, std::vector<std::string>{"marrowick"});
}
