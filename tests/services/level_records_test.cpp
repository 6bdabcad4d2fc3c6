#include <gtest/gtest.h>

#include "platform/files/stream.h"
#include "platform/stream_temp_folder.h"
#include "services/level_records.h"

using Bytes = std::vector<uint8_t>;

namespace {

class LevelRecordsTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::SetRenameHook({}); }

  LevelRecords Loaded() {
    LevelRecords records;
    records.Load();
    return records;
  }

  TempFolder folder;
};

}  // namespace

TEST_F(LevelRecordsTest, FilesOfEveryShapeLoadSafely) {
  struct Case {
    const char* what;
    Bytes bytes;
    LevelRecord level0, level1;
  };
  Bytes whole(LevelRecords::LevelCount * LevelRecords::BytesPerLevel, 0);
  whole[0] = 0x34, whole[1] = 0x12, whole[2] = 9, whole[3] = 1;
  Bytes longer = whole;
  longer.insert(longer.end(), 100, 0xFF);
  const Case cases[] = {
      {"empty", {}, {}, {}},
      {"one level", {7, 0, 0, 1}, {7, true, 0}, {}},
      {"cut inside the second level", {7, 0, 2, 0, 5}, {7, false, 2}, {}},
      {"par without a best", {0, 0, 3, 1}, {0, false, 3}, {}},
      {"flag bits the game does not use", {4, 0, 0, 0xFE, 4, 0, 0, 0xFF}, {4, false, 0}, {4, true, 0}},
      {"whole", whole, {0x1234, true, 9}, {}},
      {"longer than the levels there are", longer, {0x1234, true, 9}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    folder.Write("records.dat", c.bytes);
    const LevelRecords records = Loaded();
    for (const auto& [level, expected] : {std::pair{0, c.level0}, std::pair{1, c.level1}}) {
      EXPECT_EQ(records.Of(level).bestMoves, expected.bestMoves) << level;
      EXPECT_EQ(records.Of(level).atPar, expected.atPar) << level;
      EXPECT_EQ(records.Of(level).hints, expected.hints) << level;
    }
    EXPECT_EQ(records.Of(LevelRecords::LevelCount).bestMoves, 0);
    EXPECT_EQ(records.Of(-1).bestMoves, 0);
  }
}

// The best only gets better, par is met only without hints, and the file holds
// exactly what was noted.
TEST_F(LevelRecordsTest, SolvesAndHintsAreKeptAndReadBack) {
  LevelRecords records;
  records.Load();
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "records.dat"));
  records.NoteSolved(3, 12, 8, 0);
  records.NoteSolved(3, 15, 8, 0);
  records.NoteHint(5);
  records.NoteHint(5);
  records.NoteSolved(5, 6, 6, 2);
  records.NoteSolved(80, 70000, 10, 0);
  records.NoteSolved(81, 3, 3, 0);
  records.NoteSolved(4, 0, 3, 0);

  const Bytes bytes = folder.Bytes("records.dat");
  ASSERT_EQ(bytes.size(), 81u * 4);
  EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.begin() + 24), (Bytes{12, 0, 0, 0, 0, 0, 0, 0, 6, 0, 2, 0}));
  EXPECT_EQ(Bytes(bytes.end() - 4, bytes.end()), (Bytes{0xFF, 0xFF, 0, 0}));

  records.NoteSolved(3, 8, 8, 0);
  const LevelRecords reread = Loaded();
  EXPECT_EQ(reread.Of(3).bestMoves, 8);
  EXPECT_TRUE(reread.Of(3).atPar);
  EXPECT_FALSE(reread.Of(5).atPar);
  EXPECT_EQ(reread.Of(5).hints, 2);
  EXPECT_EQ(reread.Of(80).bestMoves, LevelRecords::MostMoves);
}

TEST_F(LevelRecordsTest, AFailedSaveKeepsTheOldFile) {
  LevelRecords records;
  records.NoteSolved(0, 5, 5, 0);
  const Bytes before = folder.Bytes("records.dat");
  platform::SetRenameHook([](const std::string&, const std::string&) { return false; });
  records.NoteSolved(1, 9, 5, 0);
  EXPECT_EQ(records.Of(1).bestMoves, 9);  // play goes on in memory
  EXPECT_EQ(folder.Bytes("records.dat"), before);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"records.dat"});

  // A folder in the file's place is left as it is.
  platform::SetRenameHook({});
  std::filesystem::remove(folder.Path() / "records.dat");
  std::filesystem::create_directories(folder.Path() / "records.dat" / "kept");
  LevelRecords blocked;
  blocked.Load();
  blocked.NoteSolved(0, 5, 5, 0);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "records.dat" / "kept"));
}
