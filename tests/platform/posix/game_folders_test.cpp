// Where the game's data and the player's files are found: beside the program
// (the portable folder), else installed data in ../share/marrowick and the
// player's files in their own folder, carried over once.

#include "platform/files/game_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/host/platform.h"
#include "platform/stream_temp_folder.h"
#include "support/unprivileged_run.h"

namespace fs = std::filesystem;
using platform::ChooseGameFolders;
using platform::GameFolders;

namespace {

class GameFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::permissions(temp.Path(), fs::perms::all);
    fs::create_directories(install / "games");
    fs::create_directories(install / "share" / "marrowick" / "media");
    fs::create_directories(own);
    chown(own.c_str(), 65534, 65534);
  }
  void TearDown() override { platform::UseGameFolders({}); }

  // Chooses as the user "nobody", who can write only in `own`; the answer
  // comes back through a file, with what was said on standard error.
  GameFolders ChooseUnprivileged(const fs::path& program, const fs::path& playerFolder) {
    const fs::path answer = temp.Path() / "answer.txt";
    testing::internal::CaptureStderr();
    EXPECT_TRUE(RunUnprivileged([&] {
      const GameFolders chosen = ChooseGameFolders(program.string(), [&] { return playerFolder.string(); });
      std::ofstream(answer) << chosen.data << "\n" << chosen.player << "\n";
    }));
    said = testing::internal::GetCapturedStderr();
    std::ifstream in(answer);
    GameFolders chosen;
    std::getline(in, chosen.data);
    std::getline(in, chosen.player);
    return chosen;
  }

  TempFolder temp;
  fs::path install = temp.Path() / "usr";
  fs::path own = temp.Path() / "home" / "marrowick";
  std::string said;
};

}  // namespace

// Its own media/ wins even where installed data lies at ../share/marrowick:
// a portable copy unpacked into such a tree still plays its own version.
TEST_F(GameFoldersTest, APortableFolderHoldsEverything) {
  for (const fs::path& portable : {temp.Path() / "Marrowick", install / "games"}) {
    fs::create_directories(portable / "media");
    testing::internal::CaptureStderr();
    const GameFolders chosen = ChooseGameFolders(portable.string(), [] { return std::string("/never/asked"); });
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(chosen.data, portable.string());
    EXPECT_EQ(chosen.player, portable.string());
  }
}

TEST_F(GameFoldersTest, AnInstalledGameReadsSharedDataAndSavesInThePlayersFolder) {
  const GameFolders chosen = ChooseUnprivileged(install / "games", own);
  EXPECT_EQ(fs::path(chosen.data), (install / "share" / "marrowick").lexically_normal());
  EXPECT_EQ(chosen.player, own.string());
  EXPECT_NE(said.find("your progress is kept in " + own.string()), std::string::npos) << said;
}

TEST_F(GameFoldersTest, ProgressBesideAProgramThatCanNoLongerBeWrittenIsCarriedOverOnce) {
  const fs::path program = install / "games";
  temp.Write("usr/games/save0.dat", std::vector<uint8_t>(510, 1));
  temp.Write("usr/games/options.dat", std::vector<uint8_t>(12, 0));
  ChooseUnprivileged(program, own);
  EXPECT_EQ(temp.Bytes("home/marrowick/save0.dat"), std::vector<uint8_t>(510, 1));
  EXPECT_EQ(temp.Bytes("home/marrowick/options.dat").size(), 12u);
  EXPECT_NE(said.find("copied your progress"), std::string::npos) << said;

  // The player's folder has files of its own now: nothing is copied over them.
  temp.Write("usr/games/save0.dat", std::vector<uint8_t>(510, 2));
  ChooseUnprivileged(program, own);
  EXPECT_EQ(temp.Bytes("home/marrowick/save0.dat"), std::vector<uint8_t>(510, 1));
  EXPECT_EQ(said.find("copied"), std::string::npos) << said;
}

TEST_F(GameFoldersTest, WithNoFolderToWriteThePlayerIsToldAndPlayGoesOn) {
  const GameFolders chosen = ChooseUnprivileged(install / "games", install / "nowhere");
  EXPECT_EQ(chosen.player, "");
  EXPECT_NE(said.find("will not be saved"), std::string::npos) << said;
}

TEST_F(GameFoldersTest, DataPathsGoToTheDataFolderAndTheRestStayWithThePlayer) {
  EXPECT_TRUE(platform::IsDataPath("media\\logo.png"));
  EXPECT_TRUE(platform::IsDataPath("levels\\12.lvl"));
  EXPECT_TRUE(platform::IsDataPath("chest.ico"));
  EXPECT_FALSE(platform::IsDataPath("save0.dat"));
  EXPECT_FALSE(platform::IsDataPath("mediafile.dat"));
  EXPECT_FALSE(platform::IsDataPath("2026-12-08 screen1.png"));

  platform::UseGameFolders({"/usr/share/marrowick", "/home/p/.local/share/marrowick"});
  EXPECT_EQ(platform::HostPath("media\\logo.png"), "/usr/share/marrowick/media/logo.png");
  EXPECT_EQ(platform::HostPath("options.dat"), "options.dat");
}
