// The generator draws and composes from fixed seeds: running it again must
// give the very same bytes, file for file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media_files.h"

namespace {

namespace fs = std::filesystem;

std::vector<char> ReadAll(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(f), {});
}

TEST(MediaRepeatable, ASecondRunWritesIdenticalFiles) {
  const fs::path game = media_test::GameDir();
  const fs::path generator = game / "mkmedia";
  ASSERT_TRUE(fs::exists(generator)) << generator;
  // A folder of this run's own: another run of the tests may be at the same step.
  const fs::path again = fs::path(testing::TempDir()) / ("marrowick_media_again_" + std::to_string(getpid()));
  fs::remove_all(again);
  std::string command = "\"";
  command.append(generator.string()).append("\" \"").append(again.string()).append("\" > /dev/null");
  ASSERT_EQ(std::system(command.c_str()), 0);

  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(again / "media")) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), again);
    SCOPED_TRACE(relative.string());
    EXPECT_TRUE(ReadAll(entry.path()) == ReadAll(game / relative)) << "differs between runs";
    ++compared;
  }
  EXPECT_TRUE(ReadAll(again / "chest.ico") == ReadAll(game / "chest.ico"));
  EXPECT_GT(compared, 70);
  fs::remove_all(again);
}

}  // namespace
