// Drawing a map with the game's media: what each kind of cell shows in play and
// in the editor, the glow the ball leaves, the locks fading, and unknown codes.

#include "draw_fixture.h"
#include "puzzle/editor_mode.h"

using namespace platform;

namespace {

void Tile(int frame, int x, int y) { DrawImage(currentTileSet, CellX(x), CellY(y), frame); }
void Border(int x, int y) { DrawImage(tileBorderImage, CellX(x), CellY(y)); }
void Mark(int frame, int x, int y) { DrawImage(boardMarksImage, CellX(x), CellY(y), frame); }
constexpr int GatewayClosedMark = 0, GatewayOpenMark = 1;

// The 32 x 32 pixels of cell (x, y) in a frame.
std::vector<uint32_t> CellOf(const std::vector<uint32_t>& frame, int x, int y) {
  std::vector<uint32_t> cell;
  const int left = static_cast<int>(CellX(x)) - 16, top = static_cast<int>(CellY(y)) - 16;
  for (int row = top; row < top + 32; ++row) {
    for (int col = left; col < left + 32; ++col) cell.push_back(frame[static_cast<size_t>(row) * 800 + col]);
  }
  return cell;
}

using MapDrawing = DrawTest;

TEST_F(MapDrawing, AWallBesideARestingBallGlowsAtTwentyTwoThirtiethsAndFadesAfterItLeaves) {
  Play(FloorWith({{3, 5, 'S'}, {4, 5, '#'}}));
  Step();  // the ball lights its neighbours to 25; the map's step then decays them
  ASSERT_EQ(level.CurrentMap->glow[4][5], 24);

  auto wallWithGlow = [](float alpha) {
    return FrameOf([alpha] {
      Tile(0, 4, 5);
      SetBlend(LightBlend);
      SetAlpha(alpha);
      Tile(0, 4, 5);
    });
  };
  const auto plainWall = FrameOf([] { Tile(0, 4, 5); });
  EXPECT_TRUE(Same(CellOf(FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); }), 4, 5), CellOf(wallWithGlow(22 / 30.0f), 4, 5)));
  EXPECT_FALSE(Same(CellOf(wallWithGlow(22 / 30.0f), 4, 5), CellOf(wallWithGlow(23 / 30.0f), 4, 5)));
  // The map scrolling in is drawn without glow.
  EXPECT_TRUE(Same(CellOf(FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 0); }), 4, 5), CellOf(plainWall, 4, 5)));

  // With the ball gone the glow falls by 1/30 a step; at 2 and below nothing shows.
  level.CurrentMap->ball = nullptr;
  for (int step = 1; step <= 23; ++step) {
    Step();
    const int glow = 24 - step;
    ASSERT_EQ(level.CurrentMap->glow[4][5], glow);
    const auto drawn = CellOf(FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); }), 4, 5);
    if (glow > 2) {
      EXPECT_TRUE(Same(drawn, CellOf(wallWithGlow((glow - 2) / 30.0f), 4, 5))) << "glow " << glow;
    } else {
      EXPECT_TRUE(Same(drawn, CellOf(plainWall, 4, 5))) << "glow " << glow;
    }
  }
}

TEST_F(MapDrawing, LocksFadeWhileChangingAndOnlyTheColourThatStartsOpenHasABorder) {
  UseArtStyle(2);  // a style with tile borders
  level.CurrentMap = MapOf(FloorWith({{2, 2, 'A'}, {5, 2, 'B'}}));
  auto lockA = [](float alpha) {
    SetAlpha(alpha);
    Tile(0, 2, 2);
    DrawImage(keyTileImage, CellX(2), CellY(2), 0);
    SetAlpha(1);
  };
  auto lockB = [](float tileAlpha, float borderAlpha, float openMarkAlpha, float closedMarkAlpha) {
    SetAlpha(tileAlpha);
    Tile(0, 5, 2);
    SetAlpha(borderAlpha);
    Border(5, 2);
    SetAlpha(openMarkAlpha);
    Mark(GatewayOpenMark, 5, 2);
    SetAlpha(closedMarkAlpha);
    Mark(GatewayClosedMark, 5, 2);
    SetAlpha(1);
  };
  // An open gateway is a faint wall in a firmer frame with its silver frame;
  // closing, both firm up and its bars come down.
  auto gatewayB = [&lockB](float closed) {
    lockB(0.3f + 0.7f * closed, 0.8f + 0.2f * closed, 1.0f - closed, closed);
  };
  struct Case {
    int stateA, stateB, timer;
    float alphaA;  // 0: not drawn
    float closedB;
  } cases[] = {
      {0, 1, 0, 1.0f, 0.0f},   // as a level starts: A locked, B open
      {2, 2, 20, 0.5f, 0.5f},  // half-way: A opening, B closing
      {2, 2, 30, 0.25f, 0.75f},
      {1, 0, 40, 0.0f, 1.0f},  // changed: A open, B closed
  };
  for (const Case& c : cases) {
    level.CurrentMap->lockState = {c.stateA, c.stateB};
    level.CurrentMap->lockTimer = {c.timer, c.timer};
    const auto drawn = FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); });
    const auto expected = FrameOf([&] {
      if (c.alphaA > 0) lockA(c.alphaA);
      gatewayB(c.closedB);
    });
    EXPECT_TRUE(Same(drawn, expected)) << "states " << c.stateA << "/" << c.stateB << " timer " << c.timer;
  }

  // In the editor lock A is always a locked wall and lock B shows at half alpha.
  EditorMode = 1;
  level.CurrentMap->lockState = {1, 1};
  EXPECT_TRUE(Same(FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); }), FrameOf([&] {
                     lockA(1.0f);
                     lockB(0.5f, 0.5f, 0.0f, 0.5f);
                   })));
}

TEST_F(MapDrawing, AGatewayStandsApartFromFloorOpenAndFromWallClosedInEveryStyle) {
  // Mean difference per channel over the cell, 0-255.
  auto apart = [](const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
      sum += std::abs(Red(a[i]) - Red(b[i])) + std::abs(Green(a[i]) - Green(b[i])) + std::abs(Blue(a[i]) - Blue(b[i]));
    return sum / (3.0 * a.size());
  };
  for (int style = 0; style < static_cast<int>(tileSets.size()); ++style) {
    UseArtStyle(style);
    // A wall beside the gateway, both on the style's own floor.
    level.CurrentMap = MapOf(FloorWith({{5, 2, 'B'}, {6, 2, '#'}}));
    level.CurrentMap->tiles[6][2] = level.CurrentMap->wallMin;  // the look a lock is drawn in
    auto frame = [this](int state) {
      level.CurrentMap->lockState = {1, state};
      return FrameOf([this] {
        TileImage(currentBackground, 31, 0, 0);
        level.CurrentMap->Draw(Origin, Origin, 1);
      });
    };
    const auto open = frame(1), closed = frame(0);
    const auto floor = FrameOf([] { TileImage(currentBackground, 31, 0, 0); });
    EXPECT_GT(apart(CellOf(open, 5, 2), CellOf(floor, 5, 2)), 25.0) << "style " << style << ": open on the floor";
    EXPECT_GT(apart(CellOf(open, 5, 2), CellOf(closed, 5, 2)), 15.0) << "style " << style << ": open, not a wall";
    EXPECT_GT(apart(CellOf(closed, 5, 2), CellOf(closed, 6, 2)), 25.0) << "style " << style << ": closed beside a wall";
  }
}

TEST_F(MapDrawing, LocksGlowWhereTheyStandEvenWhenOpenIfTheirColourStartsOpen) {
  UseArtStyle(2);
  level.CurrentMap = MapOf(FloorWith({{2, 2, 'A'}, {5, 2, 'B'}}));
  level.CurrentMap->glow[2][2] = level.CurrentMap->glow[5][2] = 17;  // alpha 0.5
  level.CurrentMap->lockState = {1, 1};                        // both open: A shows nothing, B its faint gateway
  const auto drawn = FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); });
  const auto expected = FrameOf([] {
    SetAlpha(0.3f);
    Tile(0, 5, 2);
    SetAlpha(0.8f);
    Border(5, 2);
    SetAlpha(1.0f);
    Mark(GatewayOpenMark, 5, 2);
    SetBlend(LightBlend);
    SetAlpha(0.5f);
    Tile(0, 5, 2);
    Border(5, 2);
  });
  EXPECT_TRUE(Same(drawn, expected));
}

TEST_F(MapDrawing, KeysShowUntilUsedAndAlwaysInTheEditor) {
  level.CurrentMap = MapOf(FloorWith({{1, 1, 'a'}, {3, 1, 'b'}}));
  auto keys = [](bool a, bool b) {
    return FrameOf([=] {
      if (a) DrawImage(keyTileImage, CellX(1), CellY(1), 1);
      if (b) DrawImage(keyTileImage, CellX(3), CellY(1), 2);
    });
  };
  auto drawn = [this] { return FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); }); };
  EXPECT_TRUE(Same(drawn(), keys(true, true)));
  level.CurrentMap->lockState = {2, 1};  // key a used: its lock is opening
  EXPECT_TRUE(Same(drawn(), keys(false, true)));
  level.CurrentMap->lockState = {1, 0};  // both locks changed
  EXPECT_TRUE(Same(drawn(), keys(false, false)));
  EditorMode = 1;
  EXPECT_TRUE(Same(drawn(), keys(true, true)));
}

TEST_F(MapDrawing, FloorStartAndExitDrawNothingInPlayButMarkersInTheEditor) {
  level.CurrentMap = MapOf(FloorWith({{0, 0, 'S'}, {19, 13, 'E'}}));
  Clear(20, 40, 60);
  level.CurrentMap->Draw(Origin, Origin, 1);
  const auto frame = GrabFrame().Pixels();
  EXPECT_EQ(std::count(frame.begin(), frame.end(), 0x14283Cu), static_cast<long>(frame.size()));

  EditorMode = 1;
  const auto expected = FrameOf([] {
    SetColor(0, 255, 0);
    Tile(3, 0, 0);
    SetColor(255, 0, 0);
    Tile(2, 19, 13);
  });
  EXPECT_TRUE(Same(FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); }), expected));
}

TEST_F(MapDrawing, UnknownCodesAreWrittenAsBadFollowedByTheCode) {
  // 4, 5 and 6 answer the teleport, key and lock kinds without being any of them.
  level.CurrentMap = MapOf(FloorWith({}));
  const int codes[][3] = {{7, 2, 3}, {6, 5, 3}, {5, 8, 3}, {4, 11, 3}, {-3, 2, 8}, {99, 5, 8}};
  for (const auto& c : codes) level.CurrentMap->tiles[c[1]][c[2]] = c[0];
  for (int editor : {0, 1}) {
    EditorMode = editor;
    const auto expected = FrameOf([&] {
      for (const auto& c : codes) DrawText("Bad " + std::to_string(c[0]), CellX(c[1]), CellY(c[2]));
    });
    EXPECT_TRUE(Same(FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); }), expected)) << "editor " << editor;
  }
}

TEST_F(MapDrawing, WallsUseTheirLookAndTheStylesBorderVoidIsTintedAndTheOffsetMovesEverything) {
  level.CurrentMap = MapOf(FloorWith({{1, 1, ' '}, {4, 1, '#'}, {6, 1, '#'}}));
  level.CurrentMap->tiles[6][1] = 15;  // the sixth look
  level.CurrentMap->offsetX = 8;
  level.CurrentMap->offsetY = -5;
  for (int style : {1, 2}) {
    UseArtStyle(style);
    const auto expected = FrameOf([style] {
      SetOrigin(8, -5);
      SetColor(50, 50, 255);
      Tile(0, 1, 1);
      SetColor(255, 255, 255);
      Tile(0, 4, 1);
      if (style >= 2) Border(4, 1);
      Tile(5, 6, 1);
      if (style >= 2) Border(6, 1);
      SetOrigin(0, 0);
    });
    EXPECT_TRUE(Same(FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); }), expected)) << "style " << style;
  }
  // Every cell leaves the resting drawing state behind it.
  EXPECT_EQ(GetBlend(), AlphaBlend);
  EXPECT_EQ(GetAlpha(), 1.0f);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255);
}

TEST_F(MapDrawing, TeleportsShowTheirPipsAndTheEditorNumbersThemAndLightsTheProtectedCells) {
  EditorMode = 1;
  level.CurrentMap = MapOf(FloorWith({{3, 4, '3'}, {9, 4, '0'}}));  // codes 19 and 16
  level.CurrentMap->protectLeft = 0, level.CurrentMap->protectRight = 1;
  level.CurrentMap->protectTop = 12, level.CurrentMap->protectBottom = 13;
  // Both modes show each teleport's pips.
  auto pips = [] {
    Mark(3, 3, 4);  // the second pair: two pips
    Mark(2, 9, 4);  // the first: one
  };
  const auto expected = FrameOf([&pips] {
    pips();
    DrawImage(digitsImage, CellX(3), CellY(4), 3);
    DrawImage(digitsImage, CellX(9), CellY(4), 0);
    SetBlend(LightBlend);
    SetAlpha(0.1f);
    for (int x = 0; x <= 1; ++x) {
      for (int y = 12; y <= 13; ++y) Tile(0, x, y);
    }
  });
  EXPECT_TRUE(Same(FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); }), expected));

  EditorMode = 0;
  EXPECT_TRUE(Same(FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); }), FrameOf(pips)))
      << "numbers and protection show only in the editor";
}

// A map is drawn layer by layer when no cell reaches into another; the result
// must be what drawing it cell by cell gives. The reference draws one map per
// cell, each holding only that cell, in the board's order.
TEST_F(MapDrawing, ABusyMapLooksAsIfDrawnCellByCellAndInAFewBatches) {
  UseArtStyle(2);  // a bordered style
  level.CurrentMap = MapOf({"#a.A##B#b############",
                      "#  ...#.....S..E....",
                      "####################"});
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      if (y >= 3) level.CurrentMap->tiles[x][y] = tile::FirstWall + (x * 7 + y) % 6;
      level.CurrentMap->glow[x][y] = (x + 3 * y) % 28;
    }
  }
  level.CurrentMap->lockState = {2, 2};  // both colours half-way through a change
  level.CurrentMap->lockTimer = {20, 13};
  level.CurrentMap->offsetX = 5;

  auto cellByCell = [this] {
    for (int x = 0; x < board::Width; ++x) {
      for (int y = 0; y < board::Height; ++y) {
        mapType single = *level.CurrentMap;
        for (auto& column : single.tiles) column.fill(tile::Floor);
        single.tiles[x][y] = level.CurrentMap->tiles[x][y];
        single.Draw(Origin, Origin, 1);
      }
    }
  };
  GrabBackBuffer();
  const int64_t before = DrawCallCount();
  const auto layered = FrameOf([this] { level.CurrentMap->Draw(Origin, Origin, 1); });
  EXPECT_LE(DrawCallCount() - before, 30) << "the 280 cells share their batches";
  EXPECT_TRUE(Same(layered, FrameOf(cellByCell)));
}

}  // namespace
