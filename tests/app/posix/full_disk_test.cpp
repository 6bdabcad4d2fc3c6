// Saves on a full disk: the player is shown why over the game, standard error
// hears it once, the old files stay as they were, and the next save tries again.

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "app/game_controller.h"
#include "app/play_screen_fixture.h"
#include "platform/files/game_folders.h"
#include "services/options_file.h"
#include "services/resources.h"
#include "support/grabbed_frame.h"

namespace fs = std::filesystem;

namespace {

const Picture kCorridor = {
    "####################",
    "#S................E#",
    "####################",
};

// The notice's yellow letters within its band at the top of the screen.
int NoticeLetterPixels() {
  const Frame frame = GrabFrame();
  int count = 0;
  for (int y = 4; y < 40; ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      const uint32_t rgb = frame.At(x, y);
      const int r = (rgb >> 16) & 255, g = (rgb >> 8) & 255, b = rgb & 255;
      count += r > 200 && g > 170 && b < 160 ? 1 : 0;
    }
  }
  return count;
}

int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace

class FullDiskTest : public PlayScreenTest {
 protected:
  void SetUp() override {
    PlayScreenTest::SetUp();
    if (geteuid() != 0) GTEST_SKIP() << "filling a small file system of its own needs root to mount it";
    fs::create_directory(disk);
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
      GTEST_SKIP() << "no tmpfs could be mounted: " << std::strerror(errno);
    }
    mounted = true;
    HideGoldenPictures();
    // The levels stay in the test's folder; the player's files go to the small disk.
    platform::UseGameFolders({folder.Path().string(), ""});
    fs::current_path(disk);
    fake.extraPerSleep = 16;
  }
  void TearDown() override {
    fs::current_path(folder.Path());
    if (mounted) {
      HideGoldenPictures();
      umount2(disk.c_str(), MNT_DETACH);
    }
    platform::UseGameFolders({});
    PlayScreenTest::TearDown();
  }

  // The notice is found by its yellow letters at the top of the screen, where
  // the backgrounds' flowers and the frame picture's golden title are too
  // once an earlier test in the same process has loaded the game's media: the
  // test runs without them, and a second call brings them back.
  void HideGoldenPictures() {
    std::swap(backgrounds, hiddenBackgrounds);
    std::swap(borderImage, hiddenFrame);
    currentBackground = {};
    backgroundIndex = -1;
  }

  void FillTheDisk() const {
    std::ofstream filler(disk / "filler", std::ios::binary);
    const std::vector<char> block(4096, 'x');
    while (filler.write(block.data(), block.size()) && filler.flush()) {
    }
  }

  std::vector<uint8_t> Bytes(const char* name) const {
    std::ifstream in(disk / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path disk = folder.Path() / "disk";
  bool mounted = false;
  FakeClock fake;
  decltype(backgrounds) hiddenBackgrounds;
  platform::TImage hiddenFrame;
};

TEST_F(FullDiskTest, TheNoticeShowsTheOldFilesStayAndTheNextSaveTriesAgain) {
  WriteLevel(1, kCorridor);
  StartAt(1);
  OptionsFile::SaveOptions(0.5f, 1.5f, 0);
  const std::vector<uint8_t> oldSave = Bytes("save0.dat"), oldOptions = Bytes("options.dat");
  ASSERT_EQ(oldSave.size(), 510u);
  ASSERT_EQ(oldOptions.size(), 12u);
  FillTheDisk();

  testing::internal::CaptureStderr();
  progress->MarkLevelFinished(1, 1);
  Step();
  const std::string progressFailed = "Progress could not be saved: the disk is full";
  EXPECT_EQ(gameController->saveNotice.Lines(), std::vector<std::string>{progressFailed});
  gameController->DrawPlayFrame();
  EXPECT_GT(NoticeLetterPixels(), 100);
  progress->SaveProgress();

  // Quitting with the disk still full: progress is tried once more, the
  // options and settings fail too, and all are shown before the window goes.
  const int32_t quitAt = fake.now;
  gameController->Shutdown(0);
  EXPECT_GE(fake.now - quitAt, SaveNotice::ShownSteps * 16);
  EXPECT_EQ(gameController->saveNotice.Lines(),
            (std::vector<std::string>{progressFailed, "Options could not be saved: the disk is full",
                                      "Settings could not be saved: the disk is full"}));
  gameController->DrawPlayFrame();
  EXPECT_EQ(NoticeLetterPixels(), 0) << "faded out";

  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(Occurrences(said, "Marrowick: " + progressFailed + "\n"), 1) << said;
  EXPECT_EQ(Occurrences(said, "Marrowick: Options could not be saved: the disk is full\n"), 1) << said;
  EXPECT_EQ(Occurrences(said, "Marrowick: Settings could not be saved: the disk is full\n"), 1) << said;
  EXPECT_EQ(Bytes("save0.dat"), oldSave);
  EXPECT_EQ(Bytes("options.dat"), oldOptions);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(disk)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"filler", "options.dat", "save0.dat"}));

  // Room again: the next save writes what the failed ones could not.
  fs::remove(disk / "filler");
  progress->SaveIfUnsaved();
  EXPECT_EQ(Bytes("save0.dat")[1], Progress::Solved);
  EXPECT_EQ(Bytes("save0.dat")[2], Progress::Open);
}
