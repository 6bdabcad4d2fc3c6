#include <ostream>

#include "app/in_game_buttons.h"
#include "app/in_game_input.h"
#include "app/play_screen_fixture.h"
#include "platform/host/input.h"
#include "app/token_column.h"
#include "menus/mouse_button.h"

namespace {

const Picture kOpenRoom = {
    "####################",
    "#..................#",
    "#..................#",
    "#..................#",
    "#..................#",
    "#..................#",
    "#........S.........#",
    "#..................#",
    "#..................#",
    "#..................#",
    "#..................#",
    "#..................#",
    "#.................E#",
    "####################",
};

// The request flags one poll raised.
struct Requests {
  int up, left, right, down, restart, skip, menu;
  bool operator==(const Requests&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Requests& r) {
    return out << "up " << r.up << " left " << r.left << " right " << r.right << " down " << r.down << " restart "
               << r.restart << " skip " << r.skip << " menu " << r.menu;
  }
};

}  // namespace

using InGameInput = PlayScreenTest;

TEST_F(InGameInput, ABoardClickMovesTowardThePointerAndOutranksTheKeys) {
  Play(kOpenRoom);  // ball at (9, 6)
  PushMotion(CellPixelX(15), CellPixelY(7));
  input.Poll(*inGameButtons, level);
  inGameButtons->Update(level, input);
  EXPECT_EQ(Ball().hoverDirection, 2);  // farther right than down
  PushClick(SDL_BUTTON_LEFT, CellPixelX(15), CellPixelY(7));
  PushKey(SDLK_UP, true);
  PushKey(SDLK_r, true);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestRight, 1);
  EXPECT_EQ(input.requestUp, 0);
  EXPECT_EQ(input.requestRestart, 0);  // the keyboard is not read in a clicked poll
  input.Poll(*inGameButtons, level);  // the keys count again once nothing is clicked
  EXPECT_EQ(input.requestUp, 1);
  EXPECT_EQ(input.requestRestart, 1);
}

TEST_F(InGameInput, HoverArrowPrefersVerticalOnTiesAndIgnoresTheBallsOwnCell) {
  Play(kOpenRoom);
  const struct {
    int column, row, direction;
  } cases[] = {{12, 3, 1}, {6, 9, 3}, {5, 6, 4}, {9, 6, 0}, {13, 6, 2}, {9, 2, 1}};
  for (const auto& c : cases) {
    PushMotion(CellPixelX(c.column), CellPixelY(c.row));
    input.Poll(*inGameButtons, level);
    inGameButtons->Update(level, input);
    EXPECT_EQ(Ball().hoverDirection, c.direction) << c.column << "," << c.row;
  }
}

// Held together, one arrow wins in the order Up, Left, Right, Down, and one of
// R, S and Escape in that order; letting the winner go hands over to the next.
TEST_F(InGameInput, HeldKeysRequestInPriorityOrder) {
  Play(kOpenRoom);
  for (SDL_Keycode key : {SDLK_DOWN, SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_ESCAPE, SDLK_s, SDLK_r}) PushKey(key, true);
  auto polled = [this] {
    platform::EndInputStep();  // each poll a step of its own
    input.Poll(*inGameButtons, level);
    return Requests{input.requestUp,      input.requestLeft, input.requestRight, input.requestDown,
                    input.requestRestart, input.requestSkip, input.requestMenu};
  };
  EXPECT_EQ(polled(), (Requests{1, 0, 0, 0, 1, 0, 0}));
  PushKey(SDLK_UP, false);
  PushKey(SDLK_r, false);
  EXPECT_EQ(polled(), (Requests{0, 1, 0, 0, 0, 1, 0}));
  PushKey(SDLK_LEFT, false);
  PushKey(SDLK_s, false);
  EXPECT_EQ(polled(), (Requests{0, 0, 1, 0, 0, 0, 1}));
  EXPECT_TRUE(Logged("--- escape key pressed"));
  PushKey(SDLK_RIGHT, false);
  EXPECT_EQ(polled(), (Requests{0, 0, 0, 1, 0, 0, 1}));
}

TEST_F(InGameInput, HoldingRRestartsOncePerPress) {
  Play(kOpenRoom);
  PushKey(SDLK_r, true);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestRestart, 1);
  for (int i = 0; i < 120; ++i) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.repeat = 1;  // the window system's auto-repeat
    e.key.keysym.sym = SDLK_r;
    SDL_PushEvent(&e);
    input.Poll(*inGameButtons, level);
    ASSERT_EQ(input.requestRestart, 0) << i;
  }
  // Still held, R keeps S from being read, as before.
  PushKey(SDLK_s, true);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestSkip, 0);
  PushKey(SDLK_r, false);
  PushKey(SDLK_s, false);
  // A tap between two polls still counts.
  PushKey(SDLK_r, true);
  PushKey(SDLK_r, false);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestRestart, 1);
}

TEST_F(InGameInput, ARightClickInTheSamePollWaitsForTheNext) {
  Play(kOpenRoom);
  PushClick(SDL_BUTTON_LEFT, 100, 560);  // both on the menu button
  PushClick(SDL_BUTTON_RIGHT, 100, 560);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestMenu, 1);
  EXPECT_TRUE(Logged("--- Menu button pressed"));
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestMenu, 1);  // the right click, kept for this poll
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestMenu, 0);
  PushClick(SDL_BUTTON_RIGHT, 400, 560);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestRestart, 1);
}

TEST_F(InGameInput, AnIdlePointerMovesNothingWhenTheBoardIsClicked) {
  Play(kOpenRoom);
  PushMotion(CellPixelX(15), CellPixelY(6));
  input.Poll(*inGameButtons, level);
  for (int i = 0; i < 200; ++i) input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.IsMouseIdle(), 0);
  input.Poll(*inGameButtons, level);  // the 201st still poll
  EXPECT_EQ(input.IsMouseIdle(), 1);
  inGameButtons->Update(level, input);
  EXPECT_EQ(Ball().hoverDirection, 0);
  PushClick(SDL_BUTTON_LEFT, CellPixelX(15), CellPixelY(6));
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestRight + input.requestLeft + input.requestUp + input.requestDown, 0);
}

TEST_F(InGameInput, AnArrowKeyMakesTheStillPointerIdleAtTheNextPoll) {
  Play(kOpenRoom);
  PushMotion(300, 300);
  input.Poll(*inGameButtons, level);
  PushKey(SDLK_DOWN, true);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestDown, 1);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.IsMouseIdle(), 1);
  PushMotion(301, 300);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.IsMouseIdle(), 0);
}

TEST_F(InGameInput, ButtonsGlowUnderThePointerAndSitBelowTheBoard) {
  Play(kOpenRoom);
  EXPECT_EQ(inGameButtons->ButtonAt(60, 525, level), 0);
  EXPECT_EQ(inGameButtons->ButtonAt(527, 599, level), 1);
  EXPECT_EQ(inGameButtons->ButtonAt(700, 530, level), 2);
  EXPECT_EQ(inGameButtons->ButtonAt(760, 300, level), -1);  // the token column
  input.pointerX = 94;  // just left of the board still truncates into column 0
  input.pointerY = 200;
  EXPECT_EQ(inGameButtons->ButtonAt(input.pointerX, input.pointerY, level), 8);
  input.pointerX = 400;
  input.pointerY = 560;
  for (int i = 0; i < 20; ++i) inGameButtons->Update(level, input);
  EXPECT_EQ(inGameButtons->buttons[1]->fade, 40);
  EXPECT_EQ(inGameButtons->buttons[0]->fade, 0);
}

TEST_F(InGameInput, TokenColumnShowsSolvedAndSkippedLevelsOfTheGroup) {
  progress->SelectLevel(5);
  progress->MarkLevelFinished(5, 1);
  progress->MarkLevelFinished(7, 0);
  TokenColumn& tokens = *inGameButtons->tokenColumn;
  tokens.Refresh();
  EXPECT_EQ(tokens.tokenState, (std::array<int, 5>{1, 0, 2, 0, 0}));

  tokens.Reveal(0);  // level 5 was solved: its token waits, then fades in
  EXPECT_EQ(tokens.tokenAlpha[0], 0.0f);
  for (int i = 0; i < 300; ++i) tokens.Update();
  EXPECT_EQ(tokens.tokenAlpha[0], 0.0f);
  int fadeSteps = 0;
  while (tokens.revealTimer != -1 && fadeSteps < 100) {
    tokens.Update();
    ++fadeSteps;
  }
  EXPECT_GE(tokens.tokenAlpha[0], 1.0f);
  EXPECT_NEAR(fadeSteps, 26, 1);

  tokens.Reveal(2);  // level 7 was skipped: shown at once, every other slot restored
  EXPECT_EQ(tokens.revealTimer, -1);
  EXPECT_EQ(tokens.tokenAlpha, (std::array<float, 5>{1, 1, 1, 1, 1}));
}

// In the loop's own order, a poll then a step: a tap shorter than a step
// moves the ball, and a press while it rolls is made the moment it rests (the
// newer of two), once.
TEST_F(InGameInput, ATapCountsAndAPressDuringARollIsMadeWhenTheBallRests) {
  Play(kOpenRoom);
  const ballType& ball = *level.CurrentMap->ball;
  auto pass = [this] {
    input.Poll(*inGameButtons, level);
    gameController->PlayStep();
  };
  auto tap = [&](SDL_Keycode key) {
    PushKey(key, true);
    PushKey(key, false);
    pass();
  };
  tap(SDLK_RIGHT);
  ASSERT_EQ(ball.direction, direction::Right);
  tap(SDLK_DOWN);
  tap(SDLK_UP);
  EXPECT_EQ(ball.direction, direction::Right);
  for (int i = 0; i < 300 && !(ball.cellY == 1 && ball.direction == direction::None); ++i) pass();
  EXPECT_EQ(ball.cellX, 18);
  EXPECT_EQ(ball.cellY, 1);
  for (int i = 0; i < 30; ++i) pass();
  EXPECT_EQ(ball.direction, direction::None);
  EXPECT_EQ(ball.cellY, 1);
}

// The player's own keys move the ball; the one they replaced no longer does.
TEST_F(InGameInput, ReboundKeysMoveTheBall) {
  Play(kOpenRoom);
  gameController->settings.controls.Bind(Action::Up, 'W');
  for (auto [key, up] : {std::pair{SDLK_UP, 0}, std::pair{SDLK_w, 1}}) {
    PushKey(key, true);
    PushKey(key, false);
    platform::EndInputStep();
    input.Poll(*inGameButtons, level);
    EXPECT_EQ(input.requestUp, up) << key;
  }
}

// On a touch screen a swipe rolls the ball and a tap is a click where it lands.
TEST_F(InGameInput, ASwipeRollsAndATapClicks) {
  Play(kOpenRoom);  // ball at (9, 6)
  int windowWidth = 0, windowHeight = 0;
  SDL_GetWindowSize(SDL_GL_GetCurrentWindow(), &windowWidth, &windowHeight);
  auto pushFinger = [&](Uint32 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.tfinger.fingerId = 3;
    e.tfinger.x = static_cast<float>(x) / 800;
    e.tfinger.y = static_cast<float>(y) / 600;
    SDL_PushEvent(&e);
  };
  ASSERT_EQ(windowWidth * 3, windowHeight * 4) << "the letterbox would shift the fingers";
  pushFinger(SDL_FINGERDOWN, 400, 400);
  pushFinger(SDL_FINGERMOTION, 400, 300);
  pushFinger(SDL_FINGERUP, 405, 200);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestUp, 1);
  platform::EndInputStep();
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestUp, 0) << "a swipe is one press";

  // The finger down shows the board's arrow, as a pointer there would.
  pushFinger(SDL_FINGERDOWN, CellPixelX(15), CellPixelY(7));
  input.Poll(*inGameButtons, level);
  inGameButtons->Update(level, input);
  EXPECT_EQ(Ball().hoverDirection, 2);
  pushFinger(SDL_FINGERUP, CellPixelX(15), CellPixelY(7));
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestRight, 1);
}
