// A player's folder may be named in any letters: on Windows a user name with
// an accent puts one into %APPDATA%. Every way the game reaches a file must
// get there, for the player's own files and for the game's data alike.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/file_stream.h"
#include "platform/files/folder_lock.h"
#include "platform/files/folder_sync.h"
#include "platform/files/game_folders.h"
#include "platform/files/host_file.h"
#include "platform/codecs/image_codec.h"
#include "platform/codecs/sound_decoders.h"
#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"

namespace fs = std::filesystem;

namespace {

// "Jos\u00e9 \u03a9mega" and a CJK pair, spelled as UTF-8 bytes.
const std::string kPlayerFolderName = "Jos\xC3\xA9 \xCE\xA9mega";
const std::string kDataFolderName = "\xE9\x81\x8A\xE6\x88\xB2";

class Utf8FolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    player = platform::Utf8FromPath(temp.Path()) + "/" + kPlayerFolderName;
    data = platform::Utf8FromPath(temp.Path()) + "/" + kDataFolderName;
    fs::create_directories(platform::PathFromUtf8(player));
    fs::create_directories(platform::PathFromUtf8(data) / "media");
    const platform::GameFolders chosen = platform::ChooseGameFolders(data, [] { return std::string(); });
    platform::UseGameFolders({chosen.data, player});
    fs::current_path(platform::PathFromUtf8(player));
  }
  void TearDown() override { platform::UseGameFolders({}); }

  TempFolder temp;
  std::string player;
  std::string data;
};

}  // namespace

TEST_F(Utf8FolderTest, TheChoiceOfFoldersKeepsTheNameAsItWasGiven) {
  EXPECT_EQ(platform::CurrentGameFolders().data, data);
}

TEST_F(Utf8FolderTest, SavesSyncsLocksCopiesAndDeletesReachAFolderNamedInOtherLetters) {
  const std::vector<uint8_t> bytes = {'s', 'a', 'v', 'e', 0, 1, 2};
  ASSERT_TRUE(platform::WriteFileAtomically("save0.dat", [&](platform::StreamObject& out) {
    return out.WriteBytes(bytes.data(), bytes.size()) == bytes.size();
  }));
  ASSERT_TRUE(fs::exists(platform::PathFromUtf8(player) / "save0.dat"));
  // The save's rename is pushed into this folder, and the folder can be kept by one copy of the game.
  EXPECT_TRUE(platform::SyncFolder(player));
  EXPECT_EQ(platform::FolderLock(player).state(), platform::FolderLock::State::Held);
  EXPECT_TRUE(platform::FileExists("save0.dat"));
  EXPECT_FALSE(platform::FileUnreadable("save0.dat"));
  EXPECT_EQ(platform::FileSize("save0.dat"), int64_t(bytes.size()));

  ASSERT_TRUE(platform::CopyFile("save0.dat", "copy.dat"));
  platform::Stream copy = platform::ReadFile("copy.dat");
  ASSERT_TRUE(copy);
  std::vector<uint8_t> read(bytes.size() + 1);
  EXPECT_EQ(copy->ReadBytes(read.data(), read.size()), bytes.size());
  read.resize(bytes.size());
  EXPECT_EQ(read, bytes);
  copy.reset();

  EXPECT_TRUE(platform::DeleteFile("copy.dat"));
  EXPECT_FALSE(platform::FileExists("copy.dat"));
}

TEST_F(Utf8FolderTest, PicturesAndSoundsAreReadFromTheDataFolder) {
  platform::PixelBuffer picture;
  picture.width = 2;
  picture.height = 1;
  picture.pixels = {0xFF0000FFu, 0xFF00FF00u};
  const std::string hostPath = platform::HostFilePath("media\\dot.png");
  EXPECT_EQ(hostPath.rfind(data, 0), 0u) << hostPath;
  ASSERT_TRUE(platform::EncodePngFile(picture, hostPath, 6));
  const std::optional<platform::PixelBuffer> decoded = platform::DecodeImageFile(hostPath);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->pixels, picture.pixels);

  for (const char* sound : {"chimes.wav", "ooh.ogg"}) {
    fs::copy_file(fs::path(MARROWICK_TEST_GAME_DIR) / "media" / sound, platform::PathFromUtf8(data) / "media" / sound);
    EXPECT_TRUE(platform::DecodeSoundFile(platform::HostFilePath(std::string("media\\") + sound))) << sound;
  }
}
