// "options.dat" read at start-up and used as the game uses it: the sound
// manager takes the volumes, the options screen shows them on its sliders and
// the game saves them again at the end. Whatever the file holds, the game
// must end up with volumes it can play and show (finite, 0 to 2), a display
// mode of 0 or 1, and a saved file that reads back the same.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/game_controller.h"
#include "fuzz/fuzz_input.h"
#include "menus/options_menu.h"
#include "platform/host/text.h"
#include "services/game_log.h"
#include "services/options_file.h"
#include "services/resources.h"
#include "services/sound_manager.h"
#include "support/test_game.h"

namespace {

void ExpectPlayableVolume(const char* which, float volume) {
  if (!std::isfinite(volume) || volume < 0 || volume > 2) {
    FuzzFailure(std::string(which) + " volume " + platform::Str(volume) + " after loading the options");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteFuzzFile("options.dat", data, size);
  OptionsFile::SetDefaultOptions();
  OptionsFile::LoadOptions();
  TestGame game;
  std::shared_ptr<SoundManager>& soundManager = game.soundManager;
  soundManager = SoundManager::Create();
  ExpectPlayableVolume("effects", soundManager->effectsVolume);
  ExpectPlayableVolume("music", soundManager->musicVolume);
  if (savedFullscreen != 0 && savedFullscreen != 1) {
    FuzzFailure("display mode " + std::to_string(savedFullscreen) + " after loading the options");
  }
  fullscreen = savedFullscreen;

  game.gameLog = std::make_shared<GameLog>();
  game.optionsMenu = OptionsMenu::Create(*game.gameController);
  game.optionsMenu->Show();
  game.optionsMenu->Close();

  const float effects = soundManager->effectsVolume;
  const float music = soundManager->musicVolume;
  OptionsFile::SaveOptions(effects, music, fullscreen);
  OptionsFile::LoadOptions();
  if (savedEffectsVolume != effects || savedMusicVolume != music || savedFullscreen != fullscreen) {
    FuzzFailure("the saved options read back differently");
  }
  return 0;
}
