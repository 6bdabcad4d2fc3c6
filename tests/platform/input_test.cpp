// Input from real SDL events pushed into the queue of an open display.

#include <SDL.h>

#include "platform/host/input.h"
#include "support/display_fixture.h"
#include "support/fake_clock.h"

using namespace platform;

namespace {

void PushKey(SDL_Keycode key, bool down, bool repeat = false, Uint16 mod = KMOD_NONE) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.repeat = repeat;
  e.key.keysym.sym = key;
  e.key.keysym.mod = mod;
  SDL_PushEvent(&e);
}

void PushButton(Uint8 button, bool down, int x, int y) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.button = button;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.x = x;
  e.button.y = y;
  SDL_PushEvent(&e);
}

}  // namespace

using Input = DisplayTest;

TEST_F(Input, KeyHitCountsPressesOnceAndIgnoresAutoRepeat) {
  PushKey(SDLK_UP, true);
  EXPECT_EQ(KeyHit(38), 1);
  EXPECT_EQ(KeyHit(38), 0);  // the second call in the same frame
  PushKey(SDLK_UP, true, true);
  PushKey(SDLK_UP, true, true);
  EXPECT_EQ(KeyHit(38), 0);
  EXPECT_EQ(KeyDown(38), 1);
  PushKey(SDLK_UP, false);
  EndInputStep();
  EXPECT_EQ(KeyDown(38), 0);
  PushKey(SDLK_r, true);
  PushKey(SDLK_r, false);
  PushKey(SDLK_r, true);
  EXPECT_EQ(KeyHit(82), 2);
}

TEST_F(Input, AKeyFlushedWhileHeldStaysUpThroughAutoRepeatUntilPressedAgain) {
  PushKey(SDLK_RETURN, true);
  FlushKeys();  // a screen appeared while Enter was held
  for (int i = 0; i < 5; ++i) PushKey(SDLK_RETURN, true, true);
  EXPECT_EQ(KeyDown(13), 0);
  EXPECT_EQ(KeyHit(13), 0);
  PushKey(SDLK_RETURN, false);
  PushKey(SDLK_RETURN, true);
  EXPECT_EQ(KeyDown(13), 1);
  EXPECT_EQ(KeyHit(13), 1);
}

// F11, the full-screen key the player may bind elsewhere, is a key like the others.
TEST_F(Input, AltEnterAsksForFullScreenOnceAndIsNoKey) {
  PushKey(SDLK_RETURN, true, false, KMOD_LALT);
  PushKey(SDLK_RETURN, true, true, KMOD_LALT);  // held: auto-repeat asks nothing more
  EXPECT_EQ(KeyDown(13), 0);
  EXPECT_EQ(GetChar(), 0);
  EXPECT_EQ(FullscreenToggleRequested(), 1);
  EXPECT_EQ(FullscreenToggleRequested(), 0);
  PushKey(SDLK_RETURN, false, false, KMOD_LALT);
  PushKey(SDLK_F11, true);
  EXPECT_EQ(FullscreenToggleRequested(), 0);
  EXPECT_EQ(KeyHit(122), 1);
  PushKey(SDLK_RETURN, true);  // Enter alone is Enter
  EXPECT_EQ(FullscreenToggleRequested(), 0);
  EXPECT_EQ(KeyDown(13), 1);
}

// A key let go before the step reads it is still down for that step, once.
TEST_F(Input, KeysMapToVirtualKeyCodesAndATapCountsForOneStep) {
  const std::pair<SDL_Keycode, int> keys[] = {{SDLK_RETURN, 13}, {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32},
                                              {SDLK_LEFT, 37},   {SDLK_DOWN, 40},   {SDLK_0, 48},
                                              {SDLK_9, 57},      {SDLK_a, 65},      {SDLK_z, 90},
                                              {SDLK_F1, 112},    {SDLK_LEFTBRACKET, 219}};
  for (auto [sdl, vk] : keys) {
    PushKey(sdl, true);
    PushKey(sdl, false);
    EXPECT_EQ(KeyDown(vk), 1) << vk;
    EXPECT_EQ(KeyDown(vk), 1) << vk;  // every look in the step sees it
    EndInputStep();
    EXPECT_EQ(KeyDown(vk), 0) << vk;
  }
}

TEST_F(Input, TypedCharactersQueueInOrder) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  SDL_strlcpy(e.text.text, "hé", sizeof e.text.text);
  SDL_PushEvent(&e);
  PushKey(SDLK_RETURN, true);
  EXPECT_EQ(GetChar(), 'h');
  EXPECT_EQ(GetChar(), 0xE9);
  EXPECT_EQ(GetChar(), 13);
  EXPECT_EQ(GetChar(), 0);
  PushKey(SDLK_a, true);
  FlushKeys();
  EXPECT_EQ(KeyDown(65), 0);
  EXPECT_EQ(KeyHit(65), 0);
}

TEST_F(Input, MouseButtonsAndPosition) {
  PushButton(SDL_BUTTON_LEFT, true, 123, 456);
  EXPECT_EQ(MouseX(), 123);
  EXPECT_EQ(MouseY(), 456);
  EXPECT_EQ(MouseHit(1), 1);
  EXPECT_EQ(MouseHit(1), 0);
  EXPECT_EQ(MouseDown(1), 1);
  PushButton(SDL_BUTTON_LEFT, false, 123, 456);
  EXPECT_EQ(MouseDown(1), 1);  // a click shorter than a step still counts in it
  EndInputStep();
  EXPECT_EQ(MouseDown(1), 0);
  PushButton(SDL_BUTTON_RIGHT, true, 1, 2);
  EXPECT_EQ(MouseHit(2), 1);
  FlushMouse();
  EXPECT_EQ(MouseDown(2), 0);
}

TEST_F(Input, CloseRequestIsReportedOnce) {
  SDL_Event e{};
  e.type = SDL_QUIT;
  SDL_PushEvent(&e);
  EXPECT_EQ(AppTerminatePending(), 1);  // looking leaves it for AppTerminate
  EXPECT_EQ(AppTerminate(), 1);
  EXPECT_EQ(AppTerminate(), 0);
  EXPECT_EQ(AppTerminatePending(), 0);
}

TEST_F(Input, ReopeningTheDisplayKeepsACloseRequestAndTheNextFullScreenSwitch) {
  SDL_Event e{};
  e.type = SDL_QUIT;
  SDL_PushEvent(&e);
  PushKey(SDLK_RETURN, true, false, KMOD_LALT);
  PollSystem();
  ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
  EXPECT_EQ(AppTerminate(), 1);
  EXPECT_EQ(FullscreenToggleRequested(), 1);
}

TEST_F(Input, FocusLossSuspendsAndFlushes) {
  PushKey(SDLK_LEFT, true);
  EXPECT_EQ(KeyDown(37), 1);
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
  e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&e);
  EXPECT_EQ(AppSuspended(), 1);
  EXPECT_EQ(KeyDown(37), 0);
  e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  SDL_PushEvent(&e);
  EXPECT_EQ(AppSuspended(), 0);
}

TEST_F(Input, AClosedWindowLosingTheFocusPutsNothingOnHold) {
  const Uint32 closed = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
  ASSERT_TRUE(OpenGraphics(640, 480, 0, 60, 0));  // a new window, as a full-screen switch makes
  ASSERT_NE(SDL_GetWindowID(SDL_GL_GetCurrentWindow()), closed);
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = closed;
  e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&e);
  EXPECT_EQ(AppSuspended(), 0);
  CloseGraphics();
  SDL_PushEvent(&e);
  EXPECT_EQ(AppSuspended(), 0);
}

TEST_F(Input, PrintScreenCountsOncePerPressSeenAsynchronously) {
  PushKey(SDLK_PRINTSCREEN, true);
  PushKey(SDLK_PRINTSCREEN, false);
  EXPECT_EQ(AsyncKeyHit(44), 1);  // pressed since the last query, though up now
  EXPECT_EQ(AsyncKeyHit(44), 0);
  PushKey(SDLK_PRINTSCREEN, true);
  EXPECT_EQ(AsyncKeyHit(44), 1);
  for (int i = 0; i < 8; ++i) PushKey(SDLK_PRINTSCREEN, true, true);  // held: auto-repeat
  EXPECT_EQ(AsyncKeyHit(44), 0);
}

TEST_F(Input, ThePointerSettlesForHalfASecondAfterTheDisplayReopens) {
  FakeClock clock;
  EXPECT_EQ(PointerSettling(), 0);  // the first opening moves no pointer of the game's
  ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
  EXPECT_EQ(PointerSettling(), 1);
  clock.Advance(499);
  EXPECT_EQ(PointerSettling(), 1);
  clock.Advance(1);
  EXPECT_EQ(PointerSettling(), 0);
}
