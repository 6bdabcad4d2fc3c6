// A game controller, attached as SDL's virtual joystick, plays through the
// same keys as the keyboard.

#include <SDL.h>

#include "platform/host/input.h"
#include "support/display_fixture.h"
#include "support/virtual_gamepad.h"

using namespace platform;

namespace {

class Gamepad : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    index = AttachVirtualGamepad();
    ASSERT_GE(index, 0) << SDL_GetError();
    ASSERT_TRUE(SDL_IsGameController(index));
    joystick = SDL_JoystickOpen(index);
    ASSERT_NE(joystick, nullptr) << SDL_GetError();
    PollSystem();  // the game opens the controller it was told of
  }
  void TearDown() override {
    if (joystick) SDL_JoystickClose(joystick);
    if (index >= 0) SDL_JoystickDetachVirtual(index);
    DisplayTest::TearDown();
  }
  // Each change is read in a step of its own.
  void SetButton(SDL_GameControllerButton button, bool down) {
    EndInputStep();
    SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
    PollSystem();
  }
  void SetStick(int x, int y) {
    EndInputStep();
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    PollSystem();
  }

  int index = -1;
  SDL_Joystick* joystick = nullptr;
};

TEST_F(Gamepad, DPadIsTheArrowsAConfirmsBAndStartGoBack) {
  const std::pair<SDL_GameControllerButton, int> buttons[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_UP, 38},   {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 40},
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 37}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 39},
      {SDL_CONTROLLER_BUTTON_A, 13},         {SDL_CONTROLLER_BUTTON_B, 27},
      {SDL_CONTROLLER_BUTTON_START, 27},
  };
  for (auto [button, key] : buttons) {
    SetButton(button, true);
    EXPECT_EQ(KeyDown(key), 1) << key;
    EXPECT_EQ(KeyHit(key), 1) << key;
    SetButton(button, false);
    EXPECT_EQ(KeyDown(key), 0) << key;
  }
  FlushKeys();
  // Every other button closes a hint page, as a typed key does.
  SetButton(SDL_CONTROLLER_BUTTON_Y, true);
  EXPECT_NE(GetChar(), 0);
  EXPECT_EQ(KeyDown(13), 0);
}

TEST_F(Gamepad, TheLeftStickHoldsTheArrowItLeansFurthestTowards) {
  SetStick(8000, -3000);  // resting noise
  for (int key : {37, 38, 39, 40}) EXPECT_EQ(KeyDown(key), 0) << key;
  SetStick(30000, -12000);
  EXPECT_EQ(KeyDown(39), 1);
  EXPECT_EQ(KeyDown(38), 0);
  SetStick(5000, -32000);
  EXPECT_EQ(KeyDown(39), 0);
  EXPECT_EQ(KeyDown(38), 1);
  SetStick(0, 12000);  // still pushed beyond the letting-go line
  EXPECT_EQ(KeyDown(40), 1);
  SetStick(0, 2000);
  for (int key : {37, 38, 39, 40}) EXPECT_EQ(KeyDown(key), 0) << key;
}

// The d-pad's arrow and the stick's both.
TEST_F(Gamepad, UnpluggingLetsGoOfWhatItHeld) {
  SetButton(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  SetStick(0, 30000);
  ASSERT_EQ(KeyDown(37), 1);
  ASSERT_EQ(KeyDown(40), 1);
  SDL_JoystickClose(joystick);
  joystick = nullptr;
  SDL_JoystickDetachVirtual(index);
  index = -1;
  PollSystem();
  EndInputStep();
  EXPECT_EQ(KeyDown(37), 0);
  EXPECT_EQ(KeyDown(40), 0);
}

}  // namespace
