// The real program, started as a player would, with no usable display.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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
