#include "services/progress_bundle.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/stream_temp_folder.h"
#include "services/level_records.h"
#include "services/options_file.h"
#include "services/progress.h"
#include "services/settings_file.h"

using Bytes = std::vector<uint8_t>;

namespace {

const char* const PlayerFileNames[] = {"save0.dat", "options.dat", "records.dat", "settings.dat"};

// A bundle laid out as the header of progress_bundle.h describes it.
Bytes BundleOf(const std::vector<std::pair<std::string, Bytes>>& files, int version = 1) {
  Bytes bundle = {'M', 'R', 'W', 'K', 'P', 'R', 'O', 'G', static_cast<uint8_t>(version),
                  static_cast<uint8_t>(files.size())};
  for (const auto& [name, bytes] : files) {
    bundle.push_back(static_cast<uint8_t>(name.size()));
    bundle.insert(bundle.end(), name.begin(), name.end());
    for (int shift = 0; shift < 32; shift += 8) bundle.push_back(static_cast<uint8_t>(bytes.size() >> shift));
    bundle.insert(bundle.end(), bytes.begin(), bytes.end());
  }
  return bundle;
}

class ProgressBundleTest : public ::testing::Test {
 protected:
  // What a player has after a little play: every file the game keeps.
  void Play() {
    auto progress = Progress::Create(0);
    progress->MarkLevelFinished(0, 1);
    progress->MarkLevelFinished(1, 0);
    progress->MarkTutorialSeen(0);
    progress->SaveProgress();
    OptionsFile::SaveOptions(0.5f, 1.25f, 1);
    LevelRecords records;
    records.NoteSolved(0, 12, 12, 0);
    PlayerSettings settings;
    settings.reduceFlashing = true;
    SettingsFile::Save(settings);
  }

  std::vector<Bytes> PlayerFiles() const {
    std::vector<Bytes> files;
    for (const char* name : PlayerFileNames) files.push_back(folder.Bytes(name));
    return files;
  }

  TempFolder folder;
};

}  // namespace

// What one game exports another takes whole, including a save the game had to
// read with care (a byte that is no level state); files the bundle does not
// hold are left alone.
TEST_F(ProgressBundleTest, ExportedProgressImportsElsewhere) {
  EXPECT_TRUE(ExportProgress().empty()) << "nothing to export before any play";
  Play();
  Bytes save = folder.Bytes("save0.dat");
  save[40] = 0xEE;
  folder.Write("save0.dat", save);
  const Bytes bundle = ExportProgress();
  ASSERT_TRUE(IsProgressBundle(bundle));
  auto exported = PlayerFiles();
  exported[0][40] = Progress::Locked;

  for (const char* name : PlayerFileNames) folder.Write(name, {});
  folder.Write("keep.dat", {1, 2, 3});
  EXPECT_EQ(ImportProgress(bundle), ImportOutcome::Replaced);
  EXPECT_EQ(PlayerFiles(), exported);
  EXPECT_EQ(folder.Bytes("keep.dat"), (Bytes{1, 2, 3}));
  EXPECT_EQ(Progress::Create(0)->LevelState(1), Progress::Skipped);

  // A bundle of the save alone leaves the other files as they are.
  const Bytes fresh(Progress::LevelCount + Progress::TutorialPageCount, Progress::Locked);
  Bytes opened = fresh;
  opened[0] = Progress::Open;
  EXPECT_EQ(ImportProgress(BundleOf({{"save0.dat", opened}})), ImportOutcome::Replaced);
  EXPECT_EQ(folder.Bytes("save0.dat"), opened);
  EXPECT_EQ(folder.Bytes("options.dat"), exported[1]);
  EXPECT_EQ(folder.Names().size(), 5u) << "no file of the import left behind";
}

// Anything but a bundle of files the game wrote is refused whole, and the
// player's files stay as they were.
TEST_F(ProgressBundleTest, ForeignOrDamagedBundlesChangeNothing) {
  Play();
  const auto before = PlayerFiles();
  const Bytes& save = before[0];
  const Bytes& options = before[1];
  const Bytes good = BundleOf({{"save0.dat", save}, {"options.dat", options}});
  ASSERT_TRUE(IsProgressBundle(good));

  Bytes outOfRange = save;
  outOfRange[3] = 9;
  Bytes louder = options;
  louder[3] = 0x7F;  // the effects volume far past the loudest
  Bytes tooLarge = good;
  tooLarge.resize(LargestProgressBundle + 1);
  Bytes wrongMagic = good;
  wrongMagic[0] = 'X';
  Bytes countPastEntries = good;
  countPastEntries[9] = 3;
  Bytes sizePastEnd = BundleOf({{"save0.dat", save}});
  sizePastEnd[10 + 1 + 9 + 1] = 0x02;  // the size's second byte: 512 more bytes than there are
  const struct {
    const char* what;
    Bytes bundle;
  } cases[] = {
      {"empty", {}},
      {"cut short", Bytes(good.begin(), good.end() - 1)},
      {"a byte past the last file", [&] { Bytes b = good; b.push_back(0); return b; }()},
      {"larger than any bundle", tooLarge},
      {"another kind of file", wrongMagic},
      {"a later version", BundleOf({{"save0.dat", save}}, 2)},
      {"no files", BundleOf({})},
      {"more files than it holds", countPastEntries},
      {"a size past the end", sizePastEnd},
      {"a path out of the folder", BundleOf({{"save0.dat", save}, {"../options.dat", options}})},
      {"a file the game has not", BundleOf({{"save0.dat", save}, {"save1.dat", save}})},
      {"the same file twice", BundleOf({{"save0.dat", save}, {"save0.dat", save}})},
      {"no progress", BundleOf({{"options.dat", options}})},
      {"a level state out of range", BundleOf({{"save0.dat", outOfRange}})},
      {"a save cut short", BundleOf({{"save0.dat", Bytes(save.begin(), save.end() - 1)}})},
      {"a volume out of range", BundleOf({{"save0.dat", save}, {"options.dat", louder}})},
      {"settings the game would pass over", BundleOf({{"save0.dat", save}, {"settings.dat", {'x', ' ', '1', '\n'}}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(IsProgressBundle(c.bundle));
    EXPECT_EQ(ImportProgress(c.bundle), ImportOutcome::NotABundle);
    EXPECT_EQ(PlayerFiles(), before);
  }
}
