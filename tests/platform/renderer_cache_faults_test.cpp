// The renderer keeps pictures and decisions from frame to frame (the last
// frame and where it is, the cached run, the damage, the projection of each
// target), and a fault in any of them shows only as stale pixels: a frame not
// drawn again, drawn only in part, drawn from a picture of other pixels, or
// scaled wrongly into the window. Each test presents frames as the game does
// and reads back the window or the frame. Each fails when its fault is put
// back: the projection kept when the target changes size, an expose that does
// not make the next frame presented, the clip left out of the commands' state,
// a texture epoch not raised, the damage without its pixel of margin, the
// regions of a cached picture kept when it is drawn again.

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/render/graphics.h"
#include "platform/host/input_state.h"
#include "platform/render/sdl/gl_functions.h"
#include "platform/render/sdl/gl_renderer.h"
#include "platform/render/sdl/window_buffer_probe.h"
#include "support/display_fixture.h"

using namespace platform;

namespace {

class RendererCacheFaults : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    keepsFrames_ = WindowKeepsFramesAfterSwap();
    RendererWindowExposed();  // the probe drew into the window
  }

  static SDL_Window* Window() { return SDL_GL_GetCurrentWindow(); }

  // What the player sees of the last frame flipped: the window's back buffer
  // where the window keeps it across swaps (a frame may have been drawn into
  // the window alone), else the frame as read back.
  std::vector<uint32_t> Shown() const { return keepsFrames_ ? WindowPixels(800, 600) : GrabFrame().Pixels(); }

  // The window's back buffer as 0xRRGGBB, top row first.
  static std::vector<uint32_t> WindowPixels(int width, int height) {
    const PixelBuffer window = ReadWindowBackBuffer(width, height);
    std::vector<uint32_t> pixels;
    for (const uint32_t p : window.pixels) pixels.push_back((p & 0xFF) << 16 | (p & 0xFF00) | (p >> 16 & 0xFF));
    return pixels;
  }

  // Paints the window's back buffer as a window system does that lost it.
  static void SpoilWindow(float red, float green, float blue) {
    GLint bound = 0;
    gl::GetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    gl::BindFramebuffer(GL_FRAMEBUFFER, 0);
    gl::Disable(GL_SCISSOR_TEST);
    gl::ClearColor(red, green, blue, 1);
    gl::Clear(GL_COLOR_BUFFER_BIT);
    gl::Enable(GL_SCISSOR_TEST);
    gl::BindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(bound));
  }

  // The window system says the window was uncovered, and the game reads its events.
  static void ExposeWindow() {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(Window());
    event.window.event = SDL_WINDOWEVENT_EXPOSED;
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    HostPumpEvents();
  }

  static int64_t CallsOfFlip() {
    const int64_t before = DrawCallCount();
    Flip(0);
    return DrawCallCount() - before;
  }

  // The frame `draw` makes, drawn afresh: read back while it is drawn, every
  // draw is sent. The frame is presented afterwards.
  static std::vector<uint32_t> FreshFrame(const std::function<void()>& draw) {
    draw();
    std::vector<uint32_t> pixels = GrabFrame().Pixels();
    Flip(0);
    return pixels;
  }

  static size_t Differing(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    if (a.size() != b.size()) return a.size() + b.size();
    size_t differing = 0;
    for (size_t i = 0; i < a.size(); ++i) differing += a[i] != b[i];
    return differing;
  }

  bool keepsFrames_ = false;
};

// The logical screen as 8 x 6 blocks of 100 pixels, each of its own colour.
uint32_t BlockColour(int column, int row) {
  return static_cast<uint32_t>(40 + column * 25) << 16 | static_cast<uint32_t>(40 + row * 35) << 8 |
         static_cast<uint32_t>(200 - (column + row) * 10);
}

// (a) The frame is drawn off screen in the logical size, then copied into the
// window in the window's size, by the same shader program as a picture in the
// frame: each target needs its own projection. With one kept from the other
// target the window shows the picture zoomed and cropped.
TEST_F(RendererCacheFaults, AWindowOfAnotherSizeShowsTheWholeFrameScaledIntoIt) {
#ifdef _WIN32
  // Under Wine on a private X server, leaving full screen unmaps a window the
  // server no longer knows and the X connection ends the program. The
  // projection is the same code on every host; Linux checks it.
  GTEST_SKIP() << "full screen is not switched under the Windows build's tests";
#endif
  CloseGraphics();
  // Full screen on the off-screen driver is its display's size, not 800 x 600.
  ASSERT_TRUE(OpenGraphics(800, 600, 32, 60, 0)) << LastDisplayError();
  int width = 0, height = 0;
  SDL_GL_GetDrawableSize(Window(), &width, &height);
  if (width == 800 && height == 600) GTEST_SKIP() << "the full-screen window is 800 x 600 on this display";
  const Letterbox box = FitLetterbox(800, 600, width, height);
  const TImage picture = FilledImage(100, 100, 0xFFF0F0F0u);
  // Presented as Flip does, and read before the swap (after it, only a
  // window that keeps its frames would still hold it).
  const auto present = [&] {
    ASSERT_FALSE(RendererSkipUnchangedFrame(box, width, height));
    RendererPresent(box, width, height);
  };

  for (int frame = 0; frame < 3; ++frame) {
    SetBlend(SolidBlend);
    for (int row = 0; row < 6; ++row) {
      for (int column = 0; column < 8; ++column) {
        const uint32_t c = BlockColour(column, row);
        SetColor(static_cast<int>(c >> 16), static_cast<int>(c >> 8 & 255), static_cast<int>(c & 255));
        DrawRect(100.0f * column, 100.0f * row, 100, 100);
      }
    }
    SetColor(255, 255, 255);
    // A picture on a block that moves each frame, so that no frame is the last one again.
    const int pictureColumn = 2 + frame, pictureRow = 3;
    DrawImage(picture, 100.0f * pictureColumn, 100.0f * pictureRow);
    present();
    const std::vector<uint32_t> window = WindowPixels(width, height);
    SDL_GL_SwapWindow(Window());
    for (int row = 0; row < 6; ++row) {
      for (int column = 0; column < 8; ++column) {
        const int x = box.x + (100 * column + 50) * box.width / 800;
        const int y = box.y + (100 * row + 50) * box.height / 600;
        const uint32_t expected = column == pictureColumn && row == pictureRow ? 0xF0F0F0u : BlockColour(column, row);
        EXPECT_EQ(window[static_cast<size_t>(y) * width + x], expected)
            << "frame " << frame << ", block " << column << ", " << row << " at window pixel " << x << ", " << y;
      }
    }
    if (box.x > 0) {
      EXPECT_EQ(window[static_cast<size_t>(height / 2) * width + box.x / 2], 0u) << "the border";
    }
    if (box.y > 0) {
      EXPECT_EQ(window[static_cast<size_t>(box.y / 2) * width + width / 2], 0u) << "the border";
    }
  }
}

// (b) A window uncovered by the window system has lost its pixels, though the
// frame the game draws is the same as the last: it must be presented again.
TEST_F(RendererCacheFaults, AnExposedWindowIsPaintedAgainThoughTheFrameIsUnchanged) {
  if (!keepsFrames_) GTEST_SKIP() << "this driver's window does not keep its frame across swaps";
  const TImage red = FilledImage(16, 16, 0xFFFF0000u);
  const auto frame = [&] {
    ClearTo(10, 20, 30);
    SetBlend(platform::AlphaBlend);  // named in full: MinGW's wingdi.h, through SDL.h, has an AlphaBlend too
    DrawImage(red, 100, 100);
  };
  int64_t calls = -1;
  for (int settle = 0; settle < 10 && calls != 0; ++settle) {
    frame();
    calls = CallsOfFlip();
  }
  ASSERT_EQ(calls, 0) << "an unchanged frame is not drawn again";

  SpoilWindow(1, 0, 1);
  ExposeWindow();
  frame();
  Flip(0);
  const std::vector<uint32_t> window = WindowPixels(800, 600);
  EXPECT_EQ(window[100 * 800 + 100], 0xFF0000u);
  EXPECT_EQ(window[0], 0x0A141Eu);
  EXPECT_EQ(Differing(window, GrabFrame().Pixels()), 0u) << "the window shows the whole frame";
}

// (c) The same draws under another clip are another frame.
TEST_F(RendererCacheFaults, AFrameThatDiffersOnlyInAClipShowsTheNewClip) {
  const auto frame = [](int clipX) {
    SetViewport(0, 0, 800, 600);
    ClearTo(0, 0, 0);
    SetBlend(SolidBlend);
    SetViewport(clipX, 0, 400, 600);
    DrawRect(300, 100, 200, 40);
    SetViewport(0, 0, 800, 600);
  };
  for (const int clipX : {0, 0, 400, 400, 0}) {
    frame(clipX);
    Flip(0);
    const std::vector<uint32_t> shown = Shown();
    EXPECT_EQ(shown[120 * 800 + 350], clipX == 0 ? 0xFFFFFFu : 0u) << "clip from " << clipX;
    EXPECT_EQ(shown[120 * 800 + 450], clipX == 400 ? 0xFFFFFFu : 0u) << "clip from " << clipX;
    const Frame presented = GrabFrame();
    EXPECT_EQ(presented.At(350, 120), clipX == 0 ? 0xFFFFFFu : 0u) << "clip from " << clipX;
    EXPECT_EQ(presented.At(450, 120), clipX == 400 ? 0xFFFFFFu : 0u) << "clip from " << clipX;
  }
}

// A frame whose first command is an 800 x 600 picture and whose next draws
// are shared too, so that the renderer caches them as one picture, under a
// light over the whole screen that changes every frame (so the frame is drawn
// whole, the shared part from the cache).
void CachedRunFrame(const TImage& background, const TImage& tile, int frame) {
  SetBlend(platform::AlphaBlend);
  DrawImage(background, 0, 0);
  for (int i = 0; i < 4; ++i) DrawImage(tile, 30.0f + 190 * i, 300);
  SetBlend(LightBlend);
  SetAlpha(static_cast<float>(frame % 8) / 32);
  DrawRect(0, 0, 800, 600);
  SetAlpha(1);
  SetBlend(platform::AlphaBlend);
}

// (d) The picture at the start of the cached run gets new pixels between two
// frames: the same draws now draw something else, and the cache must not
// stand in for them.
TEST_F(RendererCacheFaults, NewPixelsInAPictureOfTheCachedRunShow) {
  const TImage background = FilledImage(800, 600, 0xFF204060u);
  const TImage tile = FilledImage(256, 256, 0xFF808000u);
  for (int frame = 1; frame <= 3; ++frame) {
    CachedRunFrame(background, tile, frame);
    Flip(0);
  }
  TPixmap pixels = LockImage(background);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) pixels.WritePixel(x, y, 0xFF602040u);
  UnlockImage(background);
  CachedRunFrame(background, tile, 4);
  Flip(0);
  const std::vector<uint32_t> shown = Shown();
  const std::vector<uint32_t> presented = GrabFrame().Pixels();
  const std::vector<uint32_t> fresh = FreshFrame([&] { CachedRunFrame(background, tile, 4); });
  EXPECT_EQ(Differing(shown, fresh), 0u);
  EXPECT_EQ(Differing(presented, fresh), 0u);
  EXPECT_GT(presented[5 * 800 + 5] >> 16 & 255, presented[5 * 800 + 5] & 255) << "the new pixels, more red than blue";
}

// A driver that hands the name of the texture deleted last to the next
// texture made, as many drivers do (Mesa does not): the renderer's calls to
// the driver go through function pointers, which this points elsewhere while
// it lives. A name need not come from glGenTextures to be bound.
class DriverReusingTextureNames {
 public:
  DriverReusingTextureNames() {
    realGen() = gl::GenTextures;
    realDelete() = gl::DeleteTextures;
    gl::GenTextures = &Gen;
    gl::DeleteTextures = &Delete;
  }
  ~DriverReusingTextureNames() {
    gl::GenTextures = realGen();
    gl::DeleteTextures = realDelete();
    freed().clear();
  }
  DriverReusingTextureNames(const DriverReusingTextureNames&) = delete;
  DriverReusingTextureNames& operator=(const DriverReusingTextureNames&) = delete;

 private:
  using GenFunction = void(APIENTRY*)(GLsizei, GLuint*);
  using DeleteFunction = void(APIENTRY*)(GLsizei, const GLuint*);
  static std::vector<GLuint>& freed() {
    static std::vector<GLuint> names;
    return names;
  }
  static GenFunction& realGen() {
    static GenFunction function = nullptr;
    return function;
  }
  static DeleteFunction& realDelete() {
    static DeleteFunction function = nullptr;
    return function;
  }
  static void APIENTRY Gen(GLsizei count, GLuint* names) {
    for (GLsizei i = 0; i < count; ++i) {
      if (freed().empty()) {
        realGen()(1, &names[i]);
      } else {
        names[i] = freed().back();
        freed().pop_back();
      }
    }
  }
  static void APIENTRY Delete(GLsizei count, const GLuint* names) {
    realDelete()(count, names);
    freed().insert(freed().end(), names, names + count);
  }
};

// (d) The picture at the start of the cached run goes, and a new one is made
// in its place: the driver may hand it the same texture name.
TEST_F(RendererCacheFaults, APictureOfTheCachedRunMadeAgainInTheSameTextureNameShows) {
  const DriverReusingTextureNames driver;
  const TImage tile = FilledImage(256, 256, 0xFF808000u);
  unsigned oldName = 0;
  {
    const TImage background = FilledImage(800, 600, 0xFF204060u);
    for (int frame = 1; frame <= 3; ++frame) {
      CachedRunFrame(background, tile, frame);
      Flip(0);
    }
    oldName = background->frames[0].texture;
  }
  const TImage replacement = FilledImage(800, 600, 0xFF602040u);
  CachedRunFrame(replacement, tile, 4);
  Flip(0);
  const std::vector<uint32_t> shown = Shown();
  const std::vector<uint32_t> presented = GrabFrame().Pixels();
  const std::vector<uint32_t> fresh = FreshFrame([&] { CachedRunFrame(replacement, tile, 4); });
  EXPECT_EQ(Differing(shown, fresh), 0u);
  EXPECT_EQ(Differing(presented, fresh), 0u);
  EXPECT_GT(presented[5 * 800 + 5] >> 16 & 255, presented[5 * 800 + 5] & 255) << "the new pixels, more red than blue";
  EXPECT_EQ(replacement->frames[0].texture, oldName) << "the new picture has the old one's texture name";
}

// (e) A line along a row of pixel corners (a logical y of n + 0.5 is drawn at
// n + 1) lights the row on one side of it: moved, both its old and its new
// place must be drawn again though its vertices span no height.
TEST_F(RendererCacheFaults, AMovedLineLeavesNothingBehind) {
  const auto frame = [](float y, float x) {
    ClearTo(0, 0, 0);
    SetBlend(SolidBlend);
    DrawLine(100, y, 300, y, false);
    DrawLine(x, 400, x, 500, false);
  };
  // Whether any pixel of rows [top, bottom) between x 120 and 280 is lit, or
  // of columns [left, right) between y 420 and 480.
  const auto litRows = [](const std::vector<uint32_t>& f, int top, int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = 120; x < 280; ++x)
        if (f[static_cast<size_t>(y) * 800 + x]) return true;
    return false;
  };
  const auto litColumns = [](const std::vector<uint32_t>& f, int left, int right) {
    for (int x = left; x < right; ++x)
      for (int y = 420; y < 480; ++y)
        if (f[static_cast<size_t>(y) * 800 + x]) return true;
    return false;
  };
  frame(199.5f, 599.5f);
  Flip(0);
  frame(199.5f, 599.5f);
  Flip(0);
  const std::vector<uint32_t> before = Shown();
  ASSERT_TRUE(litRows(before, 198, 202));
  ASSERT_TRUE(litColumns(before, 598, 602));
  frame(259.5f, 629.5f);
  Flip(0);
  for (const std::vector<uint32_t>& after : {Shown(), GrabFrame().Pixels()}) {
    EXPECT_FALSE(litRows(after, 195, 205)) << "the line's old row";
    EXPECT_TRUE(litRows(after, 258, 262)) << "the line's new row";
    EXPECT_FALSE(litColumns(after, 595, 605)) << "the line's old column";
    EXPECT_TRUE(litColumns(after, 628, 632)) << "the line's new column";
  }
}

}  // namespace

// (f) The picture of a run laid over a scrolling background is read back once
// it lasts, and what it hides is not drawn. The run is then drawn again with a
// hole where it was opaque: the background must show through the hole.
TEST_F(RendererCacheFaults, AHoleInARunLaidOverAgainShowsWhatIsUnderIt) {
  const TImage tile = FilledImage(256, 256, 0xFF3060A0u);
  const TImage solid = FilledImage(400, 300, 0xFF10C010u);
  const TImage holed = FilledImage(400, 300, 0xFF10C010u);
  TPixmap pixels = LockImage(holed);
  for (int y = 100; y < 200; ++y)
    for (int x = 100; x < 300; ++x) pixels.WritePixel(x, y, 0);
  UnlockImage(holed);
  const TImage veil = FilledImage(400, 300, 0x80FFFFFFu);
  const auto frame = [&](const TImage& board, int scroll) {
    SetBlend(SolidBlend);
    TileImage(tile, static_cast<float>(scroll), 0);
    SetBlend(platform::AlphaBlend);
    DrawImage(board, 200, 150);
    DrawImage(veil, 200, 150);
  };
  int scroll = 0;
  for (; scroll < 3; ++scroll) {
    frame(solid, scroll);
    Flip(0);
  }
  for (; scroll < 5; ++scroll) {
    frame(holed, scroll);
    Flip(0);
  }
  const std::vector<uint32_t> shown = Shown();
  const std::vector<uint32_t> fresh = FreshFrame([&] { frame(holed, scroll - 1); });
  EXPECT_EQ(Differing(shown, fresh), 0u);
}
