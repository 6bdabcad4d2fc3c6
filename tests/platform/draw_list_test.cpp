// The recorded frame: how draws join into commands, how two frames compare,
// when a frame's first command paints the whole screen, and the runs of
// commands two frames share wherever they fall in each.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/render/draw_list.h"
#include "platform/render/graphics.h"

using namespace platform;

namespace {

constexpr ClipRect Screen{0, 0, 800, 600};

CommandState QuadState(unsigned texture, Blend blend, const ClipRect& clip) {
  CommandState state;
  state.texture.name = texture;
  state.blend = blend;
  state.clip = clip;
  return state;
}

// An upright quad as two triangles, as the renderer stores quads.
void AddQuad(DrawList& list, float left, float top, float right, float bottom, unsigned texture = 1,
             Blend blend = Blend::Solid, const ClipRect& clip = Screen, uint32_t colour = 0xFFFFFFFFu) {
  ListVertex* v = list.AddVertices(QuadState(texture, blend, clip), 6);
  const ListVertex a{left, top, 0, 0, colour}, b{right, top, 1, 0, colour}, c{right, bottom, 1, 1, colour},
      d{left, bottom, 0, 1, colour};
  v[0] = a, v[1] = b, v[2] = c, v[3] = a, v[4] = c, v[5] = d;
}

// The screen tiled with `size` squares from (startX, startY), leaving out the tile at `skip`.
void AddTiles(DrawList& list, float size, float startX, float startY, int skip = -1) {
  int index = 0;
  for (float y = startY; y < 600; y += size) {
    for (float x = startX; x < 800; x += size, ++index) {
      if (index != skip) AddQuad(list, x, y, x + size, y + size);
    }
  }
}

TEST(DrawList, DrawsUnderOneStateJoinAndAnyChangeOfStateStartsACommand) {
  DrawList list;
  AddQuad(list, 0, 0, 10, 10);
  AddQuad(list, 20, 0, 30, 10);
  EXPECT_EQ(list.Commands().size(), 1u);
  EXPECT_EQ(list.Commands()[0].count, 12);
  AddQuad(list, 0, 0, 10, 10, 2);
  AddQuad(list, 0, 0, 10, 10, 2, Blend::Light);
  AddQuad(list, 0, 0, 10, 10, 2, Blend::Light, {5, 5, 100, 100});
  list.AddClear(Screen, 0);
  AddQuad(list, 0, 0, 10, 10, 2, Blend::Light, {5, 5, 100, 100});
  ASSERT_EQ(list.Commands().size(), 6u);
  EXPECT_TRUE(list.Commands()[4].state.clear);
  EXPECT_EQ(list.Commands()[5].first, 30);
  list.Reset();
  EXPECT_TRUE(list.Empty());
  EXPECT_TRUE(list.Vertices().empty());
}

TEST(DrawList, FramesCompareCommandByCommandDownToEachVertex) {
  DrawList a, b;
  for (DrawList* list : {&a, &b}) {
    list->AddClear(Screen, 0x102030);
    AddQuad(*list, 0, 0, 10, 10);
    AddQuad(*list, 5, 5, 15, 15, 3, Blend::Alpha);
  }
  EXPECT_TRUE(a.SameAs(b));
  EXPECT_EQ(a.CommonPrefix(b), 3u);

  AddQuad(b, 50, 50, 60, 60, 4);
  EXPECT_FALSE(a.SameAs(b)) << "one more command";
  EXPECT_EQ(a.CommonPrefix(b), 3u);

  DrawList moved, tinted, cleared;
  for (DrawList* list : {&moved, &tinted, &cleared}) list->AddClear(Screen, list == &cleared ? 0x102031 : 0x102030);
  AddQuad(moved, 0, 0, 10, 10.5f);
  AddQuad(tinted, 0, 0, 10, 10, 1, Blend::Solid, Screen, 0xFEFFFFFFu);
  EXPECT_EQ(moved.CommonPrefix(a), 1u);
  EXPECT_EQ(tinted.CommonPrefix(a), 1u);
  EXPECT_EQ(cleared.CommonPrefix(a), 0u);
}

TEST(DrawList, AFrameStartsWithACoverOnlyWhenItsFirstCommandPaintsEveryPixel) {
  DrawList list;
  EXPECT_FALSE(list.StartsWithCover(800, 600)) << "nothing drawn";
  list.AddClear(Screen, 0);
  EXPECT_TRUE(list.StartsWithCover(800, 600));
  list.Reset();
  list.AddClear({0, 0, 800, 599}, 0);
  EXPECT_FALSE(list.StartsWithCover(800, 600)) << "a clear inside a smaller viewport";

  // Opaque tiles over the whole screen, from a corner off the screen.
  list.Reset();
  AddTiles(list, 256, -100, -37);
  EXPECT_TRUE(list.StartsWithCover(800, 600));
  list.Reset();
  AddTiles(list, 256, -100, -37, 5);
  EXPECT_FALSE(list.StartsWithCover(800, 600)) << "one tile missing";
  list.Reset();
  AddTiles(list, 256, 1, 0);
  EXPECT_FALSE(list.StartsWithCover(800, 600)) << "the first column left bare";
  list.Reset();
  AddTiles(list, 32, -7, -7);
  EXPECT_TRUE(list.StartsWithCover(800, 600)) << "small tiles, many of them";
  list.Reset();
  AddQuad(list, 0, 0, 800, 400);
  AddQuad(list, 0, 300, 800, 500);
  AddQuad(list, 0, 550, 800, 600);
  EXPECT_FALSE(list.StartsWithCover(800, 600)) << "overlapping quads leave a part bare though their areas add up";

  // Blended or clipped tiles, or a turned quad, keep what was under them.
  list.Reset();
  AddQuad(list, 0, 0, 800, 600, 1, Blend::Alpha);
  EXPECT_FALSE(list.StartsWithCover(800, 600));
  list.Reset();
  AddQuad(list, 0, 0, 800, 600, 1, Blend::Solid, {0, 0, 400, 600});
  EXPECT_FALSE(list.StartsWithCover(800, 600));
  list.Reset();
  ListVertex* v = list.AddVertices(QuadState(1, Blend::Solid, Screen), 6);
  const ListVertex a{-50, 0, 0, 0, 0}, b{850, -50, 1, 0, 0}, c{900, 650, 1, 1, 0}, d{0, 700, 0, 1, 0};
  v[0] = a, v[1] = b, v[2] = c, v[3] = a, v[4] = c, v[5] = d;
  EXPECT_FALSE(list.StartsWithCover(800, 600));
}

// A frame of a scrolling background, moving particles behind a board, the
// board itself and moving particles in front: only the board is shared.
DrawList ScrollingFrame(float scroll, float particles) {
  DrawList list;
  AddTiles(list, 256, -scroll, 0);
  AddQuad(list, particles, 100, particles + 8, 108, 2, Blend::Light);
  AddQuad(list, 100, 100, 132, 132, 3, Blend::Alpha);
  AddQuad(list, 132, 100, 164, 132, 4, Blend::Alpha);
  AddQuad(list, 100, 100, 164, 132, 3, Blend::Light, {90, 90, 200, 200});
  AddQuad(list, particles, 300, particles + 8, 308, 2, Blend::Light);
  return list;
}

TEST(DrawList, TheLongestSharedRunIsFoundWhereverItFallsAndOnlyAmongEligibleCommands) {
  const DrawList before = ScrollingFrame(0, 10), now = ScrollingFrame(3, 11);
  const auto everything = [](size_t) { return true; };
  SharedRun run = LongestSharedRun(now, before, everything);
  EXPECT_EQ(run.first, 2u);
  EXPECT_EQ(run.otherFirst, 2u);
  EXPECT_EQ(run.count, 3u);
  EXPECT_EQ(now.Find(before, 2, 3), 2u);

  // One more particle picture in front of the board moves the run in one list only.
  DrawList shifted;
  AddQuad(shifted, 0, 0, 5, 5, 7);
  for (size_t i = 0; i < now.Commands().size(); ++i) {
    const DrawCommand& c = now.Commands()[i];
    ListVertex* v = shifted.AddVertices(c.state, c.count);
    std::copy_n(now.Vertices().begin() + c.first, c.count, v);
  }
  run = LongestSharedRun(shifted, before, everything);
  EXPECT_EQ(run.first, 3u);
  EXPECT_EQ(run.otherFirst, 2u);
  EXPECT_EQ(run.count, 3u);
  EXPECT_EQ(shifted.Find(before, 2, 3), 3u);
  EXPECT_EQ(shifted.Find(before, 1, 3), DrawList::npos) << "the particles behind moved";

  // A command the caller cannot use splits the run.
  run = LongestSharedRun(now, before, [](size_t i) { return i != 3; });
  EXPECT_EQ(run.count, 1u);
  EXPECT_TRUE(run.first == 2u || run.first == 4u);
  EXPECT_EQ(LongestSharedRun(now, ScrollingFrame(4, 12), [](size_t) { return false; }).count, 0u);
}

TEST(DrawList, ARunsPaintedAreaAndBoundsFollowItsQuadsAndClips) {
  const DrawList frame = ScrollingFrame(0, 10);
  EXPECT_DOUBLE_EQ(frame.PaintedArea(2, 4), 2 * 32.0 * 32.0);
  EXPECT_DOUBLE_EQ(frame.PaintedArea(2, 5), 4 * 32.0 * 32.0) << "overlapping draws each count";
  // A pixel of margin round the vertices, within the clip and the screen.
  EXPECT_EQ(frame.Bounds(2, 5, 800, 600), (ClipRect{99, 99, 66, 34}));
  EXPECT_EQ(frame.Bounds(4, 5, 800, 600), (ClipRect{99, 99, 66, 34}));
  EXPECT_EQ(frame.Bounds(0, 1, 800, 600), (ClipRect{0, 0, 800, 600})) << "tiles reaching past the screen";
  DrawList clipped;
  AddQuad(clipped, 0, 0, 400, 400, 1, Blend::Alpha, {50, 60, 10, 20});
  EXPECT_EQ(clipped.Bounds(0, 1, 800, 600), (ClipRect{50, 60, 10, 20}));
  EXPECT_TRUE(frame.CoversAt(0, 800, 600));
  EXPECT_FALSE(frame.CoversAt(2, 800, 600));
}

// Two frames that draw the same vertices under states that differ in one
// member only, the clip, draw different pixels: every comparison must tell them
// apart (a clip left out of the state's equality showed the old frame).
TEST(DrawList, ListsThatDifferOnlyInTheClipAreNotTheSame) {
  DrawList left, right;
  for (DrawList* list : {&left, &right}) {
    list->AddClear(Screen, 0);
    AddQuad(*list, 0, 0, 800, 600, 1, Blend::Alpha, list == &left ? ClipRect{0, 0, 400, 600} : ClipRect{400, 0, 400, 600});
  }
  EXPECT_FALSE(left.Commands()[1].state == right.Commands()[1].state);
  EXPECT_FALSE(left.SameAs(right));
  EXPECT_EQ(left.CommonPrefix(right), 1u);
  EXPECT_FALSE(left.SameCommandAt(right, 1));
  EXPECT_EQ(left.Find(right, 1, 1), DrawList::npos);
  EXPECT_EQ(LongestSharedRun(left, right, [](size_t) { return true; }).count, 1u) << "only the clear";

  // Draws under two clips one after the other are two commands.
  DrawList both;
  AddQuad(both, 0, 0, 10, 10, 1, Blend::Alpha, {0, 0, 400, 600});
  AddQuad(both, 0, 0, 10, 10, 1, Blend::Alpha, {400, 0, 400, 600});
  EXPECT_EQ(both.Commands().size(), 2u);
}

TEST(DrawList, EveryMemberOfTheStateCountsInItsEqualityAndHash) {
  const CommandState base = QuadState(1, Blend::Alpha, Screen);
  std::vector<CommandState> changed(7, base);
  changed[0].clear = true;
  changed[1].primitive = Primitive::Lines;
  changed[2].blend = Blend::Light;
  changed[3].texture.name = 2;
  changed[4].texture.epoch = 1;
  changed[5].clearColour = 0x010203;
  changed[6].clip = {0, 0, 800, 599};
  EXPECT_TRUE(base == QuadState(1, Blend::Alpha, Screen));
  EXPECT_EQ(HashOf(base), HashOf(QuadState(1, Blend::Alpha, Screen)));
  for (size_t i = 0; i < changed.size(); ++i) {
    EXPECT_FALSE(base == changed[i]) << "member " << i;
    EXPECT_NE(HashOf(base), HashOf(changed[i])) << "member " << i;
  }
}

// A texture whose pixels changed (or whose name went and came back) is
// recorded under a new epoch: the same draws are not the same commands.
TEST(DrawList, TheSameDrawsOfATextureInAnotherEpochAreOtherCommands) {
  DrawList before, after;
  CommandState state = QuadState(5, Blend::Alpha, Screen);
  for (DrawList* list : {&before, &after}) {
    list->AddClear(Screen, 0);
    ListVertex* v = list->AddVertices(state, 6);
    for (int i = 0; i < 6; ++i) v[i] = {10.0f * (i % 3), 10.0f * (i / 3), 0, 0, ~0u};
    state.texture.epoch = 1;
  }
  EXPECT_FALSE(after.SameAs(before));
  EXPECT_EQ(after.CommonPrefix(before), 1u);
  EXPECT_EQ(after.Find(before, 1, 1), DrawList::npos);
}

}  // namespace
