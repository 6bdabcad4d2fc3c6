// The editor's "save as" asks the host's dialog for a name; here a stand-in
// for the helper program the POSIX back end runs answers it.

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "puzzle/level_file.h"
#include "puzzle/puzzle_fixture.h"

namespace {

class LevelSaveAsTest : public PuzzleTest {};

const Picture Corridor = {
    "####################",
    "#S.......a.A......E#",
    "####################",
};

// A stand-in "zenity", alone on the search path, that answers the save dialog
// with `reply` and keeps its arguments in args.txt.
class FakeSaveDialog {
 public:
  FakeSaveDialog(const TempFolder& folder, const std::string& reply) : savedPath_(std::getenv("PATH")) {
    const auto bin = folder.Path() / "bin";
    std::filesystem::create_directory(bin);
    std::ofstream script(bin / "zenity");
    script << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << (folder.Path() / "args.txt").string() << "'\nprintf '%s\\n' '"
           << reply << "'\n";
    script.close();
    std::filesystem::permissions(bin / "zenity", std::filesystem::perms::owner_all);
    setenv("PATH", bin.c_str(), 1);
  }
  ~FakeSaveDialog() { setenv("PATH", savedPath_.c_str(), 1); }

 private:
  std::string savedPath_;
};

}  // namespace

TEST_F(LevelSaveAsTest, WritesWhereThePlayerChooses) {
  auto map = std::make_shared<mapType>();
  map->number = 21;
  map->tiles = GridOf(Corridor);
  {
    FakeSaveDialog dialog(folder, (folder.Path() / "chosen.lvl").string());
    map->Save(0);
  }
  EXPECT_EQ(folder.Bytes("chosen.lvl"), LevelBytes(map->tiles));
  std::ifstream argsFile(folder.Path() / "args.txt");
  const std::string args{std::istreambuf_iterator<char>(argsFile), std::istreambuf_iterator<char>()};
  EXPECT_NE(args.find("Save this map as (source map is 21)"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "levels" / "21.lvl"));

  // Cancelling the dialog writes nothing.
  std::filesystem::remove(folder.Path() / "chosen.lvl");
  {
    FakeSaveDialog dialog(folder, "");
    map->Save(0);
  }
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "chosen.lvl"));
}

