#include "app/logo_splash.h"

#include "app/developer_mode.h"
#include "platform/host/clock.h"
#include "platform/host/input.h"
#include "platform/host/platform.h"

using namespace platform;

std::shared_ptr<LogoSplash> LogoSplash::Create(const std::string& path, int durationMs) {
  auto splash = std::make_shared<LogoSplash>();
  splash->image = LoadImage(path, -1);
  // Drawn from its top left corner at the screen's, whatever the automatic mid-handle says.
  SetImageHandle(splash->image, 0, 0);
  splash->duration = DeveloperMode != 0 ? 30 : durationMs;
  return splash;
}

void LogoSplash::Show() {
  DrawImage(image, 0, 0, 0);
  Flip(1);
  shownAt = Millisecs();
}

bool LogoSplash::SkipRequested() const {
  return KeyDown(27) || KeyDown(32) || KeyDown(13) || MouseDown(1);
}

void LogoSplash::Wait() const {
  // In a web page the logo lies under the cover that invites the player to
  // play: their answer, however soon or late, is the click that skips it.
  if (WaitForPlayersFirstGesture()) return;
  while (Millisecs() - shownAt < duration && !SkipRequested()) Delay(5);
}
