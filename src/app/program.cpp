#include "app/program.h"

#include <cstdio>

#include "app/game_controller.h"
#include "app/logo_splash.h"
#include "app/token_column.h"
#include "menus/tutorial_page.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/graphics.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "platform/stream.h"
#include "puzzle/particles.h"
#include "services/game_log.h"
#include "services/options_file.h"
#include "services/resources.h"
#include "services/session_clock.h"
#include "services/sound_manager.h"

using namespace platform;

bool StartUp() {
  DebugLog("--                  --");
  DebugLog("-- Start of program --");
  auto splash = LogoSplash::Create("media\\logo.png", 2000);
  AppTitle("Marrowick");
  sessionStart = ClockSeconds();
  OptionsFile::LoadOptions();

  Resources::InitWindow();
  if (GraphicsWidth() == 0) {
    std::fprintf(stderr, "Marrowick cannot start: %s\n", LastDisplayError().c_str());
    return false;
  }
  if (!FileExists("media\\logo.png")) {
    std::fprintf(stderr, "Marrowick: the media folder is missing or incomplete beside the program; "
                         "pictures and sounds will be absent.\n");
  }
  splash->Show();
  DebugLog("logo shown");
  SeedRnd(Millisecs());
  AutoMidHandle(true);
  if (!OpenAudio()) {
    std::fprintf(stderr, "Marrowick: no audio device (%s); playing silently.\n", LastAudioError().c_str());
  }
  soundManager = SoundManager::Create();
  AutoImageFlags(0);
  Resources::LoadMedia();
  tokenImage = LoadAnimImage("media\\tokens.png", 40, 40, 0, 2, -1);
  // With the automatic mid-handle on, the glows are handled at their centres.
  trailImages[0] = LoadImage("media\\trail.png", -1);
  trailImages[1] = LoadImage("media\\shade.png", -1);
  trailImages[2] = LoadImage("media\\spark.png", -1);
  TutorialPage::LoadTutorialTexts();
  DebugLog("media loaded");
  gameController = GameController::Create();
  gameLog = GameLog::Create();
  splash->Wait();
  return true;
}

int RunProgram(const char* argv0) {
  if (!InitPlatform(argv0)) {
    std::fprintf(stderr, "Marrowick cannot start: %s\n", LastDisplayError().c_str());
    return 1;
  }
  if (!StartUp()) {
    Resources::CloseDisplay();
    ShutdownPlatform();
    return 1;
  }
  gameController->Start();
  DebugLog("-- End of program --");
  Resources::CloseDisplay();
  ShutdownPlatform();
  return 0;
}
