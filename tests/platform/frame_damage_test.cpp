// Where a frame differs from the one before: the rectangles must hold every
// pixel either frame's changed shapes can reach, and little else.

#include <gtest/gtest.h>

#include "platform/render/frame_damage.h"
#include "platform/render/graphics.h"

using namespace platform;

namespace {

constexpr ClipRect Screen{0, 0, 800, 600};

void AddQuad(DrawList& list, float left, float top, float size, unsigned texture = 1, Blend blend = Blend::Alpha) {
  CommandState state;
  state.texture.name = texture;
  state.blend = blend;
  state.clip = Screen;
  ListVertex* v = list.AddVertices(state, 6);
  const ListVertex a{left, top, 0, 0, ~0u}, b{left + size, top, 1, 0, ~0u}, c{left + size, top + size, 1, 1, ~0u},
      d{left, top + size, 0, 1, ~0u};
  v[0] = a, v[1] = b, v[2] = c, v[3] = a, v[4] = c, v[5] = d;
}

// A cleared screen, then a row of ten 16-pixel particles from (100, 300),
// each 40 pixels right of the last; `moved` shifts one of them.
DrawList Particles(int count = 10, int moved = -1, float by = 0) {
  DrawList list;
  list.AddClear(Screen, 0);
  for (int i = 0; i < count; ++i) AddQuad(list, 100.0f + 40 * i + (i == moved ? by : 0), 300, 16);
  return list;
}

bool Contains(const ClipRect& r, int left, int top, int right, int bottom) {
  return r.x <= left && r.y <= top && r.x + r.width >= right && r.y + r.height >= bottom;
}

TEST(FrameDamage, NoneBetweenEqualFramesAndNoAnswerWhenTheirCommandsDiffer) {
  std::vector<ClipRect> rects{{1, 2, 3, 4}};
  EXPECT_TRUE(FindDamage(Particles(), Particles(), 800, 600, rects));
  EXPECT_TRUE(rects.empty());
  DrawList more = Particles();
  AddQuad(more, 0, 0, 8, 2);
  EXPECT_FALSE(FindDamage(more, Particles(), 800, 600, rects));
}

TEST(FrameDamage, AMovedShapeDamagesItsOldAndNewPlaceOnly) {
  std::vector<ClipRect> rects;
  ASSERT_TRUE(FindDamage(Particles(10, 3, 5), Particles(), 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(Contains(rects[0], 220, 300, 241, 316)) << "both places, with the pixel a shape can reach beyond";
  EXPECT_LE(rects[0].width, 24);
  EXPECT_LE(rects[0].height, 19);
}

TEST(FrameDamage, AShapeBornOrGoneDamagesOnlyItsPlace) {
  std::vector<ClipRect> rects;
  ASSERT_TRUE(FindDamage(Particles(11), Particles(), 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(Contains(rects[0], 500, 300, 516, 316));
  EXPECT_LE(rects[0].width, 18);
  ASSERT_TRUE(FindDamage(Particles(9), Particles(), 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(Contains(rects[0], 460, 300, 476, 316));
}

TEST(FrameDamage, FarChangesStayApartAndManyAreJoinedIntoAFewThatHoldThemAll) {
  DrawList before = Particles(), after = Particles();
  AddQuad(before, 10, 10, 16, 2);
  AddQuad(after, 700, 500, 16, 2);
  std::vector<ClipRect> rects;
  ASSERT_TRUE(FindDamage(after, before, 800, 600, rects));
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_TRUE(Contains(rects[0], 10, 10, 26, 26) || Contains(rects[1], 10, 10, 26, 26));
  EXPECT_TRUE(Contains(rects[0], 700, 500, 716, 516) || Contains(rects[1], 700, 500, 716, 516));

  DrawList scattered;
  scattered.AddClear(Screen, 0);
  for (int i = 0; i < 10; ++i) AddQuad(scattered, 100.0f + 40 * i, 300.0f + (i % 3) * 90, 16);
  ASSERT_TRUE(FindDamage(scattered, Particles(), 800, 600, rects));
  EXPECT_LE(rects.size(), kMaxDamageRects);
  for (int i = 0; i < 10; ++i) {
    const int left = 100 + 40 * i, top = 300 + (i % 3) * 90;
    bool held = false;
    for (const ClipRect& r : rects) held = held || Contains(r, left, top, left + 16, top + 16);
    EXPECT_TRUE(held || i % 3 == 0) << "particle " << i;
  }
}

TEST(FrameDamage, ANewClearColourOrPictureDamagesAllTheCommandReaches) {
  DrawList grey;
  grey.AddClear({0, 0, 400, 300}, 0x808080);
  DrawList black;
  black.AddClear({0, 0, 400, 300}, 0);
  std::vector<ClipRect> rects;
  ASSERT_TRUE(FindDamage(grey, black, 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(Contains(rects[0], 0, 0, 400, 300));

  DrawList before = Particles(), after = Particles();
  AddQuad(before, 50, 50, 16, 2);
  AddQuad(before, 90, 50, 16, 2);
  AddQuad(after, 50, 50, 16, 3);
  AddQuad(after, 90, 50, 16, 3);
  ASSERT_TRUE(FindDamage(after, before, 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(Contains(rects[0], 50, 50, 106, 66));
}

// A line through pixel corners (a logical line at y + 0.5 from a fractional
// y) lights a row on one side of its vertices or the other: its damage must
// reach the pixel beyond its hull, which alone has no height.
DrawList ClearedWithLine(float x0, float y0, float x1, float y1) {
  DrawList list = Particles();
  CommandState state;
  state.primitive = Primitive::Lines;
  state.clip = Screen;
  ListVertex* v = list.AddVertices(state, 2);
  v[0] = {x0, y0, 0, 0, ~0u};
  v[1] = {x1, y1, 0, 0, ~0u};
  return list;
}

TEST(FrameDamage, AMovedLineDamagesThePixelsOnEitherSideOfItsOldAndNewPlace) {
  std::vector<ClipRect> rects;
  ASSERT_TRUE(FindDamage(ClearedWithLine(100, 260, 300, 260), ClearedWithLine(100, 200, 300, 200), 800, 600, rects));
  for (const int y : {200, 260}) {
    bool held = false;
    for (const ClipRect& r : rects) held = held || Contains(r, 99, y - 1, 301, y + 1);
    EXPECT_TRUE(held) << "the rows either side of y = " << y;
  }
  ASSERT_TRUE(FindDamage(ClearedWithLine(421, 50, 421, 90), ClearedWithLine(420, 50, 420, 90), 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(Contains(rects[0], 419, 49, 422, 91)) << "a vertical line one pixel across";
}

TEST(FrameDamage, AShapeUnderAnotherClipDamagesWhatEitherClipLetsItReach) {
  DrawList left = Particles(), right = Particles();
  for (DrawList* list : {&left, &right}) {
    CommandState state;
    state.texture.name = 1;
    state.blend = Blend::Alpha;
    state.clip = list == &left ? ClipRect{0, 0, 400, 600} : ClipRect{400, 0, 400, 600};
    ListVertex* v = list->AddVertices(state, 6);
    const ListVertex a{300, 50, 0, 0, ~0u}, b{500, 50, 1, 0, ~0u}, c{500, 70, 1, 1, ~0u}, d{300, 70, 0, 1, ~0u};
    v[0] = a, v[1] = b, v[2] = c, v[3] = a, v[4] = c, v[5] = d;
  }
  std::vector<ClipRect> rects;
  ASSERT_TRUE(FindDamage(right, left, 800, 600, rects));
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(Contains(rects[0], 300, 50, 500, 70));
}

}  // namespace
