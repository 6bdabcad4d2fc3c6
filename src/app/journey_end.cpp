#include "app/journey_end.h"

#include "app/game_controller.h"
#include "menus/closing_page.h"
#include "menus/world_map.h"
#include "services/level_numbers.h"
#include "services/progress.h"
#include "services/sound_manager.h"

void JourneyEnd::Begin() {
  stage_ = Stage::Map;
  game_.screens.worldMap->ShowWholeRoad();
  game_.soundManager->PlayOohOoh();
}

void JourneyEnd::Update() {
  const Progress& progress = *game_.progress;
  if (stage_ == Stage::Map && game_.screens.worldMap->state == MenuScreen::Hidden) {
    stage_ = Stage::Page;
    game_.popup = ClosingPage::Create(game_, progress.CountLevels(Progress::Solved, levels::Last),
                                      progress.CountLevels(Progress::Skipped, levels::Last));
    game_.popup->Show();
  } else if (stage_ == Stage::Page && (!game_.popup || game_.popup->state == MenuScreen::Hidden)) {
    stage_ = Stage::None;
    game_.StartLevel(progress.FirstUnsolvedLevel(levels::Last));
    game_.runMode = 1;
  }
}
