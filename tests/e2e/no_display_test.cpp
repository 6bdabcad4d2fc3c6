// The real program, started as a player would, with no usable display.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>
#include <unistd.h>
#include <string>
#include <sys/wait.h>

#include "support/game_paths.h"

TEST(ProgramWithoutDisplay, SaysWhyOnStandardErrorAndExitsNonZero) {
  const std::string command = "SDL_VIDEODRIVER=no-such-driver '" + GameDir() + "/marrowick' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
  const int status = pclose(pipe);
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
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
  const int status = pclose(pipe);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) left.push_back(entry.path().filename());
  std::filesystem::remove_all(folder);

  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 0);
  EXPECT_NE(WEXITSTATUS(status), 124) << "still running when timed out";
  EXPECT_NE(output.find("Marrowick cannot start: no display"), std::string::npos) << output;
  EXPECT_EQ(left, std::vector<std::string>{"marrowick"});
}
