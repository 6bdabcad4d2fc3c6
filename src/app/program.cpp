#include "app/program.h"

#include <cstdio>
#include <future>

#include "app/game_controller.h"
#include "app/logo_splash.h"
#include "app/player_folder_claim.h"
#include "app/token_column.h"
#include "platform/audio/audio.h"
#include "platform/host/clock.h"
#include "platform/host/diagnostics.h"
#include "platform/render/graphics.h"
#include "platform/host/host_threads.h"
#include "platform/codecs/image_codec.h"
#include "platform/host/platform.h"
#include "platform/host/random.h"
#include "platform/files/stream.h"
#include "puzzle/particles.h"
#include "services/game_log.h"
#include "services/options_file.h"
#include "services/settings_file.h"
#include "services/resources.h"
#include "services/session_clock.h"
#include "services/sound_manager.h"

using namespace platform;

std::shared_ptr<GameController> StartUp() {
  DebugLog("--                  --");
  DebugLog("-- Start of program --");
  // The logo is decoded while the window opens.
  PrefetchImageFile(HostPath("media\\logo.png"));
  AppTitle("Marrowick");
  sessionStart = ClockSeconds();
  OptionsFile::LoadOptions();
  const PlayerSettings settings = SettingsFile::Load();
  SetPlayersWindowSize({settings.windowWidth, settings.windowHeight});

  Resources::InitWindow();
  if (GraphicsWidth() == 0) {
    std::fprintf(stderr, "Marrowick cannot start: %s\n", LastDisplayError().c_str());
    return nullptr;
  }
  if (!FileExists("media\\logo.png")) {
    std::fprintf(stderr, "Marrowick: the media folder is missing or incomplete beside the program; "
                         "pictures and sounds will be absent.\n");
  }
  auto splash = LogoSplash::Create("media\\logo.png", 2000);
  splash->Show();
  DebugLog("logo shown");
  // Looking for a sound card can take a while, most of all on a machine
  // without one; the media load meanwhile, and the sounds wait for it. The
  // sounds (files read and decoded, the music's stream set up) need neither
  // the device nor the window, so they load beside the pictures.
  OpenAudioInBackground();
  auto soundLoading = std::async(kBesideTheGame, [] { return SoundManager::Create(); });
  SeedRnd(Millisecs());
  AutoMidHandle(true);
  AutoImageFlags(0);
  Resources::LoadMedia();
  tokenImage = LoadAnimImage("media\\tokens.png", 40, 40, 0, 2, -1);
  singleSlotColumnImage = LoadImage("media\\single_slot_column.png", -1);
  // With the automatic mid-handle on, the glows are handled at their centres.
  trailImages[0] = LoadImage("media\\trail.png", -1);
  trailImages[1] = LoadImage("media\\shade.png", -1);
  trailImages[2] = LoadImage("media\\spark.png", -1);
  std::shared_ptr<SoundManager> sounds = soundLoading.get();
  DebugLog("media loaded");
  auto game = GameController::Create();
  game->settings = settings;
  game->soundManager = std::move(sounds);
  game->gameLog = GameLog::Create();
  splash->Wait();
  if (!OpenAudio()) {
    std::fprintf(stderr, "Marrowick: no audio device (%s); playing silently.\n", LastAudioError().c_str());
  }
  return game;
}

int RunProgram(const char* argv0) {
  // Whether there is a display at all is known before the player's folder is
  // claimed: a game that cannot start leaves nothing behind, not even its lock file.
  if (!InitPlatform(argv0) || !StartDisplayDriver()) {
    std::fprintf(stderr, "Marrowick cannot start: %s\n", LastDisplayError().c_str());
    ShutdownPlatform();
    return 1;
  }
  if (!ClaimPlayerFolder()) {
    ShutdownPlatform();
    return 1;
  }
  const std::shared_ptr<GameController> game = StartUp();
  if (!game) {
    Resources::CloseDisplay();
    ShutdownPlatform();
    return 1;
  }
  game->Start();
  DebugLog("-- End of program --");
  Resources::CloseDisplay();
  ShutdownPlatform();
  return 0;
}
