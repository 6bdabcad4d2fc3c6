#include <filesystem>

#include "menus/tutorial_page.h"
#include "puzzle/level_file.h"
#include "puzzle_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

class LevelFileTest : public PuzzleTest {};

const Picture Corridor = {
    "####################",
    "#S.......a.A......E#",
    "####################",
};

Bytes Ints(std::initializer_list<int32_t> values) {
  Bytes bytes;
  for (int32_t v : values) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
  }
  return bytes;
}

TEST_F(LevelFileTest, SaveWritesTheCurrentLayoutByteForByte) {
  auto map = std::make_shared<mapType>();
  map->number = 12;
  map->artStyle = 2;
  map->tiles = GridOf(Corridor);
  map->tiles[19][13] = 25;
  map->SetShift(-3, 7);
  map->Save(1);

  const Bytes bytes = folder.Bytes("levels/12.lvl");
  ASSERT_EQ(bytes.size(), 1140u);
  EXPECT_EQ(IntAt(bytes, 0), 2);
  EXPECT_EQ(IntAt(bytes, 4), 2);
  EXPECT_EQ(IntAt(bytes, 8), -1);
  EXPECT_EQ(IntAt(bytes, 12 + 4 * (14 * 1 + 1)), 1);  // the start at (1, 1): x is the outer index
  EXPECT_EQ(IntAt(bytes, 12 + 4 * (14 * 18 + 1)), 2);
  EXPECT_EQ(IntAt(bytes, 1128), 25);  // cell (19, 13)
  EXPECT_EQ(IntAt(bytes, 1132), -3);
  EXPECT_EQ(IntAt(bytes, 1136), 7);
  EXPECT_EQ(bytes, LevelBytes(map->tiles, -3, 7, 2));

  // Loading and saving again gives the same bytes.
  auto loaded = mapType::Create(12);
  EXPECT_EQ(loaded->tiles, map->tiles);
  EXPECT_EQ(loaded->startX, 1);
  EXPECT_EQ(loaded->exitX, 18);
  EXPECT_EQ(loaded->exitY, 1);
  EXPECT_EQ(loaded->shiftX, -3);
  EXPECT_EQ(loaded->shiftY, 7);
  loaded->Save(1);
  EXPECT_EQ(folder.Bytes("levels/12.lvl"), bytes);
}

TEST_F(LevelFileTest, QuickSaveKeepsABackupOfTheOldFile) {
  WriteLevel(4, Corridor);
  const Bytes old = folder.Bytes("levels/4.lvl");
  std::filesystem::create_directory(folder.Path() / "! map backups");

  auto map = mapType::Create(4);
  map->SetTile(5, 5, 0);
  map->Save(1);
  EXPECT_EQ(folder.Bytes("! map backups/4.lvl"), old);
  EXPECT_NE(folder.Bytes("levels/4.lvl"), old);
  EXPECT_EQ(mapType::Create(4)->tiles, map->tiles);

  // Without the backup folder the save still happens.
  std::filesystem::remove_all(folder.Path() / "! map backups");
  map->SetTile(6, 6, 3);
  map->Save(1);
  EXPECT_EQ(mapType::Create(4)->tiles[6][6], 3);
}

TEST_F(LevelFileTest, AFileThatCannotBeCreatedStopsTheProgram) {
  std::filesystem::remove_all(folder.Path() / "levels");
  auto map = std::make_shared<mapType>();
  // exit(-1): POSIX hosts report its low byte, 255; Windows reports -1 itself.
  const auto exitedWithMinusOne = [](int status) {
    return ::testing::ExitedWithCode(255)(status) || ::testing::ExitedWithCode(-1)(status);
  };
  EXPECT_EXIT(map->Save(1), exitedWithMinusOne, "could not open file");
}

TEST_F(LevelFileTest, TheOlderLayoutHasTheGridRightAfterTheVersion) {
  TileGrid grid = GridOf(Corridor);
  Bytes bytes = Ints({1});
  for (const auto& column : grid) {
    for (int code : column) {
      const Bytes one = Ints({code});
      bytes.insert(bytes.end(), one.begin(), one.end());
    }
  }
  const Bytes shift = Ints({4, -2});
  bytes.insert(bytes.end(), shift.begin(), shift.end());
  folder.Write("levels/37.lvl", bytes);

  auto map = mapType::Create(37);
  EXPECT_EQ(map->tiles, grid);
  EXPECT_EQ(map->shiftX, 4);
  EXPECT_EQ(map->shiftY, -2);
  EXPECT_EQ(map->artStyle, 7);
}

TEST_F(LevelFileTest, TheArtStyleFollowsTheNumberNotTheFile) {
  folder.Write("levels/37.lvl", LevelBytes(GridOf(Corridor), 0, 0, 3));
  EXPECT_EQ(mapType::Create(37)->artStyle, 7);
  folder.Write("levels/80.lvl", LevelBytes(GridOf(Corridor), 0, 0, 3));
  EXPECT_EQ(mapType::Create(80)->artStyle, 16);
}

TEST_F(LevelFileTest, MissingShortAndLongFilesLoadWhatTheyHold) {
  // Missing: all void, no exit, only the loading line.
  auto missing = mapType::Create(50);
  EXPECT_EQ(missing->tiles, TileGrid{});
  EXPECT_EQ(missing->exitX, -1);
  EXPECT_EQ(missing->exitY, -1);
  EXPECT_TRUE(Logged("Loading map 50.lvl"));

  // 12 bytes: the header only.
  folder.Write("levels/51.lvl", Ints({2, 0, -1}));
  auto header = mapType::Create(51);
  EXPECT_EQ(header->tiles, TileGrid{});
  EXPECT_EQ(header->shiftX, 0);
  EXPECT_EQ(header->shiftY, 0);
  EXPECT_EQ(header->exitX, -1);

  // Reloading from a short file keeps the cells the file does not reach.
  auto reloaded = mapType::Create(52);
  reloaded->tiles = GridOf(Corridor);
  folder.Write("levels/52.lvl", Ints({2, 0, -1, 3, 3, 3}));
  reloaded->Load();
  EXPECT_EQ(reloaded->tiles[0][0], 3);
  EXPECT_EQ(reloaded->tiles[0][2], 3);
  EXPECT_EQ(reloaded->tiles[0][3], 0);
  EXPECT_EQ(reloaded->tiles[18][1], 2);
  EXPECT_EQ(reloaded->exitX, 18);

  // Bytes after the shift are ignored.
  Bytes longer = LevelBytes(GridOf(Corridor), 1, 2);
  longer.resize(5000, 0xAB);
  folder.Write("levels/53.lvl", longer);
  auto big = mapType::Create(53);
  EXPECT_EQ(big->tiles, GridOf(Corridor));
  EXPECT_EQ(big->shiftX, 1);
  EXPECT_EQ(big->shiftY, 2);
}

TEST_F(LevelFileTest, TheLastStartAndExitInScanOrderWin) {
  WriteLevel(9, {
                    "S........S..........",
                    "....E...............",
                    ".........S..........",
                    "E...................",
                });
  auto map = mapType::Create(9);
  EXPECT_EQ(map->startX, 9);
  EXPECT_EQ(map->startY, 2);
  EXPECT_EQ(map->exitX, 4);
  EXPECT_EQ(map->exitY, 1);

  // Without a start the ball begins at 0/0.
  WriteLevel(10, {"....E..............."});
  auto noStart = mapType::Create(10);
  noStart->Restart();
  EXPECT_EQ(noStart->ball->cellX, 0);
  EXPECT_EQ(noStart->ball->cellY, 0);
}

TEST_F(LevelFileTest, LoadingSetsTheLocksToHowTheyStart) {
  auto map = std::make_shared<mapType>();
  map->lockState = {2, 2};
  map->lockTimer = {17, 40};
  map->Load();
  EXPECT_EQ(map->lockState, (std::array<int, 2>{0, 1}));
  EXPECT_EQ(map->lockInitial, (std::array<int, 2>{0, 1}));
  EXPECT_EQ(map->lockTimer, (std::array<int, 2>{17, 40}));  // left for Restart
  map->Restart();
  EXPECT_EQ(map->lockTimer, (std::array<int, 2>{0, 0}));
}

TEST_F(LevelFileTest, FilesOfNoiseLoadAndPlayWithoutHarm) {
  for (int seed = 1; seed <= 30; ++seed) {
    platform::SeedRnd(seed);
    Bytes bytes(static_cast<size_t>(platform::Rand(0, 1300)));
    for (auto& b : bytes) b = static_cast<uint8_t>(platform::Rand(0, 255));
    // Small codes, the unknown ones among them, hit the interesting cases more often.
    for (size_t i = 12; i + 4 <= bytes.size(); i += 4) {
      if (platform::Rand(0, 1) == 0) {
        const Bytes code = Ints({platform::Rand(-3, 40)});
        std::copy(code.begin(), code.end(), bytes.begin() + static_cast<long>(i));
      }
    }
    folder.Write("levels/" + std::to_string(seed) + ".lvl", bytes);
    level.CurrentMap = mapType::Create(seed);
    level.LevelStart = levelStartType::Create(0, 0, 0);
    level.LevelStart->Start(level);
    const Request requests[] = {Up, Down, Left, Right, SkipRequest, nullptr};
    for (int i = 0; i < 400; ++i) Step(requests[platform::Rand(0, 5)]);
    const ballType& ball = Ball();
    EXPECT_TRUE(ball.subX == 0 || ball.subY == 0);
    EXPECT_LE(std::abs(ball.subX) + std::abs(ball.subY), 2);
    for (int state : level.CurrentMap->lockState) EXPECT_TRUE(state >= 0 && state <= 2);
  }
}

TEST_F(LevelFileTest, CellOperations) {
  auto map = std::make_shared<mapType>();
  EXPECT_EQ(map->TileKind(-1, 0), -2);
  EXPECT_EQ(map->TileKind(20, 0), -2);
  EXPECT_EQ(map->TileKind(0, 14), -2);
  EXPECT_EQ(map->TileKind(19, 13), 0);
  EXPECT_EQ(map->CanEnter(-1, 5), 1);

  map->SetTile(20, 3, 3);
  map->SetTile(3, -1, 3);
  EXPECT_EQ(map->tiles, TileGrid{});

  for (int i = 0; i < 50; ++i) {
    map->SetTile(i % 20, i % 14, 0);
    EXPECT_GE(map->tiles[i % 20][i % 14], 10);
    EXPECT_LE(map->tiles[i % 20][i % 14], 15);
  }
  map->SetTile(2, 3, 1);
  map->SetTile(4, 5, 1);
  EXPECT_EQ(map->tiles[2][3], 1);  // the old start stays
  EXPECT_EQ(map->startX, 4);
  EXPECT_EQ(map->startY, 5);
  map->SetTile(7, 8, 2);
  EXPECT_EQ(map->exitX, 7);
  map->SetTile(1, 1, 7);
  EXPECT_EQ(map->TileKind(1, 1), 7);
  EXPECT_EQ(map->CanEnter(1, 1), 1);

  map->protectLeft = 0, map->protectRight = 3, map->protectTop = 2, map->protectBottom = 4;
  EXPECT_EQ(map->IsEditable(3, 4), 0);
  EXPECT_EQ(map->IsEditable(4, 4), 1);
  EXPECT_EQ(map->IsEditable(0, 1), 1);
  map->ClearProtection();
  EXPECT_EQ(map->IsEditable(0, 0), 1);

  map->SetShift(2, -3);
  EXPECT_EQ(map->ScrollTargetX(), -64);
  EXPECT_EQ(map->ScrollTargetY(), 96);
}

TEST_F(LevelFileTest, CopyingTheExitStripStartsTheNextMapThere) {
  auto source = std::make_shared<mapType>();
  source->tiles = GridOf({"", "", "", "", "", "", "S..........#.......E"});
  auto next = std::make_shared<mapType>();
  next->CopyRegion(*source, 19, 0, 19, 13, 0, 0, 1);
  EXPECT_EQ(next->tiles[0][6], 1);
  EXPECT_EQ(next->startX, 0);
  EXPECT_EQ(next->startY, 6);
  EXPECT_EQ(next->IsEditable(0, 13), 0);
  EXPECT_EQ(next->IsEditable(1, 6), 1);

  next->CopyRegion(*source, 0, 6, 11, 6, 10, 0, 1);
  EXPECT_EQ(next->tiles[10][0], 3);  // the source's start becomes floor
  EXPECT_EQ(next->tiles[19][0], 3);  // the wall that would land off the board is left out

  // Randomizing leaves the protected strip alone.
  next->Randomize(8);
  EXPECT_EQ(next->tiles[10][0], 3);
  EXPECT_EQ(next->tiles[14][0], 3);
}

}  // namespace
